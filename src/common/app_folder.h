#pragma once

#include <string>
#include <string_view>

namespace almanor {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The folder with exactly one trailing separator: unchanged when it already ends with one
// (a drive root such as "C:\" or "/"), else with the platform's separator appended.
std::string withTrailingSeparator(std::string_view folder, char separator = kPathSeparator);

// Folder and file name joined by one separator.
std::string joinPath(std::string_view folder, std::string_view name,
                     char separator = kPathSeparator);

} // namespace almanor
