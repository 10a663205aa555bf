#pragma once

#include "common/date.h"
#include "notes/note_list.h"

#include <bitset>
#include <optional>
#include <string_view>

namespace almanor {

// Bit d is set when day d of the shown month has a note; bit 0 is never set.
using DayMarks = std::bitset<32>;

// The date of a note list line, read from its first ten characters: the month is the text
// before the first "/", the day the text between the first and the second "/", the year the
// last four of the ten characters. Nothing when they do not make a real date (a note file
// with a damaged date field).
std::optional<Date> noteListLineDate(std::string_view line);

// The days of the shown month that have a line in `notes`. Lines without a date mark nothing.
DayMarks markedDays(const NoteList& notes, int year, int month);

} // namespace almanor
