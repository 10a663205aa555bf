#include "alarm/alarm_rules.h"

#include <gtest/gtest.h>
#include <map>
#include <string_view>
#include <tuple>
#include <vector>

namespace almanor {
namespace {

// The alarm time dialog's example lines, then other entries, each "entry = its written time".
TEST(AlarmEntry, acceptedEntriesGiveTheirWrittenTime) {
    std::vector<std::string_view> lines(kAlarmEntryExamples.begin(), kAlarmEntryExamples.end());
    for (const char* line :
         {"14:12 = 2:12:00 PM", "0:30 = 12:30:00 AM", "12 am = 12:00:00 AM", "12p = 12:00:00 PM",
          "2P = 2:00:00 PM", "2 PM = 2:00:00 PM", "2.00.00 = 2:00:00 AM", "12:30 a = 12:30:00 AM",
          "0 am = 12:00:00 AM", "9:5:7 = 9:05:07 AM", "2:30.15 pM = 2:30:15 PM",
          " \t7   p   = 7:00:00 PM", "23.59.59 = 11:59:59 PM"}) {
        lines.push_back(line);
    }
    for (const std::string_view line : lines) {
        const auto equals = line.find(" = ");
        const auto time = parseAlarmEntry(line.substr(0, equals));
        ASSERT_TRUE(time) << line;
        EXPECT_EQ(formatTimeOfDay(*time), line.substr(equals + 3)) << line;
    }
}

TEST(AlarmEntry, refusesWhatIsNotATime) {
    for (const char* entry :
         {"25",      "24",     "2:60",  "2:00:60",       "abc",    "",     "  ",
          "1:2:3:4", "1:2:3.", "2 ax",  "2 x",           "-1",     "2:",   ":30",
          "2::00",   "2 :00",  "2,30",  "2 a m",         "2 p.m.", "2pmm", "2 pm pm",
          "p",       "0 pm",   "13 am", "99999999999999"}) {
        EXPECT_FALSE(parseAlarmEntry(entry)) << "'" << entry << "'";
    }
}

constexpr Date kMonday{2024, 3, 4};
constexpr Date kTuesday{2024, 3, 5};
constexpr Date kWednesday{2024, 3, 6};

LocalDateTime at(Date day, int hour, int minute, int second) {
    return LocalDateTime{day, TimeOfDay{hour, minute, second}};
}

TEST(AlarmInPast, earlierDayOrEarlierSecondOfToday) {
    const TimeOfDay now{14, 30, 20};
    EXPECT_TRUE(alarmLiesInPast(kMonday, kTuesday, {23, 59, 59}, now));
    EXPECT_TRUE(alarmLiesInPast(kTuesday, kTuesday, {14, 30, 19}, now));
    EXPECT_FALSE(alarmLiesInPast(kTuesday, kTuesday, {14, 30, 20}, now));
    EXPECT_FALSE(alarmLiesInPast(kWednesday, kTuesday, {0, 0, 0}, now));
}

class AlarmClockTest : public ::testing::Test {
protected:
    std::map<long long, std::string> notes;
    AlarmClock clock{[this](const Date& day) -> std::optional<std::string> {
        const auto it = notes.find(day.serial());
        return it == notes.end() ? std::nullopt : std::optional(it->second);
    }};

    // Ticks every second from `from` to `to`; the alarm moments that fired.
    std::vector<LocalDateTime> run(LocalDateTime from, const LocalDateTime& to) {
        std::vector<LocalDateTime> fired;
        for (int ticks = 0; from <= to && ticks < 100000; ++ticks) {
            if (const AlarmTick tick = clock.tick(from, true); tick.fireAlarm()) {
                fired.push_back(*tick.alarm);
            }
            from = LocalDateTime::fromSerialSeconds(from.serialSeconds() + 1);
        }
        return fired;
    }
};

TEST_F(AlarmClockTest, aNewDayArmsItsOwnNoteInTheSameTickAndOweTheOldDaysAlarm) {
    notes[kWednesday.serial()] = "12:00:00 AM";
    clock.arm(kTuesday, std::nullopt);
    clock.tick(at(kTuesday, 23, 59, 59), true);
    const AlarmTick midnight = clock.tick(at(kWednesday, 0, 0, 0), true);
    EXPECT_TRUE(midnight.dayChanged);
    EXPECT_EQ(midnight.alarm, at(kWednesday, 0, 0, 0));
    EXPECT_FALSE(clock.tick(at(kWednesday, 0, 0, 1), true).dayChanged);

    notes[kWednesday.serial()] = "12:00:02 AM";
    clock.arm(kTuesday, "11:59:59 PM");
    clock.tick(at(kTuesday, 23, 59, 58), true);
    EXPECT_EQ(clock.tick(at(kWednesday, 0, 0, 5), true).alarm, at(kWednesday, 0, 0, 2));
    EXPECT_TRUE(run(at(kWednesday, 0, 0, 6), at(kWednesday, 0, 1, 0)).empty());
}

TEST_F(AlarmClockTest, firesOnceNeverRepeatedByAClockSetBackNorCaughtUpWhenSwitchedOff) {
    clock.arm(kTuesday, "2:00:00 PM");
    EXPECT_FALSE(clock.tick(at(kTuesday, 14, 0, 1), true).fireAlarm()) << "the first tick";
    ASSERT_EQ(run(at(kTuesday, 13, 59, 59), at(kTuesday, 14, 0, 30)).size(), 1u);
    clock.arm(kTuesday, "2:00:00 PM"); // showing today's note again arms the same time
    EXPECT_TRUE(run(at(kTuesday, 13, 59, 0), at(kTuesday, 14, 1, 0)).empty());

    clock.arm(kTuesday, "12:00:00 PM");
    EXPECT_TRUE(clock.tick(at(kTuesday, 12, 0, 0), true).fireAlarm());

    clock.arm(kTuesday, "12:00:03 PM");
    clock.arm(kTuesday, "25:00"); // a damaged alarm text never fires
    EXPECT_TRUE(run(at(kTuesday, 12, 0, 1), at(kTuesday, 12, 0, 4)).empty());
    clock.arm(kTuesday, "12:00:05 PM");
    EXPECT_FALSE(clock.tick(at(kTuesday, 12, 0, 5), false).fireAlarm()) << "switched off";
    EXPECT_FALSE(clock.tick(at(kTuesday, 12, 0, 6), true).fireAlarm()) << "not caught up";
    notes[kMonday.serial()] = "10:00:00 AM";
    EXPECT_EQ(run(at(kMonday, 9, 59, 59), at(kMonday, 10, 0, 1)),
              std::vector{at(kMonday, 10, 0, 0)});
}

TEST_F(AlarmClockTest, chimesOnlyAtMinuteZeroSecondZeroOncePerHour) {
    const std::tuple<LocalDateTime, bool, bool> steps[] = {
        {at(kTuesday, 14, 59, 59), true, false}, {at(kTuesday, 15, 0, 0), true, true},
        {at(kTuesday, 15, 0, 0), true, false},   {at(kTuesday, 15, 0, 1), true, false},
        {at(kTuesday, 15, 1, 0), true, false},   {at(kTuesday, 16, 0, 0), false, false},
        {at(kTuesday, 17, 0, 0), true, true},    {at(kWednesday, 17, 0, 0), true, true},
    };
    for (const auto& [now, chimeOn, chimes] : steps) {
        EXPECT_EQ(clock.takeChime(now, chimeOn), chimes) << formatTimeOfDay(now.time);
    }
}

} // namespace
} // namespace almanor
