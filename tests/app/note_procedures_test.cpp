#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "overview/overview_window.h"

#include <QTest>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::TestProgram;

std::string record(const std::string& text, const std::string& date, const std::string& alarm) {
    return "\"dailynotes\",\"" + text + "\",\"" + date + "\",\"" + alarm + "\"\r\n";
}

std::vector<std::string> lines(const NoteList& list) {
    std::vector<std::string> result;
    for (const NoteListEntry& entry : list) {
        result.push_back(entry.line);
    }
    return result;
}

std::vector<int> markedDaysOf(MonthCalendar& calendar) {
    std::vector<int> days;
    for (int day = 1; day <= 31; ++day) {
        if (calendar.isDayShownMarked(day)) {
            days.push_back(day);
        }
    }
    return days;
}

TEST(NoteProcedures, startUpFillsTheListNewestFirstInAHiddenOverview) {
    TestProgram t;
    t.writeFile("19990305.dnf", record("march", "03/05/1999", ""));
    t.writeFile("20261206.dnf", record("two\r\nlines", "12/06/2026", "2:00:00 PM"));
    t.writeFile("20261201.dnf", "\"notes\",\"other marker\",\"12/01/2026\",\"\"\r\n");
    t.writeFile("20261130.dnf", record("nov", "11/30/2026", ""));
    t.program().calendarWindow();
    ASSERT_TRUE(t.program().hasOverviewWindow());
    EXPECT_FALSE(t.program().overviewWindow().isVisible());
    EXPECT_EQ(lines(t.program().noteList()),
              (std::vector<std::string>{"12/06/2026  -  2:00:00 PM  -  two\r\nlines",
                                        "11/30/2026  -  nov", "03/05/1999  -  march"}));
    EXPECT_TRUE(t.program().noteList()[0].path.ends_with("20261206.dnf"));
}

TEST(NoteProcedures, marksFollowTheShownMonthAndTheFilesOnDisk) {
    TestProgram t;
    t.writeFile("20260305.dnf", record("a", "03/05/2026", ""));
    t.writeFile("20260405.dnf", record("b", "04/05/2026", ""));
    t.writeFile("20250317.dnf", record("other year", "03/17/2025", ""));
    t.writeFile("20260131.dnf", record("last day", "01/31/2026", ""));
    CalendarWindow& window = t.program().calendarWindow();
    MonthCalendar& calendar = window.calendar();
    calendar.setValue(Date{2026, 3, 1});
    EXPECT_EQ(markedDaysOf(calendar), std::vector<int>{5});
    calendar.setValue(Date{2026, 1, 2});
    EXPECT_EQ(markedDaysOf(calendar), std::vector<int>{31});
    calendar.setValue(Date{2026, 2, 2});
    EXPECT_TRUE(markedDaysOf(calendar).empty()) << "no 31st carried into February";
    t.writeFile("20260214.dnf", record("written by another program", "02/14/2026", ""));
    calendar.setValue(Date{2026, 2, 3});
    EXPECT_EQ(markedDaysOf(calendar), std::vector<int>{14});
}

TEST(NoteProcedures, typingTheFirstCharacterListsTheDayAtTheNextDateChange) {
    TestProgram t;
    CalendarWindow& window = t.program().calendarWindow();
    QTest::keyClicks(&window.noteBox(), "x");
    EXPECT_TRUE(t.exists("20261206.dnf"));
    window.calendar().setValue(Date{2026, 12, 7});
    EXPECT_EQ(lines(t.program().noteList()), std::vector<std::string>{"12/06/2026  -  x"});
    EXPECT_EQ(markedDaysOf(window.calendar()), std::vector<int>{6});
}

TEST(NoteProcedures, damagedDateFieldsMarkNothingAndFailNothing) {
    TestProgram t;
    t.writeFile("20261202.dnf", record("bad date", "12/2/2026", ""));
    t.writeFile("20261203.dnf", record("impossible", "02/31/2026", ""));
    t.writeFile("20261204.dnf", record("fine", "12/04/2026", ""));
    CalendarWindow& window = t.program().calendarWindow();
    EXPECT_EQ(t.program().noteList().size(), 3u);
    EXPECT_EQ(markedDaysOf(window.calendar()), std::vector<int>{4});
}

TEST(NoteProcedures, unreadableFilesAreSkippedAndOlderNotesStillListed) {
    TestProgram t;
    t.writeFile("20261205.dnf", "\"dailynotes\",\"three fields only\",\"12/05/2026\"");
    t.writeFile("20261204.dnf", "");
    t.writeFile("20261203.dnf", record("older", "12/03/2026", ""));
    t.program().calendarWindow();
    EXPECT_EQ(lines(t.program().noteList()), std::vector<std::string>{"12/03/2026  -  older"});
}

} // namespace
} // namespace almanor
