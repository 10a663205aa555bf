#include "calendar/calendar_window.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"
#include "settings/options_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::TestProgram;

// A child of the program's options window, which is opened first when needed.
template <class Widget = QAbstractButton> Widget& optionsChild(TestProgram& p, const char* name) {
    p.program().showOptionsWindow();
    return testing::childNamed<Widget>(*p.program().optionsWindow(), name);
}

class OptionsWindowTest : public ::testing::Test {
protected:
    void click(const char* name) { optionsChild(t, name).click(); }
    bool canApply() { return optionsChild(t, "apply").isEnabled(); }
    const Settings& inEffect() { return t.program().settings().inEffect(); }
    void typeDays(const char* keys) {
        auto& days = optionsChild<QLineEdit>(t, "daysToKeep");
        days.setFocus();
        days.end(false);
        QTest::keyClicks(&days, keys); // '\b' is a backspace
    }
    TestProgram t;
};

TEST_F(OptionsWindowTest, setUpShowsTheSettingsInEffect) {
    // The file's line (nothing: no file); the boxes top, slide, mouse, alarm, chime, tray, warn
    // and purge ("-": disabled); the days; the speed.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {nullptr, "11111110", "30", "3"},
        {"7,#FALSE#,#FALSE#,#FALSE#,\"1000\",#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,\"a\",\"c\"",
         "00100000", "7", "10"},
        // The mouse opener off forces the tray icon on before the icon's own setting is shown.
        {"365,#TRUE#,#TRUE#,#TRUE#,\"100\",#FALSE#,#TRUE#,#TRUE#,#FALSE#,#TRUE#,\"a\",\"c\"",
         "11011-11", "365", "1"},
        // A flag held as a number is off; the number is kept as read.
        {"30,1,1,0,\"50\",1,1,1,1,#TRUE#,\"a\",\"c\"", "00000-10", "30", ""},
    };
    for (const auto& [line, expectedChecks, days, speed] : cases) {
        SCOPED_TRACE(line ? line : "no file");
        TestProgram p;
        if (line) {
            p.writeFile("options.cfg", std::string(line) + "\r\n");
        }
        QString checked;
        for (const char* name : {"alwaysOnTop", "slideAway", "openOnMouseOver", "alarmEnabled",
                                 "hourlyChime", "trayIcon", "warnOfPastAlarms", "deleteOldNotes"}) {
            const auto& box = optionsChild<QCheckBox>(p, name);
            checked += !box.isEnabled() ? '-' : box.isChecked() ? '1' : '0';
        }
        EXPECT_EQ(checked, expectedChecks);
        EXPECT_EQ(optionsChild<QLineEdit>(p, "daysToKeep").text(), days);
        const auto& speeds = optionsChild<QListWidget>(p, "slideSpeed");
        EXPECT_EQ(speeds.count(), 10);
        const QList<QListWidgetItem*> chosen = speeds.selectedItems();
        EXPECT_EQ(chosen.isEmpty() ? QString() : chosen.front()->text(), speed);
        EXPECT_FALSE(optionsChild(p, "apply").isEnabled());
        EXPECT_EQ(p.exists("options.cfg"), line != nullptr) << "the set-up writes nothing";
    }
    t.writeFile("options.cfg", std::string(std::get<0>(cases[3])) + "\r\n");
    t.program();
    t.writeFile("options.cfg", "x"); // the window edits what is in effect, not the file
    click("alwaysOnTop");
    click("alwaysOnTop");
    click("apply");
    EXPECT_EQ(t.readFile("options.cfg"), "30,1,1,0,\"50\",1,1,1,#TRUE#,#TRUE#,\"a\",\"c\"\r\n");
}

// Apply between the clicks shows that each of them enables it again. Apply writes the file and
// the program follows.
TEST_F(OptionsWindowTest, eachControlStoresItsSettingAndApplyPutsThemIntoEffect) {
    const std::pair<const char*, bool Settings::*> flags[] = {
        {"alwaysOnTop", &Settings::alwaysOnTop},
        {"slideAway", &Settings::slideAway},
        {"alarmEnabled", &Settings::alarmEnabled},
        {"hourlyChime", &Settings::hourlyChime},
        {"trayIcon", &Settings::trayIcon},
        {"warnOfPastAlarms", &Settings::warnOfPastAlarms},
        {"deleteOldNotes", &Settings::deleteOldNotes}};
    t.started();
    for (const auto& [name, setting] : flags) {
        Settings expected = inEffect();
        expected.*setting = !(expected.*setting);
        auto& box = optionsChild<QCheckBox>(t, name);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
        EXPECT_TRUE(canApply()) << name;
        EXPECT_NE(inEffect(), expected) << "in effect only once applied";
        click("apply");
        EXPECT_EQ(std::tuple(inEffect(), canApply()), std::tuple(expected, false)) << name;
    }
    EXPECT_EQ(std::tuple(t.program().calendarWindow()->staysOnTop(), t.fakes.tray.shown),
              std::tuple(false, false));
    EXPECT_EQ(t.readFile("options.cfg"), "30,#TRUE#,#FALSE#,#FALSE#,\"300\",#TRUE#,#FALSE#,#FALSE#,"
                                         "#FALSE#,#FALSE#,\"alarm.wav\",\"chime.wav\"\r\n");
    optionsChild<QListWidget>(t, "slideSpeed").setCurrentRow(6);
    EXPECT_TRUE(canApply());
    optionsChild<QListWidget>(t, "slideSpeed").setCurrentRow(9);
    click("apply");
    EXPECT_EQ(inEffect().slideSpeed, 1000);
    // Without the mouse opener the tray icon is the way back to a parked window: it is forced
    // on, and its box keeps what it showed.
    click("openOnMouseOver");
    const auto& trayIcon = optionsChild<QCheckBox>(t, "trayIcon");
    EXPECT_EQ(std::tuple(trayIcon.isEnabled(), trayIcon.isChecked(), canApply()),
              std::tuple(false, false, true));
    click("apply");
    EXPECT_EQ(std::tuple(inEffect().openOnMouseOver, inEffect().trayIcon), std::tuple(false, true));
    click("openOnMouseOver"); // on again
    EXPECT_EQ(std::tuple(trayIcon.isEnabled(), trayIcon.isChecked()), std::tuple(true, true));
}

TEST_F(OptionsWindowTest, daysFieldTakesDigitsOnly) {
    // Keys typed at the end of the field, what it shows then, the days set.
    const std::tuple<const char*, const char*, int> cases[] = {
        {"\b\b3a", "", 3}, {"\b\b45", "45", 45}, {"\b7", "37", 37},     {"x", "3", 3},
        {"-", "3", 3},     {"\b\b9", "9", 9},    {"\b\b123", "12", 12},
    };
    for (const auto& [keys, shown, daysToKeep] : cases) {
        SCOPED_TRACE(keys);
        TestProgram p;
        auto& days = optionsChild<QLineEdit>(p, "daysToKeep");
        auto& apply = optionsChild(p, "apply");
        days.end(false);
        QTest::keyClicks(&days, keys);
        EXPECT_EQ(days.text(), shown);
        EXPECT_TRUE(apply.isEnabled());
        apply.click();
        EXPECT_EQ(p.program().settings().inEffect().daysToKeep, daysToKeep);
    }
    // A longer number from the file shrinks, then takes two digits again. An emptied field
    // never applies, nor purges by, a number it showed on the way (BackSpace on "30" shows 3).
    t.writeFile("20261101.dnf", testing::record("old", "11/01/2026"));
    t.writeFile("options.cfg",
                "365,#TRUE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
                "\"a\",\"c\"\r\n");
    typeDays("\b7"); // "36" has two digits
    auto& days = optionsChild<QLineEdit>(t, "daysToKeep");
    EXPECT_EQ(days.text(), "36");
    days.selectAll();
    QApplication::clipboard()->setText("9x"); // pasted text that is no number keeps the days
    days.paste();
    days.selectAll();
    QTest::keyClick(&days, Qt::Key_Backspace);
    click("apply");
    EXPECT_TRUE(t.told().at(0).text.startsWith("Enter how many days"));
    EXPECT_EQ(t.program().optionsWindow()->focusWidget(), &days) << "where the number goes";
    EXPECT_TRUE(t.exists("20261101.dnf") && t.readFile("options.cfg").starts_with("365,"));
    click("deleteOldNotes"); // purge off: the field shows the number that is written
    click("apply");
    EXPECT_EQ(days.text(), "36");
    EXPECT_TRUE(t.readFile("options.cfg").starts_with("36,#FALSE#"));
}

TEST_F(OptionsWindowTest, soundButtonsChooseAWaveFileAndPlayWhatIsInMemoryAndHelpOpens) {
    t.started();
    click("alarmSound"); // cancelled
    EXPECT_EQ(t.fakes.fileDialog.asked, (QStringList{"Open Wav", "Audio Wav|*.wav"}));
    t.fakes.fileDialog.answer = QString("/sounds/bell.wav");
    click("chimeSound");
    const QString bell = QDir::toNativeSeparators("/sounds/bell.wav");
    EXPECT_TRUE(canApply());
    click("Play the alarm sound");
    click("Play the chime sound");
    const QDir folder(QString::fromStdString(t.program().appFolder()));
    EXPECT_EQ(t.fakes.sound.played,
              (QStringList{QDir::toNativeSeparators(folder.filePath("alarm.wav")), bell}));
    click("help");
    click("about");
    EXPECT_EQ(t.fakes.help.shownPaths, QStringList{folder.filePath("almanor.hlp")});
    EXPECT_TRUE(t.program().aboutWindow());
}

// A folder in the settings file's place makes the write fail for every user, root included.
// Changes never applied are gone when the window opens again.
TEST_F(OptionsWindowTest, failedApplySaysWhyAndReopeningDiscardsWhatWasNotApplied) {
    std::filesystem::create_directories(t.file("options.cfg") / "blocked");
    click("trayIcon");
    click("apply");
    ASSERT_EQ(t.told().size(), 1u);
    EXPECT_TRUE(t.told()[0].text.startsWith("Couldn't create file options.cfg!\nSettings were "
                                            "not saved!\n"));
    EXPECT_TRUE(canApply());
    EXPECT_FALSE(t.program().calendarWindow()) << "nothing was applied";
    std::filesystem::remove_all(t.file("options.cfg"));
    typeDays("\b5");
    t.program().optionsWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(t.program().optionsWindow());
    EXPECT_TRUE(optionsChild<QCheckBox>(t, "trayIcon").isChecked());
    EXPECT_EQ(optionsChild<QLineEdit>(t, "daysToKeep").text(), "30");
    EXPECT_EQ(inEffect(), Settings{});
}

} // namespace
} // namespace almanor
