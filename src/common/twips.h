#pragma once

#include <string_view>

namespace almanor {

// Window positions and sizes are kept in twips, 15 to a logical pixel.
inline constexpr float kTwipsPerPixel = 15.0f;

constexpr float pixelsToTwips(float pixels) {
    return pixels * kTwipsPerPixel;
}

constexpr int twipsToPixels(float twips) {
    const float pixels = twips / kTwipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5f : pixels + 0.5f);
}

// A rectangle in twips, as the windows' layouts give their controls' places.
struct TwipsBox {
    float left, top, width, height;
};

// A rectangle under a short name, for what drives the real windows from outside.
struct NamedBox {
    std::string_view name;
    TwipsBox box;
};

} // namespace almanor
