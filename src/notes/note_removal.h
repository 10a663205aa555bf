#pragma once

#include "notes/note_list.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace almanor {

// What became of a note file that was to be deleted.
enum class NoteFileRemoval {
    Removed,
    Missing, // it had already gone
    Kept,    // it is still on the disk: a read-only folder, or open in another program
};

// Deletes a note file (`name` in the notes' folder). `error` receives the system's reason when
// the file is kept.
using NoteFileRemover = std::function<NoteFileRemoval(const std::string& name, std::string& error)>;
NoteFileRemoval removeNoteFile(const std::string& path, std::string& error);
// Takes the entry at this position out of the list.
using NoteListTakeOut = std::function<void(std::size_t position)>;

struct NoteRemovalOutcome {
    // False when a note could not be deleted; the deleting stopped there.
    bool completed = true;
    std::size_t deleted = 0;
    // The note where it stopped: its date text, its file, whether that is still there, and
    // the system's reason when it is.
    std::string failedDate;
    std::string failedName;
    NoteFileRemoval failure = NoteFileRemoval::Removed;
    std::string error;
};

// Deletes the notes at the given positions of `notes`, from the last position to the first
// (so each removal leaves the positions still to be visited where they were; duplicates and
// positions past the end are ignored), taking out each deleted note's entry. At the first note
// that cannot be deleted it stops: the notes after it stay deleted and those before it are
// not visited. A vanished file's entry leaves the list; a file that is still on the disk keeps
// its entry, so the list never claims a note is gone while its file is there.
NoteRemovalOutcome removeListedNotes(const NoteList& notes, std::vector<std::size_t> positions,
                                     const NoteFileRemover& remove, const NoteListTakeOut& takeOut);

} // namespace almanor
