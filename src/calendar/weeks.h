#pragma once

#include "common/date.h"
#include "settings/preferences.h"

namespace almanor {

// The weekday a row of the month starts on (0 = Sunday ... 6 = Saturday, as Date::dayOfWeek):
// the one chosen, or `systemFirstDay` (the user's locale) for System.
int firstDayOfWeek(FirstDayOfWeek chosen, int systemFirstDay);

// An ISO 8601 week: weeks start on Monday, and week 1 of a year is the one holding its first
// Thursday, so the first days of January may lie in the last week of the year before and the
// last days of December in week 1 of the next.
struct IsoWeek {
    int year = 0;
    int week = 0;

    friend bool operator==(const IsoWeek&, const IsoWeek&) = default;
};
IsoWeek isoWeekOf(const Date& day);

// The week a row of seven days starting on `firstDayOfRow` is numbered by: the one of its
// Monday, so that a row starting on Sunday or Saturday carries the number of most of its days.
IsoWeek weekOfRow(const Date& firstDayOfRow);

} // namespace almanor
