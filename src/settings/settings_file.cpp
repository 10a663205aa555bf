#include "settings/settings_file.h"

#include "common/app_folder.h"
#include "common/text_encoding.h"

#include <cmath>
#include <limits>
#include <vector>

namespace almanor {

namespace {

// One field as the file holds it: quoted text, or the bare characters between separators.
struct RawField {
    std::string text;
    bool quoted = false;
};

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Splits at commas outside quotes and at line ends, skipping blanks before a field. A quoted
// field runs to its closing quote; anything after that quote up to the separator is dropped.
std::vector<RawField> splitFields(std::string_view text, std::size_t wanted) {
    std::vector<RawField> fields;
    std::size_t pos = 0;
    while (fields.size() < wanted) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
            ++pos;
        }
        if (pos >= text.size()) {
            break;
        }
        RawField field;
        if (text[pos] == '"') {
            const std::size_t close = text.find('"', pos + 1);
            if (close == std::string_view::npos) {
                break; // an unfinished quote is a truncated file
            }
            field.text = std::string(text.substr(pos + 1, close - pos - 1));
            field.quoted = true;
            pos = close + 1;
            while (pos < text.size() && text[pos] != ',' && !isLineEnd(text[pos])) {
                ++pos;
            }
        } else {
            const std::size_t start = pos;
            while (pos < text.size() && text[pos] != ',' && !isLineEnd(text[pos])) {
                ++pos;
            }
            std::string_view bare = text.substr(start, pos - start);
            while (!bare.empty() && (bare.back() == ' ' || bare.back() == '\t')) {
                bare.remove_suffix(1);
            }
            field.text = std::string(bare);
        }
        if (pos < text.size() && text[pos] == ',') {
            ++pos;
        } else {
            while (pos < text.size() && isLineEnd(text[pos])) {
                ++pos;
            }
        }
        fields.push_back(std::move(field));
    }
    return fields;
}

std::optional<double> bareNumber(const std::string& text) {
    return numericValue(SettingValue(text));
}

// A field read into a setting that may hold any kind of value.
std::optional<SettingValue> toVariant(const RawField& field) {
    if (field.quoted) {
        return SettingValue(decodeFromFile(field.text));
    }
    if (field.text == "#TRUE#") {
        return SettingValue(true);
    }
    if (field.text == "#FALSE#") {
        return SettingValue(false);
    }
    if (field.text.size() >= 2 && field.text.front() == '#' && field.text.back() == '#') {
        return std::nullopt; // dates and error values have no meaning for a setting
    }
    if (const auto number = bareNumber(field.text)) {
        return SettingValue(*number);
    }
    return SettingValue(decodeFromFile(field.text));
}

// The age limit, rounded half to even. Anything that is not a number (empty, a flag, words)
// or is negative makes the file unreadable rather than 0 or less: the limit decides which
// notes the purge deletes, and 0 deletes every note before today.
std::optional<std::int16_t> toDaysToKeep(const RawField& field) {
    const auto number = bareNumber(field.text);
    if (!number || *number < 0) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<bool> toBoolean(const RawField& field) {
    const auto value = toVariant(field);
    if (!value) {
        return std::nullopt;
    }
    if (const bool* flag = std::get_if<bool>(&*value)) {
        return *flag;
    }
    if (const auto number = numericValue(*value)) {
        return *number != 0;
    }
    std::string lower = std::get<std::string>(*value);
    for (char& c : lower) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    if (lower == "true") {
        return true;
    }
    if (lower == "false") {
        return false;
    }
    return std::nullopt;
}

std::string formatValue(const SettingValue& value) {
    if (const bool* flag = std::get_if<bool>(&value)) {
        return *flag ? "#TRUE#" : "#FALSE#";
    }
    if (std::holds_alternative<double>(value)) {
        return textValue(value);
    }
    std::string quoted(1, '"');
    quoted += encodeForFile(std::get<std::string>(value));
    quoted += '"';
    return quoted;
}

} // namespace

std::string formatSettingsLine(const Settings& s) {
    std::string line = std::to_string(s.deleteDays);
    for (const SettingValue* value :
         {&s.udel, &s.utop, &s.uslide, &s.slideSpeed, &s.umouse, &s.ualarm, &s.uchime, &s.utask}) {
        line += ',' + formatValue(*value);
    }
    line += s.uwarn ? ",#TRUE#" : ",#FALSE#";
    line += ',' + formatValue(s.alarmSound);
    line += ',' + formatValue(s.chimeSound);
    return line;
}

std::optional<Settings> parseSettingsText(std::string_view text) {
    // Some editors begin a file they save with a UTF-8 byte-order mark.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    constexpr std::size_t kFieldCount = 12;
    const std::vector<RawField> fields = splitFields(text, kFieldCount);
    if (fields.size() < kFieldCount) {
        return std::nullopt;
    }
    Settings s;
    const auto deleteDays = toDaysToKeep(fields[0]);
    const auto uwarn = toBoolean(fields[9]);
    if (!deleteDays || !uwarn) {
        return std::nullopt;
    }
    s.deleteDays = *deleteDays;
    s.uwarn = *uwarn;
    SettingValue* variants[] = {&s.udel,   &s.utop,   &s.uslide, &s.slideSpeed, &s.umouse,
                                &s.ualarm, &s.uchime, &s.utask,  &s.alarmSound, &s.chimeSound};
    const std::size_t variantFields[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11};
    for (std::size_t i = 0; i < std::size(variants); ++i) {
        const auto value = toVariant(fields[variantFields[i]]);
        if (!value) {
            return std::nullopt;
        }
        *variants[i] = *value;
    }
    return s;
}

LoadedSettings loadSettingsFile(std::string_view appFolder) {
    const ReadResult file =
        readRegularFile(pathFromUtf8(joinPath(appFolder, kSettingsFileName)), kLargestSettingsFile);
    LoadedSettings loaded{{}, file.status, file.error};
    if (file.read()) {
        loaded.settings = parseSettingsText(file.bytes).value_or(Settings{});
    }
    return loaded;
}

FileResult writeSettingsFile(std::string_view appFolder, const Settings& settings,
                             const WriteFaultHook& fault) {
    return writeFileAtomically(pathFromUtf8(joinPath(appFolder, kSettingsFileName)),
                               formatSettingsLine(settings) + "\r\n", fault);
}

} // namespace almanor
