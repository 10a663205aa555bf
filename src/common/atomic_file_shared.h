#pragma once

// What the POSIX and the Windows replacement have in common: the temporary file's name and
// the wording of a failure. Private to the atomic_file sources.

#include "common/atomic_file.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace almanor::atomic_file_detail {

// A name collision with a file nobody cleaned up is retried with a new name this often.
inline constexpr int kNameAttempts = 16;
inline constexpr const char* kRefused = "the system refused it";

FileResult saveFailure(const std::filesystem::path& target, WriteStep step,
                       const std::string& reason);

// Reads an opened regular file of `size` bytes into `result` as far as `limit` allows, through
// `readSome`, which reads at most `room` bytes into `into`, sets `got` (0 at the end) and
// returns false, with `result.error` set, when the system fails.
using ReadSome = std::function<bool(char* into, std::size_t room, std::size_t& got)>;
void readOpenedFile(ReadResult& result, std::uintmax_t size, std::size_t limit, Oversize oversize,
                    const ReadSome& readSome);

// "~almanor-0123456789abcdef.tmp". The last extension is "tmp", so neither the long name nor
// a Windows short name ("~ALMAN~1.TMP") can match "*.dnf".
std::filesystem::path temporaryName();

} // namespace almanor::atomic_file_detail
