#include "about/about_window.h"
#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "overview/overview_window.h"
#include "settings/options_window.h"
#include "shell/apply_settings.h"
#include "shell/start_window.h"

#include <QCoreApplication>
#include <QListView>
#include <QMenu>
#include <QWindow>
#include <filesystem>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::record;
using testing::TestProgram;

void destroyClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class StartWindowTest : public ::testing::Test {
protected:
    StartWindow& start() { return t.program().startWindow(); }
    CalendarWindow& calendarWindow() { return t.program().calendarWindow(); }
    void choose(const QString& item) {
        for (QAction* action : start().trayMenu().actions()) {
            if (action->text() == item) {
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no menu item " << item.toStdString();
    }
    TestProgram t;
};

TEST_F(StartWindowTest, startUpFollowsTheSettingsFileOrTheDefaults) {
    struct Case {
        const char* settingsFile; // nullptr: no file
        bool topmost;
        bool sliding;
        bool trayIcon;
        bool oldNoteKept;
    } cases[] = {
        {nullptr, true, true, true, true},
        {"30,#FALSE#,#FALSE#,#FALSE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#FALSE#,#TRUE#,\"a\",\"c\"\r\n",
         false, false, false, true},
        {"30,#TRUE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a\",\"c\"\r\n", true,
         true, true, false},
        {"30,1,1,1,\"300\",#TRUE#,#TRUE#,#TRUE#,1,#TRUE#,\"a\",\"c\"\r\n", false, false, false,
         true}, // a bare 1 counts as off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settingsFile ? c.settingsFile : "no file");
        TestProgram p;
        p.writeFile("20200101.dnf", record("old", "01/01/2020"));
        if (c.settingsFile != nullptr) {
            p.writeFile("options.cfg", c.settingsFile);
        }
        Program& program = p.started();
        QCoreApplication::processEvents(); // the purge waits for the window to be on screen
        CalendarWindow& w = program.calendarWindow();
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(program.startWindow().isVisible());
        EXPECT_EQ(w.staysOnTop(), c.topmost);
        EXPECT_EQ(w.isSlidingAway(), c.sliding);
        EXPECT_EQ(p.fakes.tray.shown, c.trayIcon);
        EXPECT_EQ(p.exists("20200101.dnf"), c.oldNoteKept);
        EXPECT_EQ(w.calendar().value(), (Date{2026, 12, 6}));
        EXPECT_FALSE(program.overviewWindow().isVisible());
        EXPECT_EQ(p.exists("options.cfg"), c.settingsFile != nullptr) << "start-up never writes";
    }
}

TEST_F(StartWindowTest, purgeDeletesOldNotesAndTheCalendarFollows) {
    t.writeFile("20261105.dnf", record("old", "11/05/2026")); // 31 days ago
    t.writeFile("20261106.dnf", record("kept", "11/06/2026"));
    t.writeFile("20260101.dnf", record("damaged date", "13/45/2026"));
    calendarWindow().showDay(Date{2026, 11, 5});
    ASSERT_EQ(calendarWindow().noteBox().noteText(), "old");
    t.program().settings().udel = true;
    applySettings(t.program());
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"20260101.dnf", "20261106.dnf"}));
    EXPECT_TRUE(calendarWindow().noteBox().noteText().isEmpty()) << "the deleted note went";
    EXPECT_FALSE(calendarWindow().calendar().dayMark(5));
    EXPECT_TRUE(calendarWindow().calendar().dayMark(6));
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
}

// The purge looks at the folder as it is: a note deleted by hand meanwhile is simply gone, and
// the open overview follows.
TEST_F(StartWindowTest, purgeWorksOnTheFolderAsItIsNow) {
    for (const char* day : {"10/01", "10/15", "11/01", "12/06"}) {
        const std::string date = std::string(day) + "/2026";
        t.writeFile("2026" + date.substr(0, 2) + date.substr(3, 2) + ".dnf", record("n", date));
    }
    calendarWindow().showDay(Date{2026, 10, 1});
    t.program().showOverviewWindow();
    std::filesystem::remove(t.file("20261015.dnf"));
    t.program().settings().udel = true;
    applySettings(t.program());
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"20261206.dnf"});
    EXPECT_EQ(t.program().overviewWindow().list().model()->rowCount(), 1);
    EXPECT_TRUE(calendarWindow().noteBox().noteText().isEmpty()) << "the shown note went";
}

TEST_F(StartWindowTest, splashShowsTheAboutWindowForTwoSecondsOnItsTimer) {
    t.started();
    EXPECT_FALSE(t.program().hasAboutWindow()) << "not before the first tick";
    testing::tick(start(), "splash");
    ASSERT_TRUE(t.program().hasAboutWindow());
    AboutWindow* splash = &t.program().aboutWindow();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(start().findChild<QTimer*>("splash")->interval(), 2000);
    choose("About");
    EXPECT_EQ(&t.program().aboutWindow(), splash) << "About during the splash is the splash";
    testing::tick(start(), "splash");
    EXPECT_FALSE(start().findChild<QTimer*>("splash")->isActive());
    destroyClosedWindows();
    EXPECT_FALSE(t.program().hasAboutWindow());
    choose("About");
    EXPECT_TRUE(t.program().aboutWindow().isVisible()) << "after the splash About works as usual";
}

TEST_F(StartWindowTest, trayMenuOpensOptionsOnceAndExitEndsAtOnce) {
    t.started();
    ASSERT_TRUE(t.fakes.tray.handlers.rightPress);
    t.fakes.tray.handlers.rightPress(QPoint(40, 30));
    EXPECT_TRUE(start().trayMenu().isVisible());
    start().trayMenu().hide();
    choose("Options");
    OptionsWindow* first = &t.program().optionsWindow();
    EXPECT_TRUE(first->isVisible());
    first->hide();
    choose("Options");
    EXPECT_EQ(&t.program().optionsWindow(), first);
    EXPECT_TRUE(first->isVisible());
    choose("Exit");
    EXPECT_EQ(t.fakes.programEnd.endCalls, 1);
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
}

TEST_F(StartWindowTest, leftPressBringsTheWindowForwardUnpinnedAndUnmoved) {
    t.writeFile("options.cfg", "30,#FALSE#,#TRUE#,#FALSE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
                               "#TRUE#,\"a\",\"c\"\r\n");
    t.started();
    CalendarWindow& w = calendarWindow();
    w.setLeftTwips(t.fakes.screen.width - 30); // parked: it must stay parked
    ASSERT_TRUE(w.staysOnTop());
    const QPoint before = w.pos();
    const QWindow* native = w.windowHandle();
    t.fakes.tray.handlers.leftPress();
    EXPECT_FALSE(w.staysOnTop());
    EXPECT_EQ(w.pos(), before);
    EXPECT_EQ(w.windowHandle(), native) << "the window is not re-created";
    EXPECT_FALSE(w.isSlidingOut());
    t.fakes.tray.doubleClicks = false; // a tray that reports single clicks only
    t.fakes.tray.handlers.leftPress();
    EXPECT_TRUE(w.isSlidingOut()) << "the click is the way back";
}

TEST_F(StartWindowTest, doubleClickSlidesOutOnlyFromTheExactParkedPlace) {
    const float screen = t.fakes.screen.width;
    for (const auto& [left, slidesOut] :
         {std::pair{screen - 30, true}, std::pair{screen - CalendarWindow::kWidthTwips, false},
          std::pair{screen - 31, false}}) {
        TestProgram p;
        p.program().startWindow();
        CalendarWindow& w = p.program().calendarWindow();
        w.setLeftTwips(left);
        p.fakes.tray.handlers.doubleClick();
        EXPECT_EQ(w.isSlidingOut(), slidesOut) << left;
        EXPECT_EQ(w.isSlidingAway(), !slidesOut) << left;
    }
}

// A window manager may still hide or minimise the window; the icon always brings it back.
TEST_F(StartWindowTest, trayClickOrDoubleClickBringsAHiddenWindowBack) {
    start();
    CalendarWindow& w = calendarWindow();
    for (void (*const trayEvent)(TrayHandlers&) :
         {+[](TrayHandlers& h) { h.leftPress(); }, +[](TrayHandlers& h) { h.doubleClick(); }}) {
        w.show();
        w.hide();
        trayEvent(t.fakes.tray.handlers);
        EXPECT_TRUE(w.isVisible());
        w.showMinimized();
        trayEvent(t.fakes.tray.handlers);
        EXPECT_FALSE(w.isMinimized());
    }
}

} // namespace
} // namespace almanor
