#include "settings/settings_file.h"

#include "common/app_folder.h"
#include "common/text_encoding.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace almanor {

bool isOn(const SettingValue& value) {
    const bool* flag = std::get_if<bool>(&value);
    return flag != nullptr && *flag;
}

static std::optional<double> parseDecimal(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

std::optional<double> numericValue(const SettingValue& value) {
    if (const double* number = std::get_if<double>(&value)) {
        return *number;
    }
    if (const std::string* text = std::get_if<std::string>(&value)) {
        return parseDecimal(*text);
    }
    return std::nullopt;
}

std::string textValue(const SettingValue& value) {
    if (const std::string* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    if (const double* number = std::get_if<double>(&value)) {
        // Fifteen significant digits unless the number needs more to read back as itself: a
        // hand-edited value is written back as it was read. to_chars rather than printf, whose
        // decimal point follows the user's locale and could split the settings line at a comma.
        char buffer[32];
        for (int precision = 15;; ++precision) {
            const auto written = std::to_chars(buffer, buffer + sizeof buffer, *number,
                                               std::chars_format::general, precision);
            double back = 0;
            std::from_chars(buffer, written.ptr, back);
            if (back == *number || precision == 17) {
                return std::string(buffer, written.ptr);
            }
        }
    }
    return std::get<bool>(value) ? "True" : "False";
}

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

template <class... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
// Spelled out for compilers without deduction for aggregates (clang before 17).
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

// A setting that the file may give any kind of value, in its field of the line.
using TypedSetting = std::variant<bool Settings::*, double Settings::*, std::string Settings::*>;
struct VariantField {
    std::size_t field;
    TypedSetting setting;
};
constexpr std::size_t kFieldCount = 12;
constexpr std::size_t kDaysField = 0;
constexpr std::size_t kWarningField = 9;
const VariantField kVariantFields[] = {
    {1, &Settings::deleteOldNotes}, {2, &Settings::alwaysOnTop},     {3, &Settings::slideAway},
    {4, &Settings::slideSpeed},     {5, &Settings::openOnMouseOver}, {6, &Settings::alarmEnabled},
    {7, &Settings::hourlyChime},    {8, &Settings::trayIcon},        {10, &Settings::alarmSound},
    {11, &Settings::chimeSound}};

void setFrom(Settings& settings, const TypedSetting& setting, const SettingValue& value) {
    std::visit(
        Overloaded{
            [&](bool Settings::*flag) { settings.*flag = isOn(value); },
            [&](double Settings::*number) { settings.*number = numericValue(value).value_or(0); },
            [&](std::string Settings::*text) { settings.*text = textValue(value); },
        },
        setting);
}

// The setting as the file holds it: the speed as text, as the options window writes it.
SettingValue valueOf(const Settings& settings, const TypedSetting& setting) {
    return std::visit(
        Overloaded{
            [&](bool Settings::*flag) { return SettingValue(settings.*flag); },
            [&](double Settings::*number) { return SettingValue(textValue(settings.*number)); },
            [&](std::string Settings::*text) { return SettingValue(settings.*text); },
        },
        setting);
}

} // namespace

std::string formatSettingsLine(const StoredSettings& stored) {
    const Settings& settings = stored.settings;
    std::array<std::string, kFieldCount> fields;
    fields[kDaysField] = std::to_string(settings.daysToKeep);
    fields[kWarningField] = settings.warnOfPastAlarms ? "#TRUE#" : "#FALSE#";
    for (const auto& [field, setting] : kVariantFields) {
        const std::optional<SettingValue>& read = stored.asRead[field];
        Settings asRead = settings;
        if (read) {
            setFrom(asRead, setting, *read);
        }
        fields[field] =
            formatValue(read && asRead == settings ? *read : valueOf(settings, setting));
    }
    std::string line = fields[0];
    for (std::size_t field = 1; field < kFieldCount; ++field) {
        line += ',' + fields[field];
    }
    return line;
}

std::optional<StoredSettings> parseSettingsText(std::string_view text) {
    // Some editors begin a file they save with a UTF-8 byte-order mark.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    const std::vector<RawField> fields = splitFields(text, kFieldCount);
    if (fields.size() < kFieldCount) {
        return std::nullopt;
    }
    StoredSettings stored;
    const auto daysToKeep = toDaysToKeep(fields[kDaysField]);
    const auto warn = toBoolean(fields[kWarningField]);
    if (!daysToKeep || !warn) {
        return std::nullopt;
    }
    stored.settings.daysToKeep = *daysToKeep;
    stored.settings.warnOfPastAlarms = *warn;
    for (const auto& [field, setting] : kVariantFields) {
        const auto value = toVariant(fields[field]);
        if (!value) {
            return std::nullopt;
        }
        stored.asRead[field] = *value;
        setFrom(stored.settings, setting, *value);
    }
    return stored;
}

LoadedSettings loadSettingsFile(std::string_view appFolder) {
    const ReadResult file =
        readRegularFile(pathFromUtf8(joinPath(appFolder, kSettingsFileName)), kLargestSettingsFile);
    LoadedSettings loaded{{}, file.status, file.error};
    if (file.read()) {
        loaded.stored = parseSettingsText(file.bytes).value_or(StoredSettings{});
    }
    return loaded;
}

FileResult writeSettingsFile(std::string_view appFolder, const StoredSettings& stored,
                             const WriteFaultHook& fault) {
    return writeFileAtomically(pathFromUtf8(joinPath(appFolder, kSettingsFileName)),
                               formatSettingsLine(stored) + "\r\n", fault);
}

} // namespace almanor
