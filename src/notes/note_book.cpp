#include "notes/note_book.h"

#include "common/app_folder.h"
#include "notes/month_marks.h"
#include "notes/note_messages.h"
#include "notes/note_record.h"
#include "notes/purge.h"
#include "notes/shown_note_file.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <iterator>

namespace almanor {

namespace {

// The window keeps line breaks as the text field does; the file holds CR LF.
std::string toStoredText(const QString& text) {
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return stored.toStdString();
}

QString toShownText(const std::string& text) {
    QString shown = QString::fromStdString(replaceDoubleQuotes(text));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

namespace {

// Saves come at every keystroke and each one renames a file in the folder: the list follows
// once the folder has been still for a moment, not at each of them.
constexpr int kFolderSettleMs = 500;

// Each step of the reading in steps stays well below what a user notices as a stall, also
// where a file takes long to come from the disk. The first waits until the window that
// started it has had time to come up: steps between its first events would delay it.
constexpr qint64 kListStepMs = 10;
constexpr int kFirstListStepMs = 1000;

} // namespace

NoteBook::NoteBook(const std::string& appFolder, QObject* parent)
    : QObject(parent), store_(appFolder), catalog_(appFolder), folderSettled_(new QTimer(this)),
      listReading_(new QTimer(this)), shownFile_(new ShownNoteFile(*this)) {
    folderSettled_->setObjectName(QStringLiteral("folderSettled"));
    folderSettled_->setSingleShot(true);
    folderSettled_->setInterval(kFolderSettleMs);
    connect(&folderWatcher_, &QFileSystemWatcher::directoryChanged, folderSettled_,
            qOverload<>(&QTimer::start));
    connect(folderSettled_, &QTimer::timeout, this, &NoteBook::refreshIfShown);
    listReading_->setObjectName(QStringLiteral("listReading"));
    connect(listReading_, &QTimer::timeout, this, &NoteBook::readListStep);
    connect(shownFile_, &ShownNoteFile::changedOutside, this,
            [this] { emit noteChanged(shownFile_->day()); });
}

void NoteBook::readListInSteps() {
    listReading_->start(kFirstListStepMs);
}

void NoteBook::readListStep() {
    listReading_->setInterval(0);
    QElapsedTimer spent;
    spent.start();
    while (!catalog_.refreshStep(1)) {
        if (spent.elapsed() >= kListStepMs) {
            return;
        }
    }
    refresh(); // every file was looked at: the list takes in what was read
}

void NoteBook::setListShown(bool shown) {
    listShown_ = shown;
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
    const FileResult result = store_.save(day, toStoredText(text), toStoredText(alarm), written);
    if (result) {
        updateListEntry(day);
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

QString NoteBook::remove(const Date& day) {
    const FileResult result = store_.removeNote(day);
    if (result) {
        updateListEntry(day);
        emit notesRemoved({day});
    }
    return noteDeleteFailureText(day, result);
}

QString NoteBook::removeAll() {
    std::vector<Date> days;
    const NoteDeletion deletion = store_.removeAllNotes(&days);
    if (!days.empty()) {
        refresh(); // cheap: the folder holds only what could not be deleted
        emit notesRemoved(days);
    }
    return notesDeleteFailureText(deletion);
}

void NoteBook::updateListEntry(const Date& day) {
    emit listAboutToChange();
    const std::string name = noteFileName(day);
    catalog_.update(name);
    // A save at every keystroke must not look at every note: only this one's filing can change.
    const std::string path = joinPath(store_.folder(), name);
    std::erase_if(filedElsewhere_,
                  [&path](const NoteListEntry& note) { return note.path == path; });
    const auto entry =
        std::ranges::lower_bound(list(), path, std::ranges::greater(), &NoteListEntry::path);
    if (entry != list().end() && entry->path == path) {
        const NoteList foreign =
            notesFiledUnderAnotherMonth({*entry}, joinPath(store_.folder(), "").size());
        filedElsewhere_.insert(filedElsewhere_.end(), foreign.begin(), foreign.end());
    }
    emit listChanged();
}

void NoteBook::refresh() {
    listReading_->stop();
    emit listAboutToChange();
    catalog_.refresh();
    listChangedWithin();
    emit listRead();
}

void NoteBook::refreshIfShown() {
    if (listShown_) {
        refresh();
    }
}

void NoteBook::listChangedWithin() {
    filedElsewhere_ = notesFiledUnderAnotherMonth(list(), joinPath(store_.folder(), "").size());
    emit listChanged();
}

DayMarks NoteBook::marks(int year, int month) const {
    return monthFileMarks(store_.folder(), year, month) | markedDays(filedElsewhere_, year, month);
}

NoteRemovalOutcome NoteBook::removeListed(const std::vector<std::size_t>& rows) {
    return changeList(
        [&rows](NoteList& list) { return removeListedNotes(list, rows, removeNoteFile); });
}

NoteRemovalOutcome NoteBook::purge(const Date& today, int daysToKeep, const Date& spared) {
    refresh(); // the list may not have been needed whole since the start
    return changeList([&](NoteList& list) {
        return purgeOldNotes(list, today, daysToKeep, spared, removeNoteFile);
    });
}

NoteRemovalOutcome
NoteBook::changeList(const std::function<NoteRemovalOutcome(NoteList&)>& change) {
    emit listAboutToChange();
    std::vector<std::string> before;
    before.reserve(list().size());
    std::ranges::transform(list(), std::back_inserter(before), &NoteListEntry::path);
    const NoteRemovalOutcome outcome = change(catalog_.notes());
    listChangedWithin();
    std::erase_if(before, [this](const std::string& path) {
        return std::ranges::binary_search(list(), path, std::ranges::greater(),
                                          &NoteListEntry::path);
    });
    std::vector<Date> days;
    const std::size_t prefixLength = joinPath(store_.folder(), "").size();
    for (const std::string& path : before) { // gone from the list
        if (const std::optional<Date> day =
                noteFileDate(std::string_view(path).substr(prefixLength))) {
            days.push_back(*day);
        }
    }
    if (!days.empty()) {
        emit notesRemoved(days);
    }
    return outcome;
}

} // namespace almanor
