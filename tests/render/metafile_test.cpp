#include "render/metafile_renderer.h"

#include "core/text.h"
#include "render/emf_writer.h"
#include "render/render_fixture.h"
#include "render/wmf_writer.h"
#include "render/word_list_treatments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace vorlane::test {
namespace {

// The fake metrics at the metafile's 96 pixels per inch.
class Metrics96 : public FakeMetrics {
public:
    double PixelsPerInch() const override { return 96.0; }
};

std::uint16_t U16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b.at(at)) |
                                      (static_cast<unsigned char>(b.at(at + 1)) << 8));
}
std::uint32_t U32(const std::string& b, std::size_t at) {
    return U16(b, at) | (static_cast<std::uint32_t>(U16(b, at + 2)) << 16);
}
std::int32_t I32(const std::string& b, std::size_t at) {
    return static_cast<std::int32_t>(U32(b, at));
}
std::int16_t I16(const std::string& b, std::size_t at) {
    return static_cast<std::int16_t>(U16(b, at));
}

struct Record {
    std::uint32_t Type = 0;
    std::string Body; // the bytes after the type and size
};

// Walks every record of an EMF, checking sizes, alignment, the header counts and that the
// objects used exist.
struct EmfFile {
    std::vector<Record> Records;
    std::string Description;
    std::int32_t Bounds[4]{}, Frame[4]{};
    std::int32_t Device[2]{}, Millimeters[2]{};

    explicit EmfFile(const std::string& b) {
        EXPECT_EQ(b.size() % 4, 0u);
        EXPECT_EQ(U32(b, 0), 1u);
        EXPECT_EQ(U32(b, 40), 0x464D4520u);
        EXPECT_EQ(U32(b, 48), b.size());
        const std::uint32_t recordCount = U32(b, 52);
        const std::uint16_t handles = U16(b, 56);
        for (int i = 0; i < 4; ++i) {
            Bounds[i] = I32(b, 8 + 4 * i);
            Frame[i] = I32(b, 24 + 4 * i);
        }
        const std::uint32_t nDescription = U32(b, 60), offDescription = U32(b, 64);
        EXPECT_LE(offDescription + 2 * nDescription, U32(b, 4));
        for (std::uint32_t i = 0; i < nDescription; ++i)
            Description.push_back(static_cast<char>(U16(b, offDescription + 2 * i)));
        Device[0] = I32(b, 72);
        Device[1] = I32(b, 76);
        Millimeters[0] = I32(b, 80);
        Millimeters[1] = I32(b, 84);
        std::size_t at = 0;
        std::map<std::uint32_t, bool> live;
        std::uint32_t maxHandle = 0;
        while (at < b.size()) {
            const std::uint32_t type = U32(b, at), size = U32(b, at + 4);
            EXPECT_EQ(size % 4, 0u) << "record " << type;
            if (size < 8 || at + size > b.size()) {
                ADD_FAILURE() << "record size " << size;
                return;
            }
            Records.push_back({type, b.substr(at + 8, size - 8)});
            const std::string& body = Records.back().Body;
            static const std::map<std::uint32_t, std::uint32_t> sizes = {
                {14, 20}, {18, 12}, {22, 12}, {24, 12}, {25, 12}, {27, 16}, {37, 12}, {38, 28},
                {39, 24}, {40, 12}, {42, 24}, {43, 24}, {45, 40}, {54, 16}, {82, 104}};
            if (const auto s = sizes.find(type); s != sizes.end())
                EXPECT_EQ(size, s->second) << "record " << type;
            else
                EXPECT_TRUE(type == 1 || type == 84) << "unexpected record " << type;
            if (type == 38 || type == 39 || type == 82) {
                const std::uint32_t h = U32(body, 0);
                EXPECT_GE(h, 1u);
                EXPECT_FALSE(live[h]) << "handle " << h << " created twice";
                live[h] = true;
                maxHandle = std::max(maxHandle, h);
            } else if (type == 37 || type == 40) {
                EXPECT_TRUE(live[U32(body, 0)]) << "handle " << U32(body, 0);
                if (type == 40)
                    live[U32(body, 0)] = false;
            } else if (type == 84) {
                const std::uint32_t chars = U32(body, 36), offString = U32(body, 40),
                                    offDx = U32(body, 64);
                EXPECT_EQ(offString, 76u);
                EXPECT_LE(offString + 2 * chars, offDx);
                EXPECT_EQ(offDx + 4 * chars, size);
            } else if (type == 14) {
                EXPECT_EQ(at + size, b.size()) << "the end record is last";
                EXPECT_EQ(U32(body, 8), 20u);
            }
            at += size;
        }
        EXPECT_EQ(Records.size(), recordCount);
        EXPECT_EQ(handles, maxHandle + 1);
        EXPECT_EQ(Records.front().Type, 1u);
        EXPECT_EQ(Records.back().Type, 14u);
    }

    std::vector<const Record*> OfType(std::uint32_t type) const {
        std::vector<const Record*> out;
        for (const Record& r : Records)
            if (r.Type == type)
                out.push_back(&r);
        return out;
    }

    // The UTF-16 code units of every text record.
    std::vector<std::u16string> Texts() const {
        std::vector<std::u16string> out;
        for (const Record* r : OfType(84)) {
            std::u16string text;
            for (std::uint32_t i = 0; i < U32(r->Body, 36); ++i)
                text.push_back(static_cast<char16_t>(U16(r->Body, 68 + 2 * i)));
            out.push_back(text);
        }
        return out;
    }
};

// Walks every record of a placeable WMF, checking the header checksum and counts.
struct WmfFile {
    std::vector<Record> Records;
    std::int16_t Box[4]{};
    std::uint16_t Inch = 0;

    explicit WmfFile(const std::string& b) {
        EXPECT_EQ(U32(b, 0), 0x9AC6CDD7u);
        std::uint16_t checksum = 0;
        for (int i = 0; i < 10; ++i)
            checksum ^= U16(b, 2 * i);
        EXPECT_EQ(U16(b, 20), checksum);
        for (int i = 0; i < 4; ++i)
            Box[i] = I16(b, 6 + 2 * i);
        Inch = U16(b, 14);
        const std::size_t h = 22;
        EXPECT_EQ(U16(b, h), 1);
        EXPECT_EQ(U16(b, h + 2), 9);
        EXPECT_EQ(U16(b, h + 4), 0x0300);
        EXPECT_EQ(2 * std::size_t{U32(b, h + 6)}, b.size() - h);
        const std::uint16_t objects = U16(b, h + 10);
        const std::uint32_t maxRecord = U32(b, h + 12);
        std::size_t at = h + 18;
        std::uint32_t largest = 0;
        std::vector<bool> used;
        while (at < b.size()) {
            const std::uint32_t words = U32(b, at);
            const std::uint16_t function = U16(b, at + 4);
            if (words < 3 || at + 2 * words > b.size()) {
                ADD_FAILURE() << "record words " << words;
                return;
            }
            largest = std::max(largest, words);
            Records.push_back({function, b.substr(at + 6, 2 * words - 6)});
            const std::string& body = Records.back().Body;
            static const std::map<std::uint16_t, std::uint32_t> sizes = {
                {0x0000, 3},  {0x0201, 5}, {0x0102, 4}, {0x0103, 4}, {0x0209, 5},  {0x012E, 4},
                {0x020B, 5},  {0x020C, 5}, {0x0213, 5}, {0x0214, 5}, {0x0418, 7},  {0x041B, 7},
                {0x0817, 11}, {0x012D, 4}, {0x01F0, 4}, {0x02FA, 8}, {0x02FB, 28}, {0x02FC, 7}};
            if (const auto s = sizes.find(function); s != sizes.end())
                EXPECT_EQ(words, s->second) << "function " << function;
            else if (function == 0x0521)
                EXPECT_EQ(words, 3 + 1 + (U16(body, 0) + 1) / 2 + 2);
            else
                ADD_FAILURE() << "unexpected function " << function;
            if (function == 0x02FA || function == 0x02FB || function == 0x02FC) {
                // A new object takes the lowest free slot.
                std::size_t slot = 0;
                while (slot < used.size() && used[slot])
                    ++slot;
                if (slot == used.size())
                    used.push_back(false);
                used[slot] = true;
            } else if (function == 0x012D || function == 0x01F0) {
                if (U16(body, 0) >= used.size()) {
                    ADD_FAILURE() << "no object " << U16(body, 0);
                    return;
                }
                EXPECT_TRUE(used[U16(body, 0)]);
                if (function == 0x01F0)
                    used[U16(body, 0)] = false;
            }
            at += 2 * words;
        }
        EXPECT_EQ(at, b.size());
        EXPECT_EQ(objects, used.size());
        EXPECT_EQ(maxRecord, largest);
        EXPECT_EQ(Records.back().Type, 0u);
    }

    // The bytes of every text record.
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const Record& r : Records)
            if (r.Type == 0x0521)
                out.push_back(r.Body.substr(2, U16(r.Body, 0)));
        return out;
    }
};

// Words placed in the grid in the eight directions of a 12 x 12 puzzle.
PuzzleRecord FullPage() {
    PageObject title = MakeObject(PageObjectKind::Title, {50, 30, 800, 90}, 28);
    title.SetAlignment(2);
    title.SetFontBold(true);
    title.SetBorder(true);
    title.SetBorderWidth(2);
    PageObject grid = MakeObject(PageObjectKind::PuzzleGrid, {150, 110, 700, 560}, 18);
    grid.SetGridLineColor(0x000000);
    PageObject words = MakeObject(PageObjectKind::WordsClues, {50, 600, 800, 760}, 12);
    words.SetBorder(true);
    PageObject text = MakeObject(PageObjectKind::Text, {50, 800, 400, 1000}, 10);
    text.SetText("Find every animal hidden in the grid.\r\nWords run in all eight directions "
                 "and may overlap.");
    text.SetBorder(true);
    PageObject rect = MakeObject(PageObjectKind::Rectangle, {450, 800, 600, 950});
    rect.SetFilled(true);
    rect.SetFillColor(0xCCEEFF);
    rect.SetBorder(true);
    rect.SetBorderColor(0x0000FF);
    rect.SetBorderWidth(3);
    PageObject circle = MakeObject(PageObjectKind::Circle, {650, 800, 800, 950});
    circle.SetFilled(true);
    circle.SetFillColor(0xFFDDDD);
    circle.SetBorder(true);
    circle.SetBorderColor(0xFF0000);
    circle.SetBorderWidth(2);
    const std::vector<std::string> list = {"LION",  "TIGER", "ZEBRA", "HORSE",
                                           "SHEEP", "MOUSE", "CAMEL", "OTTER"};
    PuzzleRecord record = MakePuzzle({title, grid, words, text, rect, circle}, list, 12, 12);
    record.SetTitle("Animaux de la for\xEAt \xE9t\xE9");
    for (int cell = 1; cell <= PuzzleRecord::kCellCount; ++cell)
        if (record.WordGridCell(cell) != 0)
            record.SetWordGridCell(cell, static_cast<unsigned char>('A' + cell % 26));
    // Start row, column and direction of each word.
    struct Place {
        int Row, Column, DRow, DColumn;
    };
    const Place places[] = {{1, 1, 0, 1},     {2, 12, 1, 0},  {12, 1, -1, 1}, {3, 3, 1, 1},
                            {11, 11, -1, -1}, {5, 10, 0, -1}, {12, 6, -1, 0}, {1, 11, 1, -1}};
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Place& p = places[i];
        const int n = static_cast<int>(list[i].size());
        for (int c = 0; c < n; ++c)
            record.SetWordGridCell(
                PuzzleRecord::CellIndex(p.Row + c * p.DRow, p.Column + c * p.DColumn),
                static_cast<unsigned char>(list[i][static_cast<std::size_t>(c)]));
        const int entry = static_cast<int>(i) + 1;
        record.SetStartCell(entry,
                            static_cast<std::int16_t>(PuzzleRecord::CellIndex(p.Row, p.Column)));
        record.SetEndCell(entry, static_cast<std::int16_t>(PuzzleRecord::CellIndex(
                                     p.Row + (n - 1) * p.DRow, p.Column + (n - 1) * p.DColumn)));
    }
    return record;
}

PrintOptions FullOptions() {
    PrintOptions options;
    options.AnswerKey = true;
    options.UseGrid = true;
    options.NumColumns = 3;
    return options;
}

struct Exported {
    RenderResults Results;
    std::string Wmf, Emf;
};

Exported Export(const PuzzleRecord& record, const PrintOptions& options) {
    Metrics96 metrics;
    RandomSource random(7);
    Exported out;
    out.Results = RecordPage(record, options, metrics, random, FakePictures()).Run.Results;
    out.Wmf = WriteMetafile(record, options, out.Results, metrics, random, MetafileKind::Wmf);
    out.Emf = WriteMetafile(record, options, out.Results, metrics, random, MetafileKind::Emf);
    return out;
}

TEST(Metafile, LetterPageSizesInBothHeaders) {
    const Exported e = Export(FullPage(), FullOptions());
    const EmfFile emf(e.Emf);
    EXPECT_EQ(emf.Bounds[2], 815);
    EXPECT_EQ(emf.Bounds[3], 1055);
    EXPECT_EQ(emf.Frame[2], 25908);
    EXPECT_EQ(emf.Frame[3], 33528);
    EXPECT_EQ(emf.Device[0], 816);
    EXPECT_EQ(emf.Device[1], 1056);
    EXPECT_EQ(emf.Millimeters[0], 259);
    EXPECT_EQ(emf.Millimeters[1], 335);
    EXPECT_EQ(emf.Description, std::string("Vorlane 98\0Word Search Puzzle\0\0", 31));

    const WmfFile wmf(e.Wmf);
    EXPECT_EQ(wmf.Box[0], 0);
    EXPECT_EQ(wmf.Box[2], 816);
    EXPECT_EQ(wmf.Box[3], 1056);
    EXPECT_EQ(wmf.Box[2] * 2540 / wmf.Inch, 25908);
    EXPECT_EQ(wmf.Box[3] * 2540 / wmf.Inch, 33528);

    const MetafileInfo a4 = MetafileInfoFor(210 / 25.4, 297 / 25.4);
    EXPECT_EQ(a4.PixelWidth, 793);
    EXPECT_EQ(a4.PixelHeight, 1122);
    EXPECT_EQ(a4.PhysicalWidth, 25200);
    EXPECT_EQ(a4.PhysicalHeight, 35640);
}

TEST(Metafile, FullPageDrawsEveryObject) {
    const Exported e = Export(FullPage(), FullOptions());
    const WmfFile wmf(e.Wmf);
    const EmfFile emf(e.Emf);
    // The page fill first: a white brush and a rectangle over the whole page.
    const auto rects = emf.OfType(43);
    ASSERT_FALSE(rects.empty());
    EXPECT_EQ(I32(rects[0]->Body, 8), 817);
    EXPECT_EQ(I32(rects[0]->Body, 12), 1057);
    // Eight capsules of two arcs each, and the circle's two arcs for each of its frame pixels.
    EXPECT_EQ(emf.OfType(45).size(), 8u * 2 + 2 * 2);
    EXPECT_EQ(emf.OfType(42).size(), 1u); // the filled circle
    // Title, 144 letters, 8 words and the text lines.
    const auto texts = emf.Texts();
    const auto wmfTexts = wmf.Texts();
    EXPECT_EQ(texts.size(), wmfTexts.size());
    EXPECT_EQ(texts.size(), 1u + 144 + 8 + e.Results.Texts.at(0).LineLengths.size());
    EXPECT_EQ(wmfTexts[0], "Animaux de la for\xEAt \xE9t\xE9");
    EXPECT_EQ(texts[0], u"Animaux de la for\u00EAt \u00E9t\u00E9");
    std::size_t fonts = 0;
    for (const Record& r : wmf.Records)
        if (r.Type == 0x02FB) {
            ++fonts;
            EXPECT_EQ(r.Body.substr(18, 6), std::string("Arial\0", 6));
            EXPECT_EQ(r.Body[14], 0) << "Windows-1252 character set";
        }
    EXPECT_EQ(fonts, emf.OfType(82).size());
}

TEST(Metafile, FittedFontSizesAndCountsComeFromTheResults) {
    PuzzleRecord record = FullPage();
    // A narrow word list whose words do not all fit, and a long title.
    PageLayoutRecord layout(record.PageLayout());
    PageObject words = layout.Object(3);
    // Two lines at the smallest size: the words after them are not drawn.
    words.SetBounds({50, 600, 250, 610});
    layout.SetObject(3, words);
    SetLayout(record, layout);
    PrintOptions options = FullOptions();
    options.NumColumns = 1;
    Exported e = Export(record, options);
    ASSERT_TRUE(e.Results.WordsDidNotFit);
    const int fitted = e.Results.Words.FittedCount;
    ASSERT_GT(fitted, 0);
    ASSERT_LT(fitted, 8);
    const auto texts = EmfFile(e.Emf).Texts();
    EXPECT_EQ(texts.size(), 1u + 144 + fitted + e.Results.Texts.at(0).LineLengths.size());

    // Font sizes: the results decide, not the layout's sizes.
    RenderResults results = e.Results;
    results.FittedFontSize[0] = 9;
    Metrics96 metrics;
    RandomSource random(1);
    const EmfFile emf(WriteMetafile(record, options, results, metrics, random, MetafileKind::Emf));
    const auto fonts = emf.OfType(82);
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(I32(fonts[0]->Body, 4), -12); // 9 points at 96 pixels per inch
}

TEST(Metafile, ScrambledWordsAreDrawnAnew) {
    PrintOptions options = FullOptions();
    options.WordOption = static_cast<int>(vorlane::WordOption::Scrambled);
    options.PrintTitle = false;
    options.PrintBody = false;
    const PuzzleRecord record = FullPage();
    Metrics96 metrics;
    RandomSource random(3);
    RecordedPage page = RecordPage(record, options, metrics, random, FakePictures());
    std::vector<std::string> printed;
    for (const ReportOp& op : page.Stream.Ops)
        if (const auto* text = std::get_if<report_op::PrintText>(&op))
            printed.push_back(text->Text);
    const WmfFile wmf(
        WriteMetafile(record, options, page.Run.Results, metrics, random, MetafileKind::Wmf));
    std::vector<std::string> drawn = wmf.Texts();
    ASSERT_GE(drawn.size(), 8u);
    ASSERT_GE(printed.size(), 8u);
    drawn.resize(8);
    printed.resize(8);
    EXPECT_NE(drawn, printed);
    for (std::size_t i = 0; i < 8; ++i) {
        std::string a = drawn[i], b = printed[i];
        std::ranges::sort(a);
        std::ranges::sort(b);
        EXPECT_EQ(a, b) << "the same letters";
    }
}

TEST(Metafile, WriterStateRecordsAndObjectReuse) {
    MetafileInfo info{100, 50, 3175, 1587, "Vorlane 98", "Word Search Puzzle"};
    for (int kind = 0; kind < 2; ++kind) {
        std::string bytes;
        auto draw = [](PixelCanvas& c) {
            FontSpec font{"Times New Roman", 12, 0x0000FF, true, true, true, true};
            c.SetFont(font);
            c.SetBrushColor(0x00FF00);
            const int adv[] = {7, 7};
            c.TextOut(1, 2, "\xC9t", adv); // opaque on green
            c.SetBrushSolid(false);
            c.TextOut(1, 20, "\xC9t", adv); // transparent
            for (std::uint32_t color = 0; color < 10; ++color) {
                c.SetPenColor(color);
                c.MoveTo({0, 0});
                c.LineTo({10, 10});
            }
            c.FillRect({0, 0, 5, 5}); // a clear brush fills nothing
        };
        if (kind == 0) {
            WmfWriter w(info);
            draw(w);
            bytes = w.Bytes();
            const WmfFile f(bytes);
            EXPECT_EQ(f.Texts()[0], "\xC9t");
            // The font, the pen and the pen replacing it: freed slots are reused.
            EXPECT_EQ(U16(bytes, 22 + 10), 3);
        } else {
            EmfWriter w(info);
            draw(w);
            bytes = w.Bytes();
            const EmfFile f(bytes);
            EXPECT_EQ(f.Texts()[0], u"\u00C9t");
            const auto fonts = f.OfType(82);
            ASSERT_EQ(fonts.size(), 1u);
            EXPECT_EQ(I32(fonts[0]->Body, 20), 700);
            EXPECT_EQ(fonts[0]->Body.substr(24, 3), std::string("\1\1\1"));
            ASSERT_EQ(f.OfType(18).size(), 2u);
            EXPECT_EQ(U32(f.OfType(18)[0]->Body, 0), 2u); // opaque
            EXPECT_EQ(U32(f.OfType(18)[1]->Body, 0), 1u); // transparent
            EXPECT_EQ(U32(f.OfType(25)[0]->Body, 0), 0x00FF00u);
            EXPECT_EQ(U32(f.OfType(24)[0]->Body, 0), 0x0000FFu);
            EXPECT_TRUE(f.OfType(43).empty());
            EXPECT_EQ(f.OfType(38).size(), 10u);
            EXPECT_EQ(f.OfType(40).size(), 9u);
        }
    }
}

// Each text record of an EMF with its reference point, as ASCII (other characters '?').
std::vector<std::pair<std::string, PixelPoint>> PlacedTexts(const EmfFile& emf) {
    std::vector<std::pair<std::string, PixelPoint>> out;
    const auto texts = emf.Texts();
    const auto records = emf.OfType(84);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::string text;
        for (const char16_t c : texts[i])
            text.push_back(c < 128 ? static_cast<char>(c) : '?');
        out.push_back({text, {I32(records[i]->Body, 28), I32(records[i]->Body, 32)}});
    }
    return out;
}

TEST(Metafile, PositionsAreTruncatedPixelsOfTheInchLayout) {
    const Exported e = Export(FullPage(), FullOptions());
    const EmfFile emf(e.Emf);
    const auto texts = PlacedTexts(emf);
    // Title centred: 48 + (720 - 618) div 2; top 57 - 37 div 2.
    EXPECT_EQ(texts.at(0).second, (PixelPoint{99, 39}));
    // The second word of the sorted list, one line of 1.6 / 9 inches down.
    const auto horse =
        std::ranges::find_if(texts, [](const auto& t) { return t.first == "HORSE"; });
    ASSERT_NE(horse, texts.end());
    EXPECT_EQ(horse->second, (PixelPoint{50, 593}));
    // The title's frame of two pixels: outlines at 48, 28, 768, 86 and one pixel outside.
    const auto moves = emf.OfType(27);
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(I32(moves[0]->Body, 0), 48);
    EXPECT_EQ(I32(moves[0]->Body, 4), 28);
    EXPECT_EQ(I32(moves[1]->Body, 0), 47);
    EXPECT_EQ(I32(moves[1]->Body, 4), 27);
    const auto lines = emf.OfType(54);
    EXPECT_EQ(I32(lines[1]->Body, 0), 768);
    EXPECT_EQ(I32(lines[1]->Body, 4), 86);
}

TEST(Metafile, CluesAndTextsFollowTheLastRun) {
    PageObject clues = MakeObject(PageObjectKind::WordsClues, {50, 100, 450, 200}, 10);
    PageObject bitmap = MakeObject(PageObjectKind::Bitmap, {500, 100, 800, 700});
    bitmap.SetBitmapFile("under.bmp");
    PageObject first = MakeObject(PageObjectKind::Text, {500, 300, 800, 500}, 10);
    first.SetText("One two three four five six seven eight nine ten");
    PageObject second = MakeObject(PageObjectKind::Text, {500, 550, 800, 700}, 12);
    second.SetText("Alpha\r\nBeta gamma");
    second.SetAlignment(3);
    PuzzleRecord record =
        MakePuzzle({clues, bitmap, first, second}, {"LION", "TIGER", "ZEBRA", "HORSE", "SHEEP",
                                                    "MOUSE", "CAMEL", "OTTER", "EAGLE", "WHALE"});
    for (int i = 1; i <= 10; ++i)
        record.SetClue(i, "A large animal that lives somewhere far away");
    // A clue that cannot be broken at any size: the clues after it are not drawn.
    record.SetClue(4, std::string(200, 'W'));
    PrintOptions options = AllOptions();
    options.WordOption = static_cast<int>(vorlane::WordOption::Clues);
    FakePictures pictures;
    pictures.Existing = {"under.bmp"};
    Metrics96 metrics;
    RandomSource random(1);
    const RenderResults results =
        RecordPage(record, options, metrics, random, pictures).Run.Results;
    ASSERT_TRUE(results.CluesDidNotFit);
    ASSERT_GT(results.Clues.FittedCount, 0);
    ASSERT_LT(results.Clues.FittedCount, 10);
    ASSERT_EQ(results.Texts.size(), 2u);
    ASSERT_NE(results.Texts[0].LineLengths, results.Texts[1].LineLengths);

    const EmfFile emf(WriteMetafile(record, options, results, metrics, random, MetafileKind::Emf));
    const WmfFile wmf(WriteMetafile(record, options, results, metrics, random, MetafileKind::Wmf));
    std::vector<std::string> expected;
    for (int i = 1; i <= results.Clues.FittedCount; ++i) {
        expected.push_back(std::to_string(i) + ".");
        const std::string clue = ClueText(record.Word(i), record.Clue(i), false, false);
        std::size_t start = 0;
        for (const int length : results.Clues.LineLengths[static_cast<std::size_t>(i - 1)]) {
            expected.push_back(Trim(clue.substr(start, static_cast<std::size_t>(length))));
            start += static_cast<std::size_t>(length);
        }
    }
    const std::string one = "One two three four five six seven eight nine ten";
    std::size_t start = 0;
    for (const int length : results.Texts[0].LineLengths) {
        expected.push_back(Trim(one.substr(start, static_cast<std::size_t>(length))));
        start += static_cast<std::size_t>(length);
    }
    expected.push_back("Alpha");
    expected.push_back("Beta gamma");
    EXPECT_EQ(wmf.Texts(), expected);
    const auto placed = PlacedTexts(emf);
    ASSERT_EQ(placed.size(), expected.size());
    // The right-aligned second text ends at the right edge, its lines one text height apart.
    const int right = 768, height = 16; // 12 points
    const auto& beta = placed.back();
    EXPECT_EQ(beta.second.X, right - static_cast<int>(std::lround(0.12 * 10 * 96)));
    EXPECT_EQ(beta.second.Y, placed[placed.size() - 2].second.Y + height);
    // Nothing of the bitmap: no records other than those the texts and the page need.
    EXPECT_EQ(emf.OfType(43).size(), 1u);
    EXPECT_EQ(MetafileWarnings(record),
              (std::vector<Message>{{kMetafileBitmapsWarning, "Warning"}}));
    EXPECT_TRUE(MetafileWarnings(FullPage()).empty());
}

TEST(Metafile, DamagedResultsStillGiveWellFormedFiles) {
    const PuzzleRecord record = FullPage();
    PrintOptions options = FullOptions();
    Metrics96 metrics;
    RandomSource random(5);
    const RenderResults good =
        RecordPage(record, options, metrics, random, FakePictures()).Run.Results;
    std::vector<RenderResults> cases(6, good);
    cases[0].Scale = std::nan("");
    cases[1].PageWidth = 1e12;
    cases[1].PageHeight = -3;
    cases[2].Words.PrintedLengths.assign(8, -4);
    cases[2].Words.FittedCount = 99;
    cases[2].WordsDidNotFit = true;
    cases[3].Texts.clear();
    cases[4].FittedFontSize.fill(-200);
    cases[5].Scale = 1e9;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const EmfFile emf(
            WriteMetafile(record, options, cases[i], metrics, random, MetafileKind::Emf));
        const WmfFile wmf(
            WriteMetafile(record, options, cases[i], metrics, random, MetafileKind::Wmf));
        EXPECT_EQ(emf.Texts().size(), wmf.Texts().size());
    }
    EXPECT_EQ(MetafileInfoFor(1e12, -3).PixelWidth, 816);
    EXPECT_EQ(MetafileInfoFor(1e12, -3).PixelHeight, 1056);
}

// Converts a full page with libwmf when it is installed and checks that it reads the file.
// With VORLANE_METAFILE_DIR set, the WMF, EMF and SVG files are kept there to be looked at.
TEST(Metafile, LibwmfReadsTheFullPage) {
    if (std::system("command -v wmf2svg >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "wmf2svg not installed";
    const Exported e = Export(FullPage(), FullOptions());
    const char* keep = std::getenv("VORLANE_METAFILE_DIR");
    const auto dir = keep ? std::filesystem::path(keep) : std::filesystem::temp_directory_path();
    const auto wmf = dir / "vorlane_metafile_test.wmf";
    const auto svg = dir / "vorlane_metafile_test.svg";
    std::ofstream(wmf, std::ios::binary) << e.Wmf;
    if (keep)
        std::ofstream(dir / "vorlane_metafile_test.emf", std::ios::binary) << e.Emf;
    const std::string command =
        "wmf2svg -o '" + svg.string() + "' '" + wmf.string() + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(svg);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("LION"), std::string::npos);
    if (!keep) {
        std::filesystem::remove(wmf);
        std::filesystem::remove(svg);
    }
}

} // namespace
} // namespace vorlane::test
