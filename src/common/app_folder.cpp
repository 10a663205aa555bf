#include "common/app_folder.h"

namespace almanor {

std::string withTrailingSeparator(std::string_view folder, char separator) {
    std::string result(folder);
    if (result.empty() || (result.back() != '\\' && result.back() != '/')) {
        result += separator;
    }
    return result;
}

std::string joinPath(std::string_view folder, std::string_view name, char separator) {
    return withTrailingSeparator(folder, separator) + std::string(name);
}

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace almanor
