#pragma once

#include "render/report_canvas.h"

#include <QFontMetricsF>
#include <QImage>

#include <optional>

namespace vorlane {

// Text measurements of real fonts on a fixed high-resolution reference device, so that a
// page is laid out the same whatever screen or printer shows it. One-pixel steps (frames,
// thick grid lines) use the pixel of a typical page printer. Needs a QGuiApplication.
class QtTextMetrics : public TextMetrics {
public:
    static constexpr double kMeasureDpi = 1200.0;
    static constexpr double kPrinterDpi = 300.0;

    explicit QtTextMetrics(double pixelsPerInch = kPrinterDpi);

    double Ascent(const FontSpec& font) const override;
    double Descent(const FontSpec& font) const override;
    double TextWidth(const FontSpec& font, std::string_view text) const override;
    double PixelsPerInch() const override { return m_pixelsPerInch; }

private:
    // The metrics of the last font asked for: the renderer measures one font many times.
    const QFontMetricsF& MetricsOf(const FontSpec& font) const;

    double m_pixelsPerInch;
    QImage m_device;
    mutable FontSpec m_lastFont;
    mutable std::optional<QFontMetricsF> m_lastMetrics;
};

} // namespace vorlane
