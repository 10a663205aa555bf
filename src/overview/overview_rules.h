#pragma once

#include "notes/note_list.h"

#include <string>

namespace almanor {

// The text the overview's copy command puts on the clipboard, in UTF-8: the heading
// "Almanor Notes." and then, for each line in list order, CR LF and the line. Nothing
// follows the last line, and line breaks inside a note are kept as they are.
std::string notesClipboardText(const NoteList& notes);

} // namespace almanor
