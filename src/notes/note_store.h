#pragma once

#include "common/atomic_file.h"
#include "common/date.h"

#include <string>
#include <string_view>

namespace almanor {

// What loading a day's note found. The window must tell a day without a note (show an empty
// note) from a note file it cannot read (show an empty note, but never save over the file).
struct LoadResult {
    enum class Status { NoFile, Loaded, Unreadable };

    Status status = Status::NoFile;
    std::string text;   // UTF-8; filled only when Loaded
    std::string alarm;  // UTF-8; filled only when Loaded
    std::string reason; // why the file could not be read, for the user; only when Unreadable
};

// The note files of one application folder: one file per day that has a note.
class NoteStore {
public:
    // The sentence the window shows when a delete finds nothing to delete.
    static constexpr std::string_view kNothingToDelete = "No Note Files Were Found To Delete!";

    // `appFolder` is UTF-8, with or without a trailing separator.
    explicit NoteStore(std::string appFolder);

    const std::string& folder() const { return folder_; }

    // Full path of the day's note file, UTF-8.
    std::string notePath(const Date& date) const;

    // Reads the day's note. Never writes, renames or deletes anything.
    LoadResult load(const Date& date) const;

    // Writes the day's note, replacing the file atomically; with both texts empty it removes
    // the file instead (a missing file is fine). Double quotes are stored as U+201D.
    FileResult save(const Date& date, std::string_view text, std::string_view alarm);

    // Deletes the day's note file. A missing file is a failure with kNothingToDelete.
    FileResult removeNote(const Date& date);

    // Deletes every note file of the folder. Finding none is a failure with kNothingToDelete;
    // files that could not be deleted are named in the failure.
    FileResult removeAllNotes();

private:
    std::string folder_;
};

} // namespace almanor
