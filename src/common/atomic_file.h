#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace almanor {

// The steps of an atomic replacement, in order. Tests inject a failure at each one.
enum class WriteStep { CreateTemp, Write, Flush, Close, Rename };

// What a file operation found, as kinds and values: the program words them for the user.
struct FileResult {
    enum class Failure {
        None,
        Replace,    // an atomic replacement failed at `step`
        Remove,     // the system would not remove the file
        Missing,    // there was no file to remove
        NoFreeName, // every name a new file could take was taken
    };

    Failure failure = Failure::None;
    WriteStep step = WriteStep::CreateTemp; // when Replace
    std::string file;                       // the file's name, UTF-8
    std::string reason;                     // the system's own words, when it gave any

    explicit operator bool() const { return failure == Failure::None; }
    static FileResult success() { return {}; }
    static FileResult failed(Failure failure, std::string file, std::string reason = {}) {
        return {failure, WriteStep::CreateTemp, std::move(file), std::move(reason)};
    }
};

// Called before each step; returning false makes that step fail as if the system had
// refused it. Only tests set it.
using WriteFaultHook = std::function<bool(WriteStep)>;

// Replaces `target` with `bytes` so that a crash or power cut at any moment leaves either
// the old complete file or the new complete file: the bytes go to a temporary file in the
// same folder, are flushed to the disk, and the temporary file is renamed over the target;
// the rename is then made durable too (the folder is synced, or written through on Windows).
// On POSIX systems a replaced file keeps its permission bits. On failure the target is
// untouched and the temporary file is removed. The temporary name never matches "*.dnf",
// also not through Windows short (8.3) names.
FileResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                               const WriteFaultHook& fault = {});

// What reading a file found. Only a regular file is read (a link is followed to one): a pipe
// would block the program for good and a device such as /dev/zero would never end.
struct ReadResult {
    enum class Status {
        Read,       // `bytes` holds the file, or its first `limit` bytes when a prefix was asked
        Missing,    // nothing of that name
        NotRegular, // a folder, a pipe, a device, a socket, or a link to one
        TooLarge,   // more than `limit` bytes, and the whole file was wanted
        Failed,     // it could not be opened or read; `error` says why
    };

    Status status = Status::Missing;
    std::string bytes;
    std::uintmax_t size = 0; // the file's size as the system gave it when it was opened
    std::string error;

    bool read() const { return status == Status::Read; }
};

// Whether a file larger than the limit is refused or read as far as the limit.
enum class Oversize { Refuse, ReadPrefix };

// Reads a regular file of at most `limit` bytes without ever blocking: it is opened so that a
// pipe cannot hold the program up, checked to be a regular file once open, and never read past
// `limit` (a file that grows while it is read is cut there, or refused).
ReadResult readRegularFile(const std::filesystem::path& path, std::size_t limit,
                           Oversize oversize = Oversize::Refuse);

// Removes a file. A file that does not exist counts as removed when `missingIsOk`.
FileResult removeFile(const std::filesystem::path& path, bool missingIsOk);

} // namespace almanor
