#include "notes/note_book.h"

#include "common/app_folder.h"
#include "notes/both_versions.h"
#include "notes/month_marks.h"
#include "notes/note_messages.h"
#include "notes/note_record.h"
#include "notes/purge.h"
#include "notes/shown_note_file.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iterator>
#include <utility>

namespace almanor {

namespace {

// The window keeps line breaks as the text field does; the file holds CR LF.
std::string toStoredText(const QString& text) {
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return stored.toStdString();
}

std::uint32_t fileNumber(const Date& day) {
    return noteFileNumber(noteFileName(day));
}

QString toShownText(const std::string& text) {
    QString shown = QString::fromStdString(replaceDoubleQuotes(text));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// Saves come at every keystroke and each one renames a file in the folder: the list follows
// once the folder has been still for a moment, not at each of them.
constexpr int kFolderSettleMs = 500;

// Each step of a merge stays well below what a user notices as a stall, even a keystroke
// typed meanwhile. The start's reading waits until the window that started it has had time
// to come up: a look at a large folder takes the disk from it.
constexpr qint64 kMergeStepNs = 2'000'000;
constexpr int kListReadingMs = 1000;

} // namespace

NoteBook::NoteBook(const std::string& appFolder, Platform& platform, QObject* parent)
    : QObject(parent), store_(appFolder), catalog_(appFolder), platform_(platform),
      folderSettled_(new QTimer(this)), listReading_(new QTimer(this)), merging_(new QTimer(this)),
      shownFile_(new ShownNoteFile(*this)) {
    folderSettled_->setSingleShot(true);
    folderSettled_->setInterval(kFolderSettleMs);
    connect(&folderWatcher_, &QFileSystemWatcher::directoryChanged, folderSettled_,
            qOverload<>(&QTimer::start));
    connect(folderSettled_, &QTimer::timeout, this, &NoteBook::lookAtFolder);
    listReading_->setObjectName(QStringLiteral("listReading"));
    listReading_->setInterval(kListReadingMs);
    connect(listReading_, &QTimer::timeout, this, &NoteBook::lookAtFolder);
    merging_->setObjectName(QStringLiteral("listMerging"));
    connect(merging_, &QTimer::timeout, this, &NoteBook::mergeStep);
    connect(shownFile_, &ShownNoteFile::changedOutside, this,
            [this] { emit noteChanged(shownFile_->day()); });
}

void NoteBook::readListSoon() {
    listReading_->start();
}

void NoteBook::lookAtFolder() {
    listReading_->stop();
    if (catalog_.looking()) {
        lookAgain_ = true; // the look under way may have passed the files that changed
        return;
    }
    // What this look finds of other versions is as new as the folder now: a date change need not
    // begin another one until the folder changes again.
    copiesFolderTime_ = folderTime();
    std::promise<FolderDifference> found;
    look_ = found.get_future();
    looker_ = std::jthread([this, look = catalog_.beginLook(), found = std::move(found)]() mutable {
        found.set_value(look());
        QMetaObject::invokeMethod(this, &NoteBook::takeLook, Qt::QueuedConnection);
    });
}

void NoteBook::takeLook() {
    // A refresh may have taken it meanwhile, and begun another.
    if (look_.valid() && look_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        catalog_.takeLook(look_.get());
        merging_->start(0);
    }
}

void NoteBook::mergeStep() {
    QElapsedTimer spent;
    spent.start();
    while (const std::optional<ListChange> next = catalog_.nextChange()) {
        change(*next);
        if (spent.nsecsElapsed() >= kMergeStepNs) {
            return;
        }
    }
    merging_->stop();
    listReadWhole_ = true;
    emit listRead();
    if (std::exchange(lookAgain_, false)) {
        lookAtFolder();
    }
}

void NoteBook::prepareToShowList() {
    if (listReadWhole_) {
        lookAtFolder();
    } else {
        refresh();
    }
}

void NoteBook::refresh() {
    listReading_->stop();
    merging_->stop();
    lookAgain_ = false;
    if (look_.valid()) {
        catalog_.takeLook(look_.get()); // waits for the look under way
    }
    copiesFolderTime_ = folderTime();
    catalog_.refresh([this](const ListChange& next) { change(next); });
    listReadWhole_ = true;
    emit listRead();
}

void NoteBook::change(const ListChange& change) {
    emit listAboutToChange(change);
    const std::uint32_t number = catalog_.applyChange();
    // Only this note's filing can have changed: a save at every keystroke looks at no other.
    if (const std::optional<std::size_t> filed = filedElsewhere_.find(number)) {
        filedElsewhere_.erase(*filed);
    }
    const std::optional<std::size_t> row = list().find(number);
    if (row && filedUnderAnotherMonth(list()[*row])) {
        filedElsewhere_.insert(filedElsewhere_.place(number), list()[*row]);
    }
    emit listChanged(change);
}

void NoteBook::updateListEntry(std::uint32_t number) {
    if (const std::optional<ListChange> own = catalog_.ownChange(number)) {
        change(*own);
    }
}

void NoteBook::setListShown(bool shown) {
    const QString folder = QString::fromStdString(store_.folder());
    if (shown) {
        folderWatcher_.addPath(folder);
    } else {
        folderWatcher_.removePath(folder);
        folderSettled_->stop();
    }
}

ShownNote NoteBook::load(const Date& day) const {
    LoadResult note = store_.load(day);
    return {note.status, toShownText(note.text), toShownText(note.alarm),
            note.status == LoadResult::Status::Unreadable
                ? unreadableNoteText(day, note.problem, note.reason)
                : QString(),
            std::move(note.file)};
}

FileResult NoteBook::save(const Date& day, const QString& text, const QString& alarm,
                          NoteFileContent* written) {
    const bool copiesKnown = copiesFolderTime_ == folderTime();
    const FileResult result = store_.save(day, toStoredText(text), toStoredText(alarm), written);
    if (result) {
        if (copiesKnown) {
            copiesFolderTime_ = folderTime(); // a note of its own is no other version
        }
        updateListEntry(fileNumber(day));
        emit noteChanged(day);
    }
    return result;
}

FileResult NoteBook::keepAside(const Date& day, const QString& text, const QString& alarm,
                               QString& fileName) {
    std::string name;
    const FileResult result = store_.keepAside(day, toStoredText(text), toStoredText(alarm), name);
    fileName = QString::fromStdString(name);
    return result;
}

QString NoteBook::pathOf(const std::string& name) const {
    return QString::fromStdString(joinPath(store_.folder(), name));
}

NoteFileRemover NoteBook::discarder(std::vector<TakenNote>& taken) {
    return [this, &taken, forGood = std::optional<bool>()](const std::string& name,
                                                           std::string& error) mutable {
        const std::string path = joinPath(store_.folder(), name);
        std::error_code ignored;
        const auto type = std::filesystem::symlink_status(pathFromUtf8(path), ignored).type();
        if (type == std::filesystem::file_type::not_found) {
            return NoteFileRemoval::Missing;
        }
        if (type != std::filesystem::file_type::regular) {
            // A link goes without what it points to, and a folder stays: no note is lost.
            return removeNoteFile(path, error);
        }
        if (std::optional<QString> inTrash = platform_.trash.moveToTrash(pathOf(name))) {
            taken.push_back({name, std::move(*inTrash), {}});
            return NoteFileRemoval::Removed;
        }
        if (!forGood) {
            forGood =
                platform_.messageBox.show(deleteForGoodQuestion(name), MessageStyle::DeleteOkCancel,
                                          deleteQuestionTitle()) == Answer::Ok;
        }
        if (!*forGood) {
            error = notInTrashReason().toStdString();
            return NoteFileRemoval::Kept;
        }
        ReadResult file = readRegularFile(pathFromUtf8(path), kLargestNoteFile);
        const NoteFileRemoval removal = removeNoteFile(path, error);
        if (removal == NoteFileRemoval::Removed && file.read()) {
            taken.push_back({name, {}, std::move(file.bytes)});
        }
        return removal;
    };
}

QString NoteBook::remove(const Date& day) {
    std::vector<TakenNote> taken;
    std::string reason;
    const std::string name = noteFileName(day);
    const NoteFileRemoval removal = discarder(taken)(name, reason);
    if (removal != NoteFileRemoval::Removed) {
        return noteDeleteFailureText(day, FileResult::failed(removal == NoteFileRemoval::Missing
                                                                 ? FileResult::Failure::Missing
                                                                 : FileResult::Failure::Remove,
                                                             name, reason));
    }
    taken_ = std::move(taken);
    updateListEntry(fileNumber(day));
    emit notesRemoved({day});
    return {};
}

QString NoteBook::removeAll() {
    std::vector<Date> days;
    std::vector<TakenNote> taken;
    const NoteDeletion deletion = store_.removeAllNotes(discarder(taken), &days);
    if (!taken.empty()) {
        taken_ = std::move(taken);
    }
    if (!days.empty()) {
        refresh(); // cheap: the folder holds only what could not be deleted
        emit notesRemoved(days);
    }
    return notesDeleteFailureText(deletion);
}

QString NoteBook::undoRemoval() {
    QStringList notBack;
    for (TakenNote& note : std::exchange(taken_, {})) {
        const std::filesystem::path path = pathFromUtf8(joinPath(store_.folder(), note.name));
        const std::optional<Date> day = noteFileDate(note.name);
        std::error_code ignored;
        bool back = false;
        if (!std::filesystem::exists(path, ignored)) {
            back = note.pathInTrash.isEmpty()
                       ? static_cast<bool>(writeFileAtomically(path, note.bytes))
                       : platform_.trash.restore(note.pathInTrash, pathOf(note.name));
        } else if (day) {
            // The day has a new note: it takes the deleted one in, which stays in the trash too.
            if (!note.pathInTrash.isEmpty()) {
                note.bytes =
                    readRegularFile(pathFromUtf8(note.pathInTrash.toStdString()), kLargestNoteFile)
                        .bytes;
            }
            back = mergeInto(*day, note.bytes);
        }
        if (!back) {
            notBack << QString::fromStdString(note.name);
            continue;
        }
        updateListEntry(noteFileNumber(note.name));
        if (day) {
            emit noteChanged(*day);
        }
    }
    return notesNotBroughtBackText(notBack);
}

bool NoteBook::mergeInto(const Date& day, const std::string& bytes) {
    const std::optional<NoteRecord> other = readNoteRecord(bytes);
    const ShownNote note = load(day);
    if (!other || !other->isNote() || other->partial ||
        note.status == LoadResult::Status::Unreadable) {
        return false;
    }
    const NoteTexts kept = almanor::keepBoth(
        {note.text.toStdString(), note.alarm.toStdString()},
        {toShownText(other->text).toStdString(), toShownText(other->alarm).toStdString()});
    return static_cast<bool>(
        save(day, QString::fromStdString(kept.text), QString::fromStdString(kept.alarm)));
}

std::filesystem::file_time_type NoteBook::folderTime() const {
    std::error_code ignored;
    return std::filesystem::last_write_time(pathFromUtf8(store_.folder()), ignored);
}

std::vector<ConflictCopy> NoteBook::conflictCopies(int year, int month) {
    if (folderTime() != copiesFolderTime_) {
        lookAtFolder();
    }
    const std::vector<ConflictCopy>& copies = catalog_.conflictCopies();
    if (month == 0) {
        return copies;
    }
    std::vector<ConflictCopy> ofMonth;
    std::ranges::copy_if(copies, std::back_inserter(ofMonth), [&](const ConflictCopy& copy) {
        return copy.day.year == year && copy.day.month == month;
    });
    return ofMonth;
}

QString NoteBook::keepBoth(const ConflictCopy& copy) {
    const ReadResult file =
        readRegularFile(pathFromUtf8(joinPath(store_.folder(), copy.name)), kLargestNoteFile);
    if (!file.read() || !mergeInto(copy.day, file.bytes)) {
        return conflictNotMergedText(copy.day, copy.name);
    }
    // Its words are in the day's note now; the copy goes to the trash, or stays where the user
    // would not have it deleted for good.
    std::vector<TakenNote> taken;
    std::string reason;
    const bool copiesKnown = copiesFolderTime_ == folderTime();
    if (discarder(taken)(copy.name, reason) != NoteFileRemoval::Kept) {
        catalog_.forgetConflictCopy(copy.name);
        if (copiesKnown) {
            copiesFolderTime_ = folderTime();
        }
    }
    return {};
}

DayMarks NoteBook::marks(int year, int month) const {
    return monthFileMarks(store_.folder(), year, month) | markedDays(filedElsewhere_, year, month);
}

NoteRemovalOutcome NoteBook::removeListed(const std::vector<std::size_t>& rows) {
    return removeNotes(
        [&](const NoteFileRemover& remove, const NoteListTakeOut& takeOut) {
            return removeListedNotes(list(), rows, remove, takeOut);
        },
        true);
}

NoteRemovalOutcome NoteBook::purge(const Date& today, int daysToKeep, const Date& spared) {
    refresh(); // the list may not have been needed whole since the start
    return removeNotes(
        [&](const NoteFileRemover& remove, const NoteListTakeOut& takeOut) {
            return purgeOldNotes(list(), today, daysToKeep, spared, remove, takeOut);
        },
        false);
}

std::size_t NoteBook::oldNoteCount(const Date& today, int daysToKeep, const Date& spared) {
    refresh();
    return oldNotePositions(list(), today, daysToKeep, spared).size();
}

NoteRemovalOutcome NoteBook::removeNotes(const Removal& removal, bool undoable) {
    std::vector<Date> days;
    std::vector<TakenNote> taken;
    const NoteRemovalOutcome outcome = removal(discarder(taken), [this, &days](std::size_t row) {
        const std::uint32_t number = list()[row].number;
        updateListEntry(number); // its file is gone, and so goes its entry
        if (const std::optional<Date> day = noteFileDate(noteFileName(number))) {
            days.push_back(*day);
        }
    });
    if (undoable && !taken.empty()) {
        taken_ = std::move(taken);
    }
    if (!days.empty()) {
        emit notesRemoved(days);
    }
    return outcome;
}

} // namespace almanor
