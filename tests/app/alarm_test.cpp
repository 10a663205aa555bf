#include "alarm/alarm_ticker.h"
#include "alarm/time_dialog.h"
#include "app/calendar_window_fixture.h"
#include "settings/options_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

namespace almanor {
namespace {

using testing::childNamed;
using testing::record;
using testing::Told;

// The alarm, its time dialog and its sound, in the calendar window.
class AlarmTest : public CalendarWindowTest {
protected:
    // Sets the fake clock to a time of today (or of another day), and the second ticks.
    void tickAt(QTime time, QDate day = QDate(2026, 12, 6)) {
        t.fakes.clock.current = QDateTime(day, time);
        tick();
    }
    QString sound(const char* name) {
        return QDir::toNativeSeparators(
            QDir(QString::fromStdString(t.program().folders().resources)).filePath(name));
    }
    QStringList& played() { return t.fakes.sound.played; }
    std::vector<DesktopNotice>& notices() { return t.fakes.notifier.sent; }
    // The shown alarm window, if any, and its title, heading and note.
    AlarmWindow* alarmWindow() { return testing::shownWindow<AlarmWindow>(); }
    QStringList toldAlarm() {
        AlarmWindow* w = alarmWindow();
        return w == nullptr
                   ? QStringList()
                   : QStringList{w->windowTitle(), childNamed<QLabel>(*w, "heading").text(),
                                 childNamed<QPlainTextEdit>(*w, "note").toPlainText()};
    }
    TimeDialog& timeDialog() { return *window().findChild<TimeDialog*>(); }
    QLineEdit& entry() { return testing::childNamed<QLineEdit>(timeDialog(), "Alarm time"); }
    QPushButton& button(const char* n) { return testing::childNamed<QPushButton>(timeDialog(), n); }
    // The user's way in: a click on the alarm field (or, on it, Return or Space).
    TimeDialog& open(Qt::Key key = Qt::Key_unknown) {
        if (key == Qt::Key_unknown) {
            QTest::mouseClick(&alarmField(), Qt::LeftButton);
        } else {
            QTest::keyClick(&alarmField(), key);
        }
        EXPECT_TRUE(timeDialog().isVisible());
        testing::activate(timeDialog()); // as the desktop makes it
        return timeDialog();
    }
    // Types over the entry (it opens with the keyboard and its text selected), confirms with Ok.
    void openAndConfirm(Date day, const QString& typed) {
        select(day);
        TimeDialog& dialog = open();
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Backspace);
        QTest::keyClicks(dialog.focusWidget(), typed);
        QTest::mouseClick(&button("ok"), Qt::LeftButton);
    }
};

// The clock speaks the locale's form to the second, never with the time zone; the C locale keeps
// the form alarm times are written in.
TEST(Clock, showsTheLocalesFormToTheSecond) {
    const std::pair<const char*, const char*> cases[] = {
        {"C", "2:05:09 PM"},   {"en_US", "2:05:09 PM"}, {"de_DE", "14:05:09"},
        {"fr_FR", "14:05:09"}, {"en_GB", "14:05:09"},   {"fr_CA", "14 h 05 min 09 s"},
    };
    for (const auto& [locale, text] : cases) {
        EXPECT_EQ(clockText(TimeOfDay{14, 5, 9}, QLocale(QLatin1String(locale))), text) << locale;
    }
}

// The alarm shows its day's note and plays its sound, then tells with the time after the sound.
// Meanwhile the clock goes on and the window takes the user's keys and clicks.
TEST_F(AlarmTest, newDayArmsTheAlarmOfItsOwnNoteFileAndTheAlarmShowsItsNoteAfterItsSound) {
    t.writeFile("20261207.dnf", record("Train at 7", "12/07/2026", "7:00:00 AM"));
    EXPECT_FALSE(ticker().armedAlarm().has_value());
    t.fakes.clock.reads = 0;
    tickAt(QTime(23, 59, 59));
    EXPECT_EQ(t.fakes.clock.reads, 1) << "one look at the time zone serves the whole tick";
    EXPECT_EQ(testing::childNamed<QLabel>(window(), "clock").text(), "11:59:59 PM");
    EXPECT_EQ(t.program().secondTicker().findChild<QTimer*>("clock")->interval(), 1000);
    tickAt(QTime(0, 0, 0), QDate(2026, 12, 7));
    EXPECT_EQ(ticker().armedAlarm(), "7:00:00 AM");
    EXPECT_EQ(calendar().value(), kToday) << "the shown day stays until the alarm";
    EXPECT_EQ(testing::formatOf(calendar(), 6), QTextCharFormat()) << "today no more";
    tickAt(QTime(6, 59, 59), QDate(2026, 12, 7));
    t.fakes.sound.holding = true;
    t.fakes.sound.secondsPerSound = 3;
    tickAt(QTime(7, 0, 0), QDate(2026, 12, 7));
    EXPECT_EQ(played(), (QStringList{sound("chime.wav"), sound("alarm.wav")})) << "at midnight";
    EXPECT_EQ(calendar().value(), kTomorrow);
    tickAt(QTime(7, 0, 1), QDate(2026, 12, 7));
    EXPECT_EQ(testing::childNamed<QLabel>(window(), "clock").text(), "7:00:01 AM");
    type("!");
    select(kToday);
    EXPECT_EQ(alarmWindow(), nullptr) << "the window waits for the sound's end";
    t.fakes.sound.end();
    QCoreApplication::processEvents();
    EXPECT_EQ(toldAlarm(), (QStringList{"Alarm – 7:00 AM", "Alarm – Monday 12/07/2026, 7:00 AM",
                                        "!Train at 7"}));
    EXPECT_EQ(calendar().value(), kTomorrow) << "the message is about this note";
    t.fakes.sound.holding = false;
    tickAt(QTime(0, 0, 0), QDate(2026, 12, 8));
    EXPECT_FALSE(ticker().armedAlarm().has_value()) << "a day without a note";
    t.writeFile("20261210.dnf", record("Wake up", "12/10/2026", "9:00:00 AM"));
    tickAt(QTime(8, 15, 0), QDate(2026, 12, 10)); // the computer slept two days
    EXPECT_EQ(ticker().armedAlarm(), "9:00:00 AM");
    EXPECT_NE(testing::formatOf(calendar(), 10), QTextCharFormat()) << "today is the 10th now";
}

// The chime never starts over the alarm's sound, and an alarm due while the chime plays fires
// once it has ended; an alarm without a sound tells at once.
TEST_F(AlarmTest, oneSoundAtATimeAndTheMessageAtOnceWithoutASound) {
    t.writeFile(kTodayFile, record("Lunch", "12/06/2026", "11:59:59 AM"));
    t.fakes.sound.holding = true;
    tickAt(QTime(11, 59, 59));
    tickAt(QTime(12, 0, 0));
    EXPECT_EQ(played(), QStringList{sound("alarm.wav")}) << "the chime waits for the message";
    t.fakes.sound.end();
    QCoreApplication::processEvents();
    EXPECT_EQ(played(), (QStringList{sound("alarm.wav"), sound("chime.wav")}));
    alarmField().setText("12:00:01 PM");
    tickAt(QTime(12, 0, 1));
    EXPECT_EQ(notices().size(), 1u) << "not while the chime plays";
    EXPECT_EQ(played().size(), 2) << "nor its sound";
    t.fakes.sound.end();
    QCoreApplication::processEvents();
    t.applySettings([](Settings& s) { s.alarmSound.clear(); });
    tickAt(QTime(12, 0, 2));
    EXPECT_EQ(notices().size(), 2u) << "at once without a sound";
}

// Snooze repeats sound and window after the chosen minutes, remembered for the next alarm; the
// desktop's notice offers both answers, and an answer in either takes the other away.
TEST_F(AlarmTest, snoozeRepeatsTheAlarmAndAnAnswerInWindowOrNoticeAnswersBoth) {
    t.writeFile(kTodayFile, record("Call Ann\r\nabout\r\nthe trip\r\nand the car", "12/06/2026",
                                   "10:05:00 AM"));
    tickAt(QTime(10, 5, 0));
    ASSERT_TRUE(alarmWindow() != nullptr && notices().size() == 1u);
    EXPECT_LE(alarmWindow()->frameGeometry().right(), window().frameGeometry().left());
    EXPECT_EQ(notices()[0].summary + '|' + notices()[0].body,
              "Alarm – 10:05 AM|Call Ann\nabout\nthe trip");
    using Actions = std::vector<std::pair<QString, QString>>;
    EXPECT_EQ(notices()[0].actions, (Actions{{"snooze", "Snooze"}, {"dismiss", "Dismiss"}}));
    auto& minutes = childNamed<QComboBox>(*alarmWindow(), "snoozeMinutes");
    minutes.setCurrentIndex(minutes.findText("5 minutes"));
    QTest::mouseClick(&childNamed<QPushButton>(*alarmWindow(), "snooze"), Qt::LeftButton);
    EXPECT_EQ(alarmWindow(), nullptr);
    EXPECT_EQ(t.fakes.notifier.withdrawals, 1);
    EXPECT_EQ(t.program().settings().preferences().snoozeMinutes, 5);
    tickAt(QTime(10, 10, 0));
    EXPECT_EQ(played().size(), 2);
    EXPECT_EQ(toldAlarm().value(1), "Alarm – Sunday 12/06/2026, 10:05 AM");
    EXPECT_EQ(childNamed<QComboBox>(*alarmWindow(), "snoozeMinutes").currentText(), "5 minutes");
    t.fakes.notifier.answer("snooze"); // as long as chosen last time
    EXPECT_EQ(alarmWindow(), nullptr);
    tickAt(QTime(10, 15, 0));
    EXPECT_EQ(played().size(), 3) << "the alarm again";
    t.fakes.notifier.answer("dismiss");
    EXPECT_EQ(alarmWindow(), nullptr);
}

// Told once, quietly, and not again at the next start; reminders and the notices as set in
// Options.
// Installed, the program keeps what it told in the user's folder, not beside its sounds.
TEST_F(AlarmTest, aMissedAlarmIsToldOnceAcrossStartsAndAReminderComesAsSetInOptions) {
    const QTemporaryDir installed;
    t.resourceFolder = QDir(installed.path()).absolutePath().toStdString() + '/';
    t.writeFile(kTodayFile, record("Dentist", "12/06/2026", "9:00:00 AM"));
    tickAt(QTime(9, 30, 1));
    EXPECT_EQ(toldAlarm(), (QStringList{"Missed alarm – 9:00 AM",
                                        "Missed alarm – Sunday 12/06/2026, 9:00 AM", "Dentist"}));
    EXPECT_TRUE(t.exists("almanor.ini") && !QDir(installed.path()).exists("almanor.ini"));
    t.end();
    tickAt(QTime(9, 30, 2));
    EXPECT_EQ(notices().size(), 1u) << "not told again";
    t.program().showOptionsWindow();
    OptionsWindow& options = *t.program().optionsWindow();
    childNamed<QCheckBox>(options, "notifyThroughDesktop").click();
    childNamed<QCheckBox>(options, "remind").click();
    childNamed<QSpinBox>(options, "remindMinutesBefore").setValue(20);
    childNamed<QPushButton>(options, "apply").click();
    alarmField().setText("10:00:00 AM");
    tickAt(QTime(9, 40, 0));
    EXPECT_EQ(toldAlarm().value(0), "In 20 minutes – 10:00 AM");
    EXPECT_FALSE(childNamed<QPushButton>(*alarmWindow(), "snooze").isVisible());
    EXPECT_TRUE(played().isEmpty()) << "quietly, the missed alarm and the reminder";
    EXPECT_EQ(notices().size(), 1u);
}

TEST_F(AlarmTest, dialogOpensWithTheFieldsTextAndConfirmsForTheDayShown) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "2:00:00 PM"));
    TimeDialog& dialog = open();
    QTest::keyClick(&dialog, Qt::Key_A); // only Escape leaves
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(entry().text(), "2:00:00 PM");
    QTest::keyClicks(&entry(), "6p");
    QTest::keyClick(&entry(), Qt::Key_Return);
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "6:00:00 PM"));
    EXPECT_EQ(ticker().armedAlarm(), "6:00:00 PM");
    EXPECT_FALSE(dialog.isVisible());
    open();
    window().showDay(Date{2026, 12, 8}); // the dialog is modeless: Ok is for the day shown then
    QTest::keyClicks(&entry(), "5p");
    button("ok").click();
    EXPECT_EQ(t.readFile("20261208.dnf"), record("", "12/08/2026", "5:00:00 PM"));
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "6:00:00 PM"));
    EXPECT_EQ(ticker().armedAlarm(), "6:00:00 PM") << "another day's alarm arms nothing";
}

// Tab stops at the alarm field and tells how to open the dialog, whose Escape sets nothing.
TEST_F(AlarmTest, tabStopsAtTheAlarmFieldWhereReturnOrSpaceOpensTheDialog) {
    t.writeFile(kTodayFile, record("Dentist", "12/06/2026", "2:00:00 PM"));
    testing::activate(window());
    note().setFocus();
    open();
    EXPECT_EQ(window().focusWidget(), &note()) << "after a click the keyboard stays in the note";
    QTest::keyClick(&entry(), Qt::Key_Escape);
    testing::activate(window());
    option("thisNote").setFocus();
    QTest::keyClick(&option("thisNote"), Qt::Key_Tab);
    EXPECT_EQ(window().focusWidget(), &alarmField());
    EXPECT_FALSE(timeDialog().isVisible());
    EXPECT_EQ(QToolTip::text(), "Press Return or Space, or click, to set the alarm time");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        open(key);
        QTest::keyClicks(&entry(), "7p");
        QTest::keyClick(&entry(), Qt::Key_Escape);
        EXPECT_FALSE(timeDialog().isVisible());
        EXPECT_EQ(alarmField().text(), "2:00:00 PM");
    }
    EXPECT_EQ(t.readFile(kTodayFile), record("Dentist", "12/06/2026", "2:00:00 PM"));
}

// A time that cannot be read is refused; a time gone by is set, with advice unless that is off.
TEST_F(AlarmTest, dialogRefusesWhatItCannotReadClearsAndWarnsOfATimeGoneBy) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "2:00:00 PM"));
    openAndConfirm(kToday, "25");
    EXPECT_EQ(t.told(), (Told{{"'25' Isn't A Valid Time!", MessageStyle::Warning, "Oops!"}}));
    QTest::keyClicks(timeDialog().focusWidget(), "1"); // the entry keeps the keyboard
    EXPECT_EQ(entry().text(), "1");
    EXPECT_TRUE(timeDialog().isVisible());
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "2:00:00 PM"));
    TimeDialog& dialog = timeDialog();
    QTest::mouseClick(&button("clear"), Qt::LeftButton); // empties only the entry until Ok
    EXPECT_EQ(dialog.focusWidget(), &entry()) << "typing goes on in the entry";
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ticker().armedAlarm(), "2:00:00 PM");
    open();
    QTest::keyClick(&button("clear"), Qt::Key_Return); // a focused button takes Enter
    QTest::keyClick(&button("ok"), Qt::Key_Enter);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026"));
    EXPECT_FALSE(ticker().armedAlarm().has_value());
    EXPECT_EQ(t.told().size(), 1u) << "an empty entry is neither refused nor warned of";
    for (const bool warn : {false, true}) {
        t.told().clear();
        t.applySettings([warn](Settings& s) { s.warnOfPastAlarms = warn; });
        openAndConfirm(kToday, "9:29:59");
        EXPECT_EQ(alarmField().text(), "9:29:59 AM");
        EXPECT_EQ(t.told().size(), warn ? 1u : 0u);
    }
    t.told().clear();
    openAndConfirm(Date{2026, 12, 5}, "11:59:59 pm");
    EXPECT_EQ(t.told(), (Told{{"This date and time is in the past!\r\nYou can set the alarm time "
                               "for an expired time\r\nhowever the alarm will never be triggered.",
                               MessageStyle::Plain, "Oops!"}}));
}

} // namespace
} // namespace almanor
