#include "alarm/alarm_rules.h"
#include "alarm/time_dialog.h"
#include "alarm/time_of_day.h"
#include "calendar/calendar_window.h"
#include "fakes/test_program.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace almanor {
namespace {

using testing::record;
using testing::TestProgram;

// 6 December 2026, 9:30:00 AM is the present moment on the fake clock.
const Date kToday{2026, 12, 6};
const Date kYesterday{2026, 12, 5};
const Date kTomorrow{2026, 12, 7};

class TimeDialogTest : public ::testing::Test {
protected:
    CalendarWindow& window() { return t.program().calendarWindow(); }
    QLineEdit& alarmField() { return window().alarmField(); }
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
    std::vector<testing::ShownMessage>& shown() { return t.fakes.messageBox.shown; }
    TestProgram t;
};

TEST_F(TimeDialogTest, opensWithTheFieldsTextAndEnterConfirms) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "2:00:00 PM"));
    TimeDialog& dialog = open();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.entry().text(), "2:00:00 PM");
    QTest::keyClicks(&dialog.entry(), "6p");
    QTest::keyClick(&dialog.entry(), Qt::Key_Return);
    EXPECT_EQ(alarmField().text(), "6:00:00 PM");
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "6:00:00 PM"));
    EXPECT_EQ(window().ticker().armedAlarm(), "6:00:00 PM");
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(TimeDialogTest, everyExampleIsWholeAndReadsAsItSays) {
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
    EXPECT_TRUE(shown().empty());
}

TEST_F(TimeDialogTest, refusedEntryIsReportedEmptiedAndTheAlarmStays) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "2:00:00 PM"));
    for (const char* typed : {"25", "abc", "   "}) {
        shown().clear();
        openAndConfirm(kToday, typed);
        ASSERT_EQ(shown().size(), 1u) << typed;
        EXPECT_EQ(shown()[0].text, QString("'%1' Isn't A Valid Time!").arg(typed));
        EXPECT_EQ(shown()[0].title, "Oops!");
        EXPECT_EQ(shown()[0].style, msg::Exclamation);
        EXPECT_TRUE(window().timeDialog()->entry().text().isEmpty()) << typed;
        EXPECT_TRUE(window().timeDialog()->isVisible()) << typed;
        EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "2:00:00 PM"));
    }
}

TEST_F(TimeDialogTest, clearEmptiesOnlyTheEntryUntilOk) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "8:00:00 AM"));
    for (const bool leaveWithEscape : {true, false}) {
        TimeDialog& dialog = open();
        dialog.clearButton().click();
        EXPECT_TRUE(dialog.entry().text().isEmpty());
        EXPECT_EQ(alarmField().text(), "8:00:00 AM");
        leaveWithEscape ? QTest::keyClick(&dialog, Qt::Key_Escape) : (void)dialog.close();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(window().ticker().armedAlarm(), "8:00:00 AM");
    }
    TimeDialog& dialog = open();
    dialog.clearButton().click();
    dialog.okButton().click();
    EXPECT_TRUE(alarmField().text().isEmpty());
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026"));
    EXPECT_FALSE(window().ticker().armedAlarm().has_value());
    EXPECT_TRUE(shown().empty()) << "an empty entry never warns, although 8 AM has gone by";
}

TEST_F(TimeDialogTest, warnsOnlyWhenTheDayAndTimeHaveGoneBy) {
    const struct {
        Date day;
        const char* typed;
        bool warnSetting;
        bool warns;
    } cases[] = {
        {kYesterday, "11:59:59 pm", true, true}, {kToday, "9:29:59", true, true},
        {kToday, "9:30:00", true, false},        {kTomorrow, "1 am", true, false},
        {kYesterday, "1 am", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        t.program().settings().uwarn = c.warnSetting;
        shown().clear();
        openAndConfirm(c.day, c.typed);
        ASSERT_EQ(shown().size(), c.warns ? 1u : 0u);
        if (c.warns) {
            EXPECT_EQ(shown()[0].text, "This date and time is in the past!\r\n"
                                       "You can set the alarm time for an expired time\r\n"
                                       "however the alarm will never be triggered.");
            EXPECT_EQ(shown()[0].title, "Oops!");
        }
        // Advice only: the time is set all the same.
        EXPECT_EQ(alarmField().text().toStdString(), formatTimeOfDay(*parseAlarmEntry(c.typed)));
    }
}

TEST_F(TimeDialogTest, okAppliesToTheDayShownWhenItIsPressed) {
    t.writeFile("20261206.dnf", record("Today", "12/06/2026", "2:00:00 PM"));
    TimeDialog& dialog = open();
    window().showDay(Date{2026, 12, 8}); // the dialog is modeless
    QTest::keyClicks(&dialog.entry(), "5p");
    dialog.okButton().click();
    EXPECT_EQ(t.readFile("20261208.dnf"), record("", "12/08/2026", "5:00:00 PM"));
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Today", "12/06/2026", "2:00:00 PM"));
    EXPECT_EQ(window().ticker().armedAlarm(), "2:00:00 PM") << "another day's alarm arms nothing";
}

} // namespace
} // namespace almanor
