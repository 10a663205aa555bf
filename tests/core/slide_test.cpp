#include "calendar/note_glance.h"
#include "calendar/slide.h"
#include "overview/overview_rules.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
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

TEST(NotesClipboardText, headingThenEachLineAfterCrLfAndNothingAfterTheLast) {
    EXPECT_EQ(notesClipboardText({}), "Almanor Notes.");
    EXPECT_EQ(notesClipboardText({{"03/05/1999  -  a\r\nb", 1}, {"03/01/1999  -  c\nd", 2}}),
              "Almanor Notes.\r\n03/05/1999  -  a\r\nb\r\n03/01/1999  -  c\nd");
}

} // namespace
} // namespace almanor
