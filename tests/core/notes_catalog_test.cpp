#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "notes/note_catalog.h"
#include "notes/note_record.h"
#include "notes/note_store.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace almanor {
namespace {

namespace fs = std::filesystem;

TEST(NoteListLine, showsTheAlarmOnlyWhenThereIsOne) {
    EXPECT_EQ(noteListLine("01/01/2000", "", "text"), "01/01/2000  -  text");
    EXPECT_EQ(noteListLine("01/01/2000", "2:00:00 PM", "text"),
              "01/01/2000  -  2:00:00 PM  -  text");
    EXPECT_EQ(noteListLine("01/01/2000", "2:00:00 PM", "a\r\nb"),
              "01/01/2000  -  2:00:00 PM  -  a\r\nb");
    EXPECT_EQ(noteListLine("01/01/2000", "", ""), "01/01/2000  -  ");
}

class NoteCatalogTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  (std::string("almanor-catalog-") + info->test_suite_name() + "-" + info->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string appFolder() const { return pathToUtf8(folder_); }
    std::string pathOf(const std::string& name) const { return joinPath(appFolder(), name); }
    void put(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    void putNote(const Date& date, const std::string& text, const std::string& alarm = "") {
        ASSERT_TRUE(NoteStore(appFolder()).save(date, text, alarm));
    }
    // Moves a file's modification time into the past, as for a note written long ago.
    void age(const std::string& name, int hours = 48) const {
        fs::last_write_time(folder_ / name,
                            fs::file_time_type::clock::now() - std::chrono::hours(hours));
    }
    void ageAll() const {
        for (const auto& entry : fs::directory_iterator(folder_)) {
            age(entry.path().filename().string());
        }
    }
    // Every note file read afresh, newest first.
    NoteList freshRead() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            const std::string name = pathToUtf8(entry.path().filename());
            if (entry.is_regular_file() && isNoteFileName(name)) {
                names.push_back(name);
            }
        }
        std::sort(names.rbegin(), names.rend());
        NoteList notes;
        for (const std::string& name : names) {
            std::string bytes;
            EXPECT_TRUE(readWholeFile(folder_ / name, bytes));
            const auto record = readNoteRecord(bytes);
            if (record && record->isNote()) {
                notes.push_back(
                    {noteListLine(record->date, record->alarm, record->text), pathOf(name)});
            }
        }
        return notes;
    }

    fs::path folder_;
};

TEST_F(NoteCatalogTest, listsNotesNewestFirstWithTheirLinesAndPaths) {
    putNote({2000, 1, 1}, "New year");
    putNote({1998, 12, 5}, "Dentist, 10 am\r\nthen work", "9:00:00 AM");
    putNote({2024, 2, 29}, "Leap day \u00e9\U0001F600");
    NoteCatalog catalog(appFolder());
    const NoteList expected = {
        {"02/29/2024  -  Leap day \u00e9\U0001F600", pathOf("20240229.dnf")},
        {"01/01/2000  -  New year", pathOf("20000101.dnf")},
        {"12/05/1998  -  9:00:00 AM  -  Dentist, 10 am\r\nthen work", pathOf("19981205.dnf")},
    };
    EXPECT_EQ(catalog.refresh(), expected);
    EXPECT_EQ(catalog.notes(), expected);
}

TEST_F(NoteCatalogTest, theDateFieldIsShownAsTheFileHoldsIt) {
    put("20000101.dnf", "\"dailynotes\",\"moved\",\"12/31/1999\",\"\"\r\n");
    EXPECT_EQ(NoteCatalog(appFolder()).refresh(),
              (NoteList{{"12/31/1999  -  moved", pathOf("20000101.dnf")}}));
}

TEST_F(NoteCatalogTest, filesThatAreNotNotesAreSkippedAndOlderNotesStillListed) {
    putNote({2001, 1, 1}, "newest");
    put("20000601.dnf", "\"shopping\",\"milk\",\"06/01/2000\",\"\"\r\n");
    put("20000501.dnf", "\"dailynotes\",\"cut\",\"05/01/2000\"\r\n");
    put("20000401.dnf", "");
    fs::create_directory(folder_ / "20000301.dnf");
    put("20000201.txt", "\"dailynotes\",\"wrong extension\",\"02/01/2000\",\"\"\r\n");
    put("~almanor-0123456789abcdef.tmp", "\"dailynotes\",\"temp\",\"01/01/2000\",\"\"\r\n");
    putNote({1999, 1, 1}, "oldest");
    const NoteList expected = {{"01/01/2001  -  newest", pathOf("20010101.dnf")},
                               {"01/01/1999  -  oldest", pathOf("19990101.dnf")}};
    EXPECT_EQ(NoteCatalog(appFolder()).refresh(), expected);
}

TEST_F(NoteCatalogTest, aMissingOrEmptyFolderGivesAnEmptyList) {
    EXPECT_TRUE(NoteCatalog(appFolder()).refresh().empty());
    EXPECT_TRUE(NoteCatalog(pathToUtf8(folder_ / "gone")).refresh().empty());
}

TEST_F(NoteCatalogTest, anUnchangedFolderIsNotReadAgain) {
    for (int day = 1; day <= 20; ++day) {
        putNote({2000, 1, day}, "note " + std::to_string(day));
    }
    ageAll();
    NoteCatalog catalog(appFolder());
    const NoteList first = catalog.refresh();
    EXPECT_EQ(catalog.filesReadByLastRefresh(), 20u);
    EXPECT_EQ(catalog.refresh(), first);
    EXPECT_EQ(catalog.filesReadByLastRefresh(), 0u);
}

TEST_F(NoteCatalogTest, followsEveryChangeMadeByOtherPrograms) {
    putNote({2000, 1, 1}, "first", "1:00:00 PM");
    putNote({2000, 1, 2}, "second");
    putNote({2000, 1, 3}, "third");
    put("20000104.dnf", "\"shopping\",\"milk\",\"01/04/2000\",\"\"\r\n");
    ageAll();
    NoteCatalog catalog(appFolder());
    catalog.refresh();

    const auto check = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(catalog.refresh(), freshRead());
    };

    // Same size, newer time.
    put("20000101.dnf", "\"dailynotes\",\"FIRST\",\"01/01/2000\",\"1:00:00 PM\"\r\n");
    age("20000101.dnf", 24);
    check("edited in place");
    EXPECT_EQ(catalog.notes().back().line, "01/01/2000  -  1:00:00 PM  -  FIRST");
    EXPECT_EQ(catalog.filesReadByLastRefresh(), 1u);

    putNote({2000, 1, 5}, "added");
    check("added");
    EXPECT_EQ(catalog.notes().front().line, "01/05/2000  -  added");

    fs::remove(folder_ / "20000102.dnf");
    check("deleted");
    EXPECT_EQ(catalog.notes().size(), 3u);

    put("20000103.dnf", "\"memo\",\"third\",\"01/03/2000\",\"\"\r\n");
    check("no longer a note");
    put("20000104.dnf", "\"dailynotes\",\"milk\",\"01/04/2000\",\"\"\r\n");
    check("now a note");

    fs::rename(folder_ / "20000105.dnf", folder_ / "20000106.dnf");
    check("renamed");
    EXPECT_EQ(catalog.notes().front().path, pathOf("20000106.dnf"));

    fs::remove(folder_ / "20000101.dnf");
    fs::remove(folder_ / "20000104.dnf");
    fs::remove(folder_ / "20000106.dnf");
    check("all gone");
    EXPECT_TRUE(catalog.notes().empty());
}

TEST_F(NoteCatalogTest, followsManyChangesAtOnce) {
    for (int day = 1; day <= 28; day += 3) {
        putNote({2000, 2, day}, "february " + std::to_string(day));
    }
    ageAll();
    NoteCatalog catalog(appFolder());
    catalog.refresh();
    for (int day = 1; day <= 31; ++day) {
        putNote({2000, 1, day}, "january " + std::to_string(day));
        putNote({2000, 3, day}, "march " + std::to_string(day), "1:00:00 PM");
    }
    fs::remove(folder_ / "20000204.dnf");
    putNote({2000, 2, 7}, "changed");
    EXPECT_EQ(catalog.refresh(), freshRead());
    ASSERT_EQ(catalog.notes().size(), 71u);
    EXPECT_EQ(catalog.notes().front().path, pathOf("20000331.dnf"));
    EXPECT_EQ(catalog.notes().back().path, pathOf("20000101.dnf"));
}

TEST_F(NoteCatalogTest, aRecentChangeThatKeptTimeAndSizeIsStillSeen) {
    // Two writes within the file system's time resolution leave the same modification time.
    put("20000101.dnf", "\"dailynotes\",\"aaaa\",\"01/01/2000\",\"\"\r\n");
    const auto stamp = fs::file_time_type::clock::now() - std::chrono::milliseconds(100);
    fs::last_write_time(folder_ / "20000101.dnf", stamp);
    NoteCatalog catalog(appFolder());
    catalog.refresh();

    put("20000101.dnf", "\"dailynotes\",\"bbbb\",\"01/01/2000\",\"\"\r\n");
    fs::last_write_time(folder_ / "20000101.dnf", stamp);
    EXPECT_EQ(catalog.refresh(), (NoteList{{"01/01/2000  -  bbbb", pathOf("20000101.dnf")}}));
}

} // namespace
} // namespace almanor
