#pragma once

#include "common/atomic_file.h"
#include "common/date.h"
#include "notes/conflict_copies.h"
#include "notes/day_marks.h"
#include "notes/note_catalog.h"
#include "notes/note_removal.h"
#include "notes/note_store.h"
#include "platform/platform.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class QTimer;

namespace almanor {

class ShownNoteFile;

// A day's note as a window shows it: line breaks as "\n", and double quotes in the curly
// form they are saved in (other programs may have written straight ones).
struct ShownNote {
    LoadResult::Status status = LoadResult::Status::NoFile;
    QString text;
    QString alarm;
    QString reason;       // why the file cannot be read, when Unreadable
    NoteFileContent file; // what the file held as it was read
};

// The note and alarm as the window holds them.
struct WindowTexts {
    QString text;
    QString alarm;
};

// The notes of the application folder, shared by the windows: each day's note file, and the
// list of all notes, newest first, with the days it marks. Windows load and save through it
// and follow its signals; it converts between the windows' text and the files' at its edge.
class NoteBook final : public QObject {
    Q_OBJECT

public:
    // `appFolder` is UTF-8, with or without a trailing separator. Deleted notes go to the
    // platform's trash; one the trash cannot take is deleted for good only when the user agrees
    // to that first.
    NoteBook(const std::string& appFolder, Platform& platform, QObject* parent = nullptr);

    // Reads a day's note; never writes anything.
    ShownNote load(const Date& day) const;
    // The note file of the day a window shows; see ShownNoteFile.
    ShownNoteFile& shownFile() { return *shownFile_; }
    // What the window holds of the followed note, asked for when both versions must be kept.
    void setWindowTexts(std::function<WindowTexts()> texts) { windowTexts_ = std::move(texts); }
    WindowTexts windowTexts() const { return windowTexts_ ? windowTexts_() : WindowTexts{}; }

    // Writes a day's note, or removes its file when both texts are empty.
    // `written`, when given, is set to what the file holds after a successful save.
    FileResult save(const Date& day, const QString& text, const QString& alarm,
                    NoteFileContent* written = nullptr);
    FileStamp stamp(const Date& day) const { return store_.stamp(day); }
    NoteFileContent content(const Date& day) const { return store_.content(day); }
    // A note's texts in a file of their own beside the notes; see NoteStore::keepAside.
    FileResult keepAside(const Date& day, const QString& text, const QString& alarm,
                         QString& fileName);
    // The user's delete: a day's note file, or every note file of the folder.
    // Delete a day's note, or all notes; what the user is told when that failed, else nothing.
    QString remove(const Date& day);
    QString removeAll();
    // Whether the user's last delete (not the purge's) took notes that Undo can bring back.
    bool canUndoRemoval() const { return !taken_.empty(); }
    // Brings back the notes of the user's last delete, from the trash or from memory. A day that
    // has a new note meanwhile keeps both versions in it. What the user is told of the notes that
    // could not come back, else nothing.
    QString undoRemoval();

    // Other machines' versions of the month's notes, as synchronising tools leave them (see
    // conflictCopyDay), or of every note when no month is given, as the last look at the folder
    // found them. A folder of decades of notes takes a while to list, so a date change never
    // waits for it: when something other than this program's saves changed the folder since,
    // a look begins behind the window, and listRead tells when it found them.
    std::vector<ConflictCopy> conflictCopies(int year = 0, int month = 0);
    // Merges a conflict copy into its day's note with the keep-both rule, and moves the copy to
    // the trash; what the user is told when that failed, else nothing.
    QString keepBoth(const ConflictCopy& copy);

    // Brings the list of all notes up to date with the folder now, waiting for a look under
    // way. Only what needs the list whole waits: the overview's showing, the purge and the
    // commands that work on the list; a date change reads the shown month alone.
    void refresh();
    // Looks at the folder on another thread, and merges what changed into the list a few
    // changes at a time whenever the program waits for the user.
    void lookAtFolder();
    // For a window about to show the list: until the list was first read whole, refresh();
    // after that the list shows as it stands and the folder is looked at behind it, so that
    // showing it never waits for the time of every file.
    void prepareToShowList();
    // The overview shows the list: while it does, files that come and go in the folder are
    // looked for (where the system reports them; elsewhere the next showing finds them).
    void setListShown(bool shown);
    // Reads the list once the window that starts the program has come up, so that the
    // overview and the purge find it read even in a folder of decades of notes.
    void readListSoon();
    const NoteList& list() const { return catalog_.notes(); }
    // The days of the month that have a note, read from the month's own files (and the few
    // notes filed under another month, as the list has them).
    DayMarks marks(int year, int month) const;

    // Deletes the notes at these rows of the list; see removeListedNotes.
    NoteRemovalOutcome removeListed(const std::vector<std::size_t>& rows);
    // Deletes the notes more than `daysToKeep` days before `today` but that of `spared`; see
    // purgeOldNotes.
    NoteRemovalOutcome purge(const Date& today, int daysToKeep, const Date& spared);
    // How many notes that purge would delete now.
    std::size_t oldNoteCount(const Date& today, int daysToKeep, const Date& spared);

signals:
    // Around every change of the list, one row at a time, so that views never read it
    // half-changed; nothing when nothing changed.
    void listAboutToChange(const almanor::ListChange& change);
    void listChanged(const almanor::ListChange& change);
    // The list was brought up to date with the whole folder (not only changed by one of the
    // program's own saves).
    void listRead();
    // A day's note was saved, created or emptied here, or changed on disk by another program
    // while it was followed.
    void noteChanged(const Date& day);
    // The user's delete, the overview's or the purge took the notes of these days.
    void notesRemoved(const std::vector<Date>& days);

private:
    // A note file a delete took: in the trash, or (when the user let it be deleted for good)
    // its bytes.
    struct TakenNote {
        std::string name;
        QString pathInTrash;
        std::string bytes;
    };
    // One command's way with note files: each goes to the trash. At the first one the trash
    // cannot take, the user is asked whether such files are to be deleted for good; those that
    // go so leave their bytes for Undo. What was taken is added to `taken`.
    NoteFileRemover discarder(std::vector<TakenNote>& taken);
    // The day's note takes in the texts of `bytes`, a note record, with the keep-both rule; false
    // when either cannot be read or the note not saved.
    bool mergeInto(const Date& day, const std::string& bytes);
    QString pathOf(const std::string& name) const;

    using Removal =
        std::function<NoteRemovalOutcome(const NoteFileRemover&, const NoteListTakeOut&)>;
    NoteRemovalOutcome removeNotes(const Removal& removal, bool undoable);
    // The program's own write or delete of one note file, taken into the list at once.
    void updateListEntry(std::uint32_t number);
    void change(const ListChange& change);

    void takeLook();
    void mergeStep();

    std::filesystem::file_time_type folderTime() const;

    NoteStore store_;
    NoteCatalog catalog_;
    Platform& platform_;
    std::vector<TakenNote> taken_;
    std::optional<std::filesystem::file_time_type> copiesFolderTime_;
    NoteList filedElsewhere_;
    bool lookAgain_ = false;
    bool listReadWhole_ = false;
    QFileSystemWatcher folderWatcher_;
    QTimer* folderSettled_;
    QTimer* listReading_;
    QTimer* merging_;
    ShownNoteFile* shownFile_;
    std::function<WindowTexts()> windowTexts_;
    std::future<FolderDifference> look_;
    // Last, so that it is the first to go: a look under way ends before what it uses.
    std::jthread looker_;
};

} // namespace almanor
