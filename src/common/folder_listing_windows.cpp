// The Windows listing: the standard library's, which takes the times from the listing itself.

#include "common/app_folder.h"
#include "common/folder_listing.h"

#include <string>
#include <system_error>

namespace almanor {

namespace fs = std::filesystem;

struct FolderListing::Folder {
    fs::directory_iterator next;
    bool started = false;
    std::string name;
};

FolderListing::FolderListing(const fs::path& folder) : folder_(std::make_unique<Folder>()) {
    std::error_code error;
    folder_->next = fs::directory_iterator(folder, error);
}

FolderListing::~FolderListing() = default;
FolderListing::FolderListing(FolderListing&&) noexcept = default;
FolderListing& FolderListing::operator=(FolderListing&&) noexcept = default;

bool FolderListing::next() {
    if (folder_->started && folder_->next != fs::directory_iterator()) {
        std::error_code error;
        folder_->next.increment(error);
        if (error) {
            folder_->next = fs::directory_iterator();
        }
    }
    folder_->started = true;
    if (folder_->next == fs::directory_iterator()) {
        return false;
    }
    folder_->name = pathToUtf8(folder_->next->path().filename());
    return true;
}

std::string_view FolderListing::name() const {
    return folder_->name;
}

std::optional<fs::file_time_type> FolderListing::fileModified() const {
    std::error_code error;
    if (!folder_->next->is_regular_file(error)) {
        return std::nullopt;
    }
    const fs::file_time_type modified = folder_->next->last_write_time(error);
    if (error) {
        return std::nullopt;
    }
    return modified;
}

} // namespace almanor
