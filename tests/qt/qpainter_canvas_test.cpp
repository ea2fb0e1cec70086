#include "qt/bmp_writer.h"
#include "qt/qpainter_canvas.h"
#include "qt/qt_text_metrics.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vorlane {
namespace {

constexpr double kDpi = 100.0; // one inch is 100 pixels

QImage WhitePage(int size = 200) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool Dark(QRgb pixel) {
    return qGray(pixel) < 128;
}

// Dark pixels in each quadrant around the centre of the image: 0 upper right, 1 upper
// left, 2 lower left, 3 lower right (counter-clockwise from the right, y going down).
std::array<int, 4> DarkQuadrants(const QImage& image) {
    std::array<int, 4> count{};
    const int c = image.width() / 2;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!Dark(image.pixel(x, y)) || x == c || y == c || x == c - 1 || y == c - 1)
                continue;
            const bool right = x > c;
            const bool up = y < c;
            ++count[up ? (right ? 0 : 1) : (right ? 3 : 2)];
        }
    return count;
}

struct ArcCase {
    const char* name;
    InchPoint start;
    InchPoint end;
    std::array<bool, 4> drawn; // upper right, upper left, lower left, lower right
};

class ArcDirection : public ::testing::TestWithParam<ArcCase> {};

// The circle of radius 0.8 inch round (1, 1); points on the axes name the rays.
constexpr InchPoint kRight{1.9, 1.0}, kTop{1.0, 0.1}, kLeft{0.1, 1.0}, kBottom{1.0, 1.9};

TEST_P(ArcDirection, RunsCounterClockwiseFromStartRayToEndRay) {
    const ArcCase& c = GetParam();
    QImage image = WhitePage();
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter, kDpi);
        canvas.SetPenColor(0);
        canvas.Arc({0.2, 0.2, 1.8, 1.8}, c.start, c.end);
    }
    const std::array<int, 4> dark = DarkQuadrants(image);
    for (int q = 0; q < 4; ++q)
        EXPECT_EQ(dark[q] > 20, c.drawn[q]) << c.name << " quadrant " << q << ": " << dark[q];
}

INSTANTIATE_TEST_SUITE_P(
    Quadrants, ArcDirection,
    ::testing::Values(
        ArcCase{"right to top", kRight, kTop, {true, false, false, false}},
        ArcCase{"top to left", kTop, kLeft, {false, true, false, false}},
        ArcCase{"left to bottom", kLeft, kBottom, {false, false, true, false}},
        ArcCase{"bottom to right", kBottom, kRight, {false, false, false, true}},
        ArcCase{"top to right, three quarters", kTop, kRight, {false, true, true, true}},
        ArcCase{"left to right, lower half", kLeft, kRight, {false, false, true, true}},
        ArcCase{"rays through far points", {1.5, -3.0}, {-4.0, 1.0}, {false, true, false, false}},
        ArcCase{"same ray, whole circle", kRight, {1.5, 1.0}, {true, true, true, true}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

// The bounding box of the dark pixels.
QRect DarkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Dark(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(QPainterCanvas, TextSitsOnItsBaselineAndStartsAtX) {
    const QtTextMetrics metrics;
    FontSpec font{"Arial", 36};
    QImage image = WhitePage(300);
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter, kDpi);
        canvas.SetFont(font);
        canvas.PrintText(0.5, 1.5, "HHH");
    }
    const QRect box = DarkBox(image);
    // Capital H stands on the baseline at y = 150 and reaches up about 0.72 of the size.
    EXPECT_NEAR(box.bottom() + 1, 150, 1);
    EXPECT_NEAR(150 - box.top(), 0.716 * 36 / 72.0 * kDpi, 2.5);
    EXPECT_NEAR(box.left(), 50, 4);
    // As wide as the reference metrics measured it, at this resolution.
    EXPECT_NEAR(box.right() + 1 - 50, metrics.TextWidth(font, "HHH") * kDpi, 5);
}

TEST(QPainterCanvas, OpaqueTextFillsItsCellWithTheBrushColourAndTransparentTextDoesNot) {
    for (bool transparent : {true, false}) {
        QImage image = WhitePage();
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter, kDpi);
            canvas.SetBrushColor(0x0000FF); // red, as 0x00BBGGRR
            canvas.SetFont({"Arial", 24});
            canvas.SetTextTransparent(transparent);
            canvas.PrintText(0.2, 1.0, "i");
        }
        // Inside the text cell but where the i has no ink.
        const QRgb beside = image.pixel(23, 103); // below the baseline, above the descent
        EXPECT_EQ(beside == qRgb(255, 0, 0), !transparent) << transparent;
    }
}

TEST(QPainterCanvas, RectanglesLinesAndEllipsesLandOnTheirDevicePixels) {
    QImage image = WhitePage();
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter, kDpi);
        canvas.SetBrushColor(0x00FF00);
        canvas.FillRect({0.104, 0.196, 0.5, 0.6}); // rounded to pixels 10..50 x 20..60
        canvas.SetPenColor(0);
        canvas.MoveTo(0.0, 1.0);
        canvas.LineTo(2.0, 1.0);
        canvas.SetBrushSolid(false);
        canvas.Ellipse({1.0, 1.2, 1.8, 1.8});
    }
    EXPECT_EQ(image.pixel(10, 20), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(49, 59), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(50, 59), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(9, 20), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(10, 60), qRgb(255, 255, 255));
    EXPECT_TRUE(Dark(image.pixel(150, 100)));
    EXPECT_FALSE(Dark(image.pixel(150, 98)));
    // The hollow ellipse: dark on its left edge, white in its middle.
    EXPECT_TRUE(Dark(image.pixel(100, 150)) || Dark(image.pixel(101, 150)));
    EXPECT_EQ(image.pixel(140, 150), qRgb(255, 255, 255));
}

TEST(QPainterCanvas, PicturesAreReadFromTheirFileAndStretched) {
    QTemporaryDir dir;
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 0, 255));
    picture.setPixel(1, 0, qRgb(255, 255, 0));
    const std::string path = QDir(dir.path()).filePath(QStringLiteral("TILE.BMP")).toStdString();
    ASSERT_TRUE(BmpWriter::Write(path, picture, 24, 96));

    QImage image = WhitePage();
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter, kDpi);
        canvas.DrawPicture({1, path}, {0.0, 0.0, 1.0, 0.5});
        canvas.DrawPicture({}, {1.0, 1.0, 2.0, 2.0}); // the empty picture draws nothing
        canvas.DrawPicture({2, path + "-missing"}, {1.0, 1.0, 2.0, 2.0});
    }
    EXPECT_EQ(image.pixel(10, 25), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(90, 25), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(50, 60), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(150, 150), qRgb(255, 255, 255));
}

TEST(QPainterCanvas, ConvertsInchesToWholeDevicePixelsAndKeepsThePaper) {
    QImage image = WhitePage();
    QPainter painter(&image);
    QPainterCanvas canvas(painter, 300.0);
    EXPECT_EQ(canvas.XInchToDevice(1.0), 300);
    EXPECT_EQ(canvas.XInchToDevice(0.0049), 1);
    EXPECT_DOUBLE_EQ(canvas.XDeviceToInch(150), 0.5);
    canvas.SetPaper(kPaperA4, false);
    EXPECT_NEAR(canvas.PageWidth(), 297 / 25.4, 1e-9);
    EXPECT_NEAR(canvas.PageHeight(), 210 / 25.4, 1e-9);
}

TEST(QPainterCanvas, PageColoursAreWindowsColours) {
    EXPECT_EQ(QPainterCanvas::PageColor(0x00FF8000), QColor(0x00, 0x80, 0xFF));
    EXPECT_EQ(QPainterCanvas::PageColor(0x80000005), QColor(Qt::white)); // the window colour
    EXPECT_EQ(QPainterCanvas::PageColor(0x80000008), QColor(Qt::black)); // its text colour
}

} // namespace
} // namespace vorlane
