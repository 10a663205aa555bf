#include "about/about_window.h"
#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "overview/overview_window.h"
#include "platform/artwork.h"
#include "platform/qt_services.h"
#include "settings/options_window.h"
#include "shell/single_instance.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLocalSocket>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace almanor {
namespace {

using testing::record;
using testing::TestProgram;
using testing::Told;

void sendMouse(QWidget& target, QEvent::Type type, Qt::MouseButton button, QPoint at = {5, 5}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

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
    OptionsWindow& options() {
        t.program().showOptionsWindow();
        return *t.program().optionsWindow();
    }
    void click(const char* name) { testing::childNamed<QAbstractButton>(options(), name).click(); }
    TestProgram t;
};

// The purge looks at the folder as it is, and the calendar follows: a note deleted by hand
// meanwhile is simply gone. It never deletes the shown day's note. At start-up it waits until
// the list was read behind the window, and goes by the limit the file gave at the start.
TEST_F(ShellTest, purgeDeletesOldNotesAsTheFolderHoldsThemNow) {
    const auto write = [this](const std::string& name) {
        t.writeFile(name, record("n", name.substr(4, 2) + "/" + name.substr(6, 2) + "/2026"));
    };
    write("20261105.dnf"); // 31 days old
    write("20261106.dnf");
    calendarWindow().showDay(Date{2026, 11, 5});
    click("deleteOldNotes");
    click("apply");
    EXPECT_EQ(calendarWindow().noteBox().noteText(), "n") << "the shown day's note stays";

    for (const char* name : {"20261001.dnf", "20261015.dnf", "20261101.dnf"}) {
        write(name);
    }
    calendarWindow().showDay(Date{2026, 11, 6});
    std::filesystem::remove(t.file("20261015.dnf"));
    click("deleteOldNotes"); // off and on again, so that Apply can be pressed
    click("deleteOldNotes");
    click("apply");
    EXPECT_TRUE(t.told().empty());
    EXPECT_EQ(testing::markedDays(calendarWindow().calendar()), std::vector<int>{6});
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"20261106.dnf", "options.cfg"}));
    write("20261002.dnf");
    write("20261126.dnf");
    t.end();
    t.started();
    QTest::keyClicks(&testing::childNamed(options(), "Days"), "\b\b3"); // never applied
    QTest::keyClicks(&calendarWindow().noteBox(), "x"); // a save changes the list, reads not all
    EXPECT_TRUE(t.exists("20261002.dnf")) << "not before the list was read";
    for (int step = 0; step < 100 && t.exists("20261002.dnf"); ++step) {
        testing::tick(t.program().notes(), "listReading"); // a busy machine may need more
    }
    EXPECT_FALSE(t.exists("20261002.dnf"));
    EXPECT_TRUE(t.exists("20261126.dnf")) << "10 days old: the file says 30";
    EXPECT_FALSE(t.program().notes().findChild<QTimer*>("listReading")->isActive())
        << "read once, not over and over";
    write("20261002.dnf");
    t.end();
    t.started();
    click("deleteOldNotes"); // off, and applied before the list was read
    click("apply");
    const QTimer* reading = t.program().notes().findChild<QTimer*>("listReading");
    for (int step = 0; step < 100 && reading->isActive(); ++step) {
        testing::tick(t.program().notes(), "listReading");
    }
    EXPECT_TRUE(t.exists("20261002.dnf")) << "by what was applied";
}

// A pipe, a link to a device or a huge file in the place of options.cfg or of the help file
// holds nothing up: the settings are the defaults and why is told once, silently when the
// file is missing; the help says why it could not be opened.
TEST_F(ShellTest, settingsAndHelpThatCannotBeReadAreToldWhy) {
    const std::pair<std::function<void(const std::filesystem::path&)>, QString> cases[] = {
        {[](const auto&) {}, "it does not exist"},
        {[](const auto& file) { ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); },
         "it is not a regular file"},
        {[](const auto& file) { std::filesystem::create_symlink("/dev/zero", file); },
         "it is not a regular file"},
        {[](const auto& file) { std::ofstream(file) << std::string(5 << 20, ' '); },
         "it is too large"},
        {[](const auto& file) { std::ofstream(file) << "30,#TRUE#\r\n<p>Help</p>"; }, ""},
    };
    QtHelpViewer help;
    for (const auto& [make, why] : cases) {
        SCOPED_TRACE(why.toStdString());
        TestProgram p;
        make(p.file("options.cfg"));
        make(p.file("almanor.hlp"));
        p.started();
        const QString told = QString("The settings file options.cfg could not be read (%1), so "
                                     "the standard settings are used.")
                                 .arg(why);
        EXPECT_EQ(p.told(),
                  (why.startsWith("it is ") ? Told{{told, MessageStyle::Warning}} : Told{}));
        EXPECT_EQ(p.program().settings().inEffect(), Settings{});
        QString whyNot;
        EXPECT_EQ(help.showContents(QString::fromStdString(p.file("almanor.hlp")), whyNot),
                  why.isEmpty());
        EXPECT_EQ(whyNot, why);
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
        const auto* browser = qobject_cast<QTextBrowser*>(window);
        return browser && browser->isVisible() && browser->toPlainText().endsWith("Help");
    }));
}

// The splash is the about window for two seconds on its timer, and About meanwhile is the
// splash. The icon's menu shows the one options window, and Exit ends at once.
TEST_F(ShellTest, splashAndTrayMenuShowTheirWindowsAndTheIconGoesWithTheProgram) {
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
// back. A click brings it forward unmoved; a double click slides a parked window out, and a
// window anywhere else away.
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
    for (const auto& [left, slidesOut] : {std::pair{30.0f, true}, std::pair{31.0f, false}}) {
        TestProgram p;
        p.applySettings([](Settings& s) { s.slideAway = false; });
        CalendarWindow& window = *p.started().calendarWindow();
        window.setLeftTwips(p.fakes.screen.width - left);
        p.fakes.tray.handlers.doubleClick();
        EXPECT_EQ(window.isSlidingOut(), slidesOut) << left;
        EXPECT_EQ(window.isSlidingAway(), !slidesOut) << left;
    }
    // Where the tray reports no double clicks, a click is the way back to a parked window.
    w.setLeftTwips(t.fakes.screen.width - 30);
    t.fakes.tray.doubleClicks = false;
    t.fakes.tray.handlers.leftPress();
    EXPECT_TRUE(w.isSlidingOut());
}

// The link is red under the mouse; a click on it is a left press and release there.
TEST_F(ShellTest, aboutWindowShowsItsPictureAndItsLinkOpensThePage) {
    t.program().showAboutWindow();
    AboutWindow& w = *t.program().aboutWindow();
    for (int round = 0; round < 2; ++round) {
        sendMouse(w.link(), QEvent::MouseMove, Qt::NoButton);
        EXPECT_EQ(w.linkColour(), QColor(Qt::red));
        sendMouse(w, QEvent::MouseMove, Qt::NoButton);
        EXPECT_EQ(w.linkColour(), QColor(Qt::black));
    }
    t.fakes.browser.succeeds = false;
    for (const auto& [button, releasedAt] :
         {std::pair{Qt::RightButton, QPoint(5, 5)}, std::pair{Qt::LeftButton, QPoint(5, -40)},
          std::pair{Qt::MiddleButton, QPoint(5, 5)}, std::pair{Qt::LeftButton, QPoint(5, 5)}}) {
        sendMouse(w.link(), QEvent::MouseButtonPress, button);
        sendMouse(w.link(), QEvent::MouseButtonRelease, button, releasedAt);
    }
    EXPECT_EQ(t.fakes.browser.opened, std::vector<QUrl>{QUrl("https://www.example.com/")});
    testing::activate(w); // the keyboard reaches the link too, and shows where it is
    w.link().setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.link().frameShape(), QFrame::Box);
    QTest::keyClick(&w.link(), Qt::Key_Return);
    QTest::keyClick(&w.link(), Qt::Key_Space);
    EXPECT_EQ(t.fakes.browser.opened.size(), 3u);
    w.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(t.program().aboutWindow()) << "closing destroys it";
}

// Another start on the folder, in a thread of its own as in a process of its own, while this
// thread's event loop lets the running program answer.
std::pair<SingleInstance::Start, qint64> startBeside(const QTemporaryDir& notes,
                                                     const QTemporaryDir& runtime) {
    auto start = std::async(std::launch::async, [&] {
        SingleInstance other(notes.path(), runtime.path());
        return std::pair{other.claim(), other.otherProcess()};
    });
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return start.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    return start.get();
}

QStringList entries(const QTemporaryDir& folder) {
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}

TEST(SingleInstance, aSecondStartOnTheFolderAsksTheFirstToShowAndEnds) {
    QTemporaryDir notes, runtime, otherNotes;
    SingleInstance first(notes.path(), runtime.path());
    ASSERT_EQ(first.claim(), SingleInstance::Start::Alone);
    QSignalSpy shown(&first, &SingleInstance::showRequested);
    EXPECT_EQ(startBeside(notes, runtime).first, SingleInstance::Start::HandedOver);
    EXPECT_EQ(shown.count(), 1);
    SingleInstance elsewhere(otherNotes.path(), runtime.path()); // another folder, another planner
    EXPECT_EQ(elsewhere.claim(), SingleInstance::Start::Alone);
    first.release();
    EXPECT_EQ(entries(runtime).size(), 2) << "only the other folder's lock and socket are left";
}

TEST(SingleInstance, aStartNeverAsksASocketOfAnotherUser) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a socket away";
    }
    QTemporaryDir notes, runtime;
    SingleInstance first(notes.path(), runtime.path());
    ASSERT_EQ(first.claim(), SingleInstance::Start::Alone);
    QSignalSpy shown(&first, &SingleInstance::showRequested);
    const QString socket = runtime.filePath(entries(runtime).filter(".socket").value(0));
    ASSERT_EQ(::chown(QFile::encodeName(socket).constData(), 65534, 65534), 0);
    const auto [start, process] = startBeside(notes, runtime);
    EXPECT_EQ(start, SingleInstance::Start::NoAnswer);
    EXPECT_EQ(process, QCoreApplication::applicationPid()) << "the user is told which one";
    EXPECT_EQ(shown.count(), 0);
}

TEST(SingleInstance, idleCallersAreDroppedAndAFailedAcceptStopsNoListening) {
    QTemporaryDir notes, runtime;
    SingleInstance first(notes.path(), runtime.path());
    ASSERT_EQ(first.claim(), SingleInstance::Start::Alone);
    const QString socket = runtime.filePath(entries(runtime).filter(".socket").value(0));
    std::vector<std::unique_ptr<QLocalSocket>> idle(20);
    for (auto& caller : idle) {
        caller = std::make_unique<QLocalSocket>();
        caller->connectToServer(socket);
        ASSERT_TRUE(caller->waitForConnected(1000));
    }
    EXPECT_EQ(startBeside(notes, runtime).first, SingleInstance::Start::HandedOver);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(idle.begin(), idle.end(), [](const auto& caller) {
                return caller->state() == QLocalSocket::UnconnectedState;
            });
        },
        10000));

    // No file handle left to accept a caller with: the server stops, then listens again.
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    const rlimit lowered{256, limit.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    std::vector<int> handles;
    for (int handle = ::dup(STDERR_FILENO); handle >= 0; handle = ::dup(STDERR_FILENO)) {
        handles.push_back(handle);
    }
    ASSERT_FALSE(handles.empty());
    ::close(handles.back());
    handles.pop_back();
    QLocalSocket caller;
    caller.connectToServer(socket);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(socket); }, 5000));
    std::for_each(handles.begin(), handles.end(), ::close);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);
    EXPECT_EQ(startBeside(notes, runtime).first, SingleInstance::Start::HandedOver);
}

} // namespace
} // namespace almanor
