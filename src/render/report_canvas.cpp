#include "render/report_canvas.h"

#include <algorithm>

namespace vorlane {

InchPoint PaperCodeSize(int code) {
    constexpr double mm = 1.0 / 25.4;
    switch (code) {
    case kPaperLegal:
        return {8.5, 14.0};
    case kPaperExecutive:
        return {7.25, 10.5};
    case kPaperA4:
        return {210 * mm, 297 * mm};
    case kPaperA5:
        return {148 * mm, 210 * mm};
    case kPaperB5:
        return {182 * mm, 257 * mm};
    default:
        return {8.5, 11.0};
    }
}

double LineHeight(const TextMetrics& metrics, const FontSpec& font) {
    const double pixel = metrics.PixelsPerInch() > 0 ? 1.0 / metrics.PixelsPerInch() : 0.0;
    return std::max(metrics.Ascent(font) + metrics.Descent(font), pixel);
}

} // namespace vorlane
