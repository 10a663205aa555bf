// The one core file that talks to the operating system directly: the standard library can
// neither flush a file to the disk nor promise that a rename replaces the target atomically.

#include "common/atomic_file.h"

#include "common/app_folder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace almanor {

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 16;
constexpr const char* kRefused = "the system refused it";

const char* stepDescription(WriteStep step) {
    switch (step) {
    case WriteStep::CreateTemp:
        return "creating a temporary file";
    case WriteStep::Write:
        return "writing";
    case WriteStep::Flush:
        return "flushing to the disk";
    case WriteStep::Close:
        return "closing the temporary file";
    case WriteStep::Rename:
        return "replacing the old file";
    }
    return "saving";
}

FileResult saveFailure(const fs::path& target, WriteStep step, const std::string& reason) {
    return FileResult::failure(reason + " (" + stepDescription(step) + " failed for " +
                               pathToUtf8(target.filename()) + ")");
}

// "~almanor-0123456789abcdef.tmp". The last extension is "tmp", so neither the long name nor
// a Windows short name ("~ALMAN~1.TMP") can match "*.dnf".
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

} // namespace

#ifdef _WIN32

namespace {

std::string systemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring wide = length > 0 ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L'.')) {
        wide.pop_back();
    }
    if (wide.empty()) {
        return "system error " + std::to_string(code);
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

} // namespace

FileResult writeFileAtomically(const fs::path& target, std::string_view bytes,
                               const WriteFaultHook& fault) {
    const auto refused = [&](WriteStep step) { return fault && !fault(step); };
    fs::path temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    const auto fail = [&](WriteStep step, const std::string& reason) {
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
        if (!temp.empty()) {
            DeleteFileW(temp.c_str());
        }
        return saveFailure(target, step, reason);
    };

    if (refused(WriteStep::CreateTemp)) {
        return fail(WriteStep::CreateTemp, kRefused);
    }
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < kNameAttempts && error == ERROR_FILE_EXISTS; ++attempt) {
        const fs::path candidate = target.parent_path() / temporaryName();
        file = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            temp = candidate;
            break;
        }
        error = GetLastError();
    }
    if (file == INVALID_HANDLE_VALUE) {
        return fail(WriteStep::CreateTemp, systemMessage(error));
    }

    if (refused(WriteStep::Write)) {
        return fail(WriteStep::Write, kRefused);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
            return fail(WriteStep::Write, systemMessage(GetLastError()));
        }
        done += written;
    }

    if (refused(WriteStep::Flush)) {
        return fail(WriteStep::Flush, kRefused);
    }
    if (!FlushFileBuffers(file)) {
        return fail(WriteStep::Flush, systemMessage(GetLastError()));
    }

    if (refused(WriteStep::Close)) {
        return fail(WriteStep::Close, kRefused);
    }
    const BOOL closed = CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    if (!closed) {
        return fail(WriteStep::Close, systemMessage(GetLastError()));
    }

    if (refused(WriteStep::Rename)) {
        return fail(WriteStep::Rename, kRefused);
    }
    // Write-through makes the rename itself durable before the call returns.
    if (!MoveFileExW(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return fail(WriteStep::Rename, systemMessage(GetLastError()));
    }
    return FileResult::success();
}

#else

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

#endif

bool readWholeFile(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string data;
    char buffer[16384];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        data.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    // A read error (a folder, a device that fails) sets badbit; a normal end sets only
    // eofbit and failbit.
    if (in.bad()) {
        return false;
    }
    bytes = std::move(data);
    return true;
}

FileResult removeFile(const fs::path& path, bool missingIsOk) {
    std::error_code error;
    const bool removed = fs::remove(path, error);
    if (error) {
        return FileResult::failure(pathToUtf8(path.filename()) + ": " + error.message());
    }
    if (!removed && !missingIsOk) {
        return FileResult::failure(pathToUtf8(path.filename()) + ": the file does not exist");
    }
    return FileResult::success();
}

} // namespace almanor
