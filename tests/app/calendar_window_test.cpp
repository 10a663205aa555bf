#include "app/calendar_window_fixture.h"
#include "notes/both_versions.h"
#include "overview/overview_window.h"
#include "settings/spoken_language.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace almanor {
namespace {

using testing::record;
using testing::Told;

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

// It opens on today's note flush with the primary screen's right edge (the screen may begin
// where another one ends), and follows the screens as they change, open or parked as it was.
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
    EXPECT_NE(testing::formatOf(calendar(), 6), testing::formatOf(calendar(), 24)) << "today";
    EXPECT_TRUE(option("thisNote").isChecked());
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

// Other programs' changes to the shown month show at the next date change, with no full read.
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
    EXPECT_EQ(t.program().notes().list().size(), 2u) << "a date change reads the month alone";
    EXPECT_EQ(testing::markedDays(calendar()), (std::vector<int>{11})) << "filed in December";
    select(Date{2026, 12, 11});
    type("!"); // saved with its own date: filed under November no more
    select(Date{2026, 11, 7});
    EXPECT_TRUE(testing::markedDays(calendar()).empty());
}

// Loading never writes, not even another program's straight quotes; each keystroke saves, curly.
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

// Near the limit the note counts what is left, and flashes the count when a key is refused.
TEST_F(CalendarWindowTest, noteTakesFiveHundredCharactersAndALongerOneOnlyShrinks) {
    const auto& left = testing::childNamed<QLabel>(note(), "charactersLeft");
    type(QString(449, 'a'));
    EXPECT_FALSE(left.isVisibleTo(&note()));
    type(QString(49, 'a'));
    EXPECT_TRUE(left.isVisibleTo(&note()));
    EXPECT_EQ(left.text(), "2 left");
    EXPECT_TRUE(note().rect().contains(left.geometry()));
    EXPECT_FALSE(left.geometry().intersects(note().viewport()->geometry())) << "under the text";
    QTest::keyClick(&note(), Qt::Key_Return); // a line break counts as two
    EXPECT_EQ(left.backgroundRole(), QPalette::Base);
    type("bc");
    EXPECT_EQ(left.text(), "0 left");
    EXPECT_EQ(left.backgroundRole(), QPalette::Highlight) << "flashes";
    testing::tick(note(), "countFlash");
    EXPECT_EQ(left.backgroundRole(), QPalette::Base);
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
        auto& noteBox = testing::childNamed<NoteEdit>(w, "Note");
        auto& alarmField = testing::childNamed<QLineEdit>(w, "alarmField");
        EXPECT_TRUE(w.noteIsLocked());
        EXPECT_FALSE(alarmField.isEnabled());
        EXPECT_FALSE(noteBox.placeholderText().isEmpty() || noteBox.toolTip().isEmpty());
        QTest::keyClicks(&noteBox, "typed");
        EXPECT_TRUE(noteBox.noteText().isEmpty());
        testing::childNamed<MonthCalendar>(w, "calendar").setValue(Date{2026, 12, 5});
        EXPECT_TRUE(alarmField.isEnabled());
        EXPECT_FALSE(w.noteIsLocked() ||
                     !QString(noteBox.placeholderText() + noteBox.toolTip()).isEmpty());
        QTest::keyClicks(&noteBox, "x");
        testing::childNamed<MonthCalendar>(w, "calendar").setValue(Date{2026, 12, 6});
        EXPECT_TRUE(noteBox.noteText().isEmpty());
        EXPECT_EQ(p.readFile(kTodayFile), bytes);
        testing::activate(w);
        QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_FALSE(p.exists(kTodayFile) || w.noteIsLocked());
    }
    QApplication::clipboard()->setText("junk");
    QTest::keyClicks(&alarmField(), "junk");
    QTest::keyClick(&alarmField(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(alarmField().text().isEmpty());
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

// As far as the list has been read; a marked day's tip tells its note from the list.
TEST_F(CalendarWindowTest, altPageKeysGoToTheDaysWithANoteWhoseTipsTellTheNote) {
    t.writeFile("20261120.dnf", record("November\r\nsecond line", "11/20/2026", "9:30:00 AM"));
    t.writeFile("20270103.dnf", record("\r\nJanuary  -  late", "01/03/2027"));
    std::vector<Date> days;
    QObject::connect(&window(), &CalendarWindow::dayChanged, [&](Date d) { days.push_back(d); });
    testing::activate(window());
    QTest::keySequence(&note(), QKeySequence("Alt+PgDown"));
    EXPECT_TRUE(days.empty()) << "the list is not read yet";
    t.program().notes().refresh();
    type("today"); // listed at once
    QTest::keySequence(&note(), QKeySequence("Alt+PgDown"));
    EXPECT_EQ(note().noteText(), "\nJanuary  -  late");
    EXPECT_EQ(tipOfDay(3), "January  -  late");
    QTest::keySequence(&note(), QKeySequence("Alt+PgDown, Alt+PgUp, Alt+PgUp, Alt+PgUp"));
    EXPECT_EQ(tipOfDay(21), "") << "no note";
    EXPECT_EQ(tipOfDay(20), "9:30:00 AM \u2014 November");
    EXPECT_EQ(days, (std::vector<Date>{{2027, 1, 3}, {2026, 12, 6}, {2026, 11, 20}}));
}

TEST_F(CalendarWindowTest, clearDeletesThisNoteOrAllOnOkAndSaysWhenThereIsNone) {
    const std::string bye = record("bye", "12/06/2026", "1:00:00 PM");
    t.writeFile(kTodayFile, bye);
    testing::clickOn(window(), "Clear");
    EXPECT_FALSE(t.exists(kTodayFile));
    EXPECT_EQ(t.fakes.trash.held().size(), 1);
    EXPECT_TRUE(note().noteText().isEmpty());
    EXPECT_EQ(note().placeholderText(), "Note deleted \u2013 Ctrl+Z brings it back");
    testing::tick(window(), "deletedNotice");
    EXPECT_TRUE(note().placeholderText().isEmpty());
    EXPECT_FALSE(ticker().armedAlarm().has_value()) << "the alarm field was emptied";
    testing::activate(window());
    QTest::keyClick(&note(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.readFile(kTodayFile), bye) << "back from the trash";
    EXPECT_EQ(note().noteText(), "bye");
    EXPECT_TRUE(ticker().armedAlarm().has_value()) << "and so is its alarm";
    testing::clickOn(window(), "Clear");
    type("x");
    std::filesystem::remove(t.file(kTodayFile));
    testing::clickOn(window(), "Clear");
    EXPECT_EQ(t.told(), Told{{"No Note Files Were Found To Delete!"}});
    EXPECT_EQ(note().noteText(), "x") << "the fields keep their text";

    t.writeFile("20261201.dnf", record("a", "12/01/2026"));
    option("allNotes").click();
    t.fakes.messageBox.answers = {Answer::Cancel, Answer::Ok};
    testing::clickOn(window(), "Clear");
    EXPECT_EQ(t.told().back(), (testing::ShownMessage{"Delete All Notes?",
                                                      MessageStyle::DeleteOkCancel, "Delete?"}));
    EXPECT_EQ(t.fileNames().size(), 1u);
    t.program().showOverviewWindow();
    testing::clickOn(window(), "Clear");
    EXPECT_TRUE(t.fileNames().empty());
    EXPECT_TRUE(t.program().notes().list().empty()) << "the list on show follows";
    QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.readFile("20261201.dnf"), record("a", "12/01/2026"));
    EXPECT_FALSE(t.exists(kTodayFile)) << "the last delete only";
}

// A note the trash cannot take is deleted for good only when the user agrees, and Undo brings it
// back from memory; a day that has a new note meanwhile keeps both.
TEST_F(CalendarWindowTest, undoBringsBackWhatTheTrashCouldNotTakeAndKeepsANewNoteToo) {
    t.fakes.trash.refuses = true;
    t.writeFile(kTodayFile, record("old", "12/06/2026"));
    t.fakes.messageBox.answers = {Answer::Cancel, Answer::Ok};
    testing::clickOn(window(), "Clear");
    const testing::ShownMessage question{
        "The note file 20261206.dnf cannot go to the trash and will be deleted for good (as will "
        "any other note of this delete that the trash cannot take).",
        MessageStyle::DeleteOkCancel, "Delete?"};
    EXPECT_EQ(t.told(), (Told{question,
                              {"The note for 12/06/2026 could not be deleted (it cannot "
                               "go to the trash)."}}));
    testing::clickOn(window(), "Clear");
    EXPECT_FALSE(t.exists(kTodayFile));
    t.writeFile(kTodayFile, record("new", "12/06/2026"));
    testing::activate(window());
    QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(note().noteText(), "new\n\n" + QString::fromLatin1(kYourVersionLine) + "\nold");
    EXPECT_EQ(t.told().size(), 3u);
}

// Another machine's version of a day's note marks the day and is offered to be merged in.
TEST_F(CalendarWindowTest, keepBothMergesAnotherVersionOfTheNoteAndTrashesIt) {
    const char* copy = "20261207 (conflicted copy 2026-12-06 101010).dnf";
    t.writeFile(copy, record("theirs", "12/07/2026"));
    t.writeFile("20261208.sync-conflict-20261206-101010-ABCDEFG.dnf", "no note");
    auto& keepBoth = testing::childNamed<QPushButton>(window(), "keepBoth");
    const auto marked = [this](std::vector<int> days) {
        return QTest::qWaitFor([&] { return testing::markedDays(calendar()) == days; });
    };
    select(kTomorrow); // a date change has the folder looked at behind the window
    EXPECT_TRUE(marked({7}));
    type("mine");
    ASSERT_TRUE(keepBoth.isVisibleTo(&window()));
    keepBoth.click();
    EXPECT_EQ(note().noteText(), "mine\n\n" + QString::fromLatin1(kYourVersionLine) + "\ntheirs");
    EXPECT_FALSE(t.exists(copy));
    EXPECT_EQ(t.fakes.trash.held().size(), 1);
    EXPECT_FALSE(keepBoth.isVisibleTo(&window()));
    t.writeFile("20261209 (conflicted copy).dnf", record("later", "12/09/2026"));
    select(kToday);
    EXPECT_TRUE(marked({7, 9}));
    EXPECT_FALSE(keepBoth.isVisibleTo(&window()));
}

TEST_F(CalendarWindowTest, viewShowsThisNoteOrEveryNote) {
    testing::clickOn(window(), "View");
    EXPECT_TRUE(t.told().empty()) << "an empty note shows nothing";
    type("Buy milk");
    t.writeFile("20261201.dnf", record("older", "12/01/2026"));
    testing::activate(window());
    QTest::keyClick(&window(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(option("allNotes").isChecked());
    testing::clickOn(window(), "View");
    EXPECT_TRUE(t.program().overviewWindow()->isVisible());
    EXPECT_EQ(t.program().notes().list().size(), 2u) << "the list was brought up to date";
    QTest::mouseClick(&option("thisNote"), Qt::LeftButton, {}, QPoint(5, 5));
    testing::clickOn(window(), "View");
    option("allNotes").click();
    QTest::keyClick(&window(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(option("thisNote").isChecked());
    testing::clickOn(window(), "View");
    EXPECT_EQ(t.told(), (Told{{"Buy milk"}, {"Buy milk"}}));
}

// A click is a left press and release on the spot; one dragged off it is none, and ends.
TEST_F(CalendarWindowTest, quitAboutOptionsAndTheOverviewsViewsDoWhatTheySay) {
    QWidget& quit = testing::childNamed(window(), "Quit");
    QTest::mouseClick(&quit, Qt::RightButton);
    QTest::mousePress(&quit, Qt::LeftButton);
    QTest::mouseRelease(&quit, Qt::LeftButton, {}, QPoint(-50, -50));
    QTest::mouseRelease(&quit, Qt::LeftButton);
    EXPECT_TRUE(t.told().empty());
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
    int search = 0;
    int onThisDay = 0;
    QObject::connect(&window(), &CalendarWindow::searchRequested, [&] { ++search; });
    QObject::connect(&window(), &CalendarWindow::onThisDayRequested, [&] { ++onThisDay; });
    pressShortcutOf("View", "On this day");
    EXPECT_EQ(std::pair(search, onThisDay), std::pair(0, 1));
    pressShortcutOf("View", "Search");
    EXPECT_EQ(std::pair(search, onThisDay), std::pair(1, 1));
}

// The help in the user's language where a translation lies beside the English one.
TEST_F(CalendarWindowTest, helpOpensInTheUsersLanguageAndSaysWhenItCannotBeRead) {
    testing::clickOn(window(), "Help");
    EXPECT_TRUE(t.fakes.help.shownPaths.value(0).endsWith("almanor.hlp"));
    EXPECT_TRUE(t.told().at(0).text.endsWith("almanor.hlp\n(it is unreadable)")) << "none here";
    t.writeFile("almanor.de.hlp", "<p>Hilfe</p>"); // and no French one: the English one serves
    for (const auto& [language, file] :
         {std::pair{Language::German, "/almanor.de.hlp"}, {Language::French, "/almanor.hlp"}}) {
        const SpokenLanguage spoken(language);
        testing::clickOn(window(), "Help");
        EXPECT_TRUE(t.fakes.help.shownPaths.last().endsWith(file)) << file;
    }
}

// Another program deletes the shown day's file: where the once-a-second check cannot see it
// (a network share), coming back to the window does, and nothing is written.
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

// Theirs written after the user changed it: both stay, theirs first, told unless theirs has it.
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
    tick();
    EXPECT_TRUE(note().noteText().startsWith("again\n\n" + line + "\ntheirs"));
    EXPECT_TRUE(note().noteText().endsWith("mine!?"));
    EXPECT_EQ(t.told().size(), 2u);
    t.writeFile(kTodayFile, record("later", "12/06/2026")); // nothing typed since it was shown
    tick();
    EXPECT_EQ(note().noteText(), "later");
    type("x");
    t.writeFile(kTodayFile, record("xlater, and more", "12/06/2026")); // made from the user's
    tick();
    EXPECT_EQ(note().noteText(), "xlater, and more");
    EXPECT_EQ(t.told().size(), 2u);
}

// Another program writes the file in place: the window waits until it makes sense or has stayed
// unreadable for a while, and the user's text is never only in a message.
TEST_F(CalendarWindowTest, aCopyWrittenInPlaceIsWaitedOutAndAnUnreadableOneKeepsTheTextAside) {
    testing::activate(window()); // as the window system does once it is shown
    type("mine");
    t.writeFile(kTodayFile, "");
    tick();
    type("!");
    tick();
    EXPECT_EQ(t.readFile(kTodayFile), "") << "nothing is written while theirs is half-way";
    EXPECT_EQ(note().noteText(), "mine!");
    t.writeFile(kTodayFile, record("theirs", "12/06/2026"));
    tick();
    const std::string both = "theirs\r\n\r\n" + std::string(kYourVersionLine) + "\r\nmine!";
    EXPECT_EQ(t.readFile(kTodayFile), record(both, "12/06/2026"));
    type("?");
    t.writeFile(kTodayFile, "\"garbage");
    for (int look = 1; look <= 3; ++look) {
        EXPECT_EQ(t.told().size(), 1u) << "look " << look;
        tick(); // the third look finds it unchanged long enough
    }
    EXPECT_EQ(t.readFile(kTodayFile), "\"garbage");
    EXPECT_EQ(t.readFile("20261206 (kept by Almanor).txt"), both + "?\r\n");
    ASSERT_EQ(t.told().size(), 2u);
    EXPECT_TRUE(t.told()[1].text.contains("\"20261206 (kept by Almanor).txt\""));
    EXPECT_TRUE(window().noteIsLocked());
}

// A failed save is a notice that asks nothing; the text is saved once the disk takes it.
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

TEST_F(CalendarWindowTest, edgeStripOpensOnlyAParkedWindowWhenAllowed) {
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
}

// Another start of the program on the folder brings a window on its way out forward.
TEST_F(CalendarWindowTest, anotherStartBringsTheWindowOut) {
    CalendarWindow& forward = window();
    forward.startSlideAway();
    forward.comeForward();
    EXPECT_TRUE(forward.isVisible());
    EXPECT_FALSE(forward.isSlidingAway());
    EXPECT_TRUE(forward.isSlidingOut());
}

} // namespace
} // namespace almanor
