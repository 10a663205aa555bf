#pragma once

#include "alarm/local_date_time.h"
#include "common/date.h"

#include <QDateTime>

namespace almanor {

// The clock service speaks Qt; the alarm rules speak the core's types. The conversion
// keeps whole seconds: a tick never looks at the milliseconds.

inline Date dateOf(const QDate& date) {
    return Date{date.year(), date.month(), date.day()};
}

inline TimeOfDay timeOfDayOf(const QTime& time) {
    return TimeOfDay{time.hour(), time.minute(), time.second()};
}

inline LocalDateTime localDateTimeOf(const QDateTime& moment) {
    return LocalDateTime{dateOf(moment.date()), timeOfDayOf(moment.time())};
}

} // namespace almanor
