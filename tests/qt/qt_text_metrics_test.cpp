#include "qt/qt_fonts.h"
#include "qt/qt_text_metrics.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace vorlane {
namespace {

TEST(QtFonts, ArialResolvesToItsMetricTwinAndMissingFacesToTheSansFace) {
    EXPECT_EQ(QFontInfo(PageFont({"Arial", 12}, 12)).family(), QStringLiteral("Liberation Sans"));
    const QString missing = QFontInfo(PageFont({"No Such Face 98", 12}, 12)).family();
    EXPECT_FALSE(missing.isEmpty());
    const QtTextMetrics metrics;
    EXPECT_GT(metrics.TextWidth({"No Such Face 98", 12}, "WORD"), 0.2);
    EXPECT_GT(metrics.TextWidth({"", 12}, "WORD"), 0.2);
}

TEST(QtTextMetrics, MeasuresArialAsItsMetricsGive) {
    const QtTextMetrics metrics;
    const FontSpec arial{"Arial", 72};
    // Arial's design metrics: ascent 0.905 and descent 0.212 of the size; "W" 0.944 wide.
    EXPECT_NEAR(metrics.Ascent(arial), 0.905, 0.01);
    EXPECT_NEAR(metrics.Descent(arial), 0.212, 0.01);
    EXPECT_NEAR(metrics.TextWidth(arial, "W"), 0.944, 0.005);
    EXPECT_NEAR(metrics.TextWidth(arial, "WW"), 2 * metrics.TextWidth(arial, "W"), 1e-9);
    EXPECT_NEAR(metrics.TextWidth({"Arial", 36}, "W"), 0.472, 0.003);
    FontSpec bold = arial;
    bold.Bold = true;
    EXPECT_GT(metrics.TextWidth(bold, "abc"), metrics.TextWidth(arial, "abc"));
    // Windows-1252 bytes are measured as their characters: é is as wide as e.
    EXPECT_NEAR(metrics.TextWidth(arial, "\xE9"), metrics.TextWidth(arial, "e"), 1e-9);
    EXPECT_DOUBLE_EQ(metrics.PixelsPerInch(), QtTextMetrics::kPrinterDpi);
}

} // namespace
} // namespace vorlane
