#include "notes/note_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace almanor {

namespace {

// The base letters of U+00C0 to U+017F, one per code point. '*' keeps the letter as it is,
// '^' is its small letter 0x20 further on, and the digits stand for two letters (the fold of
// a two-byte letter never takes more than its two bytes).
constexpr std::string_view kBaseLetters =
    "aaaaaa1ceeeeiiiidnooooo*ouuuuy^2"
    "aaaaaa1ceeeeiiiidnooooo*ouuuuy*y"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii33jjkkk"
    "llllllllllnnnnnnnnnoooooo44rrrrrrssssssssttttttuuuuuuuuu"
    "uuuwwyyyzzzzzzs";
static_assert(kBaseLetters.size() == 0x180 - 0xC0);
constexpr char32_t kFirstFolded = 0xC0;
constexpr std::string_view kPairs[] = {"ae", "ss", "ij", "oe"};

constexpr std::array<char, 128> kAsciiLower = [] {
    std::array<char, 128> lower{};
    for (std::size_t c = 0; c < lower.size(); ++c) {
        lower[c] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    return lower;
}();

// Eight ASCII bytes in lower case at once (no byte carries into the next below 0x80).
std::uint64_t asciiLower(std::uint64_t bytes) {
    constexpr std::uint64_t kEach = 0x0101010101010101;
    const std::uint64_t fromA = bytes + kEach * (0x80 - 'A');
    const std::uint64_t pastZ = bytes + kEach * (0x80 - 'Z' - 1);
    return bytes | ((fromA & ~pastZ & kEach * 0x80) >> 2);
}

constexpr std::uint64_t kNotAscii = 0x8080808080808080;
// The first byte of the text is the lowest of eight read at once.
static_assert(std::endian::native == std::endian::little);

// Writes the fold of `text` to `out`, which has room for text.size() bytes, and returns how
// many bytes it wrote. With `sources`, each byte written notes the offset in `text` of the
// letter it came from. Bytes that are not a folded letter are copied, one by one.
std::size_t foldInto(std::string_view text, char* out, std::uint32_t* sources) {
    std::size_t written = 0;
    const auto put = [&](char byte, std::size_t from) {
        out[written] = byte;
        if (sources) {
            sources[written] = static_cast<std::uint32_t>(from);
        }
        ++written;
    };
    for (std::size_t i = 0; i < text.size();) {
        // Most of a line is ASCII, and a search folds every line: up to eight bytes at a time,
        // as many as come before the first that is not ASCII. The buffer has room for all
        // eight, since nothing written is longer than what it came from.
        if (!sources && i + sizeof(std::uint64_t) <= text.size()) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, text.data() + i, sizeof eight);
            const std::uint64_t notAscii = eight & kNotAscii;
            const auto ascii = static_cast<std::size_t>(std::countr_zero(notAscii) / 8);
            if (ascii > 0) {
                const std::uint64_t kept = notAscii ? (std::uint64_t{1} << (8 * ascii)) - 1 : ~0ULL;
                eight = asciiLower(eight & kept);
                std::memcpy(out + written, &eight, sizeof eight);
                written += ascii;
                i += ascii;
                continue;
            }
        }
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            put(kAsciiLower[lead], i++);
            continue;
        }
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        const char32_t letter = static_cast<char32_t>(((lead & 0x1F) << 6) | (next & 0x3F));
        if (lead < 0xC3 || lead > 0xC5 || (next & 0xC0) != 0x80 || letter < kFirstFolded) {
            put(text[i], i);
            ++i;
            continue;
        }
        const char base = kBaseLetters[letter - kFirstFolded];
        if (base == '*' || base == '^') {
            const char32_t kept = base == '^' ? letter + 0x20 : letter;
            put(static_cast<char>(0xC0 | (kept >> 6)), i);
            put(static_cast<char>(0x80 | (kept & 0x3F)), i);
        } else if (base >= '1' && base <= '4') {
            for (const char pairLetter : kPairs[base - '1']) {
                put(pairLetter, i);
            }
        } else {
            put(base, i);
        }
        i += 2;
    }
    return written;
}

} // namespace

std::string foldedText(std::string_view utf8) {
    std::string folded(utf8.size(), '\0');
    folded.resize(foldInto(utf8, folded.data(), nullptr));
    return folded;
}

bool fallsOnThisDay(std::uint32_t number, const Date& day) {
    const auto month = static_cast<int>(number / 100 % 100);
    const auto dayOfMonth = static_cast<int>(number % 100);
    if (month != day.month) {
        return false;
    }
    return dayOfMonth == day.day ||
           (day.month == 2 && day.day == 28 && dayOfMonth == 29 && !isLeapYear(day.year));
}

NoteSearch::NoteSearch(std::string_view typed, std::optional<Date> onThisDay)
    : onThisDay_(onThisDay) {
    constexpr std::string_view kBlanks = " \t\r\n";
    for (std::size_t start = typed.find_first_not_of(kBlanks); start != std::string_view::npos;) {
        const std::size_t end = std::min(typed.find_first_of(kBlanks, start), typed.size());
        words_.push_back(foldedText(typed.substr(start, end - start)));
        start = typed.find_first_not_of(kBlanks, end);
    }
}

bool NoteSearch::narrows(const NoteSearch& wider) const {
    return onThisDay_ == wider.onThisDay_ &&
           std::ranges::all_of(wider.words_, [this](const std::string& widerWord) {
               return std::ranges::any_of(words_, [&](const std::string& word) {
                   return word.find(widerWord) != std::string::npos;
               });
           });
}

bool NoteSearch::matchesLine(std::string_view line) const {
    if (words_.empty()) {
        return true;
    }
    folded_.resize(std::max(folded_.size(), line.size())); // grows to the longest line once
    const std::string_view folded(folded_.data(), foldInto(line, folded_.data(), nullptr));
    return std::ranges::all_of(words_, [folded](const std::string& word) {
        return folded.find(word) != std::string_view::npos;
    });
}

bool NoteSearch::matches(const NoteListEntry& entry) const {
    return (!onThisDay_ || fallsOnThisDay(entry.number, *onThisDay_)) && matchesLine(entry.line);
}

std::vector<std::size_t> NoteSearch::filter(const NoteList& list) const {
    std::vector<std::size_t> found;
    for (std::size_t row = 0; row < list.size(); ++row) {
        if (matches(list[row])) {
            found.push_back(row);
        }
    }
    return found;
}

std::vector<std::size_t> NoteSearch::filter(const NoteList& list,
                                            std::span<const std::size_t> rows) const {
    std::vector<std::size_t> found;
    std::ranges::copy_if(rows, std::back_inserter(found),
                         [&](std::size_t row) { return matches(list[row]); });
    return found;
}

std::vector<TextRange> NoteSearch::foundRanges(std::string_view utf8) const {
    if (words_.empty()) {
        return {}; // asked for every row drawn
    }
    std::string folded(utf8.size(), '\0');
    std::vector<std::uint32_t> sources(utf8.size());
    folded.resize(foldInto(utf8, folded.data(), sources.data()));
    std::vector<TextRange> ranges;
    for (const std::string& word : words_) {
        for (std::size_t at = folded.find(word); at != std::string::npos;
             at = folded.find(word, at + 1)) {
            // The bytes of a folded letter all come from its two bytes; any other byte is
            // copied from itself.
            const std::size_t last = sources[at + word.size() - 1];
            const std::size_t lastLength = static_cast<unsigned char>(utf8[last]) >= 0xC0 ? 2 : 1;
            ranges.push_back({sources[at], last + lastLength});
        }
    }
    std::ranges::sort(ranges, {}, &TextRange::begin);
    std::vector<TextRange> merged;
    for (const TextRange& range : ranges) {
        if (!merged.empty() && range.begin <= merged.back().end) {
            merged.back().end = std::max(merged.back().end, range.end);
        } else {
            merged.push_back(range);
        }
    }
    return merged;
}

} // namespace almanor
