#include "about/about_window.h"
#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "fakes/test_program.h"
#include "overview/overview_window.h"
#include "settings/options_window.h"
#include "shell/start_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::TestProgram;

std::string record(const std::string& text, const std::string& date) {
    return "\"dailynotes\",\"" + text + "\",\"" + date + "\",\"\"\r\n";
}

void destroyClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class StartWindowTest : public ::testing::Test {
protected:
    StartWindow& start() { return t.program().startWindow(); }
    CalendarWindow& calendarWindow() { return t.program().calendarWindow(); }
    QAction* menuItem(const QString& text) {
        for (QAction* action : start().trayMenu().actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        ADD_FAILURE() << "no menu item " << text.toStdString();
        return nullptr;
    }
    TestProgram t;
};

TEST_F(StartWindowTest, startUpFollowsTheSettingsFileOrTheDefaults) {
    struct Case {
        const char* name;
        const char* settingsFile; // nullptr: no file
        bool topmost;
        bool sliding;
        bool trayIcon;
        bool oldNoteKept;
    } cases[] = {
        {"no file", nullptr, true, true, true, true},
        {"all off",
         "30,#FALSE#,#FALSE#,#FALSE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#FALSE#,#TRUE#,"
         "\"alarm.wav\",\"chime.wav\"\r\n",
         false, false, false, true},
        {"purge on",
         "30,#TRUE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
         "\"alarm.wav\",\"chime.wav\"\r\n",
         true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestProgram p;
        p.writeFile("20200101.dnf", record("old", "01/01/2020"));
        if (c.settingsFile != nullptr) {
            p.writeFile("options.cfg", c.settingsFile);
        }
        p.program().startWindow().formLoad();
        CalendarWindow& w = p.program().calendarWindow();
        EXPECT_EQ(p.program().quitPrompt, "Quit Almanor 4?");
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(p.program().startWindow().isVisible());
        EXPECT_EQ(w.staysOnTop(), c.topmost);
        EXPECT_EQ(w.isSlidingAway(), c.sliding);
        EXPECT_EQ(p.fakes.tray.shown, c.trayIcon);
        EXPECT_EQ(p.exists("20200101.dnf"), c.oldNoteKept);
        EXPECT_EQ(w.calendar().value(), (Date{2026, 12, 6}));
        EXPECT_TRUE(p.program().hasOverviewWindow());
        EXPECT_FALSE(p.program().overviewWindow().isVisible());
        EXPECT_EQ(p.exists("options.cfg"), c.settingsFile != nullptr) << "start-up never writes";
    }
}

TEST_F(StartWindowTest, splashShowsTheAboutWindowThenClosesItAndStops) {
    start().formLoad();
    EXPECT_EQ(start().splashCountdown(), 2);
    EXPECT_TRUE(start().splashTimerActive());
    EXPECT_EQ(start().splashInterval(), 1);
    EXPECT_FALSE(t.program().hasAboutWindow()) << "not before the first tick";

    start().splashTick();
    EXPECT_EQ(start().splashCountdown(), 1);
    EXPECT_EQ(start().splashInterval(), 2000);
    EXPECT_TRUE(start().splashTimerActive());
    ASSERT_TRUE(t.program().hasAboutWindow());
    AboutWindow* splash = &t.program().aboutWindow();
    EXPECT_TRUE(splash->isVisible());

    menuItem("About")->trigger();
    EXPECT_EQ(&t.program().aboutWindow(), splash) << "About during the splash is the splash";

    start().splashTick();
    EXPECT_FALSE(start().splashTimerActive());
    EXPECT_FALSE(splash->isVisible());
    destroyClosedWindows();
    EXPECT_FALSE(t.program().hasAboutWindow());

    menuItem("About")->trigger();
    ASSERT_TRUE(t.program().hasAboutWindow());
    EXPECT_TRUE(t.program().aboutWindow().isVisible()) << "after the splash About works as usual";
}

TEST_F(StartWindowTest, splashEndsQuietlyWhenTheUserClosedItFirst) {
    start().formLoad();
    start().splashTick();
    t.program().aboutWindow().close();
    destroyClosedWindows();
    start().splashTick();
    EXPECT_FALSE(start().splashTimerActive());
    EXPECT_FALSE(t.program().hasAboutWindow()) << "closing the splash must not make a new one";
}

TEST_F(StartWindowTest, menuHoldsOptionsSeparatorAboutExit) {
    const QList<QAction*> actions = start().trayMenu().actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), "Options");
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text(), "About");
    EXPECT_EQ(actions[3]->text(), "Exit");
}

TEST_F(StartWindowTest, optionsTwiceShowsTheSameWindow) {
    start();
    menuItem("Options")->trigger();
    ASSERT_TRUE(t.program().hasOptionsWindow());
    OptionsWindow* first = &t.program().optionsWindow();
    EXPECT_TRUE(first->isVisible());
    first->hide();
    menuItem("Options")->trigger();
    EXPECT_EQ(&t.program().optionsWindow(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(StartWindowTest, exitEndsAtOnceWithoutAQuestion) {
    start().formLoad();
    menuItem("Exit")->trigger();
    EXPECT_EQ(t.fakes.programEnd.endCalls, 1);
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
    EXPECT_FALSE(t.exists("options.cfg"));
}

TEST_F(StartWindowTest, rightPressOnTheIconPopsUpTheMenu) {
    start();
    ASSERT_TRUE(t.fakes.tray.handlers.rightPress);
    t.fakes.tray.handlers.rightPress(QPoint(40, 30));
    EXPECT_TRUE(start().trayMenu().isVisible());
    start().trayMenu().hide();
}

TEST_F(StartWindowTest, leftPressBringsTheWindowForwardUnpinnedAndUnmoved) {
    t.program().settings.utop = true;
    t.program().settings.uslide = false;
    t.program().applySettings();
    CalendarWindow& w = calendarWindow();
    w.show();
    w.setLeftTwips(t.fakes.screen.width - 30); // parked: it must stay parked
    ASSERT_TRUE(w.staysOnTop());
    const QPoint before = w.pos();
    const QWindow* native = w.windowHandle();

    start();
    ASSERT_TRUE(t.fakes.tray.handlers.leftPress);
    t.fakes.tray.handlers.leftPress();
    EXPECT_FALSE(w.staysOnTop());
    EXPECT_EQ(w.pos(), before);
    EXPECT_TRUE(w.isParked());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowHandle(), native) << "the window is not re-created";
    EXPECT_FALSE(w.isSlidingAway());
    EXPECT_FALSE(w.isSlidingOut());

    t.program().applySettings();
    EXPECT_TRUE(w.staysOnTop()) << "the next apply pins it again";
}

TEST_F(StartWindowTest, doubleClickSlidesOutOnlyFromTheExactParkedPlace) {
    const float screen = t.fakes.screen.width;
    struct Case {
        const char* name;
        float left;
        bool slidesOut;
    } cases[] = {
        {"parked", screen - 30, true},
        {"open", screen - CalendarWindow::kWidthTwips, false},
        {"half way", screen - 2000, false},
        {"one twip short of parked", screen - 31, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestProgram p;
        p.program().startWindow();
        CalendarWindow& w = p.program().calendarWindow();
        w.setLeftTwips(c.left);
        ASSERT_TRUE(p.fakes.tray.handlers.doubleClick);
        p.fakes.tray.handlers.doubleClick();
        EXPECT_EQ(w.isSlidingOut(), c.slidesOut);
        EXPECT_EQ(w.isSlidingAway(), !c.slidesOut);
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
