#include "common/date.h"
#include "common/text_encoding.h"
#include "settings/language_choice.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"
#include "shell/command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace almanor {
namespace {

TEST(Date, serialRoundTripsFromBeforeYearZeroToAfterTheSupportedYears) {
    for (long long s = Date{-400, 3, 1}.serial(); s <= Date{10000, 3, 1}.serial(); s += 13) {
        ASSERT_TRUE(Date::fromSerial(s).isValid() && Date::fromSerial(s).serial() == s) << s;
    }
    EXPECT_EQ((Date{2026, 12, 6}.dayOfWeek()), 0); // a Sunday
    EXPECT_EQ((Date{1969, 12, 31}.dayOfWeek()), 3);
}

// The month lengths are checked against the serial numbers, which do not use them.
TEST(Date, monthLengthsFollowTheLeapYearRules) {
    for (const int year : {1900, 1999, 2000, 2023, 2024}) {
        for (int month = 1; month <= 12; ++month) {
            const Date next = month == 12 ? Date{year + 1, 1, 1} : Date{year, month + 1, 1};
            EXPECT_EQ(daysInMonth(year, month), (next.serial() - Date{year, month, 1}.serial()))
                << year << "-" << month;
        }
    }
    EXPECT_EQ(daysInMonth(2000, 0) + daysInMonth(2000, 13) + daysInMonth(2000, 1 << 24), 0);
}

TEST(DateText, isExactlyTwoDigitMonthAndDayAndFourDigitYear) {
    EXPECT_EQ(parseDateText("12/31/0999"), (Date{999, 12, 31}));
    for (const char* bad :
         {"13/01/2001", "00/10/2001", "01/00/2001", "1/5/1999  ", "03-05-1999", "03/05-1999",
          "03/05/199", "ab/cd/efgh", "0:/05/1999", "03/05/19/9", "", "03/05/1999x"}) {
        EXPECT_FALSE(parseDateText(bad).has_value()) << bad;
    }
}

TEST(TextEncoding, filesReadAsUtf8OnlyWhenValidWithAMultiByteSequenceElseAsWindows1252) {
    const struct {
        std::string bytes; // what the file holds
        std::string text;  // UTF-8, as read
        bool written;      // writing the text gives exactly these bytes
    } cases[] = {
        {"", "", true},
        {"Caf\xE9 \x96 \x93x\x94\xA0\xFF", "Caf\u00e9 \u2013 \u201cx\u201d\u00a0\u00ff", true},
        {"\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98"
         "\x99\x9A\x9B\x9C\x9E\x9F",
         "\u20ac\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\u017d\u2018"
         "\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\u017e\u0178",
         true},
        // The five bytes the code page leaves undefined stand for the C1 controls.
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008d\u008f\u0090\u009d", true},
        {"Zo\xC3\xAB \xF0\x9F\x98\x80 \xE6\x97\xA5\xC4\x80", "Zo\u00eb \U0001F600 \u65e5\u0100",
         true},
        // Reading drops a leading byte-order mark, so text that starts with one gets another.
        {"\xEF\xBB\xBF\xEF\xBB\xBFtab", "\uFEFFtab", true},
        // In Windows-1252 these two characters would be the bytes C3 A9, which read as "é".
        {"\xC3\x83\xC2\xA9", "\u00c3\u00a9", true},
        {"\357\273\277caf\xC3\xA9", "caf\u00e9", false},
        // The same three bytes before text that is not UTF-8 are characters.
        {"\357\273\277caf\xE9", "\u00ef\u00bb\u00bfcaf\u00e9", false},
        {"caf\xC3", "caf\u00c3", false},
        {"\xC3\xA9\x80", "\u00c3\u00a9\u20ac", false},
        {"\xC0\xAF", "\u00c0\u00af", false},                     // overlong
        {"\xE0\x80\xAF", "\u00e0\u20ac\u00af", false},           // overlong
        {"\xF0\x80\x80\xAF", "\u00f0\u20ac\u20ac\u00af", false}, // overlong
        {"\xED\xA0\x80", "\u00ed\u00a0\u20ac", false},           // a surrogate
        {"\xED\xBF\xBF", "\u00ed\u00bf\u00bf", false},           // a surrogate
        {"\xC2\x80", "\u0080", true}, // a C1 control that byte 0x80 does not stand for
        {"\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF", "\uD7FF\uE000\U0010FFFF", true},
        {"\xF4\x90\x80\x80", "\u00f4\u0090\u20ac\u20ac", false}, // beyond U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeFromFile(c.bytes), c.text) << c.bytes;
        EXPECT_EQ(decodeFromFile(encodeForFile(c.text)), c.text) << c.bytes;
        if (c.written) {
            EXPECT_EQ(encodeForFile(c.text), c.bytes);
        }
    }
    // Outside the contract: what has no byte becomes one "?" per character or bad byte.
    EXPECT_EQ(utf8ToWindows1252("a\u0100b\xC3\U0001F600"), "a?b??");
}

// The default line with field `index` (0 to 11) replaced.
std::string withField(std::size_t index, const std::string& field) {
    const char* const defaults[] = {"30",      "#FALSE#", "#TRUE#",        "#TRUE#",
                                    "\"300\"", "#TRUE#",  "#TRUE#",        "#TRUE#",
                                    "#TRUE#",  "#TRUE#",  "\"alarm.wav\"", "\"chime.wav\""};
    std::string line;
    for (std::size_t i = 0; i < 12; ++i) {
        line += (i == 0 ? "" : ",") + (i == index ? field : defaults[i]);
    }
    return line;
}

const std::string kDefaultLine = withField(12, "");
// Each field holds its own value, some flags numbers as a hand-edited file may.
const std::string kDistinctLine =
    "7,#TRUE#,#FALSE#,1,\"250\",2,3,4,5,#FALSE#,\"a.wav\",\"r\xE9veil.wav\"";

// Shown by the line written back, a value in the wrong setting or of the wrong kind shows.
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
        {withField(4, "+9.7"), withField(4, "9.7")},
        {withField(4, "0.30000000000000004"), withField(4, "0.30000000000000004")},
        {withField(4, "1.7976931348623157e308"), withField(4, "1.7976931348623157e+308")},
        {withField(4, "12abc"), withField(4, "\"12abc\"")},
        {withField(10, "\"x,\""), withField(10, "\"x,\"")},
        {withField(10, "\"\xE6\x97\xA5.wav\""), withField(10, "\"\xE6\x97\xA5.wav\"")},
        // An age limit that is no number or is negative makes the file unreadable, not 0
        // (purge all).
        {withField(0, "\"12\""), withField(0, "12")},
        {withField(0, "2.5"), withField(0, "2")},
        {withField(0, "3.5"), withField(0, "4")},
        {withField(0, "32767"), withField(0, "32767")},
        {withField(0, "-5"), std::nullopt},
        {withField(0, "-0.4"), std::nullopt},
        {withField(0, "32768"), std::nullopt},
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
    EXPECT_EQ(formatSettingsLine({}), kDefaultLine);
}

TEST(SettingValue, onlyABooleanTrueIsOnAndOnlyADecimalTextIsANumber) {
    EXPECT_TRUE(isOn(true) && !isOn(false) && !isOn(1.0) && !isOn(std::string("True")));
    const std::pair<std::string, std::optional<double>> cases[] = {
        {" +300 ", 300}, {"-0.5", -0.5}, {"12abc", {}}, {"inf", {}}, {"-", {}}, {"", {}}};
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(numericValue(text), number) << text;
    }
}

TEST(Preferences, readEachValueThatFitsItsSettingAndTheDefaultForAnyOther) {
    const std::pair<PreferenceValues, Preferences> cases[] = {
        {{}, {}},
        {{{"language", "de"},
          {"firstDayOfWeek", "saturday"},
          {"showWeekNumbers", "true"},
          {"notifyThroughDesktop", "false"},
          {"remindMinutesBefore", "120"},
          {"snoozeMinutes", "60"}},
         {Language::German, FirstDayOfWeek::Saturday, true, false, 120, 60}},
        {{{"language", "German"},
          {"showWeekNumbers", "1"},
          {"remindMinutesBefore", "4"},
          {"snoozeMinutes", "20"}},
         {}},
        {{{"remindMinutesBefore", "121"}, {"snoozeMinutes", "5x"}}, {}},
        {{{"remindMinutesBefore", "5"}, {"snoozeMinutes", "5"}},
         {.remindMinutesBefore = 5, .snoozeMinutes = 5}},
    };
    for (const auto& [values, preferences] : cases) {
        EXPECT_EQ(preferencesFromValues(values), preferences);
        EXPECT_EQ(preferencesFromValues(valuesOfPreferences(preferences)), preferences);
    }
}

TEST(CommandLine, takesOneCommandAndLeavesTheToolkitsArgumentsAlone) {
    const std::tuple<std::vector<std::string>, Command, std::optional<std::string>> cases[] = {
        {{}, Command::Start, std::nullopt},
        {{"--show"}, Command::Show, std::nullopt},
        {{"--hide"}, Command::Hide, std::nullopt},
        {{"-display", ":1", "--toggle"}, Command::Toggle, std::nullopt},
        {{"--today"}, Command::Today, std::nullopt},
        {{"--help"}, Command::Help, std::nullopt},
        {{"--version"}, Command::Version, std::nullopt},
        {{"--toggle", "--hide"}, Command::Start, "--hide"},
        {{"--shw", "--show"}, Command::Start, "--shw"},
        {{"--"}, Command::Start, "--"},
    };
    for (const auto& [arguments, command, rejected] : cases) {
        const CommandLine line = parseCommandLine(arguments);
        EXPECT_EQ(std::pair(line.command, line.rejected), std::pair(command, rejected))
            << arguments.size();
    }
}

TEST(CommandLine, theChannelCarriesEachWindowRequestAsALineAndNothingElse) {
    for (const Command request : {Command::Show, Command::Hide, Command::Toggle, Command::Today}) {
        EXPECT_EQ(commandOfRequest(requestLine(request)), request);
    }
    EXPECT_EQ(commandOfRequest(requestLine(Command::Start)), Command::Show);
    for (const char* line : {"help\n", "version\n", "toggle", "toggle\n\n", "\n", ""}) {
        EXPECT_EQ(commandOfRequest(line), std::nullopt) << line;
    }
}

// What the user chose wins; for System the locale variables decide as gettext has them decide.
TEST(Preferences, theLanguageSpokenIsTheChoiceOrTheOneTheLocaleVariablesAskFor) {
    const std::tuple<Language, MessageLocale, Language> cases[] = {
        {Language::French, {"de", "de_DE.UTF-8", "", ""}, Language::French},
        {Language::System, {"fr", "", "", ""}, Language::English},
        {Language::System, {"", "", "", "de_DE.UTF-8"}, Language::German},
        {Language::System, {"", "", "fr_CA.UTF-8", "de_DE.UTF-8"}, Language::French},
        {Language::System, {"", "de_AT@euro", "fr_FR", "en_US"}, Language::German},
        {Language::System, {"", "", "", "es_ES.UTF-8"}, Language::English},
        {Language::System, {"es:fr_BE:de", "", "", "de_DE.UTF-8"}, Language::French},
        {Language::System, {"es", "", "", "de_DE.UTF-8"}, Language::English},
        {Language::System, {"en_GB:de", "", "", "fr_FR.UTF-8"}, Language::English},
        {Language::System, {"de", "", "", "C.UTF-8"}, Language::English},
        {Language::System, {"fr", "POSIX", "", "de_DE"}, Language::English},
    };
    for (const auto& [choice, locale, spoken] : cases) {
        EXPECT_EQ(languageToSpeak(choice, locale), spoken)
            << locale.language << "|" << locale.all << "|" << locale.messages << "|" << locale.lang;
    }
}

} // namespace
} // namespace almanor
