#pragma once

#include <string>

namespace almanor {

// A day's note as text and alarm, line breaks as "\n".
struct NoteTexts {
    std::string text;
    std::string alarm;

    friend bool operator==(const NoteTexts&, const NoteTexts&) = default;
};

// The line that separates another program's version of a note from the user's own.
inline constexpr const char* kYourVersionLine =
    "----- Typed here while another program changed this note -----";

// The note to keep when another program changed a day's note file while the user was writing
// the same note: nothing of either is lost. Their text comes first, as the newer file; the
// user's follows below kYourVersionLine unless it adds nothing (empty, or already in theirs, as
// when the other version was made from the user's).
// Their alarm stays; the user's alarm is kept when they have none, and named on the line when
// it differs.
NoteTexts keepBoth(const NoteTexts& theirs, const NoteTexts& mine);

} // namespace almanor
