#pragma once

#include "core/message.h"
#include "core/puzzle_record.h"
#include "core/random_source.h"
#include "render/report_renderer.h"

#include <QImage>

#include <string>
#include <vector>

namespace vorlane {

// A puzzle page drawn once into a report stream, measured with real fonts on the reference
// device, and played from there onto page pictures and PDF files. Needs a QGuiApplication.
class PageRenderer {
public:
    // Screen pixels per inch of the page at 100 per cent zoom.
    static constexpr double kScreenDpi = 96.0;

    PageRenderer(const PuzzleRecord& printCopy, const PrintOptions& options, RandomSource& random);

    const RecordedPage& Page() const { return m_page; }
    const RenderResults& Results() const { return m_page.Run.Results; }
    // The warnings of the run, in the order the program shows them.
    const std::vector<Message>& Warnings() const { return m_page.Run.Warnings; }
    double PageWidth() const { return m_page.Run.Results.PageWidth; }
    double PageHeight() const { return m_page.Run.Results.PageHeight; }

    // The page on white, pixelWidth pixels wide and as high as the paper's proportions give.
    QImage RenderImage(int pixelWidth) const;
    // The height of a picture of the page that is pixelWidth wide.
    int PixelHeight(int pixelWidth) const;
    // The width of an exported picture asked to be requested pixels wide: the page is drawn
    // at the zoom giving that width, and the zoom stays within 10..200 per cent.
    int PictureWidth(int requested) const;

    // One PDF page at the paper size: text stays text, the drawing stays vectors.
    QByteArray RenderPdf(const std::string& title) const;
    // Writes the PDF beside path and renames it over path. False when it cannot be created;
    // a later write failure throws IoError.
    bool WritePdf(const std::string& path, const std::string& title) const;

private:
    RecordedPage m_page;
};

} // namespace vorlane
