#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace almanor {

// A calendar day in the proleptic Gregorian calendar. The planner stores notes for years
// 1000 to 9999, but the type itself holds any year so that a write of year 999 can be
// represented before the calendar window puts it back.
struct Date {
    int year = 2000;
    int month = 1;
    int day = 1;

    // Written out rather than defaulted with <=>: Qt's moc cannot read <compare>.
    friend bool operator==(const Date& a, const Date& b) {
        return a.year == b.year && a.month == b.month && a.day == b.day;
    }
    friend bool operator!=(const Date& a, const Date& b) { return !(a == b); }
    friend bool operator<(const Date& a, const Date& b) {
        if (a.year != b.year) {
            return a.year < b.year;
        }
        return a.month != b.month ? a.month < b.month : a.day < b.day;
    }
    friend bool operator>(const Date& a, const Date& b) { return b < a; }
    friend bool operator<=(const Date& a, const Date& b) { return !(b < a); }
    friend bool operator>=(const Date& a, const Date& b) { return !(a < b); }

    bool isValid() const;
    // Days since 1970-01-01; negative before it.
    long long serial() const;
    static Date fromSerial(long long days);
    Date addDays(long long days) const { return fromSerial(serial() + days); }
    int dayOfWeek() const; // 0 = Sunday ... 6 = Saturday
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);

// Number of midnights from `from` to `to`: today gives 0, yesterday -> today gives 1.
long long daysBetween(const Date& from, const Date& to);

// "MM/DD/YYYY", the date text of note records and note list lines.
std::string formatDateText(const Date& date);
// Reads "MM/DD/YYYY" (exactly ten characters). Returns nothing for anything else or an
// impossible day such as 02/31/2001.
std::optional<Date> parseDateText(std::string_view text);

} // namespace almanor
