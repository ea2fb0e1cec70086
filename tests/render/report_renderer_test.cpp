#include "render/render_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace vorlane::test {
namespace {

constexpr double kEps = 1e-9;

std::string Repeat(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

// ---- paper and scale ----

struct PaperCase {
    const char* Paper;
    double PageWidth, PageHeight; // in page units
    bool Inches, Portrait;
    int DesignWidth, DesignHeight;
    const char* ExpectedOp;
    int ExpectedCode;
    double ExpectedW, ExpectedH;
};

TEST(ReportRenderer, PaperPageSizeAndScale) {
    const double a4w = 210 / 25.4, a4h = 297 / 25.4;
    const PaperCase cases[] = {
        {"Letter", 8.5, 11, true, true, 612, 792, "SetPaper", 1, 8.5, 11},
        {"A4", 21, 29.7, false, true, 612, 792, "SetPaper", 9, a4w, a4h},
        {"Legal", 8.5, 14, true, true, 612, 1008, "SetPaper", 5, 8.5, 14},
        {"A5", 14.8, 21, false, true, 444, 630, "SetPaper", 11, 148 / 25.4, 210 / 25.4},
        {"B5", 18.2, 25.7, false, true, 546, 771, "SetPaper", 13, 182 / 25.4, 257 / 25.4},
        {"Executive", 7.25, 10.5, true, true, 522, 756, "SetPaper", 7, 7.25, 10.5},
        {"Letter", 11, 8.5, true, false, 792, 612, "SetPaper", 1, 11, 8.5},
        {"Custom", 10, 5, true, true, 480, 240, "SetCustomPaper", 0, 10, 5},
        {"Custom", 25.4, 12.7, false, true, 762, 381, "SetCustomPaper", 0, 10, 5},
    };
    for (const PaperCase& c : cases) {
        SCOPED_TRACE(std::string(c.Paper) + (c.Portrait ? " portrait" : " landscape"));
        PuzzleRecord record = MakePuzzle({});
        PageLayoutRecord layout(record.PageLayout());
        layout.SetPaperName(c.Paper);
        layout.SetPageWidth(c.PageWidth);
        layout.SetPageHeight(c.PageHeight);
        layout.SetInches(c.Inches);
        layout.SetPortrait(c.Portrait);
        layout.SetDesignWidth(static_cast<std::int16_t>(c.DesignWidth));
        layout.SetDesignHeight(static_cast<std::int16_t>(c.DesignHeight));
        SetLayout(record, layout);
        const Rendered r = Render(record, AllOptions());
        ASSERT_FALSE(r.Canvas.Log.empty());
        EXPECT_EQ(r.Canvas.Log[0].Name, c.ExpectedOp);
        if (c.ExpectedCode != 0) {
            EXPECT_EQ(r.Canvas.Log[0].Args[0], c.ExpectedCode);
        }
        EXPECT_NEAR(r.Run.Results.PageWidth, c.ExpectedW, 1e-9);
        EXPECT_NEAR(r.Run.Results.PageHeight, c.ExpectedH, 1e-9);
        EXPECT_DOUBLE_EQ(r.Run.Results.Scale,
                         std::min(c.ExpectedW / c.DesignWidth, c.ExpectedH / c.DesignHeight));
    }
}

TEST(ReportRenderer, LetterAtMediumZoomIsOneSeventySecondAndA4FitsTheNarrowerSide) {
    PuzzleRecord record = MakePuzzle({});
    PageLayoutRecord layout(record.PageLayout());
    layout.SetDesignWidth(612);
    layout.SetDesignHeight(792);
    SetLayout(record, layout);
    EXPECT_DOUBLE_EQ(Render(record, AllOptions()).Run.Results.Scale, 1.0 / 72);

    layout.SetPaperName("A4");
    SetLayout(record, layout);
    const RenderResults a4 = Render(record, AllOptions()).Run.Results;
    EXPECT_NEAR(a4.PageWidth, 8.27, 0.005);
    EXPECT_NEAR(a4.PageHeight, 11.69, 0.005);
    EXPECT_DOUBLE_EQ(a4.Scale, a4.PageWidth / 612);
    EXPECT_LT(a4.Scale, a4.PageHeight / 792);
}

TEST(ReportRenderer, WordCountEndsAtTheLastPlacedEntry) {
    PuzzleRecord record = MakePuzzle({}, {"ONE", "TWO", "THREE", "FOUR", "FIVE"});
    record.SetPlaced(2, false);
    record.SetPlaced(4, false);
    record.SetPlaced(5, false);
    EXPECT_EQ(Render(record, AllOptions()).Run.Results.WordCount, 3);
}

// ---- objects by kind and print options ----

TEST(ReportRenderer, PrintOptionsChooseTheObjects) {
    PageObject title = MakeObject(PageObjectKind::Title, {100, 100, 800, 200});
    PageObject bonus = MakeObject(PageObjectKind::BonusQuestion, {100, 200, 800, 300});
    PageObject words = MakeObject(PageObjectKind::WordsClues, {100, 700, 800, 1000});
    PuzzleRecord record = MakePuzzle({title, bonus, words}, {"CAT"});
    record.SetClue(1, "Pet");
    record.SetBonusQuestion("Why?");

    struct Case {
        bool Title, Words, Bonus;
        int WordOption;
        std::vector<std::string> Expected;
    } cases[] = {
        {true, true, true, 1, {"Animals", "Why?", "CAT"}},
        {false, true, true, 2, {"Why?", "1.", "Pet"}},
        {true, false, false, 1, {"Animals"}},
    };
    for (const Case& c : cases) {
        PrintOptions options = AllOptions();
        options.PrintTitle = c.Title;
        options.PrintWords = c.Words;
        options.PrintBonus = c.Bonus;
        options.PrintBody = false;
        options.WordOption = c.WordOption;
        EXPECT_EQ(Render(record, options).Canvas.PrintedTexts(), c.Expected);
    }
    record.SetBonusQuestion("");
    EXPECT_EQ(Render(record, AllOptions()).Canvas.PrintedTexts(),
              (std::vector<std::string>{"Animals", "CAT"}));
}

// ---- title ----

TEST(ReportRenderer, TitleShrinksToTheLargestSizeThatFits) {
    struct Case {
        int Width, Height; // hundredths of an inch
        bool MakeFit;
        int Expected;
    } cases[] = {
        {75, 100, true, 7},   // 10 characters: 0.1 inch per point must stay below 0.75
        {70, 100, true, 6},   // 0.7 is not below 0.7
        {500, 10, true, 7},   // the height size / 72 must stay below 0.1
        {5, 100, true, 2},    // never below 2 points
        {75, 100, false, 20}, // no shrinking
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Width);
        PageObject title =
            MakeObject(PageObjectKind::Title, {100, 100, 100 + c.Width, 100 + c.Height}, 20);
        title.SetMakeFit(c.MakeFit);
        PuzzleRecord record = MakePuzzle({title});
        record.SetTitle("ABCDEFGHIJ");
        const Rendered r = Render(record, AllOptions());
        EXPECT_EQ(r.Run.Results.FittedFontSize[0], c.Expected);
        EXPECT_EQ(r.Canvas.Font().Size, c.Expected);
        EXPECT_TRUE(r.Run.Warnings.empty()); // a title never warns
    }
}

TEST(ReportRenderer, TitleIsAlignedAndCentredVertically) {
    for (int alignment : {1, 2, 3}) {
        PageObject title = MakeObject(PageObjectKind::Title, {100, 200, 500, 300}, 10);
        title.SetAlignment(static_cast<std::int16_t>(alignment));
        PuzzleRecord record = MakePuzzle({title});
        record.SetTitle("ABCD"); // 0.4 inch wide
        const Rendered r = Render(record, AllOptions());
        const std::vector<FakeOp> texts = r.Canvas.Ops("PrintText");
        ASSERT_EQ(texts.size(), 1u);
        const double expectedX[] = {1.0, 1.0 + (4 - 0.4) / 2, 5 - 0.4};
        EXPECT_NEAR(texts[0].Args[0], expectedX[alignment - 1], kEps);
        // bottom - h / 2 + (ascent - descent) / 2
        EXPECT_NEAR(texts[0].Args[1], 3 - 0.5 + (0.6 * 10 / 72) / 2, kEps);
    }
}

TEST(ReportRenderer, FrameGrowsOnePixelPerStep) {
    PageObject title = MakeObject(PageObjectKind::Title, {100, 200, 500, 300});
    title.SetBorder(true);
    title.SetBorderWidth(2);
    title.SetBorderColor(0x0000FF);
    const Rendered r = Render(MakePuzzle({title}), AllOptions());
    const std::vector<FakeOp> moves = r.Canvas.Ops("MoveTo");
    const std::vector<FakeOp> lines = r.Canvas.Ops("LineTo");
    ASSERT_EQ(moves.size(), 2u);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(moves[0].Args, (std::vector<double>{1, 2}));
    EXPECT_EQ(lines[1].Args, (std::vector<double>{5, 3}));
    EXPECT_EQ(moves[1].Args, (std::vector<double>{0.99, 1.99}));
    EXPECT_EQ(lines[5].Args, (std::vector<double>{5.01, 3.01}));
    EXPECT_EQ(r.Canvas.Ops("SetPenColor").back().Args[0], 0x0000FF);
}

// ---- puzzle grid ----

TEST(ReportRenderer, CellsAreSquareAndCentred) {
    PageObject grid = MakeObject(PageObjectKind::PuzzleGrid, {100, 100, 700, 700}, 40);
    const Rendered r = Render(MakePuzzle({grid}, {}, 20, 15), AllOptions());
    const std::vector<FakeOp> cells = r.Canvas.Ops("FillRect");
    ASSERT_EQ(cells.size(), 300u);
    // 6 inches / 20 columns; the 15 rows leave 0.75 inch above and below.
    const std::vector<double> first{1.0, 1.75, 1.3, 2.05};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(cells.front().Args[static_cast<std::size_t>(i)],
                    first[static_cast<std::size_t>(i)], kEps);
    EXPECT_NEAR(cells.back().Args[2], 7.0, kEps);
    EXPECT_NEAR(cells.back().Args[3], 7.0 - 0.75, kEps);
    // The letters shrink until a "W" (0.01 inch per point) is narrower than 0.3 inch.
    EXPECT_EQ(r.Run.Results.FittedFontSize[0], 29);
    const FakeOp letter = r.Canvas.Ops("PrintText").front();
    EXPECT_NEAR(letter.Args[0], 1.0 + (0.3 - 0.29) / 2, kEps);
    EXPECT_NEAR(letter.Args[1], 2.05 - 0.2 * 29 / 72 - (0.3 - 29.0 / 72) / 2, kEps);
}

TEST(ReportRenderer, GridFontSearchStopsAtFourOrAtOnePoint) {
    struct Case {
        int FontSize;
        int GridHundredths; // two cells
        int Expected;
    } cases[] = {{12, 9, 4}, {12, 25, 12}, {20, 25, 12}, {4, 1, 4},
                 {3, 1, 1},  {3, 5, 2},    {0, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.FontSize);
        PageObject grid =
            MakeObject(PageObjectKind::PuzzleGrid,
                       {100, 100, 100 + c.GridHundredths, 100 + c.GridHundredths}, c.FontSize);
        EXPECT_EQ(Render(MakePuzzle({grid}, {}, 2, 2), AllOptions()).Run.Results.FittedFontSize[0],
                  c.Expected);
    }
}

TEST(ReportRenderer, GridLettersHolesLowerCaseAndFilledBackground) {
    PageObject grid = MakeObject(PageObjectKind::PuzzleGrid, {0, 0, 300, 100}, 10);
    grid.SetFilled(true);
    PuzzleRecord record = MakePuzzle({grid}, {}, 3, 1);
    record.SetWordGridCell(1, 'Q');
    record.SetWordGridCell(2, ' ');
    record.SetFillGridCell(2, 'X');
    record.SetFillGridCell(3, 'Z');
    record.SetWordGridCell(3, 0xC9); // É
    PrintOptions options = AllOptions();
    EXPECT_EQ(Render(record, options).Canvas.PrintedTexts(),
              (std::vector<std::string>{"Q", "X", "\xC9"}));
    EXPECT_TRUE(Render(record, options).Canvas.Ops("FillRect").empty());
    options.LowerCase = true;
    EXPECT_EQ(Render(record, options).Canvas.PrintedTexts(),
              (std::vector<std::string>{"q", "x", "\xE9"}));
    record.SetWordGridCell(2, 0);
    EXPECT_EQ(Render(record, options).Canvas.PrintedTexts(),
              (std::vector<std::string>{"q", "\xE9"}));
}

TEST(ReportRenderer, GridLinesOncePerCellOrPerPixelInset) {
    for (int width : {1, 3}) {
        PageObject grid = MakeObject(PageObjectKind::PuzzleGrid, {100, 100, 300, 300}, 10);
        grid.SetGridLineWidth(width);
        grid.SetGridLineColor(0x00FF00);
        PrintOptions options = AllOptions();
        options.UseGrid = true;
        const Rendered r = Render(MakePuzzle({grid}, {}, 2, 2), options);
        const std::vector<FakeOp> moves = r.Canvas.Ops("MoveTo");
        ASSERT_EQ(moves.size(), width == 1 ? 4u : 12u);
        EXPECT_EQ(r.Canvas.Ops("LineTo").size(), moves.size() * 4);
        EXPECT_EQ(moves[0].Args, (std::vector<double>{1, 1}));
        if (width == 3) {
            EXPECT_EQ(moves[1].Args, (std::vector<double>{1.01, 1.01}));
            EXPECT_EQ(moves[2].Args, (std::vector<double>{1.02, 1.02}));
        }
        options.UseGrid = false;
        EXPECT_TRUE(Render(MakePuzzle({grid}, {}, 2, 2), options).Canvas.Ops("MoveTo").empty());
    }
}

// The answer key of one word on a grid of half-inch cells from (1, 1).
struct Point {
    double X, Y;
};
struct CapsuleDrawing {
    std::vector<FakeOp> Ops;
};

Point Mid(int cell, char edge, int gridSide = 10, double cellSize = 0.5) {
    (void)gridSide;
    const int row = PuzzleRecord::CellRow(cell), column = PuzzleRecord::CellColumn(cell);
    const double left = 1 + (column - 1) * cellSize, top = 1 + (row - 1) * cellSize;
    switch (edge) {
    case 'T':
        return {left + cellSize / 2, top};
    case 'B':
        return {left + cellSize / 2, top + cellSize};
    case 'L':
        return {left, top + cellSize / 2};
    default:
        return {left + cellSize, top + cellSize / 2};
    }
}

std::vector<double> CellBounds(int cell, double cellSize = 0.5) {
    const int row = PuzzleRecord::CellRow(cell), column = PuzzleRecord::CellColumn(cell);
    const double left = 1 + (column - 1) * cellSize, top = 1 + (row - 1) * cellSize;
    return {left, top, left + cellSize, top + cellSize};
}

std::vector<FakeOp> AnswerKeyOps(const Rendered& r) {
    std::vector<FakeOp> ops;
    bool inKey = false;
    for (const FakeOp& op : r.Canvas.Log) {
        if (op.Name == "SetPenColor" && op.Args[0] == 0)
            inKey = true;
        else if (inKey)
            ops.push_back(op);
    }
    return ops;
}

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], kEps) << "argument " << i;
}

TEST(ReportRenderer, AnswerKeyCapsuleOfEveryDirection) {
    struct Case {
        const char* Direction;
        int Start, End;
        const char* Lines; // "sLeL" = start L to end L
        const char* Arcs;  // start arc P Q, end arc P Q
    } cases[] = {
        {"N", 205, 105, "LLRR", "LRRL"},        {"NE", 203, 105, "LTBR", "LBRT"},
        {"E", 53, 60, "TTBB", "TBBT"},          {"SE", 103, 205, "LBTR", "TLBR"},
        {"S", 105, 205, "LLRR", "RLLR"},        {"SW", 105, 203, "TLRB", "RTLB"},
        {"W", 60, 53, "TTBB", "BTTB"},          {"NW", 205, 103, "BLRT", "BRTL"},
        {"one letter", 55, 55, "LLRR", "LRRL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Direction);
        PageObject grid = MakeObject(PageObjectKind::PuzzleGrid, {100, 100, 600, 600}, 10);
        PuzzleRecord record = MakePuzzle({grid}, {"WORD"});
        record.SetStartCell(1, static_cast<std::int16_t>(c.Start));
        record.SetEndCell(1, static_cast<std::int16_t>(c.End));
        PrintOptions options = AllOptions();
        options.AnswerKey = true;
        const std::vector<FakeOp> ops = AnswerKeyOps(Render(record, options));
        ASSERT_EQ(ops.size(), 6u);
        const Point l1a = Mid(c.Start, c.Lines[0]), l1b = Mid(c.End, c.Lines[1]);
        const Point l2a = Mid(c.Start, c.Lines[2]), l2b = Mid(c.End, c.Lines[3]);
        EXPECT_EQ(ops[0].Name, "MoveTo");
        ExpectNear(ops[0].Args, {l1a.X, l1a.Y});
        ExpectNear(ops[1].Args, {l1b.X, l1b.Y});
        ExpectNear(ops[2].Args, {l2a.X, l2a.Y});
        ExpectNear(ops[3].Args, {l2b.X, l2b.Y});
        EXPECT_EQ(ops[4].Name, "Arc");
        std::vector<double> startArc = CellBounds(c.Start);
        for (const Point p : {Mid(c.Start, c.Arcs[0]), Mid(c.Start, c.Arcs[1])})
            startArc.insert(startArc.end(), {p.X, p.Y});
        ExpectNear(ops[4].Args, startArc);
        std::vector<double> endArc = CellBounds(c.End);
        for (const Point p : {Mid(c.End, c.Arcs[2]), Mid(c.End, c.Arcs[3])})
            endArc.insert(endArc.end(), {p.X, p.Y});
        ExpectNear(ops[5].Args, endArc);
    }
}

TEST(ReportRenderer, CapsuleOfAWordEndingInColumnFifty) {
    PageObject grid = MakeObject(PageObjectKind::PuzzleGrid, {100, 100, 600, 600}, 10);
    PuzzleRecord record = MakePuzzle({grid}, {"HORSE"}, 50, 50);
    record.SetStartCell(1, 146); // row 3, columns 46..50
    record.SetEndCell(1, 150);
    PrintOptions options = AllOptions();
    options.AnswerKey = true;
    const std::vector<FakeOp> ops = AnswerKeyOps(Render(record, options));
    ASSERT_EQ(ops.size(), 6u);
    // 0.1-inch cells; cell 150 is row 3, column 50.
    ExpectNear(std::vector<double>(ops[5].Args.begin(), ops[5].Args.begin() + 4),
               {1 + 49 * 0.1, 1 + 2 * 0.1, 1 + 50 * 0.1, 1 + 3 * 0.1});
}

TEST(ReportRenderer, HiddenPhraseRingsTheFreeCells) {
    PageObject grid = MakeObject(PageObjectKind::PuzzleGrid, {100, 100, 600, 600}, 10);
    PuzzleRecord record = MakePuzzle({grid}, {}, 10, 10);
    record.SetWordGridCell(PuzzleRecord::CellIndex(2, 3), ' ');
    record.SetWordGridCell(PuzzleRecord::CellIndex(4, 4), ' ');
    PrintOptions options = AllOptions();
    options.AnswerKey = true;
    EXPECT_TRUE(Render(record, options).Canvas.Ops("Ellipse").empty());
    record.SetHiddenPhraseUsed(true);
    const Rendered r = Render(record, options);
    const std::vector<FakeOp> rings = r.Canvas.Ops("Ellipse");
    ASSERT_EQ(rings.size(), 2u);
    ExpectNear(rings[0].Args, CellBounds(PuzzleRecord::CellIndex(2, 3)));
    const std::vector<FakeOp> brush = r.Canvas.Ops("SetBrushSolid");
    ASSERT_EQ(brush.size(), 2u);
    EXPECT_EQ(brush[0].Args[0], 0);
    EXPECT_EQ(brush[1].Args[0], 1);
    options.AnswerKey = false;
    EXPECT_TRUE(Render(record, options).Canvas.Ops("Ellipse").empty());
}

// ---- word list ----

// Ten-point words in 0.75 inch: 5 lines a column.
std::vector<std::string> Words(int count) {
    std::vector<std::string> words;
    for (int i = 1; i <= count; ++i)
        words.push_back("W" + std::string(i < 10 ? "0" : "") + std::to_string(i));
    return words;
}

TEST(ReportRenderer, WordListFitsExactlyLinesTimesColumns) {
    struct Case {
        int Count;
        bool MakeFit;
        bool DidNotFit;
        int Fitted, FontSize, Lines;
    } cases[] = {
        {10, false, false, 10, 10, 5},
        {11, false, true, 10, 10, 5},
        {11, true, false, 11, 9, 6}, // 9 points give 6 lines
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Count);
        PageObject list = MakeObject(PageObjectKind::WordsClues, {100, 100, 400, 175});
        list.SetMakeFit(c.MakeFit);
        PrintOptions options = AllOptions();
        options.NumColumns = 2;
        const Rendered r = Render(MakePuzzle({list}, Words(c.Count)), options);
        const RenderResults& results = r.Run.Results;
        EXPECT_EQ(results.WordsDidNotFit, c.DidNotFit);
        EXPECT_EQ(results.Words.FittedCount, c.Fitted);
        EXPECT_EQ(results.Words.LinesPerColumn, c.Lines);
        EXPECT_EQ(results.FittedFontSize[0], c.FontSize);
        EXPECT_EQ(r.Canvas.PrintedTexts().size(), static_cast<std::size_t>(c.Fitted));
        EXPECT_EQ(r.Run.Warnings.size(), c.DidNotFit ? 1u : 0u);
        if (c.DidNotFit) {
            EXPECT_EQ(r.Run.Warnings[0], (Message{kWordsWarning, "Warning"}));
        }
    }
}

TEST(ReportRenderer, WordListPositions) {
    PageObject list = MakeObject(PageObjectKind::WordsClues, {100, 100, 400, 175});
    PrintOptions options = AllOptions();
    options.NumColumns = 2;
    const Rendered r = Render(MakePuzzle({list}, Words(7)), options);
    const WordListResults& words = r.Run.Results.Words;
    EXPECT_NEAR(words.LeftMargin, 0.025, kEps);
    EXPECT_NEAR(words.ColumnWidth, (3 - 0.025) / 2, kEps);
    const std::vector<FakeOp> texts = r.Canvas.Ops("PrintText");
    ASSERT_EQ(texts.size(), 7u);
    const double lh = 0.75 / 5;
    EXPECT_EQ(texts[5].Text, "W06"); // row 1 of column 2
    ExpectNear(texts[5].Args, {1 + 0.025 + words.ColumnWidth, 1 + lh - 0.2 * lh});
    ExpectNear(texts[4].Args, {1 + 0.025, 1 + 5 * lh - 0.2 * lh});
}

TEST(ReportRenderer, WideEntryLenientKeepsAnEmptyRowStrictShrinks) {
    PageObject list = MakeObject(PageObjectKind::WordsClues, {100, 100, 200, 175});
    // Column 1 - 0.025 inch: "ELEPHANTS" (0.9) fits, the 12 letters do not.
    const std::vector<std::string> words{"AA", "BBBBBBBBBBBB", "CC"};
    list.SetMakeFit(false);
    Rendered r = Render(MakePuzzle({list}, words), AllOptions());
    EXPECT_EQ(r.Run.Results.Words.PrintedLengths, (std::vector<int>{2, 0, 2}));
    EXPECT_FALSE(r.Run.Results.WordsDidNotFit);
    std::vector<FakeOp> texts = r.Canvas.Ops("PrintText");
    ASSERT_EQ(texts.size(), 2u);
    const double lh = 0.75 / 5;
    EXPECT_NEAR(texts[1].Args[1], 1 + 3 * lh - 0.2 * lh, kEps); // "CC" stays on row 3

    list.SetMakeFit(true);
    r = Render(MakePuzzle({list}, words), AllOptions());
    EXPECT_EQ(r.Run.Results.FittedFontSize[0], 8);
    EXPECT_EQ(r.Run.Results.Words.PrintedLengths, (std::vector<int>{2, 12, 2}));
    EXPECT_EQ(r.Canvas.PrintedTexts().size(), 3u);
}

TEST(ReportRenderer, WordOptionsInTheList) {
    PageObject list = MakeObject(PageObjectKind::WordsClues, {100, 100, 800, 1000});
    const PuzzleRecord record = MakePuzzle({list}, {"zebra", "Elephant", "cat"});
    struct Case {
        int WordOption;
        bool Underscore;
        std::vector<std::string> Expected;
    } cases[] = {
        {1, false, {"cat", "Elephant", "zebra"}},
        {4, false, {"Z...A", "E...T", "C...T"}},
        {4, true, {"Z _ _ _ A", "E _ _ _ _ _ _ T", "C _ T"}},
    };
    for (const Case& c : cases) {
        PrintOptions options = AllOptions();
        options.WordOption = c.WordOption;
        options.PartialUnderscore = c.Underscore;
        EXPECT_EQ(Render(record, options).Canvas.PrintedTexts(), c.Expected);
    }
    PrintOptions options = AllOptions();
    options.WordOption = 3;
    const std::vector<std::string> first =
        Render(record, options, FakePictures(), 7).Canvas.PrintedTexts();
    EXPECT_EQ(Render(record, options, FakePictures(), 7).Canvas.PrintedTexts(), first);
    ASSERT_EQ(first.size(), 3u);
    std::string sorted = first[1];
    std::ranges::sort(sorted);
    EXPECT_EQ(sorted, "aeehlnpt");
}

// ---- clue list ----

// Ten points: "9" is 0.1 inch wide, so each column takes 0.2 inch for the numbers, and
// the gaps 0.2 inch, beside the clue column, plus a margin of 0.025 inch.
PageObject ClueObject(double clueWidth, int heightHundredths, int columns = 1) {
    const double width = columns * (clueWidth + 0.2) + (columns - 1) * 0.2 + 0.025;
    return MakeObject(
        PageObjectKind::WordsClues,
        {100, 100, 100 + static_cast<int>(std::lround(width * 1000)) / 10, 100 + heightHundredths});
}

PuzzleRecord CluePuzzle(const PageObject& object, const std::vector<std::string>& clues) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < clues.size(); ++i)
        words.push_back("W" + std::to_string(i));
    PuzzleRecord record = MakePuzzle({object}, words);
    for (std::size_t i = 0; i < clues.size(); ++i)
        record.SetClue(static_cast<int>(i) + 1, clues[i]);
    return record;
}

PrintOptions ClueOptions(int columns = 1) {
    PrintOptions options = AllOptions();
    options.WordOption = 2;
    options.NumColumns = columns;
    return options;
}

TEST(ReportRenderer, ClueLinesBreakBeforeTheLastWord) {
    // 1.055 inch: ten characters fit, eleven do not.
    const Rendered r =
        Render(CluePuzzle(ClueObject(1.055, 75), {"AAAA BBBB CCCC DDDD"}), ClueOptions());
    const ClueListResults& clues = r.Run.Results.Clues;
    EXPECT_EQ(clues.LineLengths, (std::vector<std::vector<int>>{{10, 9}}));
    EXPECT_NEAR(clues.NumberWidth, 0.2, kEps);
    EXPECT_NEAR(clues.GapWidth, 0.2, kEps);
    EXPECT_NEAR(clues.ClueWidth, 1.055, 1e-6);
    const std::vector<FakeOp> texts = r.Canvas.Ops("PrintText");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].Text, "1.");
    EXPECT_EQ(texts[1].Text, "AAAA BBBB");
    EXPECT_EQ(texts[2].Text, "CCCC DDDD");
    const double lh = 0.75 / 5;
    ExpectNear(texts[0].Args, {1.025, 1 + lh - 0.2 * lh});
    ExpectNear(texts[2].Args, {1.225, 1 + 2 * lh - 0.2 * lh});
}

TEST(ReportRenderer, ClueColumnPlacement) {
    const std::string two = "AAAA BBBB CCCC", three = "AAAA BBBB CCCC DDDD EEEE";
    struct Case {
        std::string First;
        int Columns;
        bool DidNotFit;
        int Fitted;
        int SecondRow, SecondColumn; // of clue 2
    } cases[] = {
        {two, 1, false, 2, 3, 1},   // clue 2 ends on line 5 = L
        {three, 2, false, 2, 1, 2}, // it would end on line 6
        {three, 1, true, 1, 0, 0},  // and there is no second column
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Columns);
        PageObject object = ClueObject(1.055, 75, c.Columns);
        object.SetMakeFit(false);
        const Rendered r = Render(CluePuzzle(object, {c.First, three}), ClueOptions(c.Columns));
        const ClueListResults& clues = r.Run.Results.Clues;
        EXPECT_EQ(clues.LinesPerColumn, 5);
        EXPECT_EQ(clues.FittedCount, c.Fitted);
        EXPECT_EQ(r.Run.Results.CluesDidNotFit, c.DidNotFit);
        const std::vector<FakeOp> texts = r.Canvas.Ops("PrintText");
        auto number = std::ranges::find_if(texts, [](const FakeOp& op) { return op.Text == "2."; });
        if (c.SecondRow == 0) {
            EXPECT_EQ(number, texts.end());
            ASSERT_FALSE(r.Run.Warnings.empty());
            EXPECT_EQ(r.Run.Warnings[0].Text, kCluesWarning);
            continue;
        }
        ASSERT_NE(number, texts.end());
        const double lh = 0.15;
        const double x =
            1.025 + (c.SecondColumn - 1) * (clues.NumberWidth + clues.GapWidth + clues.ClueWidth);
        ExpectNear(number->Args, {x, 1 + c.SecondRow * lh - 0.2 * lh});
    }
}

TEST(ReportRenderer, ClueLimitsAndWideWords) {
    const std::string eight =
        "AAAA BBBB CCCC DDDD EEEE FFFF GGGG HHHH IIII JJJJ KKKK LLLL MMMM NNNN OOOO PPPP";
    struct Case {
        std::string Clue;
        bool MakeFit;
        bool DidNotFit;
        std::vector<int> Lengths;
    } cases[] = {
        {eight, false, false, {10, 10, 10, 10, 10, 10, 10}}, // the eighth line is dropped
        {"AA BBBBBBBBBBBBBBB CC", false, true, {3, 0}},      // a word wider than the column
        {"AA", false, false, {2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Clue);
        PageObject object = ClueObject(1.055, 200);
        object.SetMakeFit(c.MakeFit);
        const Rendered r = Render(CluePuzzle(object, {c.Clue}), ClueOptions());
        EXPECT_EQ(r.Run.Results.CluesDidNotFit, c.DidNotFit);
        ASSERT_EQ(r.Run.Results.Clues.LineLengths.size(), 1u);
        EXPECT_EQ(r.Run.Results.Clues.LineLengths[0], c.Lengths);
    }
    // Strict: a clue of eight lines shrinks the font until it takes seven.
    PageObject object = ClueObject(1.055, 200);
    const Rendered r = Render(CluePuzzle(object, {eight}), ClueOptions());
    EXPECT_FALSE(r.Run.Results.CluesDidNotFit);
    EXPECT_EQ(r.Run.Results.FittedFontSize[0], 7); // three words a line
}

TEST(ReportRenderer, ClueTextsWithAnswersOrUnderscores) {
    PageObject object = ClueObject(5, 200);
    PuzzleRecord record = CluePuzzle(object, {"Pet"});
    record.SetWord(1, "CAT");
    PrintOptions options = ClueOptions();
    options.ClueUnderscore = true;
    EXPECT_EQ(Render(record, options).Canvas.PrintedTexts()[1], "(_ _ _) Pet");
    options.AnswerKey = true;
    EXPECT_EQ(Render(record, options).Canvas.PrintedTexts()[1], "(CAT) Pet");
}

// ---- text ----

PageObject TextObject(const std::string& text, int width, int height, bool makeFit = false) {
    PageObject object = MakeObject(PageObjectKind::Text, {100, 100, 100 + width, 100 + height});
    object.SetText(text);
    object.SetMakeFit(makeFit);
    return object;
}

TEST(ReportRenderer, TextParagraphsAndWrapping) {
    struct Case {
        std::string Text;
        int Width;
        std::vector<int> Lengths;
        std::vector<bool> Paragraphs;
        std::vector<std::string> Printed;
    } cases[] = {
        {"AB CD\r\nEF", 500, {5, 4}, {false, true}, {"AB CD", "EF"}},
        {"AB CD EF", 500, {8}, {false}, {"AB CD EF"}},
        {"AB CD EF", 55, {5, 3}, {false, false}, {"AB CD", "EF"}},
        {"AB\r\n\r\nCD", 500, {2, 2, 4}, {false, true, true}, {"AB", "CD"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        const Rendered r = Render(MakePuzzle({TextObject(c.Text, c.Width, 500)}), AllOptions());
        ASSERT_EQ(r.Run.Results.Texts.size(), 1u);
        EXPECT_EQ(r.Run.Results.Texts[0].LineLengths, c.Lengths);
        EXPECT_EQ(r.Run.Results.Texts[0].ParagraphStart, c.Paragraphs);
        EXPECT_EQ(r.Canvas.PrintedTexts(), c.Printed);
        EXPECT_FALSE(r.Run.Results.TextDidNotFit[0]);
    }
    const Rendered r = Render(MakePuzzle({TextObject("AB CD\r\nEF", 500, 500)}), AllOptions());
    const double lh = 10.0 / 72;
    EXPECT_NEAR(r.Canvas.Ops("PrintText")[1].Args[1], 1 + 2 * lh - 0.2 * lh, kEps);
}

TEST(ReportRenderer, TextLimits) {
    struct Case {
        std::string Text;
        int Width, Height;
        bool MakeFit;
        bool DidNotFit;
        int Lines, FontSize;
    } cases[] = {
        // A line after the first starts with its space: " A" is 0.2 inch wide.
        {Repeat("A ", 100) + "A", 25, 2000, false, true, 100, 10}, // 101 lines
        {Repeat("A ", 99) + "A", 25, 2000, false, false, 100, 10},
        {"AB CD EF", 34, 28, false, true, 2, 10},    // 3 lines, room for 2
        {"AB CD EF", 34, 28, true, false, 2, 6},     // at 6 points "AB CD" fits a line
        {"AB CD EF", 25, 100, false, true, 2, 10},   // " CD" alone is wider
        {"ABCDEFGHIJ", 50, 100, false, true, 1, 10}, // a word wider than the object
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Lines);
        const Rendered r =
            Render(MakePuzzle({TextObject(c.Text, c.Width, c.Height, c.MakeFit)}), AllOptions());
        EXPECT_EQ(r.Run.Results.TextDidNotFit[0], c.DidNotFit);
        EXPECT_EQ(r.Run.Results.Texts[0].LineCount(), c.Lines);
        EXPECT_EQ(r.Run.Results.FittedFontSize[0], c.FontSize);
    }
}

TEST(ReportRenderer, TwoTextsThatDoNotFitWarnOnce) {
    const Rendered r =
        Render(MakePuzzle({TextObject("AB CD EF", 25, 14), TextObject("OK", 500, 100),
                           TextObject("AB CD EF", 25, 14)}),
               AllOptions());
    EXPECT_TRUE(r.Run.Results.TextDidNotFit[0]);
    EXPECT_FALSE(r.Run.Results.TextDidNotFit[1]);
    EXPECT_TRUE(r.Run.Results.TextDidNotFit[2]);
    EXPECT_EQ(r.Run.Results.Texts.size(), 3u);
    EXPECT_EQ(r.Run.Warnings, (std::vector<Message>{{kTextWarning, "Warning"}}));
}

// ---- rectangles, circles, bitmaps ----

TEST(ReportRenderer, RectangleAndCircle) {
    PageObject rect = MakeObject(PageObjectKind::Rectangle, {100, 100, 200, 300});
    rect.SetFilled(true);
    rect.SetFillColor(0x123456);
    PageObject circle = MakeObject(PageObjectKind::Circle, {100, 100, 200, 300});
    circle.SetBorder(true);
    circle.SetBorderWidth(2);
    const Rendered r = Render(MakePuzzle({rect, circle}), AllOptions());
    ExpectNear(r.Canvas.Ops("FillRect").at(0).Args, {1, 1, 2, 3});
    EXPECT_TRUE(r.Canvas.Ops("Ellipse").empty());
    const std::vector<FakeOp> arcs = r.Canvas.Ops("Arc");
    ASSERT_EQ(arcs.size(), 4u);
    ExpectNear(arcs[0].Args, {1, 1, 2, 3, 2, 2, 1, 2});
    ExpectNear(arcs[1].Args, {1, 1, 2, 3, 1, 2, 2, 2});
    ExpectNear(arcs[2].Args, {0.99, 0.99, 2.01, 3.01, 2.01, 2, 0.99, 2});
}

TEST(ReportRenderer, TiledBitmapCoversThePage) {
    PageObject bitmap = MakeObject(PageObjectKind::Bitmap, {300, 300, 500, 500});
    bitmap.SetBitmapFile("/pics/tile.bmp");
    FakePictures pictures;
    pictures.Existing = {"/pics/tile.bmp"};
    const Rendered r = Render(MakePuzzle({bitmap}), AllOptions(), pictures);
    const std::vector<FakeOp> tiles = r.Canvas.Ops("DrawPicture");
    ASSERT_EQ(tiles.size(), 30u); // 5 columns, 6 rows
    ExpectNear(tiles[0].Args, {1, 0, 0, 2, 2});
    ExpectNear(tiles[29].Args, {1, 8, 10, 10, 12});
    EXPECT_TRUE(r.Canvas.Ops("MoveTo").empty());

    bitmap.SetTransparent(false);
    bitmap.SetBorder(true);
    const Rendered stretched = Render(MakePuzzle({bitmap}), AllOptions(), pictures);
    ExpectNear(stretched.Canvas.Ops("DrawPicture").at(0).Args, {1, 3, 3, 5, 5});
    EXPECT_EQ(stretched.Canvas.Ops("MoveTo").size(), 1u);
}

TEST(ReportRenderer, MissingBitmapsWarnOnceAndThePageIsDrawn) {
    PageObject a = MakeObject(PageObjectKind::Bitmap, {300, 300, 500, 500});
    a.SetBitmapFile("/gone/a.bmp");
    PageObject b = a;
    b.SetBitmapFile("/gone/b.bmp");
    PageObject empty = a;
    empty.SetBitmapFile("");
    PageObject title = MakeObject(PageObjectKind::Title, {100, 100, 800, 200});
    PageObject list = MakeObject(PageObjectKind::WordsClues, {100, 700, 800, 701});
    list.SetMakeFit(false);
    const Rendered r =
        Render(MakePuzzle({a, empty, title, b, list, TextObject("AB CD EF", 25, 14)}, {"CAT"}),
               AllOptions());
    EXPECT_TRUE(r.Canvas.Ops("DrawPicture").empty());
    EXPECT_EQ(r.Canvas.PrintedTexts(), (std::vector<std::string>{"Animals", "AB"}));
    EXPECT_EQ(r.Run.Warnings, (std::vector<Message>{{kMissingBitmapsWarning, "Warning"},
                                                    {kWordsWarning, "Warning"},
                                                    {kTextWarning, "Warning"}}));
}

// ---- damaged and degenerate records ----

TEST(ReportRenderer, ObjectsWhereNoLineFitsPrintNothing) {
    PageObject list = MakeObject(PageObjectKind::WordsClues, {100, 100, 800, 101});
    PageObject text = TextObject("Some text", 700, 1);
    for (int option : {1, 2}) {
        for (bool makeFit : {false, true}) {
            list.SetMakeFit(makeFit);
            text.SetMakeFit(makeFit);
            PrintOptions options = AllOptions();
            options.WordOption = option;
            const Rendered r = Render(MakePuzzle({list, text}, {"CAT", "DOG"}), options);
            EXPECT_TRUE(r.Canvas.PrintedTexts().empty());
            EXPECT_EQ(option == 1 ? r.Run.Results.WordsDidNotFit : r.Run.Results.CluesDidNotFit,
                      true);
            EXPECT_TRUE(r.Run.Results.TextDidNotFit[0]);
        }
    }
}

TEST(ReportRenderer, DamagedRecordsAreDrawnWithoutFault) {
    struct Case {
        const char* Name;
        void (*Damage)(PuzzleRecord&, PageLayoutRecord&, PageObject&);
    } cases[] = {
        {"grid width 0",
         [](PuzzleRecord& p, PageLayoutRecord&, PageObject&) { p.SetGridWidth(0); }},
        {"grid size negative",
         [](PuzzleRecord& p, PageLayoutRecord&, PageObject&) {
             p.SetGridWidth(-5);
             p.SetGridHeight(-7);
         }},
        {"grid size 1000",
         [](PuzzleRecord& p, PageLayoutRecord&, PageObject&) {
             p.SetGridWidth(1000);
             p.SetGridHeight(32767);
         }},
        {"word count 9999",
         [](PuzzleRecord& p, PageLayoutRecord&, PageObject&) { p.SetWordCount(9999); }},
        {"word count negative",
         [](PuzzleRecord& p, PageLayoutRecord&, PageObject&) { p.SetWordCount(-3); }},
        {"cells out of range",
         [](PuzzleRecord& p, PageLayoutRecord&, PageObject&) {
             p.SetStartCell(1, -7);
             p.SetEndCell(1, 30000);
         }},
        {"object count 99",
         [](PuzzleRecord&, PageLayoutRecord& l, PageObject&) { l.SetObjectCount(99); }},
        {"object count negative",
         [](PuzzleRecord&, PageLayoutRecord& l, PageObject&) { l.SetObjectCount(-1); }},
        {"design width 0",
         [](PuzzleRecord&, PageLayoutRecord& l, PageObject&) { l.SetDesignWidth(0); }},
        {"design height negative",
         [](PuzzleRecord&, PageLayoutRecord& l, PageObject&) { l.SetDesignHeight(-4); }},
        {"custom paper of zero size",
         [](PuzzleRecord&, PageLayoutRecord& l, PageObject&) {
             l.SetPaperName("Odd");
             l.SetPageWidth(0);
             l.SetPageHeight(-1);
         }},
        {"font size 0", [](PuzzleRecord&, PageLayoutRecord&, PageObject& o) { o.SetFontSize(0); }},
        {"font size negative",
         [](PuzzleRecord&, PageLayoutRecord&, PageObject& o) { o.SetFontSize(-30); }},
        {"font size huge",
         [](PuzzleRecord&, PageLayoutRecord&, PageObject& o) { o.SetFontSize(32767); }},
        {"frame and grid lines huge",
         [](PuzzleRecord&, PageLayoutRecord&, PageObject& o) {
             o.SetBorder(true);
             o.SetBorderWidth(32767);
             o.SetGridLineWidth(2000000000);
         }},
        {"frame width negative",
         [](PuzzleRecord&, PageLayoutRecord&, PageObject& o) {
             o.SetBorder(true);
             o.SetBorderWidth(-3);
         }},
        {"inverted bounds",
         [](PuzzleRecord&, PageLayoutRecord&, PageObject& o) {
             o.SetBounds({500, 500, 100, 100});
         }},
        {"huge bounds",
         [](PuzzleRecord&, PageLayoutRecord&, PageObject& o) {
             o.SetBounds({-2000000000, -2000000000, 2000000000, 2000000000});
         }},
    };
    const PageObjectKind kinds[] = {PageObjectKind::Title,      PageObjectKind::PuzzleGrid,
                                    PageObjectKind::WordsClues, PageObjectKind::BonusQuestion,
                                    PageObjectKind::Text,       PageObjectKind::Bitmap,
                                    PageObjectKind::Rectangle,  PageObjectKind::Circle};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<PageObject> objects;
        for (PageObjectKind kind : kinds) {
            PageObject object = MakeObject(kind, {100, 100, 400, 400}, 10);
            object.SetText("Some words\r\nand more");
            object.SetBorder(true);
            object.SetTransparent(kind == PageObjectKind::Bitmap);
            object.SetBitmapFile("/pics/tile.bmp");
            objects.push_back(object);
        }
        PuzzleRecord record = MakePuzzle(objects, {"CAT", "DOG"});
        record.SetBonusQuestion("Why?");
        PageLayoutRecord layout(record.PageLayout());
        for (int k = 1; k <= static_cast<int>(objects.size()); ++k) {
            PageObject object = layout.Object(k);
            PuzzleRecord scratch;
            PageLayoutRecord unused;
            c.Damage(k == 1 ? record : scratch, k == 1 ? layout : unused, object);
            layout.SetObject(k, object);
        }
        SetLayout(record, layout);
        FakePictures pictures;
        pictures.Existing = {"/pics/tile.bmp"};
        for (int option : {1, 2, 3, 4}) {
            PrintOptions options = AllOptions();
            options.WordOption = option;
            options.AnswerKey = true;
            options.UseGrid = true;
            options.NumColumns = option == 3 ? 0 : -5;
            options.FirstLetters = -2;
            options.LastLetters = 99;
            const Rendered r = Render(record, options, pictures);
            EXPECT_LE(r.Canvas.Ops("MoveTo").size(), 50u * 50u * 50u + 1000u);
            if (layout.DesignWidth() <= 0 || layout.DesignHeight() <= 0) {
                EXPECT_TRUE(r.Canvas.PrintedTexts().empty());
            }
            for (std::int16_t size : r.Run.Results.FittedFontSize)
                EXPECT_LE(size, 500);
        }
    }
}

} // namespace
} // namespace vorlane::test
