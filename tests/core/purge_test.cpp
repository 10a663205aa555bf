#include "notes/purge.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace almanor {
namespace {

constexpr Date kToday{2024, 3, 5};

NoteListEntry noteAged(long long days) {
    const std::string date = formatDateText(kToday.addDays(-days));
    return {date + "  -  note", "/notes/" + date + ".dnf"};
}

// Records the paths it removes and reports those that have vanished.
struct FakeRemover {
    std::set<std::string> vanished;
    std::vector<std::string> calls;
    NoteFileRemoval operator()(const std::string& path, std::string& /*error*/) {
        calls.push_back(path);
        return vanished.count(path) ? NoteFileRemoval::Missing : NoteFileRemoval::Removed;
    }
};

std::vector<std::string> pathsAged(std::initializer_list<long long> ages) {
    std::vector<std::string> paths;
    for (const long long age : ages) {
        paths.push_back(noteAged(age).path);
    }
    return paths;
}

std::vector<std::string> pathsOf(const NoteList& notes) {
    std::vector<std::string> paths;
    for (const NoteListEntry& note : notes) {
        paths.push_back(note.path);
    }
    return paths;
}

TEST(Purge, deletesFromTheOldestNotesMoreThanTheGivenDaysOld) {
    const struct {
        int deleteDays;
        std::vector<std::string> removed;
        std::vector<std::string> kept;
    } cases[] = {
        {30, pathsAged({400, 31}), pathsAged({-2, 0, 1, 30})},
        {0, pathsAged({400, 31, 30, 1}), pathsAged({-2, 0})},
        {-32768, pathsAged({400, 31, 30, 1}), pathsAged({-2, 0})},
        {400, {}, pathsAged({-2, 0, 1, 30, 31, 400})},
    };
    for (const auto& c : cases) {
        NoteList notes{noteAged(-2), noteAged(0),  noteAged(1),
                       noteAged(30), noteAged(31), noteAged(400)};
        FakeRemover remover;
        const NoteRemovalOutcome outcome =
            purgeOldNotes(notes, kToday, c.deleteDays, std::ref(remover));
        EXPECT_TRUE(outcome.completed);
        EXPECT_EQ(outcome.deleted, c.removed.size());
        EXPECT_EQ(remover.calls, c.removed) << c.deleteDays;
        EXPECT_EQ(pathsOf(notes), c.kept) << c.deleteDays;
    }
}

TEST(Purge, vanishedFileStopsThePurgeWithItsDate) {
    NoteList notes{noteAged(0), noteAged(40), noteAged(50), noteAged(60)};
    FakeRemover remover;
    remover.vanished.insert(noteAged(50).path);
    const NoteRemovalOutcome outcome = purgeOldNotes(notes, kToday, 30, std::ref(remover));
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.failedDate, formatDateText(kToday.addDays(-50)));
    EXPECT_EQ(outcome.deleted, 1u);
    EXPECT_EQ(remover.calls, pathsAged({60, 50}));
    EXPECT_EQ(pathsOf(notes), pathsAged({0, 40}));
}

TEST(Purge, entryWithoutAValidDateIsLeftAloneAndNotReported) {
    NoteList notes{{"02/31/2001  -  damaged", "a"}, noteAged(60), {"", "b"}, {"1/2/2001", "c"}};
    FakeRemover remover;
    const NoteRemovalOutcome outcome = purgeOldNotes(notes, kToday, 0, std::ref(remover));
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(remover.calls, pathsAged({60}));
    EXPECT_EQ(pathsOf(notes), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(Purge, emptyListCompletes) {
    NoteList notes;
    FakeRemover remover;
    EXPECT_TRUE(purgeOldNotes(notes, kToday, 0, std::ref(remover)).completed);
    EXPECT_TRUE(remover.calls.empty());
}

} // namespace
} // namespace almanor
