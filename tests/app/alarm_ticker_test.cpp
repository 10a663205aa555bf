#include "alarm/alarm_ticker.h"
#include "alarm/time_dialog.h"
#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

namespace almanor {
namespace {

using testing::TestProgram;

// The fake clock starts on 6 December 2026 at 9:30:00 AM.
const Date kToday{2026, 12, 6};

std::string record(const std::string& text, const std::string& date, const std::string& alarm) {
    return "\"dailynotes\",\"" + text + "\",\"" + date + "\",\"" + alarm + "\"\r\n";
}

class AlarmTickerTest : public ::testing::Test {
protected:
    CalendarWindow& window() { return t.program().calendarWindow(); }
    AlarmTicker& ticker() { return window().ticker(); }

    // Sets the fake clock to a time of today (or of another day) and runs one tick.
    void tickAt(QTime time, QDate day = QDate(2026, 12, 6)) {
        t.fakes.clock.current = QDateTime(day, time);
        ticker().tick();
    }
    QString sound(const char* name) {
        return QDir::toNativeSeparators(t.program().appFilePath(name));
    }
    QStringList& played() { return t.fakes.sound.played; }
    std::vector<testing::ShownMessage>& shown() { return t.fakes.messageBox.shown; }

    TestProgram t;
};

TEST_F(AlarmTickerTest, clockShowsTheNormalFormWhateverTheLocale) {
    const struct {
        QTime time;
        const char* shown;
    } cases[] = {
        {QTime(9, 30, 0), "9:30:00 AM"},    {QTime(0, 0, 5), "12:00:05 AM"},
        {QTime(12, 0, 0), "12:00:00 PM"},   {QTime(13, 4, 59), "1:04:59 PM"},
        {QTime(23, 59, 59), "11:59:59 PM"},
    };
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const auto& c : cases) {
        tickAt(c.time);
        EXPECT_EQ(window().clockLabel().text(), c.shown);
    }
    QLocale::setDefault(before);
}

TEST_F(AlarmTickerTest, alarmShowsTodaysNotePlaysThenTellsWithTheTimeAfterTheSound) {
    t.writeFile("20261206.dnf", record("Dentist at 3", "12/06/2026", "9:31:00 AM"));
    t.writeFile("20261202.dnf", record("An older note", "12/02/2026", ""));
    window().calendar().setValue(Date{2026, 12, 2});
    const QPoint position = window().pos();
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
    EXPECT_EQ(shown()[0].style, 48);
    EXPECT_EQ(shownWhileBoxOpen, kToday);
    EXPECT_EQ(window().noteBox().noteText(), "Dentist at 3");
    EXPECT_EQ(window().pos(), position);

    tickAt(QTime(9, 31, 4));
    tickAt(QTime(9, 31, 0)); // the clock set back over the alarm
    EXPECT_EQ(shown().size(), 1u) << "at most once";
}

TEST_F(AlarmTickerTest, alarmWithoutNoteTextOrSoundStillShowsItsBox) {
    t.writeFile("20261206.dnf", record("", "12/06/2026", "9:30:30 AM"));
    t.program().settings.alarmSound = std::string();
    tickAt(QTime(9, 30, 29));
    tickAt(QTime(9, 30, 30));
    EXPECT_TRUE(played().empty());
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "");
    EXPECT_EQ(shown()[0].title, "9:30:30 AM");
}

TEST_F(AlarmTickerTest, alarmSwitchedOffStaysArmedButNeverSounds) {
    t.writeFile("20261206.dnf", record("Walk", "12/06/2026", "9:31:00 AM"));
    t.program().settings.ualarm = false;
    window();
    EXPECT_EQ(t.program().armedAlarm, "9:31:00 AM");
    tickAt(QTime(9, 30, 59));
    tickAt(QTime(9, 31, 0));
    t.program().settings.ualarm = true;
    tickAt(QTime(9, 31, 1));
    tickAt(QTime(9, 40, 0));
    EXPECT_TRUE(played().empty());
    EXPECT_TRUE(shown().empty());
}

TEST_F(AlarmTickerTest, lateTickFiresTheMissedAlarmOnce) {
    t.writeFile("20261206.dnf", record("Call", "12/06/2026", "9:31:00 AM"));
    tickAt(QTime(9, 30, 58));
    tickAt(QTime(9, 31, 7)); // the machine was busy for nine seconds
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].title, "9:31:07 AM");
    tickAt(QTime(9, 31, 8));
    tickAt(QTime(9, 35, 0));
    EXPECT_EQ(shown().size(), 1u);
}

TEST_F(AlarmTickerTest, alarmDueWhileTheChimePlaysFiresAfterIt) {
    t.writeFile("20261206.dnf", record("Tea", "12/06/2026", "10:00:02 AM"));
    t.fakes.sound.secondsPerSound = 5;
    tickAt(QTime(9, 59, 59));
    tickAt(QTime(10, 0, 0)); // the chime takes until 10:00:05
    EXPECT_EQ(played(), QStringList{sound("chime.wav")});
    EXPECT_TRUE(shown().empty());

    t.fakes.clock.advanceSeconds(1);
    ticker().tick();
    EXPECT_EQ(played(), (QStringList{sound("chime.wav"), sound("alarm.wav")}));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].title, "10:00:11 AM");
}

TEST_F(AlarmTickerTest, chimeSoundsOnTheFullHourOnlyOnceAnHourAndWhenSwitchedOn) {
    const struct {
        QTime time;
        bool chimes;
    } ticks[] = {
        {QTime(10, 59, 59), false}, {QTime(11, 0, 0), true},   {QTime(11, 0, 0), false},
        {QTime(11, 0, 1), false},   {QTime(11, 30, 0), false}, {QTime(12, 0, 0), true},
        {QTime(0, 0, 0), true},
    };
    for (const auto& tick : ticks) {
        played().clear();
        tickAt(tick.time);
        EXPECT_EQ(played().size(), tick.chimes ? 1 : 0) << tick.time.toString().toStdString();
    }
    played().clear();
    t.program().settings.chimeSound = std::string("/sounds/bell.wav");
    tickAt(QTime(13, 0, 0));
    EXPECT_EQ(played(), QStringList{QDir::toNativeSeparators("/sounds/bell.wav")})
        << "a name with its folder is used as it is";

    played().clear();
    t.program().settings.uchime = false;
    tickAt(QTime(14, 0, 0));
    EXPECT_TRUE(played().empty());
}

TEST_F(AlarmTickerTest, alarmOnTheHourLetsTheChimeSoundOnlyWithinTheSameSecond) {
    const struct {
        qint64 soundSeconds;
        int chimes;
    } cases[] = {{0, 1}, {3, 0}};
    for (const auto& c : cases) {
        TestProgram fresh;
        fresh.writeFile("20261206.dnf", record("Meeting", "12/06/2026", "10:00:00 AM"));
        fresh.fakes.sound.secondsPerSound = c.soundSeconds;
        AlarmTicker& ticker = fresh.program().calendarWindow().ticker();
        fresh.fakes.clock.current = QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0));
        ticker.tick();
        EXPECT_EQ(fresh.fakes.messageBox.shown.size(), 1u);
        EXPECT_EQ(fresh.fakes.sound.played.count(
                      QDir::toNativeSeparators(fresh.program().appFilePath("chime.wav"))),
                  c.chimes)
            << "sound of " << c.soundSeconds << " s";
    }
}

TEST_F(AlarmTickerTest, tickDuringTheAlarmsBoxOnlyShowsTheTime) {
    t.writeFile("20261206.dnf", record("Pills", "12/06/2026", "9:59:59 AM"));
    qsizetype playedWhileOpen = -1;
    QString clockWhileOpen;
    t.fakes.messageBox.onShow = [&] {
        // The box's own event loop delivers the timer: the full hour comes while it is open.
        t.fakes.clock.advanceSeconds(1);
        ticker().tick();
        playedWhileOpen = played().size();
        clockWhileOpen = window().clockLabel().text();
    };
    tickAt(QTime(9, 59, 59));

    EXPECT_EQ(clockWhileOpen, "10:00:00 AM");
    EXPECT_EQ(playedWhileOpen, 1) << "no chime while the alarm's box is open";
    EXPECT_EQ(shown().size(), 1u);
    EXPECT_EQ(played(), (QStringList{sound("alarm.wav"), sound("chime.wav")}))
        << "the box closed within the hour's first second: it chimes once, afterwards";
}

TEST_F(AlarmTickerTest, newDayArmsTheAlarmOfItsOwnNoteFile) {
    t.writeFile("20261207.dnf", record("Train at 7", "12/07/2026", "7:00:00 AM"));
    EXPECT_FALSE(t.program().armedAlarm.has_value());
    tickAt(QTime(23, 59, 59));
    tickAt(QTime(0, 0, 0), QDate(2026, 12, 7));
    EXPECT_EQ(t.program().armedAlarm, "7:00:00 AM");
    EXPECT_EQ(window().calendar().value(), kToday) << "the shown day stays until the alarm";

    tickAt(QTime(6, 59, 59), QDate(2026, 12, 7));
    tickAt(QTime(7, 0, 0), QDate(2026, 12, 7));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "Train at 7");
    EXPECT_EQ(window().calendar().value(), (Date{2026, 12, 7}));
}

TEST_F(AlarmTickerTest, yesterdaysAlarmTimeDoesNotFireOnTheNextDay) {
    t.writeFile("20261206.dnf", record("Daily", "12/06/2026", "9:31:00 AM"));
    tickAt(QTime(9, 30, 59));
    tickAt(QTime(9, 31, 0));
    ASSERT_EQ(shown().size(), 1u);

    tickAt(QTime(9, 30, 59), QDate(2026, 12, 7));
    EXPECT_FALSE(t.program().armedAlarm.has_value()) << "the new day has no note";
    tickAt(QTime(9, 31, 0), QDate(2026, 12, 7));
    EXPECT_EQ(shown().size(), 1u);
}

TEST_F(AlarmTickerTest, timeSetInTheDialogForTodayFiresAndAnotherDaysDoesNot) {
    window();
    t.program().openTimeDialog();
    TimeDialog& dialog = t.program().timeDialog();
    QTest::keyClicks(&dialog.entry(), "9:32");
    dialog.okButton().click();

    window().calendar().setValue(Date{2026, 12, 8});
    t.program().openTimeDialog();
    QTest::keyClicks(&dialog.entry(), "9:31");
    dialog.okButton().click();
    EXPECT_EQ(t.program().armedAlarm, "9:32:00 AM");

    tickAt(QTime(9, 30, 1));
    tickAt(QTime(9, 31, 0));
    EXPECT_TRUE(shown().empty());
    tickAt(QTime(9, 32, 0));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(window().calendar().value(), kToday);
}

TEST_F(AlarmTickerTest, disarmedOrDamagedAlarmNeverFires) {
    t.writeFile("20261206.dnf", record("Odd", "12/06/2026", "soon"));
    window();
    EXPECT_EQ(t.program().armedAlarm, "soon");
    for (int second = 0; second < 3 * 60 * 60; second += 7) {
        tickAt(QTime(9, 30, 0).addSecs(second));
    }
    EXPECT_TRUE(shown().empty());

    window().alarmField().setText("12:40:00 PM");
    window().alarmField().setText(QString());
    EXPECT_FALSE(t.program().armedAlarm.has_value());
    tickAt(QTime(12, 39, 59));
    tickAt(QTime(12, 40, 0));
    EXPECT_TRUE(shown().empty());
}

} // namespace
} // namespace almanor
