#include "generate/grid_builder.h"

#include "core/text.h"
#include "generate/reference_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace vorlane {
namespace {

constexpr DirectionSet kAllDirections{true, true, true, true, true, true, true, true};

// Direction numbers 1..8 clockwise from Up, as the builder tries them.
constexpr int kStep[9] = {0, -50, -49, 1, 51, 50, 49, -1, -51};

struct BuildRun {
    std::unique_ptr<CandidateSlots> Slots = std::make_unique<CandidateSlots>();
    BuildOutcome Outcome;
    std::vector<int> Started; // the attempt numbers reported, in order
};

PuzzleRecord WordList(int width, int height, const std::vector<std::string>& words) {
    PuzzleRecord record;
    record.SetGridWidth(static_cast<std::int16_t>(width));
    record.SetGridHeight(static_cast<std::int16_t>(height));
    for (std::size_t i = 0; i < words.size(); ++i) {
        record.SetWord(static_cast<int>(i) + 1, words[i]);
        record.SetClue(static_cast<int>(i) + 1, "clue of " + words[i]);
    }
    record.SetWordCount(static_cast<std::int16_t>(words.size()));
    return record;
}

CreateOptions Options(int integration, int attempts, DirectionSet directions = kAllDirections,
                      bool shrink = false) {
    CreateOptions options;
    options.Directions = directions;
    options.Integration = integration;
    options.Attempts = attempts;
    options.Shrink = shrink;
    return options;
}

// A shape of width x height in which only the listed (row, column) cells belong.
ShapeRecord OnlyCells(int width, int height, const std::vector<std::pair<int, int>>& cells) {
    ShapeRecord shape = ShapeRecord::Blank("Cells", width, height);
    for (int p = 1; p <= ShapeRecord::kCellCount; ++p)
        shape.SetCell(p, false);
    for (auto [row, column] : cells)
        shape.SetCell(row, column, true);
    return shape;
}

BuildRun Build(PuzzleRecord& working, const ShapeRecord& shape, const CreateOptions& options,
               RandomSource& random, const OffensiveWordList& filter = OffensiveWordList(),
               std::function<bool()> abort = nullptr) {
    BuildRun run;
    BuildProgress progress;
    progress.AttemptStarted = [&run](int attempt) { run.Started.push_back(attempt); };
    progress.AbortRequested = abort ? abort : [] { return false; };
    run.Outcome = BuildThePuzzles(working, shape, options, filter, random, *run.Slots, &progress);
    return run;
}

std::string Letters(std::string_view word) {
    std::string letters;
    for (char c : word)
        if (c != ' ')
            letters += static_cast<char>(UpperCase1252(static_cast<unsigned char>(c)));
    return letters;
}

// The cells a placed entry covers, from its start cell, end cell and letter count; empty
// when they describe no straight line inside the rows and columns 1..50.
std::vector<int> CoveredCells(const PuzzleRecord& p, int entry) {
    const int length = static_cast<int>(Letters(p.Word(entry)).size());
    const int start = p.StartCell(entry);
    const int end = p.EndCell(entry);
    if (length == 1)
        return start == end ? std::vector<int>{start} : std::vector<int>{};
    for (int d = 1; d <= 8; ++d) {
        if (end - start != (length - 1) * kStep[d])
            continue;
        const int dr = kStep[d] > 1 ? 1 : kStep[d] < -1 ? -1 : 0;
        const int dc = kStep[d] - 50 * dr;
        const int row = PuzzleRecord::CellRow(start), column = PuzzleRecord::CellColumn(start);
        const int lastRow = row + dr * (length - 1), lastColumn = column + dc * (length - 1);
        if (start < 1 || lastRow < 1 || lastRow > 50 || lastColumn < 1 || lastColumn > 50)
            continue;
        std::vector<int> cells;
        for (int k = 0; k < length; ++k)
            cells.push_back(start + k * kStep[d]);
        return cells;
    }
    return {};
}

int LetterCells(const PuzzleRecord& p) {
    int count = 0;
    for (int cell = 1; cell <= PuzzleRecord::kCellCount; ++cell)
        count += p.WordGridCell(cell) != 0 && p.WordGridCell(cell) != ' ' ? 1 : 0;
    return count;
}

// Everything a kept candidate must show, whoever built it: the placed words first and the
// others after them, each group in byte order, with the input's words and clues; each placed
// word's letters along its line inside the shape; no other letters; holes 0; free cells and
// FillGrid spaces; the bytes outside grids, sizes and word entries untouched.
void ExpectCandidate(const CandidateSlot& slot, const PuzzleRecord& input, const ShapeRecord& shape,
                     bool shrink) {
    const PuzzleRecord& p = slot.Puzzle;
    ASSERT_GT(slot.Score, 0);
    ASSERT_EQ(p.WordCount(), slot.Score);
    std::multimap<std::string, std::string> given, kept;
    for (int e = 1; e <= input.UsedWordCount(); ++e)
        if (!input.Word(e).empty())
            given.emplace(input.Word(e), input.Clue(e));
    const int n = static_cast<int>(given.size());
    for (int e = 1; e <= n; ++e)
        kept.emplace(p.Word(e), p.Clue(e));
    EXPECT_EQ(kept, given);
    for (int e = 1; e <= PuzzleRecord::kMaxWords; ++e)
        EXPECT_EQ(slot.Placed[static_cast<std::size_t>(e - 1)], e <= slot.Score) << e;
    for (int e = 2; e <= n; ++e)
        if (e != slot.Score + 1) {
            EXPECT_LE(p.Word(e - 1), p.Word(e)) << e;
        }

    std::vector<int> covered(PuzzleRecord::kCellCount + 1, 0);
    const int width = input.UsedWidth(), height = input.UsedHeight();
    for (int e = 1; e <= slot.Score; ++e) {
        const std::string letters = Letters(p.Word(e));
        if (letters.empty())
            continue;
        const std::vector<int> cells = CoveredCells(p, e);
        ASSERT_EQ(cells.size(), letters.size()) << p.Word(e);
        for (std::size_t k = 0; k < cells.size(); ++k) {
            EXPECT_LE(PuzzleRecord::CellRow(cells[k]), height);
            EXPECT_LE(PuzzleRecord::CellColumn(cells[k]), width);
            EXPECT_EQ(p.WordGridCell(cells[k]), static_cast<unsigned char>(letters[k]));
            covered[static_cast<std::size_t>(cells[k])] = 1;
        }
    }
    int lastRow = 1, lastColumn = 1;
    for (int cell = 1; cell <= PuzzleRecord::kCellCount; ++cell) {
        const unsigned char held = p.WordGridCell(cell);
        if (!shape.Cell(cell)) {
            EXPECT_EQ(held, 0) << cell;
        } else if (!covered[static_cast<std::size_t>(cell)]) {
            EXPECT_EQ(held, ' ') << cell;
        }
        if (covered[static_cast<std::size_t>(cell)]) {
            lastRow = std::max(lastRow, PuzzleRecord::CellRow(cell));
            lastColumn = std::max(lastColumn, PuzzleRecord::CellColumn(cell));
        }
        EXPECT_EQ(p.FillGridCell(cell), ' ');
    }
    EXPECT_EQ(p.GridWidth(), shrink ? lastColumn : input.GridWidth());
    EXPECT_EQ(p.GridHeight(), shrink ? lastRow : input.GridHeight());
    EXPECT_EQ(std::memcmp(p.Data(), input.Data(), PuzzleRecord::kGridWidthOffset), 0);
    EXPECT_EQ(std::memcmp(p.Data() + PuzzleRecord::kPlacedOffset,
                          input.Data() + PuzzleRecord::kPlacedOffset,
                          PuzzleRecord::kSize - PuzzleRecord::kPlacedOffset),
              0);
}

// A random creation run: shape, record bytes, word list, options and offensive words.
struct Case {
    PuzzleRecord Working;
    ShapeRecord Shape;
    CreateOptions Options;
    OffensiveWordList Filter;
};

Case RandomCase(std::uint32_t number) {
    std::mt19937 g(number);
    auto pick = [&g](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); };
    Case c;
    const int shapeKind = pick(0, 2);
    int width = pick(5, pick(0, 3) == 0 ? 30 : 14);
    int height = shapeKind == 1 ? pick(5, 30) : width;
    if (shapeKind == 1 && pick(0, 1) == 0)
        width = pick(5, 30);
    c.Shape = ShapeRecord::Blank("Case", width, height);
    if (shapeKind == 2) {
        const int holes = pick(1, width * height / 3);
        for (int i = 0; i < holes; ++i)
            c.Shape.SetCell(pick(1, height), pick(1, width), false);
        for (int p = 1; p <= ShapeRecord::kCellCount; ++p)
            if (pick(0, 3) == 0)
                c.Shape.SetCell(p, false);
    }

    // Junk everywhere, so that every byte the builder must keep or move is checked.
    for (std::size_t i = 0; i < PuzzleRecord::kSize; ++i)
        c.Working.Data()[i] = static_cast<unsigned char>(pick(0, 255));
    c.Working.SetGridWidth(static_cast<std::int16_t>(width));
    c.Working.SetGridHeight(static_cast<std::int16_t>(height));

    std::string alphabet;
    const int alphabetKind = pick(0, 3);
    switch (alphabetKind) {
    case 0:
        alphabet = "ab";
        break;
    case 1:
        alphabet = "abcDE \xE9\xC9";
        break;
    case 2:
        alphabet = "etaoinshrdluETAOIN  ";
        break;
    default:
        for (int b = 'a'; b <= 'z'; ++b)
            alphabet += static_cast<char>(b);
        for (int b = 224; b <= 254; ++b)
            alphabet += static_cast<char>(b);
        alphabet += "  XYZ\xF7\xFF";
    }
    const int count = pick(0, 9) == 0 ? pick(0, 330) : pick(0, 30);
    const int longest = pick(0, 2) == 0 ? 30 : pick(1, 8);
    std::vector<std::string> words;
    for (int e = 1; e <= count; ++e) {
        std::string word;
        const int kind = pick(0, 19);
        if (kind == 0 && !words.empty()) {
            word = words[static_cast<std::size_t>(pick(0, static_cast<int>(words.size()) - 1))];
        } else if (kind == 1) {
            word = ""; // an empty row
        } else if (kind == 2) {
            word = std::string(static_cast<std::size_t>(pick(1, 3)), ' ');
        } else {
            for (int n = pick(1, longest); n > 0; --n)
                word += alphabet[static_cast<std::size_t>(
                    pick(0, static_cast<int>(alphabet.size()) - 1))];
        }
        words.push_back(word);
        c.Working.SetWord(e, word);
        std::string clue;
        for (int n = pick(0, 150); n > 0; --n)
            clue += static_cast<char>(pick(32, 255));
        c.Working.SetClue(e, clue);
    }
    c.Working.SetWordCount(static_cast<std::int16_t>(count));

    DirectionSet& d = c.Options.Directions;
    const int on = pick(0, 9) == 0 ? 0 : pick(1, 8);
    bool* flags[8] = {&d.Up,   &d.UpRight,  &d.Right, &d.DownRight,
                      &d.Down, &d.DownLeft, &d.Left,  &d.UpLeft};
    for (bool* flag : flags)
        *flag = pick(1, 8) <= on;
    c.Options.Integration = pick(0, 6);
    c.Options.Attempts = pick(1, 8);
    c.Options.Shrink = pick(0, 1) == 1;
    // Offensive words that some grids hold and others do not.
    if (alphabetKind >= 2 && pick(0, 2) == 0)
        for (int n = pick(1, 2); n > 0; --n) {
            std::string entry;
            for (int k = 3; k > 0; --k)
                entry += alphabet[static_cast<std::size_t>(
                    pick(0, static_cast<int>(alphabet.size()) - 1))];
            c.Filter.Add(AsciiUpperCase(UpperCase1252(entry)));
        }
    return c;
}

TEST(GridBuilder, AgreesWithTheReferenceOverRandomRuns) {
    int kept = 0, rejected = 0;
    for (std::uint32_t number = 1; number <= 1000; ++number) {
        SCOPED_TRACE("case " + std::to_string(number));
        Case c = RandomCase(number);
        const PuzzleRecord input = c.Working;
        PuzzleRecord otherWorking = c.Working;

        RandomSource random(number * 7919ULL);
        BuildRun run = Build(c.Working, c.Shape, c.Options, random, c.Filter);

        RandomSource otherRandom(number * 7919ULL);
        auto otherSlots = std::make_unique<CandidateSlots>();
        std::vector<int> otherStarted;
        BuildProgress progress;
        progress.AttemptStarted = [&otherStarted](int a) { otherStarted.push_back(a); };
        progress.AbortRequested = [] { return false; };
        const BuildOutcome other = test::ReferenceBuildThePuzzles(
            otherWorking, c.Shape, c.Options, c.Filter, otherRandom, *otherSlots, &progress);

        ASSERT_EQ(run.Outcome.LastAttempt, other.LastAttempt);
        ASSERT_EQ(run.Outcome.Aborted, other.Aborted);
        ASSERT_EQ(run.Outcome.GivenUpAttempts, other.GivenUpAttempts);
        ASSERT_EQ(run.Started, otherStarted);
        for (std::size_t s = 0; s < 4; ++s) {
            const CandidateSlot& mine = (*run.Slots)[s];
            const CandidateSlot& theirs = (*otherSlots)[s];
            ASSERT_EQ(mine.Score, theirs.Score) << "slot " << s + 1;
            ASSERT_TRUE(mine.Puzzle == theirs.Puzzle) << "slot " << s + 1;
            ASSERT_EQ(mine.Placed, theirs.Placed) << "slot " << s + 1;
            if (mine.Score > 0) {
                ++kept;
                ExpectCandidate(mine, input, c.Shape, c.Options.Shrink);
            }
        }
        ASSERT_TRUE(c.Working == input);
        ASSERT_TRUE(otherWorking == input);
        for (int i = 0; i < 4; ++i)
            ASSERT_EQ(random.Random(1 << 30), otherRandom.Random(1 << 30));
        for (std::size_t i = 1; i < run.Started.size(); ++i)
            rejected += run.Started[i] <= run.Started[i - 1] ? 1 : 0;
    }
    // The cases reach kept candidates and rejected attempts alike.
    EXPECT_GT(kept, 1000);
    EXPECT_GT(rejected, 10);
}

// The cells of each placed word of words (all different), in the order the builder lays
// them: longer words first, equal lengths in list order.
std::vector<std::vector<int>> CellsInLayingOrder(const CandidateSlot& slot,
                                                 std::vector<std::string> words) {
    std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        return a.size() > b.size();
    });
    std::vector<std::vector<int>> laid;
    for (const std::string& word : words)
        for (int e = 1; e <= slot.Score; ++e)
            if (slot.Puzzle.Word(e) == word)
                laid.push_back(CoveredCells(slot.Puzzle, e));
    return laid;
}

// The largest number of cells a word shares with the words laid before it.
int MostCrossingsWhenLaid(const std::vector<std::vector<int>>& laid) {
    int most = 0;
    std::vector<int> taken(PuzzleRecord::kCellCount + 1, 0);
    for (const std::vector<int>& cells : laid) {
        int crossings = 0;
        for (int cell : cells)
            crossings += taken[static_cast<std::size_t>(cell)];
        most = std::max(most, crossings);
        for (int cell : cells)
            taken[static_cast<std::size_t>(cell)] = 1;
    }
    return most;
}

TEST(GridBuilder, IntegrationLimitsTheCrossingsOfEachWordWhenItIsLaid) {
    // Words of few letters on a small grid cross wherever the level lets them.
    const std::vector<std::string> words = {"abcab", "bcabca", "cab",    "abca", "cabc", "bca",
                                            "acbac", "bacb",   "cbacba", "acb",  "babc", "caba"};
    const ShapeRecord shape = ShapeRecord::Blank("Square", 8, 8);
    struct Level {
        int Integration;
        int MostCrossings; // -1: crossings happen
    };
    for (const Level level : {Level{0, 0}, Level{1, 1}, Level{6, -1}}) {
        int most = 0;
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE("integration " + std::to_string(level.Integration) + ", seed " +
                         std::to_string(seed));
            PuzzleRecord working = WordList(8, 8, words);
            RandomSource random(seed);
            BuildRun run = Build(working, shape, Options(level.Integration, 4), random);
            for (const CandidateSlot& slot : *run.Slots) {
                if (slot.Score == 0)
                    continue;
                ExpectCandidate(slot, WordList(8, 8, words), shape, false);
                most = std::max(most, MostCrossingsWhenLaid(CellsInLayingOrder(slot, words)));
            }
        }
        if (level.MostCrossings >= 0)
            EXPECT_LE(most, level.MostCrossings) << level.Integration;
        else
            EXPECT_GE(most, 2) << level.Integration;
    }
}

TEST(GridBuilder, RequiredCrossingsAreRelaxedOneCycleOfDirectionsAtATime) {
    // On an empty grid no start cell has a crossing, so a word placed at positions 3..6 only
    // finds its place in the cycle that asks for none, after 8 fruitless tries per level.
    // Each try draws the two scan offsets, so the draws tell how many tries there were.
    struct Level {
        int Integration;
        int FailedTries;
    };
    for (const Level level : {Level{0, 0}, Level{1, 0}, Level{2, 0}, Level{3, 8}, Level{4, 16},
                              Level{5, 24}, Level{6, 32}}) {
        SCOPED_TRACE("integration " + std::to_string(level.Integration));
        PuzzleRecord working = WordList(10, 10, {"cat"});
        RandomSource random(99);
        BuildRun run = Build(working, ShapeRecord::Blank("Square", 10, 10),
                             Options(level.Integration, 1), random);
        const CandidateSlot& slot = run.Slots->front();
        ASSERT_EQ(slot.Score, 1);

        RandomSource expected(99);
        const int first = expected.Random(8) + 1;
        for (int i = 0; i < 2 * level.FailedTries + 2; ++i)
            expected.Random(2);
        // After 8 tries per level the cycle begins again at the first direction.
        EXPECT_EQ(slot.Puzzle.EndCell(1) - slot.Puzzle.StartCell(1), 2 * kStep[first]);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(random.Random(1 << 30), expected.Random(1 << 30));
    }
}

TEST(GridBuilder, LaysLettersWithoutSpacesInCapitalsAndCrossesOnCapitals) {
    const ShapeRecord shape = ShapeRecord::Blank("Square", 10, 10);
    struct Example {
        std::vector<std::string> Words;
        int LetterCells;
    };
    // ICE CREAM keeps its space in the list but takes 8 cells; été is laid as ÉTÉ, and ÉTÉ
    // can then lie on it; ETE can only share the T with ÉTÉ.
    const std::vector<Example> examples = {
        {{"ICE CREAM"}, 8},
        {{"\xE9t\xE9"}, 3},
        {{"\xC9T\xC9", "\xE9t\xE9"}, 3},
        {{"\xC9T\xC9", "ETE"}, -1},
    };
    for (const Example& example : examples) {
        for (std::uint64_t seed = 1; seed <= 5; ++seed) {
            SCOPED_TRACE(example.Words.back() + ", seed " + std::to_string(seed));
            PuzzleRecord working = WordList(10, 10, example.Words);
            RandomSource random(seed);
            BuildRun run = Build(working, shape, Options(6, 1), random);
            const CandidateSlot& slot = run.Slots->front();
            ASSERT_EQ(slot.Score, static_cast<int>(example.Words.size()));
            ExpectCandidate(slot, WordList(10, 10, example.Words), shape, false);
            if (example.LetterCells >= 0)
                EXPECT_EQ(LetterCells(slot.Puzzle), example.LetterCells);
            else
                EXPECT_GE(LetterCells(slot.Puzzle), 5);
        }
    }
    PuzzleRecord working = WordList(10, 10, {"\xE9t\xE9 x"});
    RandomSource random(3);
    BuildRun run = Build(working, shape, Options(2, 1), random);
    const PuzzleRecord& p = run.Slots->front().Puzzle;
    EXPECT_EQ(p.Word(1), "\xE9t\xE9 x");
    std::string laid;
    for (int cell : CoveredCells(p, 1))
        laid += static_cast<char>(p.WordGridCell(cell));
    EXPECT_EQ(laid, "\xC9T\xC9X");
}

TEST(GridBuilder, ShrinkDropsEmptyRowsAtTheBottomAndColumnsAtTheRightOnly) {
    // Seven ten-letter words that may not touch fill rows 4..10 and columns 3..12.
    std::vector<std::pair<int, int>> cells;
    for (int row = 4; row <= 10; ++row)
        for (int column = 3; column <= 12; ++column)
            cells.emplace_back(row, column);
    const ShapeRecord shape = OnlyCells(15, 15, cells);
    const std::vector<std::string> words = {"abcdefghij", "klmnopqrst", "uvwxyzabcd", "efghijklmn",
                                            "opqrstuvwx", "yzabcdefgh", "ijklmnopqr"};
    DirectionSet right;
    right.Right = true;
    for (const bool shrink : {true, false}) {
        PuzzleRecord working = WordList(15, 15, words);
        RandomSource random(5);
        BuildRun run = Build(working, shape, Options(0, 1, right, shrink), random);
        const CandidateSlot& slot = run.Slots->front();
        ASSERT_EQ(slot.Score, 7);
        ExpectCandidate(slot, WordList(15, 15, words), shape, shrink);
        EXPECT_EQ(slot.Puzzle.GridWidth(), shrink ? 12 : 15);
        EXPECT_EQ(slot.Puzzle.GridHeight(), shrink ? 10 : 15);
        // Cells outside the shape hold 0 wherever they are.
        EXPECT_EQ(slot.Puzzle.WordGridCell(PuzzleRecord::CellIndex(1, 1)), 0);
        EXPECT_EQ(slot.Puzzle.WordGridCell(PuzzleRecord::CellIndex(15, 15)), 0);
        EXPECT_EQ(slot.Puzzle.WordGridCell(PuzzleRecord::CellIndex(50, 50)), 0);
    }
}

TEST(GridBuilder, HolesInTheShapeNeverReceiveALetter) {
    // A ring: the middle 4 x 4 cells are not part of the shape.
    std::vector<std::pair<int, int>> cells;
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            if (row < 4 || row > 7 || column < 4 || column > 7)
                cells.emplace_back(row, column);
    const ShapeRecord shape = OnlyCells(10, 10, cells);
    const std::vector<std::string> words = {"tenletters", "ninelettr", "through", "middle",
                                            "ring",       "hole",      "square",  "centre"};
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        PuzzleRecord working = WordList(10, 10, words);
        RandomSource random(seed);
        BuildRun run = Build(working, shape, Options(4, 4), random);
        for (const CandidateSlot& slot : *run.Slots) {
            ASSERT_GT(slot.Score, 0);
            ExpectCandidate(slot, WordList(10, 10, words), shape, false);
            for (int row = 4; row <= 7; ++row)
                for (int column = 4; column <= 7; ++column)
                    EXPECT_EQ(slot.Puzzle.WordGridCell(PuzzleRecord::CellIndex(row, column)), 0);
        }
    }
}

TEST(GridBuilder, AWordThatFitsNowhereIsGivenUpAndListedAfterThePlacedOnes) {
    PuzzleRecord working = WordList(10, 10, {"aaaaaaaaaaaa", "zoo", "", "bee"});
    const PuzzleRecord input = working;
    RandomSource random(8);
    BuildRun run = Build(working, ShapeRecord::Blank("Square", 10, 10), Options(6, 1), random);
    const CandidateSlot& slot = run.Slots->front();
    EXPECT_EQ(slot.Score, 2);
    EXPECT_EQ(slot.Puzzle.WordCount(), 2);
    EXPECT_EQ(slot.Puzzle.Word(1), "bee");
    EXPECT_EQ(slot.Puzzle.Word(2), "zoo");
    EXPECT_EQ(slot.Puzzle.Word(3), "aaaaaaaaaaaa");
    EXPECT_EQ(slot.Puzzle.Clue(3), "clue of aaaaaaaaaaaa");
    EXPECT_EQ(slot.Puzzle.Word(4), "");
    EXPECT_EQ(std::vector<bool>(slot.Placed.begin(), slot.Placed.begin() + 4),
              (std::vector<bool>{true, true, false, false}));
    ExpectCandidate(slot, input, ShapeRecord::Blank("Square", 10, 10), false);
    EXPECT_TRUE(working == input);
}

// Digits spell no offensive word, so no attempt is rejected.
const std::vector<std::string> kDigitWords = {"12345", "6789", "2468", "13579", "3141"};

TEST(GridBuilder, KeepsTheBestFourAndRanksEqualScoresByAttempt) {
    const ShapeRecord shape = ShapeRecord::Blank("Square", 10, 10);
    PuzzleRecord working = WordList(10, 10, kDigitWords);

    RandomSource single(21);
    BuildRun first = Build(working, shape, Options(6, 1), single);
    RandomSource pair(21);
    BuildRun both = Build(working, shape, Options(6, 2), pair);
    ASSERT_EQ(first.Slots->at(0).Score, 5);
    ASSERT_EQ(both.Slots->at(0).Score, 5);
    ASSERT_EQ(both.Slots->at(1).Score, 5);
    // The second attempt scores as well as the first and goes below it.
    EXPECT_TRUE(both.Slots->at(0).Puzzle == first.Slots->at(0).Puzzle);
    EXPECT_FALSE(both.Slots->at(1).Puzzle == first.Slots->at(0).Puzzle);
    EXPECT_EQ(both.Slots->at(2).Score, 0);
    EXPECT_EQ(both.Started, (std::vector<int>{1, 2}));
    EXPECT_TRUE(first.Started.empty()); // a single attempt reports nothing

    // Words that a 5 x 5 grid cannot always hold give attempts of different scores.
    const std::vector<std::string> crowded = {"12345", "67890", "13579", "24680", "11223",
                                              "44556", "77889", "90817", "26354", "1234"};
    PuzzleRecord small = WordList(5, 5, crowded);
    RandomSource random(4);
    BuildRun run = Build(small, ShapeRecord::Blank("Square", 5, 5), Options(6, 40), random);
    EXPECT_EQ(run.Started.size(), 40U);
    for (std::size_t s = 1; s < 4; ++s)
        EXPECT_GE(run.Slots->at(s - 1).Score, run.Slots->at(s).Score);
    EXPECT_LT(run.Slots->at(3).Score, 10);
}

TEST(GridBuilder, FourCompleteGridsEndTheRun) {
    PuzzleRecord working = WordList(10, 10, kDigitWords);
    RandomSource random(2);
    BuildRun run = Build(working, ShapeRecord::Blank("Square", 10, 10), Options(6, 999), random);
    EXPECT_EQ(run.Started, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(run.Outcome.LastAttempt, 999);
    EXPECT_FALSE(run.Outcome.Aborted);
    for (const CandidateSlot& slot : *run.Slots)
        EXPECT_EQ(slot.Score, 5);
}

TEST(GridBuilder, AnAbortEndsTheRunAfterTheAttemptInProgress) {
    PuzzleRecord working = WordList(10, 10, kDigitWords);
    const PuzzleRecord input = working;
    RandomSource random(2);
    int asked = 0;
    BuildRun run = Build(working, ShapeRecord::Blank("Square", 10, 10), Options(6, 10), random,
                         OffensiveWordList(), [&asked] { return ++asked == 2; });
    EXPECT_TRUE(run.Outcome.Aborted);
    EXPECT_EQ(run.Outcome.LastAttempt, 2);
    EXPECT_EQ(run.Started, (std::vector<int>{1, 2}));
    EXPECT_EQ(run.Slots->at(1).Score, 5);
    EXPECT_EQ(run.Slots->at(2).Score, 0);
    EXPECT_TRUE(working == input);

    // A single attempt asks nothing.
    asked = 0;
    Build(working, ShapeRecord::Blank("Square", 10, 10), Options(6, 1), random, OffensiveWordList(),
          [&asked] { return ++asked > 0; });
    EXPECT_EQ(asked, 0);
}

TEST(GridBuilder, AnAttemptTheOffensiveWordCheckRejectsIsRepeatedUnderItsNumber) {
    // Three cells in a row: A and B side by side spell AB or BA, which the list holds.
    const ShapeRecord shape = OnlyCells(5, 5, {{1, 1}, {1, 2}, {1, 3}});
    OffensiveWordList filter;
    filter.Add("ab");
    int repeats = 0;
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        PuzzleRecord working = WordList(5, 5, {"a", "b"});
        RandomSource random(seed);
        BuildRun run = Build(working, shape, Options(2, 8), random, filter);
        for (std::size_t i = 1; i < run.Started.size(); ++i) {
            EXPECT_GE(run.Started[i], run.Started[i - 1]);
            EXPECT_LE(run.Started[i], run.Started[i - 1] + 1);
            repeats += run.Started[i] == run.Started[i - 1] ? 1 : 0;
        }
        EXPECT_EQ(run.Started.back(), 4); // four complete grids end the run
        EXPECT_EQ(run.Outcome.GivenUpAttempts, 0);
        for (const CandidateSlot& slot : *run.Slots) {
            ASSERT_EQ(slot.Score, 2);
            EXPECT_EQ(slot.Puzzle.WordGridCell(PuzzleRecord::CellIndex(1, 2)), ' ');
        }
    }
    EXPECT_GT(repeats, 0);
}

TEST(GridBuilder, AnAttemptRejectedTwoHundredTimesIsGivenUp) {
    // Two cells: every grid spells AB or BA.
    const ShapeRecord shape = OnlyCells(5, 5, {{1, 1}, {1, 2}});
    OffensiveWordList filter;
    filter.Add("AB");
    for (const int attempts : {1, 3}) {
        SCOPED_TRACE(attempts);
        PuzzleRecord working = WordList(5, 5, {"a", "b"});
        const PuzzleRecord input = working;
        RandomSource random(1);
        BuildRun run = Build(working, shape, Options(2, attempts), random, filter);
        EXPECT_EQ(run.Outcome.GivenUpAttempts, attempts);
        EXPECT_EQ(run.Outcome.LastAttempt, attempts);
        EXPECT_EQ(run.Started.size(), attempts == 1 ? 0U : 200U * attempts);
        for (const CandidateSlot& slot : *run.Slots)
            EXPECT_EQ(slot.Score, 0);
        EXPECT_TRUE(working == input);
    }
}

TEST(GridBuilder, WithEveryDirectionOffNoAttemptScores) {
    PuzzleRecord working = WordList(10, 10, kDigitWords);
    RandomSource random(6);
    BuildRun run = Build(working, ShapeRecord::Blank("Square", 10, 10), Options(6, 5, {}), random);
    EXPECT_EQ(run.Started, (std::vector<int>{1, 2, 3, 4, 5}));
    for (const CandidateSlot& slot : *run.Slots)
        EXPECT_EQ(slot.Score, 0);
    // Each word still draws its first direction, and nothing else is drawn.
    RandomSource expected(6);
    for (int i = 0; i < 5 * 5; ++i)
        expected.Random(8);
    EXPECT_EQ(random.Random(1 << 30), expected.Random(1 << 30));
}

} // namespace
} // namespace vorlane
