#include "overview/overview_rules.h"

namespace almanor {

std::string notesClipboardText(const NoteList& notes) {
    std::string text = "Almanor Notes.";
    for (const NoteListEntry& note : notes) {
        text += "\r\n";
        text += note.line;
    }
    return text;
}

} // namespace almanor
