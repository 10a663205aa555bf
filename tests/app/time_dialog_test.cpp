#include "alarm/time_dialog.h"
#include "alarm/time_of_day.h"
#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace almanor {
namespace {

using testing::TestProgram;

// 6 December 2026, 9:30:00 AM is the present moment on the fake clock.
const Date kToday{2026, 12, 6};
const Date kYesterday{2026, 12, 5};
const Date kTomorrow{2026, 12, 7};

const QString kPastWarning = "This date and time is in the past!\r\n"
                             "You can set the alarm time for an expired time\r\n"
                             "however the alarm will never be triggered.";

std::string record(const std::string& text, const std::string& date, const std::string& alarm) {
    return "\"dailynotes\",\"" + text + "\",\"" + date + "\",\"" + alarm + "\"\r\n";
}

class TimeDialogTest : public ::testing::Test {
protected:
    CalendarWindow& window() { return t.program().calendarWindow(); }
    TimeDialog& dialog() { return t.program().timeDialog(); }
    QLineEdit& alarmField() { return window().alarmField(); }

    // The user's way in: the alarm field takes the focus, the dialog opens; then the entry is
    // typed over (it opens with its text selected) and confirmed with Ok.
    void openAndConfirm(Date day, const QString& typed) {
        window().calendar().setValue(day);
        t.program().openTimeDialog();
        QTest::keyClick(&dialog().entry(), Qt::Key_Backspace);
        QTest::keyClicks(&dialog().entry(), typed);
        dialog().okButton().click();
    }

    std::vector<testing::ShownMessage>& shown() { return t.fakes.messageBox.shown; }

    TestProgram t;
};

TEST_F(TimeDialogTest, focusingTheAlarmFieldOpensTheDialogWithTheFieldsText) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "2:00:00 PM"));
    window().show();
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&alarmField(), &focusIn);

    ASSERT_TRUE(t.program().hasTimeDialog());
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_FALSE(dialog().isModal()) << "the calendar window stays usable";
    EXPECT_EQ(dialog().windowTitle(), "Alarm Time");
    EXPECT_EQ(dialog().entry().text(), "2:00:00 PM");
    EXPECT_EQ(dialog().size(), QSize(223, 170)) << "3345 x 2550 twips";
}

TEST_F(TimeDialogTest, eachOpeningReplacesWhatWasTypedAndNotConfirmed) {
    alarmField().setText("7:00:00 AM");
    t.program().openTimeDialog();
    QTest::keyClicks(&dialog().entry(), "11 pm");
    QTest::keyClick(&dialog().entry(), Qt::Key_Escape);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(alarmField().text(), "7:00:00 AM");

    t.program().openTimeDialog();
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(dialog().entry().text(), "7:00:00 AM");
}

TEST_F(TimeDialogTest, entryComesFirstAndEnterConfirms) {
    window().calendar().setValue(kTomorrow);
    t.program().openTimeDialog();
    EXPECT_EQ(dialog().focusWidget(), &dialog().entry()) << "ready for typing";
    std::vector<QWidget*> tabOrder;
    QWidget* w = &dialog();
    do {
        if ((w->focusPolicy() & Qt::TabFocus) != 0) {
            tabOrder.push_back(w);
        }
        w = w->nextInFocusChain();
    } while (w != &dialog());
    EXPECT_EQ(tabOrder, (std::vector<QWidget*>{&dialog().entry(), &dialog().okButton(),
                                               &dialog().clearButton()}));

    QTest::keyClicks(&dialog().entry(), "6p");
    QTest::keyClick(&dialog().entry(), Qt::Key_Return);
    EXPECT_EQ(alarmField().text(), "6:00:00 PM");
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(TimeDialogTest, showsEveryExampleWholeAndEachReadsAsItSays) {
    for (std::size_t i = 0; i < kAlarmEntryExamples.size(); ++i) {
        const QLabel* label = dialog().findChild<QLabel*>(QStringLiteral("example%1").arg(i));
        ASSERT_NE(label, nullptr);
        const QString line = label->text();
        EXPECT_EQ(line.toStdString(), kAlarmEntryExamples[i]);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(line), label->width())
            << "cut off: " << line.toStdString();

        // What the example promises is what Ok writes.
        const QStringList sides = line.split(" = ");
        ASSERT_EQ(sides.size(), 2);
        openAndConfirm(kTomorrow, sides[0]);
        EXPECT_EQ(alarmField().text(), sides[1]) << line.toStdString();
    }
    EXPECT_TRUE(shown().empty());
}

TEST_F(TimeDialogTest, acceptedEntriesGoIntoTheAlarmFieldAndTheNoteFileInNormalForm) {
    const struct {
        const char* typed;
        const char* written;
    } cases[] = {
        // The example lines are checked on their own; these are the other readings.
        {"14:12", "2:12:00 PM"},   {"0:30", "12:30:00 AM"},       {"12 am", "12:00:00 AM"},
        {"12p", "12:00:00 PM"},    {"2P", "2:00:00 PM"},          {"2 PM", "2:00:00 PM"},
        {"2.00.00", "2:00:00 AM"}, {"  7.5:9am  ", "7:05:09 AM"}, {"23:59:59", "11:59:59 PM"},
    };
    for (const auto& c : cases) {
        openAndConfirm(kTomorrow, c.typed);
        EXPECT_EQ(alarmField().text(), c.written) << c.typed;
        EXPECT_EQ(t.readFile("20261207.dnf"), record("", "12/07/2026", c.written)) << c.typed;
        EXPECT_FALSE(dialog().isVisible()) << c.typed;
    }
    EXPECT_TRUE(shown().empty()) << "tomorrow is never in the past";
}

TEST_F(TimeDialogTest, refusedEntryIsReportedEmptiedAndTheDialogStaysOpen) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "2:00:00 PM"));
    const char* refused[] = {"25", "2:60", "abc", "2:00:60", "13 am", "0 pm", "1:2:3:4", "   "};
    for (const char* typed : refused) {
        shown().clear();
        openAndConfirm(kToday, typed);
        ASSERT_EQ(shown().size(), 1u) << typed;
        EXPECT_EQ(shown()[0].text, QString("'%1' Isn't A Valid Time!").arg(typed));
        EXPECT_EQ(shown()[0].title, "Oops!");
        EXPECT_EQ(shown()[0].style, 48);
        EXPECT_TRUE(dialog().entry().text().isEmpty()) << typed;
        EXPECT_TRUE(dialog().isVisible()) << typed;
        EXPECT_EQ(alarmField().text(), "2:00:00 PM") << typed;
        EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", "2:00:00 PM"));
        EXPECT_EQ(t.program().armedAlarm, "2:00:00 PM");
    }
}

TEST_F(TimeDialogTest, clearEmptiesTheEntryOnlyAndOkThenRemovesTheAlarm) {
    t.writeFile("20261206.dnf", record("Dentist", "12/06/2026", "8:00:00 AM"));
    t.program().openTimeDialog();
    dialog().clearButton().click();
    EXPECT_TRUE(dialog().entry().text().isEmpty());
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(alarmField().text(), "8:00:00 AM");
    EXPECT_EQ(t.program().armedAlarm, "8:00:00 AM");

    dialog().okButton().click();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(alarmField().text().isEmpty());
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Dentist", "12/06/2026", ""));
    EXPECT_FALSE(t.program().armedAlarm.has_value());
    EXPECT_TRUE(shown().empty()) << "an empty entry never warns, although 8 AM has gone by";
}

TEST_F(TimeDialogTest, clearThenLeavingWithoutOkKeepsTheAlarm) {
    t.writeFile("20261206.dnf", record("", "12/06/2026", "3:00:00 PM"));
    t.program().openTimeDialog();
    dialog().clearButton().click();
    dialog().close();
    EXPECT_FALSE(dialog().isVisible());

    t.program().openTimeDialog();
    dialog().clearButton().click();
    QTest::keyClick(&dialog(), Qt::Key_Escape);
    EXPECT_FALSE(dialog().isVisible());

    EXPECT_EQ(alarmField().text(), "3:00:00 PM");
    EXPECT_EQ(t.readFile("20261206.dnf"), record("", "12/06/2026", "3:00:00 PM"));
    EXPECT_EQ(t.program().armedAlarm, "3:00:00 PM");
}

TEST_F(TimeDialogTest, warnsOnlyWhenTheDayAndTimeHaveGoneBy) {
    const struct {
        const char* name;
        Date day;
        const char* typed;
        bool warnSetting;
        bool warns;
    } cases[] = {
        {"yesterday, any time", kYesterday, "11:59:59 pm", true, true},
        {"today, a minute ago", kToday, "9:29", true, true},
        {"today, a second ago", kToday, "9:29:59", true, true},
        {"today, the present second", kToday, "9:30:00", true, false},
        {"today, later", kToday, "9:31", true, false},
        {"tomorrow, earlier than now", kTomorrow, "1 am", true, false},
        {"yesterday with the warning off", kYesterday, "1 am", false, false},
        {"a minute ago with the warning off", kToday, "9:29", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        t.program().settings.uwarn = c.warnSetting;
        shown().clear();
        openAndConfirm(c.day, c.typed);
        if (c.warns) {
            ASSERT_EQ(shown().size(), 1u);
            EXPECT_EQ(shown()[0].text, kPastWarning);
            EXPECT_EQ(shown()[0].title, "Oops!");
            EXPECT_EQ(shown()[0].style, 0);
        } else {
            EXPECT_TRUE(shown().empty());
        }
        // The warning is advice: the time is set all the same.
        const std::string expected = formatTimeOfDay(*parseAlarmEntry(c.typed));
        EXPECT_EQ(alarmField().text().toStdString(), expected);
        EXPECT_FALSE(dialog().isVisible());
    }
}

TEST_F(TimeDialogTest, okAppliesToTheDayShownWhenItIsPressed) {
    t.writeFile("20261206.dnf", record("Today", "12/06/2026", "2:00:00 PM"));
    t.program().openTimeDialog();
    window().calendar().setValue(Date{2026, 12, 8}); // the dialog is modeless
    QTest::keyClicks(&dialog().entry(), "5p");
    dialog().okButton().click();

    EXPECT_EQ(t.readFile("20261208.dnf"), record("", "12/08/2026", "5:00:00 PM"));
    EXPECT_EQ(t.readFile("20261206.dnf"), record("Today", "12/06/2026", "2:00:00 PM"));
    EXPECT_EQ(t.program().armedAlarm, "2:00:00 PM") << "another day's alarm arms nothing";
}

} // namespace
} // namespace almanor
