#include "calendar/month_calendar.h"

#include <QCalendarWidget>
#include <QSignalSpy>
#include <QTextCharFormat>
#include <gtest/gtest.h>
#include <vector>

namespace almanor {
namespace {

class MonthCalendarTest : public ::testing::Test {
protected:
    MonthCalendarTest() {
        calendar.setValue(Date{2026, 3, 31});
        QObject::connect(&calendar, &MonthCalendar::dateChange,
                         [this] { seen.push_back(calendar.value()); });
    }
    MonthCalendar calendar;
    std::vector<Date> seen;
};

TEST_F(MonthCalendarTest, raisesOncePerRealChangeInsideTheWrite) {
    calendar.setMonth(4);
    ASSERT_EQ(seen.size(), 1u) << "raised before the write returned";
    EXPECT_EQ(seen[0], (Date{2026, 4, 30})) << "a day the month lacks becomes its last day";
    calendar.setYear(2027);
    calendar.setValue(Date{2027, 4, 30});
    calendar.setMonth(4);
    EXPECT_EQ(seen.size(), 2u) << "writes that leave the date unchanged raise nothing";
}

TEST_F(MonthCalendarTest, handlerCanWriteAgainAndTheNestedChangeRunsFirst) {
    std::vector<int> years;
    QObject::connect(&calendar, &MonthCalendar::dateChange, [&] {
        years.push_back(calendar.year());
        if (calendar.year() < 1000) {
            calendar.setYear(1000);
        }
    });
    calendar.setValue(Date{1000, 1, 15});
    years.clear();
    calendar.setYear(999);
    EXPECT_EQ(years, (std::vector<int>{999, 1000}));
    EXPECT_EQ(calendar.value(), (Date{1000, 1, 15}));
}

TEST_F(MonthCalendarTest, userPickInTheViewRaisesTheChange) {
    calendar.view()->setSelectedDate(QDate(2026, 3, 5));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(calendar.value(), (Date{2026, 3, 5}));
}

TEST_F(MonthCalendarTest, marksTakeEffectAtRefreshAndIgnoreDaysPastTheMonth) {
    calendar.setValue(Date{2026, 2, 10});
    for (int day : {1, 14, 30, 31}) {
        calendar.setDayMark(day, true);
    }
    EXPECT_FALSE(calendar.isDayShownMarked(14));
    calendar.refreshMarks();
    EXPECT_TRUE(calendar.isDayShownMarked(1));
    EXPECT_TRUE(calendar.isDayShownMarked(14));
    EXPECT_FALSE(calendar.isDayShownMarked(30)) << "February has no 30th";
    EXPECT_FALSE(calendar.isDayShownMarked(31));
    EXPECT_NE(calendar.view()->dateTextFormat(QDate(2026, 2, 14)).background(),
              calendar.view()->dateTextFormat(QDate(2026, 2, 15)).background());
    for (int day = 1; day <= 31; ++day) {
        calendar.setDayMark(day, false);
    }
    calendar.refreshMarks();
    EXPECT_FALSE(calendar.isDayShownMarked(14));
    EXPECT_EQ(calendar.view()->dateTextFormat(QDate(2026, 2, 14)).background(),
              calendar.view()->dateTextFormat(QDate(2026, 2, 15)).background());
}

TEST_F(MonthCalendarTest, outOfRangeMarkWritesAreHarmless) {
    calendar.setDayMark(0, true);
    calendar.setDayMark(32, true);
    calendar.refreshMarks();
    EXPECT_FALSE(calendar.dayMark(0));
    EXPECT_FALSE(calendar.dayMark(32));
}

TEST(MonthCalendarStart, firstWriteAlwaysRaisesTheChange) {
    MonthCalendar calendar;
    QSignalSpy spy(&calendar, &MonthCalendar::dateChange);
    calendar.setValue(Date{2026, 12, 6});
    EXPECT_EQ(spy.count(), 1) << "the window relies on it to load today's note at start";
}

} // namespace
} // namespace almanor
