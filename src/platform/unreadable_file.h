#pragma once

#include "common/atomic_file.h"

#include <QString>
#include <string>

namespace almanor {

// Why a file could not be read, as a clause the user is told ("it is not a regular file");
// `systemError` is the system's reason for ReadResult::Status::Failed.
QString unreadableBecause(ReadResult::Status status, const std::string& systemError);

} // namespace almanor
