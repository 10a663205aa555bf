#include "notes/note_catalog.h"

#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "notes/note_record.h"

#include <algorithm>
#include <chrono>
#include <system_error>
#include <utility>
#include <vector>

namespace almanor {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLineSeparator = "  -  ";

// Longer than the coarsest modification time resolution in use (two seconds on FAT), with
// room for clock steps. A file changed within this time before a refresh is read again by
// the next one, because a second change could have kept its modification time.
constexpr auto kSettleTime = std::chrono::seconds(5);

constexpr std::size_t kMostEditsInPlace = 32;

} // namespace

std::string noteListLine(std::string_view dateField, std::string_view alarm,
                         std::string_view text) {
    std::string line;
    line.reserve(dateField.size() + alarm.size() + text.size() + 2 * kLineSeparator.size());
    line += dateField;
    line += kLineSeparator;
    if (!alarm.empty()) {
        line += alarm;
        line += kLineSeparator;
    }
    line += text;
    return line;
}

NoteCatalog::NoteCatalog(std::string appFolder)
    : folder_(std::move(appFolder)), folderPath_(pathFromUtf8(folder_)),
      pathPrefixLength_(joinPath(folder_, "").size()) {}

bool NoteCatalog::readFile(const std::string& name, CachedFile& file) const {
    file.entry.path = joinPath(folder_, name);
    std::string bytes;
    if (!readWholeFile(pathFromUtf8(file.entry.path), bytes)) {
        return false;
    }
    const std::optional<NoteRecord> record = readNoteRecord(bytes);
    file.listed = record && record->isNote();
    file.entry.line =
        file.listed ? noteListLine(record->date, record->alarm, record->text) : std::string();
    return true;
}

const NoteList& NoteCatalog::refresh() {
    ++scan_;
    filesRead_ = 0;
    const fs::file_time_type settledBefore = fs::file_time_type::clock::now() - kSettleTime;
    // Names whose line appeared, changed or went away.
    std::vector<std::string> edited;
    std::size_t seen = 0;

    std::error_code error;
    for (fs::directory_iterator it(folderPath_, error), end; !error && it != end;
         it.increment(error)) {
#ifdef _WIN32
        const std::string nameText = pathToUtf8(it->path().filename());
        const std::string_view name = nameText;
#else
        // The name is in the listing's own path string, UTF-8 as the file system holds it.
        const std::string& native = it->path().native();
        const std::string_view name = std::string_view(native).substr(native.rfind('/') + 1);
#endif
        if (!isNoteFileName(name)) {
            continue;
        }
        // A file that vanishes between the listing and these questions is simply not there.
        std::error_code fileError;
        if (!it->is_regular_file(fileError)) {
            continue;
        }
        const fs::file_time_type modified = it->last_write_time(fileError);
        if (fileError) {
            continue;
        }
        auto slot = cache_.find(name);
        const bool added = slot == cache_.end();
        if (added) {
            slot = cache_.emplace(std::string(name), CachedFile{}).first;
        }
        CachedFile& cached = slot->second;
        cached.seenInScan = scan_;
        ++seen;
        if (!added && cached.settled && cached.modified == modified) {
            continue;
        }

        ++filesRead_;
        CachedFile fresh;
        fresh.seenInScan = scan_;
        fresh.modified = modified;
        // A file that could not be read (locked, no permission) stays unsettled, so that it is
        // tried again: making it readable need not change its modification time.
        fresh.settled = readFile(slot->first, fresh) && modified < settledBefore;
        if (fresh.listed != cached.listed ||
            (fresh.listed && fresh.entry.line != cached.entry.line)) {
            edited.push_back(slot->first);
        }
        cached = std::move(fresh);
    }

    if (seen < cache_.size()) {
        std::erase_if(cache_, [&](const auto& item) {
            const bool vanished = item.second.seenInScan != scan_;
            if (vanished && item.second.listed) {
                edited.push_back(item.first);
            }
            return vanished;
        });
    }
    // Each edit in place moves the entries behind it; past a few, sorting afresh is cheaper.
    if (edited.size() > kMostEditsInPlace) {
        rebuildList();
    } else {
        for (const std::string& name : edited) {
            updateListEntry(name);
        }
    }
    return list_;
}

std::string_view NoteCatalog::nameOf(const NoteListEntry& entry) const {
    return std::string_view(entry.path).substr(pathPrefixLength_);
}

void NoteCatalog::updateListEntry(std::string_view name) {
    // The list is in descending name order.
    const auto place = std::lower_bound(list_.begin(), list_.end(), name,
                                        [&](const NoteListEntry& entry, std::string_view wanted) {
                                            return nameOf(entry) > wanted;
                                        });
    const bool inList = place != list_.end() && nameOf(*place) == name;
    const auto cached = cache_.find(name);
    const bool listed = cached != cache_.end() && cached->second.listed;
    if (listed && inList) {
        place->line = cached->second.entry.line;
    } else if (listed) {
        list_.insert(place, cached->second.entry);
    } else if (inList) {
        list_.erase(place);
    }
}

void NoteCatalog::rebuildList() {
    std::vector<std::pair<std::string_view, const NoteListEntry*>> listed;
    listed.reserve(cache_.size());
    for (const auto& [name, cached] : cache_) {
        if (cached.listed) {
            listed.emplace_back(name, &cached.entry);
        }
    }
    // File names are dates, so descending names put the newest note first.
    std::sort(listed.begin(), listed.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    list_.clear();
    list_.reserve(listed.size());
    for (const auto& item : listed) {
        list_.push_back(*item.second);
    }
}

} // namespace almanor
