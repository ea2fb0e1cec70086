#include "qt/jpeg_writer.h"

#include "core/safe_file.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace vorlane {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1);
}

} // namespace

std::optional<std::string> JpegWriter::Encode(const QImage& source, int quality,
                                              double dotsPerInch) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    if (image.isNull())
        return std::nullopt;
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = ErrorExit;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    // Nothing below keeps an object with a destructor across the jump.
    if (setjmp(errors.Jump) != 0) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return std::nullopt;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp(quality, 1, 100), TRUE);
    info.density_unit = 1; // dots per inch
    const auto density = static_cast<UINT16>(std::clamp(std::lround(dotsPerInch), 1L, 65535L));
    info.X_density = density;
    info.Y_density = density;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

bool JpegWriter::Write(const std::string& path, const QImage& image, int quality,
                       double dotsPerInch) {
    const std::optional<std::string> bytes = Encode(image, quality, dotsPerInch);
    return bytes && AtomicWriteFile(path, *bytes);
}

} // namespace vorlane
