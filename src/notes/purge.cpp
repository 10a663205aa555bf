#include "notes/purge.h"

#include "notes/day_marks.h"
#include "notes/note_record.h"

#include <optional>

namespace almanor {

std::vector<std::size_t> oldNotePositions(const NoteList& notes, const Date& today, int daysToKeep,
                                          const Date& spared) {
    const auto isOld = [&](const std::optional<Date>& date) {
        return date && daysBetween(*date, today) > daysToKeep;
    };
    std::vector<std::size_t> old;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const std::optional<Date> named = noteFileDate(noteFileName(notes[i].number));
        if (isOld(named) && isOld(noteListLineDate(notes[i].line)) && *named != spared) {
            old.push_back(i);
        }
    }
    return old;
}

NoteRemovalOutcome purgeOldNotes(const NoteList& notes, const Date& today, int daysToKeep,
                                 const Date& spared, const NoteFileRemover& remove,
                                 const NoteListTakeOut& takeOut) {
    return removeListedNotes(notes, oldNotePositions(notes, today, daysToKeep, spared), remove,
                             takeOut);
}

} // namespace almanor
