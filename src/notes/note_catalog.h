#pragma once

#include "notes/note_folder_scanner.h"
#include "notes/note_list.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace almanor {

// The list of all notes of an application folder, kept up to date with its note files.
//
// Other programs' changes are found by a look at the folder (see NoteFolderScanner), which
// may run on another thread while the list stays in use; what it found is merged one change
// at a time, so that views can follow each row. This program's own writes and deletes reach
// the list at once, and win over what a look under way read of the same file before.
class NoteCatalog {
public:
    // `appFolder` is UTF-8, with or without a trailing separator.
    explicit NoteCatalog(std::string appFolder);

    // Looks at the folder now and merges all it found (and what a look taken before left): the
    // list of all notes, newest first, the same list a reading of every note file would give.
    // Files that cannot be read, or whose first field is not "dailynotes", are left out; the
    // others are listed all the same. `apply` makes each change, by applyChange, so that views
    // can be told around it.
    const NoteList& refresh(const std::function<void(const ListChange&)>& apply);
    const NoteList& refresh() {
        return refresh([this](const ListChange&) { applyChange(); });
    }

    // Begins a look: the returned task does it, on any thread, and nothing else here may run
    // at the same time as it but the list's own use and changes. Its difference is then taken
    // in with takeLook and merged with nextChange and applyChange. One look at a time.
    std::function<FolderDifference()> beginLook();
    void takeLook(FolderDifference difference);
    // Begun and not yet merged whole.
    bool looking() const { return look_ != Look::None; }

    // The next change the merge of the look makes, or nothing once the look is merged whole.
    std::optional<ListChange> nextChange();
    // The change this program's write or delete of note file `number` makes, if any.
    std::optional<ListChange> ownChange(std::uint32_t number);
    // Makes the change nextChange or ownChange told of, and says whose entry it was.
    std::uint32_t applyChange();

    const NoteList& notes() const { return list_; }
    // Other machines' versions of notes, as the last look taken in saw them.
    const std::vector<ConflictCopy>& conflictCopies() const { return copies_; }
    // This program merged and removed conflict copy `name`: it goes at once, not at the next look.
    void forgetConflictCopy(const std::string& name) {
        std::erase_if(copies_, [&](const ConflictCopy& copy) { return copy.name == name; });
    }
    // How many files the last look had to read.
    std::size_t filesReadByLastLook() const { return filesRead_; }

private:
    struct Change {
        ListChange change;
        std::uint32_t number;
        std::optional<std::string_view> line; // in difference_ or ownLine_
    };

    std::string folder_;
    NoteFolderScanner scanner_;
    NoteList list_;
    enum class Look { None, Running, Merging } look_ = Look::None;
    FolderDifference difference_;
    std::size_t merged_ = 0; // of difference_'s edits
    // Files this program changed while the look was under way: what it read of them may be older.
    std::vector<std::uint32_t> changedHere_;
    std::vector<std::uint32_t> readAgain_; // by the next look
    std::optional<Change> pending_;
    std::string ownLine_;
    std::size_t filesRead_ = 0;
    std::vector<ConflictCopy> copies_;
};

} // namespace almanor
