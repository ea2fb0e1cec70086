#include "cli_app.h"
#include "core/collection_file.h"
#include "core/safe_file.h"
#include "core/test_collections.h"
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
