#pragma once

#include "common/folder_listing.h"
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

// The list of all notes of an application folder, rebuilt from its note files.
//
// Every refresh looks at every note file, so files added, removed or changed by other
// programs show up at once, but only files that are new or changed since the previous
// refresh are read again: each file's modification time is kept from when it was read. The
// list is the only copy of the notes' lines, so a folder of decades of notes is held once.
class NoteCatalog {
public:
    // `appFolder` is UTF-8, with or without a trailing separator.
    explicit NoteCatalog(std::string appFolder);

    // Looks at the folder again and returns the list of all notes, newest first: the same
    // list a reading of every note file would give. Files that cannot be read, or whose
    // first field is not "dailynotes", are left out; the others are listed all the same.
    // A refresh begun in steps is finished first. The reference stays valid until the next
    // refresh.
    const NoteList& refresh();

    // The same refresh in steps, so that a large folder can be read without making the user
    // wait: each call looks at no more than `files` more files, and returns true once every
    // file was looked at. The list changes only with the refresh() that follows, which then
    // has nothing left to look at.
    bool refreshStep(std::size_t files);

    // Brings the entry of one note file (`name` as isNoteFileName takes it) up to date with
    // the file after this program wrote or deleted it; a refresh under way keeps what it read
    // of that file before.
    void update(std::string_view name);

    // The list as the last refresh left it; the commands that delete notes take out the
    // entries of the files they deleted.
    const NoteList& notes() const { return list_; }
    NoteList& notes() { return list_; }

    // How many files the last refresh had to read.
    std::size_t filesReadByLastRefresh() const { return filesRead_; }

private:
    struct CachedFile {
        std::uint32_t number; // the name's eight digits
        std::uint32_t seenInScan = 0;
        std::filesystem::file_time_type modified{};
        // False while the file was changed too recently to trust its modification time: a
        // second change within the file system's time resolution would leave the time as it
        // was, so such a file is read again by the next refresh.
        bool settled = false;
    };
    // A note file whose list line appeared, changed or went away during a scan.
    struct Edit {
        std::uint32_t number;
        std::string name;
        std::optional<std::string> line; // none: not listed (any more)
    };
    struct Scan {
        explicit Scan(const std::filesystem::path& folder) : listing(folder) {}
        FolderListing listing;
        bool lookedAtAll = false;
        std::filesystem::file_time_type settledBefore;
        std::vector<CachedFile> added;
        std::vector<Edit> edits;
        std::size_t filesRead = 0;
    };

    void scanFile(Scan& scan);
    void endScan();
    // The line a file gives the list, if any; false when the file could not be read at all.
    bool readLine(std::string_view name, std::optional<std::string>& line) const;
    const NoteListEntry* listed(std::uint32_t number) const;
    std::uint32_t numberOf(const NoteListEntry& entry) const;
    void applyEdits(std::vector<Edit>& edits);

    std::string folder_;
    std::filesystem::path folderPath_;
    std::size_t pathPrefixLength_; // of the folder in every note's path
    // In the order of the names' numbers: a search in a few megabytes of memory even at a
    // hundred thousand files.
    std::vector<CachedFile> cache_;
    NoteList list_;
    std::optional<Scan> scan_;
    std::uint32_t scansBegun_ = 0;
    std::size_t filesRead_ = 0;
};

} // namespace almanor
