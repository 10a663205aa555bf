#include "calendar/slide.h"

#include <cmath>
#include <limits>

namespace almanor {

namespace {

// Returned as float so that the comparisons with the left edge are made in single
// precision, as the window system holds positions, also where the compiler would keep
// intermediate results wider.
float openLeft(const SlideWindow& window) {
    return window.screenWidth() - window.windowWidth();
}

} // namespace

bool isParked(const SlideWindow& window) {
    const float parked = window.screenWidth() - kParkedStripTwips;
    return window.left() == parked;
}

bool slideOutTick(SlideWindow& window, float step) {
    if (const float left = window.left(); openLeft(window) <= left) {
        window.setLeft(left - step);
    }
    const float open = openLeft(window);
    if (open > window.left()) {
        window.setLeft(open);
        return true;
    }
    return false;
}

bool slideAwayTick(SlideWindow& window, float step) {
    if (const float left = window.left(); openLeft(window) <= left) {
        window.setLeft(left + step);
    }
    const float screenWidth = window.screenWidth();
    if (window.left() > screenWidth) {
        window.setLeft(screenWidth - kParkedStripTwips);
        return true;
    }
    return false;
}

float slideStepFor(std::optional<double> speed) {
    if (!speed || !std::isfinite(*speed) || *speed < kSmallestSlideStep ||
        *speed > std::numeric_limits<float>::max()) {
        return kDefaultSlideStep;
    }
    return static_cast<float>(*speed);
}

} // namespace almanor
