#pragma once

#include "notes/note_list.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace almanor {

// "date  -  alarm  -  text", or "date  -  text" when the alarm is empty. The text is taken
// whole, line breaks included.
std::string noteListLine(std::string_view dateField, std::string_view alarm, std::string_view text);

// The list of all notes of an application folder, rebuilt from its note files.
//
// Every refresh looks at every note file, so files added, removed or changed by other
// programs show up at once, but only files that are new or changed since the previous
// refresh are read again: parsed records stay cached with the modification time they were
// read at.
class NoteCatalog {
public:
    // `appFolder` is UTF-8, with or without a trailing separator.
    explicit NoteCatalog(std::string appFolder);

    // Looks at the folder again and returns the list of all notes, newest first: the same
    // list a reading of every note file would give. Files that cannot be read, or whose
    // first field is not "dailynotes", are left out; the others are listed all the same.
    // The reference stays valid until the next refresh.
    const NoteList& refresh();

    // The list as the last refresh left it.
    const NoteList& notes() const { return list_; }

    // How many files the last refresh had to read.
    std::size_t filesReadByLastRefresh() const { return filesRead_; }

private:
    struct CachedFile {
        std::filesystem::file_time_type modified;
        // False while the file was changed too recently to trust its modification time: a
        // second change within the file system's time resolution would leave the time as it
        // was, so such a file is read again by the next refresh.
        bool settled = false;
        bool listed = false;
        NoteListEntry entry;
        std::uint64_t seenInScan = 0;
    };

    // Reads one file into `file`; false when it could not be read at all.
    bool readFile(const std::string& name, CachedFile& file) const;
    void rebuildList();
    // Brings the one list entry of `name` in line with the cache.
    void updateListEntry(std::string_view name);
    std::string_view nameOf(const NoteListEntry& entry) const;

    std::string folder_;
    std::filesystem::path folderPath_;
    std::size_t pathPrefixLength_; // of the folder in every note's path
    // Looked up by the name as the folder listing gives it, without a copy.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const noexcept {
            return std::hash<std::string_view>{}(name);
        }
    };

    std::unordered_map<std::string, CachedFile, NameHash, std::equal_to<>> cache_;
    NoteList list_;
    std::uint64_t scan_ = 0;
    std::size_t filesRead_ = 0;
};

} // namespace almanor
