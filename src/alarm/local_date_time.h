#pragma once

#include "alarm/time_of_day.h"
#include "common/date.h"

namespace almanor {

// A moment on the local wall clock, to the second. The wall clock can jump (the user sets
// the system time, daylight saving time begins), so callers compare moments but never
// assume that one follows the other by the time that has passed.
struct LocalDateTime {
    Date date;
    TimeOfDay time;

    friend bool operator==(const LocalDateTime& a, const LocalDateTime& b) {
        return a.date == b.date && a.time == b.time;
    }
    friend bool operator!=(const LocalDateTime& a, const LocalDateTime& b) { return !(a == b); }
    friend bool operator<(const LocalDateTime& a, const LocalDateTime& b) {
        return a.date != b.date ? a.date < b.date : a.time < b.time;
    }
    friend bool operator>(const LocalDateTime& a, const LocalDateTime& b) { return b < a; }
    friend bool operator<=(const LocalDateTime& a, const LocalDateTime& b) { return !(b < a); }
    friend bool operator>=(const LocalDateTime& a, const LocalDateTime& b) { return !(a < b); }

    // Seconds since 1970-01-01 00:00:00 on the wall clock.
    long long serialSeconds() const {
        return date.serial() * kSecondsPerDay + time.secondsSinceMidnight();
    }
    static LocalDateTime fromSerialSeconds(long long seconds) {
        const long long days =
            (seconds >= 0 ? seconds : seconds - (kSecondsPerDay - 1)) / kSecondsPerDay;
        return LocalDateTime{Date::fromSerial(days),
                             TimeOfDay::fromSecondsSinceMidnight(seconds - days * kSecondsPerDay)};
    }
};

} // namespace almanor
