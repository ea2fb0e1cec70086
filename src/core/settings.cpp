#include "core/settings.h"

#include "core/ini_file.h"
#include "core/io_error.h"
#include "core/text.h"

#include <filesystem>
#include <functional>
#include <string_view>
#include <variant>
#include <vector>

namespace vorlane {

namespace {

// How a key's default is found: most are fixed texts; some depend on the start directory.
enum class DefaultRule { Text, StartDirectory, LastGroup };

struct TextField {
    std::function<std::string&(Settings&)> field;
    std::size_t keep = 0; // characters kept after reading; 0 keeps all that arrive
};
struct IntegerField {
    std::function<std::int32_t&(Settings&)> field;
};
struct YesNoField {
    std::function<bool&(Settings&)> field;
};
struct CharacterField {
    std::function<char&(Settings&)> field;
};
using Field = std::variant<TextField, IntegerField, YesNoField, CharacterField>;

// One key of the settings file. limit is the size of the read buffer, terminating zero
// included, so at most limit - 1 bytes of the value (or of the default) arrive.
struct SettingKey {
    std::string section;
    std::string key;
    Field type;
    std::size_t limit;
    DefaultRule rule;
    std::string defaultText;
};

// File paths read up to 4096 bytes, not 150 or 255: Linux paths run longer, and a cut path
// would silently name a different file.
constexpr std::size_t kPathLimit = 4096;

template <class T> std::function<T&(Settings&)> Member(T Settings::*member) {
    return [member](Settings& s) -> T& { return s.*member; };
}

std::vector<SettingKey> BuildTable() {
    std::vector<SettingKey> t;
    auto text = [&t](std::string section, std::string key, std::size_t limit, std::string def,
                     std::function<std::string&(Settings&)> field, std::size_t keep = 0) {
        t.push_back({std::move(section), std::move(key), TextField{std::move(field), keep}, limit,
                     DefaultRule::Text, std::move(def)});
    };
    auto path = [&t](std::string key, std::string Settings::*member) {
        t.push_back({"Misc", std::move(key), TextField{Member(member)}, kPathLimit,
                     DefaultRule::StartDirectory, ""});
    };
    auto integer = [&t](std::string section, std::string key, std::size_t limit, std::string def,
                        std::function<std::int32_t&(Settings&)> field) {
        t.push_back({std::move(section), std::move(key), IntegerField{std::move(field)}, limit,
                     DefaultRule::Text, std::move(def)});
    };
    auto yesNo = [&t](std::string section, std::string key, std::string def,
                      std::function<bool&(Settings&)> field) {
        t.push_back({std::move(section), std::move(key), YesNoField{std::move(field)}, 15,
                     DefaultRule::Text, std::move(def)});
    };

    path("Last Import Puzzle File", &Settings::LastImportPuzzleFile);
    path("Last Export Puzzle File", &Settings::LastExportPuzzleFile);
    path("Last Import Shape File", &Settings::LastImportShapeFile);
    path("Last Export Shape File", &Settings::LastExportShapeFile);
    path("Last Import Layout File", &Settings::LastImportLayoutFile);
    path("Last Export Layout File", &Settings::LastExportLayoutFile);
    path("Last Import Word File", &Settings::LastImportWordFile);
    path("Last Export Word File", &Settings::LastExportWordFile);
    path("Last Export Bitmap File", &Settings::LastExportBitmapFile);
    path("Last Export JPEG File", &Settings::LastExportJPEGFile);
    path("Last Export EMF File", &Settings::LastExportEMFFile);
    path("Last Export WMF File", &Settings::LastExportWMFFile);
    path("Last Export HTML File", &Settings::LastExportHTMLFile);
    path("Last Export Text File", &Settings::LastExportTextFile);
    t.push_back({"Misc", "Last Group", TextField{Member(&Settings::LastGroup)}, kPathLimit,
                 DefaultRule::LastGroup, ""});
    for (std::size_t i = 0; i < 5; ++i)
        text("Misc", "Last File " + std::to_string(i + 1), kPathLimit, "",
             [i](Settings& s) -> std::string& { return s.LastFile[i]; });
    integer("Misc", "Window Size", 15, "640", Member(&Settings::WindowSize));
    yesNo("Misc", "Background Bitmap", "Yes", Member(&Settings::BackgroundBitmap));
    integer("Misc", "Dictionary", 15, "1", Member(&Settings::Dictionary));
    integer("Misc", "User Dictionary", 15, "1", Member(&Settings::UserDictionary));
    integer("Misc", "Thesaurus", 15, "1", Member(&Settings::Thesaurus));
    integer("Misc", "User Thesaurus", 15, "1", Member(&Settings::UserThesaurus));
    yesNo("Misc", "Show Tips", "Yes", Member(&Settings::ShowTips));

    struct HtmlBlock {
        const char* name;
        std::string Settings::*text;
        bool Settings::*bold;
        bool Settings::*italic;
        bool Settings::*center;
        std::int32_t Settings::*font;
        const char* textDefault;
        const char* boldDefault;
        const char* centerDefault;
        const char* fontDefault;
    };
    const HtmlBlock blocks[] = {
        {"First Header", &Settings::FirstHeader, &Settings::BoldFirstHeader,
         &Settings::ItalicFirstHeader, &Settings::CenterFirstHeader, &Settings::FontFirstHeader,
         "My Puzzle", "Yes", "Yes", "4"},
        {"Second Header", &Settings::SecondHeader, &Settings::BoldSecondHeader,
         &Settings::ItalicSecondHeader, &Settings::CenterSecondHeader, &Settings::FontSecondHeader,
         "", "No", "No", "3"},
        {"First Footer", &Settings::FirstFooter, &Settings::BoldFirstFooter,
         &Settings::ItalicFirstFooter, &Settings::CenterFirstFooter, &Settings::FontFirstFooter, "",
         "No", "No", "3"},
        {"Second Footer", &Settings::SecondFooter, &Settings::BoldSecondFooter,
         &Settings::ItalicSecondFooter, &Settings::CenterSecondFooter, &Settings::FontSecondFooter,
         "", "No", "No", "3"},
    };
    for (const HtmlBlock& b : blocks) {
        const std::string name = b.name;
        text("HTML", name, 1000, b.textDefault, Member(b.text));
        yesNo("HTML", "Bold " + name, b.boldDefault, Member(b.bold));
        yesNo("HTML", "Italic " + name, "No", Member(b.italic));
        yesNo("HTML", "Center " + name, b.centerDefault, Member(b.center));
        integer("HTML", "Font " + name, 15, b.fontDefault, Member(b.font));
    }
    yesNo("HTML", "Horizontal Upper", "No", Member(&Settings::HorizontalUpper));
    yesNo("HTML", "Horizontal Lower", "No", Member(&Settings::HorizontalLower));
    text("HTML", "Web Title", 150, "Word Search Puzzle", Member(&Settings::WebTitle), 100);

    yesNo("Create Options", "Use Clues", "Yes", Member(&Settings::UseClues));
    yesNo("Create Options", "Shrink", "No", Member(&Settings::Shrink));
    integer("Create Options", "Attempts", 15, "1", Member(&Settings::Attempts));
    integer("Create Options", "Integration", 15, "6", Member(&Settings::Integration));
    t.push_back({"Create Options", "Sep Char", CharacterField{Member(&Settings::SepChar)}, 15,
                 DefaultRule::Text, ":"});
    integer("Create Options", "Import Option", 15, "1", Member(&Settings::ImportOption));
    integer("Create Options", "Export Option", 15, "3", Member(&Settings::ExportOption));
    integer("Create Options", "Last Shape", 15, "1", Member(&Settings::LastShape));
    const char* intKeyDefaults[12] = {"0225", "0233", "0237", "0243", "0241", "0246",
                                      "0250", "0228", "0229", "0224", "0232", "0242"};
    for (std::size_t i = 0; i < 12; ++i)
        text(
            "Create Options", "Int Key " + std::to_string(i + 1), 150, intKeyDefaults[i],
            [i](Settings& s) -> std::string& { return s.IntKey[i]; }, 4);

    const std::pair<const char*, bool DirectionSet::*> directions[] = {
        {"Up Right", &DirectionSet::UpRight},     {"Down", &DirectionSet::Down},
        {"Down Right", &DirectionSet::DownRight}, {"Left", &DirectionSet::Left},
        {"Down Left", &DirectionSet::DownLeft},   {"Up", &DirectionSet::Up},
        {"Up Left", &DirectionSet::UpLeft},       {"Right", &DirectionSet::Right},
    };
    for (const auto& direction : directions) {
        bool DirectionSet::*member = direction.second;
        yesNo("Create", direction.first, "Yes",
              [member](Settings& s) -> bool& { return s.Directions.*member; });
    }

    integer("Page Layout", "Zoom", 15, "2", Member(&Settings::Zoom));
    integer("Page Layout", "Page Designer Window Left", 15, "0",
            Member(&Settings::PageDesignerWindowLeft));
    integer("Page Layout", "Page Designer Window Top", 15, "0",
            Member(&Settings::PageDesignerWindowTop));
    integer("Page Layout", "Page Designer Window Width", 15, "640",
            Member(&Settings::PageDesignerWindowWidth));
    integer("Page Layout", "Page Designer Window Height", 15, "480",
            Member(&Settings::PageDesignerWindowHeight));
    integer("Page Layout", "Default Page", 15, "0", Member(&Settings::DefaultPage));

    yesNo("Reports", "Default Printer", "Yes", Member(&Settings::DefaultPrinter));
    integer("Reports", "Printer Index", 15, "0", Member(&Settings::PrinterIndex));
    integer("Reports", "Report Viewing Window Left", 15, "0",
            Member(&Settings::ReportViewingWindowLeft));
    integer("Reports", "Report Viewing Window Top", 15, "0",
            Member(&Settings::ReportViewingWindowTop));
    integer("Reports", "Report Viewing Window Width", 15, "640",
            Member(&Settings::ReportViewingWindowWidth));
    integer("Reports", "Report Viewing Window Height", 15, "480",
            Member(&Settings::ReportViewingWindowHeight));
    integer("Reports", "Pixel Width", 15, "640", Member(&Settings::PixelWidth));
    integer("Reports", "JPeg Compression Quality", 15, "50",
            Member(&Settings::JPegCompressionQuality));
    integer("Reports", "Pixel Format", 15, "1", Member(&Settings::PixelFormat));
    yesNo("Reports", "Use Grid", "No", Member(&Settings::UseGrid));
    yesNo("Reports", "Lower Case", "No", Member(&Settings::LowerCase));
    yesNo("Reports", "Answer Key", "No", Member(&Settings::AnswerKey));
    yesNo("Reports", "Print Title", "Yes", Member(&Settings::PrintTitle));
    yesNo("Reports", "Print Body", "Yes", Member(&Settings::PrintBody));
    yesNo("Reports", "Print Words", "Yes", Member(&Settings::PrintWords));
    yesNo("Reports", "Print Bonus", "Yes", Member(&Settings::PrintBonus));
    yesNo("Reports", "Clue Underscore", "No", Member(&Settings::ClueUnderscore));
    yesNo("Reports", "Partial Underscore", "No", Member(&Settings::PartialUnderscore));
    integer("Reports", "Num Columns", 15, "3", Member(&Settings::NumColumns));
    integer("Reports", "Word Option", 15, "1", Member(&Settings::WordOption));
    integer("Reports", "First Letters", 15, "1", Member(&Settings::FirstLetters));
    integer("Reports", "Last Letters", 15, "1", Member(&Settings::LastLetters));
    integer("Reports", "Letter Spacing", 15, "2", Member(&Settings::LetterSpacing));
    integer("Reports", "Line Spacing", 15, "1", Member(&Settings::LineSpacing));

    const std::pair<const char*, FontSetting Settings::*> fonts[] = {
        {"Edit Font", &Settings::EditFont},
        {"Label Font", &Settings::LabelFont},
        {"Button Font", &Settings::ButtonFont},
    };
    for (const auto& entry : fonts) {
        const char* section = entry.first;
        FontSetting Settings::*font = entry.second;
        text(section, "Font Name", 150, "Arial",
             [font](Settings& s) -> std::string& { return (s.*font).Name; });
        yesNo(section, "Bold", "No", [font](Settings& s) -> bool& { return (s.*font).Bold; });
        yesNo(section, "Italic", "No", [font](Settings& s) -> bool& { return (s.*font).Italic; });
        integer(section, "Color", 150, "0",
                [font](Settings& s) -> std::int32_t& { return (s.*font).Color; });
    }
    return t;
}

const std::vector<SettingKey>& SettingKeys() {
    static const std::vector<SettingKey> table = BuildTable();
    return table;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::string DefaultValue(const SettingKey& entry, const std::string& startDir) {
    switch (entry.rule) {
    case DefaultRule::StartDirectory:
        return startDir;
    case DefaultRule::LastGroup: {
        const std::string sample = startDir + "/SAMPLE.VL3";
        const std::string fallback = startDir + "/DEFAULT.VL3";
        return FileExists(sample) && !FileExists(fallback) ? sample : fallback;
    }
    case DefaultRule::Text:
        break;
    }
    return entry.defaultText;
}

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

// Stores a value as read from the file, or the default in its place, by the key's type.
void Assign(const SettingKey& entry, std::string value, Settings& settings) {
    if (value.size() >= entry.limit)
        value.resize(entry.limit - 1);
    std::visit(Overloaded{
                   [&](const TextField& f) {
                       if (f.keep != 0 && value.size() > f.keep)
                           value.resize(f.keep);
                       f.field(settings) = std::move(value);
                   },
                   [&](const IntegerField& f) { f.field(settings) = ReadWholeNumber(value); },
                   [&](const YesNoField& f) { f.field(settings) = AsciiUpperCase(value) == "YES"; },
                   [&](const CharacterField& f) {
                       f.field(settings) = value.empty() ? ':' : value.front();
                   },
               },
               entry.type);
}

// The written form of a key's value.
std::string Format(const SettingKey& entry, Settings& settings) {
    return std::visit(
        Overloaded{
            [&](const TextField& f) { return f.field(settings); },
            [&](const IntegerField& f) { return std::to_string(f.field(settings)); },
            [&](const YesNoField& f) { return std::string(f.field(settings) ? "Yes" : "No"); },
            [&](const CharacterField& f) {
                const char c = f.field(settings);
                return c == '\0' ? std::string() : std::string(1, c);
            },
        },
        entry.type);
}

} // namespace

Settings Settings::Defaults(const std::string& startDir) {
    Settings settings;
    for (const SettingKey& entry : SettingKeys())
        Assign(entry, DefaultValue(entry, startDir), settings);
    return settings;
}

std::string SettingsFilePath(const std::string& startDir) {
    return startDir + "/VRLAN3.INI";
}

Settings LoadSettings(const std::string& path, const std::string& startDir) {
    const IniFile file = IniFile::Load(path);
    Settings settings;
    for (const SettingKey& entry : SettingKeys()) {
        std::optional<std::string> value = file.Read(entry.section, entry.key);
        Assign(entry, value ? std::move(*value) : DefaultValue(entry, startDir), settings);
    }
    return settings;
}

bool SaveSettings(const Settings& settings, const std::string& path) {
    IniFile file = IniFile::Load(path);
    // The accessors hand out references for loading too; here they are only read from.
    Settings& source = const_cast<Settings&>(settings);
    for (const SettingKey& entry : SettingKeys())
        file.Write(entry.section, entry.key, Format(entry, source));
    try {
        return file.Save(path);
    } catch (const IoError&) {
        // A failed write of the settings is not reported; the old file stays as it was.
        return false;
    }
}

} // namespace vorlane
