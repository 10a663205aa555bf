#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace almanor {

// One note of the list of all notes: the line the overview shows and the file it came from.
// Keeping both in one entry means the two can never get out of step.
struct NoteListEntry {
    std::string line; // "MM/DD/YYYY  -  [alarm  -  ]text", UTF-8, line breaks kept
    std::string path; // full path of the note file, UTF-8

    friend bool operator==(const NoteListEntry&, const NoteListEntry&) = default;
};

// Between the date field and the alarm, and between the alarm and the text: two blanks, a
// hyphen and two blanks.
inline constexpr std::string_view kNoteListSeparator = "  -  ";

// Newest note first (descending file name).
using NoteList = std::vector<NoteListEntry>;

// Gives the note file at `path` the list line `line` in its place among the others, or takes
// its entry out when it has no line (any more): the program's own change of one note need not
// wait for the folder to be read again.
void putListEntry(NoteList& list, const std::string& path, std::optional<std::string> line);

} // namespace almanor
