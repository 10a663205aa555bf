#include "common/atomic_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace almanor {
namespace {

namespace fs = std::filesystem;

constexpr WriteStep kAllSteps[] = {WriteStep::CreateTemp, WriteStep::Write, WriteStep::Flush,
                                   WriteStep::Close, WriteStep::Rename};

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  (std::string("almanor-atomic-") + info->test_suite_name() + "-" + info->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void put(const fs::path& path, const std::string& bytes) const {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            result.push_back(entry.path().filename().string());
        }
        std::sort(result.begin(), result.end());
        return result;
    }

    fs::path folder_;
};

TEST_F(AtomicFile, failingAtAnyStepKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const fs::path target = folder_ / "20000101.dnf";
    const std::string oldBytes = "old complete record\r\n";
    for (const WriteStep failing : kAllSteps) {
        SCOPED_TRACE(static_cast<int>(failing));
        put(target, oldBytes);
        const FileResult result = writeFileAtomically(
            target, std::string(5000, 'n'), [&](WriteStep step) { return step != failing; });
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.error.find("20000101.dnf"), std::string::npos) << result.error;
        EXPECT_EQ(contents(target), oldBytes);
        EXPECT_EQ(names(), std::vector<std::string>{"20000101.dnf"});
    }
}

TEST_F(AtomicFile, failingAtAnyStepWithoutAnOldFileLeavesNothing) {
    const fs::path target = folder_ / "20000101.dnf";
    for (const WriteStep failing : kAllSteps) {
        SCOPED_TRACE(static_cast<int>(failing));
        EXPECT_FALSE(writeFileAtomically(target, "new\r\n",
                                         [&](WriteStep step) { return step != failing; }));
        EXPECT_TRUE(names().empty());
    }
}

TEST_F(AtomicFile, everyStepIsTakenInOrderAndTheNewFileIsComplete) {
    const fs::path target = folder_ / "20000101.dnf";
    put(target, "old");
    std::vector<WriteStep> steps;
    const std::string bytes(70000, 'x'); // more than one buffer's worth
    const FileResult result = writeFileAtomically(target, bytes, [&](WriteStep step) {
        steps.push_back(step);
        return true;
    });
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(steps, std::vector<WriteStep>(std::begin(kAllSteps), std::end(kAllSteps)));
    EXPECT_EQ(contents(target), bytes);
    EXPECT_EQ(names(), std::vector<std::string>{"20000101.dnf"});
}

TEST_F(AtomicFile, temporaryFileCannotPassForANoteFile) {
    std::vector<fs::path> seen;
    ASSERT_TRUE(writeFileAtomically(folder_ / "20000101.dnf", "x", [&](WriteStep step) {
        if (step == WriteStep::Write) {
            for (const auto& entry : fs::directory_iterator(folder_)) {
                seen.push_back(entry.path().filename());
            }
        }
        return true;
    }));
    ASSERT_EQ(seen.size(), 1u);
    std::string extension = seen[0].extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // A Windows short name keeps the first three letters of the last extension.
    EXPECT_NE(extension.substr(0, 4), ".dnf");
    EXPECT_EQ(seen[0].parent_path(), fs::path());
}

TEST_F(AtomicFile, aMissingFolderIsReportedAndCreatesNothing) {
    const FileResult result = writeFileAtomically(folder_ / "gone" / "20000101.dnf", "x");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(names().empty());
}

TEST_F(AtomicFile, aFolderInTheTargetsPlaceIsNotReplaced) {
    fs::create_directory(folder_ / "20000101.dnf");
    put(folder_ / "20000101.dnf" / "inside", "keep");
    EXPECT_FALSE(writeFileAtomically(folder_ / "20000101.dnf", "x"));
    EXPECT_EQ(contents(folder_ / "20000101.dnf" / "inside"), "keep");
    EXPECT_EQ(names(), std::vector<std::string>{"20000101.dnf"});
}

#ifndef _WIN32
TEST_F(AtomicFile, replacementKeepsThePermissionsOfTheOldFile) {
    const fs::path target = folder_ / "options.cfg";
    put(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(writeFileAtomically(target, "new"));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
#endif

TEST_F(AtomicFile, readWholeFileReturnsEveryByte) {
    const std::string bytes = std::string("a\0b\r\n\x94\r", 7) + std::string(40000, 'z');
    put(folder_ / "f", bytes);
    std::string read = "previous";
    ASSERT_TRUE(readWholeFile(folder_ / "f", read));
    EXPECT_EQ(read, bytes);
}

TEST_F(AtomicFile, readWholeFileFailsForWhatCannotBeRead) {
    std::string read = "untouched";
    EXPECT_FALSE(readWholeFile(folder_ / "missing", read));
    EXPECT_FALSE(readWholeFile(folder_, read));
    EXPECT_EQ(read, "untouched");
}

TEST_F(AtomicFile, removeFileTreatsAMissingFileAsTheCallerSays) {
    const fs::path file = folder_ / "20000101.dnf";
    put(file, "x");
    EXPECT_TRUE(removeFile(file, false));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(removeFile(file, true));
    const FileResult missing = removeFile(file, false);
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("20000101.dnf"), std::string::npos);
}

} // namespace
} // namespace almanor
