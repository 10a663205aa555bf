#include "about/about_window.h"
#include "calendar/calendar_window.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "settings/options_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace almanor {
namespace {

class OptionsWindowTest : public ::testing::Test {
protected:
    OptionsWindow& options() {
        t.program().showOptionsWindow();
        return t.program().optionsWindow();
    }
    Settings& settings() { return t.program().settings(); }
    void typeDays(const char* keys) {
        options().daysField().setFocus();
        options().daysField().end(false);
        testing::typeKeys(options().daysField(), keys);
    }
    testing::TestProgram t;
};

TEST_F(OptionsWindowTest, setUpShowsTheFileOrTheDefaults) {
    const struct {
        const char* line;    // nothing: no file
        const char* checked; // top, slide, mouse, alarm, chime, tray, warn, purge; "-": disabled
        const char* days;
        const char* speed;
    } cases[] = {
        {nullptr, "11111110", "30", "3"},
        {"7,#FALSE#,#FALSE#,#FALSE#,\"1000\",#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,\"a\",\"c\"",
         "00100000", "7", "10"},
        // The mouse opener off forces the tray icon on before the icon's own setting is read.
        {"365,#TRUE#,#TRUE#,#TRUE#,\"100\",#FALSE#,#TRUE#,#TRUE#,#FALSE#,#TRUE#,\"a\",\"c\"",
         "11011-11", "365", "1"},
        // Foreign values leave their boxes checked and are kept as read.
        {"30,1,1,0,\"50\",1,1,1,1,#TRUE#,\"a\",\"c\"", "11111111", "30", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line ? c.line : "no file");
        testing::TestProgram p;
        if (c.line) {
            p.writeFile("options.cfg", std::string(c.line) + "\r\n");
        }
        p.program().showOptionsWindow();
        OptionsWindow& w = p.program().optionsWindow();
        QString checked;
        for (QCheckBox* box : {&w.topBox(), &w.slideBox(), &w.mouseBox(), &w.alarmBox(),
                               &w.chimeBox(), &w.taskBox(), &w.warnBox(), &w.deleteBox()}) {
            checked += !box->isEnabled() ? '-' : box->isChecked() ? '1' : '0';
        }
        EXPECT_EQ(checked, c.checked);
        EXPECT_EQ(w.daysField().text(), c.days);
        const QList<QListWidgetItem*> speed = w.speedList().selectedItems();
        EXPECT_EQ(speed.isEmpty() ? QString() : speed.front()->text(), c.speed);
        EXPECT_FALSE(w.applyButton().isEnabled());
        EXPECT_EQ(p.exists("options.cfg"), c.line != nullptr) << "the set-up writes nothing";
    }
}

// A control that is not on show, lies under another or has no name cannot be used.
TEST_F(OptionsWindowTest, everyControlIsOnShowAndNoneCoversAnother) {
    OptionsWindow& w = options();
    const QWidget* controls[] = {&w.topBox(),          &w.speedList(), &w.slideBox(),
                                 &w.mouseBox(),        &w.alarmBox(),  &w.alarmSoundButton(),
                                 &w.alarmPlayButton(), &w.chimeBox(),  &w.chimeSoundButton(),
                                 &w.chimePlayButton(), &w.taskBox(),   &w.warnBox(),
                                 &w.deleteBox(),       &w.daysField(), &w.applyButton(),
                                 &w.aboutButton(),     &w.helpButton()};
    for (const QWidget* a : controls) {
        ASSERT_TRUE(a->isVisibleTo(&w)) << a->metaObject()->className();
        EXPECT_FALSE(a->accessibleName().isEmpty() && a->property("text").toString().isEmpty())
            << "a screen reader can name it";
        const QRect placed(a->mapTo(&w, QPoint(0, 0)), a->size());
        EXPECT_TRUE(w.rect().contains(placed));
        for (const QWidget* b : controls) {
            EXPECT_TRUE(a == b || !placed.intersects(QRect(b->mapTo(&w, QPoint(0, 0)), b->size())))
                << a->metaObject()->className() << " under " << b->metaObject()->className();
        }
    }
}

TEST_F(OptionsWindowTest, eachControlStoresItsSettingAndEnablesApply) {
    const struct {
        QCheckBox& (OptionsWindow::*box)();
        SettingValue Settings::*setting;
    } cases[] = {
        {&OptionsWindow::topBox, &Settings::utop},
        {&OptionsWindow::slideBox, &Settings::uslide},
        {&OptionsWindow::alarmBox, &Settings::ualarm},
        {&OptionsWindow::chimeBox, &Settings::uchime},
        {&OptionsWindow::taskBox, &Settings::utask},
        {&OptionsWindow::deleteBox, &Settings::udel},
        {&OptionsWindow::mouseBox, &Settings::umouse},
    };
    for (const auto& c : cases) {
        testing::TestProgram p;
        p.program().showOptionsWindow();
        OptionsWindow& w = p.program().optionsWindow();
        QCheckBox& box = (w.*c.box)();
        Settings expected = p.program().settings();
        expected.*c.setting = !box.isChecked();
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
        EXPECT_EQ(p.program().settings(), expected) << box.text().toStdString();
        EXPECT_TRUE(w.applyButton().isEnabled());
    }
    options().speedList().setCurrentRow(6);
    EXPECT_EQ(settings().slideSpeed, SettingValue(std::string("700")));
    EXPECT_TRUE(options().applyButton().isEnabled());
    options().speedList().setCurrentRow(9);
    EXPECT_EQ(settings().slideSpeed, SettingValue(std::string("1000")));
    options().warnBox().click();
    EXPECT_FALSE(settings().uwarn);
}

// Without the mouse opener the tray icon is the way back to a parked window.
TEST_F(OptionsWindowTest, mouseOpenerAndTrayIconAreCoupledBothWays) {
    OptionsWindow& w = options();
    w.taskBox().click();
    w.mouseBox().click(); // off: the icon is forced on, its box keeps what it showed
    EXPECT_EQ(std::tuple(w.taskBox().isEnabled(), w.taskBox().isChecked(), settings().utask),
              std::tuple(false, false, SettingValue(true)));
    w.mouseBox().click(); // on again
    EXPECT_EQ(std::tuple(w.taskBox().isEnabled(), w.taskBox().isChecked(), settings().utask),
              std::tuple(true, true, SettingValue(true)));
}

TEST_F(OptionsWindowTest, daysFieldTakesDigitsOnly) {
    const struct {
        const char* keys;
        const char* shown;
        int deleteDays;
    } cases[] = {
        {"\b\b3a", "", 3}, {"\b\b45", "45", 45}, {"\b7", "37", 37},     {"x", "3", 3},
        {"-", "3", 3},     {"\b\b9", "9", 9},    {"\b\b123", "12", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        testing::TestProgram p;
        p.program().showOptionsWindow();
        OptionsWindow& w = p.program().optionsWindow();
        w.daysField().end(false);
        testing::typeKeys(w.daysField(), c.keys);
        EXPECT_EQ(w.daysField().text(), c.shown);
        EXPECT_EQ(p.program().settings().deleteDays, c.deleteDays);
        EXPECT_TRUE(w.applyButton().isEnabled());
    }
    t.writeFile("options.cfg",
                "365,#TRUE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
                "\"a\",\"c\"\r\n");
    typeDays("\b\b45"); // a longer number from the file shrinks, then takes two digits again
    EXPECT_EQ(options().daysField().text(), "34");
    options().daysField().selectAll();
    QApplication::clipboard()->setText("9x"); // pasted text that is no number keeps the days
    options().daysField().paste();
    EXPECT_EQ(settings().deleteDays, 34);
}

TEST_F(OptionsWindowTest, soundButtonsChooseAWaveFileAndPlayWhatIsInMemory) {
    OptionsWindow& w = options();
    w.alarmSoundButton().click(); // cancelled
    EXPECT_EQ(t.fakes.fileDialog.asked, (QStringList{"Open Wav", "Audio Wav|*.wav"}));
    EXPECT_FALSE(w.applyButton().isEnabled());
    t.fakes.fileDialog.answer = QString("/sounds/bell.wav");
    w.chimeSoundButton().click();
    const QString bell = QDir::toNativeSeparators("/sounds/bell.wav");
    EXPECT_EQ(settings().chimeSound, SettingValue(bell.toStdString()));
    EXPECT_TRUE(w.applyButton().isEnabled());
    w.alarmPlayButton().click();
    w.chimePlayButton().click();
    const QDir folder(QString::fromStdString(t.program().appFolder()));
    EXPECT_EQ(t.fakes.sound.played,
              (QStringList{QDir::toNativeSeparators(folder.filePath("alarm.wav")), bell}));
    EXPECT_FALSE(t.exists("options.cfg"));
    w.aboutButton().click();
    EXPECT_TRUE(t.program().hasAboutWindow() && t.program().aboutWindow().isVisible());
    w.helpButton().click();
    EXPECT_EQ(t.fakes.help.shownPaths, QStringList{folder.filePath("almanor.hlp")});
}

TEST_F(OptionsWindowTest, applyWritesTheFileAndTheProgramFollows) {
    OptionsWindow& w = options();
    w.topBox().click();
    w.topBox().click();
    w.applyButton().click();
    EXPECT_EQ(t.readFile("options.cfg"),
              "30,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
              "\"alarm.wav\",\"chime.wav\"\r\n");
    EXPECT_FALSE(w.applyButton().isEnabled());
    EXPECT_TRUE(t.program().calendarWindow().staysOnTop());
    EXPECT_TRUE(t.fakes.tray.shown);

    w.taskBox().click();
    w.topBox().click();
    w.applyButton().click();
    EXPECT_FALSE(t.fakes.tray.shown);
    EXPECT_FALSE(t.program().calendarWindow().staysOnTop());
    EXPECT_TRUE(t.told().empty());
}

// A folder in the settings file's place makes the write fail for every user, root included.
TEST_F(OptionsWindowTest, failedApplySaysWhyAndChangesNothing) {
    std::filesystem::create_directories(t.file("options.cfg") / "blocked");
    options().taskBox().click();
    options().applyButton().click();
    ASSERT_EQ(t.told().size(), 1u);
    EXPECT_TRUE(t.told()[0].text.startsWith("Couldn't create file options.cfg!\nSettings were "
                                            "not saved!\n"));
    EXPECT_TRUE(options().applyButton().isEnabled());
    EXPECT_FALSE(t.program().hasCalendarWindow()) << "nothing was applied";
    std::filesystem::remove_all(t.file("options.cfg"));
    options().applyButton().click();
    EXPECT_EQ(t.told().size(), 1u) << "a later Apply succeeds";
    EXPECT_FALSE(t.fakes.tray.shown);
}

// An emptied days field must never apply the number it showed before (BackSpace twice on
// "30" leaves 3 behind), and never purge by it.
TEST_F(OptionsWindowTest, applyTakesOnlyTheNumberTheDaysFieldShows) {
    t.writeFile("20261101.dnf", testing::record("old", "11/01/2026"));
    t.writeFile("options.cfg", "30,#TRUE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
                               "\"alarm.wav\",\"chime.wav\"\r\n");
    OptionsWindow& w = options();
    typeDays("\b\b");
    w.applyButton().click();
    ASSERT_EQ(t.told().size(), 1u);
    EXPECT_TRUE(t.told()[0].text.startsWith("Enter how many days"));
    EXPECT_TRUE(t.exists("20261101.dnf")) << "nothing purged";
    EXPECT_TRUE(t.readFile("options.cfg").starts_with("30,#TRUE#")) << "nothing written";
    EXPECT_TRUE(w.daysField().text().isEmpty()) << "the user's text stays";

    w.deleteBox().click(); // purge off: the field is refilled with the number that is written
    w.applyButton().click();
    EXPECT_EQ(w.daysField().text(), "3");
    EXPECT_TRUE(t.readFile("options.cfg").starts_with("3,#FALSE#"));
}

TEST_F(OptionsWindowTest, reopeningDiscardsChangesThatWereNeverApplied) {
    options().topBox().click();
    typeDays("\b5");
    options().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(t.program().hasOptionsWindow());
    EXPECT_TRUE(options().topBox().isChecked());
    EXPECT_EQ(options().daysField().text(), "30");
    EXPECT_EQ(settings(), Settings{});
}

} // namespace
} // namespace almanor
