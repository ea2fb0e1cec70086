#include "render/report_renderer.h"

#include "core/text.h"
#include "layouts/page_layout_record.h"
#include "render/page_objects.h"
#include "render/word_list_treatments.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace vorlane {

PrintOptions PrintOptions::FromSettings(const Settings& settings) {
    PrintOptions options;
    options.PrintTitle = settings.PrintTitle;
    options.PrintBody = settings.PrintBody;
    options.PrintWords = settings.PrintWords;
    options.PrintBonus = settings.PrintBonus;
    options.AnswerKey = settings.AnswerKey;
    options.UseGrid = settings.UseGrid;
    options.LowerCase = settings.LowerCase;
    options.NumColumns = settings.NumColumns;
    options.WordOption = settings.WordOption;
    options.ClueUnderscore = settings.ClueUnderscore;
    options.PartialUnderscore = settings.PartialUnderscore;
    options.FirstLetters = settings.FirstLetters;
    options.LastLetters = settings.LastLetters;
    return options;
}

namespace {

constexpr double kCentimetresToInches = 0.3937007874015748;
constexpr const char* kLineSample = "ABCWjkl";
constexpr int kMaxClueLines = 7;
constexpr int kMaxTextLines = 100;
constexpr int kMaxFrameWidth = 50;
constexpr int kMaxColumns = 330;
constexpr int kMaxTiles = 256; // per axis
constexpr int kMinFontSize = 1, kMaxFontSize = 500;

int PaperCodeOf(const std::string& name) {
    if (name == "Letter")
        return kPaperLetter;
    if (name == "Legal")
        return kPaperLegal;
    if (name == "A4")
        return kPaperA4;
    if (name == "A5")
        return kPaperA5;
    if (name == "B5")
        return kPaperB5;
    if (name == "Executive")
        return kPaperExecutive;
    return 0;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

bool StartsWithCrLf(std::string_view text) {
    return text.size() >= 2 && text.substr(0, 2) == "\r\n";
}

class PageRenderer {
    template <class Drawer>
    friend void vorlane::DrawPageObjects(const PuzzleRecord&, const PrintOptions&,
                                         PageLayoutRecord&, int, Drawer&);

public:
    PageRenderer(const PuzzleRecord& record, const PrintOptions& options, ReportCanvas& canvas,
                 RandomSource& random, const PictureLoader& pictures)
        : m_record(record), m_options(options), m_canvas(canvas), m_random(random),
          m_pictures(pictures), m_layout(record.PageLayout()) {}

    RenderRun Run() {
        if (BeforePrint())
            PrintPage();
        if (m_run.Results.CluesDidNotFit)
            m_run.Warnings.push_back({kCluesWarning, "Warning"});
        if (m_run.Results.WordsDidNotFit)
            m_run.Warnings.push_back({kWordsWarning, "Warning"});
        if (std::ranges::any_of(m_run.Results.TextDidNotFit, [](bool b) { return b; }))
            m_run.Warnings.push_back({kTextWarning, "Warning"});
        return std::move(m_run);
    }

private:
    RenderResults& Results() { return m_run.Results; }

    // Returns false when the layout cannot be placed on the paper at all.
    bool BeforePrint() {
        const std::string paper = m_layout.PaperName();
        if (const int code = PaperCodeOf(paper); code != 0) {
            m_canvas.SetPaper(code, m_layout.Portrait());
        } else {
            double width = m_layout.PageWidth(), height = m_layout.PageHeight();
            if (!m_layout.Inches()) {
                width *= kCentimetresToInches;
                height *= kCentimetresToInches;
            }
            if (!std::isfinite(width) || width <= 0 || width > 1000)
                width = 8.5;
            if (!std::isfinite(height) || height <= 0 || height > 1000)
                height = 11.0;
            m_canvas.SetCustomPaper(width, height);
        }
        m_pageWidth = m_canvas.PageWidth();
        m_pageHeight = m_canvas.PageHeight();
        Results().PageWidth = m_pageWidth;
        Results().PageHeight = m_pageHeight;
        m_n = m_record.PrintedWordCount();
        Results().WordCount = m_n;
        const int designWidth = m_layout.DesignWidth(), designHeight = m_layout.DesignHeight();
        if (designWidth <= 0 || designHeight <= 0)
            return false;
        m_scale = std::min(m_pageWidth / designWidth, m_pageHeight / designHeight);
        Results().Scale = m_scale;
        m_textOrdinal = 0;
        m_objectCount = m_layout.UsedObjectCount();
        bool missing = false;
        for (int k = 1; k <= m_objectCount; ++k) {
            const PageObject object = m_layout.Object(k);
            if (object.Kind() != static_cast<std::int16_t>(PageObjectKind::Bitmap))
                continue;
            const std::string file = object.BitmapFile();
            if (file.empty())
                continue;
            if (std::optional<PictureRef> picture = m_pictures.Load(file))
                m_picture[static_cast<std::size_t>(k - 1)] = *picture;
            else
                missing = true;
        }
        if (missing)
            m_run.Warnings.push_back({kMissingBitmapsWarning, "Warning"});
        return true;
    }

    void PrintPage() { DrawPageObjects(m_record, m_options, m_layout, m_objectCount, *this); }

    // ---- common steps ----

    InchRect RectOf(const PageObject& object) const {
        const DesignRect b = object.Bounds();
        return {b.Left * m_scale, b.Top * m_scale, b.Right * m_scale, b.Bottom * m_scale};
    }

    void SetUpFont(int k, const PageObject& object) {
        m_font.Name = object.FontName();
        m_font.Size = std::clamp<int>(object.FontSize(), kMinFontSize, kMaxFontSize);
        m_font.Color = object.FontColor();
        m_font.Italic = object.FontItalic();
        m_font.Bold = object.FontBold();
        m_font.StrikeOut = object.FontStrikeOut();
        m_font.Underline = object.FontUnderline();
        m_canvas.SetFont(m_font);
        RecordFontSize(k);
    }

    void SetFontSize(int k, int size) {
        m_font.Size = size;
        m_canvas.SetFont(m_font);
        RecordFontSize(k);
    }
    void Shrink(int k) { SetFontSize(k, m_font.Size - 1); }
    void RecordFontSize(int k) {
        Results().FittedFontSize[static_cast<std::size_t>(k - 1)] =
            static_cast<std::int16_t>(m_font.Size);
    }

    void Background(const PageObject& object) { m_canvas.SetTextTransparent(object.Transparent()); }

    double AlignedX(const PageObject& object, const InchRect& r, double width) const {
        switch (object.Alignment()) {
        case 2:
            return r.Left + (r.Width() - width) / 2;
        case 3:
            return r.Left + r.Width() - width;
        default:
            return r.Left;
        }
    }

    void Outline(const InchRect& r) {
        m_canvas.MoveTo(r.Left, r.Top);
        m_canvas.LineTo(r.Right, r.Top);
        m_canvas.LineTo(r.Right, r.Bottom);
        m_canvas.LineTo(r.Left, r.Bottom);
        m_canvas.LineTo(r.Left, r.Top);
    }

    // The rectangle moved outward by grow device pixels on every side (inward when negative).
    InchRect Grown(const InchRect& r, int grow) const {
        auto move = [&](double inches, int by) {
            const long long pixels = static_cast<long long>(m_canvas.XInchToDevice(inches)) + by;
            return m_canvas.XDeviceToInch(static_cast<int>(std::clamp<long long>(
                pixels, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
        };
        return {move(r.Left, -grow), move(r.Top, -grow), move(r.Right, grow), move(r.Bottom, grow)};
    }

    static int FrameWidth(const PageObject& object) {
        return std::clamp<int>(object.BorderWidth(), 0, kMaxFrameWidth);
    }

    void Frame(const PageObject& object, const InchRect& r) {
        if (!object.Border())
            return;
        m_canvas.SetPenColor(object.BorderColor());
        for (int c = 0; c < FrameWidth(object); ++c)
            Outline(Grown(r, c));
    }

    int LinesIn(double height) const {
        const double lh = m_canvas.TextHeight(kLineSample);
        if (!(lh > 0) || !(height > 0))
            return 0;
        return static_cast<int>(std::min(height / lh, 1e6));
    }

    // ---- title and bonus question ----

    void DoTextLine(int k, const PageObject& object, const std::string& text) {
        const InchRect r = RectOf(object);
        SetUpFont(k, object);
        if (object.MakeFit()) {
            while (m_font.Size > 2 && (m_canvas.TextWidth(text) >= r.Width() ||
                                       m_canvas.TextHeight(text) >= r.Height()))
                Shrink(k);
        }
        Background(object);
        const double x = AlignedX(object, r, m_canvas.TextWidth(text));
        const double y =
            r.Bottom - r.Height() / 2 + (m_canvas.FontAscent() - m_canvas.FontDescent()) / 2;
        m_canvas.PrintText(x, y, text);
        Frame(object, r);
    }

    // ---- puzzle grid ----

    struct CellBox {
        double Left, Top, Right, Bottom;
        InchRect Rect() const { return {Left, Top, Right, Bottom}; }
        InchPoint T() const { return {(Left + Right) / 2, Top}; }
        InchPoint B() const { return {(Left + Right) / 2, Bottom}; }
        InchPoint L() const { return {Left, (Top + Bottom) / 2}; }
        InchPoint R() const { return {Right, (Top + Bottom) / 2}; }
    };

    CellBox Cell(int row, int column) const {
        return {m_gridLeft + (column - 1) * m_cw, m_gridTop + (row - 1) * m_ch,
                m_gridLeft + column * m_cw, m_gridTop + row * m_ch};
    }

    void DoPuzz(int k, const PageObject& object) {
        InchRect r = RectOf(object);
        const int gw = m_record.UsedWidth(), gh = m_record.UsedHeight();
        const double w = r.Width(), h = r.Height();
        const GridGeometry grid = SquareGridIn(r.Left, r.Top, w, h, gw, gh);
        m_gridLeft = grid.Left;
        m_gridTop = grid.Top;
        m_cw = grid.CellWidth;
        m_ch = grid.CellHeight;
        auto exists = [&](int row, int column) {
            return m_record.WordGridCell(PuzzleRecord::CellIndex(row, column)) != 0;
        };

        if (!object.Filled()) {
            m_canvas.SetBrushColor(object.GridBackColor());
            for (int row = 1; row <= gh; ++row)
                for (int column = 1; column <= gw; ++column)
                    if (exists(row, column))
                        m_canvas.FillRect(Cell(row, column).Rect());
        }

        if (m_options.UseGrid) {
            m_canvas.SetPenColor(object.GridLineColor());
            const int lineWidth = std::clamp<int>(object.GridLineWidth(), 0, kMaxFrameWidth);
            for (int row = 1; row <= gh; ++row)
                for (int column = 1; column <= gw; ++column) {
                    if (!exists(row, column))
                        continue;
                    const InchRect cell = Cell(row, column).Rect();
                    if (lineWidth < 2) {
                        Outline(cell);
                    } else {
                        for (int t = 0; t < lineWidth; ++t)
                            Outline(Grown(cell, -t));
                    }
                }
        }

        m_canvas.SetTextTransparent(true);
        SetUpFont(k, object);
        // The letters shrink until a "W" fits the cell; 4 points ends the search untested,
        // and a smaller starting size is searched down to 1 point.
        while (m_font.Size != 4 && m_font.Size > kMinFontSize && !(m_canvas.TextWidth("W") < m_cw))
            Shrink(k);
        for (int row = 1; row <= gh; ++row)
            for (int column = 1; column <= gw; ++column) {
                const int cell = PuzzleRecord::CellIndex(row, column);
                unsigned char letter = m_record.WordGridCell(cell);
                if (letter == 0)
                    continue;
                if (letter == ' ')
                    letter = m_record.FillGridCell(cell);
                if (m_options.LowerCase)
                    letter = LowerCase1252(letter);
                const std::string text(1, static_cast<char>(letter));
                const CellBox box = Cell(row, column);
                m_canvas.PrintText(box.Left + (m_cw - m_canvas.TextWidth(text)) / 2,
                                   box.Bottom - m_canvas.FontDescent() -
                                       (m_ch - m_canvas.TextHeight(text)) / 2,
                                   text);
            }

        if (m_options.AnswerKey) {
            m_canvas.SetPenColor(0x000000);
            for (int i = 1; i <= m_n; ++i)
                if (m_record.Placed(i))
                    Capsule(i);
            if (m_record.HiddenPhraseUsed()) {
                m_canvas.SetBrushSolid(false);
                for (int row = 1; row <= gh; ++row)
                    for (int column = 1; column <= gw; ++column)
                        if (m_record.WordGridCell(PuzzleRecord::CellIndex(row, column)) == ' ')
                            m_canvas.Ellipse(Cell(row, column).Rect());
                m_canvas.SetBrushSolid(true);
            }
        }
    }

    void Capsule(int i) {
        const int start = std::clamp<int>(m_record.StartCell(i), 1, PuzzleRecord::kCellCount);
        const int end = std::clamp<int>(m_record.EndCell(i), 1, PuzzleRecord::kCellCount);
        const int rs = PuzzleRecord::CellRow(start), cs = PuzzleRecord::CellColumn(start);
        const int re = PuzzleRecord::CellRow(end), ce = PuzzleRecord::CellColumn(end);
        const CellBox s = Cell(rs, cs), e = Cell(re, ce);
        auto line = [&](InchPoint from, InchPoint to) {
            m_canvas.MoveTo(from.X, from.Y);
            m_canvas.LineTo(to.X, to.Y);
        };
        auto draw = [&](InchPoint l1a, InchPoint l1b, InchPoint l2a, InchPoint l2b, InchPoint sa,
                        InchPoint sb, InchPoint ea, InchPoint eb) {
            line(l1a, l1b);
            line(l2a, l2b);
            m_canvas.Arc(s.Rect(), sa, sb);
            m_canvas.Arc(e.Rect(), ea, eb);
        };
        if (cs < ce) {
            if (re == rs) // E
                draw(s.T(), e.T(), s.B(), e.B(), s.T(), s.B(), e.B(), e.T());
            else if (rs < re) // SE
                draw(s.L(), e.B(), s.T(), e.R(), s.T(), s.L(), e.B(), e.R());
            else // NE
                draw(s.L(), e.T(), s.B(), e.R(), s.L(), s.B(), e.R(), e.T());
        } else if (cs > ce) {
            if (re == rs) // W
                draw(s.T(), e.T(), s.B(), e.B(), s.B(), s.T(), e.T(), e.B());
            else if (rs < re) // SW
                draw(s.T(), e.L(), s.R(), e.B(), s.R(), s.T(), e.L(), e.B());
            else // NW
                draw(s.B(), e.L(), s.R(), e.T(), s.B(), s.R(), e.T(), e.L());
        } else if (rs < re) { // S
            draw(s.L(), e.L(), s.R(), e.R(), s.R(), s.L(), e.L(), e.R());
        } else { // N, and a one-letter word
            draw(s.L(), e.L(), s.R(), e.R(), s.L(), s.R(), e.R(), e.L());
        }
    }

    // ---- word list ----

    struct WordEntry {
        std::string Text; // as it is measured and printed
        int PrintedLength = 0;
    };

    std::vector<WordEntry> WordEntries() {
        std::vector<WorkingText> working;
        for (int j = 1; j <= m_n; ++j)
            working.push_back(MakeWorkingText(m_record.Word(j), j));
        std::vector<WordEntry> entries;
        switch (static_cast<WordOption>(m_options.WordOption)) {
        case WordOption::Scrambled:
            for (const WorkingText& text : working)
                entries.push_back({ScrambleText(text.Text, m_random)});
            break;
        case WordOption::Partial:
            for (const WorkingText& text : working)
                entries.push_back(
                    {PartialText(text.Text, m_options.FirstLetters, m_options.LastLetters,
                                 m_options.PartialUnderscore)});
            break;
        default:
            SortWorkingTexts(working);
            for (const WorkingText& text : working)
                entries.push_back({m_record.Word(text.Entry)});
            break;
        }
        return entries;
    }

    int Columns() const { return std::clamp(m_options.NumColumns, 1, kMaxColumns); }

    // Places the entries; returns the fitted count when an entry fails, nothing when all fit.
    std::optional<int> FitWords(std::vector<WordEntry>& entries, int lines, double columnWidth,
                                bool strict) {
        if (lines <= 0)
            return entries.empty() ? std::nullopt : std::optional<int>(0);
        int row = 1, column = 1;
        for (std::size_t j = 0; j < entries.size(); ++j) {
            if (row > lines) {
                row = 1;
                ++column;
            }
            if (column > Columns())
                return static_cast<int>(j);
            WordEntry& entry = entries[j];
            const bool wide = m_canvas.TextWidth(entry.Text) > columnWidth;
            if (wide && strict)
                return static_cast<int>(j);
            entry.PrintedLength = wide ? 0 : static_cast<int>(entry.Text.size());
            ++row;
        }
        return std::nullopt;
    }

    void DoWords(int k, const PageObject& object) {
        std::vector<WordEntry> entries = WordEntries();
        const InchRect r = RectOf(object);
        SetUpFont(k, object);
        const bool strict = object.MakeFit();
        int lines = 0;
        double margin = 0, columnWidth = 0;
        std::optional<int> failed;
        while (true) {
            lines = LinesIn(r.Height());
            margin = m_canvas.TextWidth("9") * 0.25;
            columnWidth = (r.Width() - margin) / Columns();
            failed = FitWords(entries, lines, columnWidth, strict);
            if (!failed || !strict || m_font.Size <= 3)
                break;
            Shrink(k);
        }
        if (strict)
            for (WordEntry& entry : entries)
                entry.PrintedLength = static_cast<int>(entry.Text.size());
        const int fitted = failed ? *failed : static_cast<int>(entries.size());
        if (failed)
            Results().WordsDidNotFit = true;
        WordListResults& out = Results().Words;
        out = {lines, margin, columnWidth, fitted, {}};
        for (const WordEntry& entry : entries)
            out.PrintedLengths.push_back(entry.PrintedLength);

        Background(object);
        if (lines > 0) {
            const double lh = r.Height() / lines;
            int row = 1, column = 1;
            for (int j = 0; j < fitted; ++j) {
                if (row > lines) {
                    row = 1;
                    ++column;
                }
                const WordEntry& entry = entries[static_cast<std::size_t>(j)];
                const std::string text =
                    Trim(std::string_view(entry.Text)
                             .substr(0, static_cast<std::size_t>(entry.PrintedLength)));
                if (!text.empty())
                    m_canvas.PrintText(r.Left + margin + (column - 1) * columnWidth,
                                       r.Top + row * lh - 0.2 * lh, text);
                ++row;
            }
        }
        Frame(object, r);
    }

    // ---- clue list ----

    struct BrokenClue {
        std::vector<std::string> Lines;
        bool Failed = false;
    };

    BrokenClue BreakClue(const std::string& text, double width, bool strict) const {
        BrokenClue clue;
        std::string line = text, carry;
        while (true) {
            bool emptied = false;
            while (m_canvas.TextWidth(line) >= width) {
                if (line.empty()) {
                    emptied = true;
                    break;
                }
                std::size_t cut = line.find_last_not_of(' ');
                cut = cut == std::string::npos ? 0 : cut + 1;
                const std::size_t wordStart = line.find_last_of(' ', cut == 0 ? 0 : cut - 1);
                const std::size_t from =
                    cut == 0 ? 0 : (wordStart == std::string::npos ? 0 : wordStart + 1);
                carry.insert(0, line.substr(from));
                line.resize(from);
            }
            if (line.empty() && !IsBlank(carry))
                emptied = true;
            if (static_cast<int>(clue.Lines.size()) == kMaxClueLines) {
                // An eighth line would be needed.
                if (strict)
                    clue.Failed = true;
                return clue;
            }
            clue.Lines.push_back(line);
            if (emptied && !strict) {
                clue.Failed = true;
                return clue;
            }
            if (carry.empty())
                return clue;
            line = std::move(carry);
            carry.clear();
        }
    }

    void DoClues(int k, const PageObject& object) {
        std::vector<std::string> texts;
        for (int i = 1; i <= m_n; ++i)
            texts.push_back(ClueText(m_record.Word(i), m_record.Clue(i), m_options.AnswerKey,
                                     m_options.ClueUnderscore));
        const InchRect r = RectOf(object);
        SetUpFont(k, object);
        const bool strict = object.MakeFit();
        const int columns = Columns();
        ClueListResults layout;
        std::vector<BrokenClue> clues;
        std::vector<std::pair<int, int>> places; // row, column of each placed clue
        bool failed = false;
        while (true) {
            layout = {};
            clues.clear();
            places.clear();
            failed = false;
            const double nine = m_canvas.TextWidth("9");
            layout.LinesPerColumn = LinesIn(r.Height());
            layout.NumberWidth = nine * (m_n > 99 ? 4 : m_n > 9 ? 3 : 2);
            layout.GapWidth = nine * 2;
            layout.LeftMargin = nine * 0.25;
            layout.ClueWidth = (r.Width() - (columns * layout.NumberWidth +
                                             (columns - 1) * layout.GapWidth + layout.LeftMargin)) /
                               columns;
            const int lines = layout.LinesPerColumn;
            int fitted = -1;
            for (const std::string& text : texts) {
                clues.push_back(BreakClue(text, layout.ClueWidth, strict));
                if (clues.back().Failed) {
                    failed = true;
                    if (strict && fitted < 0)
                        fitted = static_cast<int>(clues.size()) - 1;
                }
            }
            int row = 1, column = 1;
            if (lines <= 0 && !clues.empty()) {
                failed = true;
                fitted = 0;
            }
            for (std::size_t i = 0; lines > 0 && i < clues.size(); ++i) {
                const int count = static_cast<int>(clues[i].Lines.size());
                if (row > 1 && row + count - 1 > lines) {
                    row = 1;
                    ++column;
                }
                if (column > columns) {
                    failed = true;
                    if (fitted < 0 || static_cast<int>(i) < fitted)
                        fitted = static_cast<int>(i);
                    break;
                }
                places.push_back({row, column});
                row += count;
            }
            layout.FittedCount = fitted < 0 ? static_cast<int>(clues.size()) : fitted;
            if (!failed || !strict || m_font.Size <= 3)
                break;
            Shrink(k);
        }
        if (failed)
            Results().CluesDidNotFit = true;
        for (const BrokenClue& clue : clues) {
            std::vector<int> lengths;
            for (const std::string& line : clue.Lines)
                lengths.push_back(static_cast<int>(line.size()));
            layout.LineLengths.push_back(std::move(lengths));
        }
        Results().Clues = layout;

        Background(object);
        const int lines = layout.LinesPerColumn;
        if (lines > 0) {
            const double lh = r.Height() / lines;
            const int printed = std::min<int>(layout.FittedCount, static_cast<int>(places.size()));
            for (int i = 0; i < printed; ++i) {
                const auto [row, column] = places[static_cast<std::size_t>(i)];
                const double x =
                    r.Left + layout.LeftMargin +
                    (column - 1) * (layout.NumberWidth + layout.GapWidth + layout.ClueWidth);
                m_canvas.PrintText(x, r.Top + row * lh - 0.2 * lh, std::to_string(i + 1) + ".");
                const BrokenClue& clue = clues[static_cast<std::size_t>(i)];
                for (std::size_t j = 0; j < clue.Lines.size(); ++j) {
                    const std::string text = Trim(clue.Lines[j]);
                    const int lineRow = row + static_cast<int>(j);
                    if (!text.empty())
                        m_canvas.PrintText(x + layout.NumberWidth, r.Top + lineRow * lh - 0.2 * lh,
                                           text);
                }
            }
        }
        Frame(object, r);
    }

    // ---- text ----

    // The next token from pos: an optional CR LF, the spaces after it and a run of other
    // characters up to the next space or CR LF.
    static std::string_view NextToken(std::string_view text, std::size_t& pos) {
        const std::size_t start = pos;
        if (StartsWithCrLf(text.substr(pos)))
            pos += 2;
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
        while (pos < text.size() && text[pos] != ' ' && !StartsWithCrLf(text.substr(pos)))
            ++pos;
        return text.substr(start, pos - start);
    }

    struct TextLayout {
        TextResults Lines;
        bool Failed = false;
    };

    TextLayout BreakText(std::string_view text, double width, int maxLines) const {
        TextLayout layout;
        std::size_t pos = 0;
        std::string_view first = NextToken(text, pos);
        std::size_t lineStart = 0, lineLength = first.size();
        layout.Lines.ParagraphStart.push_back(StartsWithCrLf(first));
        auto lineText = [&] { return text.substr(lineStart, lineLength); };
        // Records the current line; false when it is wider than the object.
        auto finish = [&] {
            layout.Lines.LineLengths.push_back(static_cast<int>(lineLength));
            if (m_canvas.TextWidth(lineText()) > width) {
                layout.Failed = true;
                return false;
            }
            return true;
        };
        while (true) {
            const std::string_view token = NextToken(text, pos);
            if (IsBlank(token)) {
                finish();
                break;
            }
            const bool paragraph = StartsWithCrLf(token);
            if (!paragraph &&
                m_canvas.TextWidth(text.substr(lineStart, lineLength + token.size())) <= width) {
                lineLength += token.size();
                continue;
            }
            if (!finish())
                break;
            if (layout.Lines.LineCount() == kMaxTextLines) {
                layout.Failed = true;
                break;
            }
            lineStart += lineLength;
            lineLength = token.size();
            layout.Lines.ParagraphStart.push_back(paragraph);
        }
        layout.Lines.ParagraphStart.resize(layout.Lines.LineLengths.size());
        if (layout.Lines.LineCount() > maxLines) {
            layout.Failed = true;
            layout.Lines.LineLengths.resize(static_cast<std::size_t>(std::max(maxLines, 0)));
            layout.Lines.ParagraphStart.resize(layout.Lines.LineLengths.size());
        }
        return layout;
    }

    void DoText(int k, const PageObject& object) {
        const int ordinal = std::min(++m_textOrdinal, RenderResults::kMaxTextObjects);
        Results().Texts.resize(static_cast<std::size_t>(
            std::max<int>(ordinal, static_cast<int>(Results().Texts.size()))));
        const std::string text = object.Text();
        const InchRect r = RectOf(object);
        SetUpFont(k, object);
        TextLayout layout;
        double lh = 0;
        while (true) {
            lh = m_canvas.TextHeight(kLineSample);
            const int maxLines = LinesIn(r.Height());
            layout = BreakText(text, r.Width(), maxLines);
            if (maxLines == 0 && IsBlank(text))
                layout = {};
            if (!layout.Failed || !object.MakeFit() || m_font.Size <= 3)
                break;
            Shrink(k);
        }
        if (layout.Failed)
            Results().TextDidNotFit[static_cast<std::size_t>(ordinal - 1)] = true;
        Results().Texts[static_cast<std::size_t>(ordinal - 1)] = layout.Lines;

        Background(object);
        std::size_t start = 0;
        for (int j = 1; j <= layout.Lines.LineCount(); ++j) {
            const std::size_t length =
                static_cast<std::size_t>(layout.Lines.LineLengths[static_cast<std::size_t>(j - 1)]);
            std::string line = Trim(std::string_view(text).substr(start, length));
            start += length;
            if (layout.Lines.ParagraphStart[static_cast<std::size_t>(j - 1)] &&
                StartsWithCrLf(line))
                line = Trim(std::string_view(line).substr(2));
            if (line.empty())
                continue;
            m_canvas.PrintText(AlignedX(object, r, m_canvas.TextWidth(line)),
                               r.Top + j * lh - 0.2 * lh, line);
        }
        Frame(object, r);
    }

    // ---- rectangle, circle, bitmap ----

    void DoRect(const PageObject& object) {
        const InchRect r = RectOf(object);
        const bool circle = object.Kind() == static_cast<std::int16_t>(PageObjectKind::Circle);
        if (object.Filled()) {
            m_canvas.SetPenColor(object.FillColor());
            m_canvas.SetBrushColor(object.FillColor());
            if (circle)
                m_canvas.Ellipse(r);
            else
                m_canvas.FillRect(r);
        }
        if (object.Border()) {
            m_canvas.SetPenColor(object.BorderColor());
            for (int c = 0; c < FrameWidth(object); ++c) {
                const InchRect g = Grown(r, c);
                if (circle) {
                    const double cy = (g.Top + g.Bottom) / 2;
                    m_canvas.Arc(g, {g.Right, cy}, {g.Left, cy});
                    m_canvas.Arc(g, {g.Left, cy}, {g.Right, cy});
                } else {
                    Outline(g);
                }
            }
        }
    }

    void DoBitmap(int k, const PageObject& object) {
        const PictureRef& picture = m_picture[static_cast<std::size_t>(k - 1)];
        const InchRect r = RectOf(object);
        if (object.Transparent()) {
            const double tw = r.Width(), th = r.Height();
            if (picture.Empty() || !(tw > 0) || !(th > 0))
                return;
            const int columns =
                static_cast<int>(std::min(std::ceil(m_pageWidth / tw), 1.0 * kMaxTiles));
            const int rows =
                static_cast<int>(std::min(std::ceil(m_pageHeight / th), 1.0 * kMaxTiles));
            for (int row = 0; row < rows; ++row)
                for (int column = 0; column < columns; ++column)
                    m_canvas.DrawPicture(
                        picture, {column * tw, row * th, (column + 1) * tw, (row + 1) * th});
            return;
        }
        if (!picture.Empty())
            m_canvas.DrawPicture(picture, r);
        Frame(object, r);
    }

    const PuzzleRecord& m_record;
    const PrintOptions& m_options;
    ReportCanvas& m_canvas;
    RandomSource& m_random;
    const PictureLoader& m_pictures;
    PageLayoutRecord m_layout;
    RenderRun m_run;
    FontSpec m_font;
    std::array<PictureRef, PageLayoutRecord::kMaxObjects> m_picture{};
    double m_pageWidth = 0, m_pageHeight = 0, m_scale = 0;
    int m_n = 0;
    int m_objectCount = 0;
    int m_textOrdinal = 0;
    double m_cw = 0, m_ch = 0, m_gridLeft = 0, m_gridTop = 0;
};

} // namespace

RenderRun RenderPage(const PuzzleRecord& printCopy, const PrintOptions& options,
                     ReportCanvas& canvas, RandomSource& random, const PictureLoader& pictures) {
    return PageRenderer(printCopy, options, canvas, random, pictures).Run();
}

RecordedPage RecordPage(const PuzzleRecord& printCopy, const PrintOptions& options,
                        const TextMetrics& metrics, RandomSource& random,
                        const PictureLoader& pictures) {
    RecordingCanvas canvas(metrics);
    RecordedPage page;
    page.Run = RenderPage(printCopy, options, canvas, random, pictures);
    page.Stream = canvas.TakeStream();
    return page;
}

void StoreFittedFontSizes(const RenderResults& results, PuzzleRecord& printCopy) {
    PageLayoutRecord layout(printCopy.PageLayout());
    for (int k = 1; k <= PageLayoutRecord::kMaxObjects; ++k) {
        const std::int16_t size = results.FittedFontSize[static_cast<std::size_t>(k - 1)];
        if (size == 0)
            continue;
        PageObject object = layout.Object(k);
        object.SetFittedFontSize(size);
        layout.SetObject(k, object);
    }
    std::copy(layout.Data(), layout.Data() + PageLayoutRecord::kSize,
              printCopy.PageLayout().data());
}

} // namespace vorlane
