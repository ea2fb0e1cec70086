#include "generate/word_filter.h"

#include "core/test_collections.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace vorlane {
namespace {

using test::TempDir;
using test::WriteBytes;

// A W x H grid of free cells whose fill letter Z spells no entry. The cells beyond W and H
// are free too and hold letters, so a search that strays there is noticed.
PuzzleRecord Grid(int width, int height) {
    PuzzleRecord p;
    p.SetGridWidth(static_cast<std::int16_t>(width));
    p.SetGridHeight(static_cast<std::int16_t>(height));
    for (int cell = 1; cell <= PuzzleRecord::kCellCount; ++cell) {
        p.SetWordGridCell(cell, ' ');
        p.SetFillGridCell(cell, 'Z');
    }
    return p;
}

// Writes letters from (row, column) on in direction (dr, dc), into FillGrid or WordGrid.
void Put(PuzzleRecord& p, int row, int column, int dr, int dc, std::string_view letters,
         bool wordGrid = false) {
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const int cell = PuzzleRecord::CellIndex(row + dr * static_cast<int>(i),
                                                 column + dc * static_cast<int>(i));
        const auto c = static_cast<unsigned char>(letters[i]);
        if (wordGrid)
            p.SetWordGridCell(cell, c);
        else
            p.SetFillGridCell(cell, c);
    }
}

// Lays word as placed entry number entry (WordCount grows to reach it).
void Place(PuzzleRecord& p, PlacedFlags& placed, int entry, std::string_view word, int row,
           int column, int dr, int dc) {
    Put(p, row, column, dr, dc, word, true);
    p.SetWord(entry, word);
    const int last = static_cast<int>(word.size()) - 1;
    p.SetStartCell(entry, static_cast<std::int16_t>(PuzzleRecord::CellIndex(row, column)));
    p.SetEndCell(entry, static_cast<std::int16_t>(
                            PuzzleRecord::CellIndex(row + dr * last, column + dc * last)));
    p.SetWordCount(static_cast<std::int16_t>(std::max<int>(p.WordCount(), entry)));
    placed[static_cast<std::size_t>(entry - 1)] = true;
}

bool Offensive(const PuzzleRecord& p, const PlacedFlags& placed = {}) {
    static const OffensiveWordList list;
    return TestBadWords(p, placed, list);
}

TEST(OffensiveWordList, BuiltInEntriesAreOneAlphabeticalListOfCapitals) {
    const OffensiveWordList list;
    const auto& entries = list.Entries();
    ASSERT_EQ(entries.size(), 58u);
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end()));
    EXPECT_EQ(std::adjacent_find(entries.begin(), entries.end()), entries.end());
    for (const std::string& e : entries) {
        EXPECT_GE(e.size(), 3u) << e;
        EXPECT_LE(e.size(), 11u) << e;
        EXPECT_TRUE(std::all_of(e.begin(), e.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
            << e;
    }
    for (const char* everyday : {"BUTT", "FAIRY", "PUNK", "SPADE", "SUCK", "TRAMP"})
        EXPECT_TRUE(std::binary_search(entries.begin(), entries.end(), everyday)) << everyday;
}

TEST(OffensiveWordList, WithoutBadListOnlyTheBuiltInEntries) {
    TempDir dir;
    EXPECT_EQ(OffensiveWordList::Load(dir.Path()).Entries(), OffensiveWordList().Entries());
    // A BADLIST.TXT that cannot be read is passed over the same way.
    std::filesystem::create_directory(dir.File("BADLIST.TXT"));
    EXPECT_EQ(OffensiveWordList::Load(dir.Path()).Entries(), OffensiveWordList().Entries());
}

TEST(OffensiveWordList, BadListFillsUpTo120Entries) {
    TempDir dir;
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "word" + std::to_string(i) + "\r\n";
    WriteBytes(dir.File("BADLIST.TXT"), text);
    const OffensiveWordList list = OffensiveWordList::Load(dir.Path());
    const auto& entries = list.Entries();
    ASSERT_EQ(entries.size(), 120u);
    for (int i = 0; i < 62; ++i)
        EXPECT_EQ(entries[static_cast<std::size_t>(58 + i)], "WORD" + std::to_string(i));

    OffensiveWordList full = list;
    EXPECT_FALSE(full.Add("more"));
    EXPECT_EQ(full.Entries().size(), 120u);
}

TEST(OffensiveWordList, BadListLinesGiveTheirFirst15CharactersAsTheyAre) {
    TempDir dir;
    WriteBytes(dir.File("BADLIST.TXT"), std::string("  two words and more besides\r\n"
                                                    "unix\n"
                                                    "\r\n"
                                                    "tail\r"
                                                    "x\n"
                                                    "caf\xe9 ok\n"
                                                    "last"));
    const OffensiveWordList list = OffensiveWordList::Load(dir.Path());
    const auto& entries = list.Entries();
    const std::vector<std::string> added(entries.begin() + 58, entries.end());
    EXPECT_EQ(added, (std::vector<std::string>{"  TWO WORDS AND", "UNIX", "", "TAIL\rX",
                                               "CAF\xe9 OK", "LAST"}));
}

TEST(GridWordSearch, EmptyEntriesNeverMatch) {
    OffensiveWordList list;
    ASSERT_TRUE(list.Add(""));
    PuzzleRecord p = Grid(15, 15);
    EXPECT_FALSE(TestBadWords(p, {}, list));
    EXPECT_FALSE(GridWordSearch({"", ""}).FindThroughFreeCell(p));
}

TEST(GridWordSearch, FindsAnEntryAnywhereInEveryDirection) {
    struct Direction {
        int Dr, Dc;
    };
    const Direction directions[] = {{-1, 0}, {-1, 1}, {0, 1},  {1, 1},
                                    {1, 0},  {1, -1}, {0, -1}, {-1, -1}};
    struct Size {
        int Width, Height;
    };
    for (const Size size : {Size{30, 30}, Size{23, 17}}) {
        const PuzzleRecord empty = Grid(size.Width, size.Height);
        ASSERT_FALSE(Offensive(empty));
        for (const Direction d : directions) {
            // Starts in the corners, at the edges and inside, wherever the word fits.
            for (int row : {1, 5, size.Height - 4, size.Height})
                for (int column : {1, 5, size.Width / 2, size.Width - 4, size.Width}) {
                    const int endRow = row + 4 * d.Dr;
                    const int endColumn = column + 4 * d.Dc;
                    if (endRow < 1 || endRow > size.Height || endColumn < 1 ||
                        endColumn > size.Width)
                        continue;
                    PuzzleRecord p = empty;
                    Put(p, row, column, d.Dr, d.Dc, "TRAMP");
                    EXPECT_TRUE(Offensive(p))
                        << size.Width << "x" << size.Height << " from (" << row << "," << column
                        << ") step (" << d.Dr << "," << d.Dc << ")";
                }
        }
    }
}

TEST(GridWordSearch, LinesEndAtHolesAndAtTheGridEdge) {
    PuzzleRecord p = Grid(30, 30);
    Put(p, 3, 3, 0, 1, "TRAZMP");
    p.SetWordGridCell(PuzzleRecord::CellIndex(3, 6), 0);
    EXPECT_FALSE(Offensive(p)) << "a cell outside the shape breaks the line";

    // Consecutive cell indexes, and the diagonal steps 51 and 49, run on into the next row.
    PuzzleRecord row = Grid(50, 50);
    Put(row, 1, 48, 0, 1, "TRA");
    Put(row, 2, 1, 0, 1, "MP");
    EXPECT_FALSE(Offensive(row)) << "a row ends at its last column";
    PuzzleRecord diagonal = Grid(50, 50);
    Put(diagonal, 1, 48, 1, 1, "TRA");
    Put(diagonal, 5, 1, 1, 1, "MP");
    Put(diagonal, 10, 3, 1, -1, "TRA");
    Put(diagonal, 12, 50, 1, -1, "MP");
    EXPECT_FALSE(Offensive(diagonal)) << "a diagonal ends at the grid's edge";

    PuzzleRecord outside = Grid(25, 20);
    Put(outside, 2, 26, 0, 1, "TRAMP");
    Put(outside, 21, 2, 0, 1, "TRAMP");
    Put(outside, 16, 24, 1, 1, "TRAMP");
    EXPECT_FALSE(Offensive(outside)) << "only rows 1..H and columns 1..W are read";
}

TEST(GridWordSearch, AFreeCellReadsItsFillLetterACoveredCellItsWordLetter) {
    PuzzleRecord p = Grid(15, 15);
    Put(p, 4, 2, 1, 0, "TR", true);
    Put(p, 6, 2, 1, 0, "AMP");
    EXPECT_TRUE(Offensive(p));

    Put(p, 6, 2, 1, 0, "X", true);
    Put(p, 4, 2, 1, 0, "TRA");
    EXPECT_FALSE(Offensive(p)) << "the covered cell shows X whatever FillGrid holds";

    PuzzleRecord lower = Grid(15, 15);
    Put(lower, 1, 1, 0, 1, "tramp");
    EXPECT_FALSE(Offensive(lower)) << "bytes are compared exactly";
}

TEST(GridWordSearch, OccurrencesInsideThePlacedWordsThemselvesDoNotCount) {
    struct Case {
        const char* Name;
        void (*Build)(PuzzleRecord&, PlacedFlags&);
        bool Offensive;
    };
    const Case cases[] = {
        {"inside a word placed to the right",
         [](PuzzleRecord& p, PlacedFlags& f) { Place(p, f, 1, "BUTTON", 2, 3, 0, 1); }, false},
        {"inside a word placed to the left",
         [](PuzzleRecord& p, PlacedFlags& f) { Place(p, f, 1, "BUTTON", 9, 12, 0, -1); }, false},
        {"inside a word placed down-left",
         [](PuzzleRecord& p, PlacedFlags& f) { Place(p, f, 1, "BUTTON", 20, 29, 1, -1); }, false},
        {"inside a word placed up-left at the grid's end",
         [](PuzzleRecord& p, PlacedFlags& f) { Place(p, f, 3, "RIBUTTS", 30, 30, -1, -1); }, false},
        {"inside a word with a space, placed up",
         [](PuzzleRecord& p, PlacedFlags& f) {
             Place(p, f, 1, "SOBUTT", 30, 7, -1, 0);
             p.SetWord(1, "SO BUTT");
         },
         false},
        {"running on into a free cell",
         [](PuzzleRecord& p, PlacedFlags& f) {
             Place(p, f, 1, "ABUT", 5, 5, 0, 1);
             Put(p, 5, 9, 0, 1, "T");
         },
         true},
        {"across two placed words that overlap on one line",
         [](PuzzleRecord& p, PlacedFlags& f) {
             Place(p, f, 1, "ABUT", 7, 1, 0, 1);
             Place(p, f, 2, "UTTO", 7, 3, 0, 1);
         },
         true},
        {"along a crossing word's line",
         [](PuzzleRecord& p, PlacedFlags& f) {
             Place(p, f, 1, "BUTTON", 10, 10, 0, 1);
             Place(p, f, 2, "UTT", 11, 10, 1, 0);
         },
         true},
        {"in a word whose flag is not set",
         [](PuzzleRecord& p, PlacedFlags& f) {
             Place(p, f, 1, "BUTTON", 2, 3, 0, 1);
             f[0] = false;
         },
         true},
        {"in a word above WordCount",
         [](PuzzleRecord& p, PlacedFlags& f) {
             Place(p, f, 2, "BUTTON", 2, 3, 0, 1);
             p.SetWordCount(1);
         },
         true},
        {"in a word whose end cell does not fit its length",
         [](PuzzleRecord& p, PlacedFlags& f) {
             Place(p, f, 1, "BUTTON", 2, 3, 0, 1);
             p.SetEndCell(1, static_cast<std::int16_t>(p.EndCell(1) + 1));
         },
         true},
        {"in a word whose cells wrap round a row",
         [](PuzzleRecord& p, PlacedFlags& f) {
             p.SetGridWidth(50);
             Put(p, 1, 47, 0, 1, "BUTT", true);
             Put(p, 2, 1, 0, 1, "ON", true);
             p.SetWord(1, "BUTTON");
             p.SetStartCell(1, 47);
             p.SetEndCell(1, 52);
             p.SetWordCount(1);
             f[0] = true;
         },
         true},
        {"in a word whose start cell is out of range",
         [](PuzzleRecord& p, PlacedFlags& f) {
             Place(p, f, 1, "BUTTON", 2, 3, 0, 1);
             p.SetStartCell(1, -47);
         },
         true},
    };
    for (const Case& c : cases) {
        PuzzleRecord p = Grid(30, 30);
        PlacedFlags placed{};
        c.Build(p, placed);
        EXPECT_EQ(Offensive(p, placed), c.Offensive) << c.Name;
    }
}

TEST(GridWordSearch, FindThroughFreeCellNeedsAFreeCellInTheOccurrence) {
    const GridWordSearch search({"CAT", "DOG"});
    PuzzleRecord p = Grid(15, 15);
    Put(p, 2, 2, 0, 1, "CAT", true);
    Put(p, 9, 9, -1, 0, "GOD", true);
    EXPECT_FALSE(search.FindThroughFreeCell(p)) << "letters of placed words only";
    Put(p, 5, 5, 1, 1, "DO", true);
    Put(p, 7, 7, 0, 1, "G");
    EXPECT_TRUE(search.FindThroughFreeCell(p));
}

} // namespace
} // namespace vorlane
