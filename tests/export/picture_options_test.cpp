#include "export/picture_options.h"

#include <gtest/gtest.h>

#include <optional>

namespace vorlane {
namespace {

TEST(PictureOptions, WidthsBelowOneAreRefused) {
    struct Case {
        const char* field;
        std::optional<std::int32_t> width;
    } cases[] = {{"0", std::nullopt},
                 {"-5", std::nullopt},
                 {"abc", std::nullopt},
                 {"", std::nullopt},
                 {"1", 1},
                 {" 640 ", 640},
                 {"9999", 9999},
                 {"12px", 12}};
    for (const Case& c : cases)
        EXPECT_EQ(ReadPictureWidth(c.field), c.width) << '"' << c.field << '"';
    EXPECT_EQ(InvalidWidthMessage(),
              (Message{"Invalid width specified.  Please correct.", "Error"}));
}

TEST(PictureOptions, QualityMustLieInOneToHundred) {
    struct Case {
        const char* field;
        std::optional<std::int32_t> quality;
    } cases[] = {{"0", std::nullopt},
                 {"101", std::nullopt},
                 {"-1", std::nullopt},
                 {"x", std::nullopt},
                 {"1", 1},
                 {"100", 100},
                 {"  75  ", 75},
                 {"50", 50}};
    for (const Case& c : cases)
        EXPECT_EQ(ReadJpegQuality(c.field), c.quality) << '"' << c.field << '"';
    EXPECT_EQ(InvalidQualityMessage(),
              (Message{"Invalid factor entered.  Factor must be between 1 and 100", "Error"}));
}

TEST(PictureOptions, DialogTexts) {
    const PictureWidthTexts bitmap = PictureWidthTextsFor(PictureWidthMode::Bitmap);
    EXPECT_EQ(bitmap.Caption, "Bitmap");
    EXPECT_EQ(bitmap.Label, "Width of Bitmap");
    EXPECT_EQ(bitmap.Button, "Create &Bitmap");
    const PictureWidthTexts jpeg = PictureWidthTextsFor(PictureWidthMode::Jpeg);
    EXPECT_EQ(jpeg.Caption, "JPeg");
    EXPECT_EQ(jpeg.Label, "Width of JPeg");
    EXPECT_EQ(jpeg.Button, "Create &JPeg");
    const JpegQualityTexts quality = JpegQualityDialogTexts();
    EXPECT_EQ(quality.Caption, "JPEG Factor");
    EXPECT_EQ(quality.Label, "JPEG Compression/Quality Factor (Range: 1 - 100)");
    EXPECT_EQ(quality.Explanation.substr(0, 48),
              "When the Factor is high, the image will be sharp");
    EXPECT_EQ(PictureFieldText(640), "640");
}

} // namespace
} // namespace vorlane
