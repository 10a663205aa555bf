#include "alarm/alarm_ticker.h"
#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::record;
using testing::TestProgram;

// The fake clock starts on 6 December 2026 at 9:30:00 AM.
const Date kToday{2026, 12, 6};

class AlarmTickerTest : public ::testing::Test {
protected:
    CalendarWindow& window() { return t.program().calendarWindow(); }
    // Sets the fake clock to a time of today (or of another day); the clock timer ticks.
    void tickAt(QTime time, QDate day = QDate(2026, 12, 6)) {
        t.fakes.clock.current = QDateTime(day, time);
        testing::tick(window(), "clock");
    }
    QString sound(const char* name) {
        return QDir::toNativeSeparators(
            QDir(QString::fromStdString(t.program().appFolder())).filePath(name));
    }
    QStringList& played() { return t.fakes.sound.played; }
    std::vector<testing::ShownMessage>& shown() { return t.fakes.messageBox.shown; }
    TestProgram t;
};

TEST_F(AlarmTickerTest, clockShowsTheNormalFormWhateverTheLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const auto& [time, text] :
         {std::pair{QTime(0, 0, 5), "12:00:05 AM"}, std::pair{QTime(12, 0, 0), "12:00:00 PM"},
          std::pair{QTime(13, 4, 59), "1:04:59 PM"}}) {
        tickAt(time);
        EXPECT_EQ(window().clockLabel().text(), text);
    }
    QLocale::setDefault(before);
}

TEST_F(AlarmTickerTest, alarmShowsTodaysNotePlaysThenTellsWithTheTimeAfterTheSound) {
    t.writeFile("20261206.dnf", record("Dentist at 3", "12/06/2026", "9:31:00 AM"));
    window().showDay(Date{2026, 12, 2});
    t.fakes.sound.secondsPerSound = 3;
    Date shownWhileBoxOpen;
    qsizetype playedBeforeBox = -1;
    t.fakes.messageBox.onShow = [&] {
        shownWhileBoxOpen = window().calendar().value();
        playedBeforeBox = played().size();
    };
    tickAt(QTime(9, 30, 59));
    EXPECT_TRUE(shown().empty());
    tickAt(QTime(9, 31, 0));
    EXPECT_EQ(played(), QStringList{sound("alarm.wav")});
    EXPECT_EQ(playedBeforeBox, 1) << "the sound ends before the message shows";
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "Dentist at 3");
    EXPECT_EQ(shown()[0].title, "9:31:03 AM");
    EXPECT_EQ(shown()[0].style, msg::Exclamation);
    EXPECT_EQ(shownWhileBoxOpen, kToday);
    tickAt(QTime(9, 31, 4));
    tickAt(QTime(9, 31, 0)); // the clock set back over the alarm
    EXPECT_EQ(shown().size(), 1u) << "at most once";
}

TEST_F(AlarmTickerTest, alarmSwitchedOffStaysArmedButNeverSounds) {
    t.writeFile("20261206.dnf", record("Walk", "12/06/2026", "9:31:00 AM"));
    t.program().settings().ualarm = false;
    EXPECT_EQ(window().ticker().armedAlarm(), "9:31:00 AM");
    tickAt(QTime(9, 30, 59));
    tickAt(QTime(9, 31, 0));
    t.program().settings().ualarm = true;
    tickAt(QTime(9, 31, 1));
    EXPECT_TRUE(played().empty());
    EXPECT_TRUE(shown().empty());
}

TEST_F(AlarmTickerTest, chimeSoundsOnTheFullHourOnlyOnceAnHourAndWhenSwitchedOn) {
    const struct {
        QTime time;
        bool chimes;
    } ticks[] = {
        {QTime(10, 59, 59), false}, {QTime(11, 0, 0), true},   {QTime(11, 0, 0), false},
        {QTime(11, 0, 1), false},   {QTime(11, 30, 0), false}, {QTime(0, 0, 0), true},
    };
    for (const auto& tick : ticks) {
        played().clear();
        tickAt(tick.time);
        EXPECT_EQ(played().size(), tick.chimes ? 1 : 0) << tick.time.toString().toStdString();
    }
    played().clear();
    t.program().settings().chimeSound = std::string("/sounds/bell.wav");
    tickAt(QTime(13, 0, 0));
    EXPECT_EQ(played(), QStringList{QDir::toNativeSeparators("/sounds/bell.wav")})
        << "a name with its folder is used as it is";
    t.program().settings().uchime = false;
    tickAt(QTime(14, 0, 0));
    EXPECT_EQ(played().size(), 1);
}

TEST_F(AlarmTickerTest, alarmOnTheHourLetsTheChimeSoundOnlyWithinTheSameSecond) {
    for (const auto& [soundSeconds, chimes] : {std::pair{0, 1}, std::pair{3, 0}}) {
        TestProgram p;
        p.writeFile("20261206.dnf", record("Meeting", "12/06/2026", "10:00:00 AM"));
        p.fakes.sound.secondsPerSound = soundSeconds;
        p.fakes.clock.current = QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0));
        testing::tick(p.program().calendarWindow(), "clock");
        EXPECT_EQ(p.fakes.messageBox.shown.size(), 1u);
        EXPECT_EQ(p.fakes.sound.played.filter("chime.wav").size(), chimes) << soundSeconds;
    }
}

TEST_F(AlarmTickerTest, tickDuringTheAlarmsBoxOnlyShowsTheTime) {
    t.writeFile("20261206.dnf", record("Pills", "12/06/2026", "9:59:59 AM"));
    qsizetype playedWhileOpen = -1;
    QString clockWhileOpen;
    t.fakes.messageBox.onShow = [&] {
        // The box's own event loop delivers the timer: the full hour comes while it is open.
        t.fakes.clock.advanceSeconds(1);
        testing::tick(window(), "clock");
        playedWhileOpen = played().size();
        clockWhileOpen = window().clockLabel().text();
    };
    tickAt(QTime(9, 59, 59));
    EXPECT_EQ(clockWhileOpen, "10:00:00 AM");
    EXPECT_EQ(playedWhileOpen, 1) << "no chime while the alarm's box is open";
    EXPECT_EQ(played(), (QStringList{sound("alarm.wav"), sound("chime.wav")}))
        << "the box closed within the hour's first second: it chimes once, afterwards";
}

TEST_F(AlarmTickerTest, newDayArmsTheAlarmOfItsOwnNoteFile) {
    t.writeFile("20261207.dnf", record("Train at 7", "12/07/2026", "7:00:00 AM"));
    EXPECT_FALSE(window().ticker().armedAlarm().has_value());
    tickAt(QTime(23, 59, 59));
    tickAt(QTime(0, 0, 0), QDate(2026, 12, 7));
    EXPECT_EQ(window().ticker().armedAlarm(), "7:00:00 AM");
    EXPECT_EQ(window().calendar().value(), kToday) << "the shown day stays until the alarm";
    tickAt(QTime(6, 59, 59), QDate(2026, 12, 7));
    tickAt(QTime(7, 0, 0), QDate(2026, 12, 7));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "Train at 7");
    EXPECT_EQ(window().calendar().value(), (Date{2026, 12, 7}));
}

TEST_F(AlarmTickerTest, disarmedOrDamagedAlarmNeverFires) {
    t.writeFile("20261206.dnf", record("Odd", "12/06/2026", "soon"));
    EXPECT_EQ(window().ticker().armedAlarm(), "soon");
    for (int second = 0; second < 3 * 60 * 60; second += 7) {
        tickAt(QTime(9, 30, 0).addSecs(second));
    }
    window().alarmField().setText("12:40:00 PM");
    window().alarmField().setText(QString());
    EXPECT_FALSE(window().ticker().armedAlarm().has_value());
    tickAt(QTime(12, 39, 59));
    tickAt(QTime(12, 40, 0));
    EXPECT_TRUE(shown().empty());
}

} // namespace
} // namespace almanor
