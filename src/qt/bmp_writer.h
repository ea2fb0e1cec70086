#pragma once

#include <QImage>

#include <string>

namespace vorlane {

// Windows bitmap files (BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up rows, uncompressed).
class BmpWriter {
public:
    // The bytes of the image as a bitmap of 24 bits per pixel, or of 8 bits with a palette of
    // 256 colours; dotsPerInch goes into the header's resolution.
    static std::string Encode(const QImage& image, int bitsPerPixel, double dotsPerInch);
    // Writes the file beside path and renames it over path. False when it cannot be created;
    // a later write failure throws IoError.
    static bool Write(const std::string& path, const QImage& image, int bitsPerPixel,
                      double dotsPerInch);
};

} // namespace vorlane
