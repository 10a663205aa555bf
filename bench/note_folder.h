#pragma once

// A folder of realistic note files, as the benchmarks that read folders build it.

#include "common/date.h"
#include "notes/note_record.h"
#include "realistic_notes.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace almanor::bench {

struct Folder {
    std::filesystem::path path;
    std::vector<Date> dates; // the days that have a note
};

// `count` notes on distinct days spread over the decades before `today`, each file's
// modification time in the past as for notes written long ago.
inline Folder buildFolder(const std::filesystem::path& base, std::size_t count, const Date& today) {
    Folder folder;
    folder.path = base / ("almanor-bench-" + std::to_string(count));
    std::filesystem::remove_all(folder.path);
    std::filesystem::create_directories(folder.path);

    std::mt19937 random(static_cast<unsigned>(count));
    // Every day of the span has a note at 10,000 and more; fewer notes are spread thinner.
    const long long span = std::max<long long>(static_cast<long long>(count), 27 * 365);
    std::vector<long long> offsets(static_cast<std::size_t>(span));
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        offsets[i] = static_cast<long long>(i);
    }
    std::shuffle(offsets.begin(), offsets.end(), random);
    offsets.resize(count);

    std::uniform_int_distribution<int> alarmChance(0, 4);
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const long long offset : offsets) {
        const Date date = today.addDays(-offset);
        const std::string alarm = alarmChance(random) == 0 ? alarmText(random) : "";
        const std::filesystem::path file = folder.path / noteFileName(date);
        std::ofstream(file, std::ios::binary) << encodeNoteRecord(date, noteText(random), alarm);
        std::filesystem::last_write_time(file, now - std::chrono::hours(24 * (offset + 1)));
        folder.dates.push_back(date);
    }
    return folder;
}

} // namespace almanor::bench
