#include "notes/purge.h"

#include "notes/day_marks.h"
#include "notes/note_record.h"

#include <optional>
#include <string_view>

namespace almanor {

NoteRemovalOutcome purgeOldNotes(NoteList& notes, const Date& today, int daysToKeep,
                                 const Date& spared, const NoteFileRemover& remove) {
    const auto isOld = [&](const std::optional<Date>& date) {
        return date && daysBetween(*date, today) > daysToKeep;
    };
    std::vector<std::size_t> old;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const std::string_view path = notes[i].path;
        const std::optional<Date> named = noteFileDate(path.substr(path.find_last_of("/\\") + 1));
        if (isOld(named) && isOld(noteListLineDate(notes[i].line)) && *named != spared) {
            old.push_back(i);
        }
    }
    return removeListedNotes(notes, std::move(old), remove);
}

} // namespace almanor
