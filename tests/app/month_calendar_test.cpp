#include "calendar/month_calendar.h"
#include "fakes/user_input.h"

#include <QCalendarWidget>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::formatOf;

// The window relies on one change signal per real change, raised before the write returns.
TEST(MonthCalendar, raisesOncePerRealChangeInsideTheWriteAndMarksAtTheRefresh) {
    MonthCalendar calendar;
    std::vector<Date> seen;
    QObject::connect(&calendar, &MonthCalendar::dateChange,
                     [&] { seen.push_back(calendar.value()); });
    calendar.setValue(Date{2026, 3, 31}); // the first write, as at the start
    calendar.setMonth(4);
    calendar.setMonth(4);
    calendar.setMonth(13);
    calendar.setValue(Date{2026, 2, 30});
    calendar.view()->setSelectedDate(QDate(2026, 4, 5)); // the user's pick
    calendar.view()->showNextMonth();                    // paging with the keyboard
    EXPECT_EQ(seen, (std::vector<Date>{{2026, 3, 31}, {2026, 4, 30}, {2026, 4, 5}, {2026, 5, 5}}));
    EXPECT_EQ(calendar.view()->selectedDate(), QDate(2026, 5, 5));
    for (const Date& edge : {Date{100, 1, 1}, Date{9999, 12, 31}}) { // the view shows them too
        calendar.setValue(edge);
        EXPECT_EQ(calendar.view()->selectedDate(), QDate(edge.year, edge.month, edge.day));
    }
    calendar.setValue(Date{2026, 2, 10}); // marks show from the refresh, for the month's days
    for (int day : {0, 1, 14, 30, 31, 32}) {
        calendar.setDayMark(day, true);
    }
    EXPECT_TRUE(testing::markedDays(calendar).empty());
    calendar.refreshMarks();
    EXPECT_EQ(testing::markedDays(calendar), (std::vector<int>{1, 14}));
    EXPECT_FALSE(calendar.dayMark(0) || calendar.dayMark(32) || !calendar.dayMark(1));
    calendar.setMonth(3); // the shown marks move with the date, 30 and 31 stay unknown
    EXPECT_EQ(testing::markedDays(calendar), (std::vector<int>{1, 14}));
    EXPECT_EQ(formatOf(calendar, 15), QTextCharFormat());
    calendar.setDayMark(14, false);
    calendar.refreshMarks();
    EXPECT_EQ(formatOf(calendar, 14), QTextCharFormat()) << "the old marks are forgotten";
}

} // namespace
} // namespace almanor
