#pragma once

#include "common/data_folder.h"

namespace almanor {

// The folders this start of the program uses, from where the program lies, what it may write
// and the user's environment. An installed program's data folder is made here when missing:
// the single-instance lock is named from its real path, which a missing folder does not have.
Folders foldersInUse(bool systemInstall);

} // namespace almanor
