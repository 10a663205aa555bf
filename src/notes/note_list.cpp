#include "notes/note_list.h"

#include <algorithm>

namespace almanor {

void putListEntry(NoteList& list, const std::string& path, std::optional<std::string> line) {
    // All paths share the folder, so the names' descending order is the paths'.
    const auto place = std::lower_bound(
        list.begin(), list.end(), path,
        [](const NoteListEntry& entry, const std::string& wanted) { return entry.path > wanted; });
    const bool listed = place != list.end() && place->path == path;
    if (!line) {
        if (listed) {
            list.erase(place);
        }
    } else if (listed) {
        place->line = std::move(*line);
    } else {
        list.insert(place, {std::move(*line), path});
    }
}

} // namespace almanor
