#include "about/about_window.h"
#include "calendar/calendar_window.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "settings/options_window.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <tuple>

namespace almanor {
namespace {

using testing::TestProgram;

class ShellTest : public ::testing::Test {
protected:
    CalendarWindow& calendarWindow() { return *t.started().calendarWindow(); }
    static QMenu& trayMenu() {
        QMenu* menu = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            menu = window->objectName() == "trayMenu" ? qobject_cast<QMenu*>(window) : menu;
        }
        return *menu;
    }
    void choose(const QString& item) {
        for (QAction* action : trayMenu().actions()) {
            if (action->text() == item) {
                action->trigger();
            }
        }
    }
    TestProgram t;
};

// The splash is the about window for two seconds on its timer, and About meanwhile is the
// splash.
TEST_F(ShellTest, theSplashIsTheAboutWindowForTwoSeconds) {
    t.started();
    EXPECT_FALSE(t.program().aboutWindow()) << "not before the first tick";
    testing::tick(calendarWindow(), "splash");
    AboutWindow* splash = t.program().aboutWindow();
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    // It leaves the keyboard where it is; like every window of the program it shares the
    // layer of the calendar window, on top here, so the keyboard can go back there.
    EXPECT_TRUE(splash->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(splash->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(calendarWindow().findChild<QTimer*>("splash")->interval(), 2000);
    choose("About");
    EXPECT_EQ(t.program().aboutWindow(), splash);
    testing::tick(calendarWindow(), "splash");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(t.program().aboutWindow() || calendarWindow().findChild<QTimer*>("splash"));
}

// The icon's menu shows the about window and the one options window; Exit ends at once.
TEST_F(ShellTest, theTrayMenuShowsItsWindowsAndTheIconGoesWithTheProgram) {
    testing::tick(calendarWindow(), "splash");
    testing::tick(calendarWindow(), "splash");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    t.fakes.tray.handlers.rightPress(QPoint(40, 30));
    EXPECT_TRUE(trayMenu().isVisible());
    choose("About");
    EXPECT_TRUE(t.program().aboutWindow()->isVisible()) << "after the splash About works as usual";
    choose("Options");
    OptionsWindow* first = t.program().optionsWindow();
    first->hide();
    choose("Options");
    EXPECT_EQ(t.program().optionsWindow(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    choose("Exit");
    EXPECT_EQ(t.fakes.programEnd.endCalls, 1);
    t.end();
    EXPECT_FALSE(t.fakes.tray.shown);
    EXPECT_FALSE(t.fakes.tray.handlers.leftPress || t.fakes.screen.changed)
        << "no event reaches a window that is gone";
}

// The program starts with the defaults: on top, sliding away, with its icon, and writes
// nothing. A window manager may still hide or minimise the window; the icon always brings it
// back, and a click brings it forward unmoved.
TEST_F(ShellTest, startsOnTopAndTheTrayIconBringsTheWindowBack) {
    t.started();
    CalendarWindow& w = calendarWindow();
    EXPECT_EQ(std::tuple(w.isVisible(), w.staysOnTop(), w.isSlidingAway(), t.fakes.tray.shown),
              std::tuple(true, true, true, true));
    EXPECT_TRUE(t.fileNames().empty());
    w.setLeftTwips(t.fakes.screen.width - 30);
    const QPoint parked = w.pos();
    t.fakes.tray.handlers.leftPress();
    EXPECT_EQ(w.pos(), parked);
    for (const bool onTop : {true, false}) { // in front, and on top as the settings say
        t.applySettings([onTop](Settings& s) { s.alwaysOnTop = onTop; });
        t.fakes.tray.handlers.leftPress();
        EXPECT_EQ(w.staysOnTop(), onTop);
        w.comeForward(); // as another start asks
        EXPECT_EQ(w.staysOnTop(), onTop);
    }
    for (const bool twice : {false, true}) {
        const auto press =
            twice ? t.fakes.tray.handlers.doubleClick : t.fakes.tray.handlers.leftPress;
        w.hide();
        press();
        EXPECT_TRUE(w.isVisible());
        w.showMinimized();
        press();
        EXPECT_FALSE(w.isMinimized());
    }
}

// A double click on the icon slides a parked window out, and a window anywhere else away;
// where the tray reports no double clicks, a click is the way back to a parked window.
TEST_F(ShellTest, aDoubleClickOnTheIconSlidesAParkedWindowOutAndAnyOtherAway) {
    for (const auto& [left, slidesOut] : {std::pair{30.0f, true}, std::pair{31.0f, false}}) {
        TestProgram p;
        p.applySettings([](Settings& s) { s.slideAway = false; });
        CalendarWindow& window = *p.started().calendarWindow();
        window.setLeftTwips(p.fakes.screen.width - left);
        p.fakes.tray.handlers.doubleClick();
        EXPECT_EQ(window.isSlidingOut(), slidesOut) << left;
        EXPECT_EQ(window.isSlidingAway(), !slidesOut) << left;
    }
    CalendarWindow& w = calendarWindow();
    w.setLeftTwips(t.fakes.screen.width - 30);
    t.fakes.tray.doubleClicks = false;
    t.fakes.tray.handlers.leftPress();
    EXPECT_TRUE(w.isSlidingOut());
}

// The first start in a folder says where the window went once it has slid away: in the icon's
// balloon, or in a message where there is no icon; the next start says nothing.
TEST_F(ShellTest, aFirstStartTellsOnceWhereTheWindowWent) {
    const auto slideAway = [](CalendarWindow& window) {
        while (window.isSlidingAway()) {
            testing::tick(window, "slideAway");
        }
    };
    for (const bool tray : {true, false}) {
        TestProgram p;
        p.fakes.tray.available = tray;
        CalendarWindow& window = *p.started().calendarWindow();
        EXPECT_TRUE(p.fakes.tray.messages.isEmpty()) << "not before the window went";
        slideAway(window);
        window.comeForward();
        window.startSlideAway();
        slideAway(window);
        EXPECT_EQ(p.fakes.tray.messages.size(), tray ? 1 : 0);
        EXPECT_EQ(p.fakes.messageBox.notices.size(), tray ? 0 : 1);
        EXPECT_TRUE(p.exists("almanor.ini"));
    }
    for (const char* settingsFile : {"almanor.ini", "options.cfg"}) {
        TestProgram later;
        later.writeFile(settingsFile, "");
        slideAway(*later.started().calendarWindow());
        EXPECT_TRUE(later.fakes.tray.messages.isEmpty() && later.fakes.messageBox.notices.isEmpty())
            << settingsFile;
    }
}

// Requests from the command line: today comes forward on today's note, hide slides away.
TEST_F(ShellTest, commandLineRequestsShowTodayAndSlideAway) {
    CalendarWindow& w = calendarWindow();
    w.showDay({2001, 2, 3});
    t.program().carryOut(Command::Today);
    const QDate today = t.fakes.clock.now().date();
    EXPECT_EQ(w.selectedDate(), (Date{today.year(), today.month(), today.day()}));
    EXPECT_TRUE(w.isSlidingOut() && !w.isSlidingAway());
    t.program().carryOut(Command::Hide);
    EXPECT_TRUE(w.isSlidingAway());
}

} // namespace
} // namespace almanor
