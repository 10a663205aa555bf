#include "common/date.h"
#include "common/text_encoding.h"

#include <gtest/gtest.h>
#include <string>

namespace almanor {
namespace {

TEST(Date, serialRoundTripsFromBeforeYearZeroToAfterTheSupportedYears) {
    for (long long s = Date{-400, 3, 1}.serial(); s <= Date{10000, 3, 1}.serial(); s += 13) {
        const Date d = Date::fromSerial(s);
        ASSERT_TRUE(d.isValid()) << s;
        ASSERT_EQ(d.serial(), s);
    }
    EXPECT_EQ((Date{1970, 1, 1}.serial()), 0);
    EXPECT_EQ((Date{-1, 12, 31}.addDays(1)), (Date{0, 1, 1}));
    EXPECT_EQ((Date{2026, 12, 6}.dayOfWeek()), 0); // a Sunday
    EXPECT_EQ((Date{1969, 12, 31}.dayOfWeek()), 3);
    EXPECT_EQ(daysBetween(Date{2025, 3, 1}, Date{2026, 3, 1}), 365);
    EXPECT_EQ(daysBetween(Date{2026, 3, 2}, Date{2026, 3, 1}), -1);
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
    EXPECT_EQ(daysInMonth(2000, 0), 0);
    EXPECT_EQ(daysInMonth(2000, 13), 0);
}

TEST(DateText, isExactlyTwoDigitMonthAndDayAndFourDigitYear) {
    EXPECT_EQ(formatDateText(Date{1998, 12, 5}), "12/05/1998");
    EXPECT_EQ(parseDateText("03/05/1999"), (Date{1999, 3, 5}));
    EXPECT_EQ(parseDateText("02/29/2024"), (Date{2024, 2, 29}));
    EXPECT_EQ(parseDateText("12/31/0999"), (Date{999, 12, 31}));
    for (const char* bad : {"02/31/2001", "06/31/2001", "02/29/2023", "13/01/2001", "00/10/2001",
                            "01/00/2001", "1/5/1999  ", "03-05-1999", "03/05-1999", "03/05/199",
                            "ab/cd/efgh", "0:/05/1999", "03/05/19/9", "", "03/05/1999x"}) {
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
        {"\xC2\x80\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF", "\u0080\uD7FF\uE000\U0010FFFF", true},
        {"\xF4\x90\x80\x80", "\u00f4\u0090\u20ac\u20ac", false}, // beyond U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeFromFile(c.bytes), c.text) << c.bytes;
        EXPECT_EQ(decodeFromFile(encodeForFile(c.text)), c.text) << c.bytes;
        if (c.written) {
            EXPECT_EQ(encodeForFile(c.text), c.bytes);
        }
    }
}

TEST(TextEncoding, everyByteSurvivesWindows1252AndOnlyItsCharactersFit) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    const std::string text = windows1252ToUtf8(bytes);
    EXPECT_TRUE(fitsWindows1252(text));
    EXPECT_EQ(utf8ToWindows1252(text), bytes);
    for (const char* outside : {"\u0100", "\u0080", "\U0001F600", "caf\xC3", "\xED\xA0\x80"}) {
        EXPECT_FALSE(fitsWindows1252(outside)) << outside;
    }
    // Outside the contract: what has no byte becomes one "?" per character or bad byte.
    EXPECT_EQ(utf8ToWindows1252("a\u0100b\xC3\U0001F600"), "a?b??");
}

} // namespace
} // namespace almanor
