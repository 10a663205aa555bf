#pragma once

#include "alarm/local_date_time.h"
#include "alarm/time_of_day.h"
#include "common/date.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace almanor {

// Whether an alarm set for `entered` on the note of `selected` has already gone by: any
// time on an earlier day, or an earlier second of today. The present second still counts
// as to come, and a later day never lies in the past.
bool alarmLiesInPast(const Date& selected, const Date& today, const TimeOfDay& entered,
                     const TimeOfDay& now);

// How an alarm is told: with its sound (its time came, or the snooze of it ended), quietly as
// missed (its time went by while the program was not running or the computer slept), or quietly
// as a reminder of an alarm to come.
enum class AlarmCall { Sound, Missed, Reminder };

// What one clock tick found.
struct AlarmTick {
    // The alarm moment the tick tells of, in the way `call` says.
    std::optional<LocalDateTime> alarm;
    AlarmCall call = AlarmCall::Sound;
    // The present day differs from the day of the previous tick.
    bool dayChanged = false;

    bool fireAlarm() const { return alarm.has_value() && call == AlarmCall::Sound; }
};

// How a told alarm is remembered across starts: "MM/DD/YYYY h:mm:ss AM", the note's date text
// and the alarm's time text.
std::string toldAlarmText(const LocalDateTime& alarm);
std::optional<LocalDateTime> parseToldAlarm(std::string_view text);

// Decides, tick by tick, when the alarm of today's note fires and when the hourly chime
// sounds.
//
// The alarm is not matched against the present second alone: a tick can come late, and the
// seconds spent playing a sound or waiting for a message box are never ticked at all. Each
// tick therefore examines everything from the previous tick (exclusive) up to the present
// (inclusive), and an armed time inside that span fires once, late if need be. The first
// first tick after the wall clock went backwards examines only the present second: nothing
// before the clock was set back is caught up. The first tick of all examines today from its
// midnight, so that an alarm of today that went by while the program was not running is told.
// A due moment more than a minute behind the present went by unseen (the program was not
// running, the computer slept, the clock jumped ahead): it is told as missed, without the
// sound that would alarm for something past.
//
// An armed alarm belongs to the day of its note. It fires on that day only, and each armed
// moment fires at most once, even when the clock is set back over it. As soon as a tick
// falls on a day other than the armed one, the clock asks for the alarm of the new day's
// note and arms that, within the same tick, so an alarm at 12:00:00 AM is not lost to the
// change of day. A new time set for today after the alarm fired is a new alarm and fires
// at its time. The moment told last can be carried over from an earlier run, so that a
// restart does not tell it again.
//
// A snooze repeats the alarm's call later on the alarm's own day: one that would end past that
// day's midnight is refused, and one still pending never repeats on another day. A reminder
// comes the chosen minutes before an alarm that still lies ahead, once.
//
// With the alarm switched off, a due moment passes unfired and stays passed: switching the
// alarm on later does not bring back the alarm the user chose not to hear.
class AlarmClock {
public:
    // The alarm text of the note of a day (nothing when the day has no note or no alarm).
    using AlarmTextOfDay = std::function<std::optional<std::string>(const Date&)>;

    explicit AlarmClock(AlarmTextOfDay alarmTextOfDay);

    // Arms the alarm of the note of `day` with the text of its alarm field; nothing, or an
    // empty text, disarms. A text that is not a time of day (a damaged note file) is held
    // but never fires.
    void arm(const Date& day, const std::optional<std::string>& alarmText);

    // The alarm moment told in an earlier run of the program.
    void restoreTold(const LocalDateTime& alarm) { lastTold_ = alarm.serialSeconds(); }
    // Minutes before each alarm that a reminder comes; 0 for none.
    void remindBefore(int minutes) { remindMinutes_ = minutes; }
    // Repeats `alarm` `minutes` after `now`; false, and nothing repeats, when that falls on a
    // later day than the alarm's own. A later snooze replaces an earlier one.
    bool snooze(const LocalDateTime& alarm, const LocalDateTime& now, int minutes);

    // One tick at the present moment `now`.
    AlarmTick tick(const LocalDateTime& now, bool alarmOn);

    // Whether the hourly chime sounds at `now` on the local wall clock, read afresh after the
    // alarm of this tick has been played: in the first seconds of minute 0 (a one-second timer
    // now and then skips a second), never caught up later, and once for each hour of the wall
    // clock, so the hour that repeats when daylight saving time ends chimes once. A true answer
    // counts as chimed.
    bool takeChime(const LocalDateTime& now, bool chimeOn);

private:
    std::optional<long long> armedMoment() const;
    std::optional<long long> dueMoment(long long after, long long upTo) const;
    std::optional<std::pair<long long, long long>> snoozeEnded(const LocalDateTime& now);
    std::optional<long long> reminderDue(long long after, long long upTo) const;

    AlarmTextOfDay alarmTextOfDay_;
    std::optional<Date> armedDay_;
    std::optional<TimeOfDay> armedTime_;
    std::optional<long long> examinedUpTo_;
    std::optional<long long> lastTold_;
    std::optional<long long> lastReminded_;
    int remindMinutes_ = 0;
    // The alarm moment snoozed and when its repeat is due.
    std::optional<std::pair<long long, long long>> snoozed_;
    std::optional<std::pair<Date, int>> lastChimedHour_;
};

} // namespace almanor
