#pragma once

#include "common/atomic_file.h"
#include "common/date.h"
#include "notes/note_book.h"

#include <QObject>
#include <QString>

namespace almanor {

// The note file of the day the window shows, followed while it is shown. People keep the
// folder in a synchronising tool or edit a day's file with another program: the window learns
// of such a change within a second (or when it is next activated, where a file's time stamp
// cannot be trusted to move), and a save never writes over a change it has not seen. When the user
// had changed the note since it was shown and the other version does not hold their text, both
// versions are kept.
class ShownNoteFile final : public QObject {
    Q_OBJECT

public:
    // `notes` owns it; when both versions are kept it asks the book for the window's texts.
    explicit ShownNoteFile(NoteBook& notes);

    // Reads the day's note, which becomes the followed one.
    ShownNote load(const Date& day);
    // Saves the followed day's note, unless its file changed since it was last read or
    // written here: then both versions are kept and changedOutside says so.
    FileResult save(const QString& text, const QString& alarm);
    // Looks whether another program changed the file; the program's tick does this every
    // second, at the cost of one look at the file's stamp while nothing changes.
    void check();
    const Date& day() const { return day_; }

signals:
    // The followed day's file holds something other than the window: load it again.
    // `message`, when not empty, tells the user what became of their own text.
    void changedOutside(const QString& message);

private:
    // The file holds something else than it last held here: makes sense of it, unless it
    // cannot be read yet (see settled).
    // Only the timer's and the window's looks count towards settling, not keystrokes.
    void look(const FileStamp& stamp, bool countsAsLook);
    // A version that cannot be read may be another program's write caught half-way: a copy
    // written in place is empty or incomplete for a moment. It is taken as it is only once the
    // file has stayed so for a while.
    bool settled(const FileStamp& stamp, bool countsAsLook);
    // The file no longer holds what it last held here; `theirs` is what it holds now.
    void changed(const ShownNote& theirs);
    QString keepBothVersions(const ShownNote& theirs);

    NoteBook& notes_;
    Date day_;
    NoteFileContent known_;
    FileStamp stamp_;
    // An unreadable version waiting to settle, and how many looks found it unchanged.
    FileStamp unsettled_;
    int unsettledLooks_ = 0;
    // The user changed the note since it was read: the window holds their own text.
    bool edited_ = false;
    // A change was reported and the window has not loaded the note again yet: a save now
    // would write the window's old text over it.
    bool awaitingLoad_ = false;
};

} // namespace almanor
