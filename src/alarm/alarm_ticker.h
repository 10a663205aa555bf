#pragma once

#include "alarm/alarm_rules.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace almanor {

class CalendarWindow;
class Program;

// The calendar window's one-second clock: each tick shows the time, fires the alarm of
// today's note when its time has come, and sounds the hourly chime.
//
// Playing a sound and showing the alarm's message box run nested event loops, inside which
// the timer keeps firing. Such a nested tick only shows the time: the alarm and the chime are
// decided by the outer tick alone, and the next regular tick looks back over the seconds the
// sound and the box took, so an alarm due meanwhile still fires.
class AlarmTicker final : public QObject {
    Q_OBJECT

public:
    AlarmTicker(Program& program, CalendarWindow& window, QObject* parent);

    // Timer2's tick.
    void tick();

    // Arms the alarm of the note of `day` (today) with the alarm field's text; an empty text
    // disarms. The program's armed alarm follows.
    void arm(const Date& day, const QString& alarmText);

private:
    void showClock();
    void soundAlarm(const LocalDateTime& due);
    // The alarm text of a day's note file, read when the day changes under a running program.
    std::optional<std::string> alarmTextFromFile(const Date& day);

    Program& program_;
    CalendarWindow& window_;
    AlarmClock alarmClock_;
    bool ticking_ = false;
    QTimer timer_; // Timer2
};

} // namespace almanor
