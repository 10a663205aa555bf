#include "about/about_window.h"
#include "calendar/calendar_window.h"
#include "fakes/test_program.h"
#include "settings/options_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::TestProgram;

const char* const kDefaultsLine = "30,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
                                  "#TRUE#,\"alarm.wav\",\"chime.wav\"\r\n";

class OptionsWindowTest : public ::testing::Test {
protected:
    OptionsWindow& options() {
        t.program().showOptionsWindow();
        return t.program().optionsWindow();
    }
    void closeOptions() {
        options().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_FALSE(t.program().hasOptionsWindow());
    }
    Settings& settings() { return t.program().settings; }
    QString selectedSpeed() {
        const QList<QListWidgetItem*> selected = options().speedList().selectedItems();
        return selected.isEmpty() ? QString() : selected.front()->text();
    }
    void typeDays(const QString& keys) { QTest::keyClicks(&options().daysField(), keys); }
    // A settings file that differs from the defaults only where `line` says.
    void writeSettings(const std::string& line) { t.writeFile("options.cfg", line + "\r\n"); }
    TestProgram t;
};

TEST_F(OptionsWindowTest, controlsCarryTheirCaptions) {
    OptionsWindow& w = options();
    EXPECT_EQ(w.windowTitle(), "Almanor");
    EXPECT_EQ(w.heading().text(), "OPTIONS");
    EXPECT_TRUE(w.heading().font().bold());
    const std::pair<QAbstractButton*, const char*> captions[] = {
        {&w.topBox(), "Always On Top"},
        {&w.slideBox(), "Slide Away On Open"},
        {&w.mouseBox(), "Open By Moving Mouse"},
        {&w.alarmBox(), "Enable Alarm"},
        {&w.alarmSoundButton(), "Select Alarm Sound"},
        {&w.chimeBox(), "Hourly Chime"},
        {&w.chimeSoundButton(), "Select Chime Sound"},
        {&w.taskBox(), "Show Taskbar Icon"},
        {&w.warnBox(), "Warn About Setting Alarm For Old Date/Time"},
        {&w.deleteBox(), "Delete Notes More Than"},
        {&w.applyButton(), "Apply"},
        {&w.aboutButton(), "About"},
        {&w.helpButton(), "Help"},
    };
    for (const auto& [control, caption] : captions) {
        EXPECT_EQ(control->text(), caption);
    }
    EXPECT_FALSE(w.applyButton().icon().isNull());
    EXPECT_FALSE(w.alarmPlayButton().icon().isNull());
    EXPECT_FALSE(w.chimePlayButton().icon().isNull());

    QStringList frames;
    for (const QGroupBox* frame : w.findChildren<QGroupBox*>()) {
        frames << frame->title();
    }
    EXPECT_EQ(frames, (QStringList{"Calendar Window Properties", "General  Properties"}));
    const auto inFrame = [](QWidget& control, const QString& title) {
        const auto* frame = qobject_cast<QGroupBox*>(control.parentWidget());
        return frame != nullptr && frame->title() == title;
    };
    const QList<QWidget*> windowControls{&w.topBox(), &w.slideBox(), &w.mouseBox(), &w.speedList()};
    for (QWidget* control : windowControls) {
        EXPECT_TRUE(inFrame(*control, "Calendar Window Properties"));
    }
    const QList<QWidget*> generalControls{&w.alarmBox(), &w.chimeBox(),  &w.taskBox(),
                                          &w.warnBox(),  &w.deleteBox(), &w.daysField()};
    for (QWidget* control : generalControls) {
        EXPECT_TRUE(inFrame(*control, "General  Properties"));
    }
    QStringList labels;
    for (const QLabel* label : w.findChildren<QLabel*>()) {
        labels << label->text();
    }
    EXPECT_TRUE(labels.contains("Sliding Speed"));
    EXPECT_TRUE(labels.contains("Days Old"));

    QStringList items;
    for (int row = 0; row < w.speedList().count(); ++row) {
        items << w.speedList().item(row)->text();
    }
    EXPECT_EQ(items, (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(w.daysField().maxLength(), 2);
}

TEST_F(OptionsWindowTest, opensOnTheDefaultsWithEverythingButPurgeChecked) {
    OptionsWindow& w = options();
    for (QCheckBox* box : {&w.topBox(), &w.slideBox(), &w.mouseBox(), &w.alarmBox(), &w.chimeBox(),
                           &w.taskBox(), &w.warnBox()}) {
        EXPECT_TRUE(box->isChecked()) << box->text().toStdString();
        EXPECT_TRUE(box->isEnabled());
    }
    EXPECT_FALSE(w.deleteBox().isChecked());
    EXPECT_EQ(w.daysField().text(), "30");
    EXPECT_EQ(selectedSpeed(), "3");
    EXPECT_FALSE(w.applyButton().isEnabled());
    EXPECT_EQ(settings(), Settings{});
}

TEST_F(OptionsWindowTest, slidingSpeedSelectsItsItemOrNone) {
    struct Case {
        const char* field; // as written in the file
        const char* selected;
        SettingValue speedAfter;
    } cases[] = {
        {"\"1000\"", "10", std::string("1000")}, {"\"100\"", "1", std::string("100")},
        {"700", "7", std::string("700")}, // a bare number is read as text once chosen
        {"\"50\"", "", std::string("50")},       {"\"abc\"", "", std::string("abc")},
        {"\"310\"", "3", std::string("300")}, // read as its hundreds
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        TestProgram p;
        p.writeFile("options.cfg",
                    std::string("30,#FALSE#,#TRUE#,#TRUE#,") + c.field +
                        ",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a.wav\",\"c.wav\"\r\n");
        p.program().showOptionsWindow();
        OptionsWindow& w = p.program().optionsWindow();
        const QList<QListWidgetItem*> selected = w.speedList().selectedItems();
        EXPECT_EQ(selected.isEmpty() ? QString() : selected.front()->text(), c.selected);
        EXPECT_EQ(p.program().settings.slideSpeed, c.speedAfter);
        EXPECT_FALSE(w.applyButton().isEnabled());
    }
}

TEST_F(OptionsWindowTest, choosingASpeedStoresItsHundreds) {
    options().speedList().setCurrentRow(6);
    EXPECT_EQ(settings().slideSpeed, SettingValue(std::string("700")));
    EXPECT_TRUE(options().applyButton().isEnabled());
    options().speedList().setCurrentRow(9);
    EXPECT_EQ(settings().slideSpeed, SettingValue(std::string("1000")));
}

TEST_F(OptionsWindowTest, settingsThatAreOffUncheckTheirBoxes) {
    writeSettings("7,#FALSE#,#FALSE#,#FALSE#,\"300\",#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,"
                  "\"a.wav\",\"c.wav\"");
    OptionsWindow& w = options();
    EXPECT_FALSE(w.topBox().isChecked());
    EXPECT_FALSE(w.slideBox().isChecked());
    EXPECT_TRUE(w.mouseBox().isChecked());
    EXPECT_FALSE(w.alarmBox().isChecked());
    EXPECT_FALSE(w.chimeBox().isChecked());
    EXPECT_FALSE(w.taskBox().isChecked());
    EXPECT_FALSE(w.warnBox().isChecked());
    EXPECT_FALSE(w.deleteBox().isChecked());
    EXPECT_EQ(w.daysField().text(), "7");
    EXPECT_EQ(settings().deleteDays, 7);
    EXPECT_FALSE(w.applyButton().isEnabled());
    EXPECT_EQ(settings().utop, SettingValue(false));
    EXPECT_EQ(settings().utask, SettingValue(false));
    EXPECT_FALSE(settings().uwarn);
}

TEST_F(OptionsWindowTest, mouseOpenerOffInTheFileForcesTheTrayIconOn) {
    writeSettings("30,#FALSE#,#TRUE#,#TRUE#,\"300\",#FALSE#,#TRUE#,#TRUE#,#FALSE#,#TRUE#,"
                  "\"a.wav\",\"c.wav\"");
    OptionsWindow& w = options();
    EXPECT_FALSE(w.mouseBox().isChecked());
    EXPECT_FALSE(w.taskBox().isEnabled());
    EXPECT_TRUE(w.taskBox().isChecked()) << "forced on before its own test";
    EXPECT_EQ(settings().umouse, SettingValue(false));
    EXPECT_EQ(settings().utask, SettingValue(true));
    EXPECT_FALSE(w.applyButton().isEnabled());
}

TEST_F(OptionsWindowTest, foreignValuesLeaveTheirBoxesChecked) {
    writeSettings("30,1,1,0,\"300\",1,1,1,1,#TRUE#,\"a.wav\",\"c.wav\"");
    OptionsWindow& w = options();
    for (QCheckBox* box : {&w.deleteBox(), &w.topBox(), &w.slideBox(), &w.mouseBox(), &w.alarmBox(),
                           &w.chimeBox(), &w.taskBox()}) {
        EXPECT_TRUE(box->isChecked()) << box->text().toStdString();
    }
    EXPECT_EQ(settings().utop, SettingValue(1.0)) << "kept as read";
    EXPECT_EQ(settings().uslide, SettingValue(0.0));
}

TEST_F(OptionsWindowTest, eachBoxStoresItsStateAndEnablesApply) {
    struct Case {
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
    for (const Case& c : cases) {
        TestProgram p;
        p.program().showOptionsWindow();
        OptionsWindow& w = p.program().optionsWindow();
        QCheckBox& box = (w.*c.box)();
        SCOPED_TRACE(box.text().toStdString());
        const bool wasChecked = box.isChecked();
        box.click();
        EXPECT_EQ(p.program().settings.*c.setting, SettingValue(!wasChecked));
        EXPECT_TRUE(w.applyButton().isEnabled());
        box.click();
        EXPECT_EQ(p.program().settings.*c.setting, SettingValue(wasChecked));
    }
    options().warnBox().click();
    EXPECT_FALSE(settings().uwarn);
    EXPECT_TRUE(options().applyButton().isEnabled());
    options().warnBox().click();
    EXPECT_TRUE(settings().uwarn);
}

TEST_F(OptionsWindowTest, mouseOpenerAndTrayIconAreCoupledBothWays) {
    OptionsWindow& w = options();
    w.taskBox().click();
    ASSERT_EQ(settings().utask, SettingValue(false));

    w.mouseBox().click(); // off
    EXPECT_EQ(settings().umouse, SettingValue(false));
    EXPECT_FALSE(w.taskBox().isEnabled());
    EXPECT_FALSE(w.taskBox().isChecked()) << "the box keeps what it showed";
    EXPECT_EQ(settings().utask, SettingValue(true)) << "but the icon is forced on";

    w.mouseBox().click(); // on again
    EXPECT_EQ(settings().umouse, SettingValue(true));
    EXPECT_TRUE(w.taskBox().isEnabled());
    EXPECT_TRUE(w.taskBox().isChecked());
    EXPECT_EQ(settings().utask, SettingValue(true));
}

TEST_F(OptionsWindowTest, mouseOpenerOffThenApplyShowsTheIcon) {
    OptionsWindow& w = options();
    w.taskBox().click();
    w.mouseBox().click();
    w.applyButton().click();
    EXPECT_TRUE(t.fakes.tray.shown);
    EXPECT_EQ(t.readFile("options.cfg"), "30,#FALSE#,#TRUE#,#TRUE#,\"300\",#FALSE#,#TRUE#,#TRUE#,"
                                         "#TRUE#,#TRUE#,\"alarm.wav\",\"chime.wav\"\r\n");
}

TEST_F(OptionsWindowTest, daysFieldTakesDigitsOnly) {
    struct Case {
        const char* keys;
        const char* shown;
        int deleteDays;
    } cases[] = {
        {"", "30", 30}, {"\b\b3a", "", 3},     {"\b\b45", "45", 45}, {"\b7", "37", 37},
        {"x", "3", 3},  {"\b\b123", "12", 12}, {"\b\b5 ", "", 5},    {"-", "3", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        TestProgram p;
        p.program().showOptionsWindow();
        QLineEdit& field = p.program().optionsWindow().daysField();
        field.setFocus();
        field.end(false);
        for (const char* key = c.keys; *key != '\0'; ++key) {
            if (*key == '\b') {
                QTest::keyClick(&field, Qt::Key_Backspace);
            } else {
                QTest::keyClicks(&field, QString(QLatin1Char(*key)));
            }
        }
        EXPECT_EQ(field.text(), c.shown);
        EXPECT_EQ(p.program().settings.deleteDays, c.deleteDays);
    }
}

TEST_F(OptionsWindowTest, daysFieldKeepsItsEditingKeys) {
    QLineEdit& field = options().daysField();
    field.setFocus();
    field.setCursorPosition(0);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), "0");
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClicks(&field, "4");
    EXPECT_EQ(field.text(), "04");
    EXPECT_EQ(settings().deleteDays, 4);
    EXPECT_TRUE(options().applyButton().isEnabled());
}

TEST_F(OptionsWindowTest, pastedTextThatIsNoNumberKeepsTheDays) {
    QLineEdit& field = options().daysField();
    field.selectAll();
    QApplication::clipboard()->setText("9x");
    field.paste();
    EXPECT_EQ(field.text(), "9x");
    EXPECT_EQ(settings().deleteDays, 30);
    field.selectAll();
    QApplication::clipboard()->setText("12");
    field.paste();
    EXPECT_EQ(settings().deleteDays, 12);
}

TEST_F(OptionsWindowTest, longerNumberFromTheFileIsShownWholeAndKept) {
    writeSettings("365,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
                  "\"a.wav\",\"c.wav\"");
    QLineEdit& field = options().daysField();
    EXPECT_EQ(field.text(), "365");
    EXPECT_EQ(settings().deleteDays, 365);
    field.setFocus();
    field.end(false);
    QTest::keyClicks(&field, "1");
    EXPECT_EQ(field.text(), "365") << "typing never makes it longer";
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, "1");
    EXPECT_EQ(field.text(), "36") << "once shortened, two digits is the limit again";
    EXPECT_EQ(settings().deleteDays, 36);
}

TEST_F(OptionsWindowTest, soundChoosersAskForAWaveFileAndCancelChangesNothing) {
    struct Case {
        QPushButton& (OptionsWindow::*button)();
        SettingValue Settings::*setting;
    } cases[] = {{&OptionsWindow::alarmSoundButton, &Settings::alarmSound},
                 {&OptionsWindow::chimeSoundButton, &Settings::chimeSound}};
    for (const Case& c : cases) {
        TestProgram p;
        p.program().showOptionsWindow();
        OptionsWindow& w = p.program().optionsWindow();
        const SettingValue before = p.program().settings.*c.setting;
        (w.*c.button)().click();
        ASSERT_EQ(p.fakes.fileDialog.asked.size(), 1u);
        EXPECT_EQ(p.fakes.fileDialog.asked[0].title, "Open Wav");
        EXPECT_EQ(p.fakes.fileDialog.asked[0].filter, "Audio Wav|*.wav");
        EXPECT_EQ(p.program().settings.*c.setting, before);
        EXPECT_FALSE(w.applyButton().isEnabled());
        EXPECT_TRUE(p.fakes.messageBox.shown.empty());

        p.fakes.fileDialog.answer = QString("/home/me/sounds/bell.wav");
        (w.*c.button)().click();
        EXPECT_EQ(p.program().settings.*c.setting,
                  SettingValue(std::string("/home/me/sounds/bell.wav")));
        EXPECT_TRUE(w.applyButton().isEnabled());
    }
}

TEST_F(OptionsWindowTest, playButtonsPlayTheSoundsInMemory) {
    OptionsWindow& w = options();
    w.alarmPlayButton().click();
    w.chimePlayButton().click();
    t.fakes.fileDialog.answer = QString("/sounds/new alarm.wav");
    w.alarmSoundButton().click();
    w.alarmPlayButton().click();
    const QString folder = t.program().appFilePath(QString());
    EXPECT_EQ(t.fakes.sound.played,
              (QStringList{folder + "alarm.wav", folder + "chime.wav", "/sounds/new alarm.wav"}));
    EXPECT_FALSE(t.exists("options.cfg"));
}

TEST_F(OptionsWindowTest, aboutAndHelpOpenTheirWindows) {
    OptionsWindow& w = options();
    w.aboutButton().click();
    ASSERT_TRUE(t.program().hasAboutWindow());
    EXPECT_TRUE(t.program().aboutWindow().isVisible());
    w.helpButton().click();
    EXPECT_EQ(t.fakes.help.shownPaths, QStringList{t.program().appFilePath("almanor.hlp")});
}

TEST_F(OptionsWindowTest, applyWritesTheFileDisablesItselfAndApplies) {
    OptionsWindow& w = options();
    w.topBox().click();
    w.topBox().click();
    w.applyButton().click();
    EXPECT_EQ(t.readFile("options.cfg"), kDefaultsLine);
    EXPECT_FALSE(w.applyButton().isEnabled());
    EXPECT_TRUE(t.program().calendarWindow().staysOnTop());
    EXPECT_TRUE(t.fakes.tray.shown);

    w.taskBox().click();
    w.topBox().click();
    w.applyButton().click();
    EXPECT_FALSE(t.fakes.tray.shown);
    EXPECT_FALSE(t.program().calendarWindow().staysOnTop());
    EXPECT_TRUE(t.fakes.messageBox.shown.empty());
}

TEST_F(OptionsWindowTest, failedApplySaysSoAndStaysEnabled) {
    OptionsWindow& w = options();
    // A folder in the settings file's place makes the write fail for every user, root included.
    std::filesystem::create_directories(t.file("options.cfg") / "blocked");
    w.taskBox().click();
    w.applyButton().click();

    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u);
    const QString told = t.fakes.messageBox.shown[0].text;
    EXPECT_TRUE(told.startsWith("Couldn't create file options.cfg!\nSettings were not saved!\n"));
    EXPECT_TRUE(told.contains("options.cfg)")) << "the reason follows: " << told.toStdString();
    EXPECT_EQ(t.fakes.messageBox.shown[0].style, msg::OkOnly);
    EXPECT_EQ(t.fakes.messageBox.shown[0].title, "Almanor");
    EXPECT_TRUE(w.applyButton().isEnabled());
    EXPECT_EQ(settings().utask, SettingValue(false)) << "the change stays in memory";
    EXPECT_FALSE(t.program().hasCalendarWindow()) << "nothing was applied";
    EXPECT_TRUE(std::filesystem::is_directory(t.file("options.cfg"))) << "nothing replaced";

    std::filesystem::remove_all(t.file("options.cfg"));
    w.applyButton().click();
    EXPECT_EQ(t.fakes.messageBox.shown.size(), 1u) << "a later Apply succeeds";
    EXPECT_FALSE(t.fakes.tray.shown);
    EXPECT_TRUE(t.exists("options.cfg"));
}

// An emptied days field must never apply the number it showed before (BackSpace twice on
// "30" leaves 3 behind), and never purge by it.
TEST_F(OptionsWindowTest, applyTakesOnlyTheNumberTheDaysFieldShows) {
    t.writeFile("20261101.dnf", "\"dailynotes\",\"old\",\"11/01/2026\",\"\"\r\n");
    writeSettings("30,#TRUE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
                  "\"alarm.wav\",\"chime.wav\"");
    OptionsWindow& w = options();
    w.daysField().end(false);
    QTest::keyClick(&w.daysField(), Qt::Key_Backspace);
    QTest::keyClick(&w.daysField(), Qt::Key_Backspace);
    w.applyButton().click();
    ASSERT_EQ(t.fakes.messageBox.shown.size(), 1u);
    EXPECT_TRUE(t.fakes.messageBox.shown[0].text.startsWith("Enter how many days"));
    EXPECT_TRUE(t.exists("20261101.dnf")) << "nothing purged";
    EXPECT_TRUE(t.readFile("options.cfg").starts_with("30,#TRUE#")) << "nothing written";
    EXPECT_TRUE(w.daysField().text().isEmpty()) << "the user's text stays";

    w.deleteBox().click(); // purge off: the field is refilled with the number that is written
    w.applyButton().click();
    EXPECT_EQ(w.daysField().text(), "3");
    EXPECT_TRUE(t.readFile("options.cfg").starts_with("3,#FALSE#"));
    EXPECT_TRUE(t.exists("20261101.dnf"));
}

TEST_F(OptionsWindowTest, reopeningDiscardsChangesThatWereNeverApplied) {
    options().topBox().click();
    options().speedList().setCurrentRow(8);
    options().daysField().setText("5");
    ASSERT_EQ(settings().utop, SettingValue(false));
    closeOptions();

    OptionsWindow& again = options();
    EXPECT_TRUE(again.topBox().isChecked());
    EXPECT_EQ(selectedSpeed(), "3");
    EXPECT_EQ(again.daysField().text(), "30");
    EXPECT_EQ(settings(), Settings{});
    EXPECT_FALSE(again.applyButton().isEnabled());
}

} // namespace
} // namespace almanor
