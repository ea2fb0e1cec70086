// The shape file and page layout file a fresh install starts with, as the build generates
// them from data/shapes and data/layouts, and the generator's handling of its sources.

#include "core/test_collections.h"
#include "layouts/layout_geometry.h"
#include "layouts/page_layout_file.h"
#include "shapes/shape_file.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vorlane {
namespace {

namespace fs = std::filesystem;

const std::string kBinDir = VORLANE_BIN_DIR;

std::vector<ShapeRecord> ShippedShapes() {
    ShapeFile file(kBinDir + "/" + ShapeFile::kFileName);
    std::vector<ShapeRecord> shapes(static_cast<std::size_t>(file.Count()));
    for (std::size_t i = 0; i < shapes.size(); ++i)
        EXPECT_TRUE(file.Load(static_cast<int>(i), shapes[i]));
    return shapes;
}

// True when every cell of the shape can be reached from every other one through cells
// that share an edge: words cannot cross a gap.
bool IsConnected(const ShapeRecord& shape) {
    std::set<std::pair<int, int>> cells;
    for (int row = 1; row <= shape.UsedHeight(); ++row)
        for (int column = 1; column <= shape.UsedWidth(); ++column)
            if (shape.Cell(row, column))
                cells.insert({row, column});
    if (cells.empty())
        return false;
    std::set<std::pair<int, int>> reached{*cells.begin()};
    std::vector<std::pair<int, int>> open{*cells.begin()};
    while (!open.empty()) {
        const auto [row, column] = open.back();
        open.pop_back();
        for (const auto& next : {std::pair{row - 1, column}, std::pair{row + 1, column},
                                 std::pair{row, column - 1}, std::pair{row, column + 1}})
            if (cells.contains(next) && reached.insert(next).second)
                open.push_back(next);
    }
    return reached.size() == cells.size();
}

// True when the drawing has a cell in its first and last row and column, so the grid the
// renderer centres on the page is the picture itself.
bool FillsItsFrame(const ShapeRecord& shape) {
    const int w = shape.UsedWidth(), h = shape.UsedHeight();
    bool top = false, bottom = false, left = false, right = false;
    for (int column = 1; column <= w; ++column) {
        top = top || shape.Cell(1, column);
        bottom = bottom || shape.Cell(h, column);
    }
    for (int row = 1; row <= h; ++row) {
        left = left || shape.Cell(row, 1);
        right = right || shape.Cell(row, w);
    }
    return top && bottom && left && right;
}

TEST(ShippedShapesTest, EveryShapeIsAUsableGrid) {
    const std::vector<ShapeRecord> shapes = ShippedShapes();
    ASSERT_GE(shapes.size(), 25u);
    EXPECT_EQ(fs::file_size(kBinDir + "/" + ShapeFile::kFileName),
              shapes.size() * ShapeRecord::kSize);

    std::set<std::string> entries;
    for (const ShapeRecord& shape : shapes) {
        SCOPED_TRACE(shape.EntryText());
        EXPECT_TRUE(shape.IsValid());
        EXPECT_FALSE(shape.Name().empty());
        EXPECT_GE(shape.Width(), ShapeRecord::kMinSide);
        EXPECT_LE(shape.Width(), ShapeRecord::kMaxSide);
        EXPECT_GE(shape.Height(), ShapeRecord::kMinSide);
        EXPECT_LE(shape.Height(), ShapeRecord::kMaxSide);
        EXPECT_GE(shape.CellsInShape(), 60);
        EXPECT_TRUE(IsConnected(shape));
        EXPECT_TRUE(FillsItsFrame(shape));
        EXPECT_TRUE(entries.insert(shape.EntryText()).second) << "two shapes share the entry";
    }
}

TEST(ShippedShapesTest, RecordOneIsTheEverydaySquare) {
    const std::vector<ShapeRecord> shapes = ShippedShapes();
    ASSERT_GE(shapes.size(), 2u);
    EXPECT_EQ(shapes[1].EntryText(), "15x15 Square");
    EXPECT_EQ(shapes[1].CellsInShape(), 225);
}

// ---- page layouts

std::vector<PageLayoutRecord> ShippedLayouts() {
    return PageLayoutFile(kBinDir + "/" + PageLayoutFile::kFileName).ReadAll();
}

bool Overlap(const DesignRect& a, const DesignRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool DrawsContent(std::int16_t kind) {
    return kind != static_cast<std::int16_t>(PageObjectKind::Rectangle) &&
           kind != static_cast<std::int16_t>(PageObjectKind::Circle);
}

TEST(ShippedLayoutsTest, EveryLayoutFitsItsPage) {
    const std::vector<PageLayoutRecord> layouts = ShippedLayouts();
    ASSERT_GE(layouts.size(), 6u);
    std::map<std::string, std::set<std::string>> papersByName;
    for (const PageLayoutRecord& layout : layouts) {
        SCOPED_TRACE(layout.LayoutName() + " (" + layout.PaperName() + ")");
        EXPECT_TRUE(layout.IsValid());
        EXPECT_FALSE(layout.LayoutName().empty());
        EXPECT_LE(layout.Data()[PageLayoutRecord::kLayoutName], PageLayoutRecord::kNameCapacity);
        EXPECT_GE(layout.ObjectCount(), 1);
        EXPECT_LE(layout.ObjectCount(), PageLayoutRecord::kMaxObjects);
        EXPECT_EQ(layout.DesignZoom(), 1);
        papersByName[layout.LayoutName()].insert(layout.PaperName());

        const std::optional<Paper> paper = StandardPaper(layout.PaperName());
        ASSERT_TRUE(paper.has_value());
        EXPECT_EQ(layout.Inches(), paper->Inches);
        const double across = layout.Portrait() ? paper->Width : paper->Height;
        const double down = layout.Portrait() ? paper->Height : paper->Width;
        EXPECT_DOUBLE_EQ(layout.PageWidth(), across);
        EXPECT_DOUBLE_EQ(layout.PageHeight(), down);
        const int p = DesignPixelsPerUnit(1, layout.Inches());
        EXPECT_EQ(layout.DesignWidth(), static_cast<int>(across * p));
        EXPECT_EQ(layout.DesignHeight(), static_cast<int>(down * p));

        // Half an inch, or a centimetre and a half, round the page stays empty.
        const int margin = layout.Inches() ? p / 2 : p * 3 / 2;
        std::map<std::int16_t, int> kinds;
        std::vector<DesignRect> content;
        for (int k = 1; k <= layout.ObjectCount(); ++k) {
            const PageObject object = layout.Object(k);
            SCOPED_TRACE(object.ObjectName());
            EXPECT_TRUE(IsKnownKind(object.Kind()));
            ++kinds[object.Kind()];
            const DesignRect r = object.Bounds();
            EXPECT_GT(r.Width(), 0);
            EXPECT_GT(r.Height(), 0);
            EXPECT_GE(r.Left, margin);
            EXPECT_GE(r.Top, margin);
            EXPECT_LE(r.Right, layout.DesignWidth() - margin);
            EXPECT_LE(r.Bottom, layout.DesignHeight() - margin);
            if (DrawsContent(object.Kind())) {
                for (const DesignRect& other : content)
                    EXPECT_FALSE(Overlap(r, other));
                content.push_back(r);
            }
            if (object.Kind() == static_cast<std::int16_t>(PageObjectKind::Text)) {
                EXPECT_FALSE(object.Text().empty());
            }
            if (object.Kind() == static_cast<std::int16_t>(PageObjectKind::PuzzleGrid)) {
                EXPECT_EQ(r.Width(), r.Height()) << "the grid's room is square";
            }
        }
        for (PageObjectKind single : {PageObjectKind::Title, PageObjectKind::PuzzleGrid,
                                      PageObjectKind::WordsClues, PageObjectKind::BonusQuestion})
            EXPECT_LE(kinds[static_cast<std::int16_t>(single)], 1);
        EXPECT_EQ(kinds[static_cast<std::int16_t>(PageObjectKind::PuzzleGrid)], 1);
    }
    for (const auto& [name, papers] : papersByName)
        EXPECT_EQ(papers, (std::set<std::string>{"A4", "Letter"})) << name;
}

TEST(ShippedLayoutsTest, RecordZeroIsAFullLetterPage) {
    const std::vector<PageLayoutRecord> layouts = ShippedLayouts();
    ASSERT_FALSE(layouts.empty());
    const PageLayoutRecord& page = layouts[0];
    EXPECT_EQ(page.PaperName(), "Letter");
    EXPECT_TRUE(page.Portrait());
    EXPECT_EQ(page.CountOfKind(PageObjectKind::Title), 1);
    EXPECT_EQ(page.CountOfKind(PageObjectKind::PuzzleGrid), 1);
    EXPECT_EQ(page.CountOfKind(PageObjectKind::WordsClues), 1);
    // The default page a new puzzle gets from the file is this one.
    EXPECT_EQ(PageLayoutFile(kBinDir + "/" + PageLayoutFile::kFileName).DefaultLayout(0), page);
}

// ---- the generator

struct RunResult {
    int Status = -1;
    std::string Errors;
};

// Runs the generator on one source folder of the given kind ("--shapes" or "--layouts").
RunResult Generate(const std::string& option, const std::string& sources, const std::string& output,
                   const std::string& errors) {
    const std::string command = "\"" + kBinDir + "/make_shipped_files\" " + option + " \"" +
                                sources + "\" \"" + output + "\" 2>\"" + errors + "\"";
    const int status = std::system(command.c_str());
    RunResult result;
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.Errors = test::ReadBytes(errors);
    return result;
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

constexpr const char* kGoodPage = "name: Test\npaper: Letter\n";

struct BadSource {
    const char* What;
    const char* Option;
    std::string Source;
    const char* Reason; // a part of the message
};

std::string Rows(int width, int height) {
    std::string rows;
    for (int r = 0; r < height; ++r)
        rows += std::string(static_cast<std::size_t>(width), '#') + "\n";
    return rows;
}

std::string Objects(const char* kind, int count) {
    std::string objects;
    for (int i = 0; i < count; ++i)
        objects += std::string("object: ") + kind + "\nbounds: 1 1 2 2\n";
    return objects;
}

TEST(MakeShippedFilesTest, RefusesMalformedSourcesAndLeavesTheOldFile) {
    const std::vector<BadSource> cases = {
        {"unknown shape key", "--shapes", "title: Box\n" + Rows(5, 5), "unknown key \"title\""},
        {"key among rows", "--shapes", "name: Box\n" + Rows(5, 3) + "size: 5\n" + Rows(5, 2),
         "unknown key \"size\""},
        {"ragged rows", "--shapes", "name: Box\n" + Rows(6, 3) + "#####\n" + Rows(6, 2),
         "same length"},
        {"foreign character", "--shapes", "name: Box\n" + Rows(5, 2) + "##x##\n" + Rows(5, 2),
         "only '#'"},
        {"blank row", "--shapes", "name: Box\n" + Rows(5, 2) + "\n" + Rows(5, 3), "blank line"},
        {"too narrow", "--shapes", "name: Box\n" + Rows(4, 10), "5..30"},
        {"too tall", "--shapes", "name: Box\n" + Rows(10, 31), "5..30"},
        {"name too long", "--shapes", "name: " + std::string(51, 'N') + "\n" + Rows(5, 5),
         "more than the 50"},
        {"no cell", "--shapes", "name: Box\n.....\n.....\n.....\n.....\n.....\n", "no cell"},
        {"unknown object key", "--layouts", kGoodPage + Objects("title", 1) + "shadow: yes\n",
         "unknown key \"shadow\""},
        {"unknown page key", "--layouts", std::string("name: Test\nmargin: 1\n"),
         "unknown key \"margin\""},
        {"too many objects", "--layouts", kGoodPage + Objects("text", 21), "more than 20"},
        {"two titles", "--layouts", kGoodPage + Objects("title", 2), "only one title"},
        {"unknown kind", "--layouts", kGoodPage + Objects("star", 1), "unknown object kind"},
        {"outside the page", "--layouts",
         std::string(kGoodPage) + "object: words\nbounds: 1 1 9 2\n",
         "outside the 8.5 x 11 inch page"},
        {"empty bounds", "--layouts", std::string(kGoodPage) + "object: words\nbounds: 2 1 2 3\n",
         "no width or no height"},
        {"no bounds", "--layouts", std::string(kGoodPage) + "object: words\ncolumns: 2\n",
         "has no bounds"},
        {"key of another kind", "--layouts", kGoodPage + Objects("title", 1) + "columns: 2\n",
         "does not apply to a title"},
        {"layout name too long", "--layouts",
         "name: " + std::string(21, 'L') + "\npaper: A4\n" + Objects("title", 1),
         "more than the 20"},
        {"unknown paper", "--layouts", "name: Test\npaper: Tabloid\n" + Objects("title", 1),
         "unknown paper"},
        {"bad colour", "--layouts", kGoodPage + Objects("text", 1) + "color: red\n", "#RRGGBB"},
        {"no object", "--layouts", std::string(kGoodPage), "no object"},
    };
    for (const BadSource& bad : cases) {
        SCOPED_TRACE(bad.What);
        test::TempDir dir;
        fs::create_directory(dir.File("sources"));
        WriteText(dir.File("sources/00-bad.txt"), bad.Source);
        test::WriteBytes(dir.File("out.dat"), "old");
        const RunResult run =
            Generate(bad.Option, dir.File("sources"), dir.File("out.dat"), dir.File("errors"));
        EXPECT_EQ(run.Status, 1);
        EXPECT_NE(run.Errors.find("00-bad.txt"), std::string::npos) << run.Errors;
        EXPECT_NE(run.Errors.find(bad.Reason), std::string::npos) << run.Errors;
        EXPECT_EQ(test::ReadBytes(dir.File("out.dat")), "old");
    }
}

TEST(MakeShippedFilesTest, WritesShapesFromTheirDrawingsInFileNameOrder) {
    test::TempDir dir;
    fs::create_directory(dir.File("sources"));
    WriteText(dir.File("sources/01-second.txt"), "name: Plain\r\n" + Rows(7, 5) + "\n\n");
    WriteText(dir.File("sources/00-first.txt"), "name:  Corner Bite \n"
                                                "..###\n"
                                                ".####\n"
                                                "#####\n"
                                                "#####\n"
                                                "####.\n"
                                                "###..\n");
    WriteText(dir.File("sources/notes.md"), "not a shape");
    const RunResult run =
        Generate("--shapes", dir.File("sources"), dir.File("VLFLAY.DAT"), dir.File("errors"));
    ASSERT_EQ(run.Status, 0) << run.Errors;

    ShapeFile file(dir.File("VLFLAY.DAT"));
    ASSERT_EQ(file.Count(), 2);
    ShapeRecord shape;
    ASSERT_TRUE(file.Load(0, shape));
    ShapeRecord expected = ShapeRecord::Blank("Corner Bite", 5, 6);
    for (auto [row, column] : {std::pair{1, 1}, std::pair{1, 2}, std::pair{2, 1}, std::pair{5, 5},
                               std::pair{6, 4}, std::pair{6, 5}})
        expected.SetCell(row, column, false);
    EXPECT_EQ(shape, expected);
    ASSERT_TRUE(file.Load(1, shape));
    EXPECT_EQ(shape, ShapeRecord::Blank("Plain", 7, 5));
}

TEST(MakeShippedFilesTest, WritesLayoutsAsTheDesignerSavesThemAtSmallZoom) {
    test::TempDir dir;
    fs::create_directory(dir.File("sources"));
    WriteText(dir.File("sources/00-test.txt"), "# a comment\n"
                                               "name: Test\n"
                                               "paper: A4\n"
                                               "orientation: landscape\n"
                                               "\n"
                                               "object: words\n"
                                               "bounds: 1.5 1.5 10.26 10\n"
                                               "font: Times New Roman 14 bold italic\n"
                                               "color: #102030\n"
                                               "columns: 2\n"
                                               "border: no\n"
                                               "object: text\n"
                                               "bounds: 12 2 28 5\n"
                                               "text: First line\n"
                                               "text: second line\n"
                                               "align: right\n"
                                               "object: text\n"
                                               "name: Note\n"
                                               "bounds: 12 6 28 9\n");
    const RunResult run =
        Generate("--layouts", dir.File("sources"), dir.File("VLFPAGE.DAT"), dir.File("errors"));
    ASSERT_EQ(run.Status, 0) << run.Errors;

    const std::vector<PageLayoutRecord> layouts = PageLayoutFile(dir.File("VLFPAGE.DAT")).ReadAll();
    ASSERT_EQ(layouts.size(), 1u);
    PageLayoutRecord expected = NewPage();
    expected.SetLayoutName("Test");
    expected.SetPaperName("A4");
    expected.SetPageWidth(29.7);
    expected.SetPageHeight(21.0);
    expected.SetInches(false);
    expected.SetPortrait(false);
    expected.SetDesignZoom(1);
    expected.SetDesignWidth(594);
    expected.SetDesignHeight(420);

    PageObject words = NewObject(PageObjectKind::WordsClues, 0, 0, 20, 0);
    words.SetBounds({30, 30, 205, 200}); // 10.26 cm rounds to 205 pixels
    words.SetFontName("Times New Roman");
    words.SetFontSize(14);
    words.SetFontBold(true);
    words.SetFontItalic(true);
    words.SetFontColor(0x302010);
    words.SetColumns(2);
    words.SetBorder(false);
    expected.AddObject(words);
    PageObject text = NewObject(PageObjectKind::Text, 0, 0, 20, 0);
    text.SetBounds({240, 40, 560, 100});
    text.SetText("First line\r\nsecond line");
    text.SetAlignment(3);
    expected.AddObject(text);
    PageObject note = NewObject(PageObjectKind::Text, 0, 0, 20, 1);
    note.SetObjectName("Note");
    note.SetBounds({240, 120, 560, 180});
    expected.AddObject(note);
    EXPECT_EQ(layouts[0], expected);
}

} // namespace
} // namespace vorlane
