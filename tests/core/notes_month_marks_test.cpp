#include "notes/month_marks.h"
#include "notes/note_catalog.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace almanor {
namespace {

namespace fs = std::filesystem;

// A month's marks from its own files are the marks the list of all notes gives, once the few
// notes filed under another month are added: the calendar reads 31 files, not the folder.
TEST(MonthMarks, monthFilesAndNotesFiledElsewhereGiveTheListsMarks) {
    const fs::path folder = fs::temp_directory_path() / "almanor-month-marks";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const auto put = [&](const char* name, const std::string& dateField, const char* marker) {
        std::ofstream(folder / name, std::ios::binary)
            << "\"" << marker << "\",\"t\",\"" << dateField << "\",\"\"\r\n";
    };
    put("20261201.dnf", "12/01/2026", "dailynotes");
    put("20261231.dnf", "12/31/2026", "dailynotes");
    put("20261205.dnf", "11/05/2026", "dailynotes");        // marks November, not December
    put("20261102.dnf", "12/02/2026", "dailynotes");        // filed in November, marks December
    put("20261207.dnf", "12/07/2026", "shopping");          // not a note
    put("20261208.dnf", "12/32/2026", "dailynotes");        // no such day
    put("20261209 (copy).dnf", "12/09/2026", "dailynotes"); // a conflict copy: not a note
    put("20251210.dnf", "12/10/2025", "dailynotes");        // another year
    put("20261200.dnf", "12/03/2026", "dailynotes");        // no day of its own: filed elsewhere
    NoteCatalog catalog(folder.string());
    const NoteList& all = catalog.refresh();
    NoteList elsewhere;
    for (std::size_t row = 0; row < all.size(); ++row) {
        if (filedUnderAnotherMonth(all[row])) {
            elsewhere.push_back(all[row]);
        }
    }
    ASSERT_EQ(elsewhere.size(), 3u) << "the November and December ones, and day 00";
    for (const auto& [year, month] :
         {std::pair{2026, 12}, std::pair{2026, 11}, std::pair{2025, 12}}) {
        EXPECT_EQ(monthFileMarks(folder.string(), year, month) | markedDays(elsewhere, year, month),
                  markedDays(all, year, month))
            << year << "/" << month;
    }
    EXPECT_EQ(monthFileMarks(folder.string(), 2026, 12).to_ulong(), (1ul << 1) | (1ul << 31));
    fs::remove_all(folder);
}

} // namespace
} // namespace almanor
