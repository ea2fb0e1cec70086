#include "layouts/layout_geometry.h"

#include <array>
#include <cmath>

namespace vorlane {

int DesignPixelsPerUnit(int zoom, bool inches) {
    switch (zoom) {
    case 1:
        return inches ? 48 : 20;
    case 3:
        return inches ? 96 : 40;
    default:
        return inches ? 72 : 30;
    }
}

namespace {

// Whole design pixels of a value, kept inside the 32-bit range of a rectangle coordinate.
std::int32_t ToCoordinate(double value) {
    if (!(value > -2147483648.0))
        return value != value ? 0 : INT32_MIN;
    if (!(value < 2147483647.0))
        return INT32_MAX;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t TypedUnitsToPixels(double units, int pixelsPerUnit) {
    return ToCoordinate(std::round(units * pixelsPerUnit));
}

std::int32_t ExtentToPixels(double units, int pixelsPerUnit) {
    return ToCoordinate(std::trunc(units * pixelsPerUnit));
}

double PixelsToUnits(std::int32_t pixels, int pixelsPerUnit) {
    return pixelsPerUnit == 0 ? 0.0 : static_cast<double>(pixels) / pixelsPerUnit;
}

std::optional<Paper> StandardPaper(std::string_view name) {
    static constexpr std::array<Paper, 6> kPapers = {{
        {"Letter", 8.5, 11.0, true},
        {"Legal", 8.5, 14.0, true},
        {"A4", 21.0, 29.7, false},
        {"A5", 14.8, 21.0, false},
        {"B5", 18.2, 25.7, false},
        {"Executive", 7.25, 10.5, true},
    }};
    for (const Paper& paper : kPapers)
        if (paper.Name == name)
            return paper;
    return std::nullopt;
}

PageLayoutRecord NewPage() {
    PageLayoutRecord page;
    page.SetLayoutName("New Page");
    page.SetPaperName("Letter");
    page.SetPageWidth(8.5);
    page.SetPageHeight(11.0);
    page.SetInches(true);
    page.SetPortrait(true);
    page.SetObjectCount(0);
    return page;
}

PageObject NewObject(PageObjectKind kind, std::int32_t x, std::int32_t y, int pixelsPerUnit,
                     int sameKindCount) {
    PageObject object;
    object.SetKind(kind);
    const std::string number = std::to_string(sameKindCount + 1);
    double w = 2;
    double h = 2;
    switch (kind) {
    case PageObjectKind::Title:
        object.SetObjectName("Title");
        h = 0.25;
        break;
    case PageObjectKind::PuzzleGrid:
        object.SetObjectName("Puzzle");
        w = h = 3;
        break;
    case PageObjectKind::WordsClues:
        object.SetObjectName("Words / Clues");
        h = 3;
        break;
    case PageObjectKind::BonusQuestion:
        object.SetObjectName("Bonus Question");
        w = 4;
        h = 0.25;
        break;
    case PageObjectKind::Text:
        object.SetObjectName("Text " + number);
        break;
    case PageObjectKind::Bitmap:
        object.SetObjectName("Bitmap " + number);
        break;
    case PageObjectKind::Rectangle:
        object.SetObjectName("Rectangle " + number);
        break;
    case PageObjectKind::Circle:
        object.SetObjectName("Circle " + number);
        break;
    }
    object.SetBounds(
        {x, y, x + ExtentToPixels(w, pixelsPerUnit), y + ExtentToPixels(h, pixelsPerUnit)});
    object.SetFontName("Arial");
    object.SetFontSize(10);
    object.SetFontColor(0x000000);
    object.SetSecondFontName("Arial");
    object.SetSecondFontSize(5);
    object.SetSecondFontColor(0x000000);
    object.SetSecondFontStyle(false, false, false, false);
    object.SetGridBackColor(0xFFFFFF);
    object.SetGridLineColor(0x000000);
    object.SetLowerCase(false);
    object.SetGridLineWidth(1);
    object.SetAlignment(kind == PageObjectKind::Title ? 2 : 1);
    object.SetText("");
    const bool gridOrBitmap = kind == PageObjectKind::PuzzleGrid || kind == PageObjectKind::Bitmap;
    object.SetTransparent(!gridOrBitmap);
    object.SetColumns(3);
    object.SetMakeFit(true);
    object.SetFilled(false);
    object.SetFillColor(kind == PageObjectKind::PuzzleGrid ? 0x000000 : 0xFFFFFF);
    object.SetBorderColor(0x000000);
    object.SetBorder(kind != PageObjectKind::Bitmap);
    object.SetBorderWidth(1);
    object.SetBitmapFile("");
    return object;
}

namespace {

PageObject BuiltInObject(PageObjectKind kind, std::string_view name, DesignRect bounds) {
    PageObject object;
    object.SetKind(kind);
    object.SetObjectName(name);
    object.SetBounds(bounds);
    object.SetFontName("Arial");
    object.SetFontSize(12);
    object.SetFontColor(0);
    object.SetText("");
    object.SetMakeFit(true);
    object.SetFilled(false);
    object.SetBorderColor(0);
    object.SetBorder(false);
    object.SetBorderWidth(1);
    object.SetBitmapFile("");
    object.SetAlignment(2);
    return object;
}

} // namespace

PageLayoutRecord BuiltInDefaultLayout() {
    PageLayoutRecord layout;
    layout.SetLayoutName("New Page");
    layout.SetPaperName("Letter");
    layout.SetPageWidth(8.5);
    layout.SetPageHeight(11.0);
    layout.SetDesignWidth(408);
    layout.SetDesignHeight(528);
    layout.SetInches(true);
    layout.SetPortrait(true);
    // Its rectangles are in the pixels of the small zoom; saying so keeps a designer that
    // opens it from reading them at another scale.
    layout.SetDesignZoom(1);

    PageObject title = BuiltInObject(PageObjectKind::Title, "Title", {48, 48, 360, 72});
    title.SetTransparent(true);
    title.SetFillColor(0xFFFFFF);
    layout.AddObject(title);

    PageObject grid = BuiltInObject(PageObjectKind::PuzzleGrid, "Puzzle", {96, 76, 312, 292});
    grid.SetSecondFontName("Arial");
    grid.SetSecondFontSize(5);
    grid.SetSecondFontColor(0);
    grid.SetLowerCase(false);
    grid.SetFillColor(0);
    grid.SetTransparent(false);
    grid.SetGridBackColor(0xFFFFFF);
    grid.SetGridLineColor(0);
    grid.SetGridLineWidth(1);
    layout.AddObject(grid);

    PageObject words = BuiltInObject(PageObjectKind::WordsClues, "Word List", {48, 316, 192, 484});
    words.SetFillColor(0xFFFFFF);
    words.SetTransparent(true);
    words.SetColumns(1);
    layout.AddObject(words);
    return layout;
}

namespace {

double ZoomFactor(int from, int to) {
    // The designer's factors, 0.667 and 1.334 included, not two and four thirds.
    static constexpr double kFactors[4][4] = {
        {1, 1, 1, 1},
        {1, 1, 1.5, 2},
        {1, 0.667, 1, 1.334},
        {1, 0.5, 0.75, 1},
    };
    if (from < 1 || from > 3 || to < 1 || to > 3)
        return 1;
    return kFactors[from][to];
}

void ScaleBounds(PageLayoutRecord& layout, double factor) {
    for (int k = 1; k <= layout.UsedObjectCount(); ++k) {
        PageObject object = layout.Object(k);
        DesignRect r = object.Bounds();
        object.SetBounds({ToCoordinate(r.Left * factor), ToCoordinate(r.Top * factor),
                          ToCoordinate(r.Right * factor), ToCoordinate(r.Bottom * factor)});
        layout.SetObject(k, object);
    }
}

double TruncHundredths(double value) {
    return std::trunc(value) / 100;
}

} // namespace

void RescaleZoom(PageLayoutRecord& layout, int fromZoom, int toZoom) {
    if (fromZoom == toZoom)
        return;
    double factor = ZoomFactor(fromZoom, toZoom);
    if (factor != 1)
        ScaleBounds(layout, factor);
}

void ChangeUnit(PageLayoutRecord& layout, bool toInches) {
    if (layout.Inches() == toInches)
        return;
    if (toInches) {
        layout.SetPageWidth(TruncHundredths(layout.PageWidth() * 0.3937007874015748 * 100));
        layout.SetPageHeight(TruncHundredths(layout.PageHeight() * 0.3937007874015748 * 100));
        ScaleBounds(layout, 0.9448818897637795);
    } else {
        layout.SetPageWidth(TruncHundredths(layout.PageWidth() * 254));
        layout.SetPageHeight(TruncHundredths(layout.PageHeight() * 254));
        ScaleBounds(layout, 1.0583333333333333);
    }
    layout.SetInches(toInches);
}

void ChangeOrientation(PageLayoutRecord& layout, bool portrait) {
    if (layout.Portrait() == portrait)
        return;
    double width = layout.PageWidth();
    layout.SetPageWidth(layout.PageHeight());
    layout.SetPageHeight(width);
    layout.SetPortrait(portrait);
}

} // namespace vorlane
