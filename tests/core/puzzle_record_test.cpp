#include "core/puzzle_record.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace vorlane {
namespace {

using R = PuzzleRecord;

int I16At(const PuzzleRecord& r, std::size_t offset) {
    return static_cast<std::int16_t>(r.Data()[offset] | (r.Data()[offset + 1] << 8));
}

std::string ShortAt(const PuzzleRecord& r, std::size_t offset) {
    return std::string(reinterpret_cast<const char*>(r.Data() + offset + 1), r.Data()[offset]);
}

TEST(PuzzleRecordLayout, FieldsSitAtTheirOffsets) {
    static_assert(sizeof(R::Bytes) == 95830);
    PuzzleRecord r;
    r.SetVersion("3.0d");
    r.SetCategory("Animals");
    r.SetTitle("At the zoo");
    r.SetGridWidth(23);
    r.SetGridHeight(-2);
    r.SetWordCount(330);
    r.SetBonusQuestion("Which one roars?");
    r.SetGenerated(true);
    r.SetHiddenPhraseUsed(true);
    r.SetWordGridCell(1, 'A');
    r.SetWordGridCell(2500, 'Z');
    r.SetFillGridCell(1, 'B');
    r.SetFillGridCell(2500, 'Y');

    EXPECT_EQ(ShortAt(r, 0), "3.0d");
    EXPECT_EQ(ShortAt(r, 6), "Animals");
    EXPECT_EQ(ShortAt(r, 27), "At the zoo");
    EXPECT_EQ(I16At(r, 63), 23);
    EXPECT_EQ(I16At(r, 65), -2);
    EXPECT_EQ(r.Data()[65], 0xFE);
    EXPECT_EQ(r.Data()[66], 0xFF);
    EXPECT_EQ(I16At(r, 5067), 330);
    EXPECT_EQ(ShortAt(r, 66780), "Which one roars?");
    EXPECT_EQ(r.Data()[66779], 1);
    EXPECT_EQ(r.Data()[66931], 1);
    EXPECT_EQ(r.Data()[67], 'A');
    EXPECT_EQ(r.Data()[67 + 2499], 'Z');
    EXPECT_EQ(r.Data()[2567], 'B');
    EXPECT_EQ(r.Data()[2567 + 2499], 'Y');
    EXPECT_EQ(r.PageLayout().data(), r.Data() + 66932);
    EXPECT_EQ(r.PageLayout().size(), 28868u);
    EXPECT_EQ(r.Reserved().data(), r.Data() + 95800);
    EXPECT_EQ(66932u + 28868u, 95800u);
}

TEST(PuzzleRecordLayout, WordEntriesAreParallelArrays) {
    struct Entry {
        int n;
        std::size_t word, clue, start, end, placed;
    };
    const Entry entries[] = {
        {1, 5069, 15299, 65129, 65789, 66449},
        {2, 5100, 15450, 65131, 65791, 66450},
        {330, 5069 + 31 * 329, 15299 + 151 * 329, 65129 + 2 * 329, 65789 + 2 * 329, 66778},
    };
    for (const Entry& e : entries) {
        PuzzleRecord r;
        r.SetWord(e.n, "ICE CREAM");
        r.SetClue(e.n, std::string(150, 'c'));
        r.SetStartCell(e.n, 53);
        r.SetEndCell(e.n, 2500);
        r.SetPlaced(e.n, true);
        EXPECT_EQ(ShortAt(r, e.word), "ICE CREAM") << e.n;
        EXPECT_EQ(ShortAt(r, e.clue), std::string(150, 'c')) << e.n;
        EXPECT_EQ(I16At(r, e.start), 53) << e.n;
        EXPECT_EQ(I16At(r, e.end), 2500) << e.n;
        EXPECT_EQ(r.Data()[e.placed], 1) << e.n;
        // Nothing else moved: the neighbouring fields are still zero.
        PuzzleRecord blank;
        int changed = 0;
        for (std::size_t i = 0; i < R::kSize; ++i)
            changed += r.Data()[i] != blank.Data()[i];
        EXPECT_EQ(changed, 1 + 9 + 1 + 150 + 1 + 2 + 1) << e.n;
    }
    // The last clue ends where the start cells begin, the last placed flag before Generated.
    EXPECT_EQ(R::ClueOffset(330) + 151, R::kStartCellsOffset);
    EXPECT_EQ(R::WordOffset(330) + 31, R::kCluesOffset);
    EXPECT_EQ(R::PlacedOffset(330) + 1, R::kGeneratedOffset);
}

TEST(PuzzleRecordLayout, ReadsRecordsBuiltFromOffsets) {
    PuzzleRecord r;
    unsigned char* p = r.Data();
    p[6] = 3;
    std::memcpy(p + 7, "Zoo", 3);
    p[27] = 200; // a damaged length byte reads as the capacity
    std::memset(p + 28, 'T', 35);
    p[63] = 0x1E; // 30
    p[65] = 0x00;
    p[66] = 0x01; // 256
    p[5067] = 7;
    p[5069 + 31] = 4;
    std::memcpy(p + 5069 + 32, "LION", 4);
    p[66449 + 1] = 1;
    p[66449 + 2] = 2; // not a 1: not placed
    EXPECT_EQ(r.Category(), "Zoo");
    EXPECT_EQ(r.Title(), std::string(35, 'T'));
    EXPECT_EQ(r.GridWidth(), 30);
    EXPECT_EQ(r.GridHeight(), 256);
    EXPECT_EQ(r.UsedHeight(), 50);
    EXPECT_EQ(r.WordCount(), 7);
    EXPECT_EQ(r.Word(2), "LION");
    EXPECT_TRUE(r.Placed(2));
    EXPECT_FALSE(r.Placed(3));
    EXPECT_EQ(r.PrintedWordCount(), 2);
    r.SetWordCount(-5);
    EXPECT_EQ(r.UsedWordCount(), 0);
    EXPECT_EQ(r.PrintedWordCount(), 0);
}

TEST(PuzzleRecordLayout, OutOfRangeIndexesTouchNothing) {
    PuzzleRecord r;
    const PuzzleRecord blank;
    for (int bad : {0, -1, 331, 32767}) {
        r.SetWord(bad, "X");
        r.SetClue(bad, "X");
        r.SetStartCell(bad, 1);
        r.SetEndCell(bad, 1);
        r.SetPlaced(bad, true);
        EXPECT_EQ(r.Word(bad), "");
        EXPECT_FALSE(r.Placed(bad));
    }
    for (int bad : {0, -1, 2501}) {
        r.SetWordGridCell(bad, 'X');
        r.SetFillGridCell(bad, 'X');
        EXPECT_EQ(r.WordGridCell(bad), 0);
    }
    EXPECT_TRUE(r == blank);
    r.SetTitle(std::string(50, 'x')); // cut to the capacity
    EXPECT_EQ(r.Title(), std::string(35, 'x'));
    EXPECT_EQ(r.Data()[63], 0); // GridWidth untouched
}

TEST(PuzzleRecordCells, IndexConversions) {
    EXPECT_EQ(R::CellIndex(1, 1), 1);
    EXPECT_EQ(R::CellIndex(2, 3), 53);
    EXPECT_EQ(R::CellIndex(50, 50), 2500);
    const std::array<std::array<int, 3>, 5> cells = {
        {{1, 1, 1}, {50, 1, 50}, {51, 2, 1}, {53, 2, 3}, {2500, 50, 50}}};
    for (auto [k, row, column] : cells) {
        EXPECT_EQ(R::CellRow(k), row) << k;
        EXPECT_EQ(R::CellColumn(k), column) << k;
        EXPECT_EQ(R::CellIndex(row, column), k);
    }
    // Eight letters of ICE CREAM to the right from cell 53, five letters up-left from 2500.
    EXPECT_EQ(53 + (8 - 1) * 1, 60);
    EXPECT_EQ(R::CellRow(2500 - 4 * 51), 46);
    EXPECT_EQ(R::CellColumn(2500 - 4 * 51), 46);
}

TEST(PuzzleRecordLife, ResetForNewPuzzle) {
    PuzzleRecord r;
    r.SetVersion("3.0d");
    r.SetCategory("Animals");
    r.SetTitle("Zoo");
    r.SetGridWidth(30);
    r.SetGridHeight(20);
    r.SetWordCount(2);
    r.SetWord(1, "LION");
    r.SetClue(330, "last");
    r.SetPlaced(1, true);
    r.SetStartCell(1, 5);
    r.SetGenerated(true);
    r.SetHiddenPhraseUsed(true);
    r.SetBonusQuestion("Q?");
    r.SetWordGridCell(7, 'L');
    r.Data()[95800] = 9;
    std::array<unsigned char, R::kPageLayoutSize> layout{};
    layout[0] = 42;
    layout[28867] = 43;

    r.ResetForNewPuzzle(layout);
    EXPECT_EQ(r.Category(), "");
    EXPECT_EQ(r.Title(), "");
    EXPECT_EQ(r.GridWidth(), 15);
    EXPECT_EQ(r.GridHeight(), 15);
    EXPECT_EQ(r.WordCount(), 0);
    EXPECT_EQ(r.Word(1), "");
    EXPECT_EQ(r.Clue(330), "");
    EXPECT_FALSE(r.Placed(1));
    EXPECT_FALSE(r.Generated());
    EXPECT_FALSE(r.HiddenPhraseUsed());
    EXPECT_EQ(r.BonusQuestion(), "");
    EXPECT_EQ(r.PageLayout()[0], 42);
    EXPECT_EQ(r.PageLayout()[28867], 43);
    // Kept: they are rewritten before such a record is saved, or carry no meaning.
    EXPECT_EQ(r.Version(), "3.0d");
    EXPECT_EQ(r.StartCell(1), 5);
    EXPECT_EQ(r.WordGridCell(7), 'L');
    EXPECT_EQ(r.Reserved()[0], 9);
}

TEST(PuzzleRecordLife, PrepareCopyAndVersion) {
    PuzzleRecord r;
    r.SetTitle("Animals (2)");
    r.SetGenerated(true);
    r.SetWordCount(3);
    for (int n = 1; n <= 330; ++n)
        r.SetPlaced(n, true);
    r.SetWordGridCell(1, 'Q');
    r.PrepareCopy();
    EXPECT_EQ(r.Title(), "Animals (3)");
    for (int n = 1; n <= 330; ++n)
        ASSERT_FALSE(r.Placed(n)) << n;
    EXPECT_TRUE(r.Generated());
    EXPECT_EQ(r.WordCount(), 3);
    EXPECT_EQ(r.WordGridCell(1), 'Q');

    r.Data()[5] = 'k';
    r.SetVersion("2.0");
    r.MarkCurrentVersion();
    EXPECT_EQ(r.Data()[0], 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(r.Data() + 1), 5), "3.0dk");
}

} // namespace
} // namespace vorlane
