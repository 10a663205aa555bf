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
    EXPECT_FALSE(clock.tick(at(kTuesday, 13, 0, 0), true).alarm) << "still to come";
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

// Ticks each second through the spans (the clock jumps between them); the first call with its
// sound is answered with a snooze, when one is chosen. Each call: how, which alarm, when.
TEST_F(AlarmClockTest, tellsMissedAlarmsOnceRemindsAheadAndRepeatsASnoozeOnItsDayOnly) {
    using Call = std::tuple<AlarmCall, LocalDateTime, LocalDateTime>;
    using Span = std::pair<LocalDateTime, LocalDateTime>;
    using enum AlarmCall;
    const auto tue = [](int hour, int minute, int second) {
        return at(kTuesday, hour, minute, second);
    };
    const LocalDateTime two = tue(14, 0, 0);
    const LocalDateTime three = tue(15, 0, 0);
    struct Case {
        const char* what;
        Date noteDay;
        std::string alarm;
        std::string toldBefore;
        int remindMinutes;
        int snoozeMinutes;
        std::vector<Span> spans;
        std::vector<Call> calls;
    };
    // clang-format off
    const Case cases[] = {
        {"gone by before the start", kTuesday, "12:00:00 AM", "", 0, 0,
         {{three, tue(15, 0, 2)}}, {{Missed, tue(0, 0, 0), three}}},
        {"told in an earlier run", kTuesday, "2:00:00 PM", "03/05/2024 2:00:00 PM", 0, 0,
         {{three, tue(15, 0, 2)}}, {}},
        {"yesterday's note", kMonday, "2:00:00 PM", "", 0, 0, {{three, tue(15, 0, 2)}}, {}},
        {"a minute before the start", kTuesday, "2:59:00 PM", "", 0, 0,
         {{three, three}}, {{Sound, tue(14, 59, 0), three}}},
        {"slept over it", kTuesday, "2:00:00 PM", "", 0, 0,
         {{tue(13, 0, 0), tue(13, 0, 1)}, {tue(14, 1, 1), tue(14, 1, 1)}},
         {{Missed, two, tue(14, 1, 1)}}},
        {"ahead at the start: reminded, sounded", kTuesday, "2:00:00 PM", "", 15, 0,
         {{tue(13, 44, 58), two}}, {{Reminder, two, tue(13, 45, 0)}, {Sound, two, two}}},
        {"reminded once", kTuesday, "2:00:00 PM", "", 15, 0,
         {{tue(13, 45, 0), tue(13, 45, 1)}, {tue(13, 44, 59), tue(13, 45, 1)}},
         {{Reminder, two, tue(13, 45, 0)}}},
        {"no reminder of the past", kTuesday, "2:00:00 PM", "", 15, 0,
         {{tue(14, 10, 0), tue(14, 10, 0)}}, {{Missed, two, tue(14, 10, 0)}}},
        {"snoozed once", kTuesday, "2:00:00 PM", "", 0, 10,
         {{tue(13, 59, 59), tue(14, 40, 0)}}, {{Sound, two, two}, {Sound, two, tue(14, 10, 0)}}},
        {"snoozed past midnight", kTuesday, "11:55:00 PM", "", 0, 10,
         {{tue(23, 54, 59), at(kWednesday, 0, 10, 0)}},
         {{Sound, tue(23, 55, 0), tue(23, 55, 0)}}},
        {"snoozed to midnight", kTuesday, "11:50:00 PM", "", 0, 10,
         {{tue(23, 49, 59), at(kWednesday, 0, 0, 1)}},
         {{Sound, tue(23, 50, 0), tue(23, 50, 0)}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AlarmClock fresh{[&c](const Date& day) -> std::optional<std::string> {
            return day == c.noteDay ? std::optional(c.alarm) : std::nullopt;
        }};
        if (const auto told = parseToldAlarm(c.toldBefore)) {
            EXPECT_EQ(toldAlarmText(*told), c.toldBefore);
            fresh.restoreTold(*told);
        }
        fresh.remindBefore(c.remindMinutes);
        std::vector<Call> calls;
        for (auto [now, end] : c.spans) {
            for (; now <= end; now = LocalDateTime::fromSerialSeconds(now.serialSeconds() + 1)) {
                if (const AlarmTick tick = fresh.tick(now, true); tick.alarm) {
                    if (calls.empty() && c.snoozeMinutes > 0) {
                        EXPECT_EQ(fresh.snooze(*tick.alarm, now, c.snoozeMinutes),
                                  now.time.hour < 23);
                    }
                    calls.emplace_back(tick.call, *tick.alarm, now);
                }
            }
        }
        EXPECT_EQ(calls, c.calls);
    }
    EXPECT_FALSE(parseToldAlarm("03/05/2024") || parseToldAlarm("3/5/2024 2:00:00 PM"));
    EXPECT_EQ(formatAlarmTime({17, 23, 0}), "5:23 PM");
    EXPECT_EQ(formatAlarmTime({0, 5, 30}), "12:05:30 AM");
}

// Once an hour of the wall clock, in the first seconds of it: a tick that skipped 18:00:00
// still chimes; when daylight saving time ends, 1:00 to 1:59 come twice and chime once.
TEST_F(AlarmClockTest, chimesOnceInTheFirstSecondsOfEachHourOfTheWallClock) {
    const std::tuple<LocalDateTime, bool, bool> steps[] = {
        {at(kTuesday, 14, 59, 59), true, false}, {at(kTuesday, 15, 0, 0), true, true},
        {at(kTuesday, 15, 0, 0), true, false},   {at(kTuesday, 15, 0, 1), true, false},
        {at(kTuesday, 15, 1, 0), true, false},   {at(kTuesday, 16, 0, 0), false, false},
        {at(kTuesday, 17, 0, 0), true, true},    {at(kWednesday, 17, 0, 0), true, true},
        {at(kWednesday, 18, 0, 2), true, true},  {at(kWednesday, 19, 0, 3), true, false},
        {at(kWednesday, 1, 0, 0), true, true},   {at(kWednesday, 1, 59, 59), true, false},
        {at(kWednesday, 1, 0, 0), true, false},  {at(kWednesday, 2, 0, 0), true, true},
    };
    for (const auto& [now, chimeOn, chimes] : steps) {
        EXPECT_EQ(clock.takeChime(now, chimeOn), chimes) << formatTimeOfDay(now.time);
    }
}

} // namespace
} // namespace almanor
