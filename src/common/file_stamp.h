#pragma once

#include <cstdint>
#include <filesystem>

namespace almanor {

// What the file system says of a file without reading it: when this is unchanged, so is the
// file, as far as anyone can tell cheaply.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// Asks the system once for all of the stamp, where the standard library asks once for each
// part: a file looked at every second costs one look.
FileStamp fileStamp(const std::filesystem::path& path);

} // namespace almanor
