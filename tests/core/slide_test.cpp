#include "calendar/slide.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace almanor {
namespace {

constexpr float kScreen = 28800; // 1920 pixels
constexpr float kOpen = kScreen - 4215;
constexpr float kParked = kScreen - 30;

// Records every position it is given. With `snap` it places itself on whole pixels of 15
// twips, as a window system may.
struct FakeWindow : SlideWindow {
    explicit FakeWindow(float start, bool snap = false) : at(start), snapToPixels(snap) {}
    float screenWidth() const override { return screen; }
    float windowWidth() const override { return 4215; }
    float left() const override { return at; }
    void setLeft(float to) override {
        at = snapToPixels ? std::round(to / 15.0f) * 15.0f : to;
        positions.push_back(to);
    }
    float at;
    bool snapToPixels;
    float screen = kScreen;
    std::vector<float> positions;
};

// Ticks until the slide ends; returns the number of ticks, or -1 after `limit` ticks.
int runSlide(FakeWindow& window, float step, bool (*tick)(SlideWindow&, float),
             int limit = 100000) {
    for (int ticks = 1; ticks <= limit; ++ticks) {
        if (tick(window, step)) {
            return ticks;
        }
    }
    return -1;
}

std::vector<float> stepsFrom(float start, float step, int count, float end) {
    std::vector<float> positions;
    for (int k = 1; k <= count; ++k) {
        positions.push_back(start + step * static_cast<float>(k));
    }
    positions.push_back(end);
    return positions;
}

TEST(Slide, workedExamplesEndExactlyOpenOrParked) {
    const struct {
        float step;
        int outTicks;
        int awayTicks;
    } cases[] = {{300, 14, 15}, {900, 5, 5}};
    for (const auto& c : cases) {
        FakeWindow out(kParked);
        EXPECT_EQ(runSlide(out, c.step, slideOutTick), c.outTicks);
        EXPECT_EQ(out.positions, stepsFrom(kParked, -c.step, c.outTicks, kOpen));
        EXPECT_FALSE(isParked(out));

        FakeWindow away(kOpen);
        EXPECT_EQ(runSlide(away, c.step, slideAwayTick), c.awayTicks);
        EXPECT_EQ(away.positions, stepsFrom(kOpen, c.step, c.awayTicks, kParked));
        EXPECT_EQ(away.positions[static_cast<std::size_t>(c.awayTicks) - 1], kScreen + 285);
        EXPECT_TRUE(isParked(away));
    }
}

TEST(Slide, startedAtItsOwnEndStepsOverAndBackInOneTick) {
    FakeWindow open(kOpen);
    EXPECT_TRUE(slideOutTick(open, 300));
    EXPECT_EQ(open.positions, (std::vector<float>{kOpen - 300, kOpen}));

    FakeWindow parked(kParked);
    EXPECT_TRUE(slideAwayTick(parked, 300));
    EXPECT_EQ(parked.positions, (std::vector<float>{kScreen + 270, kParked}));
}

TEST(Slide, awayLeftOfTheOpenPositionWaitsWithoutMoving) {
    FakeWindow window(kOpen);
    window.screen = kScreen + 3000;
    EXPECT_FALSE(slideAwayTick(window, 300));
    EXPECT_FALSE(slideAwayTick(window, 300));
    EXPECT_TRUE(window.positions.empty());
    window.screen = kScreen;
    EXPECT_FALSE(slideAwayTick(window, 300));
    EXPECT_EQ(window.positions, std::vector<float>{kOpen + 300});
}

TEST(Slide, parkedOnlyExactlyOnTheStrip) {
    EXPECT_TRUE(isParked(FakeWindow(kParked)));
    for (const float left : {kParked - 0.5f, kParked + 1, kOpen, kScreen}) {
        EXPECT_FALSE(isParked(FakeWindow(left))) << left;
    }
}

TEST(Slide, everyStepEndsBothWaysOnAWindowSystemThatSnapsToPixels) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const std::optional<double> speed :
         {std::optional<double>(), std::optional(nan), std::optional(0.0), std::optional(-5.0),
          std::optional(1e-30), std::optional(7.0), std::optional(22.0), std::optional(100.0),
          std::optional(3e38)}) {
        const float step = slideStepFor(speed);
        FakeWindow window(kParked, true);
        EXPECT_GT(runSlide(window, step, slideOutTick), 0) << step;
        EXPECT_EQ(window.left(), kOpen) << step;
        EXPECT_GT(runSlide(window, step, slideAwayTick), 0) << step;
        EXPECT_TRUE(isParked(window)) << step;
    }
}

TEST(SlideStep, unusableSettingGivesTheDefaultStep) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const double speed : {-100.0, 0.0, 14.9, inf, -inf, 1e300}) {
        EXPECT_EQ(slideStepFor(speed), kDefaultSlideStep) << speed;
    }
    EXPECT_EQ(slideStepFor(std::nullopt), kDefaultSlideStep);
    EXPECT_EQ(slideStepFor(15), 15.0f);
    EXPECT_EQ(slideStepFor(1000), 1000.0f);
}

} // namespace
} // namespace almanor
