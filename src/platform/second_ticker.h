#pragma once

#include "platform/platform.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

namespace almanor {

// The one timer that runs while nothing happens. Each second it reads the local clock once and
// hands that moment to everything that follows the time: the clock shown, the day that is
// today, the alarm, the hourly chime and the look at the shown note's file. One timer wakes the
// program once a second where one for each would wake it several times, and reading the clock
// once spares the system's look at the time zone for every reader.
class SecondTicker final : public QObject {
    Q_OBJECT

public:
    explicit SecondTicker(const Clock& clock);

signals:
    void ticked(const QDateTime& now);

private:
    const Clock& clock_;
    QTimer timer_;
};

} // namespace almanor
