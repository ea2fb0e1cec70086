#include "core/test_collections.h"
#include "qt/bmp_writer.h"
#include "qt/jpeg_writer.h"
#include "qt/page_fixture.h"
#include "qt/page_renderer.h"
#include "qt/png_writer.h"

#include <QImage>

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace vorlane {
namespace {

using test::TempDir;

std::uint32_t U32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t U16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

class PageExport : public ::testing::Test {
protected:
    PageExport() : random(98), renderer(test::SamplePuzzle(), Options(), random) {}
    static PrintOptions Options() {
        PrintOptions options;
        options.AnswerKey = true;
        return options;
    }
    // Dark pixels in a band of the image, as a share of its pixels.
    static double Ink(const QImage& image, int top, int bottom) {
        int dark = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return static_cast<double>(dark) / (image.width() * (bottom - top));
    }

    TempDir dir;
    RandomSource random;
    PageRenderer renderer;
};

TEST_F(PageExport, ThePageImageHasThePapersProportionsAndInkInTitleGridAndWords) {
    EXPECT_TRUE(renderer.Warnings().empty());
    EXPECT_DOUBLE_EQ(renderer.PageWidth(), 8.5);
    EXPECT_DOUBLE_EQ(renderer.PageHeight(), 11.0);
    const QImage image = renderer.RenderImage(850);
    EXPECT_EQ(image.width(), 850);
    EXPECT_EQ(image.height(), 1100);
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
    // Title near the top, the grid in the middle, the word list below it.
    EXPECT_GT(Ink(image, 40, 140), 0.005);
    EXPECT_GT(Ink(image, 300, 600), 0.02);
    EXPECT_GT(Ink(image, 900, 1000), 0.002);
    EXPECT_EQ(Ink(image, 0, 20), 0.0);
}

TEST_F(PageExport, PictureWidthsFollowThePreviewsZoomLimits) {
    // At 100 per cent Letter is 816 screen pixels wide; zoom runs from 10 to 200 per cent.
    EXPECT_EQ(renderer.PictureWidth(640), 640);
    EXPECT_EQ(renderer.PictureWidth(1632), 1632);
    EXPECT_EQ(renderer.PictureWidth(2000), 1632);
    EXPECT_EQ(renderer.PictureWidth(50), 82);
    EXPECT_EQ(renderer.PixelHeight(640), 828);
}

TEST_F(PageExport, BitmapHeadersFor24And8Bits) {
    const QImage image = renderer.RenderImage(641); // rows need padding to 4 bytes
    struct Case {
        int bits;
        std::uint32_t rowBytes;
        std::uint32_t offset;
    } cases[] = {{24, (641 * 3 + 3) / 4 * 4, 54}, {8, 644, 54 + 1024}};
    for (const Case& c : cases) {
        const std::string path = dir.File("PAGE" + std::to_string(c.bits) + ".BMP");
        ASSERT_TRUE(BmpWriter::Write(path, image, c.bits, 641 / 8.5));
        const std::string b = test::ReadBytes(path);
        const std::uint32_t height = static_cast<std::uint32_t>(image.height());
        ASSERT_GE(b.size(), 54u);
        EXPECT_EQ(b.substr(0, 2), "BM");
        EXPECT_EQ(U32(b, 2), b.size());
        EXPECT_EQ(U32(b, 6), 0u);
        EXPECT_EQ(U32(b, 10), c.offset);
        EXPECT_EQ(U32(b, 14), 40u);
        EXPECT_EQ(U32(b, 18), 641u);
        EXPECT_EQ(U32(b, 22), height);
        EXPECT_EQ(U16(b, 26), 1);
        EXPECT_EQ(U16(b, 28), c.bits);
        EXPECT_EQ(U32(b, 30), 0u);
        EXPECT_EQ(U32(b, 34), c.rowBytes * height);
        EXPECT_EQ(U32(b, 38), 2969u); // 75.4 dots per inch
        EXPECT_EQ(U32(b, 46), c.bits == 8 ? 256u : 0u);
        EXPECT_EQ(b.size(), c.offset + c.rowBytes * height);
        // Read back, the bitmap is the page (8 bits: up to its palette).
        const QImage back(QString::fromStdString(path));
        ASSERT_FALSE(back.isNull()) << c.bits;
        EXPECT_EQ(back.size(), image.size());
        int differing = 0;
        for (int y = 0; y < image.height(); y += 7)
            for (int x = 0; x < image.width(); x += 3)
                differing += qGray(back.pixel(x, y)) / 64 != qGray(image.pixel(x, y)) / 64;
        EXPECT_LT(differing, 50) << c.bits;
        // The bottom row comes first, and the page's bottom left corner is white.
        const auto first = static_cast<unsigned char>(b[c.offset]);
        const std::size_t blue = c.bits == 8 ? 54 + 4 * std::size_t{first} : c.offset;
        EXPECT_EQ(static_cast<unsigned char>(b[blue]), 255);
        EXPECT_EQ(static_cast<unsigned char>(b[blue + 1]), 255);
        EXPECT_EQ(static_cast<unsigned char>(b[blue + 2]), 255);
    }
}

struct JpegInfo {
    int width = 0;
    int height = 0;
    int components = 0;
    bool ok = false;
};

struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

JpegInfo DecodeJpeg(const std::string& bytes) {
    JpegInfo info;
    jpeg_decompress_struct d{};
    JpegErrors errors{};
    d.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = [](j_common_ptr c) {
        std::longjmp(reinterpret_cast<JpegErrors*>(c->err)->jump, 1);
    };
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&d);
        return info;
    }
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&d, TRUE);
    jpeg_start_decompress(&d);
    std::vector<unsigned char> row(d.output_width * d.output_components);
    while (d.output_scanline < d.output_height) {
        JSAMPROW r = row.data();
        jpeg_read_scanlines(&d, &r, 1);
    }
    info = {static_cast<int>(d.output_width), static_cast<int>(d.output_height),
            d.output_components, true};
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    return info;
}

TEST_F(PageExport, JpegsDecodeToTheAskedSizeAndQualityChangesTheirSize) {
    const QImage image = renderer.RenderImage(700);
    std::size_t previous = 0;
    for (int quality : {1, 50, 100}) {
        const std::string path = dir.File("PAGE" + std::to_string(quality) + ".JPG");
        ASSERT_TRUE(JpegWriter::Write(path, image, quality, 700 / 8.5));
        const std::string bytes = test::ReadBytes(path);
        ASSERT_GT(bytes.size(), 2u);
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
        EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8);
        const JpegInfo info = DecodeJpeg(bytes);
        EXPECT_TRUE(info.ok);
        EXPECT_EQ(info.width, 700);
        EXPECT_EQ(info.height, 906);
        EXPECT_EQ(info.components, 3);
        EXPECT_GT(bytes.size(), previous) << quality;
        previous = bytes.size();
    }
}

TEST_F(PageExport, PngRoundTrip) {
    const QImage image = renderer.RenderImage(400);
    const std::string path = dir.File("PAGE.PNG");
    ASSERT_TRUE(PngWriter::Write(path, image));
    const QImage back(QString::fromStdString(path));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"PAGE.PNG"}); // no new file left beside it
}

TEST_F(PageExport, WritersRefuseAFolderThatDoesNotExist) {
    const QImage image = renderer.RenderImage(100);
    const std::string path = dir.File("NONE/PAGE");
    EXPECT_FALSE(PngWriter::Write(path, image));
    EXPECT_FALSE(BmpWriter::Write(path, image, 24, 96));
    EXPECT_FALSE(JpegWriter::Write(path, image, 50, 96));
    EXPECT_FALSE(renderer.WritePdf(path, "x"));
}

TEST_F(PageExport, PdfIsOnePageAtThePaperSizeWithItsTextKept) {
    const std::string path = dir.File("PAGE.PDF");
    ASSERT_TRUE(renderer.WritePdf(path, test::SamplePuzzle().Title()));
    const std::string bytes = test::ReadBytes(path);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(bytes.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
    EXPECT_NE(bytes.find("/Count 1"), std::string::npos);
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext is not installed";
    const std::string text = dir.File("PAGE.TXT");
    ASSERT_EQ(std::system(("pdftotext " + path + " " + text).c_str()), 0);
    const std::string extracted = test::ReadBytes(text);
    EXPECT_NE(extracted.find(test::SamplePuzzle().Title()), std::string::npos) << extracted;
    EXPECT_NE(extracted.find(test::SamplePuzzle().Word(1)), std::string::npos) << extracted;
}

} // namespace
} // namespace vorlane
