#include "notes/note_removal.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace almanor {
namespace {

using Paths = std::vector<std::string>;

NoteList fiveNotes() {
    NoteList notes;
    for (int day = 5; day >= 1; --day) {
        notes.push_back({"03/0" + std::to_string(day) + "/1999  -  note", std::to_string(day)});
    }
    return notes;
}

// Records the paths it is asked to delete; files named in `fails` vanished or are kept.
struct FakeRemover {
    std::map<std::string, NoteFileRemoval> fails;
    Paths calls;
    NoteFileRemoval operator()(const std::string& path, std::string& error) {
        calls.push_back(path);
        const auto failing = fails.find(path);
        if (failing == fails.end()) {
            return NoteFileRemoval::Removed;
        }
        error = "in use";
        return failing->second;
    }
};

Paths pathsOf(const NoteList& notes) {
    Paths paths;
    for (const NoteListEntry& note : notes) {
        paths.push_back(note.path);
    }
    return paths;
}

TEST(RemoveListedNotes, deletesTheGivenNotesLastFirst) {
    const struct {
        std::vector<std::size_t> positions;
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
        const NoteRemovalOutcome outcome = removeListedNotes(notes, c.positions, std::ref(remover));
        EXPECT_TRUE(outcome.completed);
        EXPECT_EQ(outcome.deleted, c.removed.size());
        EXPECT_EQ(remover.calls, c.removed);
        EXPECT_EQ(pathsOf(notes), c.kept);
    }
}

TEST(RemoveListedNotes, stopsAtTheFirstNoteThatCannotBeDeleted) {
    const struct {
        NoteFileRemoval failure;
        Paths left;
        const char* message;
    } cases[] = {
        // A vanished file's line goes; one still on the disk keeps its line.
        {NoteFileRemoval::Missing, {"5", "4", "1"}, "The Note For 03/03/1999 Was Not Found!"},
        {NoteFileRemoval::Kept,
         {"5", "4", "3", "1"},
         "The Note For 03/03/1999 Could Not Be Deleted!\n\nin use"},
    };
    for (const auto& c : cases) {
        NoteList notes = fiveNotes();
        FakeRemover remover;
        remover.fails["3"] = c.failure;
        const NoteRemovalOutcome outcome = removeListedNotes(notes, {0, 2, 3}, std::ref(remover));
        EXPECT_FALSE(outcome.completed);
        EXPECT_EQ(outcome.deleted, 1u);
        EXPECT_EQ(outcome.failedDate, "03/03/1999");
        EXPECT_EQ(remover.calls, (Paths{"2", "3"})) << "the note above it is not visited";
        EXPECT_EQ(pathsOf(notes), c.left);
        EXPECT_EQ(removalFailureMessage(outcome), c.message);
    }
}

TEST(RemoveNoteFile, tellsRemovedMissingAndKeptApart) {
    const auto folder = std::filesystem::temp_directory_path() / "almanor-note-removal-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "19990303.dnf" / "inside");
    std::ofstream(folder / "19990302.dnf") << "x";
    std::string error;
    EXPECT_EQ(removeNoteFile((folder / "19990302.dnf").string(), error), NoteFileRemoval::Removed);
    EXPECT_FALSE(std::filesystem::exists(folder / "19990302.dnf"));
    EXPECT_EQ(removeNoteFile((folder / "19990301.dnf").string(), error), NoteFileRemoval::Missing);
    // A folder that is not empty cannot be deleted as a file, by any user.
    EXPECT_EQ(removeNoteFile((folder / "19990303.dnf").string(), error), NoteFileRemoval::Kept);
    EXPECT_FALSE(error.empty());
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace almanor
