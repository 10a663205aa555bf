#include "common/app_folder.h"
#include "common/atomic_file.h"
#include "common/atomic_file_shared.h"
#include "common/data_folder.h"
#include "notes/conflict_copies.h"
#include "notes/note_catalog.h"
#include "notes/note_record.h"
#include "notes/note_removal.h"
#include "notes/note_store.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace almanor {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  (std::string("almanor-") + test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string appFolder() const { return pathToUtf8(folder_); }
    std::string pathOf(const std::string& name) const { return joinPath(appFolder(), name); }
    void put(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    std::string contents(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            result.push_back(pathToUtf8(entry.path().filename()));
        }
        std::sort(result.begin(), result.end());
        return result;
    }

    std::filesystem::path folder_;
};

using Names = std::vector<std::string>;
using AtomicFile = TempFolder;

constexpr WriteStep kAllSteps[] = {WriteStep::CreateTemp, WriteStep::Write, WriteStep::Flush,
                                   WriteStep::Close, WriteStep::Rename};

long openDescriptors() {
#ifdef __linux__
    return std::distance(fs::directory_iterator("/proc/self/fd"), {});
#else
    return 0; // not counted where the system does not list them
#endif
}

// Whatever step fails, the old file stays and no temporary file or descriptor is left, also
// in a program started without standard input, whose first file gets descriptor 0.
TEST_F(AtomicFile, failingAtAnyStepLeavesWhatWasThereAndNothingElse) {
    const int input = ::dup(0);
    for (const bool oldFile : {true, false}) {
        if (!oldFile) {
            ::close(0);
        }
        const long descriptors = openDescriptors();
        for (const WriteStep failing : kAllSteps) {
            if (oldFile) {
                put("20000101.dnf", "old\r\n");
            }
            const FileResult result =
                writeFileAtomically(folder_ / "20000101.dnf", std::string(5000, 'n'),
                                    [&](WriteStep step) { return step != failing; });
            EXPECT_EQ(std::tuple(result.failure, result.step, result.file),
                      std::tuple(FileResult::Failure::Replace, failing, "20000101.dnf"));
            EXPECT_EQ(names(), oldFile ? Names{"20000101.dnf"} : Names{});
            EXPECT_EQ(contents("20000101.dnf"), oldFile ? "old\r\n" : "");
            EXPECT_TRUE(writeFileAtomically(folder_ / "new.dnf", "x"));
            fs::remove(folder_ / "20000101.dnf");
            fs::remove(folder_ / "new.dnf");
        }
        EXPECT_EQ(openDescriptors(), descriptors) << "old file " << oldFile;
    }
    ::dup2(input, 0);
    ::close(input);
}

TEST_F(AtomicFile, takesEveryStepInOrderThroughATemporaryFileThatIsNoNote) {
    put("20000101.dnf", "old");
    const std::string bytes = std::string("a\0b\r\n\x94\r", 7) + std::string(32762, 'z');
    Names duringWrite;
    ASSERT_TRUE(writeFileAtomically(folder_ / "20000101.dnf", bytes, [&](WriteStep step) {
        duringWrite = step == WriteStep::Write ? names() : duringWrite;
        return true;
    }));
    EXPECT_EQ(names(), Names{"20000101.dnf"});
    EXPECT_EQ(readRegularFile(folder_ / "20000101.dnf", bytes.size()).bytes, bytes);
    // The last extension is "tmp", so a Windows short name cannot end in ".DNF" either.
    ASSERT_EQ(duringWrite.size(), 2u);
    EXPECT_TRUE(std::regex_match(duringWrite[1], std::regex("~almanor-[0-9a-f]{16}\\.tmp")));
}

// A system may hand a file over in pieces (a network share), and a file may have grown since
// its size was taken: each piece lands after the last, and one grown past the bound is no note.
TEST(AtomicFileRead, takesAFileInPiecesWhateverSizeWasTaken) {
    const std::string source = "0123456789abcdefghij";
    using S = ReadResult::Status;
    const std::tuple<std::size_t, std::size_t, std::size_t, S, std::string> cases[] = {
        {20, 1, 64, S::Read, source}, {20, 7, 64, S::Read, source}, {5, 3, 64, S::Read, source},
        {0, 64, 64, S::Read, source}, {5, 64, 19, S::TooLarge, ""},
    };
    for (const auto& [sizeTaken, piece, limit, status, bytes] : cases) {
        std::size_t at = 0;
        ReadResult result;
        atomic_file_detail::readOpenedFile(result, sizeTaken, limit, Oversize::Refuse,
                                           [&](char* into, std::size_t room, std::size_t& got) {
                                               got = source.copy(into, std::min(piece, room), at);
                                               at += got;
                                               return true;
                                           });
        EXPECT_EQ(std::tie(result.status, result.bytes), std::tie(status, bytes))
            << sizeTaken << " " << piece;
    }
}

#ifndef _WIN32
TEST_F(AtomicFile, newFilesFollowTheUmaskAndReplacedFilesKeepTheirPermissions) {
    const auto permissions = [&] { return fs::status(folder_ / "new.dnf").permissions(); };
    const mode_t userMask = ::umask(022);
    EXPECT_TRUE(writeFileAtomically(folder_ / "new.dnf", "x"));
    ::umask(userMask);
    EXPECT_EQ(permissions(), fs::perms(0644));
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0444)}) {
        fs::permissions(folder_ / "new.dnf", mode);
        EXPECT_TRUE(writeFileAtomically(folder_ / "new.dnf", "y"));
        EXPECT_EQ(permissions(), mode);
    }
}

// What the user's folder can hold instead of a note: none of it may block, nor be read past
// the bound.
TEST_F(AtomicFile, readsOnlyRegularFilesAndNeverPastTheirBound) {
    using S = ReadResult::Status;
    put("ten", "0123456789");
    ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
    fs::create_directory(folder_ / "folder");
    fs::create_symlink("/dev/zero", folder_ / "zeros");
    fs::create_symlink(folder_ / "ten", folder_ / "link");
    const struct {
        const char* name;
        std::size_t limit;
        Oversize oversize;
        S status;
        std::string bytes;
    } cases[] = {
        {"ten", 10, Oversize::Refuse, S::Read, "0123456789"},
        {"link", 10, Oversize::Refuse, S::Read, "0123456789"},
        {"ten", 9, Oversize::Refuse, S::TooLarge, ""},
        {"ten", 4, Oversize::ReadPrefix, S::Read, "0123"},
        {"missing", 10, Oversize::Refuse, S::Missing, ""},
        {"pipe", 10, Oversize::Refuse, S::NotRegular, ""},
        {"zeros", 10, Oversize::ReadPrefix, S::NotRegular, ""},
        {"folder", 10, Oversize::Refuse, S::NotRegular, ""},
    };
    for (const auto& c : cases) {
        const ReadResult read = readRegularFile(folder_ / c.name, c.limit, c.oversize);
        EXPECT_EQ(read.status, c.status) << c.name << " " << c.limit;
        EXPECT_EQ(read.bytes, c.bytes) << c.name << " " << c.limit;
    }
}

TEST_F(AtomicFile, aWriteTheSystemStopsHalfWayFailsAndKeepsTheOldFile) {
    put("options.cfg", "old");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto signalHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult result = writeFileAtomically(folder_ / "options.cfg", std::string(10000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, signalHandler);
    EXPECT_EQ(result.step, WriteStep::Write);
    EXPECT_EQ(contents("options.cfg"), "old");
    EXPECT_EQ(names(), Names{"options.cfg"});
}
#endif

using Status = LoadResult::Status;
using NoteStoreTest = TempFolder;

constexpr Date kNewYear{2000, 1, 1};

TEST_F(NoteStoreTest, savesLoadsAndRemovesTheNoteWhenBothFieldsAreEmptied) {
    NoteStore store(withTrailingSeparator(appFolder()));
    for (const auto& [text, alarm] : {std::pair{"Party, 8 pm\r\nbring \"cake\"", "7:00:00 PM"},
                                      {"", "6:00:00 AM"},
                                      {"text only", ""}}) {
        NoteFileContent written; // what a later look at the file must find unchanged
        ASSERT_TRUE(store.save(kNewYear, text, alarm, &written));
        const LoadResult loaded = store.load(kNewYear);
        EXPECT_EQ(loaded.status, Status::Loaded);
        EXPECT_EQ(loaded.text, replaceDoubleQuotes(text));
        EXPECT_EQ(loaded.alarm, alarm);
        EXPECT_TRUE(loaded.file.exists && loaded.file == written);
        EXPECT_EQ(
            store.stamp(kNewYear),
            (FileStamp{true, written.bytes.size(), fs::last_write_time(folder_ / "20000101.dnf")}));
    }
    EXPECT_TRUE(store.save(kNewYear, "", ""));
    EXPECT_TRUE(names().empty());
    EXPECT_EQ(store.stamp(kNewYear), FileStamp{});
    EXPECT_TRUE(store.save(kNewYear, "", "")) << "no file to remove is no error";
    // A folder in the note's place can be neither replaced nor removed.
    fs::create_directories(folder_ / "20000101.dnf" / "keep");
    EXPECT_EQ(store.save(kNewYear, "x", "").failure, FileResult::Failure::Replace);
    EXPECT_EQ(store.save(kNewYear, "", "").failure, FileResult::Failure::Remove);
    EXPECT_TRUE(fs::is_directory(folder_ / "20000101.dnf" / "keep"));
}

// Texts kept aside never replace each other: a day's second one gets a number.
TEST_F(NoteStoreTest, keepsTextsAsideInFilesNumberedPerDay) {
    NoteStore store(appFolder());
    std::string first, second;
    ASSERT_TRUE(store.keepAside(kNewYear, "mine", "", first));
    ASSERT_TRUE(store.keepAside(kNewYear, "more", "7:00:00 AM", second));
    EXPECT_EQ(names(),
              (Names{"20000101 (kept by Almanor 2).txt", "20000101 (kept by Almanor).txt"}));
    EXPECT_EQ(contents(second), "more\r\n\r\nAlarm: 7:00:00 AM\r\n");
}

// Loading tells a day without a note from a note from a file it must never save over.
TEST_F(NoteStoreTest, loadingTellsNoNoteFromANoteFromAFileThatIsNoNote) {
    const std::pair<const char*, Status> cases[] = {
        {nullptr, Status::NoFile}, // no file
        {"\"dailynotes\",\"t\",\"01/01/2000\",\"\"\r\n", Status::Loaded},
        {"\"shopping\",\"t\",\"01/01/2000\",\"\"\r\n", Status::Unreadable},
        {"\"dailynotes\",\"t\",\"01/01/2000\"\r\n", Status::Unreadable},
        {"\"dailynotes\",\"t\"x,\"01/01/2000\",\"\"", Status::Unreadable},
    };
    for (const auto& [bytes, status] : cases) {
        fs::remove(folder_ / "20000101.dnf");
        if (bytes) {
            put("20000101.dnf", bytes);
        }
        const LoadResult loaded = NoteStore(appFolder()).load(kNewYear);
        EXPECT_EQ(loaded.status, status) << (bytes ? bytes : "");
        EXPECT_EQ(loaded.file, (NoteFileContent{bytes != nullptr, bytes ? bytes : ""}));
    }
}

TEST_F(NoteStoreTest, removesOneDaysNoteOrAllNoteFilesAndSaysWhenThereIsNone) {
    for (const char* name : {"20000101.dnf", "20000102.dnf", "20000103.dnf", "hand made.dnf",
                             "options.cfg", "20000101.dnf.bak"}) {
        put(name, name);
    }
    fs::create_directories(folder_ / "20000104.dnf" / "inside");
    std::string error; // a folder that is not empty cannot be deleted as a file, by anyone
    EXPECT_EQ(removeNoteFile(pathOf("20000104.dnf"), error), NoteFileRemoval::Kept);
    EXPECT_EQ(removeNoteFile(pathOf("20000102.dnf"), error), NoteFileRemoval::Removed);
    EXPECT_EQ(removeNoteFile(pathOf("20000102.dnf"), error), NoteFileRemoval::Missing);
    NoteStore store(appFolder());
    const auto remove = [this](const std::string& name, std::string& reason) {
        return removeNoteFile(pathOf(name), reason);
    };
    std::vector<Date> removed;
    EXPECT_EQ(store.removeAllNotes(remove, &removed).status, NoteDeletion::Status::Deleted);
    EXPECT_EQ(removed.size(), 2u);
    EXPECT_EQ(names(), (std::vector<std::string>{"20000101.dnf.bak", "20000104.dnf",
                                                 "hand made.dnf", "options.cfg"}));
    EXPECT_EQ(store.removeAllNotes(remove).status, NoteDeletion::Status::NothingToDelete);
    EXPECT_EQ(NoteStore(pathOf("gone")).removeAllNotes(remove).status,
              NoteDeletion::Status::NotListed);
}

// Synchronising tools' copies of a day's note file are found by their names when the folder is
// looked at, and only those that hold a note; the note itself and other files are no copies.
TEST_F(TempFolder, conflictCopiesAreTheOtherNoteFilesOfADay) {
    const Date day{2026, 12, 6};
    const std::pair<std::string, bool> cases[] = {
        {"20261206.sync-conflict-20261206-101010-ABCDEFG.dnf", true},  // Syncthing
        {"20261206 (conflicted copy 2026-12-06 101010).dnf", true},    // Nextcloud
        {"20261206 (Machine's conflicted copy 2026-12-06).dnf", true}, // Dropbox
        {"20261206.dnf", false},
        {"20261206.dnf.bak", false},
        {"20261206 (kept by Almanor).txt", false},
        {"20261306 (conflicted copy).dnf", false}, // no such day
        {"2026126 (conflicted copy).dnf", false},
        {"copy of 20261206.dnf", false},
    };
    std::vector<std::string> copies;
    for (const auto& [name, isCopy] : cases) {
        put(name, encodeNoteRecord(day, "x", ""));
        EXPECT_EQ(conflictCopyDay(name), isCopy ? std::optional(day) : std::nullopt) << name;
        if (isCopy) {
            copies.insert(std::ranges::upper_bound(copies, name), name);
        }
    }
    put("20261207 (conflicted copy).dnf", "not a note");
    put("20261107 (conflicted copy).dnf", encodeNoteRecord({2026, 11, 7}, "x", ""));
    copies.insert(copies.begin(), "20261107 (conflicted copy).dnf");
    std::vector<std::string> found;
    NoteCatalog catalog(appFolder());
    EXPECT_EQ(catalog.refresh().size(), 1u) << "the copies are not in the list";
    for (const ConflictCopy& copy : catalog.conflictCopies()) {
        found.push_back(copy.name);
        EXPECT_EQ(copy.day, conflictCopyDay(copy.name));
    }
    EXPECT_EQ(found, copies);
}

class NoteCatalogTest : public TempFolder {
protected:
    void putNote(const Date& date, const std::string& text, const std::string& alarm = "") {
        put(noteFileName(date), encodeNoteRecord(date, text, alarm));
    }
    void ageAll(std::chrono::hours age = 48h) const {
        for (const std::string& name : names()) {
            fs::last_write_time(folder_ / name, fs::file_time_type::clock::now() - age);
        }
    }
};

TEST_F(NoteCatalogTest, listsNotesNewestFirstAndFollowsEveryChangeReadingOnlyChangedFiles) {
    EXPECT_TRUE(NoteCatalog(pathOf("gone")).refresh().empty());
    putNote({2024, 2, 29}, "Leap day \u00e9\U0001F600, the one day more");
    putNote({1998, 12, 5}, "", "an alarm text from another program");
    put("20000101.dnf", "\"dailynotes\",\"moved\",\"12/31/1999\",\"\"\r\n");
    put("20000102.dnf", "\"shopping\",\"milk\",\"01/02/2000\",\"\"\r\n");
    put("20000103.dnf", "\"dailynotes\",\"cut\",\"01/03/2000\"\r\n");
    put("20000104.dnf", "");
    put("~almanor-0123456789abcdef.tmp", "\"dailynotes\",\"temp\",\"01/01/2000\",\"\"\r\n");
    ageAll();
    fs::create_directory(folder_ / "20000105.dnf"); // after the ageing: Windows refuses it
    NoteCatalog catalog(withTrailingSeparator(appFolder()));
    EXPECT_EQ(catalog.refresh(),
              (NoteList{{"02/29/2024  -  Leap day \u00e9\U0001F600, the one day more", 20240229},
                        {"12/31/1999  -  moved", 20000101}, // the date as written
                        {"12/05/1998  -  an alarm text from another program  -  ", 19981205}}));
    EXPECT_EQ(catalog.filesReadByLastLook(), 6u);

    // Each change merged into the list gives what a fresh catalog, reading every file, gives.
    const struct {
        const char* what;
        std::function<void()> change;
        std::size_t filesRead;
    } changes[] = {
        {"unchanged", [] {}, 0},
        {"edited in place",
         [&] {
             put("20000101.dnf", "\"dailynotes\",\"MOVED\",\"12/31/1999\",\"\"\r\n");
             fs::last_write_time(folder_ / "20000101.dnf", fs::file_time_type::clock::now() - 24h);
         },
         1},
        {"added",
         [&] {
             putNote({2000, 1, 7}, "added");
         },
         1},
        // The note added just before is read again until it has settled.
        {"deleted", [&] { fs::remove(folder_ / "19981205.dnf"); }, 1},
        {"renamed", [&] { fs::rename(folder_ / "20000107.dnf", folder_ / "20000109.dnf"); }, 1},
        {"replaced by a rename",
         [&] {
             put("new.tmp", "\"dailynotes\",\"replaced\",\"12/31/1999\",\"\"\r\n");
             fs::rename(folder_ / "new.tmp", folder_ / "20000101.dnf");
         },
         2},
        {"one no longer a note, one now a note",
         [&] {
             put("20000101.dnf", "\"memo\",\"moved\",\"12/31/1999\",\"\"\r\n");
             put("20000102.dnf", "\"dailynotes\",\"milk\",\"01/02/2000\",\"\"\r\n");
         },
         3},
    };
    for (const auto& c : changes) {
        c.change();
        EXPECT_EQ(catalog.refresh(), NoteCatalog(appFolder()).refresh()) << c.what;
        EXPECT_EQ(catalog.filesReadByLastLook(), c.filesRead) << c.what;
    }
}

// Changes all over the list at once, each merged in its place.
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
    EXPECT_EQ(catalog.refresh(), NoteCatalog(appFolder()).refresh());
    EXPECT_EQ(catalog.notes().size(), 71u);
}

// A look runs while the list is in use: what this program writes or deletes meanwhile is not
// undone by what the look read before, and the next look reads those files again, even where
// another program's change kept their time.
TEST_F(NoteCatalogTest, aLookUnderWayDoesNotUndoThisProgramsOwnChanges) {
    putNote({2001, 1, 1}, "theirs");
    putNote({2001, 1, 2}, "deleted here");
    ageAll();
    const auto aged = fs::last_write_time(folder_ / "20010101.dnf");
    const long descriptors = openDescriptors();
    NoteCatalog catalog(appFolder());
    FolderDifference found = catalog.beginLook()();
    const auto ownChange = [&](std::uint32_t number) {
        if (catalog.ownChange(number)) {
            catalog.applyChange();
        }
    };
    putNote({2001, 1, 1}, "ours");
    ownChange(20010101);
    putNote({2000, 12, 31}, "new here");
    ownChange(20001231);
    fs::remove(folder_ / "20010102.dnf");
    ownChange(20010102);
    catalog.takeLook(std::move(found));
    EXPECT_TRUE(catalog.looking());
    while (catalog.nextChange()) {
        catalog.applyChange();
    }
    EXPECT_FALSE(catalog.looking());
    EXPECT_EQ(catalog.notes(), NoteCatalog(appFolder()).refresh());
    EXPECT_EQ(catalog.notes()[0].line, "01/01/2001  -  ours");

    putNote({2001, 1, 1}, "theirs again"); // in the same tick of a coarse clock
    fs::last_write_time(folder_ / "20010101.dnf", aged);
    fs::remove(folder_ / "20001231.dnf");
    EXPECT_EQ(catalog.refresh(), NoteCatalog(appFolder()).refresh());
    EXPECT_EQ(catalog.notes().size(), 1u);
    EXPECT_EQ(openDescriptors(), descriptors) << "every listing is closed";
}

#ifndef _WIN32
// Making a file readable need not change its modification time. Here the system refuses to
// open the file for want of a descriptor: the folder listing takes the last one.
TEST_F(NoteCatalogTest, aFileThatCouldNotBeReadIsTriedAgain) {
    putNote({2000, 1, 1}, "old");
    ageAll();
    NoteCatalog catalog(appFolder());
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    const int lowestFree = ::open("/dev/null", O_RDONLY);
    ::close(lowestFree);
    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(lowestFree) + 1;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    const bool listedWithoutADescriptor = !catalog.refresh().empty();
    ::setrlimit(RLIMIT_NOFILE, &saved);
    ASSERT_FALSE(listedWithoutADescriptor);
    EXPECT_EQ(catalog.refresh(), NoteCatalog(appFolder()).refresh());
    EXPECT_EQ(catalog.notes().size(), 1u);
}
#endif

#ifndef _WIN32 // the paths have POSIX separators
TEST(DataFolder, portableBesideTheProgramElseTheUsersDataFolder) {
    const Folders beside{"/opt/a/bin/", "/opt/a/bin/", true};
    const Folders user{"/h/.local/share/almanor/", "/opt/a/bin/", false};
    // The portable marker, a writable program folder, a system install; the user's data folder.
    const std::tuple<bool, bool, bool, const char*, Folders> cases[] = {
        {false, true, false, "/h/.local/share/almanor", beside},
        {true, false, false, "/h/.local/share/almanor", beside},
        {false, false, false, "/h/.local/share/almanor/", user},
        {false, false, false, "", beside},
        {false, true, true, "/h/.local/share/almanor", {user.data, "/opt/a/share/almanor/", false}},
        {true, false, true, "/h/d", {"/opt/a/bin/", "/opt/a/share/almanor/", true}},
    };
    for (const auto& [marker, writable, systemInstall, userFolder, expected] : cases) {
        const Folders got =
            chooseFolders({"/opt/a/bin", marker, writable, systemInstall, userFolder});
        EXPECT_EQ(std::tie(got.data, got.resources, got.portable),
                  std::tie(expected.data, expected.resources, expected.portable))
            << marker << writable << systemInstall << userFolder;
    }
}
#endif

TEST(DataFolder, followsTheDataHomeVariableElseHome) {
    const std::tuple<System, std::map<std::string, std::string>, std::string> cases[] = {
        {System::Posix, {{"XDG_DATA_HOME", "/x/data"}, {"HOME", "/h"}}, "/x/data/almanor"},
        {System::Posix, {{"XDG_DATA_HOME", "/x/data/"}}, "/x/data/almanor"},
        {System::Posix, {{"HOME", "/h"}}, "/h/.local/share/almanor"},
        {System::Posix, {{"XDG_DATA_HOME", "rel"}, {"HOME", "/h"}}, "/h/.local/share/almanor"},
        {System::Posix, {}, ""},
        {System::Windows, {{"APPDATA", "C:\\U\\R"}, {"HOME", "/h"}}, "C:\\U\\R\\Almanor"},
        {System::Windows, {{"HOME", "/h"}}, ""},
    };
    for (const auto& [system, variables, expected] : cases) {
        const auto environment = [&variables](const char* name) {
            const auto found = variables.find(name);
            return found == variables.end() ? std::string() : found->second;
        };
        EXPECT_EQ(userDataFolder(environment, system), expected) << expected;
    }
}

} // namespace
} // namespace almanor
