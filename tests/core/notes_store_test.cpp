#include "common/app_folder.h"
#include "notes/note_store.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <string>

namespace almanor {
namespace {

namespace fs = std::filesystem;

using Status = LoadResult::Status;

constexpr Date kNewYear{2000, 1, 1};

class NoteStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // Parameterised names hold "/", which must not make nested folders.
        std::string name =
            std::string("almanor-store-") + info->test_suite_name() + "-" + info->name();
        std::replace(name.begin(), name.end(), '/', '-');
        folder_ = fs::temp_directory_path() / name;
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string appFolder() const { return pathToUtf8(folder_); }
    void put(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    std::string contents(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    bool exists(const std::string& name) const { return fs::exists(folder_ / name); }

    fs::path folder_;
};

TEST_F(NoteStoreTest, notePathJoinsFolderAndNameWithOneSeparator) {
    const std::string expected = pathToUtf8(folder_) + kPathSeparator + "20000101.dnf";
    EXPECT_EQ(NoteStore(appFolder()).notePath(kNewYear), expected);
    EXPECT_EQ(NoteStore(withTrailingSeparator(appFolder())).notePath(kNewYear), expected);
}

TEST_F(NoteStoreTest, savedNoteIsTheExactRecordAndLoadsBack) {
    NoteStore store(appFolder());
    ASSERT_TRUE(store.save(kNewYear, "New year", ""));
    EXPECT_EQ(contents("20000101.dnf"), "\"dailynotes\",\"New year\",\"01/01/2000\",\"\"\r\n");

    ASSERT_TRUE(store.save(kNewYear, "Party, 8 pm\r\nbring \"cake\"", "7:00:00 PM"));
    const LoadResult loaded = store.load(kNewYear);
    EXPECT_EQ(loaded.status, Status::Loaded);
    EXPECT_EQ(loaded.text, "Party, 8 pm\r\nbring \u201dcake\u201d");
    EXPECT_EQ(loaded.alarm, "7:00:00 PM");
}

TEST_F(NoteStoreTest, savingBothFieldsEmptyRemovesTheFile) {
    NoteStore store(appFolder());
    ASSERT_TRUE(store.save(kNewYear, "x", ""));
    ASSERT_TRUE(exists("20000101.dnf"));
    EXPECT_TRUE(store.save(kNewYear, "", ""));
    EXPECT_FALSE(exists("20000101.dnf"));
    // Again, now that there is no file: not an error, and still no file.
    EXPECT_TRUE(store.save(kNewYear, "", ""));
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(NoteStoreTest, aNoteWithOnlyTextOrOnlyAnAlarmStays) {
    NoteStore store(appFolder());
    ASSERT_TRUE(store.save(kNewYear, "", "6:00:00 AM"));
    EXPECT_EQ(store.load(kNewYear).alarm, "6:00:00 AM");
    ASSERT_TRUE(store.save(kNewYear, "text", ""));
    EXPECT_EQ(store.load(kNewYear).status, Status::Loaded);
    EXPECT_EQ(store.load(kNewYear).text, "text");
}

TEST_F(NoteStoreTest, aFailedSaveIsReportedAndKeepsTheOldNote) {
    NoteStore missingFolder(pathToUtf8(folder_ / "gone"));
    const FileResult result = missingFolder.save(kNewYear, "x", "");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("01/01/2000"), std::string::npos) << result.error;

    // A folder in the note file's place cannot be replaced; it stays as it was.
    fs::create_directory(folder_ / "20000101.dnf");
    put("20000101.dnf/keep", "k");
    NoteStore store(appFolder());
    EXPECT_FALSE(store.save(kNewYear, "x", ""));
    EXPECT_FALSE(store.save(kNewYear, "", ""));
    EXPECT_EQ(contents("20000101.dnf/keep"), "k");
}

struct LoadCase {
    const char* name;
    std::optional<std::string> bytes; // nothing: no file
    Status status;
};

class NoteLoading : public NoteStoreTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(NoteLoading, tellsNoNoteFromANoteFromAFileItCannotRead) {
    const LoadCase& c = GetParam();
    if (c.bytes) {
        put("20000101.dnf", *c.bytes);
    }
    const LoadResult result = NoteStore(appFolder()).load(kNewYear);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.reason.empty(), c.status != Status::Unreadable) << result.reason;
    if (c.status != Status::Loaded) {
        EXPECT_EQ(result.text, "");
        EXPECT_EQ(result.alarm, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    NoteStore, NoteLoading,
    ::testing::Values(
        LoadCase{"noFile", std::nullopt, Status::NoFile},
        LoadCase{"note", "\"dailynotes\",\"t\",\"01/01/2000\",\"\"\r\n", Status::Loaded},
        LoadCase{"otherMarker", "\"shopping\",\"t\",\"01/01/2000\",\"\"\r\n", Status::Unreadable},
        LoadCase{"markerCaseDiffers", "\"DailyNotes\",\"t\",\"01/01/2000\",\"\"\r\n",
                 Status::Unreadable},
        LoadCase{"threeFields", "\"dailynotes\",\"t\",\"01/01/2000\"\r\n", Status::Unreadable},
        LoadCase{"emptyFile", "", Status::Unreadable}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(NoteStoreTest, aFolderNamedLikeTheNoteIsUnreadable) {
    fs::create_directory(folder_ / "20000101.dnf");
    const LoadResult result = NoteStore(appFolder()).load(kNewYear);
    EXPECT_EQ(result.status, Status::Unreadable);
    EXPECT_NE(result.reason.find("20000101.dnf"), std::string::npos);
}

TEST_F(NoteStoreTest, loadingNeverChangesTheFolder) {
    put("20000101.dnf", "\"dailynotes\",\"ok\",\"01/01/2000\",\"\"\r\n");
    put("20000102.dnf", "\"shopping\",\"t\",\"01/02/2000\",\"\"\r\n");
    put("20000103.dnf", "\"dailynotes\",\"t\",\"01/03/2000\"\r\n");
    put("20000104.dnf", "");
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(48);
    struct Snapshot {
        std::string bytes;
        fs::file_time_type modified;
        bool operator==(const Snapshot&) const = default;
    };
    const auto snapshot = [&] {
        std::map<std::string, Snapshot> files;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            const std::string name = entry.path().filename().string();
            files[name] = {contents(name), entry.last_write_time()};
        }
        return files;
    };
    for (const auto& entry : fs::directory_iterator(folder_)) {
        fs::last_write_time(entry.path(), old);
    }
    const auto before = snapshot();

    const NoteStore store(appFolder());
    for (int day = 1; day <= 5; ++day) {
        store.load({2000, 1, day});
    }
    EXPECT_TRUE(snapshot() == before);
}

TEST_F(NoteStoreTest, removeNoteDeletesTheDaysFileOrSaysThereIsNone) {
    NoteStore store(appFolder());
    ASSERT_TRUE(store.save(kNewYear, "x", ""));
    ASSERT_TRUE(store.save({2000, 1, 2}, "y", ""));
    EXPECT_TRUE(store.removeNote(kNewYear));
    EXPECT_FALSE(exists("20000101.dnf"));
    EXPECT_TRUE(exists("20000102.dnf"));

    const FileResult again = store.removeNote(kNewYear);
    EXPECT_FALSE(again.ok);
    EXPECT_EQ(again.error, NoteStore::kNothingToDelete);
}

TEST_F(NoteStoreTest, removeAllNotesDeletesOnlyNoteFiles) {
    put("20000101.dnf", "a");
    put("19991231.dnf", "b");
    put("hand made.dnf", "c");
    put("options.cfg", "settings");
    put("20000101.dnf.bak", "backup");
    fs::create_directory(folder_ / "folder.dnf");

    NoteStore store(appFolder());
    EXPECT_TRUE(store.removeAllNotes());
    EXPECT_FALSE(exists("20000101.dnf"));
    EXPECT_FALSE(exists("19991231.dnf"));
    EXPECT_FALSE(exists("hand made.dnf"));
    EXPECT_EQ(contents("options.cfg"), "settings");
    EXPECT_EQ(contents("20000101.dnf.bak"), "backup");
    EXPECT_TRUE(fs::is_directory(folder_ / "folder.dnf"));

    const FileResult none = store.removeAllNotes();
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.error, NoteStore::kNothingToDelete);
}

} // namespace
} // namespace almanor
