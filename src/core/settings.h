#pragma once

#include <array>
#include <cstdint>
#include <string>

// The program-wide settings kept in VRLAN3.INI in the start directory. They are read once at
// start-up and written back once at exit; every window reads and changes them in memory.
namespace vorlane {

// One of the three program-wide fonts; its size is not part of the settings.
struct FontSetting {
    std::string Name;
    bool Bold = false;
    bool Italic = false;
    std::int32_t Color = 0; // 0x00BBGGRR, or a negative system colour
    bool operator==(const FontSetting&) const = default;
};

// The eight directions words may run in (section "Create").
struct DirectionSet {
    bool UpRight = false;
    bool Down = false;
    bool DownRight = false;
    bool Left = false;
    bool DownLeft = false;
    bool Up = false;
    bool UpLeft = false;
    bool Right = false;
    bool operator==(const DirectionSet&) const = default;
};

// Member names follow the keys. A default-constructed Settings is all zeros and empty texts;
// the program's defaults come from Settings::Defaults.
struct Settings {
    // [Misc]
    std::string LastImportPuzzleFile;
    std::string LastExportPuzzleFile;
    std::string LastImportShapeFile;
    std::string LastExportShapeFile;
    std::string LastImportLayoutFile;
    std::string LastExportLayoutFile;
    std::string LastImportWordFile;
    std::string LastExportWordFile;
    std::string LastExportBitmapFile;
    std::string LastExportJPEGFile;
    std::string LastExportEMFFile;
    std::string LastExportWMFFile;
    std::string LastExportHTMLFile;
    std::string LastExportTextFile;
    std::string LastGroup;
    std::array<std::string, 5> LastFile; // "Last File 1" .. "Last File 5", most recent first
    std::int32_t WindowSize = 0;
    bool BackgroundBitmap = false;
    std::int32_t Dictionary = 0;
    std::int32_t UserDictionary = 0;
    std::int32_t Thesaurus = 0;
    std::int32_t UserThesaurus = 0;
    bool ShowTips = false;

    // [HTML]
    std::string FirstHeader;
    bool BoldFirstHeader = false;
    bool ItalicFirstHeader = false;
    bool CenterFirstHeader = false;
    std::int32_t FontFirstHeader = 0;
    std::string SecondHeader;
    bool BoldSecondHeader = false;
    bool ItalicSecondHeader = false;
    bool CenterSecondHeader = false;
    std::int32_t FontSecondHeader = 0;
    std::string FirstFooter;
    bool BoldFirstFooter = false;
    bool ItalicFirstFooter = false;
    bool CenterFirstFooter = false;
    std::int32_t FontFirstFooter = 0;
    std::string SecondFooter;
    bool BoldSecondFooter = false;
    bool ItalicSecondFooter = false;
    bool CenterSecondFooter = false;
    std::int32_t FontSecondFooter = 0;
    bool HorizontalUpper = false;
    bool HorizontalLower = false;
    std::string WebTitle;

    // [Create Options]
    bool UseClues = false;
    bool Shrink = false;
    std::int32_t Attempts = 0;
    std::int32_t Integration = 0;
    char SepChar = 0;
    std::int32_t ImportOption = 0;
    std::int32_t ExportOption = 0;
    std::int32_t LastShape = 0;
    std::array<std::string, 12> IntKey; // "Int Key 1" .. "Int Key 12", four-digit codes

    // [Create]
    DirectionSet Directions;

    // [Page Layout]
    std::int32_t Zoom = 0;
    std::int32_t PageDesignerWindowLeft = 0;
    std::int32_t PageDesignerWindowTop = 0;
    std::int32_t PageDesignerWindowWidth = 0;
    std::int32_t PageDesignerWindowHeight = 0;
    std::int32_t DefaultPage = 0;

    // [Reports]
    bool DefaultPrinter = false;
    std::int32_t PrinterIndex = 0;
    std::int32_t ReportViewingWindowLeft = 0;
    std::int32_t ReportViewingWindowTop = 0;
    std::int32_t ReportViewingWindowWidth = 0;
    std::int32_t ReportViewingWindowHeight = 0;
    std::int32_t PixelWidth = 0;
    std::int32_t JPegCompressionQuality = 0;
    std::int32_t PixelFormat = 0;
    bool UseGrid = false;
    bool LowerCase = false;
    bool AnswerKey = false;
    bool PrintTitle = false;
    bool PrintBody = false;
    bool PrintWords = false;
    bool PrintBonus = false;
    bool ClueUnderscore = false;
    bool PartialUnderscore = false;
    std::int32_t NumColumns = 0;
    std::int32_t WordOption = 0;
    std::int32_t FirstLetters = 0;
    std::int32_t LastLetters = 0;
    std::int32_t LetterSpacing = 0;
    std::int32_t LineSpacing = 0;

    // [Edit Font], [Label Font], [Button Font]
    FontSetting EditFont;
    FontSetting LabelFont;
    FontSetting ButtonFont;

    bool operator==(const Settings&) const = default;

    // Every key at its default, as when the settings file is missing. startDir is the start
    // directory as StartDirectory gives it; "Last Group" looks for the sample collection there.
    static Settings Defaults(const std::string& startDir);
};

// startDir + "/VRLAN3.INI"; startDir is the start directory as StartDirectory gives it.
std::string SettingsFilePath(const std::string& startDir);

// Reads every key; a key or file that is missing gives the key's default, without a message.
Settings LoadSettings(const std::string& path, const std::string& startDir);

// Writes every key into the file at path, keeping the keys and sections it does not know.
// The file is replaced atomically; false means it could not be written and is as it was.
bool SaveSettings(const Settings& settings, const std::string& path);

} // namespace vorlane
