#include "qt/qpainter_canvas.h"

#include "qt/qt_fonts.h"
#include "qt/qt_text_metrics.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vorlane {

namespace {

constexpr double kMaxCoordinate = 1e6;

double Clamped(double value) {
    return std::isfinite(value) ? std::clamp(value, -kMaxCoordinate, kMaxCoordinate) : 0.0;
}

// The counter-clockwise angle in degrees of the ray from the centre of bounds through p, as
// the parameter of the inscribed ellipse (y grows downwards on the page).
double RayAngle(const QRectF& bounds, QPointF p) {
    const double rx = bounds.width() / 2;
    const double ry = bounds.height() / 2;
    const double dx = p.x() - bounds.center().x();
    const double dy = p.y() - bounds.center().y();
    if (rx <= 0 || ry <= 0 || (dx == 0 && dy == 0))
        return 0;
    return std::atan2(-dy / ry, dx / rx) * 180.0 / std::numbers::pi;
}

} // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter)
    : QPainterCanvas(painter, painter.device() ? painter.device()->logicalDpiX() : 96.0) {}

QPainterCanvas::QPainterCanvas(QPainter& painter, double dotsPerInch)
    : m_painter(painter), m_dpi(dotsPerInch > 0 ? dotsPerInch : 96.0),
      m_lineWidth(1.0 / QtTextMetrics::kPrinterDpi) {
    SetFont(m_font);
}

QColor QPainterCanvas::PageColor(std::uint32_t color) {
    if ((color & 0xFF000000u) != 0) {
        // System colours: the window background and face colours, else the text colour.
        switch (color & 0xFFu) {
        case 5:  // window
        case 14: // highlighted text
            return Qt::white;
        case 15: // button face
        case 4:  // menu
            return QColor(192, 192, 192);
        default:
            return Qt::black;
        }
    }
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

double QPainterCanvas::Device(double inches) const {
    return Clamped(inches) * m_dpi;
}

double QPainterCanvas::LinePixels() const {
    return std::max(1.0, m_lineWidth * m_dpi);
}

double QPainterCanvas::Snap(double inches) const {
    const double device = Device(inches);
    if (LinePixels() > 1.5)
        return device;
    return std::floor(device) + 0.5;
}

void QPainterCanvas::UsePen() {
    QPen pen(m_pen, LinePixels(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    m_painter.setPen(pen);
}

void QPainterCanvas::SetPaper(int code, bool portrait) {
    const InchPoint size = PaperCodeSize(code);
    m_pageWidth = portrait ? size.X : size.Y;
    m_pageHeight = portrait ? size.Y : size.X;
}

void QPainterCanvas::SetCustomPaper(double width, double height) {
    m_pageWidth = width;
    m_pageHeight = height;
}

void QPainterCanvas::SetFont(const FontSpec& font) {
    m_font = font;
    // Qt turns points into device units at the device's whole-number font resolution.
    const QPaintDevice* device = m_painter.device();
    const int deviceDpi = device ? device->logicalDpiY() : 0;
    const double size = deviceDpi > 0 ? font.Size * m_dpi / deviceDpi : font.Size;
    m_qfont = PageFont(font, size);
}

double QPainterCanvas::FontAscent() const {
    return QFontMetricsF(m_qfont, m_painter.device()).ascent() / m_dpi;
}

double QPainterCanvas::FontDescent() const {
    return QFontMetricsF(m_qfont, m_painter.device()).descent() / m_dpi;
}

double QPainterCanvas::TextWidth(std::string_view text) const {
    return QFontMetricsF(m_qfont, m_painter.device()).horizontalAdvance(PageText(text)) / m_dpi;
}

double QPainterCanvas::TextHeight(std::string_view) const {
    const QFontMetricsF metrics(m_qfont, m_painter.device());
    return std::max(metrics.ascent() + metrics.descent(), 1.0) / m_dpi;
}

void QPainterCanvas::SetTextTransparent(bool transparent) {
    m_transparent = transparent;
}

void QPainterCanvas::PrintText(double x, double y, std::string_view text) {
    m_painter.save();
    m_painter.setFont(m_qfont);
    m_painter.setPen(PageColor(m_font.Color));
    m_painter.setBackgroundMode(m_transparent ? Qt::TransparentMode : Qt::OpaqueMode);
    m_painter.setBackground(m_brush);
    m_painter.drawText(QPointF(Device(x), Device(y)), PageText(text));
    m_painter.restore();
}

int QPainterCanvas::XInchToDevice(double x) const {
    return static_cast<int>(std::lround(Device(x)));
}

double QPainterCanvas::XDeviceToInch(int pixels) const {
    return pixels / m_dpi;
}

void QPainterCanvas::SetPenColor(std::uint32_t color) {
    m_pen = PageColor(color);
}

void QPainterCanvas::SetBrushColor(std::uint32_t color) {
    m_brush = PageColor(color);
}

void QPainterCanvas::SetBrushSolid(bool solid) {
    m_brushSolid = solid;
}

void QPainterCanvas::MoveTo(double x, double y) {
    m_x = x;
    m_y = y;
}

void QPainterCanvas::LineTo(double x, double y) {
    UsePen();
    m_painter.drawLine(QPointF(Snap(m_x), Snap(m_y)), QPointF(Snap(x), Snap(y)));
    m_x = x;
    m_y = y;
}

void QPainterCanvas::FillRect(const InchRect& rect) {
    const int left = static_cast<int>(std::lround(Device(rect.Left)));
    const int top = static_cast<int>(std::lround(Device(rect.Top)));
    const int right = static_cast<int>(std::lround(Device(rect.Right)));
    const int bottom = static_cast<int>(std::lround(Device(rect.Bottom)));
    if (right > left && bottom > top)
        m_painter.fillRect(QRect(left, top, right - left, bottom - top), m_brush);
}

void QPainterCanvas::Ellipse(const InchRect& rect) {
    UsePen();
    m_painter.setBrush(m_brushSolid ? QBrush(m_brush) : QBrush(Qt::NoBrush));
    m_painter.drawEllipse(QRectF(QPointF(Device(rect.Left), Device(rect.Top)),
                                 QPointF(Device(rect.Right), Device(rect.Bottom))));
}

void QPainterCanvas::Arc(const InchRect& bounds, InchPoint start, InchPoint end) {
    const QRectF box(QPointF(Device(bounds.Left), Device(bounds.Top)),
                     QPointF(Device(bounds.Right), Device(bounds.Bottom)));
    const double from = RayAngle(box, QPointF(Device(start.X), Device(start.Y)));
    const double to = RayAngle(box, QPointF(Device(end.X), Device(end.Y)));
    // Counter-clockwise on the page from the start ray to the end ray; equal rays make the
    // whole ellipse.
    double span = std::fmod(to - from, 360.0);
    if (span <= 1e-9)
        span += 360.0;
    QPainterPath path;
    path.arcMoveTo(box, from);
    path.arcTo(box, from, span);
    UsePen();
    m_painter.strokePath(path, m_painter.pen());
}

void QPainterCanvas::DrawPicture(const PictureRef& picture, const InchRect& rect) {
    if (picture.Empty())
        return;
    auto found = m_pictures.find(picture.Id);
    if (found == m_pictures.end())
        found = m_pictures
                    .emplace(picture.Id,
                             QImage(QFile::decodeName(QByteArray::fromStdString(picture.Path))))
                    .first;
    if (found->second.isNull())
        return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(QRectF(QPointF(Device(rect.Left), Device(rect.Top)),
                               QPointF(Device(rect.Right), Device(rect.Bottom))),
                        found->second);
    m_painter.restore();
}

} // namespace vorlane
