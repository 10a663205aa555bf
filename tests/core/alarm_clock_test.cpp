#include "alarm/alarm_rules.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace almanor {
namespace {

constexpr Date kMonday{2024, 3, 4};
constexpr Date kTuesday{2024, 3, 5};
constexpr Date kWednesday{2024, 3, 6};

LocalDateTime at(Date day, int hour, int minute, int second) {
    return LocalDateTime{day, TimeOfDay{hour, minute, second}};
}

LocalDateTime later(const LocalDateTime& moment, long long seconds) {
    return LocalDateTime::fromSerialSeconds(moment.serialSeconds() + seconds);
}

TEST(AlarmInPast, earlierDayOrEarlierSecondOfToday) {
    const TimeOfDay now{14, 30, 20};
    EXPECT_TRUE(alarmLiesInPast(kMonday, kTuesday, {23, 59, 59}, now));
    EXPECT_TRUE(alarmLiesInPast(kTuesday, kTuesday, {14, 30, 19}, now));
    EXPECT_FALSE(alarmLiesInPast(kTuesday, kTuesday, {14, 30, 20}, now));
    EXPECT_FALSE(alarmLiesInPast(kWednesday, kTuesday, {0, 0, 0}, now));
}

// A clock over notes whose alarm texts the test sets, by day.
class AlarmClockTest : public ::testing::Test {
protected:
    std::map<long long, std::string> notes;
    AlarmClock clock{[this](const Date& day) -> std::optional<std::string> {
        const auto it = notes.find(day.serial());
        return it == notes.end() ? std::nullopt : std::optional(it->second);
    }};

    // Ticks every `step` seconds from `from` to `to`; returns the alarm moments that fired.
    std::vector<LocalDateTime> run(LocalDateTime from, const LocalDateTime& to, int step = 1,
                                   bool alarmOn = true) {
        std::vector<LocalDateTime> fired;
        for (; from <= to; from = later(from, step)) {
            if (const AlarmTick tick = clock.tick(from, alarmOn); tick.fireAlarm()) {
                fired.push_back(*tick.alarm);
            }
        }
        return fired;
    }
    using Moments = std::vector<LocalDateTime>;
};

TEST_F(AlarmClockTest, firesOnceAtTheArmedSecondOrLateAfterSkippedSeconds) {
    for (const int step : {1, 2, 3, 10, 3600}) {
        clock = AlarmClock([](const Date&) { return std::optional<std::string>(); });
        clock.arm(kTuesday, "2:00:00 PM");
        EXPECT_EQ(run(at(kTuesday, 13, 0, 1), at(kTuesday, 15, 0, 0), step),
                  Moments{at(kTuesday, 14, 0, 0)})
            << "ticks " << step << " s apart";
    }
}

TEST_F(AlarmClockTest, switchedOffItPassesAndIsNotCaughtUpWhenSwitchedOn) {
    clock.arm(kTuesday, "2:00:00 PM");
    EXPECT_TRUE(run(at(kTuesday, 13, 59, 59), at(kTuesday, 14, 0, 1), 1, false).empty());
    EXPECT_TRUE(run(at(kTuesday, 14, 0, 2), at(kTuesday, 14, 0, 9)).empty());
}

TEST_F(AlarmClockTest, firstTickExaminesOnlyThePresentSecond) {
    clock.arm(kTuesday, "2:00:00 PM");
    EXPECT_FALSE(clock.tick(at(kTuesday, 14, 0, 1), true).fireAlarm());
    notes[kWednesday.serial()] = "9:00 am";
    EXPECT_TRUE(clock.tick(at(kWednesday, 9, 0, 0), true).fireAlarm());
}

TEST_F(AlarmClockTest, newDayArmsItsOwnNoteInTheSameTick) {
    notes[kWednesday.serial()] = "12:00:00 AM";
    clock.arm(kTuesday, std::nullopt);
    clock.tick(at(kTuesday, 23, 59, 59), true);
    const AlarmTick midnight = clock.tick(at(kWednesday, 0, 0, 0), true);
    EXPECT_TRUE(midnight.dayChanged);
    EXPECT_EQ(midnight.alarm, at(kWednesday, 0, 0, 0));
    EXPECT_FALSE(clock.tick(at(kWednesday, 0, 0, 1), true).dayChanged);
}

TEST_F(AlarmClockTest, firesOnItsOwnDayOnlyEvenWhenSetDaysAhead) {
    notes[kWednesday.serial()] = "9:30:00 AM";
    clock.arm(kMonday, "2:00:00 PM");
    EXPECT_EQ(run(at(kMonday, 8, 0, 0), at(kWednesday, 23, 59, 59), 7),
              (Moments{at(kMonday, 14, 0, 0), at(kWednesday, 9, 30, 0)}));
}

TEST_F(AlarmClockTest, lateTickOverMidnightFiresOnceForBothDays) {
    notes[kWednesday.serial()] = "12:00:02 AM";
    clock.arm(kTuesday, "11:59:59 PM");
    clock.tick(at(kTuesday, 23, 59, 58), true);
    EXPECT_EQ(clock.tick(at(kWednesday, 0, 0, 5), true).alarm, at(kWednesday, 0, 0, 2));
    EXPECT_TRUE(run(at(kWednesday, 0, 0, 6), at(kWednesday, 0, 1, 0)).empty());
}

TEST_F(AlarmClockTest, clockSetBackIsAFreshStartThatNeverRepeatsAFiredAlarm) {
    clock.arm(kTuesday, "2:00:00 PM");
    ASSERT_EQ(run(at(kTuesday, 13, 59, 59), at(kTuesday, 14, 0, 30)).size(), 1u);
    // Showing today's note after firing arms the same time once more.
    clock.arm(kTuesday, "2:00:00 PM");
    EXPECT_TRUE(run(at(kTuesday, 13, 59, 0), at(kTuesday, 14, 1, 0)).empty());

    clock.arm(kTuesday, "12:00:00 PM");
    const AlarmTick back = clock.tick(at(kTuesday, 12, 0, 0), true);
    EXPECT_TRUE(back.fireAlarm());
    EXPECT_FALSE(back.dayChanged);

    notes[kMonday.serial()] = "10:00:00 AM";
    EXPECT_EQ(run(at(kMonday, 9, 59, 59), at(kMonday, 10, 0, 1)), Moments{at(kMonday, 10, 0, 0)});
}

TEST_F(AlarmClockTest, disarmedOrDamagedAlarmNeverFires) {
    for (const auto& text :
         {std::optional<std::string>(), std::optional<std::string>(""),
          std::optional<std::string>("garbage"), std::optional<std::string>("25:00:00 PM")}) {
        notes[kWednesday.serial()] = text.value_or("");
        clock.arm(kTuesday, "11:00 pm");
        clock.arm(kTuesday, text);
        EXPECT_TRUE(run(at(kTuesday, 22, 0, 0), at(kWednesday, 23, 59, 59), 5).empty())
            << text.value_or("(nothing)");
    }
}

TEST_F(AlarmClockTest, chimeOnlyAtMinuteZeroSecondZeroOncePerHour) {
    const struct {
        LocalDateTime now;
        bool chimeOn;
        bool chimes;
    } steps[] = {
        {at(kTuesday, 14, 59, 59), true, false}, {at(kTuesday, 15, 0, 0), true, true},
        {at(kTuesday, 15, 0, 0), true, false},   {at(kTuesday, 15, 0, 1), true, false},
        {at(kTuesday, 16, 0, 0), false, false},  {at(kTuesday, 17, 0, 0), true, true},
        {at(kWednesday, 17, 0, 0), true, true},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(clock.takeChime(s.now, s.chimeOn), s.chimes) << formatTimeOfDay(s.now.time);
    }
}

TEST_F(AlarmClockTest, chimeAfterAlarmOnTheFullHourOnlyWhenTheAlarmWasOverInTime) {
    for (const int alarmSeconds : {0, 4}) {
        clock = AlarmClock([](const Date&) { return std::optional<std::string>(); });
        clock.arm(kTuesday, "3:00:00 PM");
        ASSERT_TRUE(clock.tick(at(kTuesday, 15, 0, 0), true).fireAlarm());
        const LocalDateTime reread = later(at(kTuesday, 15, 0, 0), alarmSeconds);
        EXPECT_EQ(clock.takeChime(reread, true), alarmSeconds == 0) << alarmSeconds;
        EXPECT_FALSE(clock.tick(later(reread, 1), true).fireAlarm());
        EXPECT_FALSE(clock.takeChime(later(reread, 1), true));
    }
}

} // namespace
} // namespace almanor
