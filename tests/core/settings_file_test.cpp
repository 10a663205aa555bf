#include "common/app_folder.h"
#include "settings/settings_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace almanor {
namespace {

constexpr const char* kDefaultLine =
    "30,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"alarm.wav\","
    "\"chime.wav\"";

class SettingsFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("almanor-settings-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        std::filesystem::remove_all(folder_);
    }
    std::string appFolder() const { return withTrailingSeparator(pathToUtf8(folder_)); }
    void writeFile(const std::string& bytes) const {
        std::ofstream(folder_ / "options.cfg", std::ios::binary) << bytes;
    }
    std::string readFile() const {
        std::ifstream in(folder_ / "options.cfg", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::filesystem::path folder_;
};

TEST(SettingsLine, defaultsAreWrittenExactly) {
    EXPECT_EQ(formatSettingsLine(Settings{}), kDefaultLine);
}

TEST(SettingsLine, defaultLineReadsBackAsDefaults) {
    const auto settings = parseSettingsText(std::string(kDefaultLine) + "\r\n");
    ASSERT_TRUE(settings);
    EXPECT_EQ(*settings, Settings{});
}

TEST(SettingsLine, valuesAreWrittenByTheKindTheyHold) {
    Settings s;
    s.deleteDays = -7;
    s.utop = 1.0; // a bare 1 from a hand-edited file stays a number
    s.slideSpeed = 300.0;
    s.uwarn = false;
    s.alarmSound = std::string("/home/me/ring.wav");
    EXPECT_EQ(formatSettingsLine(s), "-7,#FALSE#,1,#TRUE#,300,#TRUE#,#TRUE#,#TRUE#,#TRUE#,#FALSE#,"
                                     "\"/home/me/ring.wav\",\"chime.wav\"");
}

struct ParseCase {
    const char* name;
    const char* text;
    bool readable;
};

class SettingsParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(SettingsParse, readsOrRefuses) {
    EXPECT_EQ(parseSettingsText(GetParam().text).has_value(), GetParam().readable)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsParse,
    ::testing::Values(
        ParseCase{"empty", "", false},
        ParseCase{"elevenFields",
                  "30,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a.wav\"",
                  false},
        ParseCase{"truncatedInsideQuote",
                  "30,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a.wav\","
                  "\"chi",
                  false},
        ParseCase{
            "deleteDaysTooLarge",
            "40000,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a\",\"b\"",
            false},
        ParseCase{"uwarnNotABoolean",
                  "30,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,maybe,\"a\",\"b\"",
                  false},
        ParseCase{"noLineEnd",
                  "30,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a\",\"b\"",
                  true},
        ParseCase{"blanksBeforeFields",
                  "30, #FALSE#,  #TRUE#,#TRUE#, \"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#, \"a\","
                  "\"b\"\r\n",
                  true},
        ParseCase{
            "deleteDaysLowestThatFits",
            "-32768,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a\",\"b\"",
            true}),
    [](const ::testing::TestParamInfo<ParseCase>& param) { return std::string(param.param.name); });

TEST(SettingsParse, thirteenthFieldIsIgnored) {
    const auto s = parseSettingsText(std::string(kDefaultLine) + ",\"extra\",#TRUE#\r\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(formatSettingsLine(*s), kDefaultLine);
}

TEST(SettingsParse, falseThirdFieldTurnsStayOnTopOff) {
    const auto s = parseSettingsText(
        "30,#FALSE#,#FALSE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a\",\"b\"\r\n");
    ASSERT_TRUE(s);
    EXPECT_FALSE(isOn(s->utop));
    EXPECT_TRUE(isOn(s->uslide));
}

TEST(SettingsParse, bareOneInAFlagIsANumberAndCountsAsOff) {
    const auto s = parseSettingsText(
        "30,#FALSE#,1,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a\",\"b\"\r\n");
    ASSERT_TRUE(s);
    ASSERT_TRUE(std::holds_alternative<double>(s->utop));
    EXPECT_FALSE(isOn(s->utop));
    EXPECT_EQ(numericValue(s->utop), 1.0);
}

TEST(SettingsParse, unquotedSlideSpeedWorksLikeItsText) {
    const auto s = parseSettingsText(
        "30,#FALSE#,#TRUE#,#TRUE#,300,#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a\",\"b\"\r\n");
    ASSERT_TRUE(s);
    EXPECT_TRUE(std::holds_alternative<double>(s->slideSpeed));
    EXPECT_EQ(numericValue(s->slideSpeed), 300.0);
    EXPECT_EQ(textValue(s->slideSpeed), "300");
    EXPECT_EQ(numericValue(Settings{}.slideSpeed), 300.0);
}

TEST(SettingsParse, bareNumbersAreWrittenBackAsTheSameNumbers) {
    struct Case {
        const char* field;
        const char* written;
    } cases[] = {{"300", "300"},
                 {"2.5", "2.5"},
                 {"0.1", "0.1"},
                 {"100000", "100000"},
                 {"0.30000000000000004", "0.30000000000000004"},
                 {"333333333333333333330", "3.333333333333333e+20"},
                 {"1.7976931348623157e308", "1.7976931348623157e+308"}};
    for (const auto& c : cases) {
        const auto s = parseSettingsText(std::string("30,#FALSE#,#TRUE#,#TRUE#,") + c.field +
                                         ",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a\",\"b\"");
        ASSERT_TRUE(s) << c.field;
        ASSERT_TRUE(std::holds_alternative<double>(s->slideSpeed)) << c.field;
        EXPECT_EQ(textValue(s->slideSpeed), c.written);
        const auto back = parseSettingsText(formatSettingsLine(*s));
        ASSERT_TRUE(back) << c.field;
        EXPECT_EQ(*back, *s) << c.field;
    }
}

// The age limit decides what the purge deletes: only a number counts, anything else makes
// the whole file unreadable (defaults, purge off) instead of a limit of 0.
TEST(SettingsParse, wholeNumberFieldConversions) {
    struct Case {
        const char* field;
        std::optional<int> expected;
    } cases[] = {{"\"12\"", 12},
                 {"2.5", 2},
                 {"3.5", 4},
                 {"-4", -4},
                 {"abc", std::nullopt},
                 {"#TRUE#", std::nullopt},
                 {"", std::nullopt},
                 {"12abc", std::nullopt}};
    for (const auto& c : cases) {
        const auto s = parseSettingsText(
            std::string(c.field) + ",#TRUE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
                                   "#TRUE#,\"a\",\"b\"");
        ASSERT_EQ(s.has_value(), c.expected.has_value()) << c.field;
        if (s) {
            EXPECT_EQ(s->deleteDays, *c.expected) << c.field;
        }
    }
}

TEST(SettingsParse, byteOrderMarkBeforeTheLineIsSkipped) {
    const auto s = parseSettingsText(
        "\xEF\xBB\xBF"
        "45,#TRUE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,\"a\",\"b\"\r\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->deleteDays, 45);
    EXPECT_TRUE(isOn(s->udel));
}

TEST(SettingsParse, nonAsciiSoundPathRoundTrips) {
    Settings s;
    s.alarmSound = std::string("C:\\Sons\\r\xC3\xA9veil.wav"); // "réveil" in UTF-8
    const auto back = parseSettingsText(formatSettingsLine(s));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->alarmSound, s.alarmSound);
}

TEST_F(SettingsFolder, missingFileGivesDefaultsAndWritesNothing) {
    EXPECT_EQ(loadSettingsFile(appFolder()), Settings{});
    EXPECT_TRUE(std::filesystem::is_empty(folder_));
}

TEST_F(SettingsFolder, truncatedFileGivesDefaultsAndALaterWriteSucceeds) {
    writeFile("7,#TRUE#,#FALSE#,#FALSE#,\"900\"");
    EXPECT_EQ(loadSettingsFile(appFolder()), Settings{});
    ASSERT_TRUE(writeSettingsFile(appFolder(), Settings{}));
    EXPECT_EQ(readFile(), std::string(kDefaultLine) + "\r\n");
}

TEST_F(SettingsFolder, writtenFileIsReadBack) {
    Settings s;
    s.deleteDays = 12;
    s.udel = true;
    s.slideSpeed = std::string("1000");
    ASSERT_TRUE(writeSettingsFile(appFolder(), s));
    EXPECT_EQ(loadSettingsFile(appFolder()), s);
}

TEST_F(SettingsFolder, failedWriteLeavesTheOldFileIntact) {
    writeFile("old contents\r\n");
    for (WriteStep failing : {WriteStep::CreateTemp, WriteStep::Write, WriteStep::Flush,
                              WriteStep::Close, WriteStep::Rename}) {
        const FileResult result = writeSettingsFile(
            appFolder(), Settings{}, [&](WriteStep step) { return step != failing; });
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(readFile(), "old contents\r\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1)
            << "a temporary file was left behind";
    }
}

#ifndef _WIN32
TEST_F(SettingsFolder, readOnlyFolderFailsAndKeepsTheOldFile) {
    writeFile("old\r\n");
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    if (std::ofstream(folder_ / "probe").good()) {
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    EXPECT_FALSE(writeSettingsFile(appFolder(), Settings{}).ok);
    EXPECT_EQ(readFile(), "old\r\n");
}
#endif

TEST(AppFolder, exactlyOneTrailingSeparator) {
    struct Case {
        const char* folder;
        char separator;
        const char* expected;
    } cases[] = {{"C:\\Programs\\Almanor", '\\', "C:\\Programs\\Almanor\\"},
                 {"C:\\", '\\', "C:\\"},
                 {"/opt/almanor", '/', "/opt/almanor/"},
                 {"/opt/almanor/", '/', "/opt/almanor/"},
                 {"/", '/', "/"}};
    for (const auto& c : cases) {
        EXPECT_EQ(withTrailingSeparator(c.folder, c.separator), c.expected);
        EXPECT_EQ(joinPath(c.folder, "options.cfg", c.separator),
                  std::string(c.expected) + "options.cfg");
    }
}

TEST(AppFolder, usesThePlatformsSeparatorByDefault) {
#ifdef _WIN32
    EXPECT_EQ(withTrailingSeparator("C:\\"), "C:\\");
    EXPECT_EQ(withTrailingSeparator("C:\\Programs\\Almanor"), "C:\\Programs\\Almanor\\");
    EXPECT_EQ(joinPath("D:\\", "options.cfg"), "D:\\options.cfg");
#else
    EXPECT_EQ(withTrailingSeparator("/"), "/");
    EXPECT_EQ(withTrailingSeparator("/opt/almanor"), "/opt/almanor/");
    EXPECT_EQ(joinPath("/", "options.cfg"), "/options.cfg");
#endif
}

} // namespace
} // namespace almanor
