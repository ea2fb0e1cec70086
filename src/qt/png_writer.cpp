#include "qt/png_writer.h"

#include "core/safe_file.h"

#include <QBuffer>

namespace vorlane {

bool PngWriter::Write(const std::string& path, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Light compression: a page is mostly white, and the strongest level costs a lot of time
    // for a few per cent of size.
    if (!image.save(&buffer, "PNG", 80))
        return false;
    return AtomicWriteFile(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace vorlane
