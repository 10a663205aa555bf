#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace almanor {

// The steps of an atomic replacement, in order. Tests inject a failure at each one.
enum class WriteStep { CreateTemp, Write, Flush, Close, Rename };

struct FileResult {
    bool ok = true;
    std::string error; // for the user when !ok: the system's reason and the file it concerns

    explicit operator bool() const { return ok; }
    static FileResult success() { return {}; }
    static FileResult failure(std::string message) { return {false, std::move(message)}; }
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

// Reads a whole file. Returns false when it cannot be opened or read.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes);

// Removes a file. A file that does not exist counts as removed when `missingIsOk`.
FileResult removeFile(const std::filesystem::path& path, bool missingIsOk);

} // namespace almanor
