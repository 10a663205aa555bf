#include "alarm/alarm_ticker.h"
#include "alarm/time_dialog.h"
#include "alarm/time_of_day.h"
#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "notes/both_versions.h"
#include "overview/overview_window.h"
#include "platform/qt_services.h"
#include "platform/wave_file.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCharFormat>
#include <QtEndian>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace almanor {
namespace {

using testing::record;
using testing::Told;

// 6 December 2026, 9:30:00 AM is the present moment on the fake clock.
const char* const kTodayFile = "20261206.dnf";
const Date kToday{2026, 12, 6};
const Date kTomorrow{2026, 12, 7};

// While it lives, every file write fails as on a full disk; the files stay as they are.
struct DiskRefusesWrites {
    rlimit old{};
    DiskRefusesWrites() {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not the end of the tests
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit none{0, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~DiskRefusesWrites() { setrlimit(RLIMIT_FSIZE, &old); }
};

QTextCharFormat formatOf(const MonthCalendar& calendar, int day) {
    return calendar.view()->dateTextFormat(QDate(calendar.year(), calendar.month(), day));
}

class CalendarWindowTest : public ::testing::Test {
protected:
    CalendarWindow& window() { return *t.started().calendarWindow(); }
    AlarmTicker& ticker() { return t.started().ticker(); }
    MonthCalendar& calendar() { return window().calendar(); }
    NoteEdit& note() { return window().noteBox(); }
    void select(Date date) { calendar().setValue(date); }
    void type(const QString& keys) { QTest::keyClicks(&note(), keys); }
    // The shortcut a hotspot's tip offers, pressed on the active window.
    void pressShortcutOf(const QString& name) {
        const QString tip = testing::childNamed(window(), name).toolTip();
        ASSERT_TRUE(tip.contains("Shortcut: ")) << name.toStdString();
        const QKeyCombination keys = QKeySequence::fromString(tip.section("Shortcut: ", 1))[0];
        testing::activate(window());
        QTest::keyClick(&window(), keys.key(), keys.keyboardModifiers());
    }
    QLineEdit& alarmField() { return window().alarmField(); }
    // The once-a-second look at the shown day's file, and the window loading what it found.
    void checkTheFile() {
        testing::tick(t.program().notes(), "noteFileCheck");
        QCoreApplication::processEvents();
    }
    // Sets the fake clock to a time of today (or of another day); the clock timer ticks, and
    // the event loop runs (where sounds end).
    void tickAt(QTime time, QDate day = QDate(2026, 12, 6)) {
        t.fakes.clock.current = QDateTime(day, time);
        testing::tick(ticker(), "clock");
        QCoreApplication::processEvents();
    }
    QString sound(const char* name) {
        return QDir::toNativeSeparators(
            QDir(QString::fromStdString(t.program().appFolder())).filePath(name));
    }
    QStringList& played() { return t.fakes.sound.played; }
    // The user's way in: the alarm field takes the focus and the dialog opens instead.
    TimeDialog& open() {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(&alarmField(), &focusIn);
        EXPECT_EQ(window().focusWidget(), &note()) << "the keyboard stays with the note";
        EXPECT_NE(window().timeDialog(), nullptr);
        return *window().timeDialog();
    }
    // Types over the entry (it opens with the keyboard and its text selected), confirms with Ok.
    void openAndConfirm(Date day, const QString& typed) {
        select(day);
        TimeDialog& dialog = open();
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Backspace);
        QTest::keyClicks(dialog.focusWidget(), typed);
        QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
    }
    testing::TestProgram t;
};

// It opens on today's note against the primary screen's right edge; a primary screen right of
// another one (or below it) begins where that one ends. The window follows the screens as they
// change, open or parked as it was.
TEST_F(CalendarWindowTest, opensOnTodaysNoteAtThePrimaryScreensRightEdgeAndFollowsItsChanges) {
    t.writeFile(kTodayFile, record("Dentist at 3", "12/06/2026", "2:00:00 PM"));
    t.writeFile("20261224.dnf", record("Eve", "12/24/2026"));
    t.writeFile("20251224.dnf", record("A year ago", "12/24/2025"));
    t.writeFile("20261231.dnf", record("Eve", "12/31/2026"));
    testing::FakeScreen& screen = t.fakes.screen;
    screen.left = 1280 * 15;
    screen.top = 150 * 15;
    EXPECT_EQ(window().leftTwips(), (1280 + 1920) * 15 - 4215) << "flush with the right edge";
    EXPECT_EQ(window().y(), 150 + 398) << "centred: (16200 - 4275) / 2 twips";
    EXPECT_EQ(note().noteText(), "Dentist at 3");
    EXPECT_EQ(ticker().armedAlarm(), "2:00:00 PM");
    EXPECT_EQ(testing::markedDays(calendar()), (std::vector<int>{6, 24, 31}));
    EXPECT_NE(formatOf(calendar(), 6), formatOf(calendar(), 24)) << "today stands out";
    EXPECT_TRUE(window().thisNoteOption().isChecked());
    for (const bool parked : {true, false}) {
        window().setLeftTwips(screen.left + screen.width - (parked ? 30 : 4215));
        parked ? window().startSlideOut() : window().startSlideAway(); // stopped by the change
        screen.left = screen.left == 0 ? 1280 * 15 : 0;
        screen.width = 1600 * 15;
        screen.changed();
        EXPECT_EQ(window().leftTwips(), screen.left + screen.width - (parked ? 30 : 4215));
        EXPECT_FALSE(window().isSlidingOut() || window().isSlidingAway());
    }
}

// Another program adds, removes and edits notes of the shown month: the next date change shows
// it without the whole folder being read, and so does the list when it is looked at.
TEST_F(CalendarWindowTest, marksAndTheListFollowOtherProgramsChanges) {
    t.writeFile("20261210.dnf", record("ten", "12/10/2026"));
    t.writeFile("20261211.dnf", record("eleven", "12/11/2026"));
    window();
    t.writeFile("20261220.dnf", record("added", "12/20/2026"));
    std::filesystem::remove(t.file("20261210.dnf"));
    t.writeFile("20261211.dnf", record("moved", "11/11/2026"));
    select(Date{2026, 12, 7});
    EXPECT_EQ(testing::markedDays(calendar()), (std::vector<int>{20}));
    EXPECT_TRUE(t.program().notes().list().empty());
    t.program().showOverviewWindow();
    EXPECT_EQ(t.program().notes().list().size(), 2u);
    t.writeFile("20261225.dnf", record("while the list is on show", "12/25/2026"));
    select(Date{2026, 11, 7});
    EXPECT_EQ(t.program().notes().list().size(), 3u) << "it follows the date changes";
    EXPECT_EQ(testing::markedDays(calendar()), (std::vector<int>{11})) << "filed in December";
}

// Loading never writes, not even the straight quotes another program wrote; typing saves at
// every keystroke, curly.
TEST_F(CalendarWindowTest, loadingWritesNothingAndEveryKeystrokeSaves) {
    const std::string written = record("line one\r\nline,\r\"two\"", "12/05/2026");
    t.writeFile("20261205.dnf", written);
    const auto before = std::filesystem::last_write_time(t.file("20261205.dnf"));
    select(Date{2026, 12, 5});
    EXPECT_EQ(note().noteText(), "line one\nline,\n\u201dtwo\u201d");
    select(Date{2026, 12, 7});
    select(Date{2026, 12, 5});
    EXPECT_EQ(t.readFile("20261205.dnf"), written);
    EXPECT_EQ(std::filesystem::last_write_time(t.file("20261205.dnf")), before);
    note().moveCursor(QTextCursor::End);
    QTest::keyClick(&note(), Qt::Key_Return);
    type("\"!");
    QTest::keyClick(&note(), Qt::Key_Tab); // leaves the note
    QInputMethodEvent composed;            // as an input method commits text
    composed.setCommitString("\"?");
    QApplication::sendEvent(&note(), &composed);
    EXPECT_EQ(t.readFile("20261205.dnf"),
              record("line one\r\nline,\r\n\x94two\x94\r\n\x94!\x94?", "12/05/2026"));
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
        CalendarWindow& w = *p.started().calendarWindow();
        EXPECT_TRUE(w.noteIsLocked());
        EXPECT_FALSE(w.alarmField().isEnabled());
        EXPECT_FALSE(w.noteBox().placeholderText().isEmpty() || w.noteBox().toolTip().isEmpty());
        QTest::keyClicks(&w.noteBox(), "typed");
        EXPECT_TRUE(w.noteBox().noteText().isEmpty());
        w.calendar().setValue(Date{2026, 12, 5});
        EXPECT_TRUE(w.alarmField().isEnabled());
        EXPECT_FALSE(w.noteIsLocked() ||
                     !QString(w.noteBox().placeholderText() + w.noteBox().toolTip()).isEmpty());
        QTest::keyClicks(&w.noteBox(), "x");
        w.calendar().setValue(Date{2026, 12, 6});
        EXPECT_TRUE(w.noteBox().noteText().isEmpty());
        EXPECT_EQ(p.readFile(kTodayFile), bytes);
        testing::activate(w);
        QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_FALSE(p.exists(kTodayFile) || w.noteIsLocked());
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
        testing::clickOn(window(), spot);
        EXPECT_EQ(calendar().value(), expected) << spot;
        select(from);
        pressShortcutOf(spot);
        EXPECT_EQ(calendar().value(), expected) << spot;
    }
    calendar().setYear(10000);
    EXPECT_EQ(calendar().year(), 9999);
    type("x");
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"99991206.dnf"});
}

TEST_F(CalendarWindowTest, clearDeletesThisNoteOrAllOnOkAndSaysWhenThereIsNone) {
    t.writeFile(kTodayFile, record("bye", "12/06/2026", "1:00:00 PM"));
    testing::clickOn(window(), "Clear");
    EXPECT_FALSE(t.exists(kTodayFile));
    EXPECT_TRUE(note().noteText().isEmpty());
    EXPECT_FALSE(ticker().armedAlarm().has_value()) << "the alarm field was emptied";
    type("x");
    std::filesystem::remove(t.file(kTodayFile));
    testing::clickOn(window(), "Clear");
    EXPECT_EQ(t.told(), Told{{"No Note Files Were Found To Delete!"}});
    EXPECT_EQ(note().noteText(), "x") << "the fields keep their text";

    t.writeFile("20261201.dnf", record("a", "12/01/2026"));
    window().allOption().click();
    t.fakes.messageBox.answers = {Answer::Cancel, Answer::Ok};
    testing::clickOn(window(), "Clear");
    EXPECT_EQ(t.told().back(),
              (testing::ShownMessage{"Delete All Notes?", MessageStyle::OkCancel, "Delete?"}));
    EXPECT_EQ(t.fileNames().size(), 1u);
    t.program().showOverviewWindow();
    testing::clickOn(window(), "Clear");
    EXPECT_TRUE(t.fileNames().empty());
    EXPECT_TRUE(t.program().notes().list().empty()) << "the list on show follows";
}

TEST_F(CalendarWindowTest, viewShowsThisNoteOrEveryNote) {
    testing::clickOn(window(), "View");
    EXPECT_TRUE(t.told().empty()) << "an empty note shows nothing";
    type("Buy milk");
    t.writeFile("20261201.dnf", record("older", "12/01/2026"));
    testing::activate(window());
    QTest::keyClick(&window(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(window().allOption().isChecked());
    testing::clickOn(window(), "View");
    EXPECT_TRUE(t.program().overviewWindow()->isVisible());
    EXPECT_EQ(t.program().notes().list().size(), 2u) << "the list was brought up to date";
    QTest::mouseClick(&window().thisNoteOption(), Qt::LeftButton, {}, QPoint(5, 5));
    testing::clickOn(window(), "View");
    window().allOption().click();
    QTest::keyClick(&window(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(window().thisNoteOption().isChecked());
    testing::clickOn(window(), "View");
    EXPECT_EQ(t.told(), (Told{{"Buy milk"}, {"Buy milk"}}));
}

// A click is a left press and release on the spot; one dragged off it is none, and ends.
TEST_F(CalendarWindowTest, helpQuitAboutAndOptionsDoWhatTheySay) {
    testing::clickOn(window(), "Help");
    EXPECT_TRUE(t.fakes.help.shownPaths.value(0).endsWith("almanor.hlp"));
    EXPECT_TRUE(t.told().at(0).text.endsWith("almanor.hlp\n(it is unreadable)")) << "none here";
    QWidget& quit = testing::childNamed(window(), "Quit");
    QTest::mouseClick(&quit, Qt::RightButton);
    QTest::mousePress(&quit, Qt::LeftButton);
    QTest::mouseRelease(&quit, Qt::LeftButton, {}, QPoint(-50, -50));
    QTest::mouseRelease(&quit, Qt::LeftButton);
    EXPECT_EQ(t.told().size(), 1u);
    t.fakes.messageBox.answers = {Answer::Cancel, Answer::Ok};
    testing::clickOn(window(), "Quit");
    EXPECT_EQ(t.told().back(),
              (testing::ShownMessage{"Quit Almanor 4?", MessageStyle::OkCancel, "Quit?"}));
    EXPECT_EQ(t.fakes.programEnd.endCalls, 0);
    pressShortcutOf("Quit");
    EXPECT_EQ(t.fakes.programEnd.endCalls, 1);
    testing::clickOn(window(), "About");
    pressShortcutOf("Options");
    EXPECT_TRUE(t.program().aboutWindow() && t.program().optionsWindow());
}

// Another program (a synchronising tool, an editor) deletes the shown day's file: where the
// once-a-second check cannot see it (a network share), coming back to the window does, and
// nothing is written.
TEST_F(CalendarWindowTest, theShownNoteFollowsItsFileWithoutWritingIt) {
    t.writeFile(kTodayFile, record("from the laptop", "12/06/2026", "2:00:00 PM"));
    EXPECT_EQ(ticker().armedAlarm(), "2:00:00 PM");
    std::filesystem::remove(t.file(kTodayFile));
    testing::activate(window());
    QCoreApplication::processEvents(); // the window loads the note once the check is done
    EXPECT_EQ(note().noteText(), "");
    EXPECT_EQ(ticker().armedAlarm(), std::nullopt);
    EXPECT_TRUE(testing::markedDays(calendar()).empty());
    EXPECT_FALSE(t.exists(kTodayFile));
    EXPECT_TRUE(t.told().empty());
}

// Another program writes the note after the user changed it here: both versions stay, theirs
// first, and the user is told where their text went, unless theirs already holds it.
TEST_F(CalendarWindowTest, aChangeAfterTheUserWroteKeepsBothVersions) {
    testing::activate(window());
    note().setFocus();
    type("mine");
    t.writeFile(kTodayFile, record("theirs", "12/06/2026"));
    type("!?"); // "!" finds the change; the window loads the note once that is done
    QCoreApplication::processEvents();
    const QString line = QString::fromLatin1(kYourVersionLine);
    EXPECT_EQ(note().noteText(), "theirs\n\n" + line + "\nmine!");
    EXPECT_EQ(t.readFile(kTodayFile),
              record("theirs\r\n\r\n" + line.toStdString() + "\r\nmine!", "12/06/2026"));
    ASSERT_EQ(t.told().size(), 1u);
    EXPECT_TRUE(t.told()[0].text.contains("Both versions are kept"));
    type("?");
    t.writeFile(kTodayFile, record("again", "12/06/2026"));
    checkTheFile();
    EXPECT_TRUE(note().noteText().startsWith("again\n\n" + line + "\ntheirs"));
    EXPECT_TRUE(note().noteText().endsWith("mine!?"));
    EXPECT_EQ(t.told().size(), 2u);
    t.writeFile(kTodayFile, record("later", "12/06/2026")); // nothing typed since it was shown
    checkTheFile();
    EXPECT_EQ(note().noteText(), "later");
    type("x");
    t.writeFile(kTodayFile, record("xlater, and more", "12/06/2026")); // made from the user's
    checkTheFile();
    EXPECT_EQ(note().noteText(), "xlater, and more");
    EXPECT_EQ(t.told().size(), 2u);
}

// Another program writes the file in place (truncated, then written): the window waits until
// the file makes sense or has stayed unreadable for a while, and the user's text is never only
// in a message.
TEST_F(CalendarWindowTest, aCopyWrittenInPlaceIsWaitedOutAndAnUnreadableOneKeepsTheTextAside) {
    testing::activate(window()); // as the window system does once it is shown
    type("mine");
    t.writeFile(kTodayFile, "");
    checkTheFile();
    type("!");
    checkTheFile();
    EXPECT_EQ(t.readFile(kTodayFile), "") << "nothing is written while theirs is half-way";
    EXPECT_EQ(note().noteText(), "mine!");
    t.writeFile(kTodayFile, record("theirs", "12/06/2026"));
    checkTheFile();
    const std::string both = "theirs\r\n\r\n" + std::string(kYourVersionLine) + "\r\nmine!";
    EXPECT_EQ(t.readFile(kTodayFile), record(both, "12/06/2026"));
    type("?");
    t.writeFile(kTodayFile, "\"garbage");
    for (int look = 1; look <= 3; ++look) {
        EXPECT_EQ(t.told().size(), 1u) << "look " << look;
        checkTheFile(); // the third look finds it unchanged long enough
    }
    EXPECT_EQ(t.readFile(kTodayFile), "\"garbage");
    EXPECT_EQ(t.readFile("20261206 (kept by Almanor).txt"), both + "?\r\n");
    ASSERT_EQ(t.told().size(), 2u);
    EXPECT_TRUE(t.told()[1].text.contains("\"20261206 (kept by Almanor).txt\""));
    EXPECT_TRUE(window().noteIsLocked());
}

// The failure is a notice that asks nothing, so the keys typed meanwhile reach the note; they
// are saved once the disk takes them, without another keystroke.
TEST_F(CalendarWindowTest, failedSaveIsToldOnceAndTheTextIsSavedOnceTheDiskTakesIt) {
    const QStringList& notices = t.fakes.messageBox.notices;
    {
        const DiskRefusesWrites full;
        type("abc");
        testing::tick(window(), "saveRetry");
    }
    ASSERT_EQ(notices.size(), 1) << "told once, not at every keystroke or retry";
    EXPECT_TRUE(t.told().empty());
    EXPECT_EQ(notices[0].count("saved"), 2) << "one failure, one promise";
    EXPECT_EQ(note().toolTip(), notices[0]);
    EXPECT_FALSE(t.exists(kTodayFile));
    testing::tick(window(), "saveRetry");
    EXPECT_EQ(t.readFile(kTodayFile), record("abc", "12/06/2026"));
    EXPECT_EQ(notices.size(), 2);
    EXPECT_TRUE(notices[1].isEmpty() && note().toolTip().isEmpty()) << "the notice goes";
    {
        const DiskRefusesWrites full;
        type("d");
    }
    EXPECT_EQ(notices.size(), 3) << "a new failure after a success is told";
    select(kTomorrow); // before another day's note replaces the text, it is saved
    EXPECT_EQ(t.readFile(kTodayFile), record("abcd", "12/06/2026"));
}

// Each step can be seen: the timers tick about once a frame.
TEST_F(CalendarWindowTest, slidesAwayAndOutOnItsTimersAndCloseOnlySlidesAway) {
    const float screen = t.fakes.screen.width;
    window().show();
    EXPECT_FALSE(window().close()) << "the window manager's close does not hide it";
    int ticks = 0;
    while (window().isSlidingAway() && ++ticks < 100) {
        testing::tick(window(), "slideAway");
    }
    EXPECT_EQ(ticks, 15) << "4215 twips at 300 a step, the last one off the screen";
    EXPECT_EQ(window().leftTwips(), screen - 30);
    t.applySettings([](Settings& s) { s.slideSpeed = 900; });
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
    t.applySettings([](Settings& s) { s.openOnMouseOver = false; });
    testing::moveOver(w, "Open");
    EXPECT_FALSE(w.isSlidingOut());
    t.fakes.tray.available = false; // no notification area: the strip is the only way back
    testing::moveOver(w, "Open");
    EXPECT_TRUE(w.isSlidingOut());

    // The mouse entering any part of a parked window that is on screen opens it as well: some
    // window managers keep a wider strip than the edge strip's few pixels.
    // So does a move in it: a pointer resting where it parked never enters it.
    for (const bool enters : {true, false}) {
        testing::TestProgram wide;
        CalendarWindow& parked = *wide.started().calendarWindow();
        parked.setLeftTwips(wide.fakes.screen.width - 30);
        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
        QMouseEvent move(QEvent::MouseMove, QPointF(99, 9), QPointF(99, 9), Qt::NoButton, {}, {});
        QApplication::sendEvent(enters ? static_cast<QObject*>(&parked) : parked.windowHandle(),
                                enters ? static_cast<QEvent*>(&enter) : &move);
        EXPECT_TRUE(parked.isSlidingOut()) << enters;
    }

    testing::TestProgram p;
    CalendarWindow& forward = *p.started().calendarWindow();
    forward.startSlideAway();
    forward.comeForward();
    EXPECT_TRUE(forward.isVisible());
    EXPECT_FALSE(forward.isSlidingAway());
    EXPECT_TRUE(forward.isSlidingOut());
}

// The control on its own: the window relies on a change signal for every real change, raised
// before the write returns, whoever made it.
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

// The alarm, its time dialog and its sound, in the same window.
using AlarmTest = CalendarWindowTest;

// The alarm shows its day's note and plays its sound, then tells with the time after the sound.
// Meanwhile the clock goes on and the window takes the user's keys and clicks.
TEST_F(AlarmTest, newDayArmsTheAlarmOfItsOwnNoteFileAndTheAlarmShowsItsNoteAfterItsSound) {
    t.writeFile("20261207.dnf", record("Train at 7", "12/07/2026", "7:00:00 AM"));
    EXPECT_FALSE(ticker().armedAlarm().has_value());
    tickAt(QTime(23, 59, 59));
    EXPECT_EQ(window().clockLabel().text(), "11:59:59 PM");
    EXPECT_EQ(ticker().findChild<QTimer*>("clock")->interval(), 1000) << "one tick a second";
    tickAt(QTime(0, 0, 0), QDate(2026, 12, 7));
    EXPECT_EQ(ticker().armedAlarm(), "7:00:00 AM");
    EXPECT_EQ(window().calendar().value(), kToday) << "the shown day stays until the alarm";
    EXPECT_EQ(window().calendar().view()->dateTextFormat(QDate(2026, 12, 6)), QTextCharFormat())
        << "the day before is today no more";
    tickAt(QTime(6, 59, 59), QDate(2026, 12, 7));
    t.fakes.sound.holding = true;
    t.fakes.sound.secondsPerSound = 3;
    tickAt(QTime(7, 0, 0), QDate(2026, 12, 7));
    EXPECT_EQ(played(), (QStringList{sound("chime.wav"), sound("alarm.wav")})) << "at midnight";
    EXPECT_EQ(window().calendar().value(), kTomorrow);
    tickAt(QTime(7, 0, 1), QDate(2026, 12, 7));
    EXPECT_EQ(window().clockLabel().text(), "7:00:01 AM");
    type("!");
    select(kToday);
    EXPECT_TRUE(t.told().empty()) << "the message waits for the sound's end";
    t.fakes.sound.end();
    QCoreApplication::processEvents();
    EXPECT_EQ(t.told(), (Told{{"!Train at 7", MessageStyle::Warning, "7:00:04 AM"}}));
    EXPECT_EQ(window().calendar().value(), kTomorrow) << "the message is about this note";
    t.fakes.sound.holding = false;
    tickAt(QTime(0, 0, 0), QDate(2026, 12, 8));
    EXPECT_FALSE(ticker().armedAlarm().has_value()) << "a day without a note";
    t.writeFile("20261210.dnf", record("Wake up", "12/10/2026", "9:00:00 AM"));
    tickAt(QTime(8, 15, 0), QDate(2026, 12, 10)); // the computer slept two days
    EXPECT_EQ(ticker().armedAlarm(), "9:00:00 AM");
    EXPECT_NE(formatOf(calendar(), 10), QTextCharFormat()) << "today is the 10th now";
}

// The chime never starts over the alarm's sound, and an alarm due while the chime plays fires
// once it has ended; an alarm without a sound tells at once.
TEST_F(AlarmTest, oneSoundAtATimeAndTheMessageAtOnceWithoutASound) {
    t.writeFile(kTodayFile, record("Lunch", "12/06/2026", "11:59:59 AM"));
    t.fakes.sound.holding = true;
    tickAt(QTime(11, 59, 59));
    tickAt(QTime(12, 0, 0));
    EXPECT_EQ(played(), QStringList{sound("alarm.wav")}) << "the chime waits for the message";
    t.fakes.sound.end();
    QCoreApplication::processEvents();
    EXPECT_EQ(played(), (QStringList{sound("alarm.wav"), sound("chime.wav")}));
    alarmField().setText("12:00:01 PM");
    tickAt(QTime(12, 0, 1));
    EXPECT_EQ(t.told().size(), 1u) << "not while the chime plays";
    t.fakes.sound.end();
    QCoreApplication::processEvents();
    t.applySettings([](Settings& s) { s.alarmSound.clear(); });
    tickAt(QTime(12, 0, 2));
    EXPECT_EQ(t.told().back(),
              (testing::ShownMessage{"Lunch", MessageStyle::Warning, "12:00:02 PM"}));
}

TEST_F(AlarmTest, dialogOpensWithTheFieldsTextAndConfirmsForTheDayShown) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "2:00:00 PM"));
    TimeDialog& dialog = open();
    QTest::keyClick(&dialog, Qt::Key_A); // only Escape leaves
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.entry().text(), "2:00:00 PM");
    QTest::keyClicks(&dialog.entry(), "6p");
    QTest::keyClick(&dialog.entry(), Qt::Key_Return);
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "6:00:00 PM"));
    EXPECT_EQ(ticker().armedAlarm(), "6:00:00 PM");
    EXPECT_FALSE(dialog.isVisible());
    open();
    window().showDay(Date{2026, 12, 8}); // the dialog is modeless: Ok is for the day shown then
    QTest::keyClicks(&dialog.entry(), "5p");
    dialog.okButton().click();
    EXPECT_EQ(t.readFile("20261208.dnf"), record("", "12/08/2026", "5:00:00 PM"));
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "6:00:00 PM"));
    EXPECT_EQ(ticker().armedAlarm(), "6:00:00 PM") << "another day's alarm arms nothing";
}

// A time that cannot be read is refused; a time gone by is set, with advice unless that is off.
TEST_F(AlarmTest, dialogRefusesWhatItCannotReadClearsAndWarnsOfATimeGoneBy) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "2:00:00 PM"));
    openAndConfirm(kToday, "25");
    EXPECT_EQ(t.told(), (Told{{"'25' Isn't A Valid Time!", MessageStyle::Warning, "Oops!"}}));
    QTest::keyClicks(window().timeDialog()->focusWidget(), "1"); // the entry keeps the keyboard
    EXPECT_EQ(window().timeDialog()->entry().text(), "1");
    EXPECT_TRUE(window().timeDialog()->isVisible());
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "2:00:00 PM"));
    TimeDialog& dialog = *window().timeDialog();
    QTest::mouseClick(&dialog.clearButton(), Qt::LeftButton); // empties only the entry until Ok
    EXPECT_EQ(dialog.focusWidget(), &dialog.entry()) << "typing goes on in the entry";
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ticker().armedAlarm(), "2:00:00 PM");
    open();
    QTest::keyClick(&dialog.clearButton(), Qt::Key_Return); // a focused button takes Enter
    QTest::keyClick(&dialog.okButton(), Qt::Key_Enter);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026"));
    EXPECT_FALSE(ticker().armedAlarm().has_value());
    EXPECT_EQ(t.told().size(), 1u) << "an empty entry is neither refused nor warned of";
    for (const bool warn : {false, true}) {
        t.told().clear();
        t.applySettings([warn](Settings& s) { s.warnOfPastAlarms = warn; });
        openAndConfirm(kToday, "9:29:59");
        EXPECT_EQ(alarmField().text(), "9:29:59 AM");
        EXPECT_EQ(t.told().size(), warn ? 1u : 0u);
    }
    t.told().clear();
    openAndConfirm(Date{2026, 12, 5}, "11:59:59 pm");
    EXPECT_EQ(t.told(), (Told{{"This date and time is in the past!\r\nYou can set the alarm time "
                               "for an expired time\r\nhowever the alarm will never be triggered.",
                               MessageStyle::Plain, "Oops!"}}));
}

QByteArray le32(quint32 value) {
    const quint32 stored = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&stored), 4);
}

QByteArray chunk(const char* id, const QByteArray& body) {
    // Chunks are padded to an even length.
    return id + le32(static_cast<quint32>(body.size())) + body + QByteArray(body.size() % 2, '\0');
}

// A "fmt " chunk for PCM: format 1, one channel, 8 kHz, the byte rate, the block align, 8 bits.
QByteArray format(quint32 byteRate, int cutTo = 16, char blockAlign = 1) {
    const QByteArray body = QByteArray("\1\0\1\0", 4) + le32(8000) + le32(byteRate) + blockAlign +
                            QByteArray("\0\x08\0", 3);
    return chunk("fmt ", body.left(cutTo));
}

QByteArray wave(const QByteArray& chunks, const char* kind = "WAVE") {
    return "RIFF" + le32(static_cast<quint32>(4 + chunks.size())) + kind + chunks;
}

QByteArray sound(qsizetype bytes) {
    return chunk("data", QByteArray(bytes, '\x80'));
}

TEST(WaveFile, durationComesFromTheDataTheFileHoldsAndAConsistentFormat) {
    QByteArray truncated = sound(4000); // its header claims more than the file holds
    truncated.replace(4, 4, le32(0xFFFFFFF0u));
    const std::pair<QByteArray, std::optional<qint64>> cases[] = {
        {wave(format(8000) + sound(8000)), 1000}, // 0: 8 kHz mono
        {wave(format(8000) + chunk("LIST", QByteArray(1e5, 'x')) + sound(8000)), 1000}, // 1: tags
        {wave(format(8000) + chunk("fact", "abc") + sound(4000)), 500}, // 2: a pad byte
        {wave(format(8000) + truncated), 500},                          // 3: a cut download
        {QByteArray("ID3\x03 some mp3 bytes........"), std::nullopt},   // 4: no RIFF
        {wave(format(8000) + sound(8000), "AVI "), std::nullopt},       // 5: no wave
        {wave(sound(8000) + format(8000)), std::nullopt},               // 6: data first
        {wave(format(0) + sound(8000)), std::nullopt},                  // 7: no byte rate
        {wave(format(1) + sound(8000)), std::nullopt},                  // 8: hours for 1 s
        {wave(format(8000, 16, 2) + sound(8000)), std::nullopt},        // 9: a wrong block
        {wave(format(8000, 10) + sound(8000)), std::nullopt},           // 10: format cut short
        {wave(format(8000)), std::nullopt},                             // 11: no sound data
        {wave(format(8000) + sound(0)), 0},                             // 12: silence at the end
        {QByteArray(), std::nullopt},                                   // 13: an empty file
    };
    const testing::TestProgram folder;
    const QString path = QString::fromStdString(folder.file("sound.wav").string());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        folder.writeFile("sound.wav", cases[i].first.toStdString());
        EXPECT_EQ(waveDurationMs(path), cases[i].second) << "case " << i;
    }
    const QString pipe = QString::fromStdString(folder.file("pipe.wav").string());
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(waveDurationMs(pipe), std::nullopt);
    // The player tells that they cannot play, at once but never from within its call.
    QtSoundPlayer player;
    QObject receiver;
    std::vector<SoundEnd> ends;
    for (const QString& file : {path, pipe, QString(path + ".missing")}) {
        player.play(file, &receiver, [&](SoundEnd end) { ends.push_back(end); });
    }
    EXPECT_TRUE(ends.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(ends, std::vector<SoundEnd>(3, SoundEnd::Unplayable));
}

} // namespace
} // namespace almanor
