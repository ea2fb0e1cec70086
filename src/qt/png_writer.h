#pragma once

#include <QImage>

#include <string>

namespace vorlane {

// PNG files of page pictures.
class PngWriter {
public:
    // Writes the file beside path and renames it over path. False when it cannot be encoded
    // or created; a later write failure throws IoError.
    static bool Write(const std::string& path, const QImage& image);
};

} // namespace vorlane
