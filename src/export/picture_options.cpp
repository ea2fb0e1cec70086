#include "export/picture_options.h"

#include "core/text.h"

namespace vorlane {

PictureWidthTexts PictureWidthTextsFor(PictureWidthMode mode) {
    if (mode == PictureWidthMode::Jpeg)
        return {"JPeg", "Width of JPeg", "Create &JPeg"};
    return {"Bitmap", "Width of Bitmap", "Create &Bitmap"};
}

std::optional<std::int32_t> ReadPictureWidth(std::string_view field) {
    const std::int32_t width = ReadWholeNumber(Trim(field));
    if (width < 1)
        return std::nullopt;
    return width;
}

Message InvalidWidthMessage() {
    return {"Invalid width specified.  Please correct.", "Error"};
}

std::optional<std::int32_t> ReadJpegQuality(std::string_view field) {
    const std::int32_t quality = ReadWholeNumber(Trim(field));
    if (quality <= 0 || quality > 100)
        return std::nullopt;
    return quality;
}

Message InvalidQualityMessage() {
    return {"Invalid factor entered.  Factor must be between 1 and 100", "Error"};
}

JpegQualityTexts JpegQualityDialogTexts() {
    return {"JPEG Factor",
            "When the Factor is high, the image will be sharper, but the file size will be "
            "larger.  If the factor is lower, then the file size will be smaller, but the image "
            "will not be as sharp.",
            "JPEG Compression/Quality Factor (Range: 1 - 100)", "&Ok", "&Cancel"};
}

std::string PictureFieldText(std::int32_t value) {
    return std::to_string(value);
}

} // namespace vorlane
