#pragma once

#include "core/message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The values of the picture width dialog (bitmap, JPEG and HTML exports) and of the JPEG
// quality dialog, and the texts those dialogs show.
namespace vorlane {

enum class PictureWidthMode { Bitmap = 1, Jpeg = 2 };

struct PictureWidthTexts {
    std::string Caption;
    std::string Label;
    std::string Button;
};

// Caption, label and button of the width dialog in its mode.
PictureWidthTexts PictureWidthTextsFor(PictureWidthMode mode);
// The width field holds at most this many characters.
inline constexpr int kPictureWidthFieldLength = 4;

// The width typed into the field (trimmed, its leading digits read): the width when it is at
// least 1, nothing when the dialog refuses it with InvalidWidthMessage().
std::optional<std::int32_t> ReadPictureWidth(std::string_view field);
// "Invalid width specified.  Please correct." (caption "Error").
Message InvalidWidthMessage();

// The quality typed into the field (trimmed, its leading digits read): the quality when it
// lies in 1..100, nothing when the dialog refuses it with InvalidQualityMessage().
std::optional<std::int32_t> ReadJpegQuality(std::string_view field);
// "Invalid factor entered.  Factor must be between 1 and 100" (caption "Error").
Message InvalidQualityMessage();

// The texts of the quality dialog.
struct JpegQualityTexts {
    std::string Caption;
    std::string Explanation;
    std::string Label;
    std::string OkButton;
    std::string CancelButton;
};
JpegQualityTexts JpegQualityDialogTexts();

// A width or quality setting as its dialog's field shows it.
std::string PictureFieldText(std::int32_t value);

} // namespace vorlane
