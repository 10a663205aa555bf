#pragma once

#include "notes/day_marks.h"
#include "notes/note_list.h"

#include <string>

namespace almanor {

// The marks of one month read from that month's own note files, at most 31 of them, so that
// a date change costs the same with ten notes in the folder or a hundred thousand. A file
// named for a day of the month marks the day its date field gives, when that lies in the
// month, as it would from the list of all notes. `appFolder` is UTF-8.
DayMarks monthFileMarks(const std::string& appFolder, int year, int month);

// A note whose date field names another month than its file's name, or whose name is no day
// of that month: one of the few a month's own files cannot account for.
bool filedUnderAnotherMonth(const NoteListEntry& note);

} // namespace almanor
