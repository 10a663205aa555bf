#pragma once

#include "notes/note_list.h"

#include <optional>
#include <span>
#include <string>

namespace almanor {

// The text the overview's copy command puts on the clipboard, in UTF-8: the heading
// "Almanor Notes." and then, for each line in list order, CR LF and the line. Nothing
// follows the last line, and line breaks inside a note are kept as they are. Given `rows`, only
// the lines of those rows, in their order: the lines a search shows.
std::string notesClipboardText(const NoteList& notes,
                               std::optional<std::span<const std::size_t>> rows = std::nullopt);

} // namespace almanor
