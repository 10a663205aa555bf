#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "overview/overview_window.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextCharFormat>
#include <filesystem>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::activate;
using testing::clickOn;
using testing::record;
using testing::Told;

// 6 December 2026 is "today" on the fake clock.
const char* const kTodayFile = "20261206.dnf";

QTextCharFormat formatOf(const MonthCalendar& calendar, int day) {
    return calendar.view()->dateTextFormat(QDate(calendar.year(), calendar.month(), day));
}

class CalendarWindowTest : public ::testing::Test {
protected:
    CalendarWindow& window() { return t.program().calendarWindow(); }
    MonthCalendar& calendar() { return window().calendar(); }
    NoteEdit& note() { return window().noteBox(); }
    void select(Date date) { calendar().setValue(date); }
    void type(const QString& keys) { QTest::keyClicks(&note(), keys); }
    // The shortcut a hotspot's tip offers, pressed on the active window.
    void pressShortcutOf(const QString& name) {
        const QString tip = testing::childNamed(window(), name).toolTip();
        ASSERT_TRUE(tip.contains("Shortcut: ")) << name.toStdString();
        const QKeyCombination keys = QKeySequence::fromString(tip.section("Shortcut: ", 1))[0];
        activate(window());
        QTest::keyClick(&window(), keys.key(), keys.keyboardModifiers());
    }
    testing::TestProgram t;
};

TEST_F(CalendarWindowTest, opensAtTheRightEdgeOnTodaysNoteWithoutWritingAnything) {
    t.writeFile(kTodayFile, record("Dentist at 3", "12/06/2026", "2:00:00 PM"));
    t.writeFile("20261224.dnf", record("Eve", "12/24/2026"));
    t.writeFile("20251224.dnf", record("A year ago", "12/24/2025"));
    t.writeFile("20261110.dnf", record("Damaged date", "11/31/2026"));
    EXPECT_EQ(window().x() + window().width(), 1920) << "flush with the right screen edge";
    EXPECT_EQ(window().y(), 398) << "centred: (16200 - 4275) / 2 twips";
    EXPECT_EQ(calendar().value(), (Date{2026, 12, 6}));
    EXPECT_EQ(note().noteText(), "Dentist at 3");
    EXPECT_EQ(window().ticker().armedAlarm(), "2:00:00 PM");
    EXPECT_EQ(testing::markedDays(calendar()), (std::vector<int>{6, 24}));
    EXPECT_NE(formatOf(calendar(), 6), formatOf(calendar(), 24)) << "today stands out";
    EXPECT_TRUE(window().thisNoteOption().isChecked());
    EXPECT_EQ(t.fileNames().size(), 4u);
}

// Loading never writes, not even the straight quotes another program wrote; typing saves at
// every keystroke, curly, and emptying a note removes its file.
TEST_F(CalendarWindowTest, loadingWritesNothingAndEveryKeystrokeSaves) {
    const std::string written = record("line one\r\nline, \"two\"", "12/05/2026");
    t.writeFile("20261205.dnf", written);
    const auto before = std::filesystem::last_write_time(t.file("20261205.dnf"));
    select(Date{2026, 12, 5});
    EXPECT_EQ(note().noteText(), "line one\nline, \u201dtwo\u201d");
    select(Date{2026, 12, 7});
    select(Date{2026, 12, 5});
    EXPECT_EQ(t.readFile("20261205.dnf"), written);
    EXPECT_EQ(std::filesystem::last_write_time(t.file("20261205.dnf")), before);
    note().moveCursor(QTextCursor::End);
    QTest::keyClick(&note(), Qt::Key_Return);
    type("\"!");
    QTest::keyClick(&note(), Qt::Key_Tab); // leaves the note
    EXPECT_EQ(t.readFile("20261205.dnf"),
              record("line one\r\nline, \x94two\x94\r\n\x94!", "12/05/2026"));
    select(Date{2026, 12, 7});
    type("x");
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"20261205.dnf", "20261207.dnf"}));
    QTest::keyClick(&note(), Qt::Key_Backspace);
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"20261205.dnf"});
}

TEST_F(CalendarWindowTest, noteTakesFiveHundredCharactersAndALongerOneOnlyShrinks) {
    type(QString(498, 'a'));
    QTest::keyClick(&note(), Qt::Key_Return); // a line break counts as two
    type("bc");
    EXPECT_EQ(note().noteText(), QString(498, 'a') + "\n");
    QTest::keyClick(&note(), Qt::Key_Backspace);
    QApplication::clipboard()->setText(QString::fromUtf8("b\U0001F600"));
    note().paste();
    EXPECT_EQ(note().noteText(), QString(498, 'a') + "b") << "half a character is none";
    note().selectAll();
    QApplication::clipboard()->setText(QString(600, 'p'));
    note().paste();
    EXPECT_EQ(note().noteText(), QString(500, 'p'));

    t.writeFile("20261205.dnf", record(std::string(600, 'L'), "12/05/2026"));
    select(Date{2026, 12, 5});
    note().moveCursor(QTextCursor::End);
    type("more");
    QTest::keyClick(&note(), Qt::Key_Backspace);
    EXPECT_EQ(t.readFile("20261205.dnf"), record(std::string(599, 'L'), "12/05/2026"));
}

// Files the window cannot show whole are locked, and say why: typing changes nothing, and only
// the user's delete removes them. Nor does the alarm field take typed or pasted text.
TEST_F(CalendarWindowTest, filesThatCannotBeShownWholeAreNeverWrittenOver) {
    for (const std::string& bytes :
         {std::string("\"othermarker\",\"text\",\"12/06/2026\",\"\"\r\n"),
          std::string("\"dailynotes\",\"kept\"lost,\"12/06/2026\",\"\"\r\n"),
          record(std::string(30000, 'x'), "12/06/2026")}) {
        testing::TestProgram p;
        p.writeFile(kTodayFile, bytes);
        CalendarWindow& w = p.program().calendarWindow();
        EXPECT_TRUE(w.noteIsLocked());
        EXPECT_FALSE(w.alarmField().isEnabled());
        EXPECT_FALSE(w.noteBox().placeholderText().isEmpty() || w.noteBox().toolTip().isEmpty());
        QTest::keyClicks(&w.noteBox(), "typed");
        EXPECT_TRUE(w.noteBox().noteText().isEmpty());
        w.calendar().setValue(Date{2026, 12, 5});
        EXPECT_TRUE(w.alarmField().isEnabled());
        w.calendar().setValue(Date{2026, 12, 6});
        EXPECT_EQ(p.readFile(kTodayFile), bytes);
        activate(w);
        QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_FALSE(p.exists(kTodayFile));
        EXPECT_FALSE(w.noteIsLocked());
    }
    QApplication::clipboard()->setText("junk");
    QTest::keyClicks(&window().alarmField(), "junk");
    QTest::keyClick(&window().alarmField(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(window().alarmField().text().isEmpty());
}

// Each month command as its hotspot runs it, and as the shortcut its tip offers does.
TEST_F(CalendarWindowTest, monthCommandsStepAcrossYearsAndStayWithinFourDigitYears) {
    for (const auto& [from, spot, expected] :
         {std::tuple{Date{2000, 1, 15}, "Back a month", Date{1999, 12, 15}},
          std::tuple{Date{1999, 12, 15}, "Forward a month", Date{2000, 1, 15}},
          std::tuple{Date{1000, 1, 20}, "Back a month", Date{1000, 12, 20}},
          std::tuple{Date{2026, 3, 31}, "Back a month", Date{2026, 2, 28}},
          std::tuple{Date{9999, 11, 2}, "Forward a month", Date{9999, 12, 2}},
          std::tuple{Date{9999, 12, 2}, "Forward a month", Date{9999, 12, 31}},
          std::tuple{Date{2001, 5, 5}, "Today", Date{2026, 12, 6}}}) {
        select(from);
        clickOn(window(), spot);
        EXPECT_EQ(calendar().value(), expected) << spot;
        select(from);
        pressShortcutOf(spot);
        EXPECT_EQ(calendar().value(), expected) << spot;
    }
    calendar().setYear(998);
    EXPECT_EQ(calendar().year(), 1000);
    calendar().setYear(10000);
    EXPECT_EQ(calendar().year(), 9999);
    type("x");
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"99991206.dnf"});
}

TEST_F(CalendarWindowTest, clearDeletesThisNoteOrAllOnOkAndSaysWhenThereIsNone) {
    t.writeFile(kTodayFile, record("bye", "12/06/2026", "1:00:00 PM"));
    clickOn(window(), "Clear");
    EXPECT_FALSE(t.exists(kTodayFile));
    EXPECT_TRUE(note().noteText().isEmpty());
    EXPECT_FALSE(window().ticker().armedAlarm().has_value()) << "the alarm field was emptied";
    type("x");
    std::filesystem::remove(t.file(kTodayFile));
    clickOn(window(), "Clear");
    EXPECT_EQ(t.told(), Told{{"No Note Files Were Found To Delete!"}});
    EXPECT_EQ(note().noteText(), "x") << "the fields keep their text";

    t.writeFile("20261201.dnf", record("a", "12/01/2026"));
    t.writeFile("options.cfg", "keep\r\n");
    window().allOption().click();
    t.fakes.messageBox.answers = {msg::Cancel, msg::Ok};
    clickOn(window(), "Clear");
    EXPECT_EQ(t.told().back(),
              (testing::ShownMessage{"Delete All Notes?", msg::OkCancel, "Delete?"}));
    EXPECT_EQ(t.fileNames().size(), 2u);
    clickOn(window(), "Clear");
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"options.cfg"});
    EXPECT_TRUE(note().noteText().isEmpty());
    EXPECT_TRUE(t.program().notes().list().empty());
}

TEST_F(CalendarWindowTest, viewShowsThisNoteOrEveryNote) {
    clickOn(window(), "View");
    EXPECT_TRUE(t.told().empty()) << "an empty note shows nothing";
    type("Buy milk");
    t.writeFile("20261201.dnf", record("older", "12/01/2026"));
    activate(window());
    QTest::keyClick(&window(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(window().allOption().isChecked());
    clickOn(window(), "View");
    EXPECT_TRUE(t.program().overviewWindow().isVisible());
    EXPECT_EQ(t.program().notes().list().size(), 2u) << "the list was brought up to date";
    EXPECT_TRUE(t.told().empty());
    QTest::mouseClick(&window().thisNoteOption(), Qt::LeftButton, {}, QPoint(5, 5));
    clickOn(window(), "View");
    window().allOption().click();
    QTest::keyClick(&window(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(window().thisNoteOption().isChecked());
    clickOn(window(), "View");
    EXPECT_EQ(t.told(), (Told{{"Buy milk"}, {"Buy milk"}}));
}

// A click is a left press and release on the spot; one dragged off it is none, and ends.
TEST_F(CalendarWindowTest, helpQuitAboutAndOptionsDoWhatTheySay) {
    clickOn(window(), "Help");
    EXPECT_EQ(t.fakes.help.shownPaths.size(), 1u);
    EXPECT_TRUE(t.fakes.help.shownPaths.value(0).endsWith("almanor.hlp"));
    EXPECT_EQ(t.told().size(), 1u) << "the test folder has no help file";
    QWidget& quit = testing::childNamed(window(), "Quit");
    QTest::mouseClick(&quit, Qt::RightButton);
    QTest::mousePress(&quit, Qt::LeftButton);
    QTest::mouseRelease(&quit, Qt::LeftButton, {}, QPoint(-50, -50));
    QTest::mouseRelease(&quit, Qt::LeftButton);
    EXPECT_EQ(t.told().size(), 1u);
    t.fakes.messageBox.answers = {msg::Cancel, msg::Ok};
    clickOn(window(), "Quit");
    EXPECT_EQ(t.told().back(), (testing::ShownMessage{"Quit Almanor 4?", msg::OkCancel, "Quit?"}));
    EXPECT_EQ(t.fakes.programEnd.endCalls, 0);
    pressShortcutOf("Quit");
    EXPECT_EQ(t.fakes.programEnd.endCalls, 1);
    clickOn(window(), "About");
    EXPECT_TRUE(t.program().hasAboutWindow());
    pressShortcutOf("Options");
    EXPECT_TRUE(t.program().hasOptionsWindow());
}

TEST_F(CalendarWindowTest, failedSaveIsToldOnceAndTheTextAndTheKeyboardStay) {
    activate(window());
    note().setFocus();
    // A folder in the note file's place makes every save fail, whatever the user's rights.
    std::filesystem::create_directories(t.file(kTodayFile) / "blocked");
    t.fakes.messageBox.onShow = [this] { window().allOption().setFocus(); }; // a box takes it
    type("abc");
    ASSERT_EQ(t.told().size(), 1u) << "told once, not at every keystroke";
    EXPECT_EQ(t.told()[0].text.count("saved"), 2) << "one failure, one promise";
    EXPECT_TRUE(note().hasFocus()) << "typing goes on in the note";
    std::filesystem::remove_all(t.file(kTodayFile));
    type("d");
    EXPECT_EQ(t.readFile(kTodayFile), record("abcd", "12/06/2026"));
    std::filesystem::remove(t.file(kTodayFile));
    std::filesystem::create_directories(t.file(kTodayFile) / "blocked");
    type("e");
    EXPECT_EQ(t.told().size(), 2u) << "a new failure after a success is told";
}

// Each step can be seen: the timers tick about once a frame.
TEST_F(CalendarWindowTest, slidesAwayAndOutOnItsTimersAndCloseOnlySlidesAway) {
    const float screen = t.fakes.screen.width;
    window().show();
    EXPECT_FALSE(window().close()) << "the window manager's close does not hide it";
    EXPECT_TRUE(window().isVisible());
    int ticks = 0;
    while (window().isSlidingAway() && ++ticks < 100) {
        testing::tick(window(), "slideAway");
    }
    EXPECT_EQ(ticks, 15) << "4215 twips at 300 a step, the last one off the screen";
    EXPECT_EQ(window().leftTwips(), screen - 30);
    t.program().settings().slideSpeed = std::string("900");
    testing::moveOver(window(), "Open"); // the edge strip
    for (ticks = 0; window().isSlidingOut() && ++ticks < 100;) {
        testing::tick(window(), "slideOut");
    }
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(window().leftTwips(), screen - 4215);
    for (const QTimer* timer : window().findChildren<QTimer*>(QRegularExpression("^slide"))) {
        EXPECT_TRUE(timer->interval() > 0 && timer->interval() <= 40) << timer->interval();
    }
}

// Another start of the program on the folder brings the window forward too.
TEST_F(CalendarWindowTest, edgeStripOrAnotherStartOpensOnlyAParkedWindowWhenAllowed) {
    CalendarWindow& w = window();
    t.fakes.tray.shown = true;
    testing::moveOver(w, "Open");
    EXPECT_FALSE(w.isSlidingOut()) << "an open window stays put";
    w.setLeftTwips(t.fakes.screen.width - 30);
    t.program().settings().umouse = false;
    testing::moveOver(w, "Open");
    EXPECT_FALSE(w.isSlidingOut());
    t.fakes.tray.available = false; // no notification area: the strip is the only way back
    testing::moveOver(w, "Open");
    EXPECT_TRUE(w.isSlidingOut());

    testing::TestProgram p;
    p.program().calendarWindow().startSlideAway();
    p.program().calendarWindow().comeForward();
    EXPECT_TRUE(p.program().calendarWindow().isVisible());
    EXPECT_FALSE(p.program().calendarWindow().isSlidingAway());
    EXPECT_TRUE(p.program().calendarWindow().isSlidingOut());
}

// The control on its own: the window relies on a change signal for every real change, raised
// before the write returns, whoever made it.
TEST(MonthCalendar, raisesOncePerRealChangeInsideTheWrite) {
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
}

TEST(MonthCalendar, marksTakeEffectAtRefreshForTheDaysTheMonthHas) {
    MonthCalendar calendar;
    calendar.setValue(Date{2026, 2, 10});
    for (int day : {0, 1, 14, 30, 31, 32}) {
        calendar.setDayMark(day, true);
    }
    EXPECT_TRUE(testing::markedDays(calendar).empty());
    calendar.refreshMarks();
    EXPECT_EQ(testing::markedDays(calendar), (std::vector<int>{1, 14}));
    EXPECT_FALSE(calendar.dayMark(0) || calendar.dayMark(32));
    EXPECT_EQ(formatOf(calendar, 15), QTextCharFormat());
    EXPECT_NE(formatOf(calendar, 14), QTextCharFormat());
    calendar.setDayMark(14, false);
    calendar.refreshMarks();
    EXPECT_EQ(formatOf(calendar, 14), QTextCharFormat()) << "the old marks are forgotten";
}

} // namespace
} // namespace almanor
