#include "alarm/alarm_ticker.h"

#include "alarm/qt_date_time.h"
#include "calendar/calendar_window.h"
#include "calendar/month_calendar.h"
#include "calendar/note_edit.h"
#include "shell/program.h"

#include <QLabel>
#include <QScopedValueRollback>

namespace almanor {

AlarmTicker::AlarmTicker(Program& program, CalendarWindow& window, QObject* parent)
    : QObject(parent), program_(program), window_(window),
      alarmClock_([this](const Date& day) { return alarmTextFromFile(day); }) {
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &AlarmTicker::tick);
    timer_.start();
    // Only the time at once: the window is still being set up, and the alarm is first looked
    // at by the first timer tick, once today's note is shown and armed.
    showClock();
}

void AlarmTicker::tick() {
    showClock();
    if (ticking_) {
        return;
    }
    const QScopedValueRollback<bool> guard(ticking_, true);

    const LocalDateTime now = localDateTimeOf(program_.platform().clock.now());
    window_.calendar().setToday(now.date);
    const AlarmTick result = alarmClock_.tick(now, isOn(program_.settings.ualarm));
    if (result.alarm) {
        soundAlarm(*result.alarm);
    }

    // Read afresh: the alarm may have taken seconds, and a full hour that went by meanwhile
    // is not chimed late.
    const LocalDateTime afterAlarm = localDateTimeOf(program_.platform().clock.now());
    if (alarmClock_.takeChime(afterAlarm, isOn(program_.settings.uchime))) {
        program_.playWave(QString::fromStdString(textValue(program_.settings.chimeSound)));
    }
}

void AlarmTicker::arm(const Date& day, const QString& alarmText) {
    if (alarmText.isEmpty()) {
        program_.armedAlarm.reset();
    } else {
        program_.armedAlarm = alarmText.toStdString();
    }
    alarmClock_.arm(day, program_.armedAlarm);
}

void AlarmTicker::showClock() {
    const QTime now = program_.platform().clock.now().time();
    window_.clockLabel().setText(QString::fromStdString(formatTimeOfDay(timeOfDayOf(now))));
}

void AlarmTicker::soundAlarm(const LocalDateTime& due) {
    // The note the alarm belongs to is shown (a date change: it is loaded from its file), and
    // the window stays where it is. That day is today, unless a tick late over midnight
    // still owes yesterday's alarm.
    window_.calendar().setValue(due.date);
    program_.playWave(QString::fromStdString(textValue(program_.settings.alarmSound)));
    const TimeOfDay afterSound = timeOfDayOf(program_.platform().clock.now().time());
    program_.msgAnswer = program_.platform().messageBox.show(
        window_.noteBox().noteText(), msg::OkOnly + msg::Exclamation,
        QString::fromStdString(formatTimeOfDay(afterSound)));
}

std::optional<std::string> AlarmTicker::alarmTextFromFile(const Date& day) {
    const LoadResult note = program_.noteStore().load(day);
    std::optional<std::string> alarm;
    if (note.status == LoadResult::Status::Loaded && !note.alarm.empty()) {
        alarm = note.alarm;
    }
    // The clock arms what it reads here, so the program's record of the armed alarm follows.
    program_.armedAlarm = alarm;
    return alarm;
}

} // namespace almanor
