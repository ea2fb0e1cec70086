#include "render/metafile_renderer.h"

#include "core/text.h"
#include "layouts/page_layout_record.h"
#include "render/emf_writer.h"
#include "render/page_objects.h"
#include "render/wmf_writer.h"
#include "render/word_list_treatments.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

namespace vorlane {
namespace {

constexpr const char* kLineSample = "ABCWjkl";
constexpr int kMaxFrameWidth = 50;
constexpr int kMaxColumns = 330;
constexpr int kMinFontSize = 1, kMaxFontSize = 500;
// Pixel coordinates of a WMF are 16-bit; larger pages are cut there.
constexpr int kMaxPixels = 32767;
constexpr double kDefaultWidth = 8.5, kDefaultHeight = 11.0;

constexpr int kMaxCoordinate = 100'000'000;

// Trunc(value), saturated to the int range (NaN gives 0).
int Trunc(double value) {
    if (!(value == value))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(value),
                                       static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

double PageSide(double inches, double fallback) {
    return std::isfinite(inches) && inches > 0 && inches <= 1000 ? inches : fallback;
}

bool StartsWithCrLf(std::string_view text) {
    return text.size() >= 2 && text.substr(0, 2) == "\r\n";
}

class MetafilePainter {
    template <class Drawer>
    friend void vorlane::DrawPageObjects(const PuzzleRecord&, const PrintOptions&,
                                         PageLayoutRecord&, int, Drawer&);

public:
    MetafilePainter(const PuzzleRecord& record, const PrintOptions& options,
                    const RenderResults& results, const TextMetrics& metrics, RandomSource& random,
                    PixelCanvas& canvas)
        : m_record(record), m_options(options), m_results(results), m_metrics(metrics),
          m_random(random), m_canvas(canvas), m_layout(record.PageLayout()) {}

    void Paint() {
        const double w = PageSide(m_results.PageWidth, kDefaultWidth);
        const double h = PageSide(m_results.PageHeight, kDefaultHeight);
        m_canvas.SetBrushColor(0xFFFFFF);
        m_canvas.FillRect({0, 0, DoX(w), DoX(h)});
        m_canvas.SetBrushSolid(true);
        m_scale = m_results.Scale;
        if (!std::isfinite(m_scale) || m_scale <= 0)
            return; // the report run laid nothing out
        m_n = std::max(m_results.WordCount, 0);
        DrawPageObjects(m_record, m_options, m_layout, m_layout.UsedObjectCount(), *this);
    }

private:
    // Pictures stay out of the metafile (its warning says so).
    void DoBitmap(int, const PageObject&) {}

    // Pixels of a length in inches, kept within a range where sums of a few of them cannot
    // overflow (a damaged record may give any size; the writers clamp further).
    static int DoX(double inches) {
        return std::clamp(Trunc(inches * kMetafilePixelsPerInch), -kMaxCoordinate, kMaxCoordinate);
    }

    // ---- measurements in pixels ----

    int TextWidth(std::string_view text) const {
        return static_cast<int>(std::lround(
            std::clamp(m_metrics.TextWidth(m_font, text), 0.0, 1e6) * kMetafilePixelsPerInch));
    }
    int TextHeight() const {
        return static_cast<int>(std::lround(std::clamp(LineHeight(m_metrics, m_font), 0.0, 1e6) *
                                            kMetafilePixelsPerInch));
    }

    void Print(int x, int y, std::string_view text) {
        std::vector<int> advances;
        advances.reserve(text.size());
        int previous = 0;
        for (std::size_t i = 1; i <= text.size(); ++i) {
            const int width = TextWidth(text.substr(0, i));
            advances.push_back(width - previous);
            previous = width;
        }
        m_canvas.TextOut(x, y, text, advances);
    }

    // ---- common steps ----

    InchRect RectOf(const PageObject& object) const {
        const DesignRect b = object.Bounds();
        return {b.Left * m_scale, b.Top * m_scale, b.Right * m_scale, b.Bottom * m_scale};
    }

    void SetUpFont(int k, const PageObject& object) {
        int size = m_results.FittedFontSize[static_cast<std::size_t>(k - 1)];
        if (size == 0)
            size = object.FontSize();
        m_font.Name = object.FontName();
        m_font.Size = std::clamp(size, kMinFontSize, kMaxFontSize);
        m_font.Color = object.FontColor();
        m_font.Italic = object.FontItalic();
        m_font.Bold = object.FontBold();
        m_font.StrikeOut = object.FontStrikeOut();
        m_font.Underline = object.FontUnderline();
        m_canvas.SetFont(m_font);
    }

    void Background(const PageObject& object) { m_canvas.SetBrushSolid(!object.Transparent()); }

    void Outline(const PixelRect& r) {
        m_canvas.MoveTo({r.Left, r.Top});
        m_canvas.LineTo({r.Right, r.Top});
        m_canvas.LineTo({r.Right, r.Bottom});
        m_canvas.LineTo({r.Left, r.Bottom});
        m_canvas.LineTo({r.Left, r.Top});
    }

    static PixelRect Grown(const PixelRect& r, int by) {
        return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by};
    }

    static PixelRect PixelsOf(const InchRect& r) {
        return {DoX(r.Left), DoX(r.Top), DoX(r.Right), DoX(r.Bottom)};
    }

    static int FrameWidth(const PageObject& object) {
        return std::clamp<int>(object.BorderWidth(), 0, kMaxFrameWidth);
    }

    void Frame(const PageObject& object, const InchRect& r) {
        if (!object.Border())
            return;
        m_canvas.SetPenColor(object.BorderColor());
        for (int c = 0; c < FrameWidth(object); ++c)
            Outline(Grown(PixelsOf(r), c));
    }

    int AlignedX(const PageObject& object, const InchRect& r, int width) const {
        switch (object.Alignment()) {
        case 2:
            return DoX(r.Left) + (DoX(r.Width()) - width) / 2;
        case 3:
            return DoX(r.Left + r.Width()) - width;
        default:
            return DoX(r.Left);
        }
    }

    // ---- title and bonus question ----

    void DoTextLine(int k, const PageObject& object, const std::string& text) {
        const InchRect r = RectOf(object);
        SetUpFont(k, object);
        Background(object);
        const int x = AlignedX(object, r, TextWidth(text));
        const int y = DoX(r.Top + r.Height() / 2) - TextHeight() / 2;
        Print(x, y, text);
        Frame(object, r);
    }

    // ---- puzzle grid ----

    void DoPuzz(int k, const PageObject& object) {
        const InchRect r = RectOf(object);
        const int gw = m_record.UsedWidth(), gh = m_record.UsedHeight();
        if (gw <= 0 || gh <= 0)
            return;
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
                        m_canvas.FillRect(PixelsOf(CellRect(row, column)));
        }

        if (m_options.UseGrid) {
            m_canvas.SetPenColor(object.GridLineColor());
            const int lineWidth = std::clamp<int>(object.GridLineWidth(), 0, kMaxFrameWidth);
            for (int row = 1; row <= gh; ++row)
                for (int column = 1; column <= gw; ++column) {
                    if (!exists(row, column))
                        continue;
                    const PixelRect cell = PixelsOf(CellRect(row, column));
                    if (lineWidth < 2) {
                        Outline(cell);
                    } else {
                        for (int t = 0; t < lineWidth; ++t)
                            Outline(Grown(cell, -t));
                    }
                }
        }

        m_canvas.SetBrushSolid(false);
        SetUpFont(k, object);
        const int height = TextHeight();
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
                const InchRect box = CellRect(row, column);
                Print(DoX(box.Left) + (DoX(m_cw) - TextWidth(text)) / 2,
                      DoX(box.Top) + (DoX(m_ch) - height) / 2, text);
            }
        m_canvas.SetBrushSolid(true);

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
                            m_canvas.Ellipse(PixelsOf(CellRect(row, column)));
                m_canvas.SetBrushSolid(true);
            }
        }
    }

    InchRect CellRect(int row, int column) const {
        return {m_gridLeft + (column - 1) * m_cw, m_gridTop + (row - 1) * m_ch,
                m_gridLeft + column * m_cw, m_gridTop + row * m_ch};
    }

    void Capsule(int i) {
        const int start = std::clamp<int>(m_record.StartCell(i), 1, PuzzleRecord::kCellCount);
        const int end = std::clamp<int>(m_record.EndCell(i), 1, PuzzleRecord::kCellCount);
        const int rs = PuzzleRecord::CellRow(start), cs = PuzzleRecord::CellColumn(start);
        const int re = PuzzleRecord::CellRow(end), ce = PuzzleRecord::CellColumn(end);
        const InchRect s = CellRect(rs, cs), e = CellRect(re, ce);
        auto top = [](const InchRect& c) {
            return PixelPoint{DoX((c.Left + c.Right) / 2), DoX(c.Top)};
        };
        auto bottom = [](const InchRect& c) {
            return PixelPoint{DoX((c.Left + c.Right) / 2), DoX(c.Bottom)};
        };
        auto left = [](const InchRect& c) {
            return PixelPoint{DoX(c.Left), DoX((c.Top + c.Bottom) / 2)};
        };
        auto right = [](const InchRect& c) {
            return PixelPoint{DoX(c.Right), DoX((c.Top + c.Bottom) / 2)};
        };
        auto draw = [&](PixelPoint l1a, PixelPoint l1b, PixelPoint l2a, PixelPoint l2b,
                        PixelPoint sa, PixelPoint sb, PixelPoint ea, PixelPoint eb) {
            m_canvas.MoveTo(l1a);
            m_canvas.LineTo(l1b);
            m_canvas.MoveTo(l2a);
            m_canvas.LineTo(l2b);
            m_canvas.Arc(PixelsOf(s), sa, sb);
            m_canvas.Arc(PixelsOf(e), ea, eb);
        };
        if (cs < ce) {
            if (re == rs) // E
                draw(top(s), top(e), bottom(s), bottom(e), top(s), bottom(s), bottom(e), top(e));
            else if (rs < re) // SE
                draw(left(s), bottom(e), top(s), right(e), top(s), left(s), bottom(e), right(e));
            else // NE
                draw(left(s), top(e), bottom(s), right(e), left(s), bottom(s), right(e), top(e));
        } else if (cs > ce) {
            if (re == rs) // W
                draw(top(s), top(e), bottom(s), bottom(e), bottom(s), top(s), top(e), bottom(e));
            else if (rs < re) // SW
                draw(top(s), left(e), right(s), bottom(e), right(s), top(s), left(e), bottom(e));
            else // NW
                draw(bottom(s), left(e), right(s), top(e), bottom(s), right(s), top(e), left(e));
        } else if (rs < re) { // S
            draw(left(s), left(e), right(s), right(e), right(s), left(s), left(e), right(e));
        } else { // N, and a one-letter word
            draw(left(s), left(e), right(s), right(e), left(s), right(s), right(e), left(e));
        }
    }

    // ---- word list ----

    std::vector<std::string> WordTexts() {
        std::vector<WorkingText> working;
        for (int j = 1; j <= m_n; ++j)
            working.push_back(MakeWorkingText(m_record.Word(j), j));
        std::vector<std::string> texts;
        switch (static_cast<WordOption>(m_options.WordOption)) {
        case WordOption::Scrambled:
            for (const WorkingText& text : working)
                texts.push_back(ScrambleText(text.Text, m_random));
            break;
        case WordOption::Partial:
            for (const WorkingText& text : working)
                texts.push_back(PartialText(text.Text, m_options.FirstLetters,
                                            m_options.LastLetters, m_options.PartialUnderscore));
            break;
        default:
            SortWorkingTexts(working);
            for (const WorkingText& text : working)
                texts.push_back(m_record.Word(text.Entry));
            break;
        }
        return texts;
    }

    void DoWords(int k, const PageObject& object) {
        const std::vector<std::string> texts = WordTexts();
        const WordListResults& list = m_results.Words;
        const InchRect r = RectOf(object);
        SetUpFont(k, object);
        Background(object);
        const int lines = list.LinesPerColumn;
        int count = static_cast<int>(texts.size());
        if (m_results.WordsDidNotFit)
            count = std::clamp(list.FittedCount, 0, count);
        if (lines > 0) {
            const double lh = r.Height() / lines;
            int row = 1, column = 1;
            for (int j = 0; j < count; ++j) {
                if (row > lines) {
                    row = 1;
                    ++column;
                }
                const std::string& entry = texts[static_cast<std::size_t>(j)];
                const int length = j < static_cast<int>(list.PrintedLengths.size())
                                       ? list.PrintedLengths[static_cast<std::size_t>(j)]
                                       : static_cast<int>(entry.size());
                const std::string text = Trim(std::string_view(entry).substr(
                    0, static_cast<std::size_t>(std::max(length, 0))));
                if (!text.empty())
                    Print(DoX(r.Left + list.LeftMargin + (column - 1) * list.ColumnWidth),
                          DoX(r.Top + (row - 1) * lh), text);
                ++row;
            }
        }
        Frame(object, r);
    }

    // ---- clue list ----

    void DoClues(int k, const PageObject& object) {
        const ClueListResults& list = m_results.Clues;
        const InchRect r = RectOf(object);
        SetUpFont(k, object);
        Background(object);
        const int lines = list.LinesPerColumn;
        int count = std::min(m_n, static_cast<int>(list.LineLengths.size()));
        if (m_results.CluesDidNotFit)
            count = std::clamp(list.FittedCount, 0, count);
        const int columns = std::clamp(m_options.NumColumns, 1, kMaxColumns);
        if (lines > 0) {
            const double lh = r.Height() / lines;
            const double columnStep = list.NumberWidth + list.GapWidth + list.ClueWidth;
            int row = 1, column = 1;
            for (int i = 0; i < count; ++i) {
                const std::vector<int>& lengths = list.LineLengths[static_cast<std::size_t>(i)];
                const int lineCount = static_cast<int>(lengths.size());
                if (row > 1 && row + lineCount - 1 > lines) {
                    row = 1;
                    ++column;
                }
                if (column > columns)
                    break;
                Print(DoX(r.Left + list.LeftMargin + (column - 1) * columnStep),
                      DoX(r.Top + (row - 1) * lh), std::to_string(i + 1) + ".");
                const std::string clue = ClueText(m_record.Word(i + 1), m_record.Clue(i + 1),
                                                  m_options.AnswerKey, m_options.ClueUnderscore);
                std::size_t start = 0;
                for (int j = 1; j <= lineCount; ++j) {
                    const std::size_t length = static_cast<std::size_t>(
                        std::max(lengths[static_cast<std::size_t>(j - 1)], 0));
                    const std::string text =
                        Trim(std::string_view(clue).substr(std::min(start, clue.size()), length));
                    start += length;
                    if (!text.empty())
                        Print(DoX(r.Left + list.NumberWidth + list.LeftMargin +
                                  (column - 1) * columnStep),
                              DoX(r.Top + (row + j - 2) * lh), text);
                }
                row += lineCount;
            }
        }
        Frame(object, r);
    }

    // ---- text ----

    void DoText(int k, const PageObject& object) {
        const int ordinal = std::min(++m_textOrdinal, RenderResults::kMaxTextObjects);
        const InchRect r = RectOf(object);
        SetUpFont(k, object);
        Background(object);
        const int th = TextHeight();
        if (ordinal <= static_cast<int>(m_results.Texts.size())) {
            const TextResults& lines = m_results.Texts[static_cast<std::size_t>(ordinal - 1)];
            const std::string text = object.Text();
            std::size_t start = 0;
            for (int j = 1; j <= lines.LineCount(); ++j) {
                const std::size_t length = static_cast<std::size_t>(
                    std::max(lines.LineLengths[static_cast<std::size_t>(j - 1)], 0));
                std::string line =
                    Trim(std::string_view(text).substr(std::min(start, text.size()), length));
                start += length;
                const bool paragraph = j - 1 < static_cast<int>(lines.ParagraphStart.size()) &&
                                       lines.ParagraphStart[static_cast<std::size_t>(j - 1)];
                if (paragraph && StartsWithCrLf(line))
                    line = Trim(std::string_view(line).substr(2));
                if (line.empty())
                    continue;
                Print(AlignedX(object, r, TextWidth(line)), DoX(r.Top) + (j - 1) * th, line);
            }
        }
        Frame(object, r);
    }

    // ---- rectangle and circle ----

    void DoRect(const PageObject& object) {
        const PixelRect r = PixelsOf(RectOf(object));
        const bool circle = object.Kind() == static_cast<std::int16_t>(PageObjectKind::Circle);
        m_canvas.SetBrushSolid(true);
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
                const PixelRect g = Grown(r, c);
                if (circle) {
                    const int cy = (g.Top + g.Bottom) / 2;
                    m_canvas.Arc(g, {g.Right, cy}, {g.Left, cy});
                    m_canvas.Arc(g, {g.Left, cy}, {g.Right, cy});
                } else {
                    Outline(g);
                }
            }
        }
    }

    const PuzzleRecord& m_record;
    const PrintOptions& m_options;
    const RenderResults& m_results;
    const TextMetrics& m_metrics;
    RandomSource& m_random;
    PixelCanvas& m_canvas;
    PageLayoutRecord m_layout;
    FontSpec m_font;
    double m_scale = 0;
    int m_n = 0;
    int m_textOrdinal = 0;
    double m_cw = 0, m_ch = 0, m_gridLeft = 0, m_gridTop = 0;
};

} // namespace

std::vector<Message> MetafileWarnings(const PuzzleRecord& printCopy) {
    const PageLayoutRecord layout(printCopy.PageLayout());
    for (int k = 1; k <= layout.UsedObjectCount(); ++k)
        if (layout.Object(k).Kind() == static_cast<std::int16_t>(PageObjectKind::Bitmap))
            return {{kMetafileBitmapsWarning, "Warning"}};
    return {};
}

MetafileInfo MetafileInfoFor(double pageWidth, double pageHeight) {
    const double w = PageSide(pageWidth, kDefaultWidth);
    const double h = PageSide(pageHeight, kDefaultHeight);
    MetafileInfo info;
    info.PixelWidth = std::clamp(Trunc(w * kMetafilePixelsPerInch), 1, kMaxPixels);
    info.PixelHeight = std::clamp(Trunc(h * kMetafilePixelsPerInch), 1, kMaxPixels);
    info.PhysicalWidth = Trunc(w * 2540 * 1.2);
    info.PhysicalHeight = Trunc(h * 2540 * 1.2);
    info.Creator = kMetafileCreator;
    info.Description = kMetafileDescription;
    return info;
}

void DrawMetafilePage(const PuzzleRecord& printCopy, const PrintOptions& options,
                      const RenderResults& results, const TextMetrics& metrics,
                      RandomSource& random, PixelCanvas& canvas) {
    MetafilePainter(printCopy, options, results, metrics, random, canvas).Paint();
}

std::string WriteMetafile(const PuzzleRecord& printCopy, const PrintOptions& options,
                          const RenderResults& results, const TextMetrics& metrics,
                          RandomSource& random, MetafileKind kind) {
    const MetafileInfo info = MetafileInfoFor(results.PageWidth, results.PageHeight);
    if (kind == MetafileKind::Wmf) {
        WmfWriter writer(info);
        DrawMetafilePage(printCopy, options, results, metrics, random, writer);
        return writer.Bytes();
    }
    EmfWriter writer(info);
    DrawMetafilePage(printCopy, options, results, metrics, random, writer);
    return writer.Bytes();
}

} // namespace vorlane
