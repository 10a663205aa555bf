#pragma once

#include "common/date.h"
#include "notes/note_list.h"

#include <bitset>
#include <optional>
#include <string_view>

namespace almanor {

// Bit d is set when day d of the shown month has a note; bit 0 is never set.
using DayMarks = std::bitset<32>;

// The date of a note list line: its date field, which must be exactly "MM/DD/YYYY" with a
// real date and be followed by the separator. Nothing for anything else (a note file with a
// damaged date field).
std::optional<Date> noteListLineDate(std::string_view line);

// The days of the shown month that have a line in `notes`. Lines without a date mark nothing.
DayMarks markedDays(const NoteList& notes, int year, int month);

} // namespace almanor
