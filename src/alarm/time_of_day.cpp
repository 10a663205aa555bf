#include "alarm/time_of_day.h"

#include <cstdio>
#include <string_view>

namespace almanor {

bool TimeOfDay::isValid() const {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

TimeOfDay TimeOfDay::fromSecondsSinceMidnight(long long seconds) {
    const auto inDay =
        static_cast<int>(((seconds % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay);
    return TimeOfDay{inDay / 3600, inDay / 60 % 60, inDay % 60};
}

std::string formatTimeOfDay(const TimeOfDay& time) {
    const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s", hour12, time.minute, time.second,
                  time.hour < 12 ? "AM" : "PM");
    return buffer;
}

std::string formatAlarmTime(const TimeOfDay& time) {
    std::string text = formatTimeOfDay(time);
    if (time.second == 0) {
        text.erase(text.size() - std::string_view(":00 AM").size(), 3);
    }
    return text;
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Reads a run of digits at `pos`. Values beyond any valid field are capped so that a long
// run of digits cannot overflow; the range check refuses them all the same.
std::optional<int> readNumber(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        value = value > 1000 ? value : value * 10 + (text[pos] - '0');
        ++pos;
    }
    if (pos == start) {
        return std::nullopt;
    }
    return value;
}

enum class Marker { None, Am, Pm };

std::optional<Marker> readMarker(std::string_view text) {
    if (text.empty()) {
        return Marker::None;
    }
    const char first = lower(text[0]);
    if (first != 'a' && first != 'p') {
        return std::nullopt;
    }
    if (text.size() > 2 || (text.size() == 2 && lower(text[1]) != 'm')) {
        return std::nullopt;
    }
    return first == 'a' ? Marker::Am : Marker::Pm;
}

} // namespace

std::optional<TimeOfDay> parseAlarmEntry(std::string_view entry) {
    while (!entry.empty() && isBlank(entry.front())) {
        entry.remove_prefix(1);
    }
    while (!entry.empty() && isBlank(entry.back())) {
        entry.remove_suffix(1);
    }

    int fields[3] = {0, 0, 0};
    std::size_t pos = 0;
    for (int count = 0; count < 3; ++count) {
        const auto number = readNumber(entry, pos);
        if (!number) {
            return std::nullopt;
        }
        fields[count] = *number;
        if (count == 2 || pos == entry.size() || (entry[pos] != ':' && entry[pos] != '.')) {
            break;
        }
        ++pos;
    }
    while (pos < entry.size() && isBlank(entry[pos])) {
        ++pos;
    }
    const auto marker = readMarker(entry.substr(pos));
    if (!marker) {
        return std::nullopt;
    }

    TimeOfDay time{fields[0], fields[1], fields[2]};
    if (!time.isValid()) {
        return std::nullopt;
    }
    switch (*marker) {
    case Marker::None:
        break;
    case Marker::Am:
        if (time.hour > 12) {
            return std::nullopt;
        }
        if (time.hour == 12) {
            time.hour = 0;
        }
        break;
    case Marker::Pm:
        if (time.hour == 0) {
            return std::nullopt;
        }
        if (time.hour < 12) {
            time.hour += 12;
        }
        break;
    }
    return time;
}

} // namespace almanor
