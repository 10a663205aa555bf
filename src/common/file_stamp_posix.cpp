#include "common/file_stamp.h"
#include "common/file_time_posix.h"

#include <sys/stat.h>

namespace almanor {

FileStamp fileStamp(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {};
    }
    return {true, static_cast<std::uintmax_t>(info.st_size), fileTimeOf(info.st_mtim)};
}

} // namespace almanor
