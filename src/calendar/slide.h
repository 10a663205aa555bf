#pragma once

#include <optional>

namespace almanor {

// The calendar window as the slide sees it: sizes and position in twips, single precision,
// as the window system gives and takes them. Every read goes to the window afresh, because
// the screen can change size and the window system may round a position it is given.
struct SlideWindow {
    virtual ~SlideWindow() = default;
    virtual float screenWidth() const = 0;
    virtual float windowWidth() const = 0;
    virtual float left() const = 0;
    virtual void setLeft(float left) = 0;
};

// The strip of a parked window that stays visible at the right edge of the screen.
inline constexpr float kParkedStripTwips = 30.0f;
inline constexpr float kDefaultSlideStep = 300.0f;
// One pixel at 15 twips per pixel. A smaller step could be rounded away by a window system
// that places windows on whole pixels, and the slide would never end.
inline constexpr float kSmallestSlideStep = 15.0f;

// The window is parked exactly when its left edge lies 30 twips left of the screen's right
// edge.
bool isParked(const SlideWindow& window);

// One step of sliding the window out towards the open position (left edge at screen width
// minus window width). Returns true when the slide has ended and its timer is to stop; the
// window then stands exactly at the open position.
bool slideOutTick(SlideWindow& window, float step);

// One step of sliding the window away to the parked position. The last step carries the
// window off the screen entirely, and the window is then set back onto the parked strip.
// Returns true when the slide has ended. While the window's left edge lies left of the
// open position, nothing moves and the slide goes on.
bool slideAwayTick(SlideWindow& window, float step);

// The step of both slides for the sliding-speed setting read as a number. A setting that is
// missing, not a finite number or smaller than one pixel gives the default step, so that
// every slide ends.
float slideStepFor(std::optional<double> speed);

} // namespace almanor
