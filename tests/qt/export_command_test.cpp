#include "cli_app.h"
#include "core/collection_file.h"
#include "core/safe_file.h"
#include "core/settings.h"
#include "core/test_collections.h"
#include "export/html_export.h"
#include "export/text_export.h"
#include "layouts/page_layout_record.h"
#include "qt/page_fixture.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>

namespace vorlane {
namespace {

using test::TempDir;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCli(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(args, out, err);
    return {status, out.str(), err.str()};
}

// Layout objects of a kind get a change, the others stay.
template <typename Change>
void ChangeObjects(PuzzleRecord& puzzle, PageObjectKind kind, Change change) {
    PageLayoutRecord layout(puzzle.PageLayout());
    for (int k = 1; k <= layout.ObjectCount(); ++k) {
        PageObject object = layout.Object(k);
        if (object.Kind() == static_cast<std::int16_t>(kind)) {
            change(object);
            layout.SetObject(k, object);
        }
    }
    std::copy(layout.Data(), layout.Data() + PageLayoutRecord::kSize, puzzle.PageLayout().data());
}

class ExportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        PuzzleRecord crowded = test::SamplePuzzle();
        // Huge words that may not shrink, and a picture that is not there.
        ChangeObjects(crowded, PageObjectKind::WordsClues, [](PageObject& o) {
            o.SetFontSize(60);
            o.SetMakeFit(false);
        });
        PageLayoutRecord layout(crowded.PageLayout());
        PageObject picture;
        picture.SetKind(PageObjectKind::Bitmap);
        picture.SetBounds({10, 10, 60, 60});
        picture.SetBitmapFile(dir.File("MISSING.BMP"));
        layout.AddObject(picture);
        std::copy(layout.Data(), layout.Data() + PageLayoutRecord::kSize,
                  crowded.PageLayout().data());
        PuzzleRecord draft = test::MakeRecord("Animals", "Draft");
        draft.SetGenerated(false);
        test::WriteCollection(collection, {test::SamplePuzzle(), crowded, draft});
        test::WriteBytes(settings, "[Reports]\nPixel Width=400\nJPeg Compression Quality=80\n"
                                   "Pixel Format=2\n");
    }

    TempDir dir;
    std::string collection = dir.File("PAGES.VL3");
    std::string settings = dir.File("VRLAN3.INI");
};

TEST_F(ExportCommand, WritesEveryFormatWithTheSettingsWidth) {
    struct Case {
        const char* format;
        const char* file;
        const char* magic;
    } cases[] = {{"png", "P.PNG", "\x89PNG"},
                 {"bmp", "P.BMP", "BM"},
                 {"jpg", "P.JPG", "\xFF\xD8"},
                 {"pdf", "P.PDF", "%PDF"}};
    for (const Case& c : cases) {
        const std::string out = dir.File(c.file);
        Outcome o = RunCli({"export", collection, "0", "--format", c.format, "--out", out,
                            "--settings", settings, "--answer-key", "--word-option", "clues"});
        EXPECT_EQ(o.status, 0) << c.format << o.err;
        EXPECT_EQ(o.err, "") << c.format;
        const std::string bytes = test::ReadBytes(out);
        EXPECT_EQ(bytes.substr(0, std::string(c.magic).size()), c.magic) << c.format;
        if (std::string(c.format) != "pdf") {
            const QImage image(QString::fromStdString(out));
            EXPECT_EQ(image.width(), 400) << c.format;
            EXPECT_EQ(image.height(), 518) << c.format;
        }
    }
    // "Pixel Format" 2 makes 8-bit bitmaps.
    EXPECT_EQ(test::ReadBytes(dir.File("P.BMP"))[28], 8);
}

TEST_F(ExportCommand, WritesMetafilesOfThePage) {
    // The placeable metafile key, and the enhanced metafile's header record with " EMF".
    Outcome wmf = RunCli({"export", collection, "0", "--out", dir.File("P.WMF"), "--answer-key"});
    ASSERT_EQ(wmf.status, 0) << wmf.err;
    EXPECT_EQ(test::ReadBytes(dir.File("P.WMF")).substr(0, 4), "\xD7\xCD\xC6\x9A");
    Outcome emf =
        RunCli({"export", collection, "0", "--format", "emf", "--out", dir.File("P.EMF")});
    ASSERT_EQ(emf.status, 0) << emf.err;
    const std::string bytes = test::ReadBytes(dir.File("P.EMF"));
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(bytes.substr(40, 4), " EMF");
    // The layout with a picture warns that the metafile leaves it out.
    Outcome withPicture = RunCli({"export", collection, "1", "--out", dir.File("Q.EMF")});
    EXPECT_EQ(withPicture.status, 0);
    EXPECT_NE(withPicture.err.find("Bitmaps in this puzzle will not be saved in the metafile."),
              std::string::npos)
        << withPicture.err;
}

TEST_F(ExportCommand, WidthAndQualityOptionsAreCheckedAndBitmapsKeepTheZoomLimit) {
    const std::string out = dir.File("W.BMP");
    Outcome wide = RunCli({"export", collection, "0", "--format", "bmp", "--out", out, "--settings",
                           settings, "--width", "5000"});
    EXPECT_EQ(wide.status, 0) << wide.err;
    EXPECT_EQ(QImage(QString::fromStdString(out)).width(), 1632); // 200 per cent of 816

    for (std::vector<std::string> bad : {std::vector<std::string>{"--width", "0"},
                                         {"--width", "x"},
                                         {"--quality", "0"},
                                         {"--quality", "101"}}) {
        std::vector<std::string> args = {"export", collection, "0",         "--format",
                                         "jpg",    "--out",    out + ".JPG"};
        args.insert(args.end(), bad.begin(), bad.end());
        Outcome o = RunCli(args);
        EXPECT_EQ(o.status, 1) << bad[0] << " " << bad[1];
        EXPECT_EQ(o.err, bad[0] == "--width"
                             ? "vorlane export: Invalid width specified.  Please correct.\n"
                             : "vorlane export: Invalid factor entered.  Factor must be between "
                               "1 and 100\n");
        EXPECT_FALSE(FileExists(out + ".JPG"));
    }
}

TEST_F(ExportCommand, DidNotFitAndMissingBitmapWarningsGoToStderr) {
    const std::string out = dir.File("C.PNG");
    Outcome o = RunCli(
        {"export", collection, "1", "--format", "png", "--out", out, "--settings", settings});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err,
              "Warning: One or more bitmaps in the layout design could not be located.\n"
              "Warning: Puzzle Words would not fit in allocated space.  You will need to change "
              "the alotted word space on the page layout, change the font size for the words or "
              "select the \"Make It Fit\" attribute for the puzzle words.\n");
    EXPECT_TRUE(FileExists(out));
}

TEST_F(ExportCommand, RefusesUngeneratedAndMissingRecordsAndBadOptions) {
    const std::string out = dir.File("X.PNG");
    Outcome draft = RunCli({"export", collection, "2", "--format", "png", "--out", out});
    EXPECT_EQ(draft.status, 1);
    EXPECT_EQ(draft.err, "vorlane export: A puzzle has never been generated for this word/clue "
                         "list. Please select \"File|Modify\" from the menu and create the "
                         "puzzle first\n");
    Outcome missing = RunCli({"export", collection, "3", "--format", "png", "--out", out});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("has no record 3"), std::string::npos);
    Outcome layout = RunCli({"export", collection, "0", "--out", out, "--layout", "999"});
    EXPECT_EQ(layout.status, 1);
    EXPECT_NE(layout.err.find("page layout file has no record 999"), std::string::npos);
    for (std::vector<std::string> usage :
         {std::vector<std::string>{"export", collection, "0", "--format", "gif", "--out", out},
          {"export", collection, "0", "--format", "png"},
          {"export", collection, "0", "--out", out, "--word-option", "odd"},
          {"export", collection, "0", "--out", out, "--columns", "0"},
          {"export", collection, "0", "--out", out, "--bold"},
          {"export", collection, "zero", "--out", out}}) {
        Outcome o = RunCli(usage);
        EXPECT_EQ(o.status, 2) << o.err;
    }
    EXPECT_FALSE(FileExists(out));
}

TEST_F(ExportCommand, LayoutOptionDrawsWithALayoutOfTheProgramFolder) {
    // The shipped layouts: 0 is Classic (Letter, portrait), 4 Side By Side (Letter, landscape).
    const std::string out = dir.File("L.PDF");
    Outcome o = RunCli({"export", collection, "0", "--out", out, "--layout", "4"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, out + ": 11 x 8.5 inches\n");
}

// A PATH holding stand-ins for the CUPS tools; lp records its arguments.
TEST_F(ExportCommand, HtmlTakesTheSettingsAndTheTextOptionsAndWritesItsJpegBeside) {
    test::WriteBytes(settings, "[Reports]\nPixel Width=400\nJPeg Compression Quality=80\n"
                               "[HTML]\nSecond Header=From <i>settings</i>\nItalic Second "
                               "Header=Yes\nFont Second Header=2\nHorizontal Upper=Yes\n"
                               "Web Title=Settings title\n");
    const std::string out = dir.File("PAGE.html");
    Outcome o = RunCli({"export", collection, "0", "--format", "html", "--out", out, "--settings",
                        settings, "--web-title", "  Caf\u00e9 & friends  ", "--header1",
                        "<b>Mine</b>", "--footer2", "Bye\nnow"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, out + "\n" + dir.File("PAGE.JPG") + ": 400 x 518 pixels\n");
    EXPECT_EQ(test::ReadBytes(out),
              "<HTML>\r\n"
              " <HEAD>\r\n"
              "  <TITLE>Caf\xE9 & friends</TITLE>\r\n"
              "  <META NAME=\"GENERATOR\" CONTENT=\"Brellick / Vorlane 97\">\r\n"
              " </HEAD>\r\n"
              " <BODY>\r\n"
              "  <CENTER><B><FONT SIZE=4><b>Mine</b></FONT></B></CENTER><P>\r\n"
              "  <I><FONT SIZE=2>From <i>settings</i></FONT></I><P>\r\n"
              "  <HR><P>\r\n"
              "  <CENTER><IMG SRC=\"PAGE.JPG\" ALT=\"Vorlane 97 Puzzle\"></CENTER><P>\r\n"
              "  <FONT SIZE=3>Bye\r\nnow</FONT><P>\r\n"
              " </BODY>\r\n"
              "</HTML>\r\n");
    const QImage picture(QString::fromStdString(dir.File("PAGE.JPG")));
    EXPECT_EQ(picture.width(), 400);
    EXPECT_EQ(picture.height(), 518);

    // Without options: the settings' texts, the format taken from the .htm extension, and
    // the width option as for JPEGs.
    const std::string plain = dir.File("PLAIN.htm");
    Outcome p = RunCli(
        {"export", collection, "0", "--out", plain, "--settings", settings, "--width", "300"});
    ASSERT_EQ(p.status, 0) << p.err;
    const std::string html = test::ReadBytes(plain);
    EXPECT_NE(html.find("  <TITLE>Settings title</TITLE>\r\n"), std::string::npos);
    EXPECT_NE(html.find("<FONT SIZE=4>My Puzzle</FONT>"), std::string::npos);
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("PLAIN.JPG"))).width(), 300);
}

TEST_F(ExportCommand, HtmlFailuresAndRefusedValues) {
    const std::string missing = dir.File("missing/PAGE.html");
    Outcome o = RunCli({"export", collection, "0", "--format", "html", "--out", missing});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "vorlane export: Unable to create html file.\n");
    EXPECT_FALSE(FileExists(dir.File("missing/PAGE.JPG")));

    const std::string out = dir.File("Q.html");
    Outcome bad =
        RunCli({"export", collection, "0", "--format", "html", "--out", out, "--quality", "101"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err,
              "vorlane export: Invalid factor entered.  Factor must be between 1 and 100\n");
    EXPECT_FALSE(FileExists(out));
    // The text options belong to the export command only.
    EXPECT_EQ(RunCli({"print", collection, "0", "--header1", "x"}).status, 2);
}

TEST_F(ExportCommand, TextTakesItsSpacingFromTheSettingsOrTheOptions) {
    test::WriteBytes(settings, "[Reports]\nLetter Spacing=3\nLine Spacing=2\nLower Case=Yes\n");
    const PuzzleRecord puzzle = test::SamplePuzzle();
    struct Case {
        std::vector<std::string> options;
        TextExportOptions expected;
    } cases[] = {
        {{}, {3, 2, true}},
        {{"--letter-spacing", "1"}, {1, 2, true}},
        {{"--letter-spacing", "4", "--line-spacing", "1"}, {4, 1, true}},
    };
    for (const Case& c : cases) {
        const std::string out = dir.File("PUZZLE.TXT");
        std::vector<std::string> args = {"export", collection,   "0",     "--out",
                                         out,      "--settings", settings};
        args.insert(args.end(), c.options.begin(), c.options.end());
        Outcome o = RunCli(args);
        ASSERT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.out, out + ": File created succesfully.\n");
        EXPECT_EQ(test::ReadBytes(out), TextExportBytes(puzzle, c.expected));
    }
    // Without a settings file: one space between letters, single lines, capitals, unless
    // --lower-case asks for small letters.
    const std::string none = dir.File("NONE.INI");
    const std::string out = dir.File("DEFAULT.txt");
    Outcome o =
        RunCli({"export", collection, "0", "--format", "txt", "--out", out, "--settings", none});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(test::ReadBytes(out), TextExportBytes(puzzle, {2, 1, false}));
    ASSERT_EQ(RunCli({"export", collection, "0", "--out", out, "--settings", none, "--lower-case"})
                  .status,
              0);
    EXPECT_EQ(test::ReadBytes(out), TextExportBytes(puzzle, {2, 1, true}));
}

TEST_F(ExportCommand, TextRefusesBadSpacingsAndAMissingFolder) {
    const std::string out = dir.File("BAD.TXT");
    for (std::vector<std::string> bad : {std::vector<std::string>{"--letter-spacing", "0"},
                                         {"--letter-spacing", "5"},
                                         {"--letter-spacing", "two"},
                                         {"--line-spacing", "3"}}) {
        std::vector<std::string> args = {"export", collection, "0", "--out", out};
        args.insert(args.end(), bad.begin(), bad.end());
        Outcome o = RunCli(args);
        EXPECT_EQ(o.status, 2) << bad[0] << " " << bad[1];
        EXPECT_NE(o.err.find(bad[0]), std::string::npos) << o.err;
    }
    EXPECT_FALSE(FileExists(out));
    Outcome missing =
        RunCli({"export", collection, "0", "--format", "txt", "--out", dir.File("no/P.TXT")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "vorlane export: Unable to save puzzle.\n");
}

class PrintCommand : public ExportCommand {
protected:
    void SetUp() override {
        ExportCommand::SetUp();
        oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        std::filesystem::create_directory(tools);
    }
    void TearDown() override { setenv("PATH", oldPath.c_str(), 1); }
    void Tool(const std::string& name, const std::string& script) {
        const std::string path = tools + "/" + name;
        test::WriteBytes(path, "#!/bin/sh\n" + script);
        chmod(path.c_str(), 0755);
    }
    void UseOnlyTools() { setenv("PATH", tools.c_str(), 1); }

    std::string oldPath;
    std::string tools = dir.File("bin");
    std::string lpLog = dir.File("lp.log");
};

TEST_F(PrintCommand, WithoutPrintersNothingIsPrinted) {
    UseOnlyTools(); // no lpstat at all
    Outcome none = RunCli({"print", collection, "0"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "vorlane print: No printers are defined, aborting print job.\n");

    Tool("lpstat", "echo 'lpstat: No destinations added.' >&2; exit 1\n");
    Tool("lp", "echo \"$@\" > " + lpLog + "\n");
    Outcome empty = RunCli({"print", collection, "0"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "vorlane print: No printers are defined, aborting print job.\n");
    EXPECT_FALSE(FileExists(lpLog));
}

TEST_F(PrintCommand, HandsAPdfToLpWithPrinterAndCopies) {
    Tool("lpstat", "echo 'printer Office is idle.  enabled since today'\n"
                   "echo 'printer Lab disabled since today -'\n");
    // Keeps the first line of the file it was given, which is removed afterwards.
    Tool("lp", "for a; do last=$a; done; echo \"$@\" > " + lpLog + "; read -r first < \"$last\"; " +
                   "echo \"$first\" >> " + lpLog + "\n");
    UseOnlyTools();
    Outcome o = RunCli({"print", collection, "0", "--printer", "Lab", "--copies", "3"});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string log = test::ReadBytes(lpLog);
    EXPECT_NE(log.find("-n 3"), std::string::npos) << log;
    EXPECT_NE(log.find("-d Lab"), std::string::npos) << log;
    EXPECT_NE(log.find("%PDF"), std::string::npos) << log;
    const std::string pdf = log.substr(log.rfind(' ') + 1, log.find('\n') - log.rfind(' ') - 1);
    EXPECT_FALSE(FileExists(pdf)) << pdf;

    Outcome unknown = RunCli({"print", collection, "0", "--printer", "Attic"});
    EXPECT_EQ(unknown.status, 1);
    Outcome draft = RunCli({"print", collection, "2"});
    EXPECT_EQ(draft.status, 1);
    Outcome copies = RunCli({"print", collection, "0", "--copies", "0"});
    EXPECT_EQ(copies.status, 2);
}

} // namespace
} // namespace vorlane
