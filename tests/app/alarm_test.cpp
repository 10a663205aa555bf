#include "alarm/alarm_ticker.h"
#include "alarm/time_dialog.h"
#include "alarm/time_of_day.h"
#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCharFormat>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::record;
using testing::Told;

// The fake clock starts on 6 December 2026 at 9:30:00 AM.
const Date kToday{2026, 12, 6};
const Date kTomorrow{2026, 12, 7};

class AlarmTest : public ::testing::Test {
protected:
    CalendarWindow& window() { return t.program().calendarWindow(); }
    QLineEdit& alarmField() { return window().alarmField(); }
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
    // The user's way in: the alarm field takes the focus and the dialog opens instead.
    TimeDialog& open() {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(&alarmField(), &focusIn);
        EXPECT_NE(window().timeDialog(), nullptr);
        return *window().timeDialog();
    }
    // Types over the entry (it opens with its text selected) and confirms with Ok.
    void openAndConfirm(Date day, const QString& typed) {
        window().showDay(day);
        TimeDialog& dialog = open();
        QTest::keyClick(&dialog.entry(), Qt::Key_Backspace);
        QTest::keyClicks(&dialog.entry(), typed);
        dialog.okButton().click();
    }
    testing::TestProgram t;
};

TEST_F(AlarmTest, alarmShowsTodaysNotePlaysThenTellsWithTheTimeAfterTheSound) {
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
    EXPECT_TRUE(t.told().empty());
    tickAt(QTime(9, 31, 0));
    EXPECT_EQ(played(), QStringList{sound("alarm.wav")});
    EXPECT_EQ(playedBeforeBox, 1) << "the sound ends before the message shows";
    EXPECT_EQ(t.told(), (Told{{"Dentist at 3", msg::Exclamation, "9:31:03 AM"}}));
    EXPECT_EQ(shownWhileBoxOpen, kToday);
    tickAt(QTime(9, 31, 4));
    tickAt(QTime(9, 31, 0)); // the clock set back over the alarm
    EXPECT_EQ(t.told().size(), 1u) << "at most once";
}

TEST_F(AlarmTest, tickDuringTheAlarmsBoxOnlyShowsTheTime) {
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

TEST_F(AlarmTest, newDayArmsTheAlarmOfItsOwnNoteFile) {
    t.writeFile("20261207.dnf", record("Train at 7", "12/07/2026", "7:00:00 AM"));
    EXPECT_FALSE(window().ticker().armedAlarm().has_value());
    tickAt(QTime(23, 59, 59));
    tickAt(QTime(0, 0, 0), QDate(2026, 12, 7));
    EXPECT_EQ(window().ticker().armedAlarm(), "7:00:00 AM");
    EXPECT_EQ(window().calendar().value(), kToday) << "the shown day stays until the alarm";
    EXPECT_EQ(window().calendar().view()->dateTextFormat(QDate(2026, 12, 6)), QTextCharFormat())
        << "the day before is today no more";
    tickAt(QTime(6, 59, 59), QDate(2026, 12, 7));
    tickAt(QTime(7, 0, 0), QDate(2026, 12, 7));
    EXPECT_EQ(t.told(), (Told{{"Train at 7", msg::Exclamation, "7:00:00 AM"}}));
    EXPECT_EQ(window().calendar().value(), kTomorrow);
    tickAt(QTime(0, 0, 0), QDate(2026, 12, 8));
    EXPECT_FALSE(window().ticker().armedAlarm().has_value()) << "a day without a note";
}

TEST_F(AlarmTest, dialogOpensWithTheFieldsTextAndConfirmsForTheDayShown) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "2:00:00 PM"));
    TimeDialog& dialog = open();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.entry().text(), "2:00:00 PM");
    QTest::keyClicks(&dialog.entry(), "6p");
    QTest::keyClick(&dialog.entry(), Qt::Key_Return);
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "6:00:00 PM"));
    EXPECT_EQ(window().ticker().armedAlarm(), "6:00:00 PM");
    EXPECT_FALSE(dialog.isVisible());
    open();
    window().showDay(Date{2026, 12, 8}); // the dialog is modeless: Ok is for the day shown then
    QTest::keyClicks(&dialog.entry(), "5p");
    dialog.okButton().click();
    EXPECT_EQ(t.readFile("20261208.dnf"), record("", "12/08/2026", "5:00:00 PM"));
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "6:00:00 PM"));
    EXPECT_EQ(window().ticker().armedAlarm(), "6:00:00 PM") << "another day's alarm arms nothing";
}

// The examples are the parser's own table, so the dialog never promises a reading it lacks.
TEST_F(AlarmTest, everyExampleInTheDialogIsWholeAndReadsAsItSays) {
    TimeDialog& dialog = open();
    for (std::size_t i = 0; i < kAlarmEntryExamples.size(); ++i) {
        const QLabel* label = dialog.findChild<QLabel*>(QStringLiteral("example%1").arg(i));
        ASSERT_NE(label, nullptr);
        const QString line = label->text();
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(line), label->width()) << i;
        const QStringList sides = line.split(" = ");
        ASSERT_EQ(sides.size(), 2);
        openAndConfirm(kTomorrow, sides[0]);
        EXPECT_EQ(alarmField().text(), sides[1]) << line.toStdString();
    }
    EXPECT_TRUE(t.told().empty());
}

// A time that cannot be read is refused; a time gone by is set, with advice unless that is off.
TEST_F(AlarmTest, dialogRefusesWhatItCannotReadAndWarnsOfATimeGoneBy) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "2:00:00 PM"));
    openAndConfirm(kToday, "25");
    EXPECT_EQ(t.told(), (Told{{"'25' Isn't A Valid Time!", msg::Exclamation, "Oops!"}}));
    EXPECT_TRUE(window().timeDialog()->entry().text().isEmpty());
    EXPECT_TRUE(window().timeDialog()->isVisible());
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "2:00:00 PM"));
    for (const bool warn : {false, true}) {
        t.told().clear();
        t.program().settings().uwarn = warn;
        openAndConfirm(kToday, "9:29:59");
        EXPECT_EQ(alarmField().text(), "9:29:59 AM");
        EXPECT_EQ(t.told().size(), warn ? 1u : 0u);
    }
    t.told().clear();
    openAndConfirm(kToday, "9:30:00");
    openAndConfirm(Date{2026, 12, 5}, "11:59:59 pm");
    EXPECT_EQ(t.told(), (Told{{"This date and time is in the past!\r\nYou can set the alarm time "
                               "for an expired time\r\nhowever the alarm will never be triggered.",
                               msg::OkOnly, "Oops!"}}));
}

TEST_F(AlarmTest, dialogsClearEmptiesOnlyTheEntryUntilOk) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "8:00:00 AM"));
    TimeDialog& dialog = open();
    dialog.clearButton().click();
    EXPECT_TRUE(dialog.entry().text().isEmpty());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(window().ticker().armedAlarm(), "8:00:00 AM");
    open();
    dialog.clearButton().click();
    dialog.okButton().click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026"));
    EXPECT_FALSE(window().ticker().armedAlarm().has_value());
    EXPECT_TRUE(t.told().empty()) << "an empty entry never warns, although 8 AM has gone by";
}

} // namespace
} // namespace almanor
