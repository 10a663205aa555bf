#include "alarm/alarm_rules.h"

#include <utility>

namespace almanor {

bool alarmLiesInPast(const Date& selected, const Date& today, const TimeOfDay& entered,
                     const TimeOfDay& now) {
    return selected < today || (selected == today && entered < now);
}

AlarmClock::AlarmClock(AlarmTextOfDay alarmTextOfDay)
    : alarmTextOfDay_(std::move(alarmTextOfDay)) {}

void AlarmClock::arm(const Date& day, const std::optional<std::string>& alarmText) {
    armedDay_ = day;
    armedTime_ = alarmText ? parseAlarmEntry(*alarmText) : std::nullopt;
}

std::optional<long long> AlarmClock::dueMoment(long long after, long long upTo) const {
    if (!armedDay_ || !armedTime_) {
        return std::nullopt;
    }
    const long long moment = LocalDateTime{*armedDay_, *armedTime_}.serialSeconds();
    if (moment <= after || moment > upTo || moment == lastFired_) {
        return std::nullopt;
    }
    return moment;
}

AlarmTick AlarmClock::tick(const LocalDateTime& now, bool alarmOn) {
    const long long present = now.serialSeconds();
    const bool freshStart = !examinedUpTo_ || present < *examinedUpTo_;
    const long long after = freshStart ? present - 1 : *examinedUpTo_;

    AlarmTick result;
    result.dayChanged =
        !freshStart && LocalDateTime::fromSerialSeconds(*examinedUpTo_).date != now.date;

    // The armed day's alarm first: a late tick over midnight may still owe it.
    std::optional<long long> due = dueMoment(after, present);
    if (armedDay_ != now.date) {
        arm(now.date, alarmTextOfDay_ ? alarmTextOfDay_(now.date) : std::nullopt);
        if (const auto today = dueMoment(after, present)) {
            due = today;
        }
    }
    examinedUpTo_ = present;

    if (due && alarmOn) {
        lastFired_ = due;
        result.alarm = LocalDateTime::fromSerialSeconds(*due);
    }
    return result;
}

bool AlarmClock::takeChime(const LocalDateTime& now, bool chimeOn) {
    constexpr int kLatestChimeSecond = 2;
    if (!chimeOn || now.time.minute != 0 || now.time.second > kLatestChimeSecond) {
        return false;
    }
    const std::pair hour{now.date, now.time.hour};
    if (hour == lastChimedHour_) {
        return false;
    }
    lastChimedHour_ = hour;
    return true;
}

} // namespace almanor
