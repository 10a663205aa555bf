#include "settings/settings.h"

#include <charconv>
#include <cmath>
#include <cstdio>

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
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.15g", *number);
        return buffer;
    }
    return std::get<bool>(value) ? "True" : "False";
}

} // namespace almanor
