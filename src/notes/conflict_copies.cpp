#include "notes/conflict_copies.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "notes/note_record.h"

namespace almanor {

std::optional<Date> conflictCopyDay(std::string_view name) {
    constexpr std::size_t kDigits = 8;
    if (name.size() <= kDigits + kNoteFileExtension.size() || !name.ends_with(kNoteFileExtension)) {
        return std::nullopt;
    }
    return noteFileDate(std::string(name.substr(0, kDigits)).append(kNoteFileExtension));
}

std::optional<ConflictCopy> readConflictCopy(const std::string& appFolder, std::string_view name) {
    const std::optional<Date> day = conflictCopyDay(name);
    if (!day) {
        return std::nullopt;
    }
    std::string copyName(name);
    const ReadResult file =
        readRegularFile(pathFromUtf8(joinPath(appFolder, copyName)), kLargestNoteFile);
    const std::optional<NoteRecord> record =
        file.read() ? readNoteRecord(file.bytes) : std::nullopt;
    if (!record || !record->isNote() || record->partial) {
        return std::nullopt;
    }
    return ConflictCopy{std::move(copyName), *day};
}

} // namespace almanor
