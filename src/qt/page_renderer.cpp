#include "qt/page_renderer.h"

#include "core/safe_file.h"
#include "qt/qpainter_canvas.h"
#include "qt/qt_fonts.h"
#include "qt/qt_text_metrics.h"
#include "render/picture_loader.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace vorlane {

namespace {

constexpr int kPdfDpi = 1200;
constexpr int kMaxPixels = 20000;

} // namespace

PageRenderer::PageRenderer(const PuzzleRecord& printCopy, const PrintOptions& options,
                           RandomSource& random) {
    const QtTextMetrics metrics;
    const FilePictureLoader pictures;
    m_page = RecordPage(printCopy, options, metrics, random, pictures);
}

int PageRenderer::PixelHeight(int pixelWidth) const {
    if (PageWidth() <= 0)
        return pixelWidth;
    const double height = std::round(pixelWidth * PageHeight() / PageWidth());
    return static_cast<int>(std::clamp(height, 1.0, static_cast<double>(kMaxPixels)));
}

int PageRenderer::PictureWidth(int requested) const {
    const double full = std::round(PageWidth() * kScreenDpi);
    if (full <= 0)
        return std::max(requested, 1);
    const double zoom = std::clamp(requested * 100.0 / full, 10.0, 200.0);
    return std::max(1, static_cast<int>(std::lround(full * zoom / 100.0)));
}

QImage PageRenderer::RenderImage(int pixelWidth) const {
    pixelWidth = std::clamp(pixelWidth, 1, kMaxPixels);
    QImage image(pixelWidth, PixelHeight(pixelWidth), QImage::Format_RGB32);
    image.fill(Qt::white);
    const double dpi = PageWidth() > 0 ? pixelWidth / PageWidth() : QtTextMetrics::kPrinterDpi;
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QPainterCanvas canvas(painter, dpi);
    Play(m_page.Stream, canvas);
    painter.end();
    return image;
}

QByteArray PageRenderer::RenderPdf(const std::string& title) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        const double width = PageWidth() > 0 ? PageWidth() : 8.5;
        const double height = PageHeight() > 0 ? PageHeight() : 11.0;
        const QPageSize size(QSizeF(std::min(width, height), std::max(width, height)),
                             QPageSize::Inch, QString(), QPageSize::ExactMatch);
        writer.setPageLayout(
            QPageLayout(size, width > height ? QPageLayout::Landscape : QPageLayout::Portrait,
                        QMarginsF(0, 0, 0, 0)));
        writer.setResolution(kPdfDpi);
        writer.setCreator(QStringLiteral("Vorlane 98"));
        writer.setTitle(PageText(title));
        QPainter painter(&writer);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        QPainterCanvas canvas(painter, kPdfDpi);
        Play(m_page.Stream, canvas);
        painter.end();
    }
    return bytes;
}

bool PageRenderer::WritePdf(const std::string& path, const std::string& title) const {
    const QByteArray bytes = RenderPdf(title);
    return AtomicWriteFile(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace vorlane
