#include "about/about_window.h"
#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "overview/overview_window.h"
#include "platform/artwork.h"
#include "settings/options_window.h"
#include "shell/single_instance.h"
#include "shell/start_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
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

class ShellTest : public ::testing::Test {
protected:
    StartWindow& start() { return t.program().startWindow(); }
    CalendarWindow& calendarWindow() { return t.program().calendarWindow(); }
    void choose(const QString& item) {
        for (QAction* action : start().trayMenu().actions()) {
            if (action->text() == item) {
                action->trigger();
            }
        }
    }
    // Purging on, as the user applies it in the options window.
    void applyPurge() {
        t.program().showOptionsWindow();
        t.program().optionsWindow().deleteBox().click();
        t.program().optionsWindow().applyButton().click();
    }
    TestProgram t;
};

TEST_F(ShellTest, startUpFollowsTheSettingsFileOrTheDefaults) {
    const struct {
        const char* settingsFile; // nullptr: no file
        bool topmost, sliding, trayIcon, oldNoteKept;
    } cases[] = {
        {nullptr, true, true, true, true},
        {"30,#FALSE#,#FALSE#,#FALSE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#FALSE#,#TRUE#,\"a\",\"c\"\r\n",
         false, false, false, true},
        {"30,#TRUE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a\",\"c\"\r\n", true,
         true, true, false},
        {"30,1,1,1,\"300\",#TRUE#,#TRUE#,#TRUE#,1,#TRUE#,\"a\",\"c\"\r\n", false, false, false,
         true}, // a bare 1 counts as off
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settingsFile ? c.settingsFile : "no file");
        TestProgram p;
        p.writeFile("20200101.dnf", record("old", "01/01/2020"));
        if (c.settingsFile != nullptr) {
            p.writeFile("options.cfg", c.settingsFile);
        }
        Program& program = p.started();
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

TEST_F(ShellTest, purgeDeletesOldNotesAndTheCalendarFollows) {
    t.writeFile("20261105.dnf", record("old", "11/05/2026")); // 31 days ago
    t.writeFile("20261106.dnf", record("kept", "11/06/2026"));
    t.writeFile("20260101.dnf", record("damaged date", "13/45/2026"));
    calendarWindow().showDay(Date{2026, 11, 5});
    ASSERT_EQ(calendarWindow().noteBox().noteText(), "old");
    applyPurge();
    EXPECT_EQ(t.fileNames(),
              (std::vector<std::string>{"20260101.dnf", "20261106.dnf", "options.cfg"}));
    EXPECT_TRUE(calendarWindow().noteBox().noteText().isEmpty()) << "the deleted note went";
    EXPECT_EQ(testing::markedDays(calendarWindow().calendar()), std::vector<int>{6});
    EXPECT_TRUE(t.told().empty());
}

TEST_F(ShellTest, aVanishedNoteStopsThePurgeUntilTheNextOne) {
    for (const char* name : {"20261001.dnf", "20261015.dnf", "20261101.dnf", "20261206.dnf"}) {
        const std::string n(name);
        t.writeFile(n, record("n", n.substr(4, 2) + "/" + n.substr(6, 2) + "/2026"));
    }
    calendarWindow().showDay(Date{2026, 10, 1});
    t.program().showOverviewWindow();
    std::filesystem::remove(t.file("20261015.dnf"));
    applyPurge();
    EXPECT_EQ(t.told(),
              (testing::Told{{"The Note For 10/15/2026 Was Not Found!", msg::Exclamation}}));
    EXPECT_EQ(t.fileNames(),
              (std::vector<std::string>{"20261101.dnf", "20261206.dnf", "options.cfg"}));
    EXPECT_EQ(t.program().overviewWindow().list().model()->rowCount(), 2);
    EXPECT_EQ(calendarWindow().noteBox().noteText(), "n") << "not reloaded";
    t.end();
    t.started();
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"20261206.dnf", "options.cfg"}))
        << "the next start goes on";
}

TEST_F(ShellTest, splashShowsTheAboutWindowForTwoSecondsOnItsTimer) {
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

TEST_F(ShellTest, trayMenuOpensOptionsOnceAndExitEndsAtOnceAndTheIconGoesWithTheProgram) {
    t.started();
    t.fakes.tray.handlers.rightPress(QPoint(40, 30));
    EXPECT_TRUE(start().trayMenu().isVisible());
    start().trayMenu().hide();
    choose("Options");
    OptionsWindow* first = &t.program().optionsWindow();
    first->hide();
    choose("Options");
    EXPECT_EQ(&t.program().optionsWindow(), first);
    EXPECT_TRUE(first->isVisible());
    choose("Exit");
    EXPECT_EQ(t.fakes.programEnd.endCalls, 1);
    EXPECT_TRUE(t.told().empty());
    t.end();
    EXPECT_FALSE(t.fakes.tray.shown);
    EXPECT_FALSE(t.fakes.tray.handlers.leftPress) << "no event reaches a window that is gone";
}

TEST_F(ShellTest, leftPressBringsTheWindowForwardUnpinnedAndUnmoved) {
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
}

TEST_F(ShellTest, doubleClickSlidesOutOnlyFromTheExactParkedPlace) {
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
TEST_F(ShellTest, trayClickOrDoubleClickBringsAHiddenWindowBack) {
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

void sendMouse(QWidget& target, QEvent::Type type, Qt::MouseButton button, QPoint at = {5, 5}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

TEST_F(ShellTest, aboutWindowShowsItsPictureAndALinkThatIsRedUnderTheMouse) {
    t.program().showAboutWindow();
    AboutWindow& w = t.program().aboutWindow();
    const QImage shown = w.grab().toImage().copy(0, 0, AboutWindow::kWidth, kAboutPictureFreeTop);
    EXPECT_EQ(shown, aboutPicture(w.devicePixelRatioF()).toImage().copy(shown.rect()));
    for (int round = 0; round < 2; ++round) {
        sendMouse(w.link(), QEvent::MouseMove, Qt::NoButton);
        EXPECT_EQ(w.linkColour(), QColor(Qt::red));
        sendMouse(w, QEvent::MouseMove, Qt::NoButton);
        EXPECT_EQ(w.linkColour(), QColor(Qt::black));
    }
}

TEST_F(ShellTest, aLeftClickOnTheLinkOpensThePageAndAFailureSaysNothing) {
    t.program().showAboutWindow();
    QLabel& link = t.program().aboutWindow().link();
    for (const auto& [button, releasedAt] :
         {std::pair{Qt::RightButton, QPoint(5, 5)}, std::pair{Qt::LeftButton, QPoint(5, -40)}}) {
        sendMouse(link, QEvent::MouseButtonPress, button);
        sendMouse(link, QEvent::MouseButtonRelease, button, releasedAt);
    }
    EXPECT_TRUE(t.fakes.browser.opened.empty());
    t.fakes.browser.succeeds = false;
    sendMouse(link, QEvent::MouseButtonPress, Qt::LeftButton);
    sendMouse(link, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(t.fakes.browser.opened, std::vector<QUrl>{QUrl("https://www.example.com/")});
    EXPECT_TRUE(t.told().empty());
    EXPECT_TRUE(t.program().aboutWindow().isVisible());
    t.program().aboutWindow().close();
    destroyClosedWindows();
    EXPECT_FALSE(t.program().hasAboutWindow()) << "closing destroys it";
}

TEST(SingleInstance, aSecondStartOnTheFolderAsksTheFirstToShowAndEnds) {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy shown(&first, &SingleInstance::showRequested);
    SingleInstance second(folder.path());
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(shown.count() == 1 || shown.wait(2000));

    QTemporaryDir otherFolder; // another folder is another planner
    SingleInstance elsewhere(otherFolder.path());
    EXPECT_TRUE(elsewhere.claim());
    // A folder that cannot hold the lock cannot hold notes either; the program says so then.
    SingleInstance nowhere(folder.filePath("missing"));
    EXPECT_TRUE(nowhere.claim());
}

} // namespace
} // namespace almanor
