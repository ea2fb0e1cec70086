#pragma once

#include "render/report_canvas.h"

#include <cstdint>
#include <span>
#include <string_view>

// A drawing surface in whole pixels, as a Windows metafile records it: coordinates grow to
// the right and down from the top-left corner of the picture.
namespace vorlane {

struct PixelPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

class PixelCanvas {
public:
    virtual ~PixelCanvas() = default;

    // The font of the following text: face, size in points, colour, bold, italic, underline
    // and strike-out.
    virtual void SetFont(const FontSpec& font) = 0;
    // Lines and shape outlines, one pixel wide.
    virtual void SetPenColor(std::uint32_t color) = 0;
    // Also makes the brush solid.
    virtual void SetBrushColor(std::uint32_t color) = 0;
    // A clear brush leaves shapes hollow and text backgrounds untouched; a solid one fills
    // them with the brush colour.
    virtual void SetBrushSolid(bool solid) = 0;

    // Windows-1252 text with the top-left corner of its text cell at (x, y). advances holds
    // the width in pixels of each character (empty: not known).
    virtual void TextOut(int x, int y, std::string_view text, std::span<const int> advances) = 0;
    // Fills Left..Right - 1 by Top..Bottom - 1 with the brush, without an outline.
    virtual void FillRect(const PixelRect& rect) = 0;
    virtual void MoveTo(PixelPoint point) = 0;
    // A line from the current position up to (not including) the point, which becomes the
    // current position.
    virtual void LineTo(PixelPoint point) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void Ellipse(const PixelRect& bounds) = 0;
    // An arc of the ellipse inscribed in bounds, counter-clockwise from the ray through start
    // to the ray through end.
    virtual void Arc(const PixelRect& bounds, PixelPoint start, PixelPoint end) = 0;
};

} // namespace vorlane
