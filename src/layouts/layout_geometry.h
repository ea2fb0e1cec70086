#pragma once

#include "layouts/page_layout_record.h"

#include <optional>
#include <string_view>

// Sizes, defaults and rescaling of page layouts. Design pixels are the pixels of the
// designer's page image: 48, 72 or 96 per inch (20, 30 or 40 per centimetre) at its small,
// medium and large zoom.
namespace vorlane {

// Design pixels per page unit at a zoom (1 small, 2 medium, 3 large; others as medium).
int DesignPixelsPerUnit(int zoom, bool inches);

// A user-typed value in page units to design pixels (rounded).
std::int32_t TypedUnitsToPixels(double units, int pixelsPerUnit);
// A page extent or a default size in page units to design pixels (truncated).
std::int32_t ExtentToPixels(double units, int pixelsPerUnit);
double PixelsToUnits(std::int32_t pixels, int pixelsPerUnit);

struct Paper {
    std::string_view Name;
    double Width = 0; // portrait
    double Height = 0;
    bool Inches = true;
};
// "Letter", "Legal", "A4", "A5", "B5", "Executive"; "Custom" has no fixed size.
std::optional<Paper> StandardPaper(std::string_view name);

// A new page: "New Page" on Letter, 8.5 x 11 inches, portrait, no objects.
PageLayoutRecord NewPage();

// A new object of a kind placed where the user clicked (x, y), with every field at its
// default; pixelsPerUnit is that of the current zoom and unit, sameKindCount the number of
// objects of that kind already in the layout (it numbers text, bitmap, rectangle and
// circle objects).
PageObject NewObject(PageObjectKind kind, std::int32_t x, std::int32_t y, int pixelsPerUnit,
                     int sameKindCount);

// The layout used when the layout file has none: a title, the grid and the word list on
// Letter paper, in design pixels of 48 per inch.
PageLayoutRecord BuiltInDefaultLayout();

// Multiplies every object rectangle by the factor for a zoom change (1.5, 2, 0.667, 1.334,
// 0.5, 0.75), truncating toward zero. Equal zooms change nothing.
void RescaleZoom(PageLayoutRecord& layout, int fromZoom, int toZoom);
// Switches the page unit, converting the page size (truncated to hundredths) and every
// rectangle. Does nothing when the layout already has that unit.
void ChangeUnit(PageLayoutRecord& layout, bool toInches);
// Portrait and landscape swap the page's width and height; rectangles stay.
void ChangeOrientation(PageLayoutRecord& layout, bool portrait);

} // namespace vorlane
