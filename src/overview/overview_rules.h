#pragma once

#include "common/atomic_file.h"
#include "notes/note_list.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace almanor {

// The text the overview's copy command puts on the clipboard, in UTF-8: the heading
// "Almanor Notes." and then, for each line in list order, CR LF and the line. Nothing
// follows the last line, and line breaks inside a note are kept as they are.
std::string notesClipboardText(const NoteList& notes);

struct DeleteSelectedOutcome {
    // False when a note file could not be deleted; the command stopped there.
    bool completed = true;
    // The date text of that note, for "The Note For <date> Was Not Found!".
    std::string missingDate;
    std::size_t deleted = 0;
};

// Deletes the notes at the `selected` positions of `notes` (in any order; positions past
// the end are ignored), from the last to the first, removing each one's entry. When a file
// cannot be deleted, its entry leaves the list all the same and the command stops: the
// notes after it stay deleted, the selected notes before it remain.
DeleteSelectedOutcome
deleteSelectedNotes(NoteList& notes, std::vector<std::size_t> selected,
                    const std::function<FileResult(const std::string& path)>& removeFile);

} // namespace almanor
