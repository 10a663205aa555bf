#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace almanor {

// One note of the list of all notes: the line the overview shows and the file it came from.
// Keeping both in one entry means the two can never get out of step. The file is known by its
// name's eight digits alone: every note file lies in the one folder, so a path in each entry
// would only repeat the folder a hundred thousand times.
struct NoteListEntry {
    std::string line;     // "MM/DD/YYYY  -  [alarm  -  ]text", UTF-8, line breaks kept
    std::uint32_t number; // the file's name, yyyymmdd as noteFileNumber reads it

    friend bool operator==(const NoteListEntry&, const NoteListEntry&) = default;
};

// Between the date field and the alarm, and between the alarm and the text: two blanks, a
// hyphen and two blanks.
inline constexpr std::string_view kNoteListSeparator = "  -  ";

// Newest note first (descending file name).
using NoteList = std::vector<NoteListEntry>;

// One change of the list, as a view follows it: a row that comes, goes or shows another line.
struct ListChange {
    enum class Kind { Added, Removed, Changed };
    Kind kind;
    std::size_t row;

    friend bool operator==(const ListChange&, const ListChange&) = default;
};

// What giving note file `number` the list line `line` (none: it has no line any more) changes
// in the list; nothing when the list shows that already. Each change is worked out before it
// is made, so that views can be told in between.
std::optional<ListChange> listChangeFor(const NoteList& list, std::uint32_t number,
                                        const std::optional<std::string>& line);
void applyListChange(NoteList& list, const ListChange& change, std::uint32_t number,
                     std::optional<std::string> line);

} // namespace almanor
