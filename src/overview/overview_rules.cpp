#include "overview/overview_rules.h"

namespace almanor {

std::string notesClipboardText(const NoteList& notes) {
    std::string text = "Almanor Notes.";
    for (std::size_t row = 0; row < notes.size(); ++row) {
        text += "\r\n";
        text += notes[row].line;
    }
    return text;
}

} // namespace almanor
