#pragma once

#include "common/atomic_file.h"

#include <QString>
#include <string>

namespace almanor {

// Why a file could not be read, as a clause the user is told ("it is not a regular file");
// `systemError` is the system's reason for ReadResult::Status::Failed.
QString unreadableBecause(ReadResult::Status status, const std::string& systemError);

// What went wrong with a file, naming it and giving the system's reason. Empty for a success,
// and for NoFreeName, which only the caller can word: it knows what the name was for.
QString fileFailureText(const FileResult& result);

} // namespace almanor
