#include "common/text_encoding.h"

#include <array>
#include <cstdint>
#include <optional>

namespace almanor {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Characters of the bytes 0x80 to 0x9F. The five bytes the code page leaves undefined stand
// for the C1 control of the same number, so that every byte survives a round trip.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<unsigned char> windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<unsigned char>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

// Reads one strictly valid UTF-8 sequence at `pos` (no overlong forms, no surrogates, nothing
// above U+10FFFF) and advances past it.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += length;
    return value;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Whether bytes are valid UTF-8, and whether they hold a multi-byte sequence.
struct Utf8Check {
    bool valid = true;
    bool multiByte = false;
};

Utf8Check checkUtf8(std::string_view bytes) {
    Utf8Check check;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t start = pos;
        if (!nextCodePoint(bytes, pos)) {
            check.valid = false;
            return check;
        }
        check.multiByte = check.multiByte || pos - start > 1;
    }
    return check;
}

// What decodeFromFile takes for UTF-8.
bool readsAsUtf8(std::string_view bytes) {
    const Utf8Check check = checkUtf8(bytes);
    return check.valid && check.multiByte;
}

} // namespace

bool fitsWindows1252(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto c = nextCodePoint(utf8, pos);
        if (!c || !windows1252Byte(*c)) {
            return false;
        }
    }
    return true;
}

std::string utf8ToWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto c = nextCodePoint(utf8, pos);
        const auto b = c ? windows1252Byte(*c) : std::nullopt;
        if (!b) {
            // Outside the contract; a question mark is what Windows writes for such a character.
            bytes += '?';
            if (!c) {
                ++pos;
            }
            continue;
        }
        bytes += static_cast<char>(*b);
    }
    return bytes;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size() + bytes.size() / 4);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(utf8, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char32_t{b});
    }
    return utf8;
}

std::string encodeForFile(std::string_view utf8) {
    if (fitsWindows1252(utf8)) {
        std::string bytes = utf8ToWindows1252(utf8);
        // Some single-byte texts, such as "Ã©", happen to form valid UTF-8 and would be read
        // back as something else ("é"); those go out as UTF-8, which reads back exactly.
        if (!readsAsUtf8(bytes)) {
            return bytes;
        }
    }
    // Reading drops one leading byte-order mark, so text that itself begins with that
    // character gets one in front of it.
    if (utf8.starts_with(kByteOrderMark)) {
        return std::string(kByteOrderMark) + std::string(utf8);
    }
    return std::string(utf8);
}

std::string decodeFromFile(std::string_view bytes) {
    // Some editors put a byte-order mark before UTF-8 text; it is not part of the text.
    if (bytes.starts_with(kByteOrderMark)) {
        const std::string_view text = bytes.substr(kByteOrderMark.size());
        if (checkUtf8(text).valid) {
            return std::string(text);
        }
    }
    if (readsAsUtf8(bytes)) {
        return std::string(bytes);
    }
    return windows1252ToUtf8(bytes);
}

} // namespace almanor
