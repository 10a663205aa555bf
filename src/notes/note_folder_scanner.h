#pragma once

#include "notes/conflict_copies.h"
#include "notes/note_list.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace almanor {

// "date  -  alarm  -  text", or "date  -  text" when the alarm is empty. The text is taken
// whole, line breaks included.
std::string noteListLine(std::string_view dateField, std::string_view alarm, std::string_view text);

// The list line of note file `name` in `appFolder` (UTF-8), if it gives one: files that cannot
// be read, or whose first field is not "dailynotes", give none. False when the file could not
// be read at all.
bool readListLine(const std::string& appFolder, std::string_view name,
                  std::optional<std::string>& line);

// What a look at the folder found since the look before: every note file that is new, changed
// or gone, with its list line (none: not listed), newest first. The lines are held one after
// another, as the list holds them.
struct FolderDifference {
    struct Edit {
        std::uint32_t number; // the name's eight digits
        bool listed;
        LineStore::Place line;
    };
    std::vector<Edit> edits;
    LineStore lines;
    // Every conflict copy the look saw, in the order of their names: they are few, and read
    // again at each look.
    std::vector<ConflictCopy> copies;
    std::size_t filesRead = 0;

    void add(std::uint32_t number, const std::optional<std::string>& line);
    std::optional<std::string_view> line(const Edit& edit) const;
};

// Looks at every note file of a folder and tells what changed since its previous look. Only
// files that are new or changed since are read again: each file's modification time is kept
// from when it was read. It keeps no lines, so the list of all notes is held once, by whoever
// merges the differences; and it touches nothing else, so a look may run on another thread
// than the one that keeps the list (one look at a time).
class NoteFolderScanner {
public:
    // `appFolder` is UTF-8, with or without a trailing separator.
    explicit NoteFolderScanner(std::string appFolder);

    // `readAgain`: the files this program wrote or deleted since the previous look. Their time
    // may not have moved since they were last read, and a file it created must be known here
    // for a look to notice that it went.
    FolderDifference look(const std::vector<std::uint32_t>& readAgain);

private:
    struct CachedFile {
        std::uint32_t number;
        // Only whether it is the present look counts: a file missed by one look leaves.
        std::uint16_t seenInLook;
        // False while the file was changed too recently to trust its modification time: a
        // second change within the file system's time resolution would leave the time as it
        // was, so such a file is read again by the next look.
        bool settled = false;
        std::filesystem::file_time_type modified{};
    };

    std::string folder_;
    std::filesystem::path folderPath_;
    // In the order of the names' numbers: a search in a few megabytes of memory even at a
    // hundred thousand files.
    std::vector<CachedFile> cache_;
    std::uint16_t looks_ = 0;
};

} // namespace almanor
