// Measures the note store's work on folders of realistic notes: one date change as the
// calendar window does it (mark the shown month's days from its own files, load the day's
// note), beside a plain re-read of every note file twice, as a window that rebuilt the list
// before and after marking would; the refresh of the list of all notes the overview needs;
// and one keystroke save in a settled folder.
//
//   note_store_bench [--no-100k] [--folder DIR] [--repeats N] [--saves N]
//
// The folders are built under DIR (the system's temporary folder by default) and removed at
// the end. This is a measurement, not a test: it prints figures and never fails on them.
//
// Columns: "month" is the date change, warm; "plain x2" reads every file twice; "list" a
// refresh of the whole list with its cache (the overview shown, or a date change while it is
// on screen); "after edit" that refresh right after today's note was saved; "cold list" the
// first refresh of a fresh catalog; "month cpu" and "plain cpu" the processor time of the two
// date changes, which a busy machine inflates less than the wall time; "same" whether the
// cached list equals a plain read.

#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "note_folder.h"
#include "notes/day_marks.h"
#include "notes/month_marks.h"
#include "notes/note_catalog.h"
#include "notes/note_record.h"
#include "notes/note_store.h"
#include "overview/overview_rules.h"
#include "realistic_notes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using namespace almanor;
using namespace almanor::bench;

namespace {

// Processor time of this program (on POSIX systems; elsewhere std::clock may count wall
// time). On a busy machine the wall time also holds the waits for other programs.
double cpuMillisecondsSince(std::clock_t start) {
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// The list as a plain reader builds it: every note file read afresh, newest first.
NoteList plainRead(const std::string& appFolder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(pathFromUtf8(appFolder))) {
        const std::string name = pathToUtf8(entry.path().filename());
        if (isNoteFileName(name)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    NoteList notes;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        const std::string path = joinPath(appFolder, *name);
        const ReadResult file = readRegularFile(pathFromUtf8(path), kLargestNoteFile);
        if (!file.read()) {
            continue;
        }
        const auto record = readNoteRecord(file.bytes);
        if (record && record->isNote()) {
            notes.push_back(
                {noteListLine(record->date, record->alarm, record->text), noteFileNumber(*name)});
        }
    }
    return notes;
}

struct Figures {
    std::size_t notes = 0;
    double build = 0;
    double firstRefresh = 0;
    double month = 0;
    double monthCpu = 0;
    double cached = 0;
    double cachedCpu = 0;
    double afterEdit = 0;
    double plain = 0;
    double plainCpu = 0;
    double saveP50 = 0;
    double saveP99 = 0;
    double saveMax = 0;
    double firstSave = 0;
    double copyText = 0;
    bool same = false;
};

Figures measure(const fs::path& base, std::size_t count, int repeats, int saves) {
    const Date today{2026, 12, 6};
    Figures figures;
    figures.notes = count;

    auto start = Clock::now();
    const Folder folder = buildFolder(base, count, today);
    figures.build = millisecondsSince(start);
    const std::string appFolder = pathToUtf8(folder.path);
    NoteStore store(appFolder);
    NoteCatalog catalog(appFolder);

    start = Clock::now();
    catalog.refresh();
    figures.firstRefresh = millisecondsSince(start);

    // Half the visited days have a note, half do not.
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, folder.dates.size() - 1);
    std::uniform_int_distribution<int> dayShift(1, 3);
    std::vector<Date> visits;
    for (int i = 0; i < repeats; ++i) {
        const Date date = folder.dates[pick(random)];
        visits.push_back(i % 2 == 0 ? date : date.addDays(-dayShift(random)));
    }

    std::size_t sink = 0;
    std::vector<double> month;
    std::vector<double> monthCpu;
    std::vector<double> cached;
    std::vector<double> cachedCpu;
    std::vector<double> plainCpu;
    std::vector<double> plain;
    for (const Date& date : visits) {
        std::clock_t cpuStart = std::clock();
        start = Clock::now();
        sink += monthFileMarks(appFolder, date.year, date.month).count();
        sink += store.load(date).text.size();
        month.push_back(millisecondsSince(start));
        monthCpu.push_back(cpuMillisecondsSince(cpuStart));

        cpuStart = std::clock();
        start = Clock::now();
        sink += catalog.refresh().size();
        cached.push_back(millisecondsSince(start));
        cachedCpu.push_back(cpuMillisecondsSince(cpuStart));

        cpuStart = std::clock();
        start = Clock::now();
        const NoteList first = plainRead(appFolder);
        sink += markedDays(first, date.year, date.month).count();
        sink += plainRead(appFolder).size();
        sink += store.load(date).text.size();
        plain.push_back(millisecondsSince(start));
        plainCpu.push_back(cpuMillisecondsSince(cpuStart));
    }
    figures.month = median(month);
    figures.monthCpu = median(monthCpu);
    figures.cached = median(cached);
    figures.plain = median(plain);
    figures.cachedCpu = median(cachedCpu);
    figures.plainCpu = median(plainCpu);
    figures.same = catalog.refresh() == plainRead(appFolder);

    // The overview's copy command: the whole list as one text.
    std::vector<double> copies;
    for (int i = 0; i < repeats; ++i) {
        start = Clock::now();
        sink += notesClipboardText(catalog.notes()).size();
        copies.push_back(millisecondsSince(start));
    }
    figures.copyText = median(copies);

    // Typing into today's note: every keystroke saves the whole note. The first save also
    // pays for writing out the freshly built folder, which a real folder has long behind it;
    // it is shown on its own and the keystrokes are measured after a few more.
    std::vector<double> saveTimes;
    std::string text = "Meeting with ";
    // A settled folder, as a real one is: the freshly written files reach the disk first, so
    // that their write-back does not land in the middle of the timed saves.
#ifndef _WIN32
    ::sync();
#endif
    std::this_thread::sleep_for(std::chrono::seconds(2));
    start = Clock::now();
    store.save(today, text, "9:00:00 AM");
    figures.firstSave = millisecondsSince(start);
    for (int i = 0; i < 10; ++i) {
        store.save(today, text + std::to_string(i), "9:00:00 AM");
    }
    for (int i = 0; i < saves; ++i) {
        text += static_cast<char>('a' + i % 26);
        start = Clock::now();
        if (!store.save(today, text, "9:00:00 AM")) {
            std::fprintf(stderr, "save failed\n");
            std::exit(1);
        }
        saveTimes.push_back(millisecondsSince(start));
    }
    figures.saveP50 = median(saveTimes);
    figures.saveP99 = percentile(saveTimes, 0.99);
    figures.saveMax = percentile(saveTimes, 1.0);

    // The date change that follows typing finds today's note changed and rebuilds the list.
    std::vector<double> afterEdit;
    for (int i = 0; i < std::min(repeats, 9); ++i) {
        store.save(today, text + std::to_string(i), "");
        const Date& date = visits[static_cast<std::size_t>(i)];
        start = Clock::now();
        sink += catalog.refresh().size();
        sink += store.load(date).text.size();
        afterEdit.push_back(millisecondsSince(start));
    }
    figures.afterEdit = median(afterEdit);

    if (sink == 0) {
        std::fprintf(stderr, "nothing was read\n");
    }
    fs::remove_all(folder.path);
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    fs::path base = fs::temp_directory_path();
    bool with100k = true;
    int repeats = 21;
    int saves = 200;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--no-100k") {
            with100k = false;
        } else if (arg == "--folder" && i + 1 < argc) {
            base = argv[++i];
        } else if (arg == "--repeats" && i + 1 < argc) {
            repeats = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--saves" && i + 1 < argc) {
            saves = std::max(1, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: note_store_bench [--no-100k] [--folder DIR] [--repeats N] "
                                 "[--saves N]\n");
            return 2;
        }
    }

    std::vector<std::size_t> sizes = {1000, 10000};
    if (with100k) {
        sizes.push_back(100000);
    }
    std::vector<Figures> results;
    for (const std::size_t count : sizes) {
        std::fprintf(stderr, "measuring %zu notes...\n", count);
        results.push_back(measure(base, count, count >= 100000 ? 7 : repeats, saves));
    }

    std::printf(
        "Date change: mark the month's days, load the note; and the whole list (median ms)\n");
    std::printf("%8s %8s %9s %8s %9s %11s %10s %10s %10s %8s %5s\n", "notes", "month", "plain x2",
                "ratio", "list", "after edit", "cold list", "month cpu", "plain cpu", "build s",
                "same");
    for (const Figures& f : results) {
        std::printf("%8zu %8.3f %9.2f %7.0fx %9.2f %11.2f %10.2f %10.3f %10.2f %8.1f %5s\n",
                    f.notes, f.month, f.plain, f.plain / f.month, f.cached, f.afterEdit,
                    f.firstRefresh, f.monthCpu, f.plainCpu, f.build / 1000.0,
                    f.same ? "yes" : "NO");
    }
    std::printf("\nOverview copy: the clipboard text of the whole list (median ms)\n");
    for (const Figures& f : results) {
        std::printf("%8zu %9.2f\n", f.notes, f.copyText);
    }
    std::printf("\nKeystroke save of today's note (ms, %d saves)\n", saves);
    std::printf("%8s %9s %9s %9s %11s\n", "notes", "p50", "p99", "max", "first save");
    for (const Figures& f : results) {
        std::printf("%8zu %9.2f %9.2f %9.2f %11.2f\n", f.notes, f.saveP50, f.saveP99, f.saveMax,
                    f.firstSave);
    }
    return 0;
}
