#pragma once

#include "core/puzzle_record.h"
#include "layouts/page_layout_record.h"
#include "render/report_renderer.h"
#include "render/word_list_treatments.h"

#include <cstddef>

namespace vorlane {

// The longest text a title or bonus question object prints.
constexpr std::size_t kMaxLineText = 255;

// Where the square cells of a grid of gw x gh cells lie in a rectangle: as large as fit,
// centred along the rectangle's longer side.
struct GridGeometry {
    double Left = 0;
    double Top = 0;
    double CellWidth = 0;
    double CellHeight = 0;
};

inline GridGeometry SquareGridIn(double left, double top, double width, double height, int gw,
                                 int gh) {
    GridGeometry g{left, top, width / gw, height / gh};
    if (g.CellWidth > g.CellHeight) {
        g.CellWidth = g.CellHeight;
        g.Left += (width - g.CellWidth * gw) / 2;
    } else if (g.CellHeight > g.CellWidth) {
        g.CellHeight = g.CellWidth;
        g.Top += (height - g.CellHeight * gh) / 2;
    }
    return g;
}

// Draws objects 1..objectCount of layout in order, each by its kind as the print options
// ask, through the drawer's object routines (the printed page and the metafile draw the
// same objects their own way). The bonus question goes into its object's text first.
template <class Drawer>
void DrawPageObjects(const PuzzleRecord& record, const PrintOptions& options,
                     PageLayoutRecord& layout, int objectCount, Drawer& drawer) {
    for (int k = 1; k <= objectCount; ++k) {
        PageObject object = layout.Object(k);
        switch (static_cast<PageObjectKind>(object.Kind())) {
        case PageObjectKind::Title:
            if (options.PrintTitle)
                drawer.DoTextLine(k, object, record.Title());
            break;
        case PageObjectKind::PuzzleGrid:
            if (options.PrintBody)
                drawer.DoPuzz(k, object);
            break;
        case PageObjectKind::WordsClues:
            if (options.PrintWords) {
                if (options.WordOption == static_cast<int>(WordOption::Clues))
                    drawer.DoClues(k, object);
                else
                    drawer.DoWords(k, object);
            }
            break;
        case PageObjectKind::BonusQuestion:
            if (options.PrintBonus && !record.BonusQuestion().empty()) {
                object.SetText(record.BonusQuestion());
                layout.SetObject(k, object);
                drawer.DoTextLine(k, object, object.Text().substr(0, kMaxLineText));
            }
            break;
        case PageObjectKind::Text:
            drawer.DoText(k, object);
            break;
        case PageObjectKind::Bitmap:
            drawer.DoBitmap(k, object);
            break;
        case PageObjectKind::Rectangle:
        case PageObjectKind::Circle:
            drawer.DoRect(object);
            break;
        }
    }
}

} // namespace vorlane
