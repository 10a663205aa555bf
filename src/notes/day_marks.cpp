#include "notes/day_marks.h"

namespace almanor {

namespace {

constexpr std::size_t kDateLength = 10;
constexpr std::size_t kYearLength = 4;

std::optional<int> number(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<Date> noteListLineDate(std::string_view line) {
    if (line.size() < kDateLength) {
        return std::nullopt;
    }
    const std::string_view date = line.substr(0, kDateLength);
    const std::size_t first = date.find('/');
    const std::size_t second = first == std::string_view::npos ? first : date.find('/', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const auto month = number(date.substr(0, first));
    const auto day = number(date.substr(first + 1, second - first - 1));
    const auto year = number(date.substr(kDateLength - kYearLength));
    if (!month || !day || !year) {
        return std::nullopt;
    }
    const Date result{*year, *month, *day};
    if (!result.isValid()) {
        return std::nullopt;
    }
    return result;
}

DayMarks markedDays(const NoteList& notes, int year, int month) {
    DayMarks marks;
    for (const NoteListEntry& note : notes) {
        const std::optional<Date> date = noteListLineDate(note.line);
        if (date && date->year == year && date->month == month) {
            marks.set(static_cast<std::size_t>(date->day));
        }
    }
    return marks;
}

} // namespace almanor
