#include "notes/note_catalog.h"

#include "notes/note_record.h"

#include <algorithm>
#include <utility>

namespace almanor {

NoteCatalog::NoteCatalog(std::string appFolder)
    : folder_(std::move(appFolder)), scanner_(folder_) {}

const NoteList& NoteCatalog::refresh(const std::function<void(const ListChange&)>& apply) {
    const auto mergeAll = [&] {
        while (const std::optional<ListChange> change = nextChange()) {
            apply(*change);
        }
    };
    mergeAll(); // a look taken before goes first: the scanner holds its files' times already
    takeLook(beginLook()());
    mergeAll();
    return list_;
}

std::function<FolderDifference()> NoteCatalog::beginLook() {
    look_ = Look::Running;
    changedHere_.clear();
    return [this, readAgain = std::exchange(readAgain_, {})] { return scanner_.look(readAgain); };
}

void NoteCatalog::takeLook(FolderDifference difference) {
    difference_ = std::move(difference);
    if (list_.empty()) {
        list_.reserve(difference_.edits.size()); // the first reading, of every note at once
    }
    merged_ = 0;
    look_ = Look::Merging;
    filesRead_ = difference_.filesRead;
    copies_ = std::move(difference_.copies);
}

std::optional<ListChange> NoteCatalog::nextChange() {
    while (merged_ < difference_.edits.size()) {
        const FolderDifference::Edit& edit = difference_.edits[merged_++];
        if (std::ranges::find(changedHere_, edit.number) != changedHere_.end()) {
            continue;
        }
        const std::optional<std::string_view> line = difference_.line(edit);
        if (const std::optional<ListChange> change = listChangeFor(list_, edit.number, line)) {
            pending_ = Change{*change, edit.number, line};
            return change;
        }
    }
    if (look_ == Look::Merging) {
        difference_ = {};
        look_ = Look::None;
    }
    return std::nullopt;
}

std::optional<ListChange> NoteCatalog::ownChange(std::uint32_t number) {
    std::optional<std::string> line;
    readListLine(folder_, noteFileName(number), line); // one that cannot be read is not listed
    readAgain_.push_back(number);
    if (looking()) {
        changedHere_.push_back(number);
    }
    ownLine_ = line.value_or("");
    const std::optional<std::string_view> own =
        line ? std::optional<std::string_view>(ownLine_) : std::nullopt;
    const std::optional<ListChange> change = listChangeFor(list_, number, own);
    if (change) {
        pending_ = Change{*change, number, own};
    }
    return change;
}

std::uint32_t NoteCatalog::applyChange() {
    const Change change = *std::exchange(pending_, std::nullopt);
    applyListChange(list_, change.change, change.number, change.line);
    return change.number;
}

} // namespace almanor
