// Atomic replacement with the POSIX calls: fsync for the data, rename for the swap, and an
// fsync of the folder for the new directory entry. Reading with open's O_NONBLOCK, which
// keeps a pipe from holding the program up, and fstat on what was opened.

#include "common/atomic_file.h"
#include "common/atomic_file_shared.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace almanor {

namespace fs = std::filesystem;
using namespace atomic_file_detail;

namespace {

std::string systemMessage(int code) {
    return std::generic_category().message(code);
}

// Makes the rename durable: the new directory entry reaches the disk. Some file systems do
// not support syncing a directory; the file's own data is safe by then either way, so a
// failure here is not reported.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

FileResult writeFileAtomically(const fs::path& target, std::string_view bytes,
                               const WriteFaultHook& fault) {
    const auto refused = [&](WriteStep step) { return fault && !fault(step); };
    fs::path temp;
    int fd = -1;
    const auto fail = [&](WriteStep step, const std::string& reason) {
        if (fd >= 0) {
            ::close(fd);
        }
        if (!temp.empty()) {
            ::unlink(temp.c_str());
        }
        return saveFailure(target, step, reason);
    };

    if (refused(WriteStep::CreateTemp)) {
        return fail(WriteStep::CreateTemp, kRefused);
    }
    int error = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts && error == EEXIST; ++attempt) {
        const fs::path candidate = target.parent_path() / temporaryName();
        fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            temp = candidate;
            break;
        }
        error = errno;
    }
    if (fd < 0) {
        return fail(WriteStep::CreateTemp, systemMessage(error));
    }
    // A file the user made private stays private after the replacement.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 0777);
    }

    if (refused(WriteStep::Write)) {
        return fail(WriteStep::Write, kRefused);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(WriteStep::Write, systemMessage(errno));
        }
        done += static_cast<std::size_t>(written);
    }

    if (refused(WriteStep::Flush)) {
        return fail(WriteStep::Flush, kRefused);
    }
    if (::fsync(fd) != 0) {
        return fail(WriteStep::Flush, systemMessage(errno));
    }

    if (refused(WriteStep::Close)) {
        return fail(WriteStep::Close, kRefused);
    }
    // The descriptor is released even when close reports an error.
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) {
        return fail(WriteStep::Close, systemMessage(errno));
    }

    if (refused(WriteStep::Rename)) {
        return fail(WriteStep::Rename, kRefused);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        return fail(WriteStep::Rename, systemMessage(errno));
    }
    syncFolder(target.parent_path());
    return FileResult::success();
}

ReadResult readRegularFile(const fs::path& path, std::size_t limit, Oversize oversize) {
    ReadResult result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return result;
        }
        result.status = ReadResult::Status::Failed;
        result.error = systemMessage(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.status = ReadResult::Status::Failed;
        result.error = systemMessage(errno);
    } else if (!S_ISREG(info.st_mode)) {
        result.status = ReadResult::Status::NotRegular;
    } else {
        readOpenedFile(result, static_cast<std::uintmax_t>(info.st_size), limit, oversize,
                       [&](char* into, std::size_t room, std::size_t& got) {
                           ssize_t count = -1;
                           do {
                               count = ::read(fd, into, room);
                           } while (count < 0 && errno == EINTR);
                           if (count < 0) {
                               result.error = systemMessage(errno);
                               return false;
                           }
                           got = static_cast<std::size_t>(count);
                           return true;
                       });
    }
    ::close(fd);
    return result;
}

} // namespace almanor
