#include "render/word_list_treatments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vorlane {
namespace {

TEST(WordListTreatments, PartialWords) {
    struct Case {
        const char* Text;
        int First, Last;
        bool Underscore;
        std::string Expected;
    } cases[] = {
        {"ELEPHANT", 1, 1, false, "E...T"},
        {"ELEPHANT", 1, 1, true, "E _ _ _ _ _ _ T"},
        {"CAT", 1, 1, false, "C...T"},
        {"CAT", 1, 1, true, "C _ T"},
        {"CAT", 3, 1, false, "CAT"},
        {"CAT", 3, 1, true, "CAT"},
        {"CAT", 2, 5, false, "CAT"},
        {"ELEPHANT", 0, 0, false, "..."},
        {"ELEPHANT", 2, 3, false, "EL...ANT"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCD", 1, 1, true, ""}, // 59 characters, set below
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCD", 0, 0, true, ""}, // 61 cut to 60, set below
    };
    std::string underscores28, underscores30;
    for (int i = 0; i < 28; ++i)
        underscores28 += " _";
    for (int i = 0; i < 30; ++i)
        underscores30 += " _";
    cases[9].Expected = "A" + underscores28 + " D";
    cases[10].Expected = underscores30; // 61 cut to 60
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(PartialText(c.Text, c.First, c.Last, c.Underscore), c.Expected);
    }
    EXPECT_EQ(PartialText("ABCDEFGHIJKLMNOPQRSTUVWXYZABCD", 0, 0, true).size(), 60u);
}

TEST(WordListTreatments, WorkingTextsAndNormalOrder) {
    EXPECT_EQ(MakeWorkingText("ice Cream\xE9", 4), (WorkingText{"ICE CREAM\xE9", 4}));
    std::vector<WorkingText> texts{{"ZEBRA", 1},   {"CATS", 2}, {"CAT", 3},
                                   {"\xC9LAN", 4}, {"ANT", 5},  {"CAT", 6}};
    SortWorkingTexts(texts);
    std::vector<int> order;
    for (const WorkingText& t : texts)
        order.push_back(t.Entry);
    EXPECT_EQ(order, (std::vector<int>{5, 3, 6, 2, 1, 4})); // byte 201 after Z
}

TEST(WordListTreatments, ScrambleKeepsTheLettersAndRepeatsWithTheSeed) {
    for (const char* word : {"ELEPHANT", "ICE CREAM", "A", "", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD"}) {
        SCOPED_TRACE(word);
        RandomSource a(123), b(123);
        const std::string first = ScrambleText(word, a);
        EXPECT_EQ(ScrambleText(word, b), first);
        std::string expected = word;
        for (char& c : expected)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + 32);
        std::string sorted = first;
        std::ranges::sort(sorted);
        std::ranges::sort(expected);
        EXPECT_EQ(sorted, expected);
    }
    // Across seeds the order changes.
    std::set<std::string> seen;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        RandomSource random(seed);
        seen.insert(ScrambleText("ELEPHANT", random));
    }
    EXPECT_GT(seen.size(), 5u);
}

TEST(WordListTreatments, ClueTexts) {
    EXPECT_EQ(ClueText("CAT", "A pet", false, false), "A pet");
    EXPECT_EQ(ClueText("CAT", "A pet", true, true), "(CAT) A pet");
    EXPECT_EQ(ClueText("CAT", "A pet", false, true), "(_ _ _) A pet");
    EXPECT_EQ(ClueText("ICE CREAM", "", false, true), "(_ _ _ _ _ _ _ _ _) ");
}

} // namespace
} // namespace vorlane
