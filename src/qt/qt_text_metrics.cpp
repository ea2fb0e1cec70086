#include "qt/qt_text_metrics.h"

#include "qt/qt_fonts.h"

#include <cmath>

namespace vorlane {

namespace {

// A point size for a device whose font resolution (whole dots per inch) differs from the
// resolution it is used at.
double DevicePointSize(int size, double wantedDpi, int deviceDpi) {
    return deviceDpi > 0 ? size * wantedDpi / deviceDpi : size;
}

} // namespace

QtTextMetrics::QtTextMetrics(double pixelsPerInch)
    : m_pixelsPerInch(pixelsPerInch), m_device(1, 1, QImage::Format_RGB32) {
    const int dotsPerMeter = static_cast<int>(std::lround(kMeasureDpi / 0.0254));
    m_device.setDotsPerMeterX(dotsPerMeter);
    m_device.setDotsPerMeterY(dotsPerMeter);
}

const QFontMetricsF& QtTextMetrics::MetricsOf(const FontSpec& font) const {
    if (!m_lastMetrics || !(m_lastFont == font)) {
        const double size = DevicePointSize(font.Size, kMeasureDpi, m_device.logicalDpiY());
        m_lastMetrics.emplace(PageFont(font, size), &m_device);
        m_lastFont = font;
    }
    return *m_lastMetrics;
}

double QtTextMetrics::Ascent(const FontSpec& font) const {
    return MetricsOf(font).ascent() / kMeasureDpi;
}

double QtTextMetrics::Descent(const FontSpec& font) const {
    return MetricsOf(font).descent() / kMeasureDpi;
}

double QtTextMetrics::TextWidth(const FontSpec& font, std::string_view text) const {
    return MetricsOf(font).horizontalAdvance(PageText(text)) / kMeasureDpi;
}

} // namespace vorlane
