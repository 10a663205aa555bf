#include "notes/note_folder_scanner.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "common/folder_listing.h"
#include "notes/note_list.h"
#include "notes/note_record.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <utility>

namespace almanor {

namespace fs = std::filesystem;

namespace {

// Longer than the coarsest modification time resolution in use (two seconds on FAT), with
// room for clock steps. A file changed within this time before a look is read again by the
// next one, because a second change could have kept its modification time.
constexpr auto kSettleTime = std::chrono::seconds(5);

} // namespace

std::string noteListLine(std::string_view dateField, std::string_view alarm,
                         std::string_view text) {
    std::string line;
    line.reserve(dateField.size() + alarm.size() + text.size() + 2 * kNoteListSeparator.size());
    line += dateField;
    line += kNoteListSeparator;
    if (!alarm.empty()) {
        line += alarm;
        line += kNoteListSeparator;
    }
    line += text;
    return line;
}

bool readListLine(const std::string& appFolder, std::string_view name,
                  std::optional<std::string>& line) {
    const ReadResult file =
        readRegularFile(pathFromUtf8(joinPath(appFolder, std::string(name))), kLargestNoteFile);
    if (file.status == ReadResult::Status::Failed) {
        return false;
    }
    const std::optional<NoteRecord> record =
        file.read() ? readNoteRecord(file.bytes) : std::nullopt;
    if (record && record->isNote()) {
        line = noteListLine(record->date, record->alarm, record->text);
    }
    return true;
}

void FolderDifference::add(std::uint32_t number, const std::optional<std::string>& line) {
    edits.push_back({number, line.has_value(), line ? lines.add(*line) : LineStore::Place{}});
}

std::optional<std::string_view> FolderDifference::line(const Edit& edit) const {
    return edit.listed ? std::optional(lines[edit.line]) : std::nullopt;
}

NoteFolderScanner::NoteFolderScanner(std::string appFolder)
    : folder_(std::move(appFolder)), folderPath_(pathFromUtf8(folder_)) {}

FolderDifference NoteFolderScanner::look(const std::vector<std::uint32_t>& readAgain) {
    ++looks_;
    const auto place = [this](std::uint32_t number) {
        return std::ranges::lower_bound(cache_, number, std::less(), &CachedFile::number);
    };
    for (const std::uint32_t number : readAgain) {
        auto file = place(number);
        if (file == cache_.end() || file->number != number) {
            file = cache_.insert(file, CachedFile{number, static_cast<std::uint16_t>(looks_ - 1)});
        }
        file->settled = false;
    }
    FolderDifference difference;
    std::vector<CachedFile> added;
    const fs::file_time_type settledBefore = fs::file_time_type::clock::now() - kSettleTime;
    for (FolderListing listing(folderPath_); listing.next();) {
        const std::string_view name = listing.name();
        if (std::optional<ConflictCopy> copy = readConflictCopy(folder_, name)) {
            difference.copies.push_back(std::move(*copy));
            continue;
        }
        // A file that vanishes between the listing and this question is simply not there.
        const std::optional<fs::file_time_type> modified =
            isNoteFileName(name) ? listing.fileModified() : std::nullopt;
        if (!modified) {
            continue;
        }
        const std::uint32_t number = noteFileNumber(name);
        const auto file = place(number);
        const bool known = file != cache_.end() && file->number == number;
        CachedFile& cached = known ? *file : added.emplace_back(CachedFile{number, looks_});
        cached.seenInLook = looks_;
        if (known && cached.settled && cached.modified == *modified) {
            continue;
        }
        ++difference.filesRead;
        std::optional<std::string> line;
        cached.modified = *modified;
        // A file that could not be read (locked, no permission) stays unsettled, so that it is
        // tried again: making it readable need not change its modification time.
        cached.settled = readListLine(folder_, name, line) && *modified < settledBefore;
        difference.add(number, line);
    }
    std::erase_if(cache_, [&](const CachedFile& file) {
        const bool vanished = file.seenInLook != looks_;
        if (vanished) {
            difference.add(file.number, std::nullopt);
        }
        return vanished;
    });
    std::ranges::sort(added, std::less(), &CachedFile::number);
    const auto firstAdded = cache_.insert(cache_.end(), added.begin(), added.end());
    std::inplace_merge(
        cache_.begin(), firstAdded, cache_.end(),
        [](const CachedFile& a, const CachedFile& b) { return a.number < b.number; });
    std::ranges::sort(difference.edits, std::greater(), &FolderDifference::Edit::number);
    std::ranges::sort(difference.copies, {}, &ConflictCopy::name);
    return difference;
}

} // namespace almanor
