#include "notes/note_messages.h"

#include "notes/note_record.h"
#include "platform/file_messages.h"

#include <QCoreApplication>

namespace almanor {

namespace {

// The translation context of these texts.
class NoteMessages {
    Q_DECLARE_TR_FUNCTIONS(NoteMessages)
};

QString dateText(const Date& day) {
    return QString::fromStdString(noteDateField(day));
}

QString nothingToDelete() {
    return NoteMessages::tr("No Note Files Were Found To Delete!");
}

} // namespace

QString unreadableNoteText(const Date& day, LoadResult::Problem problem,
                           const std::string& systemReason) {
    const QString file = QString::fromStdString(noteFileName(day));
    switch (problem) {
    case LoadResult::Problem::NotRegular:
        return NoteMessages::tr("The note file %1 is not a regular file.").arg(file);
    case LoadResult::Problem::TooLarge:
        return NoteMessages::tr("The note file %1 is too large to be a note.").arg(file);
    case LoadResult::Problem::Failed:
        return NoteMessages::tr("The note file %1 cannot be read (%2).")
            .arg(file, QString::fromStdString(systemReason));
    case LoadResult::Problem::Incomplete:
        return NoteMessages::tr("The note file %1 is incomplete (it holds fewer than four "
                                "fields).")
            .arg(file);
    case LoadResult::Problem::NotANote:
        return NoteMessages::tr("The note file %1 is not a note (it does not begin with "
                                "\"dailynotes\").")
            .arg(file);
    case LoadResult::Problem::OutsideFields:
        return NoteMessages::tr("The note file %1 holds text outside its four fields, which "
                                "saving would lose.")
            .arg(file);
    }
    return {};
}

QString noteSaveFailureText(const Date& day, const FileResult& result) {
    if (result.failure == FileResult::Failure::Remove) {
        return NoteMessages::tr("The emptied note for %1 could not be removed (%2).")
            .arg(dateText(day), fileFailureText(result));
    }
    return NoteMessages::tr("The note for %1 could not be saved: %2.")
        .arg(dateText(day), fileFailureText(result));
}

QString keepAsideFailureText(const Date& day, const FileResult& result) {
    if (result.failure == FileResult::Failure::NoFreeName) {
        return NoteMessages::tr("too many texts were kept aside for %1").arg(dateText(day));
    }
    return fileFailureText(result);
}

QString noteDeleteFailureText(const Date& day, const FileResult& result) {
    switch (result.failure) {
    case FileResult::Failure::None:
        return {};
    case FileResult::Failure::Missing:
        return nothingToDelete();
    default:
        return NoteMessages::tr("The note for %1 could not be deleted (%2).")
            .arg(dateText(day), QString::fromStdString(result.reason));
    }
}

QString notesDeleteFailureText(const NoteDeletion& deletion) {
    switch (deletion.status) {
    case NoteDeletion::Status::Deleted:
        break;
    case NoteDeletion::Status::NothingToDelete:
        return nothingToDelete();
    case NoteDeletion::Status::NotListed:
        return NoteMessages::tr("The note files could not be listed (%1).")
            .arg(QString::fromStdString(deletion.reason));
    case NoteDeletion::Status::SomeKept: {
        QStringList files;
        for (const NoteDeletion::Kept& kept : deletion.kept) {
            files << NoteMessages::tr("%1 (%2)").arg(QString::fromStdString(kept.file),
                                                     QString::fromStdString(kept.reason));
        }
        return NoteMessages::tr("%1 of %2 note files could not be deleted: %3.")
            .arg(QString::number(deletion.kept.size()), QString::number(deletion.found),
                 files.join(QStringLiteral(", ")));
    }
    }
    return {};
}

QString removalFailureMessage(const NoteRemovalOutcome& outcome) {
    const QString day = QString::fromStdString(outcome.failedDate);
    if (outcome.failure == NoteFileRemoval::Kept) {
        return NoteMessages::tr("The Note For %1 Could Not Be Deleted!\n\n%2: %3")
            .arg(day, QString::fromStdString(outcome.failedName),
                 QString::fromStdString(outcome.error));
    }
    return NoteMessages::tr("The Note For %1 Was Not Found!").arg(day);
}

QString deleteForGoodQuestion(const std::string& fileName) {
    return NoteMessages::tr("The note file %1 cannot go to the trash and will be deleted for good "
                            "(as will any other note of this delete that the trash cannot take).")
        .arg(QString::fromStdString(fileName));
}

QString deleteQuestionTitle() {
    return NoteMessages::tr("Delete?");
}

QString notInTrashReason() {
    return NoteMessages::tr("it cannot go to the trash");
}

QString purgeQuestion(std::size_t count, int daysToKeep) {
    return NoteMessages::tr("Delete %n notes older than %1 days? They go to the trash.", nullptr,
                            static_cast<int>(count))
        .arg(daysToKeep);
}

QString notesNotBroughtBackText(const QStringList& fileNames) {
    if (fileNames.isEmpty()) {
        return {};
    }
    return NoteMessages::tr("These deleted notes could not be brought back: %1.")
        .arg(fileNames.join(QStringLiteral(", ")));
}

QString conflictNotMergedText(const Date& day, const std::string& copyName) {
    return NoteMessages::tr("The other version %1 could not be merged into the note for %2.")
        .arg(QString::fromStdString(copyName), dateText(day));
}

} // namespace almanor
