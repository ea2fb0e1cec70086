#include "core/safe_file.h"
#include "core/settings.h"
#include "core/test_collections.h"
#include "export/text_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlane {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back("<no line end>" + text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A width x height puzzle of free cells whose fill letters run A, B, C, ... along each row;
// its first row holds the placed word CAT from column 1.
PuzzleRecord Puzzle(int width, int height) {
    PuzzleRecord puzzle;
    puzzle.SetTitle("On the Farm");
    puzzle.SetGridWidth(static_cast<std::int16_t>(width));
    puzzle.SetGridHeight(static_cast<std::int16_t>(height));
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c) {
            puzzle.SetWordGridCell(PuzzleRecord::CellIndex(r, c), ' ');
            puzzle.SetFillGridCell(PuzzleRecord::CellIndex(r, c),
                                   static_cast<unsigned char>('A' + (r + c - 2) % 26));
        }
    for (int c = 1; c <= 3; ++c) {
        puzzle.SetWordGridCell(PuzzleRecord::CellIndex(1, c), "CAT"[c - 1]);
        puzzle.SetFillGridCell(PuzzleRecord::CellIndex(1, c), ' ');
    }
    puzzle.SetWordCount(2);
    puzzle.SetWord(1, "CAT");
    puzzle.SetPlaced(1, true);
    puzzle.SetWord(2, "Ice cream");
    puzzle.SetPlaced(2, true);
    puzzle.SetGenerated(true);
    return puzzle;
}

std::string Spaced(const std::string& letters, int spaces) {
    std::string row;
    for (char letter : letters)
        row += std::string(static_cast<std::size_t>(spaces), ' ') + letter;
    return row;
}

TEST(TextExport, FifteenByFifteenWithTheDefaults) {
    const PuzzleRecord puzzle = Puzzle(15, 15);
    const TextExportOptions options = TextExportOptions::FromSettings(Settings::Defaults("/s"));
    EXPECT_EQ(options.LetterSpacing, 2);
    EXPECT_EQ(options.LineSpacing, 1);
    EXPECT_FALSE(options.LowerCase);

    const std::vector<std::string> lines = SplitLines(TextExportBytes(puzzle, options));
    ASSERT_EQ(lines.size(), 1u + 1 + 15 + 1 + 2);
    EXPECT_EQ(lines[0], "On the Farm");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], " C A T D E F G H I J K L M N O");
    EXPECT_EQ(lines[3], " B C D E F G H I J K L M N O P");
    for (int r = 2; r < 17; ++r) {
        EXPECT_EQ(lines[r].size(), 30u) << r;
        EXPECT_EQ(lines[r][0], ' ');
    }
    EXPECT_EQ(lines[16], " O P Q R S T U V W X Y Z A B C");
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(lines[18], "CAT");
    EXPECT_EQ(lines[19], "Ice cream");
}

TEST(TextExport, EverySpacingWithSingleAndDoubleLines) {
    const PuzzleRecord puzzle = Puzzle(30, 2);
    const std::string row1 = "CATDEFGHIJKLMNOPQRSTUVWXYZABCD";
    const std::string row2 = "BCDEFGHIJKLMNOPQRSTUVWXYZABCDE";
    for (int spacing = 1; spacing <= 4; ++spacing) {
        const std::string r1 = Spaced(row1, spacing - 1);
        const std::string r2 = Spaced(row2, spacing - 1);
        EXPECT_EQ(r1.size(), static_cast<std::size_t>(30 * spacing));
        EXPECT_EQ(SplitLines(TextExportBytes(puzzle, {spacing, 1, false})),
                  (std::vector<std::string>{"On the Farm", "", r1, r2, "", "CAT", "Ice cream"}))
            << spacing;
        // Double: the title's blank line and every row get one more; the list's does not.
        EXPECT_EQ(SplitLines(TextExportBytes(puzzle, {spacing, 2, false})),
                  (std::vector<std::string>{"On the Farm", "", "", r1, "", r2, "", "", "CAT",
                                            "Ice cream"}))
            << spacing;
    }
    // "Three" and "Double" on a 30-wide row: 120 characters and a blank line after each row.
    const std::vector<std::string> wide = SplitLines(TextExportBytes(puzzle, {4, 2, false}));
    EXPECT_EQ(wide[3].size(), 120u);
    EXPECT_EQ(wide[4], "");
}

TEST(TextExport, SpacingsOutsideTheirRangesAreBroughtIntoThem) {
    const PuzzleRecord puzzle = Puzzle(5, 1);
    EXPECT_EQ(SplitLines(TextExportBytes(puzzle, {0, 0, false}))[2], "CATDE");
    EXPECT_EQ(SplitLines(TextExportBytes(puzzle, {9, 3, false}))[2], Spaced("CATDE", 3));
    EXPECT_EQ(SplitLines(TextExportBytes(puzzle, {9, 3, false}))[3], ""); // single spacing
}

TEST(TextExport, HolesAreSpacesThatKeepTheirPlace) {
    PuzzleRecord puzzle = Puzzle(5, 2);
    puzzle.SetWordGridCell(PuzzleRecord::CellIndex(2, 1), 0);
    puzzle.SetWordGridCell(PuzzleRecord::CellIndex(2, 3), 0);
    puzzle.SetFillGridCell(PuzzleRecord::CellIndex(2, 3), 'Q'); // ignored under a hole
    puzzle.SetWordGridCell(PuzzleRecord::CellIndex(2, 5), 0);
    EXPECT_EQ(SplitLines(TextExportBytes(puzzle, {1, 1, false}))[3], " C E ");
    EXPECT_EQ(SplitLines(TextExportBytes(puzzle, {2, 1, false}))[3], "   C   E  ");
}

TEST(TextExport, LowerCaseFollowsTheWindows1252RuleAndLeavesTheWordsAlone) {
    PuzzleRecord puzzle = Puzzle(6, 1);
    const unsigned char letters[] = {0xC9, 0xD7, 0xDE, 0xDF, '1', 'Z'}; // É, ×, Þ, ß
    for (int c = 1; c <= 6; ++c)
        puzzle.SetWordGridCell(PuzzleRecord::CellIndex(1, c), letters[c - 1]);
    puzzle.SetWord(1, "\xC9t\xC9");
    const std::vector<std::string> lower = SplitLines(TextExportBytes(puzzle, {1, 1, true}));
    EXPECT_EQ(lower[2], "\xE9\xD7\xFE\xDF"
                        "1z");
    EXPECT_EQ(lower[4], "\xC9t\xC9");
    EXPECT_EQ(SplitLines(TextExportBytes(puzzle, {1, 1, false}))[2], "\xC9\xD7\xDE\xDF"
                                                                     "1Z");
}

TEST(TextExport, TheWordListEndsAtTheLastPlacedEntry) {
    PuzzleRecord puzzle = Puzzle(3, 1);
    puzzle.SetWordCount(5);
    puzzle.SetWord(1, "CAT");
    puzzle.SetWord(2, "DOG"); // not placed, but before a placed entry: written
    puzzle.SetPlaced(2, false);
    puzzle.SetWord(3, " HEN ");
    puzzle.SetPlaced(3, true);
    puzzle.SetWord(4, "OWL");
    puzzle.SetWord(5, "YAK");
    puzzle.SetWord(6, "EMU"); // placed, but above WordCount
    puzzle.SetPlaced(6, true);
    EXPECT_EQ(SplitLines(TextExportBytes(puzzle, {1, 1, false})),
              (std::vector<std::string>{"On the Farm", "", "CAT", "", "CAT", "DOG", " HEN "}));

    for (int entry = 1; entry <= 6; ++entry)
        puzzle.SetPlaced(entry, false);
    EXPECT_EQ(SplitLines(TextExportBytes(puzzle, {1, 1, false})),
              (std::vector<std::string>{"On the Farm", "", "CAT", ""}));
}

TEST(TextExport, WritesTheFileOrRefusesAMissingFolder) {
    test::TempDir dir;
    const PuzzleRecord puzzle = Puzzle(15, 15);
    const std::string path = dir.File("FARM.TXT");
    test::WriteBytes(path, "old content that is longer than nothing");
    ASSERT_TRUE(WriteTextExport(path, puzzle, {3, 2, true}));
    EXPECT_EQ(test::ReadBytes(path), TextExportBytes(puzzle, {3, 2, true}));
    EXPECT_FALSE(WriteTextExport(dir.File("missing/FARM.TXT"), puzzle, {}));
    EXPECT_EQ(TextExportDoneMessage(), (Message{"File created succesfully.", "Notice"}));
    EXPECT_EQ(TextExportFailedMessage(), (Message{"Unable to save puzzle.", "Error"}));
}

} // namespace
} // namespace vorlane
