#include "common/app_folder.h"
#include "notes/both_versions.h"
#include "notes/day_marks.h"
#include "notes/note_record.h"
#include "notes/note_removal.h"
#include "notes/purge.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace almanor {
namespace {

std::string fixture(const Date& date) {
    std::ifstream in(std::filesystem::path(ALMANOR_FIXTURES_DIR) / "notes" / noteFileName(date),
                     std::ios::binary);
    EXPECT_TRUE(in) << noteFileName(date);
    return {std::istreambuf_iterator<char>(in), {}};
}

NoteRecord note(const std::string& text, const std::string& date, const std::string& alarm = "",
                bool partial = false) {
    return NoteRecord{"dailynotes", text, date, alarm, partial};
}

// Saving these notes writes the fixture files named after their dates, byte for byte.
TEST(NoteRecord, savedNotesAreTheFixtureFilesNamedByDateAndReadBack) {
    const struct {
        Date date;
        const char* text;
        const char* alarm;
    } cases[] = {
        {{2000, 1, 1}, "New year", ""},
        {{1998, 12, 5}, "Caf\u00e9 \u2013 \u201cZo\u00eb\u201d costs 5\u20ac", "2:00:00 PM"},
        {{2012, 3, 5}, "Buy milk, eggs\r\nCall Anna, then Ben\r\n\r\nDone", "9:30:00 AM"},
        {{2024, 2, 29}, "Zo\u00eb \U0001F600 \u65e5\u672c", ""},
        {{2010, 7, 4}, "She said \"hi\"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeNoteRecord(c.date, c.text, c.alarm), fixture(c.date));
        EXPECT_EQ(readNoteRecord(fixture(c.date)),
                  note(replaceDoubleQuotes(c.text), formatDateText(c.date), c.alarm));
    }
    EXPECT_EQ(readNoteRecord(fixture({2000, 1, 2})),
              (NoteRecord{"shoppinglist", "milk", "01/02/2000", ""}));
    EXPECT_EQ(readNoteRecord(fixture({2000, 1, 3})), std::nullopt); // three fields
    EXPECT_TRUE(isNoteFileName("20000101.dnf") && isNoteFileName("99999999.dnf"));
    for (const char* other :
         {"dnf", ".dnf", "20000101.dnf.tmp", "2000010.dnf", "2000O101.dnf", "x0000101.dnf",
          "20000101 (conflicted copy).dnf", "20000101.sync-conflict-1.dnf"}) {
        EXPECT_FALSE(isNoteFileName(other)) << other;
    }
    EXPECT_EQ(isNoteFileName("20000101.DnF"), kPathSeparator == '\\'); // letter case: Windows
    EXPECT_EQ(readNoteRecord(encodeNoteRecord({2010, 7, 4}, "",
                                              "\"9\" is longer than all the rest of its record")),
              note("", "07/04/2010", "\u201d9\u201d is longer than all the rest of its record"));
}

TEST(NoteRecord, readsTheFirstFourFieldsOfWhatOtherProgramsWrote) {
    const struct {
        std::string text;
        std::optional<NoteRecord> read;
    } cases[] = {
        {"\"dailynotes\",\"a,\r\nb\",\"01/01/2000\",\"\"\r\n", note("a,\r\nb", "01/01/2000")},
        {"dailynotes,text,01/01/2000,2:00:00 PM\r\n", note("text", "01/01/2000", "2:00:00 PM")},
        {"\"dailynotes\",\"t\",\"01/01/2000\",\"x\"", note("t", "01/01/2000", "x")},
        {"\"dailynotes\",\"He said \"hi\"\",\"12/06/2026\",\"\"\r\n",
         note("He said \"hi\"", "12/06/2026")},
        {"\"dailynotes\",\"a\",\"b \"x\"\",\"01/01/2000\",\"1:00:00 PM\"\n\n",
         note("a\",\"b \"x\"", "01/01/2000", "1:00:00 PM")},
        {"\"\",\"\",\"\",\"\"", NoteRecord{}},
        {"\"dailynotes\",\"a\"b\",\"\",\"\"", note("a\"b", "")},
        {"\r\n\"dailynotes\",\"t\",\"01/01/2000\"",
         NoteRecord{"", "dailynotes", "t", "01/01/2000"}},
        {"\"\",\"", std::nullopt},
        {"\"dailynotes\",\"t\",\"01/01/2000\",\"x\",\"more\"\r\ngarbage",
         note("t", "01/01/2000", "x", true)},
        {"\"dailynotes\" ,\"t\"zz,\"01/01/2000\",\"x\"", note("t", "01/01/2000", "x", true)},
        {"\"dailynotes\"\r\n\"t\"\n\"01/01/2000\"\r\"x\"\r\n", note("t", "01/01/2000", "x")},
        {"\"dailynotes\",\"t\",\"01/01/2000\",", note("t", "01/01/2000")},
        {"\"dailynotes\",\"t\",\"01/01/2000\",\"2:00", note("t", "01/01/2000", "2:00")},
        {"\"shopping\",\"t\",\"01/01/2000\",\"\"", NoteRecord{"shopping", "t", "01/01/2000", ""}},
        {"\"dailynotes\",\"t\",\"01/01/2000\"\r\n", std::nullopt},
        {"\"dailynotes\",\"t,\"01/01/2000\",\"\"\r\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseNoteRecord(c.text), c.read) << c.text;
    }
}

// Whatever another program wrote between the marker and the date, loading the note and saving
// it unchanged loses nothing but the straight quotes' form.
TEST(NoteRecord, textWithStraightQuotesSurvivesLoadAndSave) {
    const std::string pieces[] = {"a", "\"", ",", "\r\n", "\u00e9", "\",\"", "\n", "\u65e5"};
    std::mt19937 random(20261206);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int n = static_cast<int>(random() % 12); n > 0; --n) {
            text += pieces[random() % std::size(pieces)];
        }
        const auto read = readNoteRecord("\"dailynotes\",\"" + text + "\",\"12/06/2026\",\"\"\r\n");
        ASSERT_EQ(read, note(text, "12/06/2026"));
        const auto saved = readNoteRecord(encodeNoteRecord({2026, 12, 6}, read->text, ""));
        ASSERT_EQ(saved, note(replaceDoubleQuotes(text), "12/06/2026"));
    }
}

TEST(DayMarks, marksTheShownMonthsDaysReadFromTheDateFieldOfEachLine) {
    EXPECT_EQ(noteListLineDate("12/05/1998  -  text"), (Date{1998, 12, 5}));
    EXPECT_EQ(noteListLineDate("02/29/2024  -  "), (Date{2024, 2, 29}));
    for (const char* line :
         {"3/5/2000xx  -  unpadded", "1/5/ 2000  -  x", "02/29/2023  -  ", "06/31/2000  -  ",
          "13/01/2000  -  ", "00/10/2000  -  ", "03/00/2000  -  ", "ab/cd/efgh  -  ",
          "0:/05/2000  -  ", "03-05-2000  -  ", "03/05-2000  -  ", "12//1998  -", "/12/1998  -",
          "12/05/199", "", "12/09/10000  -  a year too long", "12/5/19988  -  ", "02/29/2024",
          "02/29/2024 -  "}) {
        EXPECT_EQ(noteListLineDate(line), std::nullopt) << line;
    }
    const NoteList notes{{"04/05/2000  -  april", 0}, {"03/31/2000  -  last", 0},
                         {"03/10/2000  -  mid", 0},   {"03/01/2000  -  ", 0},
                         {"03/05/1999  -  x", 0},     {"short", 0},
                         {"02/30/2000  -  x", 0}};
    EXPECT_EQ(markedDays(notes, 2000, 3), DayMarks().set(1).set(10).set(31));
    EXPECT_EQ(markedDays(notes, 2000, 4), DayMarks().set(5));
    EXPECT_EQ(markedDays(notes, 1999, 3), DayMarks().set(5));
    EXPECT_EQ(markedDays(notes, 2000, 2), DayMarks());
}

// Records the last digit of each file it is asked to delete; the one named `failing` vanished
// or is kept.
struct FakeRemover {
    std::string failing;
    NoteFileRemoval failure = NoteFileRemoval::Removed;
    std::string calls;
    NoteFileRemoval operator()(const std::string& name, std::string& error) {
        calls += name[7];
        error = name == failing ? "in use" : "";
        return name == failing ? failure : NoteFileRemoval::Removed;
    }
};

NoteListTakeOut erasingFrom(NoteList& notes) {
    return [&notes](std::size_t i) { notes.erase(i); };
}

// Notes of days of March 1999, one per digit.
NoteList marchNotes(const std::string& days) {
    NoteList notes;
    for (const char day : days) {
        notes.push_back({std::string("03/0") + day + "/1999  -  x",
                         19990300u + static_cast<std::uint32_t>(day - '0')});
    }
    return notes;
}

TEST(RemoveListedNotes, deletesTheGivenNotesLastFirstAndStopsAtOneThatCannotGo) {
    using enum NoteFileRemoval;
    const struct {
        std::vector<std::size_t> positions;
        NoteFileRemoval failure; // of the note of day 3
        std::string calls;
        std::string left;
        std::string stoppedAt; // empty: it completed
    } cases[] = {
        {{}, Removed, "", "54321", ""},
        // In the order a list view may report them, with a row twice and one past the end.
        {{3, 0, 1, 3, 5}, Removed, "245", "31", ""},
        // A vanished file's line goes; one still on the disk keeps its line.
        {{0, 2, 3}, Missing, "23", "541", "03/03/1999"},
        {{0, 2, 3}, Kept, "23", "5431", "03/03/1999"},
    };
    for (const auto& c : cases) {
        NoteList notes = marchNotes("54321");
        FakeRemover remover{"19990303.dnf", c.failure, {}};
        const NoteRemovalOutcome outcome =
            removeListedNotes(notes, c.positions, std::ref(remover), erasingFrom(notes));
        EXPECT_EQ(remover.calls, c.calls);
        EXPECT_EQ(notes, marchNotes(c.left));
        EXPECT_EQ(outcome.deleted, c.calls.size() - (c.stoppedAt.empty() ? 0 : 1));
        EXPECT_EQ(outcome.completed, c.stoppedAt.empty());
        EXPECT_EQ(outcome.failedDate, c.stoppedAt);
        EXPECT_EQ(outcome.failedName + outcome.error,
                  c.stoppedAt.empty() ? "" : "19990303.dnfin use");
    }
}

// One day's note written or deleted here: its entry changes in its place, newest first, and
// views hear of it only when the list did not show it so already.
TEST(ListChange, givesOneNoteItsPlaceAmongTheOthersOrTakesItOut) {
    using enum ListChange::Kind;
    const struct {
        char day;
        const char* text; // none: deleted
        std::optional<ListChange> change;
        std::string left;
    } cases[] = {{'6', "new", ListChange{Added, 0}, "6531"},
                 {'4', "new", ListChange{Added, 1}, "5431"},
                 {'0', "new", ListChange{Added, 3}, "5310"},
                 {'3', "new", ListChange{Changed, 1}, "531"},
                 {'3', "x", std::nullopt, "531"},
                 {'3', nullptr, ListChange{Removed, 1}, "51"},
                 {'4', nullptr, std::nullopt, "531"}};
    for (const auto& c : cases) {
        const auto number = 19990300u + static_cast<std::uint32_t>(c.day - '0');
        const auto line = c.text
                              ? std::optional(std::string("03/0") + c.day + "/1999  -  " + c.text)
                              : std::nullopt;
        NoteList notes = marchNotes("531");
        const std::optional<ListChange> change = listChangeFor(notes, number, line);
        EXPECT_EQ(change, c.change) << c.day;
        if (change) {
            applyListChange(notes, *change, number, line);
        }
        NoteList expected = marchNotes(c.left);
        if (const auto row = expected.find(number); row && line) {
            expected.replace(*row, *line);
        }
        EXPECT_EQ(notes, expected) << c.day << c.text;
    }
}

TEST(NoteList, adjacentNoteDayIsTheNearestListedRealDayEitherWayAcrossYears) {
    const NoteList notes{{"", 20270102}, {"", 20261399}, {"", 20261206}, {"", 20250101}};
    const std::tuple<Date, bool, std::optional<Date>> cases[] = {
        {{2024, 6, 1}, false, {}},
        {{2024, 6, 1}, true, Date{2025, 1, 1}},
        {{2027, 1, 2}, true, {}},
        {{2027, 1, 2}, false, Date{2026, 12, 6}},
        {{2026, 12, 6}, true, Date{2027, 1, 2}},
        {{2026, 12, 6}, false, Date{2025, 1, 1}}};
    for (const auto& [from, later, day] : cases) {
        EXPECT_EQ(adjacentNoteDay(notes, from, later), day) << noteFileName(from) << later;
        EXPECT_EQ(adjacentNoteDay(NoteList(), from, later), std::nullopt);
    }
}

// Lines written over and over (a keystroke saves each time) leave the list as if each note
// had been written once, also when what they left behind is dropped.
TEST(NoteList, keepsEveryLineThroughManyChanges) {
    const auto write = [](NoteList& notes, int from, int to) {
        for (int change = from; change < to; ++change) {
            notes.replace(static_cast<std::size_t>(change % 4),
                          std::string(static_cast<std::size_t>(change % 97),
                                      static_cast<char>('a' + change % 26)));
        }
    };
    NoteList notes = marchNotes("54321");
    write(notes, 0, 3000);
    notes.erase(4);
    NoteList expected = marchNotes("5432");
    write(expected, 2996, 3000);
    EXPECT_EQ(notes, expected);
}

constexpr Date kToday{2024, 3, 5};

// A note of `age` days ago, in the file its name gives `filedAge` days ago.
void addNoteAged(NoteList& notes, int age, int filedAge) {
    notes.push_back({formatDateText(kToday.addDays(-age)) + "  -  x",
                     noteFileNumber(noteFileName(kToday.addDays(-filedAge)))});
}

// Notes of these ages, then those a purge always keeps.
NoteList notesAged(const std::vector<int>& ages) {
    NoteList notes;
    for (const int age : ages) {
        addNoteAged(notes, age, age);
    }
    notes.push_back({"02/31/2001  -  x", 20010228});
    notes.push_back({"12/09/10000  -  x", 20231209});
    addNoteAged(notes, 500, 0);
    addNoteAged(notes, 0, 500);
    return notes;
}

// A note goes only when both its date field and its file's name are past the limit, and never
// the shown day's (40 days ago).
TEST(Purge, deletesTheNotesMoreThanTheGivenDaysOld) {
    const std::pair<int, std::vector<int>> cases[] = {
        {30, {40, -2, 0, 1, 30}}, {0, {40, -2, 0}}, {400, {400, 40, -2, 0, 1, 30, 31}}};
    for (const auto& [daysToKeep, kept] : cases) {
        NoteList notes = notesAged({400, 40, -2, 0, 1, 30, 31}); // in any order
        FakeRemover remover;
        EXPECT_TRUE(purgeOldNotes(notes, kToday, daysToKeep, kToday.addDays(-40), std::ref(remover),
                                  erasingFrom(notes))
                        .completed);
        EXPECT_EQ(notes, notesAged(kept)) << daysToKeep;
    }
}

// Another program's version and the user's, written at the same time: the note keeps all of
// both, theirs first.
TEST(KeepBoth, neitherVersionLosesAWord) {
    const std::string line = kYourVersionLine;
    const std::string lineWithAlarm =
        "----- Typed here while another program changed this note (your alarm: 9:00 AM) -----";
    struct Case {
        NoteTexts theirs, mine, kept;
    };
    const Case cases[] = {
        {{"", ""}, {"mine", "9:00 AM"}, {"mine", "9:00 AM"}},               // theirs was deleted
        {{"mine, and theirs", ""}, {"mine", ""}, {"mine, and theirs", ""}}, // made from mine
        {{"theirs", "8:00 AM"}, {"mine", ""}, {"theirs\n\n" + line + "\nmine", "8:00 AM"}},
        {{"theirs", ""}, {"mine", "9:00 AM"}, {"theirs\n\n" + line + "\nmine", "9:00 AM"}},
        {{"same", "8:00 AM"}, {"same", "9:00 AM"}, {"same\n\n" + lineWithAlarm, "8:00 AM"}},
        {{"", "8:00 AM"}, {"mine", "9:00 AM"}, {"mine\n\n" + lineWithAlarm, "8:00 AM"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keepBoth(c.theirs, c.mine), c.kept) << c.theirs.text << " | " << c.mine.text;
    }
}

} // namespace
} // namespace almanor
