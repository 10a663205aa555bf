#include "notes/note_list.h"

#include "notes/note_record.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace almanor {

namespace {

// Below this the text is never worth copying to save space.
constexpr std::size_t kSmallestCompaction = 64 * 1024;
// Small enough for the system's allocator to reuse, large enough that few are needed.
constexpr std::size_t kLineBlockSize = 64 * 1024;

} // namespace

LineStore::Place LineStore::add(std::string_view line) {
    if (blocks_.empty() || blocks_.back().size() + line.size() > blocks_.back().capacity()) {
        blocks_.emplace_back().reserve(std::max(kLineBlockSize, line.size()));
    }
    std::string& block = blocks_.back();
    const Place place{static_cast<std::uint32_t>(blocks_.size() - 1),
                      static_cast<std::uint32_t>(block.size()),
                      static_cast<std::uint32_t>(line.size())};
    block += line;
    return place;
}

NoteList::NoteList(std::initializer_list<NoteListEntry> entries) {
    for (const NoteListEntry& entry : entries) {
        push_back(entry);
    }
}

NoteListEntry NoteList::operator[](std::size_t row) const {
    const Slot& slot = slots_[row];
    return {lines_[slot.line], slot.number};
}

std::size_t NoteList::place(std::uint32_t number) const {
    const auto slot = std::ranges::lower_bound(slots_, number, std::greater(), &Slot::number);
    return static_cast<std::size_t>(std::distance(slots_.begin(), slot));
}

std::optional<std::size_t> NoteList::find(std::uint32_t number) const {
    const std::size_t row = place(number);
    return row < size() && slots_[row].number == number ? std::optional(row) : std::nullopt;
}

void NoteList::insert(std::size_t row, NoteListEntry entry) {
    slots_.insert(slots_.begin() + static_cast<std::ptrdiff_t>(row),
                  Slot{entry.number, lines_.add(entry.line)});
    used_ += entry.line.size();
}

void NoteList::replace(std::size_t row, std::string_view line) {
    unused_ += slots_[row].line.size;
    used_ += line.size() - slots_[row].line.size;
    slots_[row].line = lines_.add(line);
    compact();
}

void NoteList::erase(std::size_t row) {
    unused_ += slots_[row].line.size;
    used_ -= slots_[row].line.size;
    slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(row));
    compact();
}

void NoteList::compact() {
    if (unused_ < kSmallestCompaction || unused_ < used_) {
        return;
    }
    LineStore kept;
    for (Slot& slot : slots_) {
        slot.line = kept.add(lines_[slot.line]);
    }
    lines_ = std::move(kept);
    unused_ = 0;
}

bool operator==(const NoteList& a, const NoteList& b) {
    return std::ranges::equal(a.slots_, b.slots_, [&](const auto& x, const auto& y) {
        return x.number == y.number && a.lines_[x.line] == b.lines_[y.line];
    });
}

std::optional<ListChange> listChangeFor(const NoteList& list, std::uint32_t number,
                                        std::optional<std::string_view> line) {
    const std::size_t row = list.place(number);
    const bool listed = row < list.size() && list[row].number == number;
    if (!line) {
        return listed ? std::optional(ListChange{ListChange::Kind::Removed, row}) : std::nullopt;
    }
    if (!listed) {
        return ListChange{ListChange::Kind::Added, row};
    }
    return list[row].line != *line ? std::optional(ListChange{ListChange::Kind::Changed, row})
                                   : std::nullopt;
}

void applyListChange(NoteList& list, const ListChange& change, std::uint32_t number,
                     std::optional<std::string_view> line) {
    switch (change.kind) {
    case ListChange::Kind::Added:
        list.insert(change.row, {*line, number});
        break;
    case ListChange::Kind::Removed:
        list.erase(change.row);
        break;
    case ListChange::Kind::Changed:
        list.replace(change.row, *line);
        break;
    }
}

std::optional<Date> adjacentNoteDay(const NoteList& list, const Date& from, bool later) {
    const std::uint32_t number = noteFileNumber(noteFileName(from));
    const std::size_t place = list.place(number);
    const auto dayAt = [&list](std::size_t row) {
        return noteFileDate(noteFileName(list[row].number));
    };
    if (later) {
        // Newest first: the later days lie above the row `from` has or would have.
        for (std::size_t row = place; row-- > 0;) {
            if (const std::optional<Date> day = dayAt(row)) {
                return day;
            }
        }
        return std::nullopt;
    }
    for (std::size_t row = list.find(number) ? place + 1 : place; row < list.size(); ++row) {
        if (const std::optional<Date> day = dayAt(row)) {
            return day;
        }
    }
    return std::nullopt;
}

} // namespace almanor
