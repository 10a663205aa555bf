#include "notes/day_marks.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace almanor {
namespace {

NoteList listOf(const std::vector<std::string>& lines) {
    NoteList notes;
    for (const std::string& line : lines) {
        notes.push_back({line, "unused"});
    }
    return notes;
}

DayMarks days(std::initializer_list<std::size_t> marked) {
    DayMarks marks;
    for (const std::size_t day : marked) {
        marks.set(day);
    }
    return marks;
}

struct MarkCase {
    const char* name;
    std::vector<std::string> lines;
    int year;
    int month;
    DayMarks expected;
};

class DayMarking : public ::testing::TestWithParam<MarkCase> {};

TEST_P(DayMarking, marksTheShownMonthsNoteDays) {
    const MarkCase& c = GetParam();
    EXPECT_EQ(markedDays(listOf(c.lines), c.year, c.month), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    DayMarks, DayMarking,
    ::testing::Values(
        MarkCase{"noNotes", {}, 2000, 3, days({})},
        MarkCase{"marchShownAprilLast",
                 {"04/05/2000  -  april", "03/05/2000  -  march"},
                 2000,
                 3,
                 days({5})},
        MarkCase{"marchShownMarchLast",
                 {"03/05/2000  -  march", "04/05/2000  -  april"},
                 2000,
                 3,
                 days({5})},
        MarkCase{
            "aprilShown", {"04/05/2000  -  april", "03/05/2000  -  march"}, 2000, 4, days({5})},
        MarkCase{"otherYear", {"03/05/1999  -  a year earlier"}, 2000, 3, days({})},
        MarkCase{"severalDaysAndTheLast",
                 {"03/31/2000  -  last", "03/10/2000  -  2:00:00 PM  -  mid", "03/01/2000  -  "},
                 2000,
                 3,
                 days({1, 10, 31})},
        MarkCase{"thirtyFirstNotCarriedIntoApril", {"03/31/2000  -  last"}, 2000, 4, days({})},
        MarkCase{"unpaddedDateFromAnotherWriter", {"3/5/2000xx  -  odd"}, 2000, 3, days({})},
        MarkCase{"damagedLinesMarkNothing",
                 {"", "short", "ab/cd/efgh  -  x", "13/01/2000  -  x", "02/30/2000  -  x",
                  "00/10/2000  -  x", "03/32/2000  -  x", "03/00/2000  -  x", "03-05-2000  -  x",
                  "03/05/2000"},
                 2000,
                 3,
                 days({5})}),
    [](const auto& param) { return std::string(param.param.name); });

struct LineDateCase {
    std::string line;
    std::optional<Date> date;
};

TEST(DayMarks, readsTheDateFromTheFirstTenCharacters) {
    const std::vector<LineDateCase> cases = {
        {"12/05/1998  -  text", Date{1998, 12, 5}},
        {"02/29/2024", Date{2024, 2, 29}},
        {"02/29/2023  -  not a leap year", std::nullopt},
        {"1/5/ 2000  -  blank in the year", std::nullopt},
        {"12/5/19988", Date{9988, 12, 5}}, // the year is the last four of the ten
        {"12/05/199", std::nullopt},
        {"12//1998  -", std::nullopt},
    };
    for (const LineDateCase& c : cases) {
        EXPECT_EQ(noteListLineDate(c.line), c.date) << c.line;
    }
}

} // namespace
} // namespace almanor
