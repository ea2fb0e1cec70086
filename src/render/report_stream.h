#pragma once

#include "render/report_canvas.h"

#include <string>
#include <variant>
#include <vector>

// The report stream: a page's drawing operations kept in memory, in inches, so that the
// preview and the printer can play the same page at any resolution.
namespace vorlane {

namespace report_op {
struct SetPaper {
    int Code = 0;
    bool Portrait = true;
    bool operator==(const SetPaper&) const = default;
};
struct SetCustomPaper {
    double Width = 0;
    double Height = 0;
    bool operator==(const SetCustomPaper&) const = default;
};
struct SetFont {
    FontSpec Font;
    bool operator==(const SetFont&) const = default;
};
struct SetTextTransparent {
    bool Transparent = true;
    bool operator==(const SetTextTransparent&) const = default;
};
struct PrintText {
    double X = 0;
    double Y = 0;
    std::string Text;
    bool operator==(const PrintText&) const = default;
};
struct SetPenColor {
    std::uint32_t Color = 0;
    bool operator==(const SetPenColor&) const = default;
};
struct SetBrushColor {
    std::uint32_t Color = 0;
    bool operator==(const SetBrushColor&) const = default;
};
struct SetBrushSolid {
    bool Solid = true;
    bool operator==(const SetBrushSolid&) const = default;
};
struct MoveTo {
    InchPoint At;
    bool operator==(const MoveTo&) const = default;
};
struct LineTo {
    InchPoint At;
    bool operator==(const LineTo&) const = default;
};
struct FillRect {
    InchRect Rect;
    bool operator==(const FillRect&) const = default;
};
struct Ellipse {
    InchRect Rect;
    bool operator==(const Ellipse&) const = default;
};
struct Arc {
    InchRect Bounds;
    InchPoint Start;
    InchPoint End;
    bool operator==(const Arc&) const = default;
};
struct DrawPicture {
    PictureRef Picture;
    InchRect Rect;
    bool operator==(const DrawPicture&) const = default;
};
} // namespace report_op

using ReportOp =
    std::variant<report_op::SetPaper, report_op::SetCustomPaper, report_op::SetFont,
                 report_op::SetTextTransparent, report_op::PrintText, report_op::SetPenColor,
                 report_op::SetBrushColor, report_op::SetBrushSolid, report_op::MoveTo,
                 report_op::LineTo, report_op::FillRect, report_op::Ellipse, report_op::Arc,
                 report_op::DrawPicture>;

struct ReportStream {
    std::vector<ReportOp> Ops;
    bool operator==(const ReportStream&) const = default;
};

// A canvas that writes every drawing operation into a report stream. Measurements come
// from the metrics it is given (a reference device), which must outlive it.
class RecordingCanvas : public ReportCanvas {
public:
    explicit RecordingCanvas(const TextMetrics& metrics) : m_metrics(metrics) {}

    const ReportStream& Stream() const { return m_stream; }
    ReportStream TakeStream() { return std::move(m_stream); }

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

private:
    const TextMetrics& m_metrics;
    ReportStream m_stream;
    FontSpec m_font;
    double m_pageWidth = 8.5;
    double m_pageHeight = 11.0;
};

// Replays a stream onto a canvas, operation by operation.
void Play(const ReportStream& stream, ReportCanvas& canvas);

} // namespace vorlane
