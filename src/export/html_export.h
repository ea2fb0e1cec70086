#pragma once

#include "core/message.h"
#include "core/settings.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vorlane {

// One header or footer block of the web page.
struct HtmlBlock {
    // Windows-1252 text, written as it is: the user may put their own markup in it. Lines are
    // separated by carriage return and line feed.
    std::string Text;
    bool Bold = false;
    bool Italic = false;
    bool Center = false;
    // HTML font size 1..7.
    int Size = 3;
};

// What the web page holds besides its picture.
struct HtmlOptions {
    static constexpr std::size_t kFirstHeader = 0;
    static constexpr std::size_t kSecondHeader = 1;
    static constexpr std::size_t kFirstFooter = 2;
    static constexpr std::size_t kSecondFooter = 3;
    // The longest web page title.
    static constexpr std::size_t kWebTitleLength = 100;
    // The longest block text a memo gives.
    static constexpr std::size_t kBlockTextLength = 999;

    std::string WebTitle;
    // First header, second header, first footer, second footer, in page order.
    std::array<HtmlBlock, 4> Blocks;
    bool HorizontalUpper = false;
    bool HorizontalLower = false;

    // The "HTML" section; a font size outside 1..7 is brought into the range.
    static HtmlOptions FromSettings(const Settings& settings);
    // Puts the texts and switches back into the "HTML" section.
    void StoreIn(Settings& settings) const;
};

// A web page title as typed: trimmed of spaces and cut to 100 characters.
std::string TakeWebTitle(std::string_view typed);
// A block text as typed: cut to 999 characters.
std::string TakeBlockText(std::string_view typed);

// A block inside its font, bold, italic and centre tags, without the line's "<P>".
std::string FormatHtmlBlock(const HtmlBlock& block);

// The bare name of the picture beside an HTML file: the file name without its folder, its
// extension replaced by ".JPG" (PUZZLE.htm and PUZZLE.html give PUZZLE.JPG, PUZZLE gives
// PUZZLE.JPG).
std::string HtmlPictureName(std::string_view htmlPath);
// The picture's path: HtmlPictureName in the folder of the HTML file.
std::string HtmlPicturePath(std::string_view htmlPath);

// The HTML file, lines ended by carriage return and line feed, in Windows-1252 (the page
// declares no character set). pictureName is the bare name the image tag refers to.
std::string HtmlExportBytes(const HtmlOptions& options, std::string_view pictureName);

// Writes the HTML file for htmlPath, referring to HtmlPictureName(htmlPath), beside path and
// renames it over path. False when it cannot be created (the program then shows
// HtmlExportFailedMessage()); a later write failure throws IoError.
bool WriteHtmlExport(const std::string& htmlPath, const HtmlOptions& options);

// "Unable to create html file." (caption "Error").
Message HtmlExportFailedMessage();

} // namespace vorlane
