#include "render/report_stream.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vorlane {

void RecordingCanvas::SetPaper(int code, bool portrait) {
    const InchPoint size = PaperCodeSize(code);
    m_pageWidth = portrait ? size.X : size.Y;
    m_pageHeight = portrait ? size.Y : size.X;
    m_stream.Ops.emplace_back(report_op::SetPaper{code, portrait});
}

void RecordingCanvas::SetCustomPaper(double width, double height) {
    m_pageWidth = width;
    m_pageHeight = height;
    m_stream.Ops.emplace_back(report_op::SetCustomPaper{width, height});
}

void RecordingCanvas::SetFont(const FontSpec& font) {
    m_font = font;
    m_stream.Ops.emplace_back(report_op::SetFont{font});
}

double RecordingCanvas::FontAscent() const {
    return m_metrics.Ascent(m_font);
}
double RecordingCanvas::FontDescent() const {
    return m_metrics.Descent(m_font);
}
double RecordingCanvas::TextWidth(std::string_view text) const {
    return m_metrics.TextWidth(m_font, text);
}
double RecordingCanvas::TextHeight(std::string_view) const {
    return LineHeight(m_metrics, m_font);
}

void RecordingCanvas::SetTextTransparent(bool transparent) {
    m_stream.Ops.emplace_back(report_op::SetTextTransparent{transparent});
}

void RecordingCanvas::PrintText(double x, double y, std::string_view text) {
    m_stream.Ops.emplace_back(report_op::PrintText{x, y, std::string(text)});
}

int RecordingCanvas::XInchToDevice(double x) const {
    return static_cast<int>(std::lround(std::clamp(x * m_metrics.PixelsPerInch(), -1e9, 1e9)));
}

double RecordingCanvas::XDeviceToInch(int pixels) const {
    const double ppi = m_metrics.PixelsPerInch();
    return ppi > 0 ? pixels / ppi : 0.0;
}

void RecordingCanvas::SetPenColor(std::uint32_t color) {
    m_stream.Ops.emplace_back(report_op::SetPenColor{color});
}
void RecordingCanvas::SetBrushColor(std::uint32_t color) {
    m_stream.Ops.emplace_back(report_op::SetBrushColor{color});
}
void RecordingCanvas::SetBrushSolid(bool solid) {
    m_stream.Ops.emplace_back(report_op::SetBrushSolid{solid});
}
void RecordingCanvas::MoveTo(double x, double y) {
    m_stream.Ops.emplace_back(report_op::MoveTo{{x, y}});
}
void RecordingCanvas::LineTo(double x, double y) {
    m_stream.Ops.emplace_back(report_op::LineTo{{x, y}});
}
void RecordingCanvas::FillRect(const InchRect& rect) {
    m_stream.Ops.emplace_back(report_op::FillRect{rect});
}
void RecordingCanvas::Ellipse(const InchRect& rect) {
    m_stream.Ops.emplace_back(report_op::Ellipse{rect});
}
void RecordingCanvas::Arc(const InchRect& bounds, InchPoint start, InchPoint end) {
    m_stream.Ops.emplace_back(report_op::Arc{bounds, start, end});
}
void RecordingCanvas::DrawPicture(const PictureRef& picture, const InchRect& rect) {
    m_stream.Ops.emplace_back(report_op::DrawPicture{picture, rect});
}

namespace {

struct Player {
    ReportCanvas& canvas;
    void operator()(const report_op::SetPaper& op) { canvas.SetPaper(op.Code, op.Portrait); }
    void operator()(const report_op::SetCustomPaper& op) {
        canvas.SetCustomPaper(op.Width, op.Height);
    }
    void operator()(const report_op::SetFont& op) { canvas.SetFont(op.Font); }
    void operator()(const report_op::SetTextTransparent& op) {
        canvas.SetTextTransparent(op.Transparent);
    }
    void operator()(const report_op::PrintText& op) { canvas.PrintText(op.X, op.Y, op.Text); }
    void operator()(const report_op::SetPenColor& op) { canvas.SetPenColor(op.Color); }
    void operator()(const report_op::SetBrushColor& op) { canvas.SetBrushColor(op.Color); }
    void operator()(const report_op::SetBrushSolid& op) { canvas.SetBrushSolid(op.Solid); }
    void operator()(const report_op::MoveTo& op) { canvas.MoveTo(op.At.X, op.At.Y); }
    void operator()(const report_op::LineTo& op) { canvas.LineTo(op.At.X, op.At.Y); }
    void operator()(const report_op::FillRect& op) { canvas.FillRect(op.Rect); }
    void operator()(const report_op::Ellipse& op) { canvas.Ellipse(op.Rect); }
    void operator()(const report_op::Arc& op) { canvas.Arc(op.Bounds, op.Start, op.End); }
    void operator()(const report_op::DrawPicture& op) { canvas.DrawPicture(op.Picture, op.Rect); }
};

} // namespace

void Play(const ReportStream& stream, ReportCanvas& canvas) {
    Player player{canvas};
    for (const ReportOp& op : stream.Ops)
        std::visit(player, op);
}

} // namespace vorlane
