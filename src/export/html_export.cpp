#include "export/html_export.h"

#include "core/safe_file.h"
#include "core/text.h"

#include <algorithm>
#include <filesystem>

namespace vorlane {

namespace {

constexpr const char* kLineEnd = "\r\n";

struct BlockKeys {
    std::string Settings::*Text;
    bool Settings::*Bold;
    bool Settings::*Italic;
    bool Settings::*Center;
    std::int32_t Settings::*Size;
};

// In the order of HtmlOptions::Blocks.
constexpr std::array<BlockKeys, 4> kBlockKeys = {{
    {&Settings::FirstHeader, &Settings::BoldFirstHeader, &Settings::ItalicFirstHeader,
     &Settings::CenterFirstHeader, &Settings::FontFirstHeader},
    {&Settings::SecondHeader, &Settings::BoldSecondHeader, &Settings::ItalicSecondHeader,
     &Settings::CenterSecondHeader, &Settings::FontSecondHeader},
    {&Settings::FirstFooter, &Settings::BoldFirstFooter, &Settings::ItalicFirstFooter,
     &Settings::CenterFirstFooter, &Settings::FontFirstFooter},
    {&Settings::SecondFooter, &Settings::BoldSecondFooter, &Settings::ItalicSecondFooter,
     &Settings::CenterSecondFooter, &Settings::FontSecondFooter},
}};

void Line(std::string& html, int indent, std::string_view text) {
    html.append(static_cast<std::size_t>(indent), ' ');
    html += text;
    html += kLineEnd;
}

} // namespace

HtmlOptions HtmlOptions::FromSettings(const Settings& settings) {
    HtmlOptions options;
    options.WebTitle = settings.WebTitle;
    for (std::size_t i = 0; i < kBlockKeys.size(); ++i) {
        const BlockKeys& keys = kBlockKeys[i];
        HtmlBlock& block = options.Blocks[i];
        block.Text = settings.*keys.Text;
        block.Bold = settings.*keys.Bold;
        block.Italic = settings.*keys.Italic;
        block.Center = settings.*keys.Center;
        block.Size = std::clamp<int>(settings.*keys.Size, 1, 7);
    }
    options.HorizontalUpper = settings.HorizontalUpper;
    options.HorizontalLower = settings.HorizontalLower;
    return options;
}

void HtmlOptions::StoreIn(Settings& settings) const {
    settings.WebTitle = WebTitle;
    for (std::size_t i = 0; i < kBlockKeys.size(); ++i) {
        const BlockKeys& keys = kBlockKeys[i];
        const HtmlBlock& block = Blocks[i];
        settings.*keys.Text = block.Text;
        settings.*keys.Bold = block.Bold;
        settings.*keys.Italic = block.Italic;
        settings.*keys.Center = block.Center;
        settings.*keys.Size = block.Size;
    }
    settings.HorizontalUpper = HorizontalUpper;
    settings.HorizontalLower = HorizontalLower;
}

std::string TakeWebTitle(std::string_view typed) {
    return Trim(typed).substr(0, HtmlOptions::kWebTitleLength);
}

std::string TakeBlockText(std::string_view typed) {
    return std::string(typed.substr(0, HtmlOptions::kBlockTextLength));
}

std::string FormatHtmlBlock(const HtmlBlock& block) {
    std::string text = "<FONT SIZE=" + std::to_string(block.Size) + ">" + block.Text + "</FONT>";
    if (block.Bold)
        text = "<B>" + text + "</B>";
    if (block.Italic)
        text = "<I>" + text + "</I>";
    if (block.Center)
        text = "<CENTER>" + text + "</CENTER>";
    return text;
}

std::string HtmlPictureName(std::string_view htmlPath) {
    const std::filesystem::path name = std::filesystem::path(htmlPath).filename();
    return name.stem().string() + ".JPG";
}

std::string HtmlPicturePath(std::string_view htmlPath) {
    const std::filesystem::path path(htmlPath);
    return (path.parent_path() / HtmlPictureName(htmlPath)).string();
}

std::string HtmlExportBytes(const HtmlOptions& options, std::string_view pictureName) {
    auto block = [&](std::string& html, std::size_t index) {
        if (!options.Blocks[index].Text.empty())
            Line(html, 2, FormatHtmlBlock(options.Blocks[index]) + "<P>");
    };
    std::string html;
    Line(html, 0, "<HTML>");
    Line(html, 1, "<HEAD>");
    Line(html, 2, "<TITLE>" + options.WebTitle + "</TITLE>");
    Line(html, 2, "<META NAME=\"GENERATOR\" CONTENT=\"Brellick / Vorlane 97\">");
    Line(html, 1, "</HEAD>");
    Line(html, 1, "<BODY>");
    block(html, HtmlOptions::kFirstHeader);
    block(html, HtmlOptions::kSecondHeader);
    if (options.HorizontalUpper)
        Line(html, 2, "<HR><P>");
    Line(html, 2,
         "<CENTER><IMG SRC=\"" + std::string(pictureName) +
             "\" ALT=\"Vorlane 97 Puzzle\"></CENTER><P>");
    if (options.HorizontalLower)
        Line(html, 2, "<HR><P>");
    block(html, HtmlOptions::kFirstFooter);
    block(html, HtmlOptions::kSecondFooter);
    Line(html, 1, "</BODY>");
    Line(html, 0, "</HTML>");
    return html;
}

bool WriteHtmlExport(const std::string& htmlPath, const HtmlOptions& options) {
    return AtomicWriteFile(htmlPath, HtmlExportBytes(options, HtmlPictureName(htmlPath)));
}

Message HtmlExportFailedMessage() {
    return {"Unable to create html file.", "Error"};
}

} // namespace vorlane
