#include "common/text_encoding.h"

#include <gtest/gtest.h>
#include <string>

namespace almanor {
namespace {

struct RoundTrip {
    const char* name;
    std::string text;  // UTF-8
    std::string bytes; // what the file holds
};

class FileEncodingRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(FileEncodingRoundTrip, writesTheExpectedBytesAndReadsTheTextBack) {
    const RoundTrip& c = GetParam();
    EXPECT_EQ(encodeForFile(c.text), c.bytes);
    EXPECT_EQ(decodeFromFile(c.bytes), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    TextEncoding, FileEncodingRoundTrip,
    ::testing::Values(
        RoundTrip{"ascii", "Dentist, 10 o'clock", "Dentist, 10 o'clock"},
        RoundTrip{"latin1AndPunctuation", "Caf\u00e9 \u2013 \u201cx\u201d",
                  "Caf\xE9 \x96 \x93x\x94"},
        RoundTrip{"everyDefinedHighControl",
                  "\u20ac\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152"
                  "\u017d\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a"
                  "\u0153\u017e\u0178",
                  "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95"
                  "\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"},
        RoundTrip{"undefinedBytesAsC1Controls", "\u0081\u008d\u008f\u0090\u009d",
                  "\x81\x8D\x8F\x90\x9D"},
        RoundTrip{"emojiAndJapaneseForceUtf8", "Zo\u00eb \U0001F600 \u65e5\u672c",
                  "Zo\xC3\xAB \xF0\x9F\x98\x80 \xE6\x97\xA5\xE6\x9C\xAC"},
        RoundTrip{"oneCharacterOutsideForcesUtf8", "caf\u00e9 \u0100", "caf\xC3\xA9 \xC4\x80"},
        // Reading drops a leading byte-order mark, so text that starts with one gets another.
        RoundTrip{"leadingByteOrderMarkCharacter", "\uFEFFtab", "\xEF\xBB\xBF\xEF\xBB\xBFtab"},
        // In Windows-1252 these two characters would be the bytes C3 A9, which read as "é".
        RoundTrip{"singleByteFormThatLooksLikeUtf8", "\u00c3\u00a9", "\xC3\x83\xC2\xA9"},
        RoundTrip{"empty", "", ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(TextEncoding, everyByteSurvivesWindows1252) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    const std::string text = windows1252ToUtf8(bytes);
    EXPECT_TRUE(fitsWindows1252(text));
    EXPECT_EQ(utf8ToWindows1252(text), bytes);
}

TEST(TextEncoding, charactersWithoutAByteDoNotFit) {
    EXPECT_FALSE(fitsWindows1252("\u0100"));
    EXPECT_FALSE(fitsWindows1252("\u0080")); // a C1 control that 0x80 does not stand for
    EXPECT_FALSE(fitsWindows1252("\U0001F600"));
    EXPECT_FALSE(fitsWindows1252("caf\xC3")); // malformed UTF-8
    EXPECT_TRUE(fitsWindows1252("\u00ff\u20ac"));
}

struct Decoding {
    const char* name;
    std::string bytes;
    std::string text;
};

class FileDecoding : public ::testing::TestWithParam<Decoding> {};

TEST_P(FileDecoding, takesUtf8OnlyWhenValidWithAMultiByteSequence) {
    EXPECT_EQ(decodeFromFile(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    TextEncoding, FileDecoding,
    ::testing::Values(Decoding{"validUtf8", "caf\xC3\xA9", "caf\u00e9"},
                      Decoding{"singleHighByte", "caf\xE9", "caf\u00e9"},
                      Decoding{"truncatedSequence", "caf\xC3", "caf\u00c3"},
                      Decoding{"utf8ThenStrayByte", "\xC3\xA9\xE9", "\u00c3\u00a9\u00e9"},
                      Decoding{"overlongSlash", "\xC0\xAF", "\u00c0\u00af"},
                      Decoding{"encodedSurrogate", "\xED\xA0\x80", "\u00ed\u00a0\u20ac"},
                      Decoding{"beyondUnicode", "\xF4\x90\x80\x80", "\u00f4\u0090\u20ac\u20ac"},
                      Decoding{"asciiOnly", "plain", "plain"},
                      // A byte-order mark some editors write before UTF-8 is dropped...
                      Decoding{"byteOrderMarkBeforeAscii", "\xEF\xBB\xBF\"dailynotes\"",
                               "\"dailynotes\""},
                      Decoding{"byteOrderMarkBeforeUtf8",
                               "\xEF\xBB\xBF"
                               "caf\xC3\xA9",
                               "caf\u00e9"},
                      // ...but the same bytes before text that is not UTF-8 are characters.
                      Decoding{"byteOrderMarkBytesBeforeWindows1252",
                               "\xEF\xBB\xBF"
                               "caf\xE9",
                               "\u00ef\u00bb\u00bf"
                               "caf\u00e9"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace almanor
