#include "editor/puzzle_input.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

PuzzleInput Valid() {
    PuzzleInput input;
    input.Title = "  Zoo  ";
    input.Category = "Animals";
    input.Rows = {{"LION", "King of the jungle"}, {"", "dropped clue"}, {" ice cream ", ""}};
    input.AttemptsText = "5x";
    return input;
}

TEST(PuzzleInputTest, SetValuesPacksRowsAndTrims) {
    PuzzleRecord working;
    working.SetWord(3, "OLD");
    working.SetClue(330, "old clue");
    working.SetPlaced(1, true);
    PuzzleInput input = Valid();
    input.Category = "A category longer than twenty";
    input.BonusQuestion = std::string(160, 'b');
    SetValues(input, working);
    EXPECT_EQ(working.Title(), "Zoo");
    EXPECT_EQ(working.Category(), "A category longer th");
    EXPECT_EQ(working.BonusQuestion(), std::string(150, 'b'));
    EXPECT_EQ(working.WordCount(), 2);
    EXPECT_EQ(working.Word(1), "LION");
    EXPECT_EQ(working.Clue(1), "King of the jungle");
    EXPECT_EQ(working.Word(2), "ice cream"); // row 3, with the row-2 clue dropped
    EXPECT_EQ(working.Clue(2), "");
    EXPECT_EQ(working.Word(3), "");
    EXPECT_EQ(working.Clue(330), "");
    EXPECT_TRUE(working.Placed(1)); // untouched
    EXPECT_EQ(GetWordCount(input), 2);
}

TEST(PuzzleInputTest, CreateChecksInOrder) {
    using Field = CreateRefusal::Field;
    struct Case {
        const char* name;
        void (*change)(PuzzleInput&);
        const char* text; // nullptr: accepted
        Field focus;
        int row;
    };
    const Case cases[] = {
        {"valid, attempts 5x", [](PuzzleInput&) {}, nullptr, Field::Title, 0},
        {"blank title", [](PuzzleInput& i) { i.Title = "   "; },
         "No title specified.  Please correct.", Field::Title, 0},
        {"blank category", [](PuzzleInput& i) { i.Category = " "; },
         "No category specified.  Please correct.", Field::Category, 0},
        {"no words",
         [](PuzzleInput& i) {
             i.Rows = {{" ", "clue"}};
         },
         "No words have been entered.  Please correct.", Field::Words, 0},
        {"attempts 0", [](PuzzleInput& i) { i.AttemptsText = "0"; },
         "Attempts must be between 1 and 999.  Please correct.", Field::Attempts, 0},
        {"attempts empty", [](PuzzleInput& i) { i.AttemptsText = ""; },
         "Attempts must be between 1 and 999.  Please correct.", Field::Attempts, 0},
        {"attempts letter", [](PuzzleInput& i) { i.AttemptsText = "x"; },
         "Attempts must be between 1 and 999.  Please correct.", Field::Attempts, 0},
        {"attempts 999", [](PuzzleInput& i) { i.AttemptsText = "999"; }, nullptr, Field::Title, 0},
        {"word as long as the grid",
         [](PuzzleInput& i) {
             i.Rows.push_back({"ABCDEFGHIJKLMNO", ""});
         },
         nullptr, Field::Title, 0},
        {"word one longer",
         [](PuzzleInput& i) {
             i.Rows.push_back({"ABCDEFGHIJKLMNOP", ""});
         },
         "Word is greater than puzzle dimension size of 15 characters in \"ABCDEFGHIJKLMNOP\".",
         Field::Word, 4},
        {"clue of 150", [](PuzzleInput& i) { i.Rows[0].Clue = std::string(150, 'c'); }, nullptr,
         Field::Title, 0},
        {"clue of 151", [](PuzzleInput& i) { i.Rows[2].Clue = std::string(151, 'c'); },
         "The length of the clue for the word \"ice cream\" is 1 characters longer than the "
         "maximum clue size of 150.",
         Field::Clue, 3},
    };
    const ShapeRecord shape = ShapeRecord::Blank("Square", 15, 12);
    for (const Case& c : cases) {
        PuzzleInput input = Valid();
        c.change(input);
        PuzzleRecord working;
        Settings settings;
        std::optional<CreateRefusal> refusal = PrepareCreate(input, shape, working, settings);
        if (c.text == nullptr) {
            EXPECT_FALSE(refusal.has_value()) << c.name << ": " << refusal->Refusal.Text;
            EXPECT_EQ(working.GridWidth(), 15) << c.name;
            EXPECT_EQ(working.GridHeight(), 12) << c.name;
            EXPECT_EQ(working.Title(), "Zoo") << c.name;
            EXPECT_GE(settings.Attempts, 5) << c.name;
            continue;
        }
        ASSERT_TRUE(refusal.has_value()) << c.name;
        EXPECT_EQ(refusal->Refusal, (Message{c.text, "Error"})) << c.name;
        EXPECT_EQ(refusal->Focus, c.focus) << c.name;
        EXPECT_EQ(refusal->Row, c.row) << c.name;
    }
}

TEST(PuzzleInputTest, RefusedWordLeavesTheRecordAndSettingsChanged) {
    PuzzleInput input = Valid();
    input.Rows.push_back({std::string(40, 'W'), ""}); // stored cut to 30, still too long
    PuzzleRecord working;
    Settings settings;
    std::optional<CreateRefusal> refusal =
        PrepareCreate(input, ShapeRecord::Blank("Square", 20, 20), working, settings);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->Refusal.Text,
              "Word is greater than puzzle dimension size of 20 characters in \"" +
                  std::string(30, 'W') + "\".");
    EXPECT_EQ(settings.Attempts, 5);
    EXPECT_EQ(working.WordCount(), 3);
    EXPECT_EQ(working.GridWidth(), 20);
}

} // namespace
} // namespace vorlane
