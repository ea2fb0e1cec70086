#include "core/ini_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace vorlane {
namespace {

std::string MakeTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ini_test_XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        ADD_FAILURE() << "mkdtemp failed";
    return pattern;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(IniFileTest, ReadsTheWayTheWindowsProfileFunctionsDo) {
    const IniFile file = IniFile::Parse("orphan=before any section\n"
                                        "[Misc]\r\n"
                                        "Last Group=C:\\puzzles\\A.VL3\r\n"
                                        "  Window Size  =   800   \r\n"
                                        "Quoted=\"  padded  \"\n"
                                        "Inner=a \"b\" c\n"
                                        "Twice=\"\"x\"\"\n"
                                        "HalfQuote=\"open\n"
                                        "Empty=\n"
                                        "Equation=a=b\n"
                                        "; Commented=hidden\n"
                                        "no equals sign here\n"
                                        "Dup=first\n"
                                        "Dup=second\n"
                                        "Tabbed\t=\tvalue\t\n"
                                        "High=\xE9t\xE9\n"
                                        "[ Create Options ]\n"
                                        "Shrink=Yes\n"
                                        "[misc]\n"
                                        "Later=ignored, only the first Misc section counts\n"
                                        "[Last]\n"
                                        "NoNewline=end");
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"Misc", "Last Group", "C:\\puzzles\\A.VL3"},
        {"MISC", "last group", "C:\\puzzles\\A.VL3"},
        {"Misc", "Window Size", "800"},
        {"Misc", "Quoted", "  padded  "},
        {"Misc", "Inner", "a \"b\" c"},
        {"Misc", "Twice", "\"x\""},
        {"Misc", "HalfQuote", "\"open"},
        {"Misc", "Empty", ""},
        {"Misc", "Equation", "a=b"},
        {"Misc", "; Commented", std::nullopt},
        {"Misc", "Commented", std::nullopt},
        {"Misc", "no equals sign here", std::nullopt},
        {"Misc", "Dup", "first"},
        {"Misc", "Tabbed", "value"},
        {"Misc", "High", "\xE9t\xE9"},
        {"Misc", "orphan", std::nullopt},
        {"Misc", "Shrink", std::nullopt},
        {"Misc", "Later", std::nullopt},
        {"Create Options", "Shrink", "Yes"},
        {"create options", "SHRINK", "Yes"},
        {"Last", "NoNewline", "end"},
        {"Missing", "Last Group", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(file.Read(c.section, c.key), c.value) << c.section << " / " << c.key;
}

TEST(IniFileTest, WriteChangesOnlyTheLinesItWrites) {
    IniFile file = IniFile::Parse("; settings of the program\n"
                                  "[Misc]\n"
                                  "Last Group = old.VL3 \n"
                                  "Unknown Key=kept\n"
                                  "\n"
                                  "\n"
                                  "; about the next section\n"
                                  "[Other]\n"
                                  "  Odd   line without equals\n"
                                  "[Create]\n"
                                  "Up=No\n");
    file.Write("misc", "LAST GROUP", "new.VL3");
    file.Write("Misc", "Window Size", "800");
    file.Write("Create", "Down", "Yes");
    file.Write("Reports", "Zoom", "2");
    file.Write("Reports", "Pixel Width", "640");

    EXPECT_EQ(file.Bytes(), "; settings of the program\r\n"
                            "[Misc]\r\n"
                            "Last Group=new.VL3\r\n"
                            "Unknown Key=kept\r\n"
                            "Window Size=800\r\n"
                            "\r\n"
                            "\r\n"
                            "; about the next section\r\n"
                            "[Other]\r\n"
                            "  Odd   line without equals\r\n"
                            "[Create]\r\n"
                            "Up=No\r\n"
                            "Down=Yes\r\n"
                            "\r\n"
                            "[Reports]\r\n"
                            "Zoom=2\r\n"
                            "Pixel Width=640\r\n");
}

TEST(IniFileTest, WrittenValuesReadBackUnchanged) {
    const std::string values[] = {
        "plain", "",    "  leading",       "trailing\t",      "\"quoted\"",
        "\"",    "a=b", "[not a section]", "; not a comment", "\x80\xFF bytes",
    };
    IniFile file;
    for (const std::string& value : values) {
        file.Write("S", "Key", value);
        EXPECT_EQ(IniFile::Parse(file.Bytes()).Read("S", "Key"), value) << value;
    }
    file.Write("S", "Key", "first line\r\nsecond=line");
    const IniFile reread = IniFile::Parse(file.Bytes());
    EXPECT_EQ(reread.Read("S", "Key"), "first line");
    EXPECT_EQ(reread.Read("S", "second"), std::nullopt);
}

TEST(IniFileTest, MissingOrUnreadableFileLoadsEmpty) {
    const std::string folder = MakeTempFolder();
    for (const std::string& path : {folder + "/absent.ini", folder}) {
        const IniFile file = IniFile::Load(path);
        EXPECT_EQ(file.Bytes(), "") << path;
        EXPECT_EQ(file.Read("Misc", "Last Group"), std::nullopt) << path;
    }
    std::filesystem::remove_all(folder);
}

TEST(IniFileTest, SaveWritesTheWholeFileWithCrlf) {
    const std::string folder = MakeTempFolder();
    const std::string path = folder + "/VRLAN3.INI";
    WriteBytes(path, "[Misc]\nKeep=me\n[Gone]\n");
    IniFile file = IniFile::Load(path);
    file.Write("Misc", "Added", "1");
    ASSERT_TRUE(file.Save(path));
    EXPECT_EQ(ReadBytes(path), "[Misc]\r\nKeep=me\r\nAdded=1\r\n[Gone]\r\n");

    EXPECT_FALSE(file.Save(folder + "/no such folder/VRLAN3.INI"));
    EXPECT_FALSE(std::filesystem::exists(folder + "/no such folder"));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace vorlane
