#include "notes/day_marks.h"

#include <algorithm>

namespace almanor {

std::optional<Date> noteListLineDate(std::string_view line) {
    // The date field must end where the separator begins: "12/09/10000" is no date, not the
    // year 1000 its first ten characters would give.
    constexpr std::size_t kDateLength = 10;
    if (!line.substr(std::min(line.size(), kDateLength)).starts_with(kNoteListSeparator)) {
        return std::nullopt;
    }
    return parseDateText(line.substr(0, kDateLength));
}

DayMarks markedDays(const NoteList& notes, int year, int month) {
    DayMarks marks;
    for (std::size_t row = 0; row < notes.size(); ++row) {
        const std::optional<Date> date = noteListLineDate(notes[row].line);
        if (date && date->year == year && date->month == month) {
            marks.set(static_cast<std::size_t>(date->day));
        }
    }
    return marks;
}

} // namespace almanor
