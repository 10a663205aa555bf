#include "alarm/time_of_day.h"

#include <gtest/gtest.h>

namespace almanor {
namespace {

TEST(AlarmEntry, acceptedEntriesGiveTheirWrittenTime) {
    const char* const cases[][2] = {
        {"2p", "2:00:00 PM"},         {"2.00 p", "2:00:00 PM"},     {"14 pm", "2:00:00 PM"},
        {"14:12:00 p", "2:12:00 PM"}, {"14.12 p", "2:12:00 PM"},    {"14:12", "2:12:00 PM"},
        {"0:30", "12:30:00 AM"},      {"12 am", "12:00:00 AM"},     {"12p", "12:00:00 PM"},
        {"2P", "2:00:00 PM"},         {"2 PM", "2:00:00 PM"},       {"2.00.00", "2:00:00 AM"},
        {"12:30 a", "12:30:00 AM"},   {"0 am", "12:00:00 AM"},      {"9:5:7", "9:05:07 AM"},
        {"2:30.15 pM", "2:30:15 PM"}, {" \t7   p  ", "7:00:00 PM"}, {"23.59.59", "11:59:59 PM"},
    };
    for (const auto& [entry, text] : cases) {
        const auto time = parseAlarmEntry(entry);
        ASSERT_TRUE(time) << "'" << entry << "'";
        EXPECT_EQ(formatTimeOfDay(*time), text) << "'" << entry << "'";
    }
}

TEST(AlarmEntry, refusesWhatIsNotATime) {
    for (const char* entry :
         {"25",      "24", "2:60", "2:00:60", "abc",           "",     "  ",    "1:2:3:4", "2 x",
          "-1",      "2:", ":30",  "2::00",   "2 :00",         "2,30", "2 a m", "2 p.m.",  "2pmm",
          "2 pm pm", "p",  "0 pm", "13 am",   "99999999999999"}) {
        EXPECT_FALSE(parseAlarmEntry(entry)) << "'" << entry << "'";
    }
}

TEST(AlarmEntry, everyWrittenTimeOfTheDayParsesBackToItself) {
    for (int s = 0; s < kSecondsPerDay; ++s) {
        const TimeOfDay time = TimeOfDay::fromSecondsSinceMidnight(s);
        ASSERT_EQ(parseAlarmEntry(formatTimeOfDay(time)), time) << formatTimeOfDay(time);
    }
}

TEST(AlarmEntry, everyDialogExampleShowsWhatTheParserGives) {
    for (const std::string_view example : kAlarmEntryExamples) {
        const auto equals = example.find(" = ");
        const auto time = parseAlarmEntry(example.substr(0, equals));
        ASSERT_TRUE(time) << example;
        EXPECT_EQ(formatTimeOfDay(*time), example.substr(equals + 3)) << example;
    }
}

} // namespace
} // namespace almanor
