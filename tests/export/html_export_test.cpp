#include "core/safe_file.h"
#include "core/settings.h"
#include "core/test_collections.h"
#include "export/html_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlane {
namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

HtmlOptions NoBlocks() {
    HtmlOptions options;
    options.WebTitle = "Word Search Puzzle";
    return options;
}

const std::string kHead =
    Lines({"<HTML>", " <HEAD>", "  <TITLE>Word Search Puzzle</TITLE>",
           "  <META NAME=\"GENERATOR\" CONTENT=\"Brellick / Vorlane 97\">", " </HEAD>", " <BODY>"});
const std::string kPicture =
    Lines({"  <CENTER><IMG SRC=\"PUZZLE.JPG\" ALT=\"Vorlane 97 Puzzle\"></CENTER><P>"});
const std::string kTail = Lines({" </BODY>", "</HTML>"});

TEST(HtmlExport, DefaultSettingsGiveACentredBoldFirstHeaderOnly) {
    const HtmlOptions options = HtmlOptions::FromSettings(Settings::Defaults("/start"));
    EXPECT_EQ(HtmlExportBytes(options, "PUZZLE.JPG"),
              kHead + Lines({"  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>"}) +
                  kPicture + kTail);
}

TEST(HtmlExport, WithoutBlocksAndRulesTheBodyHoldsOnlyThePicture) {
    EXPECT_EQ(HtmlExportBytes(NoBlocks(), "PUZZLE.JPG"), kHead + kPicture + kTail);
}

TEST(HtmlExport, EveryBlockWithEveryFormattingGoesToItsPlace) {
    struct Format {
        bool bold, italic, center;
        int size;
        const char* line;
    } formats[] = {
        {false, false, false, 1, "  <FONT SIZE=1>Text</FONT><P>"},
        {true, false, false, 2, "  <B><FONT SIZE=2>Text</FONT></B><P>"},
        {false, true, false, 3, "  <I><FONT SIZE=3>Text</FONT></I><P>"},
        {false, false, true, 4, "  <CENTER><FONT SIZE=4>Text</FONT></CENTER><P>"},
        {true, true, false, 5, "  <I><B><FONT SIZE=5>Text</FONT></B></I><P>"},
        {true, false, true, 6, "  <CENTER><B><FONT SIZE=6>Text</FONT></B></CENTER><P>"},
        {false, true, true, 7, "  <CENTER><I><FONT SIZE=7>Text</FONT></I></CENTER><P>"},
        {true, true, true, 3, "  <CENTER><I><B><FONT SIZE=3>Text</FONT></B></I></CENTER><P>"},
    };
    for (std::size_t block = 0; block < 4; ++block) {
        for (const Format& f : formats) {
            HtmlOptions options = NoBlocks();
            options.Blocks[block] = {"Text", f.bold, f.italic, f.center, f.size};
            const std::string line = Lines({f.line});
            const std::string expected =
                block < 2 ? kHead + line + kPicture + kTail : kHead + kPicture + line + kTail;
            EXPECT_EQ(HtmlExportBytes(options, "PUZZLE.JPG"), expected)
                << "block " << block << ": " << f.line;
        }
    }
}

TEST(HtmlExport, AllBlocksAndBothRulesInPageOrderWithTheUsersMarkupKept) {
    HtmlOptions options = NoBlocks();
    options.WebTitle = "Fish & <Chips>";
    options.Blocks[0] = {"One", false, false, false, 1};
    options.Blocks[1] = {"<a href=\"x.html\">Two</a> & more", true, false, false, 2};
    options.Blocks[2] = {"Three\r\nand a second line", false, true, false, 3};
    options.Blocks[3] = {"Four \xE9", false, false, true, 7};
    options.HorizontalUpper = true;
    options.HorizontalLower = true;
    EXPECT_EQ(
        HtmlExportBytes(options, "P.JPG"),
        Lines({"<HTML>", " <HEAD>", "  <TITLE>Fish & <Chips></TITLE>",
               "  <META NAME=\"GENERATOR\" CONTENT=\"Brellick / Vorlane 97\">", " </HEAD>",
               " <BODY>", "  <FONT SIZE=1>One</FONT><P>",
               "  <B><FONT SIZE=2><a href=\"x.html\">Two</a> & more</FONT></B><P>", "  <HR><P>",
               "  <CENTER><IMG SRC=\"P.JPG\" ALT=\"Vorlane 97 Puzzle\"></CENTER><P>", "  <HR><P>",
               "  <I><FONT SIZE=3>Three", "and a second line</FONT></I><P>",
               "  <CENTER><FONT SIZE=7>Four \xE9</FONT></CENTER><P>", " </BODY>", "</HTML>"}));
}

TEST(HtmlExport, EachRuleAlone) {
    HtmlOptions upper = NoBlocks();
    upper.HorizontalUpper = true;
    EXPECT_EQ(HtmlExportBytes(upper, "PUZZLE.JPG"),
              kHead + Lines({"  <HR><P>"}) + kPicture + kTail);
    HtmlOptions lower = NoBlocks();
    lower.HorizontalLower = true;
    EXPECT_EQ(HtmlExportBytes(lower, "PUZZLE.JPG"),
              kHead + kPicture + Lines({"  <HR><P>"}) + kTail);
}

TEST(HtmlExport, PictureNameReplacesTheExtension) {
    struct Case {
        const char* html;
        const char* name;
        const char* path;
    } cases[] = {
        {"/home/u/PUZZLE.htm", "PUZZLE.JPG", "/home/u/PUZZLE.JPG"},
        {"/home/u/PUZZLE.html", "PUZZLE.JPG", "/home/u/PUZZLE.JPG"},
        {"/home/u/PUZZLE", "PUZZLE.JPG", "/home/u/PUZZLE.JPG"},
        {"/home/u/my.puzzle.htm", "my.puzzle.JPG", "/home/u/my.puzzle.JPG"},
        {"/home/u.d/PUZZLE", "PUZZLE.JPG", "/home/u.d/PUZZLE.JPG"},
        {"page.HTM", "page.JPG", "page.JPG"},
        {"/home/u/.htm", ".htm.JPG", "/home/u/.htm.JPG"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HtmlPictureName(c.html), c.name) << c.html;
        EXPECT_EQ(HtmlPicturePath(c.html), c.path) << c.html;
    }
}

TEST(HtmlExport, TypedTextsAreCutAndTheTitleTrimmed) {
    EXPECT_EQ(TakeWebTitle("  My page  "), "My page");
    EXPECT_EQ(TakeWebTitle(" " + std::string(120, 'w')), std::string(100, 'w'));
    EXPECT_EQ(TakeBlockText(std::string(999, 'h') + "x"), std::string(999, 'h'));
    EXPECT_EQ(TakeBlockText("  kept as typed "), "  kept as typed ");
}

TEST(HtmlExport, OptionsComeFromAndGoBackToTheHtmlSettings) {
    Settings settings = Settings::Defaults("/start");
    settings.SecondFooter = "Bye";
    settings.ItalicSecondFooter = true;
    settings.FontSecondFooter = 6;
    settings.FontFirstFooter = 9; // outside the sizes the window offers
    settings.HorizontalLower = true;
    settings.WebTitle = "Farm";
    const HtmlOptions options = HtmlOptions::FromSettings(settings);
    EXPECT_EQ(options.WebTitle, "Farm");
    EXPECT_EQ(options.Blocks[0].Text, "My Puzzle");
    EXPECT_TRUE(options.Blocks[0].Bold && options.Blocks[0].Center && !options.Blocks[0].Italic);
    EXPECT_EQ(options.Blocks[0].Size, 4);
    EXPECT_EQ(options.Blocks[1].Size, 3);
    EXPECT_EQ(options.Blocks[2].Size, 7);
    EXPECT_EQ(options.Blocks[3].Text, "Bye");
    EXPECT_TRUE(options.Blocks[3].Italic);
    EXPECT_EQ(options.Blocks[3].Size, 6);
    EXPECT_FALSE(options.HorizontalUpper);
    EXPECT_TRUE(options.HorizontalLower);

    HtmlOptions changed = options;
    changed.Blocks[1] = {"Second", true, true, true, 2};
    changed.HorizontalUpper = true;
    Settings stored = Settings::Defaults("/start");
    changed.StoreIn(stored);
    EXPECT_EQ(stored.SecondHeader, "Second");
    EXPECT_TRUE(stored.BoldSecondHeader && stored.ItalicSecondHeader && stored.CenterSecondHeader);
    EXPECT_EQ(stored.FontSecondHeader, 2);
    EXPECT_EQ(stored.SecondFooter, "Bye");
    EXPECT_TRUE(stored.HorizontalUpper && stored.HorizontalLower);
    EXPECT_EQ(HtmlOptions::FromSettings(stored).Blocks[1].Text, "Second");
}

TEST(HtmlExport, WritesTheFileReferringToItsPictureOrRefusesAMissingFolder) {
    test::TempDir dir;
    const std::string path = dir.File("FARM.html");
    ASSERT_TRUE(WriteHtmlExport(path, NoBlocks()));
    const std::string bytes = test::ReadBytes(path);
    EXPECT_EQ(bytes, HtmlExportBytes(NoBlocks(), "FARM.JPG"));
    EXPECT_FALSE(WriteHtmlExport(dir.File("missing/FARM.htm"), NoBlocks()));
    EXPECT_EQ(HtmlExportFailedMessage(), (Message{"Unable to create html file.", "Error"}));
}

} // namespace
} // namespace vorlane
