#pragma once

#include "export/html_export.h"
#include "qt/page_renderer.h"

#include <string>

namespace vorlane {

// The HTML export with its picture: the web page and the JPEG of the page beside it.
class HtmlPageExport {
public:
    struct Result {
        bool HtmlWritten = false;
        bool PictureWritten = false;
        // HtmlPicturePath of the HTML file.
        std::string PicturePath;
        int PictureWidth = 0;
        int PictureHeight = 0;
    };

    // Writes the HTML file, then the picture: the page drawn the way the JPEG export draws
    // it for pixelWidth (within the preview's zoom limits) and compressed at quality 1..100.
    // When the HTML file cannot be created no picture is made. A write failure after a file
    // was created throws IoError.
    static Result Write(const std::string& htmlPath, const HtmlOptions& options,
                        const PageRenderer& renderer, int pixelWidth, int quality);
};

} // namespace vorlane
