// Atomic replacement with the Win32 calls: FlushFileBuffers for the data and MoveFileExW with
// write-through for the swap.

#include "common/atomic_file.h"
#include "common/atomic_file_shared.h"

#include <algorithm>
#include <string>
#include <system_error>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace almanor {

namespace fs = std::filesystem;
using namespace atomic_file_detail;

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

ReadResult readRegularFile(const fs::path& path, std::size_t limit, Oversize oversize) {
    ReadResult result;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        std::error_code ignored;
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return result;
        }
        if (fs::is_directory(path, ignored)) {
            result.status = ReadResult::Status::NotRegular;
            return result;
        }
        result.status = ReadResult::Status::Failed;
        result.error = systemMessage(error);
        return result;
    }
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK) {
        result.status = ReadResult::Status::NotRegular; // a device or a named pipe
    } else if (!GetFileSizeEx(file, &size)) {
        result.status = ReadResult::Status::Failed;
        result.error = systemMessage(GetLastError());
    } else {
        readOpenedFile(result, static_cast<std::uintmax_t>(size.QuadPart), limit, oversize,
                       [&](char* into, std::size_t room, std::size_t& got) {
                           DWORD count = 0;
                           if (!ReadFile(file, into,
                                         static_cast<DWORD>(std::min<std::size_t>(room, 1u << 20)),
                                         &count, nullptr)) {
                               result.error = systemMessage(GetLastError());
                               return false;
                           }
                           got = count;
                           return true;
                       });
    }
    CloseHandle(file);
    return result;
}

} // namespace almanor
