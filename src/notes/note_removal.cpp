#include "notes/note_removal.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "notes/note_record.h"

#include <algorithm>
#include <filesystem>

namespace almanor {

NoteFileRemoval removeNoteFile(const std::string& path, std::string& error) {
    const std::filesystem::path file = pathFromUtf8(path);
    const FileResult result = removeFile(file, false);
    if (result) {
        return NoteFileRemoval::Removed;
    }
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored)) {
        return NoteFileRemoval::Missing;
    }
    error = result.reason;
    return NoteFileRemoval::Kept;
}

NoteRemovalOutcome removeListedNotes(const NoteList& notes, std::vector<std::size_t> positions,
                                     const NoteFileRemover& remove,
                                     const NoteListTakeOut& takeOut) {
    std::sort(positions.begin(), positions.end(), std::greater<>());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    NoteRemovalOutcome outcome;
    for (const std::size_t i : positions) {
        if (i >= notes.size()) {
            continue;
        }
        std::string error;
        std::string date(notes[i].line.substr(0, 10));
        std::string name = noteFileName(notes[i].number);
        const NoteFileRemoval removal = remove(name, error);
        if (removal != NoteFileRemoval::Kept) {
            takeOut(i);
        }
        if (removal == NoteFileRemoval::Removed) {
            ++outcome.deleted;
            continue;
        }
        outcome.completed = false;
        outcome.failedDate = std::move(date);
        outcome.failedName = std::move(name);
        outcome.failure = removal;
        outcome.error = std::move(error);
        break;
    }
    return outcome;
}

} // namespace almanor
