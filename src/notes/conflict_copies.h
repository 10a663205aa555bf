#pragma once

#include "common/date.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace almanor {

// The day of a synchronising tool's conflict copy of a note file: a name that begins with the
// day's eight digits and ends in ".dnf" but is not the day's own note file, as Syncthing's
// "20261206.sync-conflict-20261206-101010-ABCDEFG.dnf", Nextcloud's "20261206 (conflicted copy
// 2026-12-06 101010).dnf" and Dropbox's "20261206 (Machine's conflicted copy 2026-12-06).dnf".
// Nothing for any other name.
std::optional<Date> conflictCopyDay(std::string_view name);

struct ConflictCopy {
    std::string name; // UTF-8
    Date day;
};

// File `name` in `appFolder` (UTF-8) as a conflict copy, when its name is one's and it holds a
// note record.
std::optional<ConflictCopy> readConflictCopy(const std::string& appFolder, std::string_view name);

} // namespace almanor
