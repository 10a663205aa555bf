// What both replacements share, and removing, for which the standard library suffices. The
// replacement and reading are in atomic_file_posix.cpp and atomic_file_windows.cpp: the
// standard library can neither flush a file to the disk, nor promise that a rename replaces
// the target atomically, nor open a file without blocking on a pipe.

#include "common/atomic_file.h"

#include "common/app_folder.h"
#include "common/atomic_file_shared.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <system_error>

namespace almanor {

namespace fs = std::filesystem;

namespace atomic_file_detail {

FileResult saveFailure(const fs::path& target, WriteStep step, const std::string& reason) {
    FileResult result =
        FileResult::failed(FileResult::Failure::Replace, pathToUtf8(target.filename()), reason);
    result.step = step;
    return result;
}

void readOpenedFile(ReadResult& result, std::uintmax_t size, std::size_t limit, Oversize oversize,
                    const ReadSome& readSome) {
    result.size = size;
    if (size > limit && oversize == Oversize::Refuse) {
        result.status = ReadResult::Status::TooLarge;
        return;
    }
    result.status = ReadResult::Status::Read;
    // One byte past the limit tells a file that grew since its size was taken from one that
    // did not.
    const std::size_t wanted = oversize == Oversize::Refuse ? limit + 1 : limit;
    result.bytes.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(size, wanted)));
    std::size_t done = 0;
    while (done < wanted) {
        if (done == result.bytes.size()) {
            result.bytes.resize(std::min(wanted, done + 16384));
        }
        std::size_t got = 0;
        if (!readSome(result.bytes.data() + done, result.bytes.size() - done, got)) {
            result.status = ReadResult::Status::Failed;
            break;
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    result.bytes.resize(done);
    if (result.read() && done > limit) {
        result.status = ReadResult::Status::TooLarge;
    }
    if (!result.read()) {
        result.bytes.clear();
    }
}

fs::path temporaryName() {
    static std::atomic<std::uint64_t> counter{0};
    thread_local std::mt19937_64 engine{
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    const std::uint64_t value = engine() ^ (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = "~almanor-";
    for (int shift = 60; shift >= 0; shift -= 4) {
        name += kHex[(value >> shift) & 0xF];
    }
    name += ".tmp";
    return fs::path(name);
}

} // namespace atomic_file_detail

FileResult removeFile(const fs::path& path, bool missingIsOk) {
    std::error_code error;
    const bool removed = fs::remove(path, error);
    if (error) {
        return FileResult::failed(FileResult::Failure::Remove, pathToUtf8(path.filename()),
                                  error.message());
    }
    if (!removed && !missingIsOk) {
        return FileResult::failed(FileResult::Failure::Missing, pathToUtf8(path.filename()));
    }
    return FileResult::success();
}

} // namespace almanor
