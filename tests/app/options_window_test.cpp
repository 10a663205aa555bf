#include "about/about_window.h"
#include "calendar/calendar_window.h"
#include "fakes/test_program.h"
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

using testing::TestProgram;

const char* const kDefaultsLine = "30,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
                                  "#TRUE#,\"alarm.wav\",\"chime.wav\"\r\n";

class OptionsWindowTest : public ::testing::Test {
protected:
    OptionsWindow& options() {
        t.program().showOptionsWindow();
        return t.program().optionsWindow();
    }
    Settings& settings() { return t.program().settings(); }
    QString selectedSpeed() {
        const QList<QListWidgetItem*> selected = options().speedList().selectedItems();
        return selected.isEmpty() ? QString() : selected.front()->text();
    }
    void writeSettings(const std::string& line) { t.writeFile("options.cfg", line + "\r\n"); }
    void typeDays(const char* keys) {
        QLineEdit& field = options().daysField();
        field.setFocus();
        field.end(false);
        for (const char* key = keys; *key != '\0'; ++key) {
            if (*key == '\b') {
                QTest::keyClick(&field, Qt::Key_Backspace);
            } else {
                QTest::keyClicks(&field, QString(QLatin1Char(*key)));
            }
        }
    }
    TestProgram t;
};

TEST_F(OptionsWindowTest, setUpShowsTheFileOrTheDefaults) {
    const struct {
        const char* line;          // nothing: no file
        std::vector<bool> checked; // top, slide, mouse, alarm, chime, tray, warn, purge
        bool trayEnabled;
        const char* days;
        const char* speed;
    } cases[] = {
        {nullptr, {1, 1, 1, 1, 1, 1, 1, 0}, true, "30", "3"},
        {"7,#FALSE#,#FALSE#,#FALSE#,\"1000\",#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,\"a\",\"c\"",
         {0, 0, 1, 0, 0, 0, 0, 0},
         true,
         "7",
         "10"},
        // The mouse opener off forces the tray icon on before the icon's own setting is read.
        {"365,#TRUE#,#TRUE#,#TRUE#,\"100\",#FALSE#,#TRUE#,#TRUE#,#FALSE#,#TRUE#,\"a\",\"c\"",
         {1, 1, 0, 1, 1, 1, 1, 1},
         false,
         "365",
         "1"},
        // Foreign values leave their boxes checked and are kept as read.
        {"30,1,1,0,\"50\",1,1,1,1,#TRUE#,\"a\",\"c\"", {1, 1, 1, 1, 1, 1, 1, 1}, true, "30", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line ? c.line : "no file");
        TestProgram p;
        if (c.line) {
            p.writeFile("options.cfg", std::string(c.line) + "\r\n");
        }
        p.program().showOptionsWindow();
        OptionsWindow& w = p.program().optionsWindow();
        std::vector<bool> checked;
        for (QCheckBox* box : {&w.topBox(), &w.slideBox(), &w.mouseBox(), &w.alarmBox(),
                               &w.chimeBox(), &w.taskBox(), &w.warnBox(), &w.deleteBox()}) {
            checked.push_back(box->isChecked());
        }
        EXPECT_EQ(checked, c.checked);
        EXPECT_EQ(w.taskBox().isEnabled(), c.trayEnabled);
        EXPECT_EQ(w.daysField().text(), c.days);
        const QList<QListWidgetItem*> speed = w.speedList().selectedItems();
        EXPECT_EQ(speed.isEmpty() ? QString() : speed.front()->text(), c.speed);
        EXPECT_FALSE(w.applyButton().isEnabled());
        EXPECT_EQ(p.exists("options.cfg"), c.line != nullptr) << "the set-up writes nothing";
    }
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
        const Settings before = p.program().settings();
        const bool wasChecked = box.isChecked();
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
        Settings expected = before;
        expected.*c.setting = !wasChecked;
        EXPECT_EQ(p.program().settings(), expected) << "this setting and no other";
        EXPECT_TRUE(w.applyButton().isEnabled());
    }
    options().warnBox().click();
    EXPECT_FALSE(settings().uwarn);
    options().speedList().setCurrentRow(6);
    EXPECT_EQ(settings().slideSpeed, SettingValue(std::string("700")));
    options().speedList().setCurrentRow(9);
    EXPECT_EQ(settings().slideSpeed, SettingValue(std::string("1000")));
}

TEST_F(OptionsWindowTest, mouseOpenerAndTrayIconAreCoupledBothWays) {
    OptionsWindow& w = options();
    w.taskBox().click();
    w.mouseBox().click(); // off
    EXPECT_FALSE(w.taskBox().isEnabled());
    EXPECT_FALSE(w.taskBox().isChecked()) << "the box keeps what it showed";
    EXPECT_EQ(settings().utask, SettingValue(true)) << "but the icon is forced on";
    w.mouseBox().click(); // on again
    EXPECT_TRUE(w.taskBox().isEnabled());
    EXPECT_TRUE(w.taskBox().isChecked());
    EXPECT_EQ(settings().utask, SettingValue(true));
}

TEST_F(OptionsWindowTest, daysFieldTakesDigitsOnly) {
    struct Case {
        const char* keys;
        const char* shown;
        int deleteDays;
    } cases[] = {
        {"\b\b3a", "", 3}, {"\b\b45", "45", 45}, {"\b7", "37", 37},     {"x", "3", 3},
        {"-", "3", 3},     {"\b\b9", "9", 9},    {"\b\b123", "12", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        TestProgram p;
        p.program().showOptionsWindow();
        QLineEdit& field = p.program().optionsWindow().daysField();
        field.end(false);
        for (const char* key = c.keys; *key != '\0'; ++key) {
            if (*key == '\b') {
                QTest::keyClick(&field, Qt::Key_Backspace);
            } else {
                QTest::keyClicks(&field, QString(QLatin1Char(*key)));
            }
        }
        EXPECT_EQ(field.text(), c.shown);
        EXPECT_EQ(p.program().settings().deleteDays, c.deleteDays);
    }
    QLineEdit& field = options().daysField();
    field.selectAll();
    QApplication::clipboard()->setText("9x"); // pasted text that is no number keeps the days
    field.paste();
    EXPECT_EQ(settings().deleteDays, 30);
}

TEST_F(OptionsWindowTest, soundButtonsChooseAWaveFileAndPlayWhatIsInMemory) {
    OptionsWindow& w = options();
    w.alarmSoundButton().click(); // cancelled
    ASSERT_EQ(t.fakes.fileDialog.asked.size(), 1u);
    EXPECT_EQ(t.fakes.fileDialog.asked[0].title, "Open Wav");
    EXPECT_EQ(t.fakes.fileDialog.asked[0].filter, "Audio Wav|*.wav");
    EXPECT_FALSE(w.applyButton().isEnabled());
    t.fakes.fileDialog.answer = QString("/sounds/bell.wav");
    w.chimeSoundButton().click();
    EXPECT_EQ(settings().chimeSound,
              SettingValue(QDir::toNativeSeparators("/sounds/bell.wav").toStdString()));
    EXPECT_TRUE(w.applyButton().isEnabled());
    w.alarmPlayButton().click();
    w.chimePlayButton().click();
    EXPECT_EQ(t.fakes.sound.played,
              (QStringList{
                  QDir::toNativeSeparators(
                      QDir(QString::fromStdString(t.program().appFolder())).filePath("alarm.wav")),
                  QDir::toNativeSeparators("/sounds/bell.wav")}));
    EXPECT_FALSE(t.exists("options.cfg"));
}

TEST_F(OptionsWindowTest, aboutAndHelpOpenTheirWindows) {
    OptionsWindow& w = options();
    w.aboutButton().click();
    ASSERT_TRUE(t.program().hasAboutWindow());
    EXPECT_TRUE(t.program().aboutWindow().isVisible());
    w.helpButton().click();
    ASSERT_EQ(t.fakes.help.shownPaths.size(), 1u);
    EXPECT_TRUE(t.fakes.help.shownPaths[0].endsWith("almanor.hlp"));
}

TEST_F(OptionsWindowTest, applyWritesTheFileAndTheProgramFollows) {
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

TEST_F(OptionsWindowTest, failedApplySaysWhyAndChangesNothing) {
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
    EXPECT_TRUE(w.applyButton().isEnabled());
    EXPECT_EQ(settings().utask, SettingValue(false)) << "the change stays in memory";
    EXPECT_FALSE(t.program().hasCalendarWindow()) << "nothing was applied";

    std::filesystem::remove_all(t.file("options.cfg"));
    w.applyButton().click();
    EXPECT_EQ(t.fakes.messageBox.shown.size(), 1u) << "a later Apply succeeds";
    EXPECT_FALSE(t.fakes.tray.shown);
}

// An emptied days field must never apply the number it showed before (BackSpace twice on
// "30" leaves 3 behind), and never purge by it.
TEST_F(OptionsWindowTest, applyTakesOnlyTheNumberTheDaysFieldShows) {
    t.writeFile("20261101.dnf", testing::record("old", "11/01/2026"));
    writeSettings("30,#TRUE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
                  "\"alarm.wav\",\"chime.wav\"");
    OptionsWindow& w = options();
    typeDays("\b\b");
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
    typeDays("\b5");
    options().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(t.program().hasOptionsWindow());
    OptionsWindow& again = options();
    EXPECT_TRUE(again.topBox().isChecked());
    EXPECT_EQ(again.daysField().text(), "30");
    EXPECT_EQ(settings(), Settings{});
}

} // namespace
} // namespace almanor
