// The POSIX listing: readdir, and fstatat relative to the open folder, which spares the
// system walking the folder's whole path again for every file.

#include "common/file_time_posix.h"
#include "common/folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace almanor {

struct FolderListing::Folder {
    DIR* dir = nullptr;
    const dirent* entry = nullptr;
};

FolderListing::FolderListing(const std::filesystem::path& folder)
    : folder_(std::make_unique<Folder>()) {
    folder_->dir = ::opendir(folder.c_str());
}

FolderListing::~FolderListing() {
    if (folder_ && folder_->dir != nullptr) {
        ::closedir(folder_->dir);
    }
}

FolderListing::FolderListing(FolderListing&&) noexcept = default;
FolderListing& FolderListing::operator=(FolderListing&&) noexcept = default;

bool FolderListing::next() {
    do {
        folder_->entry = folder_->dir != nullptr ? ::readdir(folder_->dir) : nullptr;
    } while (folder_->entry != nullptr && (name() == "." || name() == ".."));
    return folder_->entry != nullptr;
}

std::string_view FolderListing::name() const {
    return folder_->entry->d_name;
}

std::optional<std::filesystem::file_time_type> FolderListing::fileModified() const {
    struct stat info {};
    if (::fstatat(::dirfd(folder_->dir), folder_->entry->d_name, &info, 0) != 0 ||
        !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return fileTimeOf(info.st_mtim);
}

} // namespace almanor
