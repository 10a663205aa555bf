// Measures the overview's search on lists of realistic notes: the full filter of the list for
// typical queries of one to three words, the same words typed one letter at a time (each letter
// after the first filters only what the one before found), and "On this day".
//
//   note_search_bench [--repeats N]
//
// This is a measurement, not a test: it prints figures and never fails on them.

#include "notes/note_folder_scanner.h"
#include "notes/note_search.h"
#include "realistic_notes.h"

#include <cstdlib>
#include <ctime>
#include <string_view>

using namespace almanor;
using namespace almanor::bench;

namespace {

// `count` notes on the days before `today`, newest first, as the note book lists them.
NoteList buildList(std::size_t count, const Date& today) {
    std::mt19937 random(static_cast<unsigned>(count));
    std::uniform_int_distribution<int> alarmChance(0, 4);
    NoteList notes;
    notes.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Date date = today.addDays(-static_cast<long long>(i));
        const std::string alarm = alarmChance(random) == 0 ? alarmText(random) : "";
        const auto number =
            static_cast<std::uint32_t>(date.year * 10000 + date.month * 100 + date.day);
        notes.push_back({noteListLine(formatDateText(date), alarm, noteText(random)), number});
    }
    return notes;
}

struct Timing {
    double wall = 0;
    double cpu = 0; // which other programs on the machine inflate less
    std::size_t found = 0;
};

// The medians of a full filter, and how many notes it found.
Timing timeFilter(const NoteList& notes, const NoteSearch& search, int repeats) {
    std::vector<double> wall;
    std::vector<double> cpu;
    std::size_t found = 0;
    for (int i = 0; i < repeats; ++i) {
        const auto start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        found = search.filter(notes).size();
        cpu.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        wall.push_back(millisecondsSince(start));
    }
    return {median(wall), median(cpu), found};
}

void printTimings(const char* what, const NoteList (&lists)[2], const NoteSearch& search,
                  int repeats) {
    std::printf("%-20s", what);
    for (const NoteList& notes : lists) {
        const Timing timing = timeFilter(notes, search, repeats);
        std::printf(" %8.2f %8.2f %7zu", timing.wall, timing.cpu, timing.found);
    }
    std::printf("\n");
}

// The slowest letter of `typed` typed one at a time, as the overview filters on each.
double slowestLetter(const NoteList& notes, std::string_view typed) {
    double slowest = 0;
    NoteSearch before;
    std::vector<std::size_t> shown;
    for (std::size_t letters = 1; letters <= typed.size(); ++letters) {
        const NoteSearch search(typed.substr(0, letters), std::nullopt);
        const auto start = Clock::now();
        shown = letters > 1 && search.narrows(before) ? search.filter(notes, shown)
                                                      : search.filter(notes);
        slowest = std::max(slowest, millisecondsSince(start));
        before = search;
    }
    return slowest;
}

} // namespace

int main(int argc, char** argv) {
    int repeats = 21;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--repeats" && i + 1 < argc) {
            repeats = std::max(1, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: note_search_bench [--repeats N]\n");
            return 2;
        }
    }
    const Date today{2026, 12, 6};
    const char* queries[] = {"dentist",   "CAFE",      "zoe",           "call anna",
                             "xylophone", "2019 rent", "buy milk eggs", "12/24 birthday gym"};
    std::printf("Full filter: median wall and processor ms, notes found\n");
    std::printf("%-20s %25s %25s\n", "query", "10,000 notes", "100,000 notes");
    const NoteList lists[] = {buildList(10000, today), buildList(100000, today)};
    for (const char* query : queries) {
        printTimings(query, lists, NoteSearch(query, std::nullopt), repeats);
    }
    printTimings("on this day 12/06", lists, NoteSearch("", today), repeats);
    printTimings("on this day 02/28", lists, NoteSearch("", Date{2025, 2, 28}), repeats);
    std::printf("\nTyped a letter at a time: the slowest letter (ms)\n");
    for (const char* typed : {"dentist", "buy milk eggs"}) {
        std::printf("%-20s", typed);
        for (const NoteList& notes : lists) {
            std::printf(" %18.2f", slowestLetter(notes, typed));
        }
        std::printf("\n");
    }
    // What a search holds beside the list: the rows it found, and one folded line.
    const std::size_t mostFound = NoteSearch("a", std::nullopt).filter(lists[1]).size();
    std::printf("\nRows held for \"a\" at 100,000 notes: %zu, %.2f MB\n", mostFound,
                static_cast<double>(mostFound * sizeof(std::size_t)) / (1024 * 1024));
    return 0;
}
