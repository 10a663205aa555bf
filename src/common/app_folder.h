#pragma once

#include <filesystem>
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

// A path from UTF-8 text and back, the same on every platform (a plain std::string would be
// taken in the ANSI code page on Windows).
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string pathToUtf8(const std::filesystem::path& path);

} // namespace almanor
