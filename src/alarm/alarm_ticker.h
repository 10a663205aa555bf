#pragma once

#include <QObject>
#include <QTimer>

namespace almanor {

class CalendarWindow;
class Program;

// The calendar window's one-second clock: the time label, the alarm and the hourly chime.
class AlarmTicker final : public QObject {
    Q_OBJECT

public:
    AlarmTicker(Program& program, CalendarWindow& window, QObject* parent);

    void tick();

private:
    Program& program_;
    CalendarWindow& window_;
    QTimer timer_; // Timer2
};

} // namespace almanor
