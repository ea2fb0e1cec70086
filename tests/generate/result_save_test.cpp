#include "generate/hidden_phrase.h"
#include "generate/result_save.h"

#include "core/test_collections.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vorlane {
namespace {

using test::TempDir;

// A grid of free cells (WordGrid spaces) whose FillGrid holds dots.
PuzzleRecord FreeGrid(int width, int height) {
    PuzzleRecord p;
    p.SetGridWidth(static_cast<std::int16_t>(width));
    p.SetGridHeight(static_cast<std::int16_t>(height));
    for (int cell = 1; cell <= PuzzleRecord::kCellCount; ++cell) {
        p.SetWordGridCell(cell, ' ');
        p.SetFillGridCell(cell, '.');
    }
    return p;
}

void PlaceAcross(CandidateSlot& slot, int entry, std::string_view word, int row, int column) {
    PuzzleRecord& p = slot.Puzzle;
    for (std::size_t i = 0; i < word.size(); ++i)
        p.SetWordGridCell(PuzzleRecord::CellIndex(row, column + static_cast<int>(i)),
                          static_cast<unsigned char>(word[i]));
    p.SetWord(entry, word);
    p.SetStartCell(entry, static_cast<std::int16_t>(PuzzleRecord::CellIndex(row, column)));
    p.SetEndCell(entry, static_cast<std::int16_t>(PuzzleRecord::CellIndex(
                            row, column + static_cast<int>(word.size()) - 1)));
    slot.Placed[static_cast<std::size_t>(entry - 1)] = true;
}

// A 10 x 10 candidate with a hole, the placed words CAT and DOG and, when asked, the word
// ZEBRAFISHES that did not fit. Its Placed field holds junk, as a builder's copy may.
CandidateSlot Candidate(bool withMissingWord = false) {
    CandidateSlot slot;
    slot.Score = 2;
    PuzzleRecord& p = slot.Puzzle;
    p = FreeGrid(10, 10);
    p.SetCategory("Animals");
    p.SetTitle("Farm");
    p.SetVersion("2.9xy");
    p.SetWordGridCell(PuzzleRecord::CellIndex(10, 10), 0);
    PlaceAcross(slot, 1, "CAT", 5, 2);
    PlaceAcross(slot, 2, "DOG", 8, 6);
    p.SetWordCount(2);
    if (withMissingWord)
        p.SetWord(3, "ZEBRAFISHES");
    for (int entry = 1; entry <= PuzzleRecord::kMaxWords; ++entry)
        p.SetPlaced(entry, true);
    return slot;
}
constexpr int kCandidateFreeCells = 100 - 1 - 6;

// The letters a first random fill of the candidate draws with this seed, in row order.
std::string FirstFill(std::uint64_t seed, int freeCells) {
    RandomSource random(seed);
    std::string letters;
    for (int i = 0; i < freeCells; ++i)
        letters.push_back(static_cast<char>(random.Random(26) + 65));
    return letters;
}

struct Asked {
    std::vector<Message> Questions;
    std::vector<bool> Answers; // answered in turn; Yes once they run out
    SaveQuestion Ask() {
        return [this](const Message& m) {
            const std::size_t n = Questions.size();
            Questions.push_back(m);
            return n < Answers.size() ? Answers[n] : true;
        };
    }
};

class ResultSave : public ::testing::Test {
protected:
    SaveOutcome Save(const CandidateSlot& slot, int entered, const PhraseChoice& phrase,
                     std::uint64_t seed = 7) {
        RandomSource random(seed);
        return SaveChosenResult(working, slot, entered, phrase, list, random, file, &lists,
                                asked.Ask());
    }

    TempDir dir;
    CollectionFile file{dir.File("PUZZLES.VL3")};
    PuzzleLists lists;
    OffensiveWordList list;
    Asked asked;
    PuzzleRecord working;
};

TEST(HiddenPhrase, FreeCellsAreTheSpacesInsideTheGrid) {
    CandidateSlot slot = Candidate();
    EXPECT_EQ(FreeCellCount(slot.Puzzle), kCandidateFreeCells);
    slot.Puzzle.SetGridWidth(60); // taken as 50; the cells beyond column 10 are free
    EXPECT_EQ(FreeCellCount(slot.Puzzle), kCandidateFreeCells + 40 * 10);
    EXPECT_EQ(FreeCellLabel(93), "93 Chars");
}

TEST(HiddenPhrase, LayingAPhrase) {
    // Six free cells: row 1 of a 4 x 2 grid with its last two cells covered, and row 2.
    PuzzleRecord p = FreeGrid(4, 2);
    p.SetWordGridCell(3, 'X');
    p.SetWordGridCell(4, 'Y');
    ASSERT_EQ(FreeCellCount(p), 6);
    struct Case {
        std::string Text;
        std::string Laid; // the free cells' letters afterwards
        std::optional<Message> Refused;
    };
    const Message spaces{"Spaces were used in the hidden phrase.", "Error"};
    const std::vector<Case> cases = {
        {"  he\xe9loz ", "HE\xe9LOZ", std::nullopt},
        {"abc de", "......", spaces},
        {"abc def", "......", spaces},
        {"abcde", "......",
         Message{"6 characters are required for the hidden phrase.  You have entered 5 "
                 "characters.  Please change your phrase or select not to use a phrase.",
                 "Error"}},
        {"abcdefg", "......",
         Message{"6 characters are required for the hidden phrase.  You have entered 7 "
                 "characters.  Please change your phrase or select not to use a phrase.",
                 "Error"}},
    };
    for (const Case& c : cases) {
        PuzzleRecord laid = p;
        EXPECT_EQ(LayHiddenPhrase(laid, c.Text, PhraseWindowKind::ResultWindow), c.Refused)
            << c.Text;
        EXPECT_EQ(FreeCellLetters(laid), c.Laid) << c.Text;
        EXPECT_EQ(laid.FillGridCell(3), '.') << "covered cells get nothing";
    }
    EXPECT_EQ(LayHiddenPhrase(p, "a b", PhraseWindowKind::PhraseWindow),
              (Message{"Spaces were used in the hidden phrase.  Please correct.", "Error"}));
}

TEST(HiddenPhrase, RandomLettersFillEveryFreeCell) {
    CandidateSlot slot = Candidate();
    RandomSource random(3);
    FillRandomLetters(slot.Puzzle, random);
    EXPECT_EQ(FreeCellLetters(slot.Puzzle), FirstFill(3, kCandidateFreeCells));
    EXPECT_EQ(slot.Puzzle.FillGridCell(PuzzleRecord::CellIndex(5, 2)), '.');
    EXPECT_EQ(slot.Puzzle.FillGridCell(PuzzleRecord::CellIndex(10, 10)), '.');
    EXPECT_EQ(slot.Puzzle.FillGridCell(PuzzleRecord::CellIndex(1, 11)), '.');
}

TEST(HiddenPhraseChange, AllowsAPhraseForUpTo255FreeCells) {
    for (const int freeCells : {255, 256}) {
        PuzzleRecord working = FreeGrid(16, 16); // 256 free cells
        if (freeCells == 255)
            working.SetWordGridCell(1, 'Q');
        working.SetHiddenPhraseUsed(true);
        HiddenPhraseChange change(working);
        EXPECT_EQ(change.FreeCells(), freeCells);
        EXPECT_EQ(change.PhraseEnabled(), freeCells == 255);
        EXPECT_EQ(change.IncludeTickedAtStart(), freeCells == 255);
        EXPECT_EQ(change.CurrentPhrase(), std::string(static_cast<std::size_t>(freeCells), '.'));

        // With the phrase disabled, even a ticked box gives random letters.
        RandomSource random(5);
        EXPECT_EQ(change.Ok(true, std::string(static_cast<std::size_t>(freeCells), 'k'), random),
                  std::nullopt);
        change.ApplyTo(working);
        EXPECT_EQ(working.HiddenPhraseUsed(), freeCells == 255);
        EXPECT_EQ(FreeCellLetters(working),
                  freeCells == 255 ? std::string(255, 'K') : FirstFill(5, 256));
    }
}

TEST(HiddenPhraseChange, ChangesReachTheWorkingRecordOnlyAfterOk) {
    PuzzleRecord working = FreeGrid(3, 2);
    working.SetWordGridCell(2, 'W');
    working.SetTitle("Kept");
    const PuzzleRecord before = working;
    RandomSource random(1);

    HiddenPhraseChange change(working);
    EXPECT_EQ(change.CountLabel(), "5 Chars");
    EXPECT_FALSE(change.IncludeTickedAtStart());
    EXPECT_EQ(change.Ok(true, "ab cd", random),
              (Message{"Spaces were used in the hidden phrase.  Please correct.", "Error"}));
    EXPECT_FALSE(change.OkPressed());
    change.ApplyTo(working);
    EXPECT_EQ(working, before) << "a refused phrase, then Cancel, changes nothing";

    EXPECT_EQ(change.Ok(true, "hello", random), std::nullopt);
    EXPECT_TRUE(change.OkPressed());
    working.SetTitle("Changed meanwhile");
    change.ApplyTo(working);
    EXPECT_TRUE(working.HiddenPhraseUsed());
    EXPECT_EQ(FreeCellLetters(working), "HELLO");
    EXPECT_EQ(working.Title(), "Changed meanwhile") << "only FillGrid and the flag go back";

    HiddenPhraseChange again(working);
    EXPECT_TRUE(again.IncludeTickedAtStart());
    EXPECT_EQ(again.CurrentPhrase(), "HELLO");
    EXPECT_EQ(again.Ok(false, "HELLO", random), std::nullopt);
    again.ApplyTo(working);
    EXPECT_FALSE(working.HiddenPhraseUsed());
    const std::string letters = FreeCellLetters(working);
    EXPECT_TRUE(
        std::all_of(letters.begin(), letters.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
}

TEST(ResultWindowLists, WordsAndLabelsOfASlot) {
    CandidateSlot slot = Candidate(true);
    const SlotWords words = ListSlotWords(slot, 3);
    EXPECT_EQ(words.Included, (std::vector<std::string>{"CAT", "DOG"}));
    EXPECT_EQ(words.Excluded, (std::vector<std::string>{"ZEBRAFISHES"}));
    EXPECT_TRUE(ListSlotWords(slot, 2).Excluded.empty());

    EXPECT_EQ(IncludedWordsLabel(1), "1 Included Word");
    EXPECT_EQ(IncludedWordsLabel(3), "3 Included Words");
    EXPECT_EQ(ExcludedWordsLabel(0), "0 Excluded Words");
    EXPECT_EQ(ExcludedWordsLabel(1), "1 Excluded Word");
}

TEST_F(ResultSave, RandomLettersMarkAppendAndSelectTheNewPuzzle) {
    test::WriteCollection(file.Path(), {test::MakeRecord("Birds", "Owls")});
    const CandidateSlot slot = Candidate();
    const SaveOutcome outcome = Save(slot, 2, {});
    ASSERT_EQ(outcome.Status, SaveStatus::Saved);
    EXPECT_EQ(outcome.Shown, std::nullopt);
    EXPECT_EQ(outcome.FillTries, 1);
    EXPECT_TRUE(asked.Questions.empty());

    EXPECT_EQ(FreeCellLetters(working), FirstFill(7, kCandidateFreeCells));
    EXPECT_FALSE(working.HiddenPhraseUsed());
    EXPECT_TRUE(working.Generated());
    EXPECT_EQ(working.Version(), "3.0d");
    EXPECT_EQ(working.Data()[5], 'y') << "the version's sixth byte is kept";
    for (int entry = 1; entry <= PuzzleRecord::kMaxWords; ++entry)
        EXPECT_EQ(working.Placed(entry), entry <= 2) << entry;

    ASSERT_EQ(file.Count(), 2);
    PuzzleRecord stored;
    ASSERT_TRUE(file.Read(1, stored));
    EXPECT_EQ(stored, working);
    const SortedList& categories = lists.CategoryBox();
    ASSERT_GE(categories.Selected(), 0);
    EXPECT_EQ(categories.Text(categories.Selected()), "Animals");
    ASSERT_GE(lists.PuzzleBox().Selected(), 0);
    EXPECT_EQ(lists.PuzzleBox().Text(lists.PuzzleBox().Selected()), "Farm");
    EXPECT_EQ(lists.SelectedRecord(), 1);
}

TEST_F(ResultSave, RandomLettersAreDrawnAgainWhileTheySpellAnOffensiveWord) {
    const CandidateSlot slot = Candidate();
    ASSERT_TRUE(list.Add(FirstFill(7, 3))); // the first three letters of the first fill
    const SaveOutcome outcome = Save(slot, 2, {});
    ASSERT_EQ(outcome.Status, SaveStatus::Saved);
    EXPECT_GE(outcome.FillTries, 2);
    EXPECT_FALSE(TestBadWords(working, slot.Placed, list));
    EXPECT_EQ(file.Count(), 1);
}

TEST_F(ResultSave, GivesUpAfter200OffensiveFills) {
    const CandidateSlot slot = Candidate();
    for (char c = 'A'; c <= 'Z'; ++c)
        ASSERT_TRUE(list.Add(std::string(1, c)));
    const SaveOutcome outcome = Save(slot, 2, {});
    EXPECT_EQ(outcome.Status, SaveStatus::FillFailed);
    EXPECT_EQ(outcome.FillTries, 200);
    ASSERT_TRUE(outcome.Shown.has_value());
    EXPECT_EQ(outcome.Shown->Caption, "Error");
    EXPECT_TRUE(asked.Questions.empty());
    EXPECT_EQ(file.Count(), 0);
}

TEST_F(ResultSave, RandomLettersMustNotSpellAListedWordAgain) {
    // The first fill spells the missing word's letters at the start of row 1.
    CandidateSlot slot = Candidate(true);
    const std::string first = FirstFill(7, 3);
    slot.Puzzle.SetWord(3,
                        std::string(1, static_cast<char>(first[0] + 32)) + " " + first.substr(1));
    const SaveOutcome unlisted = Save(slot, 2, {});
    ASSERT_EQ(unlisted.Status, SaveStatus::Saved);
    EXPECT_EQ(unlisted.FillTries, 1) << "the word counts only when it is listed";

    const SaveOutcome outcome = Save(slot, 3, {});
    ASSERT_EQ(outcome.Status, SaveStatus::Saved);
    EXPECT_GE(outcome.FillTries, 2);
    EXPECT_FALSE(outcome.RepeatKept);
    EXPECT_FALSE(GridWordSearch({first}).FindThroughFreeCell(working));
}

TEST_F(ResultSave, After200FillsARepeatedWordIsKeptButNoOffensiveOne) {
    // One free cell after CAT: every letter there spells one of AT?, all of them listed;
    // the letters A..M are offensive entries, so the letter kept is one of N..Z.
    CandidateSlot slot;
    slot.Score = 1;
    slot.Puzzle = FreeGrid(4, 1);
    PlaceAcross(slot, 1, "CAT", 1, 1);
    slot.Puzzle.SetWordCount(1);
    for (int i = 0; i < 26; ++i)
        slot.Puzzle.SetWord(2 + i, std::string("AT") + static_cast<char>('A' + i));
    for (char c = 'A'; c <= 'M'; ++c)
        ASSERT_TRUE(list.Add(std::string(1, c)));

    // A seed whose 200th draw is kept, and differs from the last one kept before it, so
    // that a save drawing one set more or fewer would keep another letter.
    std::uint64_t seed = 0;
    unsigned char kept = 0;
    for (unsigned char before = 0; kept < 'N' || kept == before;) {
        RandomSource draws(++seed);
        before = 0;
        for (int i = 0; i < 199; ++i)
            if (const int letter = draws.Random(26) + 65; letter >= 'N')
                before = static_cast<unsigned char>(letter);
        kept = static_cast<unsigned char>(draws.Random(26) + 65);
    }

    const SaveOutcome outcome = Save(slot, 27, {}, seed);
    ASSERT_EQ(outcome.Status, SaveStatus::Saved);
    EXPECT_EQ(outcome.FillTries, 200);
    EXPECT_TRUE(outcome.RepeatKept);
    EXPECT_EQ(working.FillGridCell(4), kept);
    EXPECT_EQ(asked.Questions.size(), 1u) << "only the question about the missing words";
}

TEST_F(ResultSave, MissingWordsAreAskedAbout) {
    const CandidateSlot slot = Candidate(true);
    const Message question{"One or more words did not fit into the puzzle.  Save Puzzle anyway?",
                           "Warning"};
    asked.Answers = {false};
    const SaveOutcome declined = Save(slot, 3, {});
    EXPECT_EQ(declined.Status, SaveStatus::NotSaved);
    EXPECT_EQ(asked.Questions, std::vector<Message>{question});
    EXPECT_EQ(file.Count(), 0);
    EXPECT_TRUE(working.Generated()) << "the record is marked all the same";
    EXPECT_TRUE(working.Placed(2));
    EXPECT_FALSE(working.Placed(3));

    const SaveOutcome saved = Save(slot, 3, {});
    EXPECT_EQ(saved.Status, SaveStatus::Saved);
    EXPECT_EQ(asked.Questions.size(), 2u);
    EXPECT_EQ(file.Count(), 1);
}

TEST_F(ResultSave, HiddenPhrase) {
    const CandidateSlot slot = Candidate();
    std::string phrase(kCandidateFreeCells, 'q');
    const SaveOutcome saved = Save(slot, 2, {true, "  " + phrase + " "});
    ASSERT_EQ(saved.Status, SaveStatus::Saved);
    EXPECT_EQ(saved.FillTries, 0);
    EXPECT_TRUE(asked.Questions.empty());
    EXPECT_TRUE(working.HiddenPhraseUsed());
    EXPECT_EQ(FreeCellLetters(working), std::string(kCandidateFreeCells, 'Q'));

    const SaveOutcome refused = Save(slot, 2, {true, "a b"});
    EXPECT_EQ(refused.Status, SaveStatus::PhraseRefused);
    EXPECT_EQ(refused.Shown, (Message{"Spaces were used in the hidden phrase.", "Error"}));
    EXPECT_EQ(file.Count(), 1);
}

TEST_F(ResultSave, AnOffensivePhraseIsAskedAbout) {
    const CandidateSlot slot = Candidate();
    const std::string phrase = "tramp" + std::string(kCandidateFreeCells - 5, 'q');
    const Message question{"The hidden phrase used has generated an \"offensive\" word in the "
                           "puzzle.  Would you like to change the phrase?",
                           "Warning"};
    asked.Answers = {true, false};
    const SaveOutcome change = Save(slot, 2, {true, phrase});
    EXPECT_EQ(change.Status, SaveStatus::ChangePhrase);
    EXPECT_EQ(file.Count(), 0);
    EXPECT_TRUE(working.HiddenPhraseUsed());

    const SaveOutcome kept = Save(slot, 2, {true, phrase});
    EXPECT_EQ(kept.Status, SaveStatus::Saved);
    EXPECT_EQ(asked.Questions, (std::vector<Message>{question, question}));
    EXPECT_EQ(FreeCellLetters(working).substr(0, 5), "TRAMP");
    EXPECT_EQ(file.Count(), 1);
}

TEST_F(ResultSave, FailuresToWriteAndEmptySlots) {
    CollectionFile unreachable(dir.File("missing/PUZZLES.VL3"));
    RandomSource random(1);
    const SaveOutcome cannot = SaveChosenResult(working, Candidate(), 2, {}, list, random,
                                                unreachable, &lists, asked.Ask());
    EXPECT_EQ(cannot.Status, SaveStatus::CannotOpen);
    EXPECT_EQ(cannot.Shown, (Message{"Unable to save puzzle.", "Error"}));
    EXPECT_FALSE(lists.HasPendingSelection());

    working.SetTitle("Untouched");
    CandidateSlot empty = Candidate();
    empty.Score = 0;
    const SaveOutcome none = Save(empty, 2, {});
    EXPECT_EQ(none.Status, SaveStatus::NoCandidate);
    EXPECT_EQ(working.Title(), "Untouched");
    EXPECT_EQ(file.Count(), 0);
}

TEST_F(ResultSave, WithoutAListTheRecordIsOnlyAppended) {
    RandomSource random(1);
    const SaveOutcome outcome =
        SaveChosenResult(working, Candidate(true), 3, {}, list, random, file, nullptr, nullptr);
    EXPECT_EQ(outcome.Status, SaveStatus::Saved) << "without a prompter the save goes on";
    EXPECT_EQ(file.Count(), 1);
}

} // namespace
} // namespace vorlane
