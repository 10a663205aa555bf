#include "notes/note_search.h"

#include <gtest/gtest.h>

namespace almanor {
namespace {

// The line with each range found in brackets.
std::string marked(std::string line, const std::vector<TextRange>& ranges) {
    for (auto range = ranges.rbegin(); range != ranges.rend(); ++range) {
        line.insert(range->end, "]").insert(range->begin, "[");
    }
    return line;
}

TEST(NoteSearch, findsTheLinesHoldingEveryWordInAnyOrderCaseAndAccentsAside) {
    const struct {
        const char* line;
        const char* typed;
        const char* found; // the line with what is found in brackets; none: not found
    } cases[] = {
        {"12/06/2026  -  Crème brûlée", "BRULEE creme", "12/06/2026  -  [Crème] [brûlée]"},
        {"12/06/2026  -  CREME brulee", "crème brûl", "12/06/2026  -  [CREME] [brul]ee"},
        {"12/06/2026  -  Crème brûlée", "creme tart", nullptr},
        {"12/06/2026  -  Crème", " \t ", "12/06/2026  -  Crème"},
        {"12/06/2026  -  Dentist_at_4", "dent 12/06 t_a", "[12/06]/2026  -  [Dent]is[t_a]t_4"},
        {"12/06/2026  -  9:00:00 AM  -  Dentist", "9:00 am",
         "12/06/2026  -  [9:00]:00 [AM]  -  Dentist"},
        {"12/06/2026  -  say \"Cheese\"", "\"cheese\"", "12/06/2026  -  say [\"Cheese\"]"},
        {"12/06/2026  -  say cheese", "\"cheese\"", nullptr},
        {"12/06/2026  -  first\r\nSecond", "second first", "12/06/2026  -  [first]\r\n[Second]"},
        {"12/06/2026  -  anan ठ😀", "ana nan ठ 😀", "12/06/2026  -  [anan] [ठ😀]"},
        {"12/06/2026  -  STRAßE Łódź Œuvre ÆON Þing", "strasse lodz oeuvre aeon þ",
         "12/06/2026  -  [STRAßE] [Łódź] [Œuvre] [ÆON] [Þ]ing"},
        {"12/06/2026  -  ÀÉÎÕÜÝ ſ Ÿ İ ž", "aeiouy s y i z",
         "12/06/2026  -  [ÀÉÎÕÜÝ] [ſ] [Ÿ] [İ] [ž]"},
        {"12/06/2026  -  a×b", "a÷b", nullptr},
    };
    for (const auto& c : cases) {
        const NoteSearch search(c.typed, std::nullopt);
        EXPECT_EQ(search.matches({c.line, 20261206}), c.found != nullptr) << c.line << c.typed;
        if (c.found) {
            EXPECT_EQ(marked(c.line, search.foundRanges(c.line)), c.found);
        }
    }
}

TEST(NoteSearch, onThisDayFindsTheNotesOfTheDaysMonthAndDayInEveryYear) {
    const struct {
        std::uint32_t note;
        Date day;
        bool found;
    } cases[] = {
        {20231206, {2026, 12, 6}, true},  {20231207, {2026, 12, 6}, false},
        {20231106, {2026, 12, 6}, false}, {20240229, {2025, 2, 28}, true},
        {20240228, {2025, 2, 28}, true},  {20240229, {2024, 2, 28}, false},
        {20240229, {2028, 2, 29}, true},  {20240229, {2025, 3, 1}, false},
        {20240129, {2025, 1, 28}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fallsOnThisDay(c.note, c.day), c.found) << c.note << " " << c.day.day;
    }
    const NoteSearch search("dent", Date{2026, 12, 6});
    const NoteList notes{
        {"dent", 20261206}, {"dent", 20261205}, {"dent", 20251206}, {"cake", 20241206}};
    EXPECT_EQ(search.filter(notes), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(search.filter(notes, std::vector<std::size_t>{1, 2, 3}), std::vector<std::size_t>{2});
}

// A search that only narrows another may look at what that one found alone.
TEST(NoteSearch, narrowsASearchWhoseEveryWordItHoldsWithinOne) {
    const Date day{2026, 12, 6};
    EXPECT_TRUE(NoteSearch("Crèmes tart", {}).narrows(NoteSearch("creme", {})));
    EXPECT_TRUE(NoteSearch("cake", day).narrows(NoteSearch("", day)));
    EXPECT_FALSE(NoteSearch("crem", {}).narrows(NoteSearch("creme", {})));
    EXPECT_FALSE(NoteSearch("creme", day).narrows(NoteSearch("creme", {})));
}

} // namespace
} // namespace almanor
