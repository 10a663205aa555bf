#pragma once

#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "fakes/test_program.h"
#include "fakes/user_input.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace almanor {

// 6 December 2026, 9:30:00 AM is the present moment on the fake clock.
inline const char* const kTodayFile = "20261206.dnf";
inline const Date kToday{2026, 12, 6};
inline const Date kTomorrow{2026, 12, 7};

// The calendar window of a fresh program, its controls found as the user finds them.
class CalendarWindowTest : public ::testing::Test {
protected:
    CalendarWindow& window() { return *t.started().calendarWindow(); }
    AlarmTicker& ticker() { return t.started().ticker(); }
    MonthCalendar& calendar() { return testing::childNamed<MonthCalendar>(window(), "calendar"); }
    NoteEdit& note() { return testing::childNamed<NoteEdit>(window(), "Note"); }
    QLineEdit& alarmField() { return testing::childNamed<QLineEdit>(window(), "alarmField"); }
    void select(Date date) { calendar().setValue(date); }
    void type(const QString& keys) { QTest::keyClicks(&note(), keys); }
    QRadioButton& option(const char* n) { return testing::childNamed<QRadioButton>(window(), n); }
    // The keys a hotspot's tip offers (on the line `label`), pressed on the active window.
    void pressShortcutOf(const QString& name, const QString& label = "Shortcut") {
        const QString tip = testing::childNamed(window(), name).toolTip();
        ASSERT_TRUE(tip.contains(label + ": ")) << name.toStdString();
        const QString line = tip.section(label + ": ", 1).section('\n', 0, 0);
        const QKeyCombination keys = QKeySequence::fromString(line)[0];
        testing::activate(window());
        QTest::keyClick(&window(), keys.key(), keys.keyboardModifiers());
    }
    // The tip of the first day numbered `day` in the calendar (`ofItsWeek`: of its row's week
    // number), the pointer resting on it.
    QString tipOfDay(int day, bool ofItsWeek = false) {
        auto& days = *calendar().findChild<QTableView*>();
        const int weekColumns = days.model()->columnCount() - 7;
        const auto cellAt = [&](int cell, bool week) {
            return days.model()->index(cell / 7, week ? 0 : weekColumns + cell % 7);
        };
        int cell = 0;
        while (cell < 49 && cellAt(cell, false).data().toInt() != day) {
            ++cell;
        }
        const QPoint at = days.visualRect(cellAt(cell, ofItsWeek)).center();
        QHelpEvent rest(QEvent::ToolTip, at, days.viewport()->mapToGlobal(at));
        QApplication::sendEvent(days.viewport(), &rest);
        return rest.isAccepted() ? QToolTip::text() : QString();
    }
    // The program's second: the clock, the alarm, the chime and the look at the shown day's
    // file; then the event loop runs (where sounds end and the window loads what was found).
    void tick() {
        testing::tick(t.started().secondTicker(), "clock");
        QCoreApplication::processEvents();
    }
    testing::TestProgram t;
};

} // namespace almanor
