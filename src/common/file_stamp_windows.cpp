// The call the standard library's file_size and last_write_time each make on Windows, made
// once.

#include "common/file_stamp.h"

#include <chrono>
#include <sys/stat.h>

namespace almanor {

FileStamp fileStamp(const std::filesystem::path& path) {
    struct _stat64 info {};
    if (::_wstat64(path.c_str(), &info) != 0) {
        return {};
    }
    return {true, static_cast<std::uintmax_t>(info.st_size),
            std::filesystem::file_time_type::clock::from_sys(
                std::chrono::system_clock::from_time_t(info.st_mtime))};
}

} // namespace almanor
