#include "qt/bmp_writer.h"

#include "core/safe_file.h"

#include <cmath>
#include <cstdint>

namespace vorlane {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr int kPaletteColours = 256;

void Put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::string& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

} // namespace

std::string BmpWriter::Encode(const QImage& source, int bitsPerPixel, double dotsPerInch) {
    const bool indexed = bitsPerPixel == 8;
    QImage image = indexed ? source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)
                           : source.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t rowBytes = ((width * (indexed ? 8u : 24u) + 31u) / 32u) * 4u;
    const std::uint32_t paletteBytes = indexed ? kPaletteColours * 4u : 0u;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;
    const std::uint32_t imageBytes = rowBytes * height;
    const auto pixelsPerMeter =
        static_cast<std::uint32_t>(std::lround(std::max(dotsPerInch, 0.0) / 0.0254));

    std::string out;
    out.reserve(offset + imageBytes);
    // BITMAPFILEHEADER
    out += "BM";
    Put32(out, offset + imageBytes);
    Put16(out, 0);
    Put16(out, 0);
    Put32(out, offset);
    // BITMAPINFOHEADER; a positive height means the rows go bottom-up.
    Put32(out, kInfoHeaderSize);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, indexed ? 8 : 24);
    Put32(out, 0); // BI_RGB, uncompressed
    Put32(out, imageBytes);
    Put32(out, pixelsPerMeter);
    Put32(out, pixelsPerMeter);
    Put32(out, indexed ? kPaletteColours : 0);
    Put32(out, 0);
    if (indexed) {
        const QList<QRgb> table = image.colorTable();
        for (int i = 0; i < kPaletteColours; ++i) {
            const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
            out.push_back(static_cast<char>(qBlue(c)));
            out.push_back(static_cast<char>(qGreen(c)));
            out.push_back(static_cast<char>(qRed(c)));
            out.push_back(0);
        }
    }
    std::string row(rowBytes, '\0');
    for (int y = static_cast<int>(height) - 1; y >= 0; --y) {
        const uchar* line = image.constScanLine(y);
        if (indexed) {
            for (std::uint32_t x = 0; x < width; ++x)
                row[x] = static_cast<char>(line[x]);
        } else {
            const auto* pixels = reinterpret_cast<const QRgb*>(line);
            for (std::uint32_t x = 0; x < width; ++x) {
                row[3 * x] = static_cast<char>(qBlue(pixels[x]));
                row[3 * x + 1] = static_cast<char>(qGreen(pixels[x]));
                row[3 * x + 2] = static_cast<char>(qRed(pixels[x]));
            }
        }
        out += row;
    }
    return out;
}

bool BmpWriter::Write(const std::string& path, const QImage& image, int bitsPerPixel,
                      double dotsPerInch) {
    return AtomicWriteFile(path, Encode(image, bitsPerPixel, dotsPerInch));
}

} // namespace vorlane
