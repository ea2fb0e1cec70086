#include "core/test_collections.h"
#include "export/html_export.h"
#include "qt/html_page_export.h"
#include "qt/page_fixture.h"
#include "qt/page_renderer.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

namespace vorlane {
namespace {

using test::TempDir;

class HtmlPage : public ::testing::Test {
protected:
    HtmlPage() : random(98), renderer(test::SamplePuzzle(), PrintOptions(), random) {}
    static HtmlOptions Options() {
        HtmlOptions options;
        options.WebTitle = "Farm";
        options.Blocks[0] = {"Find them all", true, false, true, 4};
        return options;
    }

    TempDir dir;
    RandomSource random;
    PageRenderer renderer;
};

TEST_F(HtmlPage, WritesThePageAndAJpegOfTheRequestedWidthBesideIt) {
    const std::string html = dir.File("FARM.html");
    const HtmlPageExport::Result result = HtmlPageExport::Write(html, Options(), renderer, 500, 60);
    EXPECT_TRUE(result.HtmlWritten);
    EXPECT_TRUE(result.PictureWritten);
    EXPECT_EQ(result.PicturePath, dir.File("FARM.JPG"));
    EXPECT_EQ(test::ReadBytes(html), HtmlExportBytes(Options(), "FARM.JPG"));

    QImageReader reader(QString::fromStdString(result.PicturePath));
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage picture = reader.read();
    ASSERT_FALSE(picture.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(picture.width(), 500);
    EXPECT_EQ(picture.height(), renderer.PixelHeight(500));
    EXPECT_EQ(result.PictureWidth, 500);
    EXPECT_EQ(result.PictureHeight, picture.height());
    // The page is drawn: the picture is not blank paper.
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            dark += qGray(picture.pixel(x, y)) < 128;
    EXPECT_GT(dark, 100);
}

TEST_F(HtmlPage, ThePictureKeepsTheZoomLimitsOfTheJpegExport) {
    const HtmlPageExport::Result result =
        HtmlPageExport::Write(dir.File("WIDE.htm"), Options(), renderer, 5000, 50);
    ASSERT_TRUE(result.PictureWritten);
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("WIDE.JPG"))).width(),
              renderer.PictureWidth(5000));
}

TEST_F(HtmlPage, NoPictureWhenTheHtmlFileCannotBeCreated) {
    const HtmlPageExport::Result result =
        HtmlPageExport::Write(dir.File("missing/FARM.htm"), Options(), renderer, 400, 50);
    EXPECT_FALSE(result.HtmlWritten);
    EXPECT_FALSE(result.PictureWritten);
    EXPECT_FALSE(FileExists(dir.File("missing/FARM.JPG")));
}

} // namespace
} // namespace vorlane
