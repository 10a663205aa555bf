#include "overview/overview_rules.h"

namespace almanor {

std::string notesClipboardText(const NoteList& notes,
                               std::optional<std::span<const std::size_t>> rows) {
    std::string text = "Almanor Notes.";
    const std::size_t count = rows ? rows->size() : notes.size();
    for (std::size_t i = 0; i < count; ++i) {
        text += "\r\n";
        text += notes[rows ? (*rows)[i] : i].line;
    }
    return text;
}

} // namespace almanor
