#include "app/calendar_window_fixture.h"
#include "platform/qt_services.h"
#include "settings/autostart.h"
#include "settings/options_window.h"
#include "settings/preferences_file.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace almanor {
namespace {

using testing::record;
using testing::TestProgram;
using testing::Told;

// A child of the program's options window, which is opened first when needed.
template <class Widget = QAbstractButton> Widget& optionsChild(TestProgram& p, const char* name) {
    p.program().showOptionsWindow();
    return testing::childNamed<Widget>(*p.program().optionsWindow(), name);
}

class OptionsWindowTest : public CalendarWindowTest {
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

// Apply between the clicks shows each click enables it again; Apply writes the file and acts.
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
    typeDays("4\b7"); // no fourth digit; then "36" has two
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

// The chooser opens in the sound's folder while it is there, else in the program's; the chosen
// file's name shows beside its buttons. A sound that cannot play is told why.
TEST_F(OptionsWindowTest, soundButtonsChooseAWaveFileAndPlayWhatIsInMemory) {
    t.started();
    const QDir folder(QString::fromStdString(t.program().folders().resources));
    const QString appFolder = QDir::toNativeSeparators(folder.absolutePath());
    const QString sounds = QDir::toNativeSeparators(folder.filePath("sounds"));
    click("alarmSound"); // cancelled
    EXPECT_EQ(t.fakes.fileDialog.asked, (QStringList{"Open Wav", "Audio Wav|*.wav", appFolder}));
    folder.mkdir("sounds");
    t.fakes.fileDialog.answer = folder.filePath("sounds/bell.wav");
    click("chimeSound");
    click("chimeSound");
    const QString bell = QDir::toNativeSeparators(folder.filePath("sounds/bell.wav"));
    const QStringList& asked = t.fakes.fileDialog.asked;
    EXPECT_EQ(std::tuple(asked.size(), asked[5], asked[8]), std::tuple(9, appFolder, sounds));
    EXPECT_EQ(optionsChild<QLabel>(t, "chimeSoundFile").text(), "bell.wav");
    EXPECT_EQ(optionsChild<QLabel>(t, "alarmSoundFile").text(), "alarm.wav");
    folder.rmdir("sounds");
    click("chimeSound");
    EXPECT_EQ(t.fakes.fileDialog.asked.back(), appFolder);
    EXPECT_TRUE(canApply());
    t.writeFile("alarm.wav", "not a wave");
    t.fakes.sound.ending = SoundEnd::Unplayable;
    click("Play the alarm sound");
    click("Play the chime sound");
    EXPECT_EQ(t.fakes.sound.played,
              (QStringList{QDir::toNativeSeparators(folder.filePath("alarm.wav")), bell}));
    QCoreApplication::processEvents();
    EXPECT_EQ(t.told(),
              (Told{{QDir::toNativeSeparators(folder.filePath("alarm.wav")) +
                         " is not a wave file that can be played.",
                     MessageStyle::Warning},
                    {"The sound file " + bell + " cannot be found.", MessageStyle::Warning}}));
}

TEST_F(OptionsWindowTest, helpAndAboutButtonsOpenTheirWindows) {
    t.started();
    click("help");
    click("about");
    const QDir folder(QString::fromStdString(t.program().folders().resources));
    EXPECT_EQ(t.fakes.help.shownPaths, QStringList{folder.filePath("almanor.hlp")});
    EXPECT_TRUE(t.program().aboutWindow());
}

// A folder as options.cfg fails the write (root too); unapplied changes go when it reopens.
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
    testing::activate(*t.program().optionsWindow());
    QTest::keyClick(t.program().optionsWindow(), Qt::Key_Escape); // as Cancel
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(t.program().optionsWindow());
    EXPECT_TRUE(optionsChild<QCheckBox>(t, "trayIcon").isChecked());
    EXPECT_EQ(optionsChild<QLineEdit>(t, "daysToKeep").text(), "30");
    click("warnOfPastAlarms");
    click("close"); // as Escape
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(t.program().optionsWindow());
    EXPECT_TRUE(optionsChild<QCheckBox>(t, "warnOfPastAlarms").isChecked());
    EXPECT_EQ(inEffect(), Settings{});
}

// The purge goes by the folder as it is now and spares the shown day's note; at start-up it
// waits for the list read behind the window, and goes by the limit the file gave.
TEST_F(OptionsWindowTest, purgeDeletesOldNotesAsTheFolderHoldsThemNow) {
    const auto write = [this](const std::string& name) {
        t.writeFile(name, record("n", name.substr(4, 2) + "/" + name.substr(6, 2) + "/2026"));
    };
    write("20261105.dnf"); // 31 days old
    write("20261106.dnf");
    write("20261104.dnf");
    window().showDay(Date{2026, 11, 5});
    click("deleteOldNotes");
    t.fakes.messageBox.answers = {Answer::Cancel, Answer::Ok, Answer::Cancel};
    click("apply"); // turns the purge on: asks first, and a No applies nothing
    EXPECT_FALSE(t.program().settings().inEffect().deleteOldNotes);
    EXPECT_FALSE(t.exists("options.cfg"));
    click("apply");
    QTest::keyClicks(&optionsChild<QWidget>(t, "Days"), "\b\b29"); // fewer days to keep: asks again
    click("apply");
    EXPECT_EQ(t.told(), (Told{{"Delete 1 notes older than 30 days? They go to the trash.",
                               MessageStyle::DeleteOkCancel, "Delete?"},
                              {"Delete 1 notes older than 30 days? They go to the trash.",
                               MessageStyle::DeleteOkCancel, "Delete?"},
                              {"Delete 1 notes older than 29 days? They go to the trash.",
                               MessageStyle::DeleteOkCancel, "Delete?"}}));
    EXPECT_EQ(t.program().settings().inEffect().daysToKeep, 30);
    EXPECT_EQ(t.fakes.trash.held().size(), 1);
    t.told().clear();
    QTest::keyClicks(&optionsChild<QWidget>(t, "Days"), "\b\b30");
    EXPECT_EQ(note().noteText(), "n") << "the shown day's note stays";

    for (const char* name : {"20261001.dnf", "20261015.dnf", "20261101.dnf"}) {
        write(name);
    }
    window().showDay(Date{2026, 11, 6});
    std::filesystem::remove(t.file("20261015.dnf"));
    click("deleteOldNotes"); // off and on again, so that Apply can be pressed
    click("deleteOldNotes");
    click("apply");
    EXPECT_TRUE(t.told().empty());
    EXPECT_EQ(testing::markedDays(calendar()), std::vector<int>{6});
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"20261106.dnf", "options.cfg"}));
    write("20261002.dnf");
    write("20261126.dnf");
    t.end();
    t.started();
    QTest::keyClicks(&optionsChild<QWidget>(t, "Days"), "\b\b3"); // never applied
    QTest::keyClicks(&note(), "x"); // a save changes the list, reads not all of it
    EXPECT_TRUE(t.exists("20261002.dnf")) << "not before the list was read";
    testing::tick(t.program().notes(), "listReading");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.exists("20261002.dnf"); }));
    EXPECT_TRUE(t.exists("20261126.dnf")) << "10 days old: the file says 30";
    for (const char* timer : {"listReading", "listMerging"}) { // read once, not over and over
        EXPECT_FALSE(t.program().notes().findChild<QTimer*>(timer)->isActive()) << timer;
    }
    write("20261002.dnf");
    t.end();
    t.started();
    click("deleteOldNotes"); // off, and applied before the list was read
    click("apply");
    testing::tick(t.program().notes(), "listReading");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.program().notes().list().empty(); }));
    EXPECT_TRUE(t.exists("20261002.dnf")) << "by what was applied";
}

// A pipe, a device link or a huge file as options.cfg or help holds nothing up: the defaults
// apply and why is told once (not for a missing file); the help says why it cannot open.
TEST_F(OptionsWindowTest, settingsAndHelpThatCannotBeReadAreToldWhy) {
    const std::pair<std::function<void(const std::filesystem::path&)>, QString> cases[] = {
        {[](const auto&) {}, "it does not exist"},
        {[](const auto& file) { ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); },
         "it is not a regular file"},
        {[](const auto& file) { std::filesystem::create_symlink("/dev/zero", file); },
         "it is not a regular file"},
        {[](const auto& file) { std::ofstream(file) << std::string((4 << 20) + 1, ' '); },
         "it is too large"},
        {[](const auto& file) { std::ofstream(file) << "30,#TRUE#\r\n<p>Help</p>"; }, ""},
    };
    QtHelpViewer help;
    for (const auto& [make, why] : cases) {
        SCOPED_TRACE(why.toStdString());
        TestProgram p;
        make(p.file("options.cfg"));
        make(p.file("almanor.ini"));
        make(p.file("almanor.hlp"));
        p.started();
        const auto told = [&why](const char* file) {
            return QString("The settings file %1 could not be read (%2), so the standard "
                           "settings are used.")
                .arg(file, why);
        };
        EXPECT_EQ(p.told(),
                  (why.startsWith("it is ") ? Told{{told("options.cfg"), MessageStyle::Warning},
                                                   {told("almanor.ini"), MessageStyle::Warning}}
                                            : Told{}));
        EXPECT_EQ(p.program().settings().inEffect(), Settings{});
        EXPECT_EQ(p.program().settings().preferences(), Preferences{});
        if (why.startsWith("it is ")) { // and what cannot be read is not replaced
            EXPECT_TRUE(p.program().settings().applyPreferences({.showWeekNumbers = true}));
            EXPECT_EQ(p.program().settings().preferences(), Preferences{});
        }
        QString whyNot;
        EXPECT_EQ(help.showContents(QString::fromStdString(p.file("almanor.hlp")), whyNot),
                  why.isEmpty());
        EXPECT_EQ(whyNot, why);
    }
}

// The calendar follows the week applied; the week numbers' tips tell the year of each week.
TEST_F(OptionsWindowTest, theCalendarShowsTheWeekAppliedInOptions) {
    select(Date{2024, 12, 15});
    const QCalendarWidget& view = *calendar().view();
    EXPECT_EQ(view.firstDayOfWeek(), QLocale().firstDayOfWeek());
    EXPECT_EQ(view.verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    auto& firstDay = optionsChild<QComboBox>(t, "firstDayOfWeek");
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(&firstDay, Qt::Key_Down);
    }
    click("showWeekNumbers");
    EXPECT_EQ(view.firstDayOfWeek(), QLocale().firstDayOfWeek()) << "only once applied";
    click("apply");
    EXPECT_EQ(view.firstDayOfWeek(), Qt::Saturday);
    EXPECT_EQ(view.verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
    EXPECT_EQ(tipOfDay(1, true), "Week 49 of 2024");
    EXPECT_EQ(tipOfDay(31, true), "Week 1 of 2025");
    EXPECT_EQ(t.program().settings().preferences().firstDayOfWeek, FirstDayOfWeek::Saturday);
    click("close");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(t.program().optionsWindow());
    EXPECT_EQ(optionsChild<QComboBox>(t, "firstDayOfWeek").currentText(), "Saturday");
    EXPECT_TRUE(optionsChild<QCheckBox>(t, "showWeekNumbers").isChecked());
    QTest::keyClick(&optionsChild<QComboBox>(t, "firstDayOfWeek"), Qt::Key_Up);
    click("showWeekNumbers");
    click("apply");
    EXPECT_EQ(view.firstDayOfWeek(), Qt::Sunday);
    EXPECT_EQ(view.verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
}

// The language box starts on the language in effect; the one chosen counts once applied.
TEST_F(OptionsWindowTest, languageChosenIsAppliedAsAPreference) {
    auto& languages = optionsChild<QComboBox>(t, "language");
    EXPECT_EQ(languages.currentText(), "System");
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(&languages, Qt::Key_Down);
    }
    EXPECT_EQ(t.program().settings().preferences().language, Language::System) << "not yet";
    click("apply");
    EXPECT_EQ(t.program().settings().preferences().language, Language::French);
    t.program().optionsWindow()->close();
    EXPECT_EQ(optionsChild<QComboBox>(t, "language").currentText(), QString::fromUtf8("Français"));
}

// almanor.ini keeps what was applied for the next start, and keys it does not know.
TEST_F(OptionsWindowTest, preferencesAppliedAreThereAtTheNextStart) {
    TestProgram p;
    std::ofstream(p.file("almanor.ini")) << "[General]\nsnoozeMinutes=30\n[Later]\nkept=1\n";
    const Preferences chosen{.language = Language::French, .remindMinutesBefore = 15};
    {
        ProgramSettings settings(p.folder().string());
        EXPECT_EQ(settings.preferences().snoozeMinutes, 30);
        EXPECT_EQ(settings.applyPreferences(chosen), std::nullopt);
        EXPECT_EQ(settings.preferences(), chosen);
    }
    EXPECT_EQ(ProgramSettings(p.folder().string()).preferences(), chosen);
    EXPECT_EQ(loadPreferenceValues(p.folder().string()).values.at("Later/kept"), "1");
}

// The box shows whether the autostart entry is there as the window opens, whoever wrote it; a
// click writes an entry that starts this program, or removes it, at once.
TEST_F(OptionsWindowTest, startAtLoginBoxFollowsTheAutostartEntry) {
    const QString config = QString::fromStdString(t.folder().string());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    EXPECT_FALSE(optionsChild<QCheckBox>(t, "autostart").isChecked());
    click("autostart");
    const std::string exec = "\nExec=\"" + QCoreApplication::applicationFilePath().toStdString();
    EXPECT_NE(t.readFile("autostart/almanor.desktop").find(exec + "\"\n"), std::string::npos);
    TestProgram reopened;
    EXPECT_TRUE(optionsChild<QCheckBox>(reopened, "autostart").isChecked());
    optionsChild(reopened, "autostart").click();
    EXPECT_FALSE(t.exists("autostart/almanor.desktop"));
    ASSERT_TRUE(QDir(config).rmdir("autostart"));
    t.writeFile("autostart", ""); // a file where the folder should be
    optionsChild(reopened, "autostart").click();
    EXPECT_FALSE(optionsChild<QCheckBox>(reopened, "autostart").isChecked()) << "not written";
    EXPECT_EQ(reopened.told().size(), 1u);
    qunsetenv("XDG_CONFIG_HOME");
    ASSERT_FALSE(Autostart(config + "/quoted", "/my apps/a\"$`\\%b").set(true));
    EXPECT_NE(t.readFile("quoted/almanor.desktop")
                  .find("\nExec=\"/my apps/a\\\\\"\\\\$\\\\`\\\\\\\\%%b\"\n"),
              std::string::npos);
}

} // namespace
} // namespace almanor
