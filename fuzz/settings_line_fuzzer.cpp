// Hostile settings files. Whatever options.cfg holds, reading it must stay within the input
// and must not trip the sanitizers, and settings that were read are written by Apply as a
// line that reads back as the same settings.

#include "fuzz_check.h"
#include "settings/settings_file.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace {

using almanor::fuzz::require;

// The line has no escape for a double quote, so a text holding one (only a bare field of a
// hand-edited file can) is cut short at it when read back.
bool holdsDoubleQuote(const almanor::StoredSettings& s) {
    for (const auto& value : s.asRead) {
        const auto* text = value ? std::get_if<std::string>(&*value) : nullptr;
        if (text != nullptr && text->find('"') != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto settings = almanor::parseSettingsText(text);
    if (!settings) {
        return 0;
    }
    // A limit of 0 makes the purge delete every note before today: it must be written as a number.
    require(settings->settings.daysToKeep != 0 ||
                text.substr(0, text.find(',')).find_first_of("0123456789") != text.npos,
            "a purge limit of 0 comes from a written number");

    // The options window shows a number through its text and the slide takes it back.
    for (const auto& value : settings->asRead) {
        if (const auto* number = value ? std::get_if<double>(&*value) : nullptr) {
            require(almanor::numericValue(almanor::SettingValue(almanor::textValue(*value))) ==
                        *number,
                    "a number's text reads back as the same number");
        }
    }

    const std::string line = almanor::formatSettingsLine(*settings);
    const auto again = almanor::parseSettingsText(line + "\r\n");
    require(again.has_value(), "a written settings line reads back");
    if (holdsDoubleQuote(*settings)) {
        return 0;
    }
    require(again->settings == settings->settings && again->asRead == settings->asRead,
            "a written settings line reads back as the same settings");
    require(almanor::formatSettingsLine(*again) == line, "writing settings again changes nothing");
    return 0;
}
