#pragma once

#include <QImage>

#include <optional>
#include <string>

namespace vorlane {

// JPEG files compressed by libjpeg.
class JpegWriter {
public:
    // The image compressed at quality 1..100 (values outside are brought into the range);
    // nothing when libjpeg fails.
    static std::optional<std::string> Encode(const QImage& image, int quality, double dotsPerInch);
    // Writes the file beside path and renames it over path. False when it cannot be
    // compressed or created; a later write failure throws IoError.
    static bool Write(const std::string& path, const QImage& image, int quality,
                      double dotsPerInch);
};

} // namespace vorlane
