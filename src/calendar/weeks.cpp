#include "calendar/weeks.h"

namespace almanor {

namespace {

constexpr int kMonday = 1;
constexpr int kThursday = 4;

} // namespace

int firstDayOfWeek(FirstDayOfWeek chosen, int systemFirstDay) {
    switch (chosen) {
    case FirstDayOfWeek::Monday:
        return kMonday;
    case FirstDayOfWeek::Sunday:
        return 0;
    case FirstDayOfWeek::Saturday:
        return 6;
    case FirstDayOfWeek::System:
        break;
    }
    return systemFirstDay;
}

IsoWeek isoWeekOf(const Date& day) {
    // The Thursday of the day's week decides the year the week belongs to.
    const int daysFromMonday = (day.dayOfWeek() + 6) % 7;
    const Date thursday = day.addDays(kThursday - kMonday - daysFromMonday);
    const long long intoYear = daysBetween(Date{thursday.year, 1, 1}, thursday);
    return IsoWeek{thursday.year, static_cast<int>(intoYear / 7) + 1};
}

IsoWeek weekOfRow(const Date& firstDayOfRow) {
    return isoWeekOf(firstDayOfRow.addDays((kMonday - firstDayOfRow.dayOfWeek() + 7) % 7));
}

} // namespace almanor
