#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The drawing surface of a printed page. Every position and size is in inches on the
// physical page, measured from the paper's top-left corner.
namespace vorlane {

struct FontSpec {
    std::string Name;
    int Size = 10;           // points
    std::uint32_t Color = 0; // 0x00BBGGRR
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    bool operator==(const FontSpec&) const = default;
};

struct InchRect {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
    double Width() const { return Right - Left; }
    double Height() const { return Bottom - Top; }
    bool operator==(const InchRect&) const = default;
};

struct InchPoint {
    double X = 0;
    double Y = 0;
    bool operator==(const InchPoint&) const = default;
};

// A picture loaded for a bitmap object: an id the canvas may map to its own image and the
// file it came from. Id 0 is the empty picture, which draws nothing.
struct PictureRef {
    int Id = 0;
    std::string Path;
    bool Empty() const { return Id == 0; }
    bool operator==(const PictureRef&) const = default;
};

// Windows paper codes of the papers a layout can name.
enum PaperCode : int {
    kPaperLetter = 1,
    kPaperLegal = 5,
    kPaperExecutive = 7,
    kPaperA4 = 9,
    kPaperA5 = 11,
    kPaperB5 = 13,
};

// Portrait width and height in inches of a paper code; unknown codes give Letter.
InchPoint PaperCodeSize(int code);

// Font measurements of one device. A recording canvas takes them from a reference device
// so that a page's layout does not depend on where it is shown.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual double Ascent(const FontSpec& font) const = 0;
    virtual double Descent(const FontSpec& font) const = 0;
    virtual double TextWidth(const FontSpec& font, std::string_view text) const = 0;
    // Device pixels per inch of the measuring device; one-pixel steps use it.
    virtual double PixelsPerInch() const = 0;
};

// Height of a text line: ascent + descent, at least one device pixel.
double LineHeight(const TextMetrics& metrics, const FontSpec& font);

// What the page renderer draws through.
class ReportCanvas {
public:
    virtual ~ReportCanvas() = default;

    // The paper by Windows paper code, oriented; or a custom size in inches as oriented.
    virtual void SetPaper(int code, bool portrait) = 0;
    virtual void SetCustomPaper(double width, double height) = 0;
    virtual double PageWidth() const = 0;
    virtual double PageHeight() const = 0;

    // The font of the following text output and measurements.
    virtual void SetFont(const FontSpec& font) = 0;
    virtual double FontAscent() const = 0;
    virtual double FontDescent() const = 0;
    virtual double TextWidth(std::string_view text) const = 0;
    // Ascent + descent of the font, at least one device pixel.
    virtual double TextHeight(std::string_view text) const = 0;
    virtual void SetTextTransparent(bool transparent) = 0;
    // Text starting at x with its baseline at y; Windows-1252 bytes.
    virtual void PrintText(double x, double y, std::string_view text) = 0;

    // Horizontal conversion between inches and whole device pixels.
    virtual int XInchToDevice(double x) const = 0;
    virtual double XDeviceToInch(int pixels) const = 0;

    virtual void SetPenColor(std::uint32_t color) = 0;
    virtual void SetBrushColor(std::uint32_t color) = 0;
    // Solid brush fills ellipses; a clear brush leaves them hollow.
    virtual void SetBrushSolid(bool solid) = 0;
    // One-pixel lines in the pen colour.
    virtual void MoveTo(double x, double y) = 0;
    virtual void LineTo(double x, double y) = 0;
    // Fills the rectangle, rounded to whole device pixels, with the brush colour.
    virtual void FillRect(const InchRect& rect) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void Ellipse(const InchRect& rect) = 0;
    // An arc of the ellipse inscribed in bounds, drawn counter-clockwise from the ray through
    // start to the ray through end, as the Windows arc function draws it.
    virtual void Arc(const InchRect& bounds, InchPoint start, InchPoint end) = 0;
    // The whole picture scaled into the rectangle.
    virtual void DrawPicture(const PictureRef& picture, const InchRect& rect) = 0;
};

} // namespace vorlane
