#include "settings/settings.h"

#include <charconv>
#include <cmath>

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

} // namespace almanor
