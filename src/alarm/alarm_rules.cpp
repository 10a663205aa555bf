#include "alarm/alarm_rules.h"

#include <utility>

namespace almanor {

bool alarmLiesInPast(const Date& selected, const Date& today, const TimeOfDay& entered,
                     const TimeOfDay& now) {
    return selected < today || (selected == today && entered < now);
}

namespace {

constexpr long long kSecondsPerMinute = 60;
// A due moment further behind than this went by unseen; within it, the tick was merely late
// (a sound played, the system was busy).
constexpr long long kLatestSounding = 60;

long long startOfDay(const Date& day) {
    return LocalDateTime{day, TimeOfDay{}}.serialSeconds();
}

} // namespace

std::string toldAlarmText(const LocalDateTime& alarm) {
    return formatDateText(alarm.date) + ' ' + formatTimeOfDay(alarm.time);
}

std::optional<LocalDateTime> parseToldAlarm(std::string_view text) {
    const auto space = text.find(' ');
    if (space == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<Date> date = parseDateText(text.substr(0, space));
    const std::optional<TimeOfDay> time = parseAlarmEntry(text.substr(space + 1));
    if (!date || !time) {
        return std::nullopt;
    }
    return LocalDateTime{*date, *time};
}

AlarmClock::AlarmClock(AlarmTextOfDay alarmTextOfDay)
    : alarmTextOfDay_(std::move(alarmTextOfDay)) {}

void AlarmClock::arm(const Date& day, const std::optional<std::string>& alarmText) {
    armedDay_ = day;
    armedTime_ = alarmText ? parseAlarmEntry(*alarmText) : std::nullopt;
}

bool AlarmClock::snooze(const LocalDateTime& alarm, const LocalDateTime& now, int minutes) {
    const long long repeat = now.serialSeconds() + minutes * kSecondsPerMinute;
    if (repeat >= startOfDay(alarm.date.addDays(1))) {
        return false;
    }
    snoozed_ = {alarm.serialSeconds(), repeat};
    return true;
}

std::optional<long long> AlarmClock::armedMoment() const {
    if (!armedDay_ || !armedTime_) {
        return std::nullopt;
    }
    return LocalDateTime{*armedDay_, *armedTime_}.serialSeconds();
}

std::optional<long long> AlarmClock::dueMoment(long long after, long long upTo) const {
    const std::optional<long long> moment = armedMoment();
    if (!moment || *moment <= after || *moment > upTo || moment == lastTold_) {
        return std::nullopt;
    }
    return moment;
}

std::optional<std::pair<long long, long long>> AlarmClock::snoozeEnded(const LocalDateTime& now) {
    if (!snoozed_ || snoozed_->second > now.serialSeconds() ||
        LocalDateTime::fromSerialSeconds(snoozed_->first).date != now.date) {
        return std::nullopt;
    }
    return std::exchange(snoozed_, std::nullopt);
}

std::optional<long long> AlarmClock::reminderDue(long long after, long long upTo) const {
    const std::optional<long long> moment = armedMoment();
    if (remindMinutes_ <= 0 || !moment || *moment <= upTo || moment == lastReminded_) {
        return std::nullopt;
    }
    const long long reminder = *moment - remindMinutes_ * kSecondsPerMinute;
    if (reminder <= after || reminder > upTo) {
        return std::nullopt;
    }
    return moment;
}

AlarmTick AlarmClock::tick(const LocalDateTime& now, bool alarmOn) {
    const long long present = now.serialSeconds();
    const bool setBack = examinedUpTo_ && present < *examinedUpTo_;
    long long after = present - 1;
    if (!examinedUpTo_) {
        after = startOfDay(now.date) - 1;
    } else if (!setBack) {
        after = *examinedUpTo_;
    }

    AlarmTick result;
    result.dayChanged = examinedUpTo_ && !setBack &&
                        LocalDateTime::fromSerialSeconds(*examinedUpTo_).date != now.date;

    // The armed day's alarm first: a late tick over midnight may still owe it.
    std::optional<long long> due = dueMoment(after, present);
    if (armedDay_ != now.date) {
        arm(now.date, alarmTextOfDay_ ? alarmTextOfDay_(now.date) : std::nullopt);
        if (const auto today = dueMoment(after, present)) {
            due = today;
        }
    }
    // The alarm moment that fell due and when it did: the alarm itself, or else its snooze.
    std::optional<std::pair<long long, long long>> fell = snoozeEnded(now);
    if (due) {
        fell = {*due, *due};
    }
    const std::optional<long long> reminder = reminderDue(after, present);
    examinedUpTo_ = present;
    if (!alarmOn) {
        return result;
    }

    if (fell) {
        const auto [alarm, fellDue] = *fell;
        lastTold_ = alarm;
        result.alarm = LocalDateTime::fromSerialSeconds(alarm);
        result.call = present - fellDue > kLatestSounding ? AlarmCall::Missed : AlarmCall::Sound;
    } else if (reminder) {
        lastReminded_ = reminder;
        result.alarm = LocalDateTime::fromSerialSeconds(*reminder);
        result.call = AlarmCall::Reminder;
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
