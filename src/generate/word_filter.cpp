#include "generate/word_filter.h"

#include "core/io_error.h"
#include "core/safe_file.h"
#include "core/text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>

namespace vorlane {

namespace detail {

// An Aho-Corasick automaton over the words and their reversals, as a full transition
// table over the bytes that occur in some word (every other byte leads back to the root).
struct LineMatcher {
    std::array<std::uint16_t, 256> ByteClass{};
    int Classes = 1;
    std::vector<std::int32_t> Next;      // node * Classes + class
    std::vector<std::uint8_t> Length;    // length of the word ending at the node, 0 = none
    std::vector<std::int32_t> Output;    // nearest proper suffix node where a word ends, or -1
    std::vector<std::uint8_t> HasOutput; // a word ends at the node or at one of its suffixes
};

} // namespace detail

namespace {

using detail::LineMatcher;

constexpr int kSide = PuzzleRecord::kGridSide;

std::shared_ptr<const LineMatcher> BuildMatcher(const std::vector<std::string>& words) {
    auto m = std::make_shared<LineMatcher>();
    std::vector<std::string> patterns;
    for (const std::string& word : words) {
        if (word.empty() || word.size() > 255)
            continue;
        patterns.push_back(word);
        patterns.emplace_back(word.rbegin(), word.rend());
    }
    for (const std::string& p : patterns)
        for (char c : p) {
            auto& cls = m->ByteClass[static_cast<unsigned char>(c)];
            if (cls == 0)
                cls = static_cast<std::uint16_t>(m->Classes++);
        }
    const int classes = m->Classes;

    // The trie, with -1 for a missing edge.
    std::vector<std::int32_t> next(static_cast<std::size_t>(classes), -1);
    std::vector<std::uint8_t> length(1, 0);
    for (const std::string& p : patterns) {
        std::int32_t node = 0;
        for (char c : p) {
            const std::size_t at = static_cast<std::size_t>(node) * classes +
                                   m->ByteClass[static_cast<unsigned char>(c)];
            if (next[at] < 0) {
                next[at] = static_cast<std::int32_t>(length.size());
                length.push_back(0);
                next.resize(next.size() + static_cast<std::size_t>(classes), -1);
            }
            node = next[at];
        }
        length[static_cast<std::size_t>(node)] = static_cast<std::uint8_t>(p.size());
    }

    // Breadth first: failure links turn the trie into a complete transition table.
    const std::size_t nodes = length.size();
    std::vector<std::int32_t> fail(nodes, 0);
    m->Output.assign(nodes, -1);
    std::deque<std::int32_t> queue;
    for (int c = 0; c < classes; ++c) {
        std::int32_t& to = next[static_cast<std::size_t>(c)];
        if (to < 0 || c == 0) {
            to = 0;
        } else {
            queue.push_back(to);
        }
    }
    while (!queue.empty()) {
        const std::int32_t node = queue.front();
        queue.pop_front();
        const std::int32_t f = fail[static_cast<std::size_t>(node)];
        m->Output[static_cast<std::size_t>(node)] =
            length[static_cast<std::size_t>(f)] > 0 ? f : m->Output[static_cast<std::size_t>(f)];
        for (int c = 0; c < classes; ++c) {
            std::int32_t& to = next[static_cast<std::size_t>(node) * classes + c];
            const std::int32_t viaFail = next[static_cast<std::size_t>(f) * classes + c];
            if (to < 0 || c == 0) {
                to = viaFail;
            } else {
                fail[static_cast<std::size_t>(to)] = viaFail;
                queue.push_back(to);
            }
        }
    }
    m->HasOutput.resize(nodes);
    for (std::size_t n = 0; n < nodes; ++n)
        m->HasOutput[n] = length[n] > 0 || m->Output[n] >= 0;
    m->Next = std::move(next);
    m->Length = std::move(length);
    return m;
}

// The four kinds of line, each scanned in the direction of its positive index step.
struct LineKind {
    int RowStep;
    int ColumnStep;
    int Step;
};
constexpr std::array<LineKind, 4> kKinds{
    {{0, 1, 1}, {1, 0, kSide}, {1, 1, kSide + 1}, {1, -1, kSide - 1}}};

// Runs the matcher along every line of the grid. For each word occurrence it asks
// counts(kind, firstCell, length, throughFreeCell), firstCell being the occurrence's cell
// with the lowest index; the first occurrence that counts ends the scan with true.
template <class Counts>
bool ScanLines(const PuzzleRecord& puzzle, const LineMatcher& m, Counts&& counts) {
    if (m.Length.size() <= 1)
        return false;
    const unsigned char* word = puzzle.Data() + PuzzleRecord::kWordGridOffset - 1;
    const unsigned char* fill = puzzle.Data() + PuzzleRecord::kFillGridOffset - 1;
    const int width = puzzle.UsedWidth();
    const int height = puzzle.UsedHeight();
    const int classes = m.Classes;

    auto scanLine = [&](int kind, int cell, int cells) {
        const int step = kKinds[static_cast<std::size_t>(kind)].Step;
        std::int32_t state = 0;
        int lastFree = -1;
        for (int t = 0; t < cells; ++t, cell += step) {
            unsigned char c = word[cell];
            if (c == 0) {
                state = 0;
                continue;
            }
            if (c == ' ') {
                c = fill[cell];
                lastFree = t;
            }
            state = m.Next[static_cast<std::size_t>(state) * classes + m.ByteClass[c]];
            if (!m.HasOutput[static_cast<std::size_t>(state)])
                continue;
            for (std::int32_t n = m.Length[static_cast<std::size_t>(state)] > 0
                                      ? state
                                      : m.Output[static_cast<std::size_t>(state)];
                 n >= 0; n = m.Output[static_cast<std::size_t>(n)]) {
                const int length = m.Length[static_cast<std::size_t>(n)];
                if (counts(kind, cell - (length - 1) * step, length, lastFree > t - length))
                    return true;
            }
        }
        return false;
    };

    for (int r = 1; r <= height; ++r)
        if (scanLine(0, PuzzleRecord::CellIndex(r, 1), width))
            return true;
    for (int c = 1; c <= width; ++c)
        if (scanLine(1, PuzzleRecord::CellIndex(1, c), height))
            return true;
    for (int c = 1; c <= width; ++c)
        if (scanLine(2, PuzzleRecord::CellIndex(1, c), std::min(height, width - c + 1)))
            return true;
    for (int r = 2; r <= height; ++r)
        if (scanLine(2, PuzzleRecord::CellIndex(r, 1), std::min(height - r + 1, width)))
            return true;
    for (int c = 1; c <= width; ++c)
        if (scanLine(3, PuzzleRecord::CellIndex(1, c), std::min(height, c)))
            return true;
    for (int r = 2; r <= height; ++r)
        if (scanLine(3, PuzzleRecord::CellIndex(r, width), std::min(height - r + 1, width)))
            return true;
    return false;
}

// For every line kind and cell, how many cells from that cell on, in the kind's positive
// direction, lie inside one placed word that runs along that kind of line through it.
// An occurrence of n cells starting at p is inside a placed word exactly when reach >= n.
class PlacedReach {
public:
    PlacedReach(const PuzzleRecord& puzzle, const PlacedFlags& placed) {
        for (auto& kind : m_reach)
            kind.fill(0);
        const int count = puzzle.UsedWordCount();
        for (int entry = 1; entry <= count; ++entry)
            if (placed[static_cast<std::size_t>(entry - 1)])
                AddWord(puzzle, entry);
    }

    bool Inside(int kind, int cell, int length) const {
        if (length == 1) {
            for (const auto& k : m_reach)
                if (k[static_cast<std::size_t>(cell)] > 0)
                    return true;
            return false;
        }
        return m_reach[static_cast<std::size_t>(kind)][static_cast<std::size_t>(cell)] >= length;
    }

private:
    void AddWord(const PuzzleRecord& puzzle, int entry) {
        const std::string text = puzzle.Word(entry);
        const int length = static_cast<int>(
            std::count_if(text.begin(), text.end(), [](char c) { return c != ' '; }));
        const int start = puzzle.StartCell(entry);
        const int end = puzzle.EndCell(entry);
        if (length == 0 || start < 1 || start > PuzzleRecord::kCellCount || end < 1 ||
            end > PuzzleRecord::kCellCount)
            return;
        if (length == 1) {
            if (start != end)
                return;
            for (auto& k : m_reach)
                k[static_cast<std::size_t>(start)] =
                    std::max<std::uint8_t>(k[static_cast<std::size_t>(start)], 1);
            return;
        }
        const int rows = PuzzleRecord::CellRow(end) - PuzzleRecord::CellRow(start);
        const int columns = PuzzleRecord::CellColumn(end) - PuzzleRecord::CellColumn(start);
        if (rows % (length - 1) != 0 || columns % (length - 1) != 0)
            return;
        int rowStep = rows / (length - 1);
        int columnStep = columns / (length - 1);
        if (std::abs(rowStep) > 1 || std::abs(columnStep) > 1 || (rowStep == 0 && columnStep == 0))
            return;
        if (rowStep < 0 || (rowStep == 0 && columnStep < 0)) {
            rowStep = -rowStep;
            columnStep = -columnStep;
        }
        int kind = 0;
        while (kKinds[static_cast<std::size_t>(kind)].RowStep != rowStep ||
               kKinds[static_cast<std::size_t>(kind)].ColumnStep != columnStep)
            ++kind;
        auto& reach = m_reach[static_cast<std::size_t>(kind)];
        const int step = kKinds[static_cast<std::size_t>(kind)].Step;
        const int first = std::min(start, end);
        for (int i = 0; i < length; ++i) {
            auto& r = reach[static_cast<std::size_t>(first + i * step)];
            r = std::max(r, static_cast<std::uint8_t>(length - i));
        }
    }

    std::array<std::array<std::uint8_t, PuzzleRecord::kCellCount + 1>, 4> m_reach;
};

// The built-in entries, each letter turned 13 places on in the alphabet so that the
// source does not read as a list of insults. Decoded, they are in alphabetical order.
constexpr std::array<const char*, OffensiveWordList::kBuiltInCount> kBuiltIn{
    "nany",       "nahf",   "nefr",   "nefrubyr", "nffubyr", "onfgneq", "ovgpu", "oybjwbo",
    "obyybpxf",   "obare",  "obbo",   "ohttre",   "ohgg",    "puvax",   "pyvg",  "pbpx",
    "pbpxfhpxre", "pbba",   "penc",   "phag",     "qntb",    "qvpx",    "qvyqb", "qlxr",
    "snt",        "snttbg", "snvel",  "shpx",     "tbbx",    "ubzb",    "ubaxl", "ubeal",
    "wvmm",       "xvxr",   "avttre", "betnfz",   "cravf",   "cvff",    "cbea",  "cevpx",
    "chax",       "chffl",  "dhrre",  "encr",     "ergneq",  "fpebghz", "frzra", "fuvg",
    "fyhg",       "fcnqr",  "fcvp",   "fhpx",     "gvgf",    "genzc",   "gjng",  "intvan",
    "jnax",       "juber"};

std::string Rot13(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>('a' + (c - 'a' + 13) % 26);
    return out;
}

} // namespace

GridWordSearch::GridWordSearch() : GridWordSearch(std::vector<std::string>{}) {}

GridWordSearch::GridWordSearch(const std::vector<std::string>& words)
    : m_matcher(BuildMatcher(words)) {}

bool GridWordSearch::FindOutsidePlacedWords(const PuzzleRecord& puzzle,
                                            const PlacedFlags& placed) const {
    // Most grids hold no listed word at all, so the placed words are only looked at once
    // an occurrence has turned up.
    std::unique_ptr<PlacedReach> reach;
    return ScanLines(puzzle, *m_matcher, [&](int kind, int cell, int length, bool) {
        if (!reach)
            reach = std::make_unique<PlacedReach>(puzzle, placed);
        return !reach->Inside(kind, cell, length);
    });
}

bool GridWordSearch::FindThroughFreeCell(const PuzzleRecord& puzzle) const {
    return ScanLines(puzzle, *m_matcher,
                     [](int, int, int, bool throughFreeCell) { return throughFreeCell; });
}

OffensiveWordList::OffensiveWordList() {
    for (const char* entry : kBuiltIn)
        Append(Rot13(entry));
    m_search = GridWordSearch(m_entries);
}

void OffensiveWordList::Append(std::string_view entry) {
    m_entries.push_back(AsciiUpperCase(entry.substr(0, kEntryCapacity)));
}

bool OffensiveWordList::Add(std::string_view entry) {
    if (m_entries.size() >= static_cast<std::size_t>(kMaxEntries))
        return false;
    Append(entry);
    m_search = GridWordSearch(m_entries);
    return true;
}

OffensiveWordList OffensiveWordList::Load(const std::string& programDir) {
    OffensiveWordList list;
    File file = File::Open(programDir + "/BADLIST.TXT", File::Mode::ReadOnly);
    if (!file.IsOpen())
        return list;
    // Lines end with CR LF or LF; a last line without an end still counts.
    std::vector<std::string> lines;
    const std::size_t wanted = static_cast<std::size_t>(kMaxEntries - kBuiltInCount);
    try {
        std::string line;
        std::array<char, 4096> buffer;
        std::uint64_t offset = 0;
        while (lines.size() < wanted) {
            const std::size_t got = file.ReadSomeAt(offset, buffer.data(), buffer.size());
            if (got == 0)
                break;
            offset += got;
            for (std::size_t i = 0; i < got && lines.size() < wanted; ++i) {
                if (buffer[i] != '\n') {
                    line.push_back(buffer[i]);
                    continue;
                }
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                lines.push_back(std::move(line));
                line.clear();
            }
        }
        if (lines.size() < wanted && !line.empty()) {
            if (line.back() == '\r')
                line.pop_back();
            lines.push_back(std::move(line));
        }
    } catch (const IoError&) {
        return list; // an unreadable file is passed over like a missing one
    }
    for (const std::string& line : lines)
        list.Append(line);
    list.m_search = GridWordSearch(list.m_entries);
    return list;
}

bool TestBadWords(const PuzzleRecord& puzzle, const PlacedFlags& placed,
                  const OffensiveWordList& list) {
    return list.Search().FindOutsidePlacedWords(puzzle, placed);
}

} // namespace vorlane
