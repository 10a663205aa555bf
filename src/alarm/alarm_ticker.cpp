#include "alarm/alarm_ticker.h"

#include "calendar/calendar_window.h"
#include "shell/program.h"

#include <QLabel>

namespace almanor {

AlarmTicker::AlarmTicker(Program& program, CalendarWindow& window, QObject* parent)
    : QObject(parent), program_(program), window_(window) {
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &AlarmTicker::tick);
    timer_.start();
    tick();
}

void AlarmTicker::tick() {
    window_.clockLabel().setText(program_.platform().clock.now().time().toString());
}

} // namespace almanor
