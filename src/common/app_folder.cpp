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

} // namespace almanor
