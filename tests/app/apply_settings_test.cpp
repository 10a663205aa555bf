#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "overview/overview_window.h"

#include <QListView>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::TestProgram;

// "Today" on the fake clock is 6 December 2026.
const Date kToday{2026, 12, 6};

std::string fileNameOf(const Date& date) {
    char name[16];
    std::snprintf(name, sizeof name, "%04d%02d%02d.dnf", date.year, date.month, date.day);
    return name;
}

class ApplySettingsTest : public ::testing::Test {
protected:
    void writeNote(const Date& date, const std::string& text) {
        writeNoteWithDateField(date, formatDateText(date), text);
    }
    void writeNoteWithDateField(const Date& date, const std::string& dateField,
                                const std::string& text) {
        t.writeFile(fileNameOf(date),
                    "\"dailynotes\",\"" + text + "\",\"" + dateField + "\",\"\"\r\n");
    }
    bool hasNote(const Date& date) const { return t.exists(fileNameOf(date)); }
    std::vector<std::string> listedDates() {
        std::vector<std::string> dates;
        for (const NoteListEntry& entry : program().noteList()) {
            dates.push_back(entry.line.substr(0, 10));
        }
        return dates;
    }
    // The program as it is once the calendar window has set itself up.
    Program& program() { return t.program(); }
    CalendarWindow& window() { return t.program().calendarWindow(); }
    void purgeOlderThan(int days) {
        Settings& s = program().settings;
        s.udel = true;
        s.deleteDays = static_cast<std::int16_t>(days);
        s.uslide = false;
        window();
        program().applySettings();
    }
    TestProgram t;
};

TEST_F(ApplySettingsTest, topmostFollowsUtopWithoutMovingOrHidingTheWindow) {
    struct Case {
        const char* name;
        SettingValue utop;
        bool topmost;
    } cases[] = {
        {"on", true, true},
        {"off", false, false},
        {"a bare 1 counts as off", 1.0, false},
        {"on again", true, true},
    };
    program().settings.uslide = false;
    CalendarWindow& w = window();
    w.show();
    const QPoint place = w.pos();
    const QWindow* native = w.windowHandle();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program().settings.utop = c.utop;
        program().applySettings();
        EXPECT_EQ(w.staysOnTop(), c.topmost);
        EXPECT_EQ(w.pos(), place);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.windowHandle(), native);
    }
}

TEST_F(ApplySettingsTest, slideAwayStartsOnlyWhenUslideIsOn) {
    program().settings.uslide = false;
    program().applySettings();
    EXPECT_FALSE(window().isSlidingAway());
    program().settings.uslide = true;
    program().applySettings();
    EXPECT_TRUE(window().isSlidingAway());
}

TEST_F(ApplySettingsTest, trayIconComesAndGoesWithUtask) {
    program().applySettings();
    EXPECT_TRUE(t.fakes.tray.shown);
    program().settings.utask = false;
    program().applySettings();
    EXPECT_FALSE(t.fakes.tray.shown);
    program().settings.utask = true;
    program().applySettings();
    EXPECT_TRUE(t.fakes.tray.shown);
}

TEST_F(ApplySettingsTest, purgeKeepsNotesUpToTheLimitAndDeletesOlderOnes) {
    struct Case {
        int deleteDays;
        int daysAgo;
        bool kept;
    } cases[] = {
        {30, 31, false}, {30, 30, true}, {30, 400, false}, {30, 0, true}, {30, -3, true},
        {0, 1, false},   {0, 0, true},   {0, -1, true},    {1, 1, true},  {1, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "limit " << c.deleteDays << ", " << c.daysAgo << " days ago");
        TestProgram p;
        const Date date = kToday.addDays(-c.daysAgo);
        p.writeFile(fileNameOf(date),
                    "\"dailynotes\",\"x\",\"" + formatDateText(date) + "\",\"\"\r\n");
        p.program().settings.udel = true;
        p.program().settings.deleteDays = static_cast<std::int16_t>(c.deleteDays);
        p.program().applySettings();
        EXPECT_EQ(p.exists(fileNameOf(date)), c.kept);
        EXPECT_EQ(p.program().noteList().size(), c.kept ? 1u : 0u);
        EXPECT_TRUE(p.fakes.messageBox.shown.empty());
    }
}

TEST_F(ApplySettingsTest, purgeReloadsTheShownNoteAndTheMarks) {
    const Date old{2026, 11, 5}; // 31 days ago
    const Date kept{2026, 11, 6};
    writeNote(old, "old");
    writeNote(kept, "kept");
    window().calendar().setValue(old);
    ASSERT_EQ(window().noteBox().noteText(), "old");
    ASSERT_TRUE(window().calendar().dayMark(5));

    purgeOlderThan(30);
    EXPECT_FALSE(hasNote(old));
    EXPECT_TRUE(hasNote(kept));
    EXPECT_EQ(window().noteBox().noteText(), "") << "the deleted note is no longer shown";
    EXPECT_FALSE(window().calendar().dayMark(5));
    EXPECT_TRUE(window().calendar().dayMark(6));
    EXPECT_EQ(listedDates(), std::vector<std::string>{"11/06/2026"});
    EXPECT_FALSE(hasNote(old)) << "showing the empty day left no file behind";
}

TEST_F(ApplySettingsTest, vanishedNoteStopsThePurgeWithItsMessage) {
    const Date oldest{2026, 10, 1};
    const Date vanished{2026, 10, 15};
    const Date older{2026, 11, 1};
    writeNote(oldest, "oldest");
    writeNote(vanished, "gone");
    writeNote(older, "older");
    writeNote(kToday, "today");
    window().calendar().setValue(oldest);
    OverviewWindow& overview = program().overviewWindow();
    overview.show();
    std::filesystem::remove(t.file(fileNameOf(vanished)));
    t.fakes.messageBox.answers = {msg::Ok};
    program().msgAnswer = 0;

    purgeOlderThan(30);
    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(t.fakes.messageBox.shown[0].text, "The Note For 10/15/2026 Was Not Found!");
    EXPECT_EQ(t.fakes.messageBox.shown[0].style, msg::Exclamation);
    EXPECT_EQ(t.fakes.messageBox.shown[0].title, "Almanor");
    EXPECT_EQ(program().msgAnswer, msg::Ok);
    EXPECT_FALSE(hasNote(oldest)) << "older notes went before the missing one was met";
    EXPECT_TRUE(hasNote(older)) << "newer notes wait for the next purge";
    EXPECT_EQ(listedDates(), (std::vector<std::string>{"12/06/2026", "11/01/2026"}));
    EXPECT_EQ(overview.list().model()->rowCount(), 2) << "the open overview follows the list";
    EXPECT_EQ(window().noteBox().noteText(), "oldest") << "the shown note is not reloaded";
    EXPECT_TRUE(window().calendar().dayMark(1)) << "nor are the marks";

    t.fakes.messageBox.shown.clear();
    program().applySettings();
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
    EXPECT_FALSE(hasNote(older)) << "the next purge continues";
    EXPECT_TRUE(hasNote(kToday));
}

TEST_F(ApplySettingsTest, noteWithADamagedDateIsLeftAloneAndNotReported) {
    const Date damaged{2026, 1, 1};
    const Date old{2026, 2, 1};
    writeNoteWithDateField(damaged, "13/45/2026", "damaged");
    writeNote(old, "old");
    purgeOlderThan(30);
    EXPECT_TRUE(hasNote(damaged));
    EXPECT_FALSE(hasNote(old));
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
    EXPECT_EQ(listedDates(), std::vector<std::string>{"13/45/2026"});
}

TEST_F(ApplySettingsTest, purgeOffTouchesNoFile) {
    for (const SettingValue& udel : {SettingValue(false), SettingValue(1.0)}) {
        TestProgram p;
        p.writeFile("20200101.dnf", "\"dailynotes\",\"old\",\"01/01/2020\",\"\"\r\n");
        p.program().settings.udel = udel;
        p.program().settings.deleteDays = 0;
        p.program().applySettings();
        EXPECT_TRUE(p.exists("20200101.dnf"));
        EXPECT_EQ(p.program().noteList().size(), 1u);
    }
}

} // namespace
} // namespace almanor
