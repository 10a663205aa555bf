#include "notes/conflict_copies.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "common/folder_listing.h"
#include "notes/note_record.h"

#include <algorithm>

namespace almanor {

std::optional<Date> conflictCopyDay(std::string_view name) {
    constexpr std::size_t kDigits = 8;
    if (name.size() <= kDigits + kNoteFileExtension.size() || !name.ends_with(kNoteFileExtension)) {
        return std::nullopt;
    }
    const std::string ownName = std::string(name.substr(0, kDigits)) + ".dnf";
    return isNoteFileName(ownName) ? noteFileDate(ownName) : std::nullopt;
}

std::vector<ConflictCopy> conflictCopies(const std::string& appFolder) {
    std::vector<ConflictCopy> copies;
    for (FolderListing folder(pathFromUtf8(appFolder)); folder.next();) {
        const std::string_view name = folder.name();
        const std::optional<Date> day = conflictCopyDay(name);
        if (!day) {
            continue;
        }
        std::string copyName(name);
        const ReadResult file =
            readRegularFile(pathFromUtf8(joinPath(appFolder, copyName)), kLargestNoteFile);
        const std::optional<NoteRecord> record =
            file.read() ? readNoteRecord(file.bytes) : std::nullopt;
        if (record && record->isNote() && !record->partial) {
            copies.push_back({std::move(copyName), *day});
        }
    }
    std::ranges::sort(copies, {}, &ConflictCopy::name);
    return copies;
}

} // namespace almanor
