#include "calendar/note_glance.h"
#include "calendar/slide.h"
#include "calendar/weeks.h"
#include "common/date.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>
#include <vector>

namespace almanor {
namespace {

constexpr float kScreen = 28800; // 1920 pixels; the window is 4215 twips wide
constexpr float kOpen = kScreen - 4215;
constexpr float kParked = kScreen - 30;

struct FakeWindow : SlideWindow {
    explicit FakeWindow(float start) : at(start) {}
    float screenWidth() const override { return kScreen; }
    float windowWidth() const override { return 4215; }
    float left() const override { return at; }
    void setLeft(float to) override { positions.push_back(at = to); }
    float at;
    std::vector<float> positions;
};

std::vector<float> slide(FakeWindow& window, float step, bool (*tick)(SlideWindow&, float)) {
    for (int ticks = 1; ticks <= 10000; ++ticks) {
        if (tick(window, step)) {
            return {window.positions.end() - std::min<std::size_t>(2, window.positions.size()),
                    window.positions.end()};
        }
    }
    return {};
}

TEST(Slide, stepsOutToTheOpenPositionAndAwayOffTheScreenOntoTheStrip) {
    const struct {
        float step;
        std::size_t outPositions;
        std::size_t awayPositions;
        float offScreen; // the last position before the window is set onto the strip
    } cases[] = {{300, 15, 16, kScreen + 285}, {15, 281, 283, kScreen + 15}};
    // Both steps pass the open position by 15 twips: 300 on its way, 15 after landing on it.
    for (const auto& c : cases) {
        FakeWindow out(kParked);
        EXPECT_EQ(slide(out, c.step, slideOutTick), (std::vector<float>{kOpen - 15, kOpen}));
        EXPECT_EQ(out.positions.size(), c.outPositions);
        FakeWindow away(kOpen);
        EXPECT_EQ(slide(away, c.step, slideAwayTick), (std::vector<float>{c.offScreen, kParked}));
        EXPECT_EQ(away.positions.size(), c.awayPositions);
        EXPECT_TRUE(isParked(away));
    }
    FakeWindow leftOfOpen(kOpen - 1); // waits without moving
    EXPECT_FALSE(slideAwayTick(leftOfOpen, 300));
    EXPECT_TRUE(leftOfOpen.positions.empty());
    EXPECT_FALSE(isParked(FakeWindow(kParked + 1)) || isParked(FakeWindow(kParked - 0.5f)));
}

// A window system that places windows on whole pixels could round away a smaller step.
TEST(Slide, aSettingThatIsNoUsableStepGivesTheDefault) {
    const double inf = std::numeric_limits<double>::infinity();
    const float largest = std::numeric_limits<float>::max();
    const std::pair<std::optional<double>, float> cases[] = {
        {std::nullopt, 300}, {std::nan(""), 300}, {inf, 300}, {-inf, 300}, {1e300, 300},
        {0.0, 300},          {14.9, 300},         {15, 15},   {22, 22},    {largest, largest}};
    for (const auto& [speed, step] : cases) {
        EXPECT_EQ(slideStepFor(speed), step) << speed.value_or(-1);
    }
}

// Only a time in the form the alarm dialog writes is an alarm; the first line is cut after 80.
TEST(NoteGlance, tellsTheAlarmAndTheFirstLineWithTextOfAListLine) {
    const std::string eighty = std::string(78, 'a') + "\u00e9\u00e9";
    const std::pair<std::string, NoteGlance> cases[] = {
        {"2 pm  -  tea", {"", "2 pm  -  tea"}},
        {"9:30:00 AM  -  ", {"9:30:00 AM", ""}},
        {"\r\n  \nsecond\rthird", {"", "second"}},
        {eighty, {"", eighty}},
        {"b" + eighty, {"", "b" + std::string(78, 'a') + "\u00e9\u2026"}}};
    for (const auto& [text, glance] : cases) {
        EXPECT_EQ(glanceAt("12/06/2026  -  " + text), glance) << text;
    }
}

// ISO weeks at both ends of years that start on each weekday, and the number a row of the
// month carries whichever day it starts on (Sunday 29 December 2024 starts ISO week 1).
TEST(Weeks, isoWeeksCrossYearEndsAndARowIsNumberedByItsMonday) {
    const std::tuple<Date, IsoWeek, IsoWeek> cases[] = {
        {{2024, 12, 31}, {2025, 1}, {2025, 2}},   {{2021, 1, 1}, {2020, 53}, {2021, 1}},
        {{2020, 12, 31}, {2020, 53}, {2021, 1}},  {{2021, 1, 4}, {2021, 1}, {2021, 1}},
        {{2024, 12, 29}, {2024, 52}, {2025, 1}},  {{2023, 1, 1}, {2022, 52}, {2023, 1}},
        {{2026, 1, 1}, {2026, 1}, {2026, 2}},     {{2027, 1, 3}, {2026, 53}, {2027, 1}},
        {{2026, 12, 28}, {2026, 53}, {2026, 53}}, {{2026, 12, 5}, {2026, 49}, {2026, 50}},
    };
    for (const auto& [day, week, rowFromDay] : cases) {
        SCOPED_TRACE(formatDateText(day));
        EXPECT_EQ(isoWeekOf(day), week);
        EXPECT_EQ(weekOfRow(day), rowFromDay);
    }
    const std::tuple<FirstDayOfWeek, int, int> firstDays[] = {
        {FirstDayOfWeek::System, 3, 3},   {FirstDayOfWeek::System, 0, 0},
        {FirstDayOfWeek::Monday, 0, 1},   {FirstDayOfWeek::Sunday, 1, 0},
        {FirstDayOfWeek::Saturday, 1, 6},
    };
    for (const auto& [chosen, system, first] : firstDays) {
        EXPECT_EQ(firstDayOfWeek(chosen, system), first) << static_cast<int>(chosen) << system;
    }
}

} // namespace
} // namespace almanor
