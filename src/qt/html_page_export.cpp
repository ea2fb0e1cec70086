#include "qt/html_page_export.h"

#include "qt/jpeg_writer.h"

namespace vorlane {

HtmlPageExport::Result HtmlPageExport::Write(const std::string& htmlPath,
                                             const HtmlOptions& options,
                                             const PageRenderer& renderer, int pixelWidth,
                                             int quality) {
    Result result;
    result.PicturePath = HtmlPicturePath(htmlPath);
    result.HtmlWritten = WriteHtmlExport(htmlPath, options);
    if (!result.HtmlWritten)
        return result;
    const int width = renderer.PictureWidth(pixelWidth);
    const QImage image = renderer.RenderImage(width);
    const double dpi = renderer.PageWidth() > 0 ? width / renderer.PageWidth() : 96.0;
    result.PictureWritten = JpegWriter::Write(result.PicturePath, image, quality, dpi);
    result.PictureWidth = image.width();
    result.PictureHeight = image.height();
    return result;
}

} // namespace vorlane
