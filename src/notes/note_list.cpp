#include "notes/note_list.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace almanor {

std::optional<ListChange> listChangeFor(const NoteList& list, std::uint32_t number,
                                        const std::optional<std::string>& line) {
    const auto place =
        std::ranges::lower_bound(list, number, std::ranges::greater(), &NoteListEntry::number);
    const auto row = static_cast<std::size_t>(std::distance(list.begin(), place));
    const bool listed = place != list.end() && place->number == number;
    if (!line) {
        return listed ? std::optional(ListChange{ListChange::Kind::Removed, row}) : std::nullopt;
    }
    if (!listed) {
        return ListChange{ListChange::Kind::Added, row};
    }
    return place->line != *line ? std::optional(ListChange{ListChange::Kind::Changed, row})
                                : std::nullopt;
}

void applyListChange(NoteList& list, const ListChange& change, std::uint32_t number,
                     std::optional<std::string> line) {
    const auto place = list.begin() + static_cast<std::ptrdiff_t>(change.row);
    switch (change.kind) {
    case ListChange::Kind::Added:
        list.insert(place, {std::move(*line), number});
        break;
    case ListChange::Kind::Removed:
        list.erase(place);
        break;
    case ListChange::Kind::Changed:
        place->line = std::move(*line);
        break;
    }
}

} // namespace almanor
