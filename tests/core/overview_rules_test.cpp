#include "overview/overview_rules.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace almanor {
namespace {

TEST(NotesClipboardText, headingThenEachLineAfterCrLfAndNothingAfterTheLast) {
    EXPECT_EQ(notesClipboardText({}), "Almanor Notes.");
    EXPECT_EQ(notesClipboardText({{"03/05/1999  -  dentist", "a"}, {"03/01/1999  -  call", "b"}}),
              "Almanor Notes.\r\n03/05/1999  -  dentist\r\n03/01/1999  -  call");
    EXPECT_EQ(notesClipboardText(
                  {{"03/05/1999  -  a\r\nb", "a"}, {"03/01/1999  -  caf\xc3\xa9\nd", "b"}}),
              "Almanor Notes.\r\n03/05/1999  -  a\r\nb\r\n03/01/1999  -  caf\xc3\xa9\nd");
}

// Notes of 5 March 1999 (row 0) back to 1 March (row 4).
NoteList fiveNotes() {
    NoteList notes;
    for (int day = 5; day >= 1; --day) {
        notes.push_back({"03/0" + std::to_string(day) + "/1999  -  note", std::to_string(day)});
    }
    return notes;
}

struct FakeRemover {
    std::set<std::string> vanished;
    std::vector<std::string> calls;
    FileResult operator()(const std::string& path) {
        calls.push_back(path);
        return vanished.count(path) ? FileResult::failure("gone") : FileResult::success();
    }
};

std::vector<std::string> pathsOf(const NoteList& notes) {
    std::vector<std::string> paths;
    for (const NoteListEntry& note : notes) {
        paths.push_back(note.path);
    }
    return paths;
}

using Paths = std::vector<std::string>;

TEST(DeleteSelectedNotes, deletesTheSelectedNotesLastFirst) {
    const struct {
        std::vector<std::size_t> selected;
        Paths removed;
        Paths kept;
    } cases[] = {
        {{}, {}, {"5", "4", "3", "2", "1"}},
        // In the order a list view may report them, with a row twice and one past the end.
        {{3, 0, 1, 3, 9}, {"2", "4", "5"}, {"3", "1"}},
    };
    for (const auto& c : cases) {
        NoteList notes = fiveNotes();
        FakeRemover remover;
        const DeleteSelectedOutcome outcome =
            deleteSelectedNotes(notes, c.selected, std::ref(remover));
        EXPECT_TRUE(outcome.completed);
        EXPECT_EQ(outcome.deleted, c.removed.size());
        EXPECT_EQ(remover.calls, c.removed);
        EXPECT_EQ(pathsOf(notes), c.kept);
    }
}

TEST(DeleteSelectedNotes, vanishedFileStopsWithItsDateAndKeepsTheSelectedNotesAbove) {
    NoteList notes = fiveNotes();
    FakeRemover remover;
    remover.vanished.insert("3");
    const DeleteSelectedOutcome outcome = deleteSelectedNotes(notes, {0, 2, 3}, std::ref(remover));
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.missingDate, "03/03/1999");
    EXPECT_EQ(remover.calls, (Paths{"2", "3"}));
    EXPECT_EQ(pathsOf(notes), (Paths{"5", "4", "1"}));
}

} // namespace
} // namespace almanor
