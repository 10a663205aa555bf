#include "notes/note_record.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>

namespace almanor {
namespace {

std::string fixture(const std::string& name) {
    std::ifstream in(std::filesystem::path(ALMANOR_FIXTURES_DIR) / "notes" / name,
                     std::ios::binary);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Naming {
    Date date;
    const char* fileName;
    const char* dateField;
};

class NoteNaming : public ::testing::TestWithParam<Naming> {};

TEST_P(NoteNaming, nameAndDateFieldHaveTwoDigitMonthAndDay) {
    EXPECT_EQ(noteFileName(GetParam().date), GetParam().fileName);
    EXPECT_EQ(noteDateField(GetParam().date), GetParam().dateField);
}

INSTANTIATE_TEST_SUITE_P(NoteRecord, NoteNaming,
                         ::testing::Values(Naming{{2000, 1, 1}, "20000101.dnf", "01/01/2000"},
                                           Naming{{1998, 12, 5}, "19981205.dnf", "12/05/1998"},
                                           Naming{{2024, 2, 29}, "20240229.dnf", "02/29/2024"},
                                           Naming{{1000, 10, 10}, "10001010.dnf", "10/10/1000"},
                                           Naming{{9999, 12, 31}, "99991231.dnf", "12/31/9999"}));

TEST(NoteRecord, noteFileNamesEndInDnf) {
    EXPECT_TRUE(isNoteFileName("20000101.dnf"));
    EXPECT_TRUE(isNoteFileName("backup.dnf"));
    EXPECT_FALSE(isNoteFileName("20000101.dnf.tmp"));
    EXPECT_FALSE(isNoteFileName("~almanor-0123456789abcdef.tmp"));
    EXPECT_FALSE(isNoteFileName("options.cfg"));
    EXPECT_FALSE(isNoteFileName("dnf"));
#ifdef _WIN32
    EXPECT_TRUE(isNoteFileName("20000101.DNF"));
#else
    EXPECT_FALSE(isNoteFileName("20000101.DNF"));
#endif
}

struct StoredNote {
    const char* fixture;
    Date date;
    std::string text;
    std::string alarm;
};

class NoteFixture : public ::testing::TestWithParam<StoredNote> {};

TEST_P(NoteFixture, isWrittenByteForByte) {
    const StoredNote& note = GetParam();
    EXPECT_EQ(encodeNoteRecord(note.date, note.text, note.alarm), fixture(note.fixture));
}

TEST_P(NoteFixture, readsBackAsWritten) {
    const StoredNote& note = GetParam();
    const auto record = readNoteRecord(fixture(note.fixture));
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, (NoteRecord{"dailynotes", note.text, noteDateField(note.date), note.alarm}));
}

INSTANTIATE_TEST_SUITE_P(
    NoteRecord, NoteFixture,
    ::testing::Values(StoredNote{"20000101.dnf", {2000, 1, 1}, "New year", ""},
                      StoredNote{"19981205.dnf",
                                 {1998, 12, 5},
                                 "Caf\u00e9 \u2013 \u201cZo\u00eb\u201d costs 5\u20ac",
                                 "2:00:00 PM"},
                      StoredNote{"20120305.dnf",
                                 {2012, 3, 5},
                                 "Buy milk, eggs\r\nCall Anna, then Ben\r\n\r\nDone",
                                 "9:30:00 AM"},
                      StoredNote{
                          "20240229.dnf", {2024, 2, 29}, "Zo\u00eb \U0001F600 \u65e5\u672c", ""},
                      StoredNote{"20100704.dnf", {2010, 7, 4}, "She said \u201dhi\u201d", ""}),
    [](const auto& param) {
        std::string name = param.param.fixture;
        return name.substr(0, name.find('.'));
    });

TEST(NoteRecord, straightDoubleQuotesAreStoredAsClosingCurlyQuotes) {
    EXPECT_EQ(replaceDoubleQuotes("She said \"hi\""), "She said \u201dhi\u201d");
    EXPECT_EQ(replaceDoubleQuotes("\"\""), "\u201d\u201d");
    // Everything else stays as typed, other quote marks included.
    const std::string untouched = "it's \u201cfine\u201d, 'really' \u00ab\u00bb\r\n";
    EXPECT_EQ(replaceDoubleQuotes(untouched), untouched);

    EXPECT_EQ(encodeNoteRecord({2010, 7, 4}, "She said \"hi\"", ""), fixture("20100704.dnf"));
    const auto record = readNoteRecord(encodeNoteRecord({2010, 7, 4}, "\"", "\"9\""));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->text, "\u201d");
    EXPECT_EQ(record->alarm, "\u201d9\u201d");
    EXPECT_EQ(record->date, "07/04/2010");
}

TEST(NoteRecord, filesThatAreNotNotesAreRecognised) {
    const auto otherMarker = readNoteRecord(fixture("20000102.dnf"));
    ASSERT_TRUE(otherMarker);
    EXPECT_FALSE(otherMarker->isNote());
    EXPECT_EQ(otherMarker->marker, "shoppinglist");
    EXPECT_FALSE(readNoteRecord(fixture("20000103.dnf"))); // three fields only
}

struct Parsing {
    const char* name;
    std::string text;
    std::optional<NoteRecord> expected;
};

class NoteParsing : public ::testing::TestWithParam<Parsing> {};

TEST_P(NoteParsing, readsTheFirstFourFields) {
    EXPECT_EQ(parseNoteRecord(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    NoteRecord, NoteParsing,
    ::testing::Values(
        Parsing{"quotedLineBreaksAndCommas", "\"dailynotes\",\"a,\r\nb\",\"01/01/2000\",\"\"\r\n",
                NoteRecord{"dailynotes", "a,\r\nb", "01/01/2000", ""}},
        Parsing{"unquotedFields", "dailynotes,text,01/01/2000,2:00:00 PM\r\n",
                NoteRecord{"dailynotes", "text", "01/01/2000", "2:00:00 PM"}},
        Parsing{"noFinalLineBreak", "\"dailynotes\",\"t\",\"01/01/2000\",\"x\"",
                NoteRecord{"dailynotes", "t", "01/01/2000", "x"}},
        Parsing{"straightQuotesInsideTheText",
                "\"dailynotes\",\"He said \"hi\" to me\",\"12/06/2026\",\"\"\r\n",
                NoteRecord{"dailynotes", "He said \"hi\" to me", "12/06/2026", ""}},
        Parsing{"textEndingInAQuoteAndFieldLookalikes",
                "\"dailynotes\",\"a\",\"b \"x\"\",\"01/01/2000\",\"2:00:00 PM\"\n\n",
                NoteRecord{"dailynotes", "a\",\"b \"x\"", "01/01/2000", "2:00:00 PM"}},
        Parsing{"restAfterFourthFieldIsPartial",
                "\"dailynotes\",\"t\",\"01/01/2000\",\"x\",\"more\"\r\ngarbage",
                NoteRecord{"dailynotes", "t", "01/01/2000", "x", true}},
        Parsing{"textAfterClosingQuoteIsPartial", "\"dailynotes\" ,\"t\"zz,\"01/01/2000\",\"x\"",
                NoteRecord{"dailynotes", "t", "01/01/2000", "x", true}},
        Parsing{"lineEndsSeparateFields", "\"dailynotes\"\r\n\"t\"\n\"01/01/2000\"\r\"x\"",
                NoteRecord{"dailynotes", "t", "01/01/2000", "x"}},
        Parsing{"trailingCommaGivesEmptyFourthField", "\"dailynotes\",\"t\",\"01/01/2000\",",
                NoteRecord{"dailynotes", "t", "01/01/2000", ""}},
        Parsing{"unclosedQuoteRunsToTheEnd", "\"dailynotes\",\"t\",\"01/01/2000\",\"2:00",
                NoteRecord{"dailynotes", "t", "01/01/2000", "2:00"}},
        Parsing{"otherMarkerStillParses", "\"shopping\",\"t\",\"01/01/2000\",\"\"",
                NoteRecord{"shopping", "t", "01/01/2000", ""}},
        Parsing{"threeFields", "\"dailynotes\",\"t\",\"01/01/2000\"\r\n", std::nullopt},
        Parsing{"textRunsOverTheRest", "\"dailynotes\",\"t,\"01/01/2000\",\"\"\r\n", std::nullopt},
        Parsing{"empty", "", std::nullopt}),
    [](const auto& param) { return std::string(param.param.name); });

struct RoundTripCase {
    const char* name;
    std::string text;
    std::string alarm;
};

class NoteRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(NoteRoundTrip, readsBackUnchanged) {
    const auto record =
        readNoteRecord(encodeNoteRecord({2000, 1, 1}, GetParam().text, GetParam().alarm));
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->isNote());
    EXPECT_EQ(record->text, GetParam().text);
    EXPECT_EQ(record->alarm, GetParam().alarm);
}

INSTANTIATE_TEST_SUITE_P(
    NoteRecord, NoteRoundTrip,
    ::testing::Values(RoundTripCase{"severalLines", "one\r\ntwo\r\n\r\nfour\r\n", ""},
                      RoundTripCase{"commas", ",a,,b,", "1:00:00 AM"},
                      RoundTripCase{"onlyAlarm", "", "11:59:59 PM"},
                      RoundTripCase{"bareLineFeeds", "a\nb\rc", ""},
                      RoundTripCase{"outsideTheCodePage", "\u65e5\u672c, \U0001F600\r\nok", ""},
                      RoundTripCase{"looksLikeUtf8", "\u00c3\u00a9", ""},
                      RoundTripCase{"fullLength", std::string(500, 'w'), "12:00:00 PM"}),
    [](const auto& param) { return std::string(param.param.name); });

// Other programs write straight double quotes into the text. Whatever the text holds, reading
// such a file keeps all of it, and saving it again changes only the quotes' form.
TEST(NoteRecord, textWithStraightQuotesSurvivesLoadAndSave) {
    const std::string pieces[] = {"a", "\"", ",", "\r\n", " ", "\u00e9", "\",\"", "\n", "\u65e5"};
    std::mt19937 random(20261206);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int n = static_cast<int>(random() % 12); n > 0; --n) {
            text += pieces[random() % std::size(pieces)];
        }
        const std::string alarm = random() % 2 == 0 ? "" : "2:00:00 PM";
        const auto read =
            readNoteRecord("\"dailynotes\",\"" + text + "\",\"12/06/2026\",\"" + alarm + "\"\r\n");
        ASSERT_TRUE(read && !read->partial) << text;
        ASSERT_EQ(read->text, text);
        ASSERT_EQ(read->alarm, alarm) << text;
        const auto saved = readNoteRecord(encodeNoteRecord({2026, 12, 6}, read->text, read->alarm));
        ASSERT_TRUE(saved && !saved->partial) << text;
        ASSERT_EQ(saved->text, replaceDoubleQuotes(text));
    }
}

} // namespace
} // namespace almanor
