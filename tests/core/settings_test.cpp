#include "core/settings.h"

#include "core/directories.h"
#include "core/ini_file.h"
#include "core/safe_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace vorlane {
namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// A fresh start directory per test, removed afterwards.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "settings_test_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        m_path = SettingsFilePath(m_dir);
    }
    void TearDown() override {
        SetWriteFaultHook({});
        std::filesystem::remove_all(m_dir);
    }

    Settings LoadFrom(const std::string& ini) {
        WriteBytes(m_path, ini);
        return LoadSettings(m_path, m_dir);
    }

    std::string m_dir;
    std::string m_path;
};

// Every key of the settings file at its default, in the order a fresh file receives them.
// START stands for the start directory.
constexpr const char* kDefaultFile = R"([Misc]
Last Import Puzzle File=START
Last Export Puzzle File=START
Last Import Shape File=START
Last Export Shape File=START
Last Import Layout File=START
Last Export Layout File=START
Last Import Word File=START
Last Export Word File=START
Last Export Bitmap File=START
Last Export JPEG File=START
Last Export EMF File=START
Last Export WMF File=START
Last Export HTML File=START
Last Export Text File=START
Last Group=START/DEFAULT.VL3
Last File 1=
Last File 2=
Last File 3=
Last File 4=
Last File 5=
Window Size=640
Background Bitmap=Yes
Dictionary=1
User Dictionary=1
Thesaurus=1
User Thesaurus=1
Show Tips=Yes

[HTML]
First Header=My Puzzle
Bold First Header=Yes
Italic First Header=No
Center First Header=Yes
Font First Header=4
Second Header=
Bold Second Header=No
Italic Second Header=No
Center Second Header=No
Font Second Header=3
First Footer=
Bold First Footer=No
Italic First Footer=No
Center First Footer=No
Font First Footer=3
Second Footer=
Bold Second Footer=No
Italic Second Footer=No
Center Second Footer=No
Font Second Footer=3
Horizontal Upper=No
Horizontal Lower=No
Web Title=Word Search Puzzle

[Create Options]
Use Clues=Yes
Shrink=No
Attempts=1
Integration=6
Sep Char=:
Import Option=1
Export Option=3
Last Shape=1
Int Key 1=0225
Int Key 2=0233
Int Key 3=0237
Int Key 4=0243
Int Key 5=0241
Int Key 6=0246
Int Key 7=0250
Int Key 8=0228
Int Key 9=0229
Int Key 10=0224
Int Key 11=0232
Int Key 12=0242

[Create]
Up Right=Yes
Down=Yes
Down Right=Yes
Left=Yes
Down Left=Yes
Up=Yes
Up Left=Yes
Right=Yes

[Page Layout]
Zoom=2
Page Designer Window Left=0
Page Designer Window Top=0
Page Designer Window Width=640
Page Designer Window Height=480
Default Page=0

[Reports]
Default Printer=Yes
Printer Index=0
Report Viewing Window Left=0
Report Viewing Window Top=0
Report Viewing Window Width=640
Report Viewing Window Height=480
Pixel Width=640
JPeg Compression Quality=50
Pixel Format=1
Use Grid=No
Lower Case=No
Answer Key=No
Print Title=Yes
Print Body=Yes
Print Words=Yes
Print Bonus=Yes
Clue Underscore=No
Partial Underscore=No
Num Columns=3
Word Option=1
First Letters=1
Last Letters=1
Letter Spacing=2
Line Spacing=1

[Edit Font]
Font Name=Arial
Bold=No
Italic=No
Color=0

[Label Font]
Font Name=Arial
Bold=No
Italic=No
Color=0

[Button Font]
Font Name=Arial
Bold=No
Italic=No
Color=0
)";

TEST_F(SettingsTest, SavingDefaultsWritesEveryKeyWithItsDefault) {
    ASSERT_TRUE(SaveSettings(Settings::Defaults(m_dir), m_path));
    const std::string expected = ReplaceAll(ReplaceAll(kDefaultFile, "START", m_dir), "\n", "\r\n");
    EXPECT_EQ(ReadBytes(m_path), expected);
}

TEST_F(SettingsTest, NoFileGivesEveryDefault) {
    const Settings s = LoadSettings(m_path, m_dir);
    EXPECT_EQ(s, Settings::Defaults(m_dir));
    EXPECT_EQ(s.Directions, (DirectionSet{true, true, true, true, true, true, true, true}));
    EXPECT_EQ(s.Attempts, 1);
    EXPECT_EQ(s.Integration, 6);
    EXPECT_TRUE(s.UseClues);
    EXPECT_FALSE(s.Shrink);
    EXPECT_EQ(s.WindowSize, 640);
    EXPECT_TRUE(s.BackgroundBitmap);
    EXPECT_TRUE(s.ShowTips);
    EXPECT_EQ(s.SepChar, ':');
    EXPECT_EQ(s.LastExportHTMLFile, m_dir);
    EXPECT_EQ(s.LabelFont, (FontSetting{"Arial", false, false, 0}));
    EXPECT_FALSE(std::filesystem::exists(m_path));
}

TEST_F(SettingsTest, LastGroupDefaultPrefersTheSampleOnlyWithoutDefaultCollection) {
    struct Case {
        bool sample;
        bool defaults;
        const char* expected;
    };
    const Case cases[] = {
        {false, false, "/DEFAULT.VL3"},
        {true, false, "/SAMPLE.VL3"},
        {false, true, "/DEFAULT.VL3"},
        {true, true, "/DEFAULT.VL3"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(m_dir + "/SAMPLE.VL3");
        std::filesystem::remove(m_dir + "/DEFAULT.VL3");
        if (c.sample)
            WriteBytes(m_dir + "/SAMPLE.VL3", "");
        if (c.defaults)
            WriteBytes(m_dir + "/DEFAULT.VL3", "");
        EXPECT_EQ(LoadSettings(m_path, m_dir).LastGroup, m_dir + c.expected)
            << "sample " << c.sample << ", default " << c.defaults;
        EXPECT_EQ(Settings::Defaults(m_dir).LastGroup, m_dir + c.expected);
    }
    // A file that names the group wins over the rule.
    EXPECT_EQ(LoadFrom("[Misc]\nLast Group=/x/MINE.VL3\n").LastGroup, "/x/MINE.VL3");
}

TEST_F(SettingsTest, ValuesAreReadByTheirKeysTypes) {
    const std::string longPath = "/" + std::string(300, 'p') + "/A.VL3";
    const std::string hugePath = "/" + std::string(5000, 'q');
    struct Case {
        std::string ini;
        std::function<bool(const Settings&)> check;
    };
    const Case cases[] = {
        {"[Create Options]\nShrink=yes", [](auto& s) { return s.Shrink; }},
        {"[Create Options]\nShrink=YeS", [](auto& s) { return s.Shrink; }},
        {"[Create Options]\nShrink=1", [](auto& s) { return !s.Shrink; }},
        {"[Create Options]\nShrink=Y", [](auto& s) { return !s.Shrink; }},
        {"[Create Options]\nShrink=Yes please", [](auto& s) { return !s.Shrink; }},
        {"[Create Options]\nUse Clues=", [](auto& s) { return !s.UseClues; }},
        {"[Create]\nUp Left=no", [](auto& s) { return !s.Directions.UpLeft && s.Directions.Up; }},
        {"[Create Options]\nAttempts=12abc", [](auto& s) { return s.Attempts == 12; }},
        {"[Create Options]\nAttempts=", [](auto& s) { return s.Attempts == 0; }},
        {"[Create Options]\nAttempts=abc", [](auto& s) { return s.Attempts == 0; }},
        {"[Create Options]\nAttempts=  -7", [](auto& s) { return s.Attempts == -7; }},
        {"[Create Options]\nAttempts=+25", [](auto& s) { return s.Attempts == 25; }},
        {"[Label Font]\nColor=-2147483643",
         [](auto& s) { return s.LabelFont.Color == -2147483643; }},
        // The read buffer of an integer holds 14 characters.
        {"[Page Layout]\nZoom=000000000000042", [](auto& s) { return s.Zoom == 4; }},
        {"[Create Options]\nSep Char=", [](auto& s) { return s.SepChar == ':'; }},
        {"[Create Options]\nSep Char=;x", [](auto& s) { return s.SepChar == ';'; }},
        {"[Create Options]\nSep Char=\"\t\"", [](auto& s) { return s.SepChar == '\t'; }},
        {"[HTML]\nWeb Title=" + std::string(120, 'w'),
         [](auto& s) { return s.WebTitle == std::string(100, 'w'); }},
        {"[HTML]\nFirst Header=" + std::string(1200, 'h'),
         [](auto& s) { return s.FirstHeader == std::string(999, 'h'); }},
        {"[HTML]\nSecond Header=", [](auto& s) { return s.SecondHeader.empty(); }},
        {"[Edit Font]\nFont Name=" + std::string(200, 'f'),
         [](auto& s) { return s.EditFont.Name == std::string(149, 'f'); }},
        {"[Create Options]\nInt Key 12=12345", [](auto& s) { return s.IntKey[11] == "1234"; }},
        {"[Create Options]\nInt Key 1=01", [](auto& s) { return s.IntKey[0] == "01"; }},
        {"[Misc]\nLast File 5=" + longPath, [&](auto& s) { return s.LastFile[4] == longPath; }},
        {"[Misc]\nLast Group=" + longPath, [&](auto& s) { return s.LastGroup == longPath; }},
        {"[Misc]\nLast Export Text File=" + hugePath,
         [&](auto& s) { return s.LastExportTextFile == hugePath.substr(0, 4095); }},
        {"[misc]\nlast group=/lower/A.VL3\nWINDOW SIZE=1024",
         [](auto& s) { return s.LastGroup == "/lower/A.VL3" && s.WindowSize == 1024; }},
        {"[Button Font]\nBold=Yes\n[Edit Font]\nItalic=Yes",
         [](auto& s) {
             return s.ButtonFont.Bold && !s.ButtonFont.Italic && s.EditFont.Italic &&
                    !s.EditFont.Bold && !s.LabelFont.Bold;
         }},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(c.check(LoadFrom(c.ini))) << c.ini.substr(0, 80);
}

// Which member each key of the file belongs to, written out independently of the program.
using MemberRef = std::variant<std::string*, std::int32_t*, bool*, char*>;
struct KeyOfMember {
    std::string section;
    std::string key;
    MemberRef member;
};

std::vector<KeyOfMember> KeysOf(Settings& s) {
    std::vector<KeyOfMember> k;
    auto add = [&k](std::string section, std::string key, MemberRef member) {
        k.push_back({std::move(section), std::move(key), member});
    };
    add("Misc", "Last Import Puzzle File", &s.LastImportPuzzleFile);
    add("Misc", "Last Export Puzzle File", &s.LastExportPuzzleFile);
    add("Misc", "Last Import Shape File", &s.LastImportShapeFile);
    add("Misc", "Last Export Shape File", &s.LastExportShapeFile);
    add("Misc", "Last Import Layout File", &s.LastImportLayoutFile);
    add("Misc", "Last Export Layout File", &s.LastExportLayoutFile);
    add("Misc", "Last Import Word File", &s.LastImportWordFile);
    add("Misc", "Last Export Word File", &s.LastExportWordFile);
    add("Misc", "Last Export Bitmap File", &s.LastExportBitmapFile);
    add("Misc", "Last Export JPEG File", &s.LastExportJPEGFile);
    add("Misc", "Last Export EMF File", &s.LastExportEMFFile);
    add("Misc", "Last Export WMF File", &s.LastExportWMFFile);
    add("Misc", "Last Export HTML File", &s.LastExportHTMLFile);
    add("Misc", "Last Export Text File", &s.LastExportTextFile);
    add("Misc", "Last Group", &s.LastGroup);
    for (int i = 0; i < 5; ++i)
        add("Misc", "Last File " + std::to_string(i + 1), &s.LastFile[i]);
    add("Misc", "Window Size", &s.WindowSize);
    add("Misc", "Background Bitmap", &s.BackgroundBitmap);
    add("Misc", "Dictionary", &s.Dictionary);
    add("Misc", "User Dictionary", &s.UserDictionary);
    add("Misc", "Thesaurus", &s.Thesaurus);
    add("Misc", "User Thesaurus", &s.UserThesaurus);
    add("Misc", "Show Tips", &s.ShowTips);

    add("HTML", "First Header", &s.FirstHeader);
    add("HTML", "Bold First Header", &s.BoldFirstHeader);
    add("HTML", "Italic First Header", &s.ItalicFirstHeader);
    add("HTML", "Center First Header", &s.CenterFirstHeader);
    add("HTML", "Font First Header", &s.FontFirstHeader);
    add("HTML", "Second Header", &s.SecondHeader);
    add("HTML", "Bold Second Header", &s.BoldSecondHeader);
    add("HTML", "Italic Second Header", &s.ItalicSecondHeader);
    add("HTML", "Center Second Header", &s.CenterSecondHeader);
    add("HTML", "Font Second Header", &s.FontSecondHeader);
    add("HTML", "First Footer", &s.FirstFooter);
    add("HTML", "Bold First Footer", &s.BoldFirstFooter);
    add("HTML", "Italic First Footer", &s.ItalicFirstFooter);
    add("HTML", "Center First Footer", &s.CenterFirstFooter);
    add("HTML", "Font First Footer", &s.FontFirstFooter);
    add("HTML", "Second Footer", &s.SecondFooter);
    add("HTML", "Bold Second Footer", &s.BoldSecondFooter);
    add("HTML", "Italic Second Footer", &s.ItalicSecondFooter);
    add("HTML", "Center Second Footer", &s.CenterSecondFooter);
    add("HTML", "Font Second Footer", &s.FontSecondFooter);
    add("HTML", "Horizontal Upper", &s.HorizontalUpper);
    add("HTML", "Horizontal Lower", &s.HorizontalLower);
    add("HTML", "Web Title", &s.WebTitle);

    add("Create Options", "Use Clues", &s.UseClues);
    add("Create Options", "Shrink", &s.Shrink);
    add("Create Options", "Attempts", &s.Attempts);
    add("Create Options", "Integration", &s.Integration);
    add("Create Options", "Sep Char", &s.SepChar);
    add("Create Options", "Import Option", &s.ImportOption);
    add("Create Options", "Export Option", &s.ExportOption);
    add("Create Options", "Last Shape", &s.LastShape);
    for (int i = 0; i < 12; ++i)
        add("Create Options", "Int Key " + std::to_string(i + 1), &s.IntKey[i]);

    add("Create", "Up Right", &s.Directions.UpRight);
    add("Create", "Down", &s.Directions.Down);
    add("Create", "Down Right", &s.Directions.DownRight);
    add("Create", "Left", &s.Directions.Left);
    add("Create", "Down Left", &s.Directions.DownLeft);
    add("Create", "Up", &s.Directions.Up);
    add("Create", "Up Left", &s.Directions.UpLeft);
    add("Create", "Right", &s.Directions.Right);

    add("Page Layout", "Zoom", &s.Zoom);
    add("Page Layout", "Page Designer Window Left", &s.PageDesignerWindowLeft);
    add("Page Layout", "Page Designer Window Top", &s.PageDesignerWindowTop);
    add("Page Layout", "Page Designer Window Width", &s.PageDesignerWindowWidth);
    add("Page Layout", "Page Designer Window Height", &s.PageDesignerWindowHeight);
    add("Page Layout", "Default Page", &s.DefaultPage);

    add("Reports", "Default Printer", &s.DefaultPrinter);
    add("Reports", "Printer Index", &s.PrinterIndex);
    add("Reports", "Report Viewing Window Left", &s.ReportViewingWindowLeft);
    add("Reports", "Report Viewing Window Top", &s.ReportViewingWindowTop);
    add("Reports", "Report Viewing Window Width", &s.ReportViewingWindowWidth);
    add("Reports", "Report Viewing Window Height", &s.ReportViewingWindowHeight);
    add("Reports", "Pixel Width", &s.PixelWidth);
    add("Reports", "JPeg Compression Quality", &s.JPegCompressionQuality);
    add("Reports", "Pixel Format", &s.PixelFormat);
    add("Reports", "Use Grid", &s.UseGrid);
    add("Reports", "Lower Case", &s.LowerCase);
    add("Reports", "Answer Key", &s.AnswerKey);
    add("Reports", "Print Title", &s.PrintTitle);
    add("Reports", "Print Body", &s.PrintBody);
    add("Reports", "Print Words", &s.PrintWords);
    add("Reports", "Print Bonus", &s.PrintBonus);
    add("Reports", "Clue Underscore", &s.ClueUnderscore);
    add("Reports", "Partial Underscore", &s.PartialUnderscore);
    add("Reports", "Num Columns", &s.NumColumns);
    add("Reports", "Word Option", &s.WordOption);
    add("Reports", "First Letters", &s.FirstLetters);
    add("Reports", "Last Letters", &s.LastLetters);
    add("Reports", "Letter Spacing", &s.LetterSpacing);
    add("Reports", "Line Spacing", &s.LineSpacing);

    for (auto [section, font] :
         {std::pair{"Edit Font", &s.EditFont}, std::pair{"Label Font", &s.LabelFont},
          std::pair{"Button Font", &s.ButtonFont}}) {
        add(section, "Font Name", &font->Name);
        add(section, "Bold", &font->Bold);
        add(section, "Italic", &font->Italic);
        add(section, "Color", &font->Color);
    }
    return k;
}

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

TEST_F(SettingsTest, EveryKeyIsWrittenFromAndReadIntoItsOwnMember) {
    // Every text and integer member gets a value of its own. Yes/no members are flipped from
    // their default by the bits of their number, one bit per pass, so any two of them differ
    // in some pass and each is away from its default in at least one.
    for (int pass = 0; pass < 7; ++pass) {
        Settings saved = Settings::Defaults(m_dir);
        std::vector<std::pair<const KeyOfMember*, std::string>> expected;
        const std::vector<KeyOfMember> keys = KeysOf(saved);
        int n = 1000;
        int flag = 0;
        for (const KeyOfMember& k : keys) {
            const std::string text =
                std::visit(Overloaded{
                               [&](std::string* m) {
                                   *m = k.key.starts_with("Int Key")
                                            ? std::to_string(++n)
                                            : "/u/" + k.section + " " + k.key;
                                   return *m;
                               },
                               [&](std::int32_t* m) { return std::to_string(*m = -(++n)); },
                               [&](bool* m) {
                                   *m = *m != ((((++flag) >> pass) & 1) != 0);
                                   return std::string(*m ? "Yes" : "No");
                               },
                               [&](char* m) { return std::string(1, *m = ';'); },
                           },
                           k.member);
            expected.emplace_back(&k, text);
        }
        ASSERT_LT(flag, 1 << 7);
        ASSERT_TRUE(SaveSettings(saved, m_path));

        const IniFile file = IniFile::Load(m_path);
        for (const auto& [k, text] : expected)
            EXPECT_EQ(file.Read(k->section, k->key), text)
                << k->section << " / " << k->key << ", pass " << pass;
        EXPECT_EQ(LoadSettings(m_path, m_dir), saved) << "pass " << pass;
    }
}

TEST_F(SettingsTest, ValuesWhoseEndsTheFileFormatWouldEatSurvive) {
    Settings edge = Settings::Defaults(m_dir);
    edge.SepChar = ' ';
    edge.WebTitle = "  spaced  ";
    edge.FirstHeader = "\"quoted\"";
    ASSERT_TRUE(SaveSettings(edge, m_path));
    EXPECT_EQ(LoadSettings(m_path, m_dir), edge);
}

TEST_F(SettingsTest, SaveKeepsWhatTheProgramDoesNotKnow) {
    WriteBytes(m_path, "; my own notes\n"
                       "[Misc]\n"
                       "My Own Key=42\n"
                       "window size=1024\n"
                       "\n"
                       "[Plugins]\n"
                       "Path=/opt/plugins\n"
                       "\n"
                       "[Reports]\n"
                       "Num Columns=5\n");
    Settings s = LoadSettings(m_path, m_dir);
    EXPECT_EQ(s.WindowSize, 1024);
    EXPECT_EQ(s.NumColumns, 5);
    s.WindowSize = 800;
    ASSERT_TRUE(SaveSettings(s, m_path));

    const std::string bytes = ReadBytes(m_path);
    EXPECT_EQ(bytes.rfind("; my own notes\r\n[Misc]\r\nMy Own Key=42\r\nwindow size=800\r\n", 0),
              0u)
        << bytes;
    EXPECT_NE(bytes.find("\r\n\r\n[Plugins]\r\nPath=/opt/plugins\r\n\r\n[Reports]\r\n"
                         "Num Columns=5\r\n"),
              std::string::npos)
        << bytes;
    const IniFile file = IniFile::Parse(bytes);
    // Every key is there: the keys of the fresh file all read back from this one.
    std::istringstream lines(kDefaultFile);
    std::string section;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("[")) {
            section = line.substr(1, line.size() - 2);
        } else if (const auto eq = line.find('='); eq != std::string::npos) {
            EXPECT_TRUE(file.Read(section, line.substr(0, eq))) << section << " / " << line;
        }
    }
    EXPECT_EQ(LoadSettings(m_path, m_dir), s);
}

TEST_F(SettingsTest, FailedSaveLeavesTheOldFileWhole) {
    const std::string old = "[Create Options]\r\nAttempts=7\r\n";
    WriteBytes(m_path, old);
    Settings s = LoadSettings(m_path, m_dir);
    s.Attempts = 9;

    for (const WriteStep failing : {WriteStep::Create, WriteStep::Write, WriteStep::Rename}) {
        SetWriteFaultHook([failing](WriteStep step) { return step == failing ? ENOSPC : 0; });
        EXPECT_FALSE(SaveSettings(s, m_path)) << static_cast<int>(failing);
        SetWriteFaultHook({});
        EXPECT_EQ(ReadBytes(m_path), old) << static_cast<int>(failing);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir),
                            std::filesystem::directory_iterator()),
              1);

    EXPECT_FALSE(SaveSettings(s, m_dir + "/missing folder/VRLAN3.INI"));
    EXPECT_FALSE(std::filesystem::exists(m_dir + "/missing folder"));
}

TEST(SettingsFilePathTest, RootStartDirectoryGivesASingleSlash) {
    EXPECT_EQ(SettingsFilePath(StartDirectory("/")), "/VRLAN3.INI");
    EXPECT_EQ(SettingsFilePath(StartDirectory("/home/ann/")), "/home/ann/VRLAN3.INI");
    EXPECT_EQ(SettingsFilePath(StartDirectory("/home/ann")), "/home/ann/VRLAN3.INI");
}

} // namespace
} // namespace vorlane
