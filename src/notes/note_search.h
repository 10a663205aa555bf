#pragma once

#include "common/date.h"
#include "notes/note_list.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace almanor {

// The text as the search compares it: lower case, and the letters of Latin-1 and Latin
// Extended-A without their accents ("Crème" reads "creme", "ß" reads "ss"). It is never longer
// than the text, which lets the search fold a line into one buffer it reuses.
std::string foldedText(std::string_view utf8);

// Whether note file `number` (yyyymmdd) falls on `day`'s month and day in any year. A note of
// 29 February also falls on 28 February of a year without that day, so that it is not missed
// three years in four.
bool fallsOnThisDay(std::uint32_t number, const Date& day);

// A half-open range of bytes of a line.
struct TextRange {
    std::size_t begin;
    std::size_t end;

    friend bool operator==(const TextRange&, const TextRange&) = default;
};

// What the overview's search asks of the notes: every typed word somewhere in a note's list
// line (in any order, case and accents ignored), and, when given, the note's day falling on
// the day's month and day. Asking nothing lets every note through.
class NoteSearch {
public:
    NoteSearch() = default;
    NoteSearch(std::string_view typed, std::optional<Date> onThisDay);

    bool asksNothing() const { return words_.empty() && !onThisDay_; }
    // True when every note this search lets through, `wider` lets through as well, so that
    // only the notes `wider` found need a look.
    bool narrows(const NoteSearch& wider) const;

    bool matches(const NoteListEntry& entry) const;
    // The rows of the list that match, in order; `rows` limits the look to those rows.
    std::vector<std::size_t> filter(const NoteList& list) const;
    std::vector<std::size_t> filter(const NoteList& list, std::span<const std::size_t> rows) const;
    // Where the words occur in `utf8`, merged and in order, for showing them.
    std::vector<TextRange> foundRanges(std::string_view utf8) const;

    // Asks the same of every note (the buffer of the last look aside).
    bool asksTheSame(const NoteSearch& other) const {
        return words_ == other.words_ && onThisDay_ == other.onThisDay_;
    }

private:
    bool matchesLine(std::string_view line) const;

    std::vector<std::string> words_; // folded
    std::optional<Date> onThisDay_;
    // The folded line of the last look; kept so that a filter allocates once.
    mutable std::string folded_;
};

} // namespace almanor
