#include "cli_app.h"
#include "core/codepage.h"
#include "core/collection_file.h"
#include "core/safe_file.h"
#include "core/test_collections.h"
#include "layouts/layout_geometry.h"
#include "layouts/page_layout_file.h"
#include "shapes/shape_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace vorlane {
namespace {

using test::MakeRecord;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCli(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    int status = cli::Run(args, out, err);
    return {status, out.str(), err.str()};
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        // "Café" and "Ökologie" in Windows-1252 bytes.
        test::WriteCollection(path, {MakeRecord("Food", "Caf\xE9"), MakeRecord("Animals", "Zoo"),
                                     MakeRecord("food", "Apples"), MakeRecord("Animals", "birds"),
                                     MakeRecord("\xD6kologie", "Wald")});
    }

    test::TempDir dir;
    std::string path = dir.File("SAMPLE.VL3");
};

TEST_F(CliTest, ListPrintsSortedCategoriesAndTitlesAsUtf8) {
    Outcome o = RunCli({"list", path});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, "Animals\n"
                     "  birds [3]\n"
                     "  Zoo [1]\n"
                     "Food\n"
                     "  Caf\xC3\xA9 [0]\n"
                     "food\n"
                     "  Apples [2]\n"
                     "\xC3\x96kologie\n"
                     "  Wald [4]\n");
}

TEST_F(CliTest, ListOfMissingAndDamagedFiles) {
    Outcome missing = RunCli({"list", dir.File("NONE.VL3")});
    EXPECT_EQ(missing.status, 0);
    EXPECT_EQ(missing.out, "");

    test::WriteBytes(path, test::ReadBytes(path) + "x");
    Outcome damaged = RunCli({"list", path});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.out, "");
    EXPECT_EQ(damaged.err, "vorlane list: Read beyond end of file\n");
}

TEST_F(CliTest, ListWithoutAFileShowsTheCurrentCollection) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    // No settings file: SAMPLE.VL3 of the working folder, as DEFAULT.VL3 is missing.
    Outcome sample = RunCli({"list"});
    test::WriteBytes(dir.File("VRLAN3.INI"),
                     "[Misc]\r\nLast Group=" + dir.File("OTHER.VL3") + "\r\n");
    test::WriteCollection(dir.File("OTHER.VL3"), {MakeRecord("Other", "One")});
    Outcome other = RunCli({"list"});
    std::filesystem::current_path(before);
    EXPECT_EQ(sample.status, 0);
    EXPECT_EQ(sample.out.substr(0, 20), "Animals\n  birds [3]\n");
    EXPECT_EQ(other.out, "Other\n  One [0]\n");
}

TEST_F(CliTest, DeleteRemovesOneRecord) {
    Outcome o = RunCli({"delete", path, "1"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(RunCli({"list", path}).out, "Animals\n"
                                          "  birds [2]\n"
                                          "Food\n"
                                          "  Caf\xC3\xA9 [0]\n"
                                          "food\n"
                                          "  Apples [1]\n"
                                          "\xC3\x96kologie\n"
                                          "  Wald [3]\n");
    Outcome beyond = RunCli({"delete", path, "4"});
    EXPECT_EQ(beyond.status, 1);
    EXPECT_EQ(beyond.err, "vorlane delete: " + path + " has no record 4 (it holds 4 puzzles).\n");
    Outcome missing = RunCli({"delete", dir.File("NONE.VL3"), "0"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(std::ifstream(dir.File("NONE.VL3")).good());
}

TEST_F(CliTest, UsageAndHelp) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* inOut; // a text the output must hold
        const char* inErr;
    };
    const Case cases[] = {
        {{}, 2, "", "Usage: vorlane COMMAND"},
        {{"--help"}, 0, "vorlane list [COLLECTION.VL3]", ""},
        {{"list", "--help"}, 0, "Usage: vorlane list [COLLECTION.VL3]", ""},
        {{"delete", "--help"}, 0, "Usage: vorlane delete COLLECTION.VL3 N", ""},
        {{"list", "a", "b"}, 2, "", "wrong number of arguments"},
        {{"delete", "x.VL3", "-1"}, 2, "", "'-1' is not a record number"},
        {{"delete", "x.VL3", "3x"}, 2, "", "'3x' is not a record number"},
        {{"frobnicate"}, 2, "", "unknown command 'frobnicate'"},
    };
    for (const Case& c : cases) {
        Outcome o = RunCli(c.args);
        std::string shown = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(o.status, c.status) << shown;
        EXPECT_NE(o.out.find(c.inOut), std::string::npos) << shown << ": " << o.out;
        EXPECT_NE(o.err.find(c.inErr), std::string::npos) << shown << ": " << o.err;
    }
}

TEST_F(CliTest, TheInstalledToolRuns) {
    const std::string outFile = dir.File("out.txt");
    std::string command =
        std::string(VORLANE_BIN_DIR) + "/vorlane list '" + path + "' > '" + outFile + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(test::ReadBytes(outFile).substr(0, 19), "Animals\n  birds [3]");
    std::string bad = std::string(VORLANE_BIN_DIR) + "/vorlane list a b 2> /dev/null";
    int status = std::system(bad.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);

    // A fresh build is a working program folder: it lists the shipped shapes and layouts.
    std::string shapes = "env -u VORLANE_PROGRAM_DIR " + std::string(VORLANE_BIN_DIR) +
                         "/vorlane shapes > '" + outFile + "'";
    ASSERT_EQ(std::system(shapes.c_str()), 0);
    EXPECT_NE(test::ReadBytes(outFile).find("\n15x15 Square [1]\n"), std::string::npos);
    std::string layouts = "cd '" + dir.Path() + "' && env -u VORLANE_PROGRAM_DIR " +
                          std::string(VORLANE_BIN_DIR) + "/vorlane layouts > '" + outFile + "'";
    ASSERT_EQ(std::system(layouts.c_str()), 0);
    EXPECT_NE(test::ReadBytes(outFile).find("Classic (Letter)  <<DEFAULT>> [0]\n"),
              std::string::npos);

    // The sample collection the build made with "vorlane create".
    std::string sample = std::string(VORLANE_BIN_DIR) + "/vorlane list " + VORLANE_BIN_DIR +
                         "/SAMPLE.VL3 > '" + outFile + "'";
    ASSERT_EQ(std::system(sample.c_str()), 0);
    const std::string listed = test::ReadBytes(outFile);
    for (const char* category : {"Animals\n", "Food\n", "Space\n"})
        EXPECT_NE(listed.find(category), std::string::npos) << listed;
}

// A previous-version puzzle record: title at 0, grid size at 51, word count at 2555 and the
// first word at 2559.
std::string OldPuzzle(const std::string& title, const std::string& word) {
    std::string b(10809, '\0');
    b[0] = static_cast<char>(title.size());
    b.replace(1, title.size(), title);
    b[51] = 12;
    b[2555] = 1;
    b[2559] = static_cast<char>(word.size());
    b.replace(2560, word.size(), word);
    return b;
}

TEST_F(CliTest, ConvertOldAppendsAndKeepsTheOldFile) {
    const std::string old = dir.File("VLFUPUZZ.DAT");
    const std::string bytes = OldPuzzle("Birds", "OWL") + OldPuzzle("Trees", "OAK") + "torn";
    test::WriteBytes(old, bytes);
    Outcome o = RunCli({"convert-old", old, path});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "Converted 2 puzzles into " + path + ".\n");
    EXPECT_EQ(test::ReadBytes(old), bytes);
    EXPECT_NE(RunCli({"list", path})
                  .out.find("Version 2.0 Puzzles\n"
                            "  Birds [5]\n"
                            "  Trees [6]\n"),
              std::string::npos);

    const std::string created = dir.File("NEW.VL3");
    test::WriteBytes(old, OldPuzzle("Fish", "COD"));
    EXPECT_EQ(RunCli({"convert-old", old, created}).out,
              "Converted 1 puzzle into " + created + ".\n");
    EXPECT_EQ(RunCli({"list", created}).out, "Version 2.0 Puzzles\n  Fish [0]\n");

    struct Case {
        std::string source, target, err;
    };
    const Case failures[] = {
        {dir.File("NONE.DAT"), path, "vorlane convert-old: Puzzles could not be imported.\n"},
        {old, dir.File("gone/OUT.VL3"), "vorlane convert-old: Unable to save puzzles.\n"},
        {old, old, "vorlane convert-old: " + old + " and " + old + " are the same file.\n"},
    };
    for (const Case& c : failures) {
        Outcome f = RunCli({"convert-old", c.source, c.target});
        EXPECT_EQ(f.status, 1) << c.err;
        EXPECT_EQ(f.out, "");
        EXPECT_EQ(f.err, c.err);
    }
    EXPECT_EQ(test::ReadBytes(old), OldPuzzle("Fish", "COD"));
    EXPECT_NE(RunCli({"convert-old", "--help"}).out.find("is not deleted"), std::string::npos);
}

} // namespace
} // namespace vorlane

namespace vorlane {
namespace {

// The shape and layout commands work on the program folder, set for them here.
class ProgramFolderCliTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("VORLANE_PROGRAM_DIR", dir.Path().c_str(), 1); }
    void TearDown() override { ::unsetenv("VORLANE_PROGRAM_DIR"); }

    static Outcome Cli(std::vector<std::string> args) { return RunCli(std::move(args)); }

    test::TempDir dir;
};

TEST_F(ProgramFolderCliTest, ShapesListExportAndImport) {
    Outcome none = Cli({"shapes"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "No saved shape information could be found.\n");

    ShapeFile file = ShapeFile::InProgramDirectory(dir.Path());
    file.Append(ShapeRecord::Blank("Square", 15, 15));
    file.Append(ShapeRecord::Blank("Diamond", 25, 25));
    file.Append(ShapeRecord::Blank("Circle", 12, 12));
    EXPECT_EQ(Cli({"shapes"}).out, "12x12 Circle [2]\n15x15 Square [0]\n25x25 Diamond [1]\n");
    EXPECT_EQ(Cli({"shapes", file.Path()}).out, Cli({"shapes"}).out);

    const std::string lay = dir.File("diamond.LAY");
    Outcome exported = Cli({"shape", "export", "1", lay});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, "Puzzle Shape Exported!\n");
    EXPECT_EQ(test::ReadBytes(lay).size(), 2561u);
    Outcome imported = Cli({"shape", "import", lay});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "25x25 Diamond [3]\n");
    EXPECT_EQ(file.Count(), 4);

    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } failures[] = {
        {{"shape", "export", "9", lay}, 1, "vorlane shape export: No shape selected.\n"},
        {{"shape", "export", "0", dir.File("no/x.LAY")},
         1,
         "vorlane shape export: Shape could not be exported.\n"},
        {{"shape", "export", "x", lay}, 2, "vorlane shape export: 'x' is not a shape index.\n"},
        {{"shape", "import", dir.File("none.LAY")},
         1,
         "vorlane shape import: Puzzle shape could not be imported.\n"},
        {{"shape", "import", file.Path()},
         1,
         "vorlane shape import: Puzzle shape file is corrupt or incompatible.  Import aborted.\n"},
    };
    for (const auto& f : failures) {
        Outcome o = Cli(f.args);
        EXPECT_EQ(o.status, f.status) << f.args[2];
        EXPECT_EQ(o.err, f.err);
    }
    EXPECT_EQ(file.Count(), 4);
}

TEST_F(ProgramFolderCliTest, LayoutsListExportAndImport) {
    EXPECT_EQ(Cli({"layouts"}).err, "No saved page layouts could be found.\n");
    PageLayoutFile file = PageLayoutFile::InProgramDirectory(dir.Path());
    PageLayoutRecord classic = BuiltInDefaultLayout();
    classic.SetLayoutName("Classic");
    PageLayoutRecord a4 = classic;
    a4.SetLayoutName("Big");
    a4.SetPaperName("A4");
    file.Append(classic);
    file.Append(a4);
    // The default page is record 0 while no settings file says otherwise.
    EXPECT_EQ(Cli({"layouts"}).out, "Big (A4) [1]\nClassic (Letter)  <<DEFAULT>> [0]\n");

    const std::string pag = dir.File("big.PAG");
    EXPECT_EQ(Cli({"layout", "export", "1", pag}).out, "Page Layout Exported!\n");
    EXPECT_EQ(test::ReadBytes(pag).size(), 28874u);
    Outcome imported = Cli({"layout", "import", pag});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "Big (A4) [2]\n");
    EXPECT_EQ(Cli({"layout", "export", "3", pag}).err,
              "vorlane layout export: No page layout selected.\n");
    test::WriteBytes(pag, "PAG1.0short");
    Outcome corrupt = Cli({"layout", "import", pag});
    EXPECT_EQ(corrupt.status, 1);
    EXPECT_EQ(corrupt.err, "vorlane layout import: Page layout file is corrupt or incompatible.  "
                           "Import aborted.\n");
    EXPECT_EQ(file.Count(), 3);
}

} // namespace
} // namespace vorlane

namespace vorlane {
namespace {

// Creating puzzles: a program folder with one 15 x 15 shape and a word list.
class CreateCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("VORLANE_PROGRAM_DIR", dir.Path().c_str(), 1);
        ShapeFile::InProgramDirectory(dir.Path()).Append(ShapeRecord::Blank("Square", 15, 15));
        // UTF-8, with an accented word and clues.
        test::WriteBytes(words,
                         "LION: King of the jungle\nTIGER\n\xC3\xA9t\xC3\xA9: summer in French\n"
                         "ZEBRA\nGIRAFFE\nPANDA\nKOALA\n");
    }
    void TearDown() override { ::unsetenv("VORLANE_PROGRAM_DIR"); }

    static Outcome Cli(std::vector<std::string> args) { return RunCli(std::move(args)); }
    std::vector<std::string> Create(std::vector<std::string> extra = {}) const {
        std::vector<std::string> args = {"create",  collection, "--title", "Zoo",    "--category",
                                         "Animals", "--words",  words,     "--seed", "7"};
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }

    // UTF-8, with an accented word and clues.
    static constexpr const char* kWords = "LION: King of the jungle\nTIGER\n"
                                          "\xC3\xA9t\xC3\xA9: summer in French\n"
                                          "ZEBRA\nGIRAFFE\nPANDA\nKOALA\n";

    test::TempDir dir;
    std::string words = dir.File("words.txt");
    std::string collection = dir.File("NEW.VL3");
};

TEST_F(CreateCliTest, CreatesShowsAndRepeatsWithASeed) {
    Outcome made = Cli(Create({"--attempts", "5"}));
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_NE(made.out.find("Slot 1: 7 words placed, "), std::string::npos) << made.out;
    EXPECT_NE(made.out.find("Saved \"Zoo\" as record 0 of " + collection + ".\n"),
              std::string::npos);
    EXPECT_EQ(Cli({"list", collection}).out, "Animals\n  Zoo [0]\n");

    Outcome shown = Cli({"show", collection, "0"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    std::istringstream lines(shown.out);
    std::string line;
    for (int row = 0; row < 15; ++row) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(Utf8ToCp1252(line).size(), 29u) << line; // 15 capitals and 14 blanks
    }
    EXPECT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "");
    EXPECT_NE(shown.out.find("LION: King of the jungle\n"), std::string::npos);
    EXPECT_NE(shown.out.find("\xC3\xA9t\xC3\xA9: summer in French\n"), std::string::npos);
    Outcome answers = Cli({"show", collection, "0", "--answers"});
    EXPECT_NE(answers.out.find('.'), std::string::npos);
    // ÉTÉ lies somewhere in the grid, in capitals.
    const std::string answerBytes = Utf8ToCp1252(answers.out);
    EXPECT_EQ(std::count(answerBytes.begin(), answerBytes.end(), '\xC9'), 2) << answers.out;

    // The same seed makes the same puzzle.
    ASSERT_EQ(Cli(Create({"--attempts", "5"})).status, 0);
    const std::string bytes = test::ReadBytes(collection);
    ASSERT_EQ(bytes.size(), 2 * PuzzleRecord::kSize);
    EXPECT_TRUE(bytes.substr(0, PuzzleRecord::kSize) == bytes.substr(PuzzleRecord::kSize));
}

TEST_F(CreateCliTest, RefusedInputsSaveNothing) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string wordFile; // replaces the word list when not empty
        int status;
        std::string err;
    } cases[] = {
        {"blank title",
         {"create", collection, "--title", " ", "--category", "A", "--words", words},
         "",
         1,
         "vorlane create: No title specified.  Please correct.\n"},
        {"attempts 0", Create({"--attempts", "0"}), "", 1,
         "vorlane create: Attempts must be between 1 and 999.  Please correct.\n"},
        {"too long", Create(), "ABCDEFGHIJKLMNOP\n", 1,
         "vorlane create: Word is greater than puzzle dimension size of 15 characters in "
         "\"ABCDEFGHIJKLMNOP\".\n"},
        {"no windows-1252 form", Create(), "LION\nCAT\n\xE4\xB8\xAD\n", 1,
         "vorlane create: Line 3 of " + words + " holds a character that a puzzle cannot store.\n"},
        {"phrase of the wrong length", Create({"--phrase", "abc"}), "", 1,
         "characters are required"},
        {"no such shape", Create({"--shape", "4"}), "", 1, "has no shape 4"},
        {"no --words",
         {"create", collection, "--title", "T", "--category", "C"},
         "",
         2,
         "--words is required"},
        {"bad direction", Create({"--directions", "up,sideways"}), "", 2, "--directions takes"},
    };
    for (const auto& c : cases) {
        test::WriteBytes(words, c.wordFile.empty() ? kWords : c.wordFile);
        Outcome o = Cli(c.args);
        EXPECT_EQ(o.status, c.status) << c.name << ": " << o.err;
        EXPECT_NE(o.err.find(c.err), std::string::npos) << c.name << ": " << o.err;
        EXPECT_FALSE(FileExists(collection)) << c.name;
    }
}

TEST_F(CreateCliTest, WordsThatDoNotFitNeedSaveAnyway) {
    // Integration 0 and only one direction: not every word finds a cell of its own.
    test::WriteBytes(words, "ABCDEFGHIJKLMNO\nBCDEFGHIJKLMNOP\nCDEFGHIJKLMNOPQ\nDEFGHIJKLMNOPQR\n"
                            "EFGHIJKLMNOPQRS\nFGHIJKLMNOPQRST\nGHIJKLMNOPQRSTU\nHIJKLMNOPQRSTUV\n"
                            "IJKLMNOPQRSTUVW\nJKLMNOPQRSTUVWX\nKLMNOPQRSTUVWXY\nLMNOPQRSTUVWXYZ\n"
                            "MNOPQRSTUVWXYZA\nNOPQRSTUVWXYZAB\nOPQRSTUVWXYZABC\nPQRSTUVWXYZABCD\n");
    std::vector<std::string> narrow = {"--integration", "0", "--directions", "right"};
    Outcome refused = Cli(Create(narrow));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("Slot 1: 15 words placed, 0 free cells; excluded: PQRSTUVWXYZABCD"),
              std::string::npos)
        << refused.out;
    EXPECT_NE(refused.err.find("did not fit"), std::string::npos);
    EXPECT_FALSE(FileExists(collection));
    narrow.push_back("--save-anyway");
    EXPECT_EQ(Cli(Create(narrow)).status, 0);
    EXPECT_EQ(CollectionFile(collection).Count(), 1);
}

} // namespace
} // namespace vorlane
