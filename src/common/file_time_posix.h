#pragma once

#include <chrono>
#include <ctime>
#include <filesystem>

namespace almanor {

// A time the POSIX calls report, on the standard library's file clock.
inline std::filesystem::file_time_type fileTimeOf(const timespec& time) {
    using namespace std::chrono;
    return std::filesystem::file_time_type::clock::from_sys(sys_seconds(seconds(time.tv_sec)) +
                                                            nanoseconds(time.tv_nsec));
}

} // namespace almanor
