#include "notes/purge.h"

#include <algorithm>

namespace almanor {

NoteRemovalOutcome purgeOldNotes(NoteList& notes, const Date& today, int deleteDays,
                                 const NoteFileRemover& remove) {
    const long long keepDays = std::max(deleteDays, 0);
    std::vector<std::size_t> old;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const auto date = parseDateText(std::string_view(notes[i].line).substr(0, 10));
        if (date && daysBetween(*date, today) > keepDays) {
            old.push_back(i);
        }
    }
    return removeListedNotes(notes, std::move(old), remove);
}

} // namespace almanor
