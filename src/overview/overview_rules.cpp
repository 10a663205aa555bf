#include "overview/overview_rules.h"

#include <algorithm>
#include <functional>

namespace almanor {

std::string notesClipboardText(const NoteList& notes) {
    std::string text = "Almanor Notes.";
    for (const NoteListEntry& note : notes) {
        text += "\r\n";
        text += note.line;
    }
    return text;
}

DeleteSelectedOutcome
deleteSelectedNotes(NoteList& notes, std::vector<std::size_t> selected,
                    const std::function<FileResult(const std::string& path)>& removeFile) {
    // From the last position to the first, so that each removal leaves the positions still
    // to be visited where they were.
    std::sort(selected.begin(), selected.end(), std::greater<>());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());

    DeleteSelectedOutcome outcome;
    for (const std::size_t i : selected) {
        if (i >= notes.size()) {
            continue;
        }
        const std::string dateText = notes[i].line.substr(0, 10);
        const bool removed = removeFile(notes[i].path).ok;
        notes.erase(notes.begin() + static_cast<std::ptrdiff_t>(i));
        if (!removed) {
            outcome.completed = false;
            outcome.missingDate = dateText;
            return outcome;
        }
        ++outcome.deleted;
    }
    return outcome;
}

} // namespace almanor
