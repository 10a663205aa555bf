#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace almanor {

// What resting the pointer on a marked day tells of its note, read from its list line.
struct NoteGlance {
    std::string alarm;     // empty when the note has none
    std::string firstLine; // the first line with text, cut after kGlanceCharacters and "…"

    friend bool operator==(const NoteGlance&, const NoteGlance&) = default;
};

inline constexpr std::size_t kGlanceCharacters = 80;

// Reads back a line noteListLine made: "MM/DD/YYYY  -  [alarm  -  ]text".
NoteGlance glanceAt(std::string_view listLine);

} // namespace almanor
