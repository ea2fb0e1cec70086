#pragma once

#include "render/report_canvas.h"

#include <string>
#include <vector>

namespace vorlane::test {

// Fixed metrics: every character is 0.01 inch per point wide, the ascent is 0.8 and the
// descent 0.2 of the size in inches (size / 72), at 100 device pixels per inch.
class FakeMetrics : public TextMetrics {
public:
    double Ascent(const FontSpec& font) const override { return 0.8 * font.Size / 72.0; }
    double Descent(const FontSpec& font) const override { return 0.2 * font.Size / 72.0; }
    double TextWidth(const FontSpec& font, std::string_view text) const override {
        return 0.01 * font.Size * static_cast<double>(text.size());
    }
    double PixelsPerInch() const override { return 100.0; }
};

// One logged drawing operation with its arguments.
struct FakeOp {
    std::string Name;
    std::vector<double> Args;
    std::string Text;
    bool operator==(const FakeOp&) const = default;
};

// A canvas that logs every state change and drawing operation; measurements are not logged.
class FakeCanvas : public ReportCanvas {
public:
    std::vector<FakeOp> Log;

    // The logged operations of one name, in order.
    std::vector<FakeOp> Ops(const std::string& name) const;
    // The texts printed, in order.
    std::vector<std::string> PrintedTexts() const;
    const FontSpec& Font() const { return m_font; }

    void SetPaper(int code, bool portrait) override;
    void SetCustomPaper(double width, double height) override;
    double PageWidth() const override { return m_width; }
    double PageHeight() const override { return m_height; }
    void SetFont(const FontSpec& font) override;
    double FontAscent() const override { return m_metrics.Ascent(m_font); }
    double FontDescent() const override { return m_metrics.Descent(m_font); }
    double TextWidth(std::string_view text) const override {
        return m_metrics.TextWidth(m_font, text);
    }
    double TextHeight(std::string_view) const override { return LineHeight(m_metrics, m_font); }
    void SetTextTransparent(bool transparent) override;
    void PrintText(double x, double y, std::string_view text) override;
    int XInchToDevice(double x) const override;
    double XDeviceToInch(int pixels) const override { return pixels / 100.0; }
    void SetPenColor(std::uint32_t color) override;
    void SetBrushColor(std::uint32_t color) override;
    void SetBrushSolid(bool solid) override;
    void MoveTo(double x, double y) override;
    void LineTo(double x, double y) override;
    void FillRect(const InchRect& rect) override;
    void Ellipse(const InchRect& rect) override;
    void Arc(const InchRect& bounds, InchPoint start, InchPoint end) override;
    void DrawPicture(const PictureRef& picture, const InchRect& rect) override;

private:
    FakeMetrics m_metrics;
    FontSpec m_font;
    double m_width = 8.5;
    double m_height = 11.0;
};

} // namespace vorlane::test
