#pragma once

#include "render/report_canvas.h"

#include <QColor>
#include <QFont>
#include <QImage>

#include <map>

class QPainter;

namespace vorlane {

// A report canvas over a QPainter on any paint device (image, PDF, printer), at any
// resolution. One-pixel lines are as wide as a pixel of the reference printer, and never
// thinner than one device pixel, so a page looks the same on every device.
class QPainterCanvas : public ReportCanvas {
public:
    // Draws at the device's logical resolution.
    explicit QPainterCanvas(QPainter& painter);
    // Draws at dotsPerInch device units per inch in both directions.
    QPainterCanvas(QPainter& painter, double dotsPerInch);

    // The width of a one-pixel line, in inches.
    void SetLineWidth(double inches) { m_lineWidth = inches; }

    void SetPaper(int code, bool portrait) override;
    void SetCustomPaper(double width, double height) override;
    double PageWidth() const override { return m_pageWidth; }
    double PageHeight() const override { return m_pageHeight; }
    void SetFont(const FontSpec& font) override;
    double FontAscent() const override;
    double FontDescent() const override;
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void SetTextTransparent(bool transparent) override;
    void PrintText(double x, double y, std::string_view text) override;
    int XInchToDevice(double x) const override;
    double XDeviceToInch(int pixels) const override;
    void SetPenColor(std::uint32_t color) override;
    void SetBrushColor(std::uint32_t color) override;
    void SetBrushSolid(bool solid) override;
    void MoveTo(double x, double y) override;
    void LineTo(double x, double y) override;
    void FillRect(const InchRect& rect) override;
    void Ellipse(const InchRect& rect) override;
    void Arc(const InchRect& bounds, InchPoint start, InchPoint end) override;
    void DrawPicture(const PictureRef& picture, const InchRect& rect) override;

    // A page colour (0x00BBGGRR, or a Windows system colour) as a QColor.
    static QColor PageColor(std::uint32_t color);

private:
    double Device(double inches) const;
    double LinePixels() const;
    // A line end on the centre of its device pixel, so thin lines stay sharp.
    double Snap(double inches) const;
    void UsePen();

    QPainter& m_painter;
    double m_dpi;
    double m_lineWidth;
    double m_pageWidth = 8.5;
    double m_pageHeight = 11.0;
    FontSpec m_font;
    QFont m_qfont;
    bool m_transparent = true;
    QColor m_pen = Qt::black;
    QColor m_brush = Qt::white;
    bool m_brushSolid = true;
    double m_x = 0;
    double m_y = 0;
    std::map<int, QImage> m_pictures;
};

} // namespace vorlane
