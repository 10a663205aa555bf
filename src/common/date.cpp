#include "common/date.h"

#include <cstdio>

namespace almanor {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

bool Date::isValid() const {
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

// Howard Hinnant's days_from_civil / civil_from_days.
long long Date::serial() const {
    const long long y = month <= 2 ? year - 1 : year;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (month + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date Date::fromSerial(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return Date{static_cast<int>(y), m, d};
}

int Date::dayOfWeek() const {
    const long long s = serial(); // 1970-01-01 was a Thursday
    return static_cast<int>(((s % 7) + 7 + 4) % 7);
}

long long daysBetween(const Date& from, const Date& to) {
    return to.serial() - from.serial();
}

std::string formatDateText(const Date& date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date.month, date.day, date.year);
    return buffer;
}

std::optional<Date> parseDateText(std::string_view text) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/') {
        return std::nullopt;
    }
    auto number = [&](std::size_t pos, std::size_t len) -> std::optional<int> {
        int value = 0;
        for (std::size_t i = pos; i < pos + len; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return std::nullopt;
            }
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const auto month = number(0, 2);
    const auto day = number(3, 2);
    const auto year = number(6, 4);
    if (!month || !day || !year) {
        return std::nullopt;
    }
    const Date date{*year, *month, *day};
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

} // namespace almanor
