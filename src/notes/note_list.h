#pragma once

#include "common/date.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
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
    std::string_view line; // "MM/DD/YYYY  -  [alarm  -  ]text", UTF-8, line breaks kept
    std::uint32_t number;  // the file's name, yyyymmdd as noteFileNumber reads it

    friend bool operator==(const NoteListEntry&, const NoteListEntry&) = default;
};

// Between the date field and the alarm, and between the alarm and the text: two blanks, a
// hyphen and two blanks.
inline constexpr std::string_view kNoteListSeparator = "  -  ";

// Lines one after another in blocks of a fixed size: holding many costs little more than their
// text, adding one never moves the others, and no block is ever given back to be replaced by a
// larger one (which a growing process could not return to the system).
class LineStore {
public:
    struct Place {
        std::uint32_t block;
        std::uint32_t offset;
        std::uint32_t size;
    };
    Place add(std::string_view line);
    std::string_view operator[](const Place& place) const {
        return std::string_view(blocks_[place.block]).substr(place.offset, place.size);
    }

private:
    std::vector<std::string> blocks_;
};

// The notes, newest first (descending file name). The lines are held one after another in one
// block of text, so that decades of notes cost little more than their text: an entry's line
// stays valid until the list next changes.
class NoteList {
public:
    NoteList() = default;
    NoteList(std::initializer_list<NoteListEntry> entries);
    // Room for this many entries, for many to come at once.
    void reserve(std::size_t entries) { slots_.reserve(entries); }

    std::size_t size() const { return slots_.size(); }
    bool empty() const { return slots_.empty(); }
    NoteListEntry operator[](std::size_t row) const;
    // The row of note file `number`, or the row it would have.
    std::size_t place(std::uint32_t number) const;
    std::optional<std::size_t> find(std::uint32_t number) const;

    void insert(std::size_t row, NoteListEntry entry);
    void push_back(NoteListEntry entry) { insert(size(), entry); }
    void replace(std::size_t row, std::string_view line);
    void erase(std::size_t row);

    friend bool operator==(const NoteList& a, const NoteList& b);

private:
    struct Slot {
        std::uint32_t number;
        LineStore::Place line;
    };
    // Drops the text no entry shows any more once it is most of what is held.
    void compact();

    std::vector<Slot> slots_;
    LineStore lines_;
    std::size_t used_ = 0; // bytes of lines_ that entries show
    std::size_t unused_ = 0;
};

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
                                        std::optional<std::string_view> line);
void applyListChange(NoteList& list, const ListChange& change, std::uint32_t number,
                     std::optional<std::string_view> line);

// The nearest day before `from` (`later`: after it) whose note file the list holds; files whose
// name gives no real day are passed over. The list is in the days' order, so this is a search.
std::optional<Date> adjacentNoteDay(const NoteList& list, const Date& from, bool later);

} // namespace almanor
