#include "notes/note_record.h"

#include "common/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace almanor {

namespace {

constexpr std::string_view kClosingCurlyQuote = "\xE2\x80\x9D";
constexpr std::string_view kSeparators = ",\r\n";

#ifdef _WIN32
char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
#endif

} // namespace

std::string noteFileName(const Date& date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d%02d%02d", date.year, date.month, date.day);
    return std::string(buffer) + std::string(kNoteFileExtension);
}

std::string noteFileName(std::uint32_t number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08u", static_cast<unsigned>(number));
    return std::string(buffer) + std::string(kNoteFileExtension);
}

std::string noteDateField(const Date& date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%d", date.month, date.day, date.year);
    return buffer;
}

bool isNoteFileName(std::string_view name) {
    constexpr std::size_t kDigits = 8;
    if (name.size() != kDigits + kNoteFileExtension.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kDigits; ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return false;
        }
    }
    const std::string_view ending = name.substr(kDigits);
#ifdef _WIN32
    for (std::size_t i = 0; i < ending.size(); ++i) {
        if (lowered(ending[i]) != kNoteFileExtension[i]) {
            return false;
        }
    }
    return true;
#else
    return ending == kNoteFileExtension;
#endif
}

std::uint32_t noteFileNumber(std::string_view name) {
    constexpr std::size_t kDigits = 8;
    std::uint32_t number = 0;
    for (const char digit : name.substr(0, kDigits)) {
        number = number * 10 + static_cast<std::uint32_t>(digit - '0');
    }
    return number;
}

std::optional<Date> noteFileDate(std::string_view name) {
    if (!isNoteFileName(name)) {
        return std::nullopt;
    }
    const auto number = static_cast<int>(noteFileNumber(name));
    const Date date{number / 10000, number / 100 % 100, number % 100};
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::string replaceDoubleQuotes(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c == '"') {
            result += kClosingCurlyQuote;
        } else {
            result += c;
        }
    }
    return result;
}

std::string encodeNoteRecord(const Date& date, std::string_view text, std::string_view alarm) {
    std::string record;
    record.reserve(text.size() + alarm.size() + 40);
    record += '"';
    record += kNoteMarker;
    record += "\",\"";
    record += replaceDoubleQuotes(text);
    record += "\",\"";
    record += noteDateField(date);
    record += "\",\"";
    record += replaceDoubleQuotes(alarm);
    record += "\"\r\n";
    return encodeForFile(record);
}

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// "<marker>","<text>","<date>","<alarm>" followed by nothing but line ends. The text is
// found from both ends, so quotes inside it cannot cut it short.
std::optional<NoteRecord> parseWrittenShape(std::string_view text) {
    while (!text.empty() && isLineEnd(text.back())) {
        text.remove_suffix(1);
    }
    constexpr std::string_view kBetween = "\",\"";
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
        return std::nullopt;
    }
    const std::size_t markerEnd = text.find('"', 1);
    if (text.compare(markerEnd, kBetween.size(), kBetween) != 0) {
        return std::nullopt;
    }
    const std::size_t textStart = markerEnd + kBetween.size();
    const std::size_t alarmQuote = text.rfind('"', text.size() - 2);
    if (alarmQuote == std::string_view::npos || alarmQuote < textStart + kBetween.size() ||
        text.compare(alarmQuote - 2, kBetween.size(), kBetween) != 0) {
        return std::nullopt;
    }
    const std::size_t dateQuote = text.rfind('"', alarmQuote - 3);
    if (dateQuote == std::string_view::npos || dateQuote < textStart + 2 ||
        text.compare(dateQuote - 2, kBetween.size(), kBetween) != 0) {
        return std::nullopt;
    }
    return NoteRecord{std::string(text.substr(1, markerEnd - 1)),
                      std::string(text.substr(textStart, dateQuote - 2 - textStart)),
                      std::string(text.substr(dateQuote + 1, alarmQuote - 3 - dateQuote)),
                      std::string(text.substr(alarmQuote + 1, text.size() - 2 - alarmQuote))};
}

std::optional<NoteRecord> parseFieldByField(std::string_view text) {
    std::array<std::string, 4> fields;
    std::size_t pos = 0;
    bool afterComma = false;
    bool partial = false;
    for (std::string& field : fields) {
        if (pos >= text.size() && !afterComma) {
            return std::nullopt;
        }
        std::size_t end = std::string_view::npos;
        if (pos < text.size() && text[pos] == '"') {
            const std::size_t close = text.find('"', pos + 1);
            field = text.substr(pos + 1, close == std::string_view::npos ? close : close - pos - 1);
            if (close != std::string_view::npos) {
                end = text.find_first_of(kSeparators, close + 1);
                const std::size_t next = end == std::string_view::npos ? text.size() : end;
                partial = partial || next != close + 1;
            }
        } else {
            end = text.find_first_of(kSeparators, pos);
            field = text.substr(pos, end == std::string_view::npos ? end : end - pos);
        }
        afterComma = end != std::string_view::npos && text[end] == ',';
        if (end == std::string_view::npos) {
            pos = text.size();
        } else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
            pos = end + 2;
        } else {
            pos = end + 1;
        }
    }
    const std::string_view rest = text.substr(std::min(pos, text.size()));
    partial = partial || rest.find_first_not_of("\r\n") != std::string_view::npos;
    return NoteRecord{std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                      std::move(fields[3]), partial};
}

} // namespace

std::optional<NoteRecord> parseNoteRecord(std::string_view text) {
    if (auto record = parseWrittenShape(text)) {
        return record;
    }
    return parseFieldByField(text);
}

std::optional<NoteRecord> readNoteRecord(std::string_view bytes) {
    return parseNoteRecord(decodeFromFile(bytes));
}

} // namespace almanor
