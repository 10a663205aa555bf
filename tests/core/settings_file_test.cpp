#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <string>

namespace almanor {
namespace {

const std::string kDefaultLine = "30,#FALSE#,#TRUE#,#TRUE#,\"300\",#TRUE#,#TRUE#,#TRUE#,#TRUE#,"
                                 "#TRUE#,\"alarm.wav\",\"chime.wav\"";
// Every field holds a value no other field holds, so a value read into or written from the
// wrong setting shows; the flags hold numbers, as a hand-edited file may.
const std::string kDistinctLine =
    "-7,#TRUE#,#FALSE#,1,\"250\",2,3,4,5,#FALSE#,\"a.wav\",\"r\xE9veil.wav\"";

// The default line with field `index` (0 to 11) replaced.
std::string withField(std::size_t index, const std::string& field) {
    std::string line;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= 11; ++i) {
        const std::size_t end = std::min(kDefaultLine.find(',', start), kDefaultLine.size());
        line +=
            (i == 0 ? "" : ",") + (i == index ? field : kDefaultLine.substr(start, end - start));
        start = end + 1;
    }
    return line;
}

// What a settings file's text reads as, shown by the line it is written back as: a value that
// lands in the wrong setting or changes its kind (a number, a text, a flag) shows there.
TEST(SettingsLine, readsEachFieldIntoItsSettingAndWritesItBackInItsKind) {
    const struct {
        std::string text;
        std::optional<std::string> written; // nothing: the file is unreadable
    } cases[] = {
        {kDefaultLine + "\r\n", kDefaultLine},
        {kDistinctLine, kDistinctLine},
        {"\xEF\xBB\xBF" + kDefaultLine, kDefaultLine},
        {"30\r\n#FALSE#, #TRUE#\t,\t#TRUE#,\"300\"xx" + kDefaultLine.substr(30), kDefaultLine},
        {kDefaultLine + ",\"extra\",#FALSE#", kDefaultLine},
        {withField(9, "0"), withField(9, "#FALSE#")},
        {withField(9, "\"FALSE\""), withField(9, "#FALSE#")},
        {withField(9, "True"), kDefaultLine},
        {withField(4, "+2.5"), withField(4, "2.5")},
        {withField(4, "0.30000000000000004"), withField(4, "0.30000000000000004")},
        {withField(4, "1.7976931348623157e308"), withField(4, "1.7976931348623157e+308")},
        {withField(4, "12abc"), withField(4, "\"12abc\"")},
        {withField(10, "\"\xE6\x97\xA5.wav\""), withField(10, "\"\xE6\x97\xA5.wav\"")},
        // The age limit decides what the purge deletes: anything but a whole number that fits
        // makes the file unreadable (defaults, 30 days), rather than 0, which deletes all.
        {withField(0, "\"12\""), withField(0, "12")},
        {withField(0, "2.5"), withField(0, "2")},
        {withField(0, "3.5"), withField(0, "4")},
        {withField(0, "32767"), withField(0, "32767")},
        {withField(0, "-32768"), withField(0, "-32768")},
        {withField(0, "32768"), std::nullopt},
        {withField(0, "12abc"), std::nullopt},
        {withField(0, ""), std::nullopt},
        {"", std::nullopt},
        {kDefaultLine.substr(0, kDefaultLine.rfind(',')), std::nullopt},
        {kDefaultLine.substr(0, kDefaultLine.size() - 3), std::nullopt},
        {withField(9, "maybe"), std::nullopt},
        {withField(9, "#2000-01-01#"), std::nullopt},
        {withField(3, "##"), std::nullopt},
    };
    for (const auto& c : cases) {
        const auto read = parseSettingsText(c.text);
        EXPECT_EQ(read ? std::optional(formatSettingsLine(*read)) : std::nullopt, c.written)
            << c.text;
    }
    EXPECT_EQ(formatSettingsLine(Settings{}), kDefaultLine);
}

TEST(SettingValue, onlyABooleanTrueIsOnAndOnlyADecimalTextIsANumber) {
    EXPECT_TRUE(isOn(true) && !isOn(false) && !isOn(1.0) && !isOn(std::string("True")));
    const std::pair<std::string, std::optional<double>> cases[] = {
        {" +300 ", 300}, {"-0.5", -0.5}, {"12abc", {}}, {"inf", {}}, {"-", {}}, {"", {}}};
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(numericValue(text), number) << text;
    }
}

} // namespace
} // namespace almanor
