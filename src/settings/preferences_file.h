#pragma once

#include "settings/preferences.h"

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace almanor {

inline constexpr std::string_view kPreferencesFileName = "almanor.ini";
inline constexpr std::size_t kLargestPreferencesFile = 64 * 1024;

// What almanor.ini in a folder holds, key by key ("group/key" for a key in a group other than
// the general one).
struct LoadedPreferenceValues {
    PreferenceValues values;
    // Why the file could not be read, for the user; nothing when it was read or is missing.
    std::optional<QString> whyUnreadable;
};
LoadedPreferenceValues loadPreferenceValues(const std::string& folder);

// Sets the given keys in almanor.ini and leaves the others as they were; the file is replaced
// whole, never left torn. A file that is there but cannot be read is not replaced: the result
// says why, as it does for a failed write.
std::optional<QString> storePreferenceValues(const std::string& folder,
                                             const PreferenceValues& values);

} // namespace almanor
