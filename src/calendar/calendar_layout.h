#pragma once

#include "common/twips.h"

// The calendar window's client area and where everything on it lies. The window places its
// controls and hotspots here and the face is drawn from the same rectangles, rounded to pixels
// the same way, so a word or symbol stays under the place that runs its command.
//
// The face draws a little beyond some of them: the note box's rim two pixels around it, the
// clock's oval three pixels past both ends of the label, and the "clear" and "view" pills a pixel
// or two inside their hotspots.
namespace almanor::calendar_layout {

inline constexpr TwipsBox kWindow{0, 0, 4215, 4275};

inline constexpr TwipsBox kCalendar{1875, 240, 2325, 2325};
inline constexpr TwipsBox kNoteBox{90, 2640, 4020, 1245};
inline constexpr TwipsBox kAlarmField{810, 2280, 990, 285};
// The band is shared so that the shortest of the translations of "All" fits beside the round mark.
inline constexpr TwipsBox kAllOption{375, 915, 600, 270};
inline constexpr TwipsBox kThisNoteOption{960, 915, 930, 270};
inline constexpr TwipsBox kClock{675, 1905, 915, 240};
// The parked window's strip at the screen's edge; it reaches past the window's top, bottom and
// left so that no part of the visible strip misses it.
inline constexpr TwipsBox kEdgeStrip{-45, -75, 120, 4680};

// Hotspots. Help and Quit reach past the window's top, Quit and Close past its other edges.
inline constexpr TwipsBox kBackSpot{1680, 285, 195, 225};
inline constexpr TwipsBox kTodaySpot{1680, 480, 210, 225};
inline constexpr TwipsBox kForwardSpot{1680, 660, 210, 270};
inline constexpr TwipsBox kClearSpot{390, 1215, 630, 285};
inline constexpr TwipsBox kViewSpot{1065, 1500, 615, 270};
inline constexpr TwipsBox kHelpSpot{3765, -15, 240, 270};
inline constexpr TwipsBox kQuitSpot{4005, -30, 255, 240};
inline constexpr TwipsBox kAboutSpot{330, 3930, 1005, 300};
inline constexpr TwipsBox kOptionsSpot{1740, 3915, 1110, 345};
inline constexpr TwipsBox kCloseSpot{3270, 3885, 930, 555};

// Every rectangle under a short name, for what drives the real window from outside: the build
// writes them out for the end-to-end checks.
inline constexpr NamedBox kNamedBoxes[] = {
    {"window", kWindow},    {"calendar", kCalendar},    {"note", kNoteBox},
    {"alarm", kAlarmField}, {"all", kAllOption},        {"this_note", kThisNoteOption},
    {"clock", kClock},      {"edge_strip", kEdgeStrip}, {"back", kBackSpot},
    {"today", kTodaySpot},  {"forward", kForwardSpot},  {"clear", kClearSpot},
    {"view", kViewSpot},    {"help", kHelpSpot},        {"quit", kQuitSpot},
    {"about", kAboutSpot},  {"options", kOptionsSpot},  {"close", kCloseSpot},
};

} // namespace almanor::calendar_layout
