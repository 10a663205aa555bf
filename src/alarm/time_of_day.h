#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace almanor {

// A time of day to the second on the 24-hour clock (hour 0 to 23).
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;

    // Written out rather than defaulted with <=>: Qt's moc cannot read <compare>, and the
    // windows' headers include this one.
    friend bool operator==(const TimeOfDay& a, const TimeOfDay& b) {
        return a.hour == b.hour && a.minute == b.minute && a.second == b.second;
    }
    friend bool operator!=(const TimeOfDay& a, const TimeOfDay& b) { return !(a == b); }
    friend bool operator<(const TimeOfDay& a, const TimeOfDay& b) {
        return a.secondsSinceMidnight() < b.secondsSinceMidnight();
    }
    friend bool operator>(const TimeOfDay& a, const TimeOfDay& b) { return b < a; }
    friend bool operator<=(const TimeOfDay& a, const TimeOfDay& b) { return !(b < a); }
    friend bool operator>=(const TimeOfDay& a, const TimeOfDay& b) { return !(a < b); }

    bool isValid() const;
    int secondsSinceMidnight() const { return (hour * 60 + minute) * 60 + second; }
    // `seconds` is taken modulo one day.
    static TimeOfDay fromSecondsSinceMidnight(long long seconds);
};

inline constexpr int kSecondsPerDay = 24 * 60 * 60;

// The one written form of a time of day, whatever the desktop's locale: "2:00:00 PM",
// midnight "12:00:00 AM", noon "12:00:00 PM".
std::string formatTimeOfDay(const TimeOfDay& time);
// The shorter form for telling an alarm: "5:23 PM", with the seconds only where they are not
// zero ("5:23:30 PM").
std::string formatAlarmTime(const TimeOfDay& time);

// Reads what the user types into the alarm time dialog:
//   [blanks] h [(":"|".") mm [(":"|".") ss]] [blanks] [a | am | p | pm] [blanks]
// in any letter case. Without a marker the hour is on the 24-hour clock. With p/pm, hours
// 1 to 11 move to the afternoon, 12 is noon and 13 to 23 stay; with a/am, 12 is midnight.
// A marker that contradicts a 24-hour hour is refused: "0 pm" and "13 am" to "23 am" could
// mean either of two times, so the user is asked again rather than given a guess. "0 am"
// agrees with itself and is midnight. Every written form parses back to itself, so a note
// file's alarm text is read with this too.
std::optional<TimeOfDay> parseAlarmEntry(std::string_view entry);

// The example lines the alarm time dialog shows, top to bottom. The third line shows the
// 24-hour reading of an entry without a marker; every line holds what the parser returns.
inline constexpr std::array<std::string_view, 6> kAlarmEntryExamples = {
    "2p = 2:00:00 PM",         "2.00 p = 2:00:00 PM", "14.00.00 = 2:00:00 PM",
    "14:12:00 p = 2:12:00 PM", "14 pm = 2:00:00 PM",  "14.12 p = 2:12:00 PM",
};

} // namespace almanor
