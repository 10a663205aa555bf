#pragma once

#include "common/twips.h"

// The notes overview's client area and where its controls lie. The window places its controls
// here, and the build writes the same rectangles out for the end-to-end checks.
namespace almanor::overview_layout {

inline constexpr TwipsBox kWindow{0, 0, 6360, 2715};

inline constexpr TwipsBox kSearchField{120, 120, 4440, 315};
inline constexpr TwipsBox kOnThisDay{4680, 120, 1575, 315};
inline constexpr TwipsBox kCount{120, 450, 6135, 240};
inline constexpr TwipsBox kList{120, 705, 6135, 1035};
// While there are other versions of notes, the list makes room for them below it.
inline constexpr TwipsBox kListAboveOtherVersions{120, 705, 6135, 615};
inline constexpr TwipsBox kOtherVersions{120, 1335, 4620, 405};
inline constexpr TwipsBox kKeepBoth{4800, 1335, 1455, 405};

// The row of picture buttons, left to right.
inline constexpr TwipsBox kCopyButton{120, 1845, 1455, 795};
inline constexpr TwipsBox kGoToButton{1680, 1845, 1455, 795};
inline constexpr TwipsBox kCloseButton{3240, 1845, 1455, 795};
inline constexpr TwipsBox kDeleteButton{4800, 1845, 1455, 795};

// The rectangles under the names the end-to-end checks use.
inline constexpr NamedBox kNamedBoxes[] = {
    {"window", kWindow},     {"search", kSearchField},  {"on_this_day", kOnThisDay},
    {"list", kList},         {"copy", kCopyButton},     {"goto", kGoToButton},
    {"close", kCloseButton}, {"delete", kDeleteButton},
};

} // namespace almanor::overview_layout
