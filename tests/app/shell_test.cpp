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

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
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

void sendMouse(QWidget& target, QEvent::Type type, Qt::MouseButton button, QPoint at = {5, 5}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
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
    TestProgram t;
};

TEST_F(ShellTest, startUpFollowsTheSettingsFileOrTheDefaults) {
    for (const char* settingsFile :
         {"",
          "30,#FALSE#,#FALSE#,#FALSE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#FALSE#,#TRUE#,\"a\",\"c\""}) {
        const bool defaults = *settingsFile == '\0';
        SCOPED_TRACE(defaults ? "defaults" : settingsFile);
        TestProgram p;
        if (!defaults) {
            p.writeFile("options.cfg", settingsFile);
        }
        Program& program = p.started();
        CalendarWindow& w = program.calendarWindow();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.staysOnTop(), defaults);
        EXPECT_EQ(w.isSlidingAway(), defaults);
        EXPECT_EQ(p.fakes.tray.shown, defaults);
        EXPECT_EQ(w.calendar().value(), (Date{2026, 12, 6}));
        EXPECT_FALSE(program.overviewWindow().isVisible());
        EXPECT_EQ(p.exists("options.cfg"), !defaults) << "start-up never writes";
    }
}

// When all old notes went, the calendar follows; when one could not go, the rest go at the
// next start or Apply, and the day's note and the marks stay as they are until then.
TEST_F(ShellTest, purgeDeletesOldNotesAndStopsAtOneThatVanished) {
    const auto write = [this](const std::string& name) {
        t.writeFile(name, record("n", name.substr(4, 2) + "/" + name.substr(6, 2) + "/2026"));
    };
    write("20261105.dnf"); // 31 days old
    write("20261106.dnf");
    t.writeFile("20260101.dnf", record("damaged date", "13/45/2026"));
    calendarWindow().showDay(Date{2026, 11, 5});
    t.program().showOptionsWindow();
    OptionsWindow& options = t.program().optionsWindow();
    options.deleteBox().click();
    options.applyButton().click();
    EXPECT_TRUE(calendarWindow().noteBox().noteText().isEmpty()) << "the deleted note went";
    EXPECT_EQ(testing::markedDays(calendarWindow().calendar()), std::vector<int>{6});

    for (const char* name : {"20261001.dnf", "20261015.dnf", "20261101.dnf"}) {
        write(name);
    }
    calendarWindow().showDay(Date{2026, 10, 1});
    t.program().showOverviewWindow();
    std::filesystem::remove(t.file("20261015.dnf"));
    options.deleteBox().click(); // off and on again, so that Apply can be pressed
    options.deleteBox().click();
    options.applyButton().click();
    EXPECT_EQ(t.told(),
              (testing::Told{{"The Note For 10/15/2026 Was Not Found!", msg::Exclamation}}));
    EXPECT_EQ(t.program().overviewWindow().list().model()->rowCount(), 3);
    EXPECT_EQ(calendarWindow().noteBox().noteText(), "n") << "not reloaded";
    t.end();
    t.started();
    EXPECT_EQ(t.fileNames(),
              (std::vector<std::string>{"20260101.dnf", "20261106.dnf", "options.cfg"}));
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

// A window manager may still hide or minimise the window; the icon always brings it back.
// A double click slides a parked window out, and a window anywhere else away.
TEST_F(ShellTest, trayClickOrDoubleClickBringsTheWindowBack) {
    t.started();
    CalendarWindow& w = calendarWindow();
    w.setLeftTwips(t.fakes.screen.width - 30); // parked: a click brings it forward, unmoved
    const QPoint parked = w.pos();
    ASSERT_TRUE(w.staysOnTop());
    t.fakes.tray.handlers.leftPress();
    EXPECT_FALSE(w.staysOnTop()) << "in front, but not pinned there";
    EXPECT_EQ(w.pos(), parked);
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
    for (const auto& [left, slidesOut] : {std::pair{30.0f, true}, std::pair{31.0f, false}}) {
        TestProgram p;
        p.program().startWindow();
        p.program().calendarWindow().setLeftTwips(p.fakes.screen.width - left);
        p.fakes.tray.handlers.doubleClick();
        EXPECT_EQ(p.program().calendarWindow().isSlidingOut(), slidesOut) << left;
        EXPECT_EQ(p.program().calendarWindow().isSlidingAway(), !slidesOut) << left;
    }
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

// A click is a left press and release on the link; the release elsewhere is none.
TEST_F(ShellTest, aLeftClickOnTheLinkOpensThePageAndAFailureSaysNothing) {
    t.program().showAboutWindow();
    QLabel& link = t.program().aboutWindow().link();
    t.fakes.browser.succeeds = false;
    for (const auto& [button, releasedAt] :
         {std::pair{Qt::RightButton, QPoint(5, 5)}, std::pair{Qt::LeftButton, QPoint(5, -40)},
          std::pair{Qt::LeftButton, QPoint(5, 5)}}) {
        sendMouse(link, QEvent::MouseButtonPress, button);
        sendMouse(link, QEvent::MouseButtonRelease, button, releasedAt);
    }
    EXPECT_EQ(t.fakes.browser.opened, std::vector<QUrl>{QUrl("https://www.example.com/")});
    EXPECT_TRUE(t.told().empty());
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
