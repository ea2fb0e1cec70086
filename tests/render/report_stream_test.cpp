#include "render/render_fixture.h"
#include "render/report_stream.h"

#include <gtest/gtest.h>

namespace vorlane::test {
namespace {

// A page with every kind of object and every drawing operation.
PuzzleRecord FullPage() {
    std::vector<PageObject> objects;
    PageObject title = MakeObject(PageObjectKind::Title, {100, 50, 700, 90}, 14);
    title.SetBorder(true);
    title.SetBorderWidth(2);
    objects.push_back(title);
    PageObject grid = MakeObject(PageObjectKind::PuzzleGrid, {100, 100, 500, 500}, 12);
    grid.SetGridLineWidth(2);
    objects.push_back(grid);
    objects.push_back(MakeObject(PageObjectKind::WordsClues, {100, 520, 700, 800}, 10));
    PageObject text = MakeObject(PageObjectKind::Text, {100, 820, 700, 900});
    text.SetText("Find every word.\r\nGood luck!");
    text.SetTransparent(false);
    objects.push_back(text);
    PageObject rect = MakeObject(PageObjectKind::Rectangle, {50, 40, 800, 1050});
    rect.SetFilled(true);
    rect.SetBorder(true);
    objects.push_back(rect);
    PageObject circle = MakeObject(PageObjectKind::Circle, {600, 100, 800, 300});
    circle.SetFilled(true);
    circle.SetBorder(true);
    objects.push_back(circle);
    PageObject bitmap = MakeObject(PageObjectKind::Bitmap, {600, 320, 800, 500});
    bitmap.SetTransparent(false);
    bitmap.SetBitmapFile("/pics/logo.bmp");
    objects.push_back(bitmap);
    PuzzleRecord record = MakePuzzle(objects, {"CAT", "HORSE"}, 10, 10);
    record.SetStartCell(1, 1);
    record.SetEndCell(1, 3);
    record.SetStartCell(2, 12);
    record.SetEndCell(2, 56);
    record.SetWordGridCell(100, ' ');
    record.SetFillGridCell(100, 'Q');
    record.SetHiddenPhraseUsed(true);
    return record;
}

TEST(ReportStream, PlayingARecordedPageDrawsTheSameAsDrawingItDirectly) {
    const PuzzleRecord record = FullPage();
    FakePictures pictures;
    pictures.Existing = {"/pics/logo.bmp"};
    for (int option : {1, 2, 3, 4}) {
        SCOPED_TRACE(option);
        PrintOptions options = AllOptions();
        options.WordOption = option;
        options.AnswerKey = true;
        options.UseGrid = true;

        FakeCanvas direct;
        RandomSource random1(42);
        const RenderRun directRun = RenderPage(record, options, direct, random1, pictures);

        FakeMetrics metrics;
        RandomSource random2(42);
        const RecordedPage page = RecordPage(record, options, metrics, random2, pictures);
        const RenderRun& recordedRun = page.Run;

        FakeCanvas played;
        Play(page.Stream, played);
        EXPECT_EQ(played.Log, direct.Log);
        EXPECT_EQ(recordedRun.Results, directRun.Results);
        EXPECT_EQ(recordedRun.Warnings, directRun.Warnings);
        for (const char* op : {"SetPaper", "SetFont", "PrintText", "SetPenColor", "SetBrushColor",
                               "SetBrushSolid", "MoveTo", "LineTo", "FillRect", "Ellipse", "Arc",
                               "DrawPicture", "SetTextTransparent"})
            EXPECT_FALSE(played.Ops(op).empty()) << op;
    }
}

TEST(ReportStream, FittedFontSizesGoIntoThePrintCopy) {
    PageObject title = MakeObject(PageObjectKind::Title, {100, 100, 175, 200}, 20);
    PageObject rect = MakeObject(PageObjectKind::Rectangle, {100, 100, 175, 200}, 20);
    rect.SetFittedFontSize(33);
    PuzzleRecord record = MakePuzzle({title, rect});
    record.SetTitle("ABCDEFGHIJ");
    const RenderRun run = Render(record, AllOptions()).Run;
    StoreFittedFontSizes(run.Results, record);
    const PageLayoutRecord layout(record.PageLayout());
    EXPECT_EQ(layout.Object(1).FittedFontSize(), 7);
    EXPECT_EQ(layout.Object(2).FittedFontSize(), 33);
}

TEST(ReportStream, RecordingCanvasMeasuresWithItsMetrics) {
    FakeMetrics metrics;
    RecordingCanvas canvas(metrics);
    canvas.SetPaper(kPaperLegal, false);
    EXPECT_DOUBLE_EQ(canvas.PageWidth(), 14.0);
    EXPECT_DOUBLE_EQ(canvas.PageHeight(), 8.5);
    canvas.SetCustomPaper(5, 7);
    EXPECT_DOUBLE_EQ(canvas.PageWidth(), 5.0);
    FontSpec font;
    font.Size = 36;
    canvas.SetFont(font);
    EXPECT_DOUBLE_EQ(canvas.TextWidth("ABC"), 0.01 * 36 * 3);
    EXPECT_DOUBLE_EQ(canvas.TextHeight("ABC"), 0.5);
    EXPECT_DOUBLE_EQ(canvas.FontAscent(), 0.4);
    font.Size = 0; // at least one device pixel
    canvas.SetFont(font);
    EXPECT_DOUBLE_EQ(canvas.TextHeight("A"), 0.01);
    EXPECT_EQ(canvas.XInchToDevice(1.234), 123);
    EXPECT_DOUBLE_EQ(canvas.XDeviceToInch(150), 1.5);
    EXPECT_EQ(canvas.Stream().Ops.size(), 4u);
    EXPECT_EQ(canvas.Stream().Ops[0], ReportOp(report_op::SetPaper{kPaperLegal, false}));
}

} // namespace
} // namespace vorlane::test
