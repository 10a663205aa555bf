#include "notes/note_catalog.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "notes/note_record.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <system_error>
#include <utility>
#include <vector>

namespace almanor {

namespace fs = std::filesystem;

namespace {

// Longer than the coarsest modification time resolution in use (two seconds on FAT), with
// room for clock steps. A file changed within this time before a refresh is read again by
// the next one, because a second change could have kept its modification time.
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

NoteCatalog::NoteCatalog(std::string appFolder)
    : folder_(std::move(appFolder)), folderPath_(pathFromUtf8(folder_)),
      pathPrefixLength_(joinPath(folder_, "").size()) {}

bool NoteCatalog::readLine(std::string_view name, std::optional<std::string>& line) const {
    const ReadResult file =
        readRegularFile(pathFromUtf8(joinPath(folder_, std::string(name))), kLargestNoteFile);
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

const NoteList& NoteCatalog::refresh() {
    // A refresh in steps that is still under way may have passed files that changed since:
    // it is finished, and then the folder is looked at whole once more.
    const bool underWay = scan_ && !scan_->lookedAtAll;
    for (int scans = underWay ? 2 : 1; scans > 0; --scans) {
        refreshStep(std::numeric_limits<std::size_t>::max());
        endScan();
    }
    return list_;
}

bool NoteCatalog::refreshStep(std::size_t files) {
    if (!scan_) {
        ++scansBegun_;
        scan_.emplace(folderPath_);
        scan_->settledBefore = fs::file_time_type::clock::now() - kSettleTime;
    }
    Scan& scan = *scan_;
    for (std::size_t looked = 0; looked < files && !scan.lookedAtAll; ++looked) {
        scan.lookedAtAll = !scan.listing.next();
        if (!scan.lookedAtAll) {
            scanFile(scan);
        }
    }
    return scan.lookedAtAll;
}

void NoteCatalog::scanFile(Scan& scan) {
    const std::string_view name = scan.listing.name();
    if (!isNoteFileName(name)) {
        return;
    }
    // A file that vanishes between the listing and this question is simply not there.
    const std::optional<fs::file_time_type> modified = scan.listing.fileModified();
    if (!modified) {
        return;
    }
    const std::uint32_t number = noteFileNumber(name);
    const auto place = std::lower_bound(
        cache_.begin(), cache_.end(), number,
        [](const CachedFile& file, std::uint32_t wanted) { return file.number < wanted; });
    const bool known = place != cache_.end() && place->number == number;
    CachedFile& cached = known ? *place : scan.added.emplace_back(CachedFile{number});
    cached.seenInScan = scansBegun_;
    if (known && cached.settled && cached.modified == *modified) {
        return;
    }
    ++scan.filesRead;
    std::optional<std::string> line;
    cached.modified = *modified;
    // A file that could not be read (locked, no permission) stays unsettled, so that it is
    // tried again: making it readable need not change its modification time.
    cached.settled = readLine(name, line) && *modified < scan.settledBefore;
    const NoteListEntry* entry = listed(number);
    if (line ? entry == nullptr || entry->line != *line : entry != nullptr) {
        scan.edits.push_back({number, std::string(name), std::move(line)});
    }
}

void NoteCatalog::endScan() {
    Scan& scan = *scan_;
    filesRead_ = scan.filesRead;
    std::erase_if(cache_, [&](const CachedFile& file) {
        const bool vanished = file.seenInScan != scansBegun_;
        if (vanished) {
            scan.edits.push_back({file.number, {}, std::nullopt});
        }
        return vanished;
    });
    const auto byNumber = [](const CachedFile& a, const CachedFile& b) {
        return a.number < b.number;
    };
    std::sort(scan.added.begin(), scan.added.end(), byNumber);
    const auto firstAdded = cache_.insert(cache_.end(), scan.added.begin(), scan.added.end());
    std::inplace_merge(cache_.begin(), firstAdded, cache_.end(), byNumber);
    if (!scan.edits.empty()) {
        applyEdits(scan.edits);
    }
    scan_.reset();
}

void NoteCatalog::update(std::string_view name) {
    std::optional<std::string> line;
    readLine(name, line); // a file that cannot be read is not listed, as in a refresh
    const std::uint32_t number = noteFileNumber(name);
    if (scan_) {
        const auto sameFile = [number](const auto& file) { return file.number == number; };
        std::erase_if(scan_->edits, sameFile);
        std::erase_if(scan_->added, sameFile);
    }
    // Every listed file is in the cache, so that a refresh notices when it goes; the next one
    // reads it again, as its time may not have moved since it was last read.
    auto place = std::lower_bound(
        cache_.begin(), cache_.end(), number,
        [](const CachedFile& file, std::uint32_t wanted) { return file.number < wanted; });
    const bool known = place != cache_.end() && place->number == number;
    if (line) {
        place = known ? place : cache_.insert(place, CachedFile{number});
        place->seenInScan = scansBegun_;
        place->settled = false;
    } else if (known) {
        cache_.erase(place);
    }
    putListEntry(list_, joinPath(folder_, std::string(name)), std::move(line));
}

std::uint32_t NoteCatalog::numberOf(const NoteListEntry& entry) const {
    return noteFileNumber(std::string_view(entry.path).substr(pathPrefixLength_));
}

const NoteListEntry* NoteCatalog::listed(std::uint32_t number) const {
    // The list is in descending name order, which for eight digits is the numbers' order.
    const auto place = std::lower_bound(
        list_.begin(), list_.end(), number,
        [&](const NoteListEntry& entry, std::uint32_t wanted) { return numberOf(entry) > wanted; });
    return place != list_.end() && numberOf(*place) == number ? &*place : nullptr;
}

void NoteCatalog::applyEdits(std::vector<Edit>& edits) {
    std::sort(edits.begin(), edits.end(),
              [](const Edit& a, const Edit& b) { return a.number > b.number; });
    // One pass merges the edits into the list, moving every line rather than copying it.
    NoteList merged;
    merged.reserve(list_.size() + edits.size());
    auto edit = edits.begin();
    const auto takeEdit = [&] {
        if (edit->line) {
            merged.push_back({std::move(*edit->line), joinPath(folder_, edit->name)});
        }
        ++edit;
    };
    for (NoteListEntry& entry : list_) {
        const std::uint32_t number = numberOf(entry);
        while (edit != edits.end() && edit->number > number) {
            takeEdit();
        }
        if (edit != edits.end() && edit->number == number) {
            takeEdit();
        } else {
            merged.push_back(std::move(entry));
        }
    }
    while (edit != edits.end()) {
        takeEdit();
    }
    list_ = std::move(merged);
}

} // namespace almanor
