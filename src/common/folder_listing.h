#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace almanor {

// The entries of a folder one at a time, for looking at every file of a large folder as
// cheaply as the system allows: a file's modification time is asked for only when wanted,
// relative to the open folder where the system can.
class FolderListing {
public:
    // A folder that cannot be listed has no entries.
    explicit FolderListing(const std::filesystem::path& folder);
    ~FolderListing();
    FolderListing(FolderListing&&) noexcept;
    FolderListing& operator=(FolderListing&&) noexcept;

    // Moves to the next entry; false at the end.
    bool next();
    // The entry's name, UTF-8, valid until the next move.
    std::string_view name() const;
    // The entry's modification time when it is a regular file (or a link to one); nothing
    // when it is not, or is gone.
    std::optional<std::filesystem::file_time_type> fileModified() const;

private:
    struct Folder;
    std::unique_ptr<Folder> folder_;
};

} // namespace almanor
