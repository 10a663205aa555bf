#include "notes/note_record.h"

#include "common/text_encoding.h"

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

std::string noteDateField(const Date& date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%d", date.month, date.day, date.year);
    return buffer;
}

bool isNoteFileName(std::string_view name) {
    if (name.size() < kNoteFileExtension.size()) {
        return false;
    }
    const std::string_view ending = name.substr(name.size() - kNoteFileExtension.size());
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

std::optional<NoteRecord> parseNoteRecord(std::string_view text) {
    std::array<std::string, 4> fields;
    std::size_t pos = 0;
    bool afterComma = false;
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
    return NoteRecord{std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                      std::move(fields[3])};
}

std::optional<NoteRecord> readNoteRecord(std::string_view bytes) {
    return parseNoteRecord(decodeFromFile(bytes));
}

} // namespace almanor
