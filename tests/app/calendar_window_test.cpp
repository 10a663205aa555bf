#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "notes/note_record.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::TestProgram;

// 6 December 2026 is "today" on the fake clock.
const char* const kTodayFile = "20261206.dnf";

std::string record(const std::string& text, const std::string& date, const std::string& alarm) {
    return "\"dailynotes\",\"" + text + "\",\"" + date + "\",\"" + alarm + "\"\r\n";
}

class CalendarWindowTest : public ::testing::Test {
protected:
    CalendarWindow& window() { return t.program().calendarWindow(); }
    MonthCalendar& calendar() { return window().calendar(); }
    void select(Date date) { calendar().setValue(date); }
    TestProgram t;
};

TEST_F(CalendarWindowTest, opensAgainstTheRightEdgeOnTodaysNoteWithoutWritingAnything) {
    t.writeFile(kTodayFile, record("Dentist at 3", "12/06/2026", "2:00:00 PM"));
    CalendarWindow& w = window();
    EXPECT_EQ(w.leftTwips(), t.fakes.screen.width - 4215);
    EXPECT_EQ(w.y(), 398) << "centred: (16200 - 4275) / 2 twips, rounded to whole pixels";
    EXPECT_EQ(w.size(), QSize(281, 285));
    EXPECT_EQ(w.windowTitle(), "Almanor");
    EXPECT_EQ(calendar().value(), (Date{2026, 12, 6}));
    EXPECT_EQ(w.noteBox().noteText(), "Dentist at 3");
    EXPECT_EQ(w.alarmField().text(), "2:00:00 PM");
    EXPECT_EQ(t.program().armedAlarm, "2:00:00 PM");
    EXPECT_TRUE(w.thisNoteOption().isChecked());
    EXPECT_FALSE(t.program().allNotesScope);
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{kTodayFile});
}

TEST_F(CalendarWindowTest, switchingDaysLeavesEveryFileByteForByte) {
    const std::string multiLine = record("line one\r\nline, two", "12/05/2026", "");
    t.writeFile("20261205.dnf", multiLine);
    t.writeFile(kTodayFile, record("today", "12/06/2026", "7:00:00 AM"));
    const auto before = std::filesystem::last_write_time(t.file("20261205.dnf"));
    select(Date{2026, 12, 5});
    EXPECT_EQ(window().noteBox().noteText(), "line one\nline, two");
    select(Date{2026, 12, 7});
    select(Date{2026, 12, 6});
    EXPECT_EQ(t.readFile("20261205.dnf"), multiLine);
    EXPECT_EQ(std::filesystem::last_write_time(t.file("20261205.dnf")), before);
    EXPECT_EQ(t.readFile(kTodayFile), record("today", "12/06/2026", "7:00:00 AM"));
    EXPECT_EQ(t.fileNames().size(), 2u);
}

TEST_F(CalendarWindowTest, everyKeystrokeSavesAndEmptyingRemovesTheFile) {
    window().noteBox().setFocus();
    QTest::keyClicks(&window().noteBox(), "Hi");
    EXPECT_EQ(t.readFile(kTodayFile), record("Hi", "12/06/2026", ""));
    QTest::keyClick(&window().noteBox(), Qt::Key_Return);
    QTest::keyClicks(&window().noteBox(), "\"x\"");
    EXPECT_EQ(window().noteBox().noteText(), QString::fromUtf8("Hi\n\u201Dx\u201D"))
        << "a typed double quote shows as the curly quote the file will hold";
    EXPECT_EQ(t.readFile(kTodayFile), record("Hi\r\n\x94x\x94", "12/06/2026", ""));
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(&window().noteBox(), Qt::Key_Backspace);
    }
    EXPECT_TRUE(window().noteBox().noteText().isEmpty());
    EXPECT_FALSE(t.exists(kTodayFile));
}

TEST_F(CalendarWindowTest, noteHoldsAtMostFiveHundredCharactersTypedOrPasted) {
    NoteEdit& note = window().noteBox();
    note.setFocus();
    QTest::keyClicks(&note, QString(498, 'a'));
    QTest::keyClick(&note, Qt::Key_Return); // a line break counts as two
    QTest::keyClicks(&note, "bc");
    EXPECT_EQ(NoteEdit::storedLength(note.noteText()), 500);
    EXPECT_EQ(note.noteText(), QString(498, 'a') + "\n");
    QTest::keyClick(&note, Qt::Key_Backspace);
    note.selectAll();
    QApplication::clipboard()->setText(QString(600, 'p'));
    note.paste();
    EXPECT_EQ(note.noteText(), QString(500, 'p'));
    EXPECT_EQ(t.readFile(kTodayFile).size(),
              std::string(record(std::string(500, 'p'), "12/06/2026", "")).size());
}

TEST_F(CalendarWindowTest, longerNoteFromAnotherProgramIsShownWholeAndOnlyShrinks) {
    t.writeFile(kTodayFile, record(std::string(600, 'L'), "12/06/2026", ""));
    NoteEdit& note = window().noteBox();
    EXPECT_EQ(note.noteText().size(), 600);
    note.moveCursor(QTextCursor::End);
    QTest::keyClicks(&note, "more");
    EXPECT_EQ(note.noteText().size(), 600) << "typing cannot make it longer";
    QTest::keyClick(&note, Qt::Key_Backspace);
    EXPECT_EQ(t.readFile(kTodayFile), record(std::string(599, 'L'), "12/06/2026", ""));
}

TEST_F(CalendarWindowTest, hugeNoteFromAnotherProgramIsShownLockedAndLeftAlone) {
    // Laying out megabytes in the note field would freeze the window.
    const std::string huge = record(std::string(30000, 'x'), "12/06/2026", "");
    t.writeFile(kTodayFile, huge);
    EXPECT_TRUE(window().noteIsLocked());
    EXPECT_TRUE(window().noteBox().noteText().isEmpty());
    EXPECT_TRUE(window().noteBox().placeholderText().contains("30000"));
    select(Date{2026, 12, 5});
    select(Date{2026, 12, 6});
    EXPECT_EQ(t.readFile(kTodayFile), huge);
}

TEST_F(CalendarWindowTest, monthStepsAcrossYearEdgesAndNeverBelowTheYearThousand) {
    struct Case {
        Date from;
        bool back;
        Date expected;
    } cases[] = {{{2000, 1, 15}, true, {1999, 12, 15}}, {{1999, 12, 15}, false, {2000, 1, 15}},
                 {{1000, 1, 20}, true, {1000, 12, 20}}, {{2026, 3, 31}, true, {2026, 2, 28}},
                 {{9999, 11, 2}, false, {9999, 12, 2}}, {{9999, 12, 2}, false, {9999, 12, 31}}};
    for (const Case& c : cases) {
        select(c.from);
        c.back ? window().backAMonth() : window().forwardAMonth();
        EXPECT_EQ(calendar().value(), c.expected);
    }
    // Past either end the year is put back: the file name holds four digits.
    calendar().setYear(998);
    EXPECT_EQ(calendar().year(), 1000);
    calendar().setYear(10000);
    EXPECT_EQ(calendar().year(), 9999);
    QTest::keyClicks(&window().noteBox(), "x");
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"99991231.dnf"});
}

TEST_F(CalendarWindowTest, straightQuotesFromAnotherProgramAreKeptWholeAndSavedCurly) {
    const std::string written = record("He said \"hi\" to me", "12/06/2026", "");
    t.writeFile(kTodayFile, written);
    EXPECT_EQ(window().noteBox().noteText(), "He said \u201dhi\u201d to me");
    EXPECT_EQ(t.readFile(kTodayFile), written) << "loading writes nothing";
    window().noteBox().moveCursor(QTextCursor::End);
    QTest::keyClicks(&window().noteBox(), "!");
    const auto saved = readNoteRecord(t.readFile(kTodayFile));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->text, "He said \u201dhi\u201d to me!");
}

TEST_F(CalendarWindowTest, aRecordThatCannotBeReadWholeIsLockedNotCut) {
    const std::string extra = "\"dailynotes\",\"kept\"lost,\"12/06/2026\",\"\"\r\n";
    t.writeFile(kTodayFile, extra);
    EXPECT_TRUE(window().noteIsLocked());
    QTest::keyClicks(&window().noteBox(), "typed");
    EXPECT_EQ(t.readFile(kTodayFile), extra);
}

TEST_F(CalendarWindowTest, alarmFieldTakesNoDroppedOrPastedText) {
    CalendarWindow& w = window();
    QMimeData mime;
    mime.setText("junk");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w.alarmField(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w.alarmField(), &drop);
    EXPECT_TRUE(w.alarmField().text().isEmpty()) << "dropped";
    QApplication::clipboard()->setText("junk");
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    QApplication::sendEvent(&w.alarmField(), &paste);
    EXPECT_TRUE(w.alarmField().text().isEmpty()) << "pasted";
    EXPECT_FALSE(t.exists(kTodayFile));
}

TEST_F(CalendarWindowTest, windowManagersCloseSlidesTheWindowAwayInsteadOfHidingIt) {
    CalendarWindow& w = window();
    w.show();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isSlidingAway());
}

TEST_F(CalendarWindowTest, todayCommandReturnsToTheClockDate) {
    select(Date{2001, 5, 5});
    window().goToToday();
    EXPECT_EQ(calendar().value(), (Date{2026, 12, 6}));
}

TEST_F(CalendarWindowTest, deleteThisNoteRemovesTheFileAndEmptiesTheFields) {
    t.writeFile(kTodayFile, record("bye", "12/06/2026", "1:00:00 PM"));
    window().deleteNotes();
    EXPECT_FALSE(t.exists(kTodayFile));
    EXPECT_TRUE(window().noteBox().noteText().isEmpty());
    EXPECT_TRUE(window().alarmField().text().isEmpty());
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
    EXPECT_FALSE(t.program().armedAlarm.has_value());
}

TEST_F(CalendarWindowTest, deleteThisNoteWithoutAFileSaysSoAndKeepsTheFields) {
    window();
    t.fakes.messageBox.shown.clear();
    window().deleteNotes();
    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(t.fakes.messageBox.shown[0].text, "No Note Files Were Found To Delete!");
    EXPECT_EQ(t.fakes.messageBox.shown[0].style, 0);
    EXPECT_EQ(t.fakes.messageBox.shown[0].title, "Almanor");
}

TEST_F(CalendarWindowTest, deleteAllAsksAndHonoursTheAnswer) {
    t.writeFile("20261201.dnf", record("a", "12/01/2026", ""));
    t.writeFile(kTodayFile, record("b", "12/06/2026", ""));
    t.writeFile("options.cfg", "keep\r\n");
    window().allOption().click();
    EXPECT_TRUE(t.program().allNotesScope);

    t.fakes.messageBox.answers = {msg::Cancel};
    window().deleteNotes();
    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(t.fakes.messageBox.shown[0].text, "Delete All Notes?");
    EXPECT_EQ(t.fakes.messageBox.shown[0].title, "Delete?");
    EXPECT_EQ(t.fakes.messageBox.shown[0].style, 1);
    EXPECT_EQ(t.fileNames().size(), 3u);
    EXPECT_EQ(window().noteBox().noteText(), "b");

    t.fakes.messageBox.answers = {msg::Ok};
    window().deleteNotes();
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"options.cfg"});
    EXPECT_TRUE(window().noteBox().noteText().isEmpty());
    EXPECT_TRUE(t.program().noteList().empty());
}

TEST_F(CalendarWindowTest, deleteAllWithNoNotesSaysNoneWereFound) {
    window().setAllNotesScope(true);
    window().deleteNotes();
    ASSERT_EQ(t.fakes.messageBox.shown.size(), 2u);
    EXPECT_EQ(t.fakes.messageBox.shown[1].text, "No Note Files Were Found To Delete!");
}

TEST_F(CalendarWindowTest, viewThisNoteShowsItsTextOrNothing) {
    window().view();
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
    QTest::keyClicks(&window().noteBox(), "Buy milk");
    window().view();
    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(t.fakes.messageBox.shown[0].text, "Buy milk");
    EXPECT_EQ(t.fakes.messageBox.shown[0].style, 0);
}

TEST_F(CalendarWindowTest, quitEndsOnlyOnOk) {
    t.program().quitPrompt = "Quit Almanor 4?";
    t.fakes.messageBox.answers = {msg::Cancel, msg::Ok};
    window().quit();
    EXPECT_EQ(t.fakes.programEnd.endCalls, 0);
    window().quit();
    EXPECT_EQ(t.fakes.programEnd.endCalls, 1);
    EXPECT_EQ(t.fakes.messageBox.shown[0].text, "Quit Almanor 4?");
    EXPECT_EQ(t.fakes.messageBox.shown[0].title, "Quit?");
    EXPECT_EQ(t.fakes.messageBox.shown[0].style, 1);
}

TEST_F(CalendarWindowTest, helpOpensTheHelpFileOrSaysItIsMissing) {
    window().help();
    ASSERT_EQ(t.fakes.help.shownPaths.size(), 1u);
    EXPECT_TRUE(t.fakes.help.shownPaths[0].endsWith("almanor.hlp"));
    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u) << "a missing help file is reported";
    t.writeFile("almanor.hlp", "<html><body>Help</body></html>");
    window().help();
    EXPECT_EQ(t.fakes.messageBox.shown.size(), 1u);
}

TEST_F(CalendarWindowTest, unreadableNoteFileIsNeverOverwrittenOrDeleted) {
    const std::string damaged = "\"othermarker\",\"text\",\"12/06/2026\",\"\"\r\n";
    t.writeFile(kTodayFile, damaged);
    CalendarWindow& w = window();
    EXPECT_TRUE(w.noteIsLocked());
    EXPECT_TRUE(w.noteBox().isReadOnly());
    EXPECT_FALSE(w.noteBox().placeholderText().isEmpty()) << "the window says why";
    QTest::keyClicks(&w.noteBox(), "typed");
    select(Date{2026, 12, 5});
    EXPECT_FALSE(w.noteIsLocked());
    select(Date{2026, 12, 6});
    EXPECT_EQ(t.readFile(kTodayFile), damaged);
}

TEST_F(CalendarWindowTest, deleteStillRemovesAnUnreadableFileTheUserChoseToDelete) {
    t.writeFile(kTodayFile, "\"dailynotes\",\"only two\"");
    window().deleteNotes();
    EXPECT_FALSE(t.exists(kTodayFile));
    EXPECT_FALSE(window().noteIsLocked());
}

TEST_F(CalendarWindowTest, failedSaveIsReportedOnceAndTheTextStays) {
    window().show();
    QApplication::setActiveWindow(&window());
    window().noteBox().setFocus();
    // A folder in the note file's place makes every save fail, whatever the user's rights.
    std::filesystem::create_directories(t.file(kTodayFile) / "blocked");
    t.fakes.messageBox.onShow = [this] { window().allOption().setFocus(); }; // a box takes it
    QTest::keyClicks(&window().noteBox(), "abc");
    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u) << "told once, not at every keystroke";
    const QString told = t.fakes.messageBox.shown[0].text;
    EXPECT_EQ(told.count("saved"), 2) << "one failure, one promise: " << told.toStdString();
    EXPECT_TRUE(told.contains("20261206.dnf"));
    EXPECT_TRUE(window().noteBox().hasFocus()) << "typing goes on in the note";
    EXPECT_EQ(window().noteBox().noteText(), "abc");
    std::filesystem::remove_all(t.file(kTodayFile));
    QTest::keyClicks(&window().noteBox(), "d");
    EXPECT_EQ(t.readFile(kTodayFile), record("abcd", "12/06/2026", ""));
    std::filesystem::remove(t.file(kTodayFile));
    std::filesystem::create_directories(t.file(kTodayFile) / "blocked");
    QTest::keyClicks(&window().noteBox(), "e");
    EXPECT_EQ(t.fakes.messageBox.shown.size(), 2u) << "a new failure after a success is told";
}

struct SlideCase {
    float step;
    bool fromParked;
    int ticks;
};

class CalendarWindowSlide : public CalendarWindowTest,
                            public ::testing::WithParamInterface<SlideCase> {};

TEST_P(CalendarWindowSlide, reachesTheOtherEndInTheExpectedTicks) {
    const SlideCase c = GetParam();
    t.program().settings.slideSpeed = std::to_string(static_cast<int>(c.step));
    CalendarWindow& w = window();
    const float sw = t.fakes.screen.width;
    if (c.fromParked) {
        w.setLeftTwips(sw - 30);
        EXPECT_TRUE(w.isParked());
        w.startSlideOut();
    } else {
        w.startSlideAway();
    }
    int ticks = 0;
    while ((w.isSlidingOut() || w.isSlidingAway()) && ticks < 100) {
        c.fromParked ? w.slideOutTick() : w.slideAwayTick();
        ++ticks;
    }
    EXPECT_EQ(ticks, c.ticks);
    EXPECT_EQ(w.leftTwips(), c.fromParked ? sw - 4215 : sw - 30);
    EXPECT_EQ(w.isParked(), !c.fromParked);
}

INSTANTIATE_TEST_SUITE_P(Examples, CalendarWindowSlide,
                         ::testing::Values(SlideCase{300, true, 14}, SlideCase{300, false, 15},
                                           SlideCase{900, true, 5}, SlideCase{900, false, 5}));

TEST_F(CalendarWindowTest, edgeStripOpensOnlyAParkedWindowWhenAllowed) {
    CalendarWindow& w = window();
    t.fakes.tray.shown = true;
    w.edgeStripTouched();
    EXPECT_FALSE(w.isSlidingOut()) << "an open window stays put";
    w.setLeftTwips(t.fakes.screen.width - 30);
    t.program().settings.umouse = false;
    w.edgeStripTouched();
    EXPECT_FALSE(w.isSlidingOut());
    t.fakes.tray.available = false; // no notification area: the strip is the only way back
    w.edgeStripTouched();
    EXPECT_TRUE(w.isSlidingOut());
}

} // namespace
} // namespace almanor
