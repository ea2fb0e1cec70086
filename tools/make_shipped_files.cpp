// make_shipped_files: builds the shape file (VLFLAY.DAT) and the page layout file
// (VLFPAGE.DAT) that the program ships with from their readable sources, one text file per
// record, taken in the order of their names. data/shapes/README.md and
// data/layouts/README.md describe the two formats.
//
// Every source is read and checked before anything is written, so a malformed source leaves
// the old files as they were. Each file is filled through the program's own record files
// beside its final name and then renamed over it.

#include "core/codepage.h"
#include "layouts/layout_geometry.h"
#include "layouts/page_layout_file.h"
#include "shapes/shape_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace vorlane;
namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: make_shipped_files [--shapes SOURCE_FOLDER SHAPE_FILE]"
    " [--layouts SOURCE_FOLDER LAYOUT_FILE]\n"
    "Writes each *.txt source of a folder, in the order of the file names, as one record of\n"
    "the shape file or the page layout file.\n";

// A malformed source, or an output that cannot be written.
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const fs::path& file, int line, const std::string& reason) {
    std::string where = file.string();
    if (line > 0)
        where += ":" + std::to_string(line);
    throw BuildError(where + ": " + reason);
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The lines of a source without their line ends (LF or CR LF).
std::vector<std::string> ReadLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        Fail(file, 0, "cannot be read");
    const std::string content((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

struct KeyValue {
    std::string Key;
    std::string Value;
};

std::optional<KeyValue> SplitKeyValue(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    return KeyValue{std::string(TrimBlanks(line.substr(0, colon))),
                    std::string(TrimBlanks(line.substr(colon + 1)))};
}

// A name or text of a source in the records' character set, at most capacity characters.
std::string RecordText(const fs::path& file, int line, std::string_view utf8, std::size_t capacity,
                       const std::string& what) {
    const std::string bytes = Utf8ToCp1252(utf8);
    if (std::count(bytes.begin(), bytes.end(), '?') != std::count(utf8.begin(), utf8.end(), '?'))
        Fail(file, line, what + " holds a character that Windows-1252 cannot write");
    if (bytes.size() > capacity)
        Fail(file, line,
             what + " has " + std::to_string(bytes.size()) + " characters, more than the " +
                 std::to_string(capacity) + " it may have");
    return bytes;
}

// The *.txt files of a folder in the order of their names.
std::vector<fs::path> SourceFiles(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error))
        Fail(folder, 0, "is not a folder");
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    if (files.empty())
        Fail(folder, 0, "holds no *.txt source");
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
        return a.filename().string() < b.filename().string();
    });
    return files;
}

// ---- shapes

ShapeRecord ReadShape(const fs::path& file) {
    std::vector<std::string> lines = ReadLines(file);
    while (!lines.empty() && TrimBlanks(lines.back()).empty())
        lines.pop_back();
    if (lines.empty())
        Fail(file, 0, "is empty");

    const std::optional<KeyValue> header = SplitKeyValue(lines[0]);
    if (!header)
        Fail(file, 1, "the first line must be \"name: <shape name>\"");
    if (header->Key != "name")
        Fail(file, 1, "unknown key " + Quoted(header->Key) + "; a shape has only a name");
    const std::string name =
        RecordText(file, 1, header->Value, ShapeRecord::kNameCapacity, "the shape name");
    if (name.empty())
        Fail(file, 1, "the shape name is empty");

    const std::vector<std::string> rows(lines.begin() + 1, lines.end());
    if (rows.empty())
        Fail(file, 0, "has a name but no drawing");
    const std::size_t width = rows[0].size();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int line = static_cast<int>(i) + 2;
        const std::string& row = rows[i];
        if (const std::optional<KeyValue> key = SplitKeyValue(row))
            Fail(file, line, "unknown key " + Quoted(key->Key) + "; a shape has only a name");
        if (TrimBlanks(row).empty())
            Fail(file, line, "blank line among the rows of the drawing");
        if (row.find_first_not_of("#.") != std::string::npos)
            Fail(file, line, "a row may hold only '#' (a cell of the shape) and '.' (outside)");
        if (row.size() != width)
            Fail(file, line,
                 "the row is " + std::to_string(row.size()) + " cells wide, the first row " +
                     std::to_string(width) + "; all rows must be the same length");
    }
    const auto inRange = [](std::size_t side) {
        return side >= static_cast<std::size_t>(ShapeRecord::kMinSide) &&
               side <= static_cast<std::size_t>(ShapeRecord::kMaxSide);
    };
    if (!inRange(width) || !inRange(rows.size()))
        Fail(file, 0,
             "the drawing is " + std::to_string(width) + " x " + std::to_string(rows.size()) +
                 " cells; width and height must lie in 5..30");

    ShapeRecord shape =
        ShapeRecord::Blank(name, static_cast<int>(width), static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < width; ++c)
            shape.SetCell(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c] == '#');
    if (shape.CellsInShape() == 0)
        Fail(file, 0, "the drawing has no cell of the shape ('#')");
    return shape;
}

// ---- page layouts

struct KindWord {
    std::string_view Word;
    PageObjectKind Kind;
    unsigned Bit;
};

constexpr unsigned kTitle = 1, kPuzzle = 2, kWords = 4, kBonus = 8, kText = 16, kBitmap = 32,
                   kRectangle = 64, kCircle = 128;
constexpr unsigned kAnyKind = 255;
constexpr unsigned kLettered = kTitle | kPuzzle | kWords | kBonus | kText;
constexpr unsigned kTextLines = kTitle | kWords | kBonus | kText;
constexpr unsigned kOneLine = kTitle | kBonus | kText;
constexpr unsigned kFramed = kAnyKind & ~kPuzzle;
constexpr unsigned kShapes = kRectangle | kCircle;

constexpr KindWord kKinds[] = {
    {"title", PageObjectKind::Title, kTitle},
    {"puzzle", PageObjectKind::PuzzleGrid, kPuzzle},
    {"words", PageObjectKind::WordsClues, kWords},
    {"bonus", PageObjectKind::BonusQuestion, kBonus},
    {"text", PageObjectKind::Text, kText},
    {"bitmap", PageObjectKind::Bitmap, kBitmap},
    {"rectangle", PageObjectKind::Rectangle, kRectangle},
    {"circle", PageObjectKind::Circle, kCircle},
};

struct ObjectKey {
    std::string_view Key;
    unsigned Kinds;
};

constexpr ObjectKey kObjectKeys[] = {
    {"bounds", kAnyKind},        {"name", kAnyKind},           {"font", kLettered},
    {"color", kLettered},        {"align", kOneLine},          {"make-fit", kTextLines},
    {"transparent", kTextLines}, {"columns", kWords},          {"text", kText},
    {"border", kFramed},         {"border-width", kFramed},    {"border-color", kFramed},
    {"grid-lines", kPuzzle},     {"grid-line-width", kPuzzle}, {"grid-line-color", kPuzzle},
    {"cell-color", kPuzzle},     {"paint-cells", kPuzzle},     {"lower-case", kPuzzle},
    {"fill", kShapes},           {"fill-color", kShapes},      {"bitmap", kBitmap},
    {"tile", kBitmap},
};

std::optional<double> ParseNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseWhole(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::vector<std::string> Words(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// Reads one layout source into a record, line by line.
class LayoutReader {
public:
    explicit LayoutReader(fs::path file) : m_file(std::move(file)) {}

    PageLayoutRecord Read() {
        const std::vector<std::string> lines = ReadLines(m_file);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            m_line = static_cast<int>(i) + 1;
            const std::string_view line = TrimBlanks(lines[i]);
            if (line.empty() || line.front() == '#')
                continue;
            const std::optional<KeyValue> pair = SplitKeyValue(line);
            if (!pair)
                Fail("expected \"key: value\"");
            if (pair->Key == "object")
                StartObject(pair->Value);
            else if (m_inObject)
                ObjectValue(pair->Key, pair->Value);
            else
                PageValue(pair->Key, pair->Value);
        }
        m_line = 0;
        if (!m_inObject)
            Fail("the layout has no object");
        FinishObject();
        return m_layout;
    }

private:
    [[noreturn]] void Fail(const std::string& reason) const { ::Fail(m_file, m_line, reason); }

    void PageValue(const std::string& key, const std::string& value) {
        if (key != "name" && key != "paper" && key != "orientation")
            Fail("unknown key " + Quoted(key) + " for the page");
        if (!m_pageKeys.insert(key).second)
            Fail("repeated key " + Quoted(key));
        if (key == "name") {
            m_name = RecordText(m_file, m_line, value, PageLayoutRecord::kNameCapacity,
                                "the layout name");
            if (m_name.empty())
                Fail("the layout name is empty");
        } else if (key == "paper") {
            m_paper = StandardPaper(value);
            if (!m_paper)
                Fail("unknown paper " + Quoted(value) +
                     "; use Letter, Legal, Executive, A4, A5 or B5");
        } else if (value == "portrait" || value == "landscape") {
            m_portrait = value == "portrait";
        } else {
            Fail("the orientation is portrait or landscape, not " + Quoted(value));
        }
    }

    // The page at the small zoom of the designer, as it saves a layout.
    void StartPage() {
        if (m_name.empty() || !m_paper)
            Fail("the page needs its name and paper before the first object");
        m_layout = NewPage();
        m_layout.SetLayoutName(m_name);
        m_layout.SetPaperName(m_paper->Name);
        m_layout.SetPageWidth(m_paper->Width);
        m_layout.SetPageHeight(m_paper->Height);
        m_layout.SetInches(m_paper->Inches);
        m_layout.SetPortrait(true);
        ChangeOrientation(m_layout, m_portrait);
        m_layout.SetDesignZoom(1);
        m_pixelsPerUnit = DesignPixelsPerUnit(1, m_paper->Inches);
        m_layout.SetDesignWidth(
            static_cast<std::int16_t>(ExtentToPixels(m_layout.PageWidth(), m_pixelsPerUnit)));
        m_layout.SetDesignHeight(
            static_cast<std::int16_t>(ExtentToPixels(m_layout.PageHeight(), m_pixelsPerUnit)));
    }

    void StartObject(const std::string& kindWord) {
        if (m_inObject)
            FinishObject();
        else
            StartPage();
        const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                                       [&](const KindWord& k) { return k.Word == kindWord; });
        if (kind == std::end(kKinds))
            Fail("unknown object kind " + Quoted(kindWord) +
                 "; use title, puzzle, words, bonus, text, bitmap, rectangle or circle");
        if (m_layout.UsedObjectCount() == PageLayoutRecord::kMaxObjects)
            Fail("more than " + std::to_string(PageLayoutRecord::kMaxObjects) +
                 " objects on the page");
        if (IsSingleKind(kind->Kind) && m_layout.CountOfKind(kind->Kind) > 0)
            Fail("a layout holds only one " + std::string(kind->Word) + " object");
        m_kind = *kind;
        m_object = NewObject(kind->Kind, 0, 0, m_pixelsPerUnit, m_layout.CountOfKind(kind->Kind));
        m_inObject = true;
        m_objectLine = m_line;
        m_objectKeys.clear();
        m_text.clear();
        m_textLines = 0;
    }

    void FinishObject() {
        if (!m_objectKeys.contains("bounds"))
            ::Fail(m_file, m_objectLine,
                   "the " + std::string(m_kind.Word) + " object has no bounds");
        m_layout.AddObject(m_object);
    }

    void ObjectValue(const std::string& key, const std::string& value) {
        const auto entry = std::find_if(std::begin(kObjectKeys), std::end(kObjectKeys),
                                        [&](const ObjectKey& k) { return k.Key == key; });
        if (entry == std::end(kObjectKeys)) {
            if (key == "paper" || key == "orientation")
                Fail(Quoted(key) + " belongs to the page, before the first object");
            Fail("unknown key " + Quoted(key));
        }
        if ((entry->Kinds & m_kind.Bit) == 0)
            Fail(Quoted(key) + " does not apply to a " + std::string(m_kind.Word) + " object");
        if (!m_objectKeys.insert(key).second && key != "text")
            Fail("repeated key " + Quoted(key));

        if (key == "bounds")
            SetBounds(value);
        else if (key == "name")
            SetObjectName(value);
        else if (key == "font")
            SetFont(value);
        else if (key == "color")
            m_object.SetFontColor(Color(value));
        else if (key == "align")
            m_object.SetAlignment(Alignment(value));
        else if (key == "make-fit")
            m_object.SetMakeFit(YesNo(value));
        else if (key == "transparent" || key == "grid-lines" || key == "tile")
            m_object.SetTransparent(YesNo(value));
        else if (key == "columns")
            m_object.SetColumns(static_cast<std::int16_t>(Whole(value, 1, 10)));
        else if (key == "text")
            AddTextLine(value);
        else if (key == "border")
            m_object.SetBorder(YesNo(value));
        else if (key == "border-width")
            m_object.SetBorderWidth(static_cast<std::int16_t>(Whole(value, 1, 20)));
        else if (key == "border-color")
            m_object.SetBorderColor(Color(value));
        else if (key == "grid-line-width")
            m_object.SetGridLineWidth(Whole(value, 1, 10));
        else if (key == "grid-line-color")
            m_object.SetGridLineColor(Color(value));
        else if (key == "cell-color")
            m_object.SetGridBackColor(Color(value));
        else if (key == "paint-cells")
            m_object.SetFilled(!YesNo(value));
        else if (key == "lower-case")
            m_object.SetLowerCase(YesNo(value));
        else if (key == "fill")
            m_object.SetFilled(YesNo(value));
        else if (key == "fill-color")
            m_object.SetFillColor(Color(value));
        else if (key == "bitmap")
            m_object.SetBitmapFile(RecordText(m_file, m_line, value, 255, "the bitmap path"));
    }

    void SetBounds(const std::string& value) {
        const std::vector<std::string> words = Words(value);
        std::vector<std::int32_t> pixels;
        for (const std::string& word : words) {
            const std::optional<double> number = ParseNumber(word);
            if (!number)
                Fail("the bounds are four numbers: left top right bottom");
            pixels.push_back(TypedUnitsToPixels(*number, m_pixelsPerUnit));
        }
        if (pixels.size() != 4)
            Fail("the bounds are four numbers: left top right bottom");
        const DesignRect bounds{pixels[0], pixels[1], pixels[2], pixels[3]};
        if (bounds.Width() <= 0 || bounds.Height() <= 0)
            Fail("the bounds have no width or no height: right must exceed left, bottom top");
        if (bounds.Left < 0 || bounds.Top < 0 || bounds.Right > m_layout.DesignWidth() ||
            bounds.Bottom > m_layout.DesignHeight()) {
            std::ostringstream page;
            page << m_layout.PageWidth() << " x " << m_layout.PageHeight()
                 << (m_layout.Inches() ? " inch" : " cm");
            Fail("the bounds reach outside the " + page.str() + " page");
        }
        m_object.SetBounds(bounds);
    }

    void SetObjectName(const std::string& value) {
        const std::string name = RecordText(m_file, m_line, value, 15, "the object name");
        if (name.empty())
            Fail("the object name is empty");
        m_object.SetObjectName(name);
    }

    // "Times New Roman 14 bold italic": the face, the size, then the styles.
    void SetFont(const std::string& value) {
        std::vector<std::string> words = Words(value);
        bool bold = false, italic = false, underline = false, strikeOut = false;
        while (!words.empty()) {
            const std::string& word = words.back();
            if (word == "bold")
                bold = true;
            else if (word == "italic")
                italic = true;
            else if (word == "underline")
                underline = true;
            else if (word == "strikeout")
                strikeOut = true;
            else
                break;
            words.pop_back();
        }
        const std::optional<int> size = words.size() < 2 ? std::nullopt : ParseWhole(words.back());
        if (!size)
            Fail("the font is a face and a size in points, then any of bold, italic, "
                 "underline, strikeout");
        if (*size < 1 || *size > 200)
            Fail("the font size is " + std::to_string(*size) + "; it must lie in 1..200");
        words.pop_back();
        std::string face;
        for (const std::string& word : words)
            face += (face.empty() ? "" : " ") + word;
        m_object.SetFontName(RecordText(m_file, m_line, face, 30, "the font face"));
        m_object.SetFontSize(static_cast<std::int16_t>(*size));
        m_object.SetFontBold(bold);
        m_object.SetFontItalic(italic);
        m_object.SetFontUnderline(underline);
        m_object.SetFontStrikeOut(strikeOut);
    }

    void AddTextLine(const std::string& value) {
        const std::string line =
            RecordText(m_file, m_line, value, PageObject::kTextCapacity, "the text");
        std::string text = m_textLines == 0 ? line : m_text + "\r\n" + line;
        if (text.size() > PageObject::kTextCapacity)
            Fail("the text has " + std::to_string(text.size()) + " characters, more than the " +
                 std::to_string(PageObject::kTextCapacity) + " it may have");
        m_text = std::move(text);
        ++m_textLines;
        m_object.SetText(m_text);
    }

    bool YesNo(const std::string& value) const {
        if (value == "yes")
            return true;
        if (value == "no")
            return false;
        Fail("expected yes or no, not " + Quoted(value));
    }

    int Whole(const std::string& value, int low, int high) const {
        const std::optional<int> number = ParseWhole(value);
        if (!number || *number < low || *number > high)
            Fail("expected a whole number in " + std::to_string(low) + ".." + std::to_string(high) +
                 ", not " + Quoted(value));
        return *number;
    }

    // "#RRGGBB" as the records keep colours: 0x00BBGGRR.
    std::uint32_t Color(const std::string& value) const {
        const auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); };
        if (value.size() != 7 || value[0] != '#' ||
            !std::all_of(value.begin() + 1, value.end(), isHex))
            Fail("a colour is written #RRGGBB, not " + Quoted(value));
        std::uint32_t rgb = 0;
        std::from_chars(value.data() + 1, value.data() + value.size(), rgb, 16);
        const std::uint32_t red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
        return red | green << 8 | blue << 16;
    }

    std::int16_t Alignment(const std::string& value) const {
        if (value == "left")
            return 1;
        if (value == "center")
            return 2;
        if (value == "right")
            return 3;
        Fail("the alignment is left, center or right, not " + Quoted(value));
    }

    fs::path m_file;
    int m_line = 0;
    std::set<std::string> m_pageKeys;
    std::string m_name;
    std::optional<Paper> m_paper;
    bool m_portrait = true;
    PageLayoutRecord m_layout;
    int m_pixelsPerUnit = 0;
    bool m_inObject = false;
    int m_objectLine = 0;
    KindWord m_kind{};
    PageObject m_object;
    std::set<std::string> m_objectKeys;
    std::string m_text;
    int m_textLines = 0;
};

// ---- output

// Fills the file through the program's record file beside its final name, then renames it
// over the old one.
template <class File, class Record>
void WriteRecords(const fs::path& output, const std::vector<Record>& records) {
    if (output.has_parent_path())
        fs::create_directories(output.parent_path());
    fs::path part = output;
    part += ".part";
    fs::remove(part);
    File file(part.string());
    for (const Record& record : records)
        if (file.Append(record) != SaveResult::Saved)
            throw BuildError(part.string() + ": cannot be written");
    fs::rename(part, output);
}

struct Job {
    fs::path Sources;
    fs::path Output;
};

int Run(int argc, char** argv) {
    std::optional<Job> shapes;
    std::optional<Job> layouts;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if ((arg == "--shapes" || arg == "--layouts") && i + 2 < argc) {
            (arg == "--shapes" ? shapes : layouts) = Job{argv[i + 1], argv[i + 2]};
            i += 2;
            continue;
        }
        std::fprintf(stderr, "make_shipped_files: unexpected argument \"%s\"\n%s", argv[i], kUsage);
        return 2;
    }
    if (!shapes && !layouts) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    std::vector<ShapeRecord> shapeRecords;
    if (shapes)
        for (const fs::path& file : SourceFiles(shapes->Sources))
            shapeRecords.push_back(ReadShape(file));
    std::vector<PageLayoutRecord> layoutRecords;
    if (layouts)
        for (const fs::path& file : SourceFiles(layouts->Sources))
            layoutRecords.push_back(LayoutReader(file).Read());

    if (shapes)
        WriteRecords<ShapeFile>(shapes->Output, shapeRecords);
    if (layouts)
        WriteRecords<PageLayoutFile>(layouts->Output, layoutRecords);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_shipped_files: %s\n", error.what());
        return 1;
    }
}
