#pragma once

#include "common/atomic_file.h"
#include "settings/settings.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace almanor {

inline constexpr std::string_view kSettingsFileName = "options.cfg";
// One line of twelve fields, two of them file names: anything larger is no settings file.
inline constexpr std::size_t kLargestSettingsFile = 64 * 1024;

// A value as options.cfg may hold it: a Boolean, a number or a text. Only a Boolean true
// switches a feature on: a bare 1 in a hand-edited file counts as off.
using SettingValue = std::variant<bool, double, std::string>;

bool isOn(const SettingValue& value);
// The value as a number: a number as is, a text that holds a decimal number; else nothing.
std::optional<double> numericValue(const SettingValue& value);
// The value as text: a text as is, a number in its shortest decimal form, a Boolean as
// "True"/"False".
std::string textValue(const SettingValue& value);

// The settings with the values the file held for them, so that a value nobody changed is
// written back exactly as it was read (a bare 1 that counts as off, a speed "300 ").
struct StoredSettings {
    Settings settings;
    // By field of the line; nothing for the two fields of a fixed kind (the days and the
    // warning), and where nothing was read.
    std::array<std::optional<SettingValue>, 12> asRead;
};

// The one line of options.cfg without its line end, twelve comma-separated fields.
std::string formatSettingsLine(const StoredSettings& stored);

// Reads the twelve fields of a settings file's text (a leading UTF-8 byte-order mark is
// skipped). Returns nothing when the text ends before the twelfth field, the first field is
// not a number or is negative, or a value does not fit its setting; text after the twelfth
// field is ignored.
std::optional<StoredSettings> parseSettingsText(std::string_view text);

// What reading options.cfg gave: the settings, or the defaults when the file is missing or
// cannot be read or understood (too few fields, a number that does not fit).
struct LoadedSettings {
    StoredSettings stored;
    // How reading the file itself went. Anything but Read or Missing (a pipe, a device, a huge
    // file, one the system refuses) is worth telling the user; a text that does not parse
    // gives the defaults silently, as a missing file does.
    ReadResult::Status file = ReadResult::Status::Missing;
    std::string error; // the system's reason when the file could not be opened or read
};
LoadedSettings loadSettingsFile(std::string_view appFolder);

// Replaces appFolder + "options.cfg" atomically with the line and CR LF. On failure the old
// file is left as it was.
FileResult writeSettingsFile(std::string_view appFolder, const StoredSettings& stored,
                             const WriteFaultHook& fault = {});

} // namespace almanor
