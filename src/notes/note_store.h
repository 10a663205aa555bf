#pragma once

#include "common/atomic_file.h"
#include "common/date.h"
#include "common/file_stamp.h"
#include "notes/note_removal.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace almanor {

// What a note file held when it was last read or written here, byte for byte: a change made
// by another program since then shows as a difference.
struct NoteFileContent {
    bool exists = false;
    std::string bytes;

    friend bool operator==(const NoteFileContent&, const NoteFileContent&) = default;
};

// What loading a day's note found. The window must tell a day without a note (show an empty
// note) from a note file it cannot read (show an empty note, but never save over the file).
struct LoadResult {
    enum class Status { NoFile, Loaded, Unreadable };
    // Why an Unreadable file is: what it is, or what its bytes lack.
    enum class Problem { NotRegular, TooLarge, Failed, Incomplete, NotANote, OutsideFields };

    Status status = Status::NoFile;
    std::string text;                  // UTF-8; filled only when Loaded
    std::string alarm;                 // UTF-8; filled only when Loaded
    Problem problem = Problem::Failed; // only when Unreadable
    std::string reason;                // the system's words when Failed
    NoteFileContent file;              // what the file held as it was read
};

// What deleting every note file did.
struct NoteDeletion {
    enum class Status { Deleted, NothingToDelete, NotListed, SomeKept };
    struct Kept {
        std::string file;
        std::string reason;
    };

    Status status = Status::Deleted;
    std::string reason;     // the system's words when NotListed
    std::size_t found = 0;  // note files there were
    std::vector<Kept> kept; // those that stay, when SomeKept
};

// The note files of one application folder: one file per day that has a note.
class NoteStore {
public:
    // `appFolder` is UTF-8, with or without a trailing separator.
    explicit NoteStore(std::string appFolder);

    const std::string& folder() const { return folder_; }

    // Full path of the day's note file, UTF-8.
    std::string notePath(const Date& date) const;

    // Reads the day's note. Never writes, renames or deletes anything.
    LoadResult load(const Date& date) const;

    // Writes the day's note, replacing the file atomically; with both texts empty it removes
    // the file instead (a missing file is fine). Double quotes are stored as U+201D.
    // `written`, when given, is set to what the file now holds once the save succeeded.
    FileResult save(const Date& date, std::string_view text, std::string_view alarm,
                    NoteFileContent* written = nullptr);

    FileStamp stamp(const Date& date) const;
    // What the day's file holds, without making sense of it: enough to tell whether it changed.
    NoteFileContent content(const Date& date) const;

    // Keeps a note's text and alarm in a plain text file of its own beside the notes, for when
    // the day's note file cannot take them: "YYYYMMDD (kept by Almanor).txt", numbered when
    // that name is taken. It is no note file, so nothing lists, purges or deletes it. `name`
    // receives the file's name once it is written.
    FileResult keepAside(const Date& date, std::string_view text, std::string_view alarm,
                         std::string& name);

    // Deletes every note file of the folder through `remove`. `removed`, when given, receives
    // the days whose files went.
    NoteDeletion removeAllNotes(const NoteFileRemover& remove,
                                std::vector<Date>* removed = nullptr);

private:
    struct RawFile {
        NoteFileContent file;
        std::optional<LoadResult::Problem> problem; // none when the bytes were read
        std::string reason;
    };
    RawFile readRaw(const Date& date) const;

    std::string folder_;
};

} // namespace almanor
