#include "notes/shown_note_file.h"

#include "notes/both_versions.h"
#include "notes/note_messages.h"
#include "notes/note_record.h"

#include <chrono>
#include <filesystem>

namespace almanor {

namespace {

// An unreadable version is taken as it is once the file was last written this long ago, or
// once this many looks found it unchanged (where the file's time cannot be trusted, as on a
// share whose clock runs ahead). A writer that pauses for longer is answered by keeping the
// user's text aside, so nothing is lost either way.
constexpr auto kSettleTime = std::chrono::seconds(2);
constexpr int kSettleLooks = 3;

} // namespace

ShownNoteFile::ShownNoteFile(NoteBook& notes) : QObject(&notes), notes_(notes) {}

ShownNote ShownNoteFile::load(const Date& day) {
    // The stamp before the read: a change in between then shows at the next check.
    stamp_ = notes_.stamp(day);
    ShownNote note = notes_.load(day);
    day_ = day;
    known_ = note.file;
    edited_ = false;
    awaitingLoad_ = false;
    return note;
}

FileResult ShownNoteFile::save(const QString& text, const QString& alarm) {
    if (awaitingLoad_) {
        return FileResult::success(); // the newer note replaces the window's text at once
    }
    edited_ = true;
    // Every keystroke saves: the file's bytes tell whether it changed, and only a changed one
    // is made sense of. While another program's version settles, nothing is written: the
    // window's text is kept with it once it has.
    if (notes_.content(day_) != known_) {
        look(notes_.stamp(day_), false);
        return FileResult::success();
    }
    NoteFileContent written;
    const FileResult result = notes_.save(day_, text, alarm, &written);
    if (result) {
        known_ = std::move(written);
        stamp_ = notes_.stamp(day_);
    }
    return result;
}

void ShownNoteFile::check() {
    if (awaitingLoad_) {
        return;
    }
    const FileStamp stamp = notes_.stamp(day_);
    if (stamp == stamp_) {
        return;
    }
    if (notes_.content(day_) == known_) {
        stamp_ = stamp;
        return;
    }
    look(stamp, true);
}

void ShownNoteFile::look(const FileStamp& stamp, bool countsAsLook) {
    const ShownNote theirs = notes_.load(day_);
    if (theirs.status == LoadResult::Status::Unreadable && !settled(stamp, countsAsLook)) {
        return; // the next check looks again, as the stamp that was acted on is older
    }
    stamp_ = stamp;
    changed(theirs);
}

bool ShownNoteFile::settled(const FileStamp& stamp, bool countsAsLook) {
    if (stamp != unsettled_) {
        unsettled_ = stamp;
        unsettledLooks_ = 0;
    }
    unsettledLooks_ += countsAsLook ? 1 : 0;
    return std::filesystem::file_time_type::clock::now() - stamp.modified >= kSettleTime ||
           unsettledLooks_ >= kSettleLooks;
}

void ShownNoteFile::changed(const ShownNote& theirs) {
    known_ = theirs.file;
    awaitingLoad_ = true;
    emit changedOutside(edited_ ? keepBothVersions(theirs) : QString());
}

QString ShownNoteFile::keepBothVersions(const ShownNote& theirs) {
    const WindowTexts mine = notes_.windowTexts();
    const QString day = QString::fromStdString(noteDateField(day_));
    if (theirs.status == LoadResult::Status::Unreadable) {
        if (mine.text.isEmpty() && mine.alarm.isEmpty()) {
            return {};
        }
        QString keptIn;
        const FileResult kept = notes_.keepAside(day_, mine.text, mine.alarm, keptIn);
        if (!kept) {
            return tr("Another program changed the note file for %1 into one that cannot be "
                      "read here, so your text was not saved over it, and it could not be kept "
                      "in a file of its own: %2 Your text:\n\n%3")
                .arg(day, keepAsideFailureText(day_, kept), mine.text);
        }
        return tr("Another program changed the note file for %1 into one that cannot be read "
                  "here, so it is left as it is. Your text is kept in the file \"%2\" beside "
                  "the notes.")
            .arg(day, keptIn);
    }
    const NoteTexts kept = keepBoth({theirs.text.toStdString(), theirs.alarm.toStdString()},
                                    {mine.text.toStdString(), mine.alarm.toStdString()});
    const QString keptText = QString::fromStdString(kept.text);
    const QString keptAlarm = QString::fromStdString(kept.alarm);
    if (keptText == theirs.text && keptAlarm == theirs.alarm) {
        return {}; // the user's version adds nothing to theirs
    }
    NoteFileContent written;
    const FileResult result = notes_.save(day_, keptText, keptAlarm, &written);
    if (!result) {
        return tr("Another program changed the note for %1 while you were writing "
                  "it, and your text could not be kept beside its version: %2 Your "
                  "text:\n\n%3")
            .arg(day, noteSaveFailureText(day_, result), mine.text);
    }
    known_ = std::move(written);
    stamp_ = notes_.stamp(day_);
    if (theirs.status == LoadResult::Status::NoFile) {
        return tr("Another program deleted the note for %1 while you were writing "
                  "it. Your text is kept as the note.")
            .arg(day);
    }
    return tr("Another program changed the note for %1 while you were writing it. "
              "Both versions are kept: the other program's first, then yours below "
              "the line \"%2\".")
        .arg(day, QString::fromLatin1(kYourVersionLine));
}

} // namespace almanor
