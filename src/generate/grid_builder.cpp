#include "generate/grid_builder.h"

#include "core/bytes.h"
#include "core/text.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace vorlane {

namespace {

constexpr int kSide = PuzzleRecord::kGridSide;
constexpr int kMaxWords = PuzzleRecord::kMaxWords;
constexpr int kMaxLetters = static_cast<int>(PuzzleRecord::kWordCapacity);
constexpr int kWordBytes = 31;
constexpr int kClueBytes = 151;
// After this many rejections in a row the offensive-word check would likely reject the
// word list for ever, so the attempt is given up rather than repeated.
constexpr int kRejectionsPerAttempt = 200;

// Shapes are at most 30 x 30, and so is the part of the grid a puzzle uses.
constexpr int kMaxGridSide = ShapeRecord::kMaxSide;
// One bit per column of a grid row: bit c - 1 stands for column c.
using Mask = std::uint32_t;
static_assert(kMaxGridSide < 32);
// Rows are worked on kLanes at a time.
using Lanes = Mask __attribute__((vector_size(16)));
constexpr int kLanes = static_cast<int>(sizeof(Lanes) / sizeof(Mask));
// Rows 0..kMaxGridSide + 1 and the rows a last group of lanes reaches beyond them.
constexpr int kRowSlots = kMaxGridSide + 2 + 2 * kLanes;
using RowMasks = std::array<Mask, kRowSlots>;

Lanes LoadLanes(const Mask* rows) {
    Lanes lanes;
    std::memcpy(&lanes, rows, sizeof lanes);
    return lanes;
}
void StoreLanes(Mask* rows, Lanes lanes) {
    std::memcpy(rows, &lanes, sizeof lanes);
}
Mask AnyLane(Lanes lanes) {
    Mask any = 0;
    for (int i = 0; i < kLanes; ++i)
        any |= lanes[i];
    return any;
}

struct Range {
    int Lo;
    int Hi;
    bool Empty() const { return Lo > Hi; }
};

Mask ColumnMask(Range columns) {
    if (columns.Empty())
        return 0;
    const int width = columns.Hi - columns.Lo + 1;
    return ((Mask{1} << width) - 1) << (columns.Lo - 1);
}

// Direction numbers 1..8 run clockwise from Up; the random start direction counts them.
struct Direction {
    int RowStep;
    int ColumnStep;
};
constexpr Direction kDirections[9] = {{0, 0}, {-1, 0}, {-1, 1}, {0, 1},  {1, 1},
                                      {1, 0}, {1, -1}, {0, -1}, {-1, -1}};
constexpr int kUpRight = 2;
constexpr int kRight = 3;
constexpr int kLeft = 7;

int CellStep(int d) {
    return kDirections[d].RowStep * kSide + kDirections[d].ColumnStep;
}

bool DirectionOn(const DirectionSet& set, int d) {
    const bool on[9] = {false,    set.Up,       set.UpRight, set.Right, set.DownRight,
                        set.Down, set.DownLeft, set.Left,    set.UpLeft};
    return on[d];
}

// Moves a row of column bits so that bit c - 1 reads the column k cells further along.
template <int ColumnStep, typename Rows> Rows Along(Rows row, int k) {
    if constexpr (ColumnStep > 0)
        return row >> k;
    else if constexpr (ColumnStep < 0)
        return row << k;
    else
        return row;
}

// A word as it is laid into the grid: spaces left out, letters upper-cased.
struct PreparedWord {
    int Length = 0;
    std::array<unsigned char, kMaxLetters> Letters{};
    std::array<std::uint8_t, kMaxLetters> LetterIds{}; // index into the letter masks
};

// The start cells of one direction that suit the word being placed, row by row.
struct DirectionCandidates {
    bool Known = false;
    bool Any = false;
    bool CountsKnown = false;
    RowMasks Fits{};                   // every cell free or holding the word's letter
    std::array<RowMasks, 4> AtLeast{}; // AtLeast[i]: at least i + 1 crossings
    std::array<bool, 7> PassAny{};     // by requirement q + 2, once the counts are known
};

// The state of one run. Everything an attempt needs is allocated here once.
class Builder {
public:
    Builder(PuzzleRecord& working, const ShapeRecord& shape, const CreateOptions& options,
            RandomSource& random)
        : m_working(working), m_saved(working), m_shape(shape), m_options(options),
          m_random(random) {
        m_width = std::min(m_saved.UsedWidth(), kMaxGridSide);
        m_height = std::min(m_saved.UsedHeight(), kMaxGridSide);
        m_firstRequirement = std::clamp(options.Integration, 0, 6) - 2;
        for (int d = 1; d <= 8; ++d)
            m_on[d] = DirectionOn(options.Directions, d);
        PrepareWords();
        PrepareGrids();
    }

    const PuzzleRecord& Saved() const { return m_saved; }
    const PlacedFlags& Flags() const { return m_flags; }
    int Placed() const { return m_placedCount; }

    // One attempt, leaving its result in the working record and in Flags().
    void Attempt() {
        std::memcpy(m_working.Data() + PuzzleRecord::kWordGridOffset, m_emptyGrid.data(),
                    m_emptyGrid.size());
        for (int r = 1; r <= m_height; ++r) {
            m_free[r] = m_shapeRows[r];
            m_taken[r] = 0;
        }
        for (int id : m_usedLetters) {
            m_letterRows[static_cast<std::size_t>(id)].fill(0);
            m_letterUsed[static_cast<std::size_t>(id)] = false;
        }
        m_usedLetters.clear();
        for (int w = 1; w <= m_count; ++w) {
            m_start[w] = bytes::GetI16(m_saved.Data() + PuzzleRecord::StartCellOffset(w));
            m_end[w] = bytes::GetI16(m_saved.Data() + PuzzleRecord::EndCellOffset(w));
            m_placed[w] = false;
        }

        for (int w = 1; w <= m_count; ++w)
            PlaceOneWord(w);

        if (m_options.Shrink)
            Shrink();
        WriteEntries();
    }

private:
    PuzzleRecord& m_working;
    const PuzzleRecord m_saved;
    const ShapeRecord& m_shape;
    const CreateOptions& m_options;
    RandomSource& m_random;

    int m_width = 0;
    int m_height = 0;
    int m_firstRequirement = 0;
    std::array<bool, 9> m_on{};

    int m_count = 0; // the words 1..m_count (in length order) that are not empty
    std::array<int, kMaxWords + 1> m_source{};    // length order -> saved entry
    std::array<int, kMaxWords + 1> m_byteOrder{}; // the positions 1..m_count in byte order
    std::array<PreparedWord, kMaxWords + 1> m_words{};
    std::array<int, kMaxWords + 1> m_written{}; // saved entry now in working entry i

    std::array<unsigned char, PuzzleRecord::kCellCount> m_emptyGrid{};
    RowMasks m_shapeRows{};
    RowMasks m_free{};                  // in the shape and free
    RowMasks m_taken{};                 // holding a letter
    std::vector<RowMasks> m_letterRows; // per letter id: the cells holding it
    std::vector<int> m_usedLetters;
    std::array<bool, 256> m_letterUsed{};

    std::array<std::int16_t, kMaxWords + 1> m_start{};
    std::array<std::int16_t, kMaxWords + 1> m_end{};
    std::array<bool, kMaxWords + 1> m_placed{};
    PlacedFlags m_flags{};
    int m_placedCount = 0;

    // Placing the current word.
    const PreparedWord* m_word = nullptr;
    int m_requirement = 0;
    std::array<DirectionCandidates, 9> m_candidates{};

    static int StoredLength(const PuzzleRecord& p, int entry) {
        return std::min<int>(p.Data()[PuzzleRecord::WordOffset(entry)], kMaxLetters);
    }

    void PrepareWords() {
        const int n0 = m_saved.UsedWordCount();
        std::vector<int> order;
        for (int e = 1; e <= n0; ++e)
            order.push_back(e);
        // Longer words come first; equal lengths keep their order.
        std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
            return StoredLength(m_saved, a) > StoredLength(m_saved, b);
        });
        for (int w = 1; w <= n0; ++w) {
            m_source[w] = order[static_cast<std::size_t>(w - 1)];
            m_written[w] = w;
            if (StoredLength(m_saved, m_source[w]) != 0)
                m_count = w;
        }
        // The empty entries stay behind the others in every attempt.
        for (int w = m_count + 1; w <= n0; ++w)
            CopyEntry(w, m_source[w]);

        std::array<int, 256> ids;
        ids.fill(-1);
        std::vector<std::string> stored(static_cast<std::size_t>(m_count) + 1);
        for (int w = 1; w <= m_count; ++w) {
            stored[static_cast<std::size_t>(w)] = m_saved.Word(m_source[w]);
            PreparedWord& word = m_words[w];
            for (char c : stored[static_cast<std::size_t>(w)]) {
                if (c == ' ')
                    continue;
                const unsigned char letter = UpperCase1252(static_cast<unsigned char>(c));
                if (ids[letter] < 0) {
                    ids[letter] = static_cast<int>(m_letterRows.size());
                    m_letterRows.emplace_back();
                }
                word.Letters[static_cast<std::size_t>(word.Length)] = letter;
                word.LetterIds[static_cast<std::size_t>(word.Length)] =
                    static_cast<std::uint8_t>(ids[letter]);
                ++word.Length;
            }
        }
        m_letterRows.shrink_to_fit();
        m_usedLetters.reserve(m_letterRows.size());

        // Alphabetical order never changes from one attempt to the next: equal words keep
        // their length order.
        for (int w = 1; w <= m_count; ++w)
            m_byteOrder[w] = w;
        std::stable_sort(
            m_byteOrder.begin() + 1, m_byteOrder.begin() + m_count + 1, [&stored](int a, int b) {
                return stored[static_cast<std::size_t>(a)] < stored[static_cast<std::size_t>(b)];
            });
    }

    void PrepareGrids() {
        for (int p = 1; p <= PuzzleRecord::kCellCount; ++p)
            m_emptyGrid[static_cast<std::size_t>(p - 1)] = m_shape.Cell(p) ? ' ' : 0;
        for (int r = 1; r <= m_height; ++r)
            for (int c = 1; c <= m_width; ++c)
                if (m_shape.Cell(r, c))
                    m_shapeRows[r] |= Mask{1} << (c - 1);
        std::memset(m_working.Data() + PuzzleRecord::kFillGridOffset, ' ',
                    PuzzleRecord::kCellCount);
    }

    void CopyEntry(int entry, int source) {
        std::memcpy(m_working.Data() + PuzzleRecord::WordOffset(entry),
                    m_saved.Data() + PuzzleRecord::WordOffset(source), kWordBytes);
        std::memcpy(m_working.Data() + PuzzleRecord::ClueOffset(entry),
                    m_saved.Data() + PuzzleRecord::ClueOffset(source), kClueBytes);
        m_written[entry] = source;
    }

    void PlaceOneWord(int w) {
        m_word = &m_words[w];
        for (DirectionCandidates& candidates : m_candidates) {
            candidates.Known = false;
            candidates.CountsKnown = false;
        }
        m_requirement = m_firstRequirement;
        bool placed = false;
        int tries = 0;
        int d = m_random.Random(8) + 1;
        bool fits = m_word->Length == 0;
        while (true) {
            if (m_on[d]) {
                placed = PlaceWord(w, d);
                fits = fits || m_candidates[d].Any;
            }
            d = d == 8 ? 1 : d + 1;
            ++tries;
            if (placed)
                break;
            if (tries == 8) {
                if (m_requirement <= 0)
                    break;
                if (!fits) {
                    // No start cell fits at all, so the cycles left only draw their offsets.
                    SkipCycles(d, m_requirement);
                    break;
                }
                --m_requirement;
                tries = 0;
            }
        }
        m_placed[w] = placed;
    }

    // The ranges the scan offsets of direction d are drawn from, rows first; 0 = no draw.
    void OffsetDraws(int d, int length, int& rowDraw, int& columnDraw) const {
        rowDraw = kDirections[d].RowStep == 0 ? m_height
                  : m_height > length         ? m_height - length
                                              : 0;
        columnDraw = kDirections[d].ColumnStep == 0 ? m_width
                     : m_width > length             ? m_width - length
                                                    : 0;
    }

    void SkipCycles(int d, int cycles) {
        std::array<int, 16> draws{};
        int count = 0;
        for (int t = 0; t < 8; ++t, d = d == 8 ? 1 : d + 1)
            if (m_on[d]) {
                OffsetDraws(d, m_word->Length, draws[static_cast<std::size_t>(count)],
                            draws[static_cast<std::size_t>(count + 1)]);
                count += 2;
            }
        for (int c = 0; c < cycles; ++c)
            for (int i = 0; i < count; ++i)
                m_random.Skip(draws[static_cast<std::size_t>(i)]);
    }

    // The start rows and columns of direction d from which the whole word lies in the grid.
    void StartRanges(int d, int length, Range& rows, Range& columns) const {
        rows = {1, m_height};
        columns = {1, m_width};
        if (kDirections[d].RowStep < 0)
            rows = {length, m_height};
        else if (kDirections[d].RowStep > 0)
            rows = {1, m_height - length + 1};
        if (kDirections[d].ColumnStep > 0)
            columns = {1, m_width - length + 1};
        else if (kDirections[d].ColumnStep < 0)
            columns = {length, m_width};
    }

    bool PlaceWord(int w, int d) {
        const int length = m_word->Length;
        Range rows, columns;
        StartRanges(d, length, rows, columns);

        // Whether a start cell passes depends on the grid only, not on where the scan
        // starts; when none does, the scan's offsets are drawn but not worked out.
        const bool possible = length == 0 ? m_requirement <= 0 : AnyPasses(d, rows, columns);
        int rowDraw, columnDraw;
        OffsetDraws(d, length, rowDraw, columnDraw);
        if (!possible) {
            m_random.Skip(rowDraw);
            m_random.Skip(columnDraw);
            return false;
        }
        // The offsets where the scan starts; the row offset is drawn first.
        const int u = rowDraw > 0 ? m_random.Random(rowDraw) : 0;
        const int v = columnDraw > 0 ? m_random.Random(columnDraw) : 0;

        Range rowsA{rows.Lo + u, rows.Hi};
        Range rowsB{rows.Lo, rows.Lo + u - 1};
        if (d == kUpRight) {
            rowsA = {rows.Hi - u + 1, rows.Hi};
            rowsB = {rows.Lo, rows.Hi - u};
        }
        const Range columnsA{columns.Lo + v, columns.Hi};
        const Range columnsB{columns.Lo, columns.Lo + v - 1};
        const bool rowsFirst = d == kRight || d == kLeft;
        const std::array<std::pair<Range, Range>, 4> blocks{{
            {rowsA, columnsA},
            rowsFirst ? std::pair{rowsB, columnsA} : std::pair{rowsA, columnsB},
            rowsFirst ? std::pair{rowsA, columnsB} : std::pair{rowsB, columnsA},
            {rowsB, columnsB},
        }};

        if (length == 0) {
            // Nothing to examine: the first start cell of the scan passes.
            for (const auto& [r, c] : blocks)
                if (!r.Empty() && !c.Empty())
                    return Lay(w, d, r.Lo, c.Lo);
            return false;
        }
        const DirectionCandidates& candidates = m_candidates[d];
        for (const auto& [blockRows, blockColumns] : blocks) {
            const Mask columnBits = ColumnMask(blockColumns);
            if (columnBits == 0)
                continue;
            for (int r = blockRows.Lo; r <= blockRows.Hi; ++r)
                if (const Mask hits = Passing(candidates, r) & columnBits)
                    return Lay(w, d, r, std::countr_zero(hits) + 1);
        }
        return false;
    }

    // True when some start cell of direction d fits the word and meets the current crossing
    // requirement. Works out as little as that needs and keeps it for the word's next tries.
    bool AnyPasses(int d, Range rows, Range columns) {
        DirectionCandidates& candidates = m_candidates[d];
        if (!candidates.Known)
            FindFits(d, rows, columns, candidates);
        if (!candidates.Any)
            return false;
        if (m_requirement == 0)
            return true;
        if (!candidates.CountsKnown)
            CountCrossings(d, rows, candidates);
        return candidates.PassAny[static_cast<std::size_t>(m_requirement + 2)];
    }

    // The start cells of row r that fit and meet the current crossing requirement.
    Mask Passing(const DirectionCandidates& candidates, int r) const {
        const Mask fits = candidates.Fits[r];
        switch (m_requirement) {
        case -2:
            return fits & ~candidates.AtLeast[0][r];
        case -1:
            return fits & ~candidates.AtLeast[1][r];
        case 0:
            return fits;
        default:
            return fits & candidates.AtLeast[static_cast<std::size_t>(m_requirement - 1)][r];
        }
    }

    void FindFits(int d, Range rows, Range columns, DirectionCandidates& candidates) {
        switch (d) {
        case 1:
            FindFitsAlong<-1, 0>(rows, columns, candidates);
            break;
        case 2:
            FindFitsAlong<-1, 1>(rows, columns, candidates);
            break;
        case 3:
            FindFitsAlong<0, 1>(rows, columns, candidates);
            break;
        case 4:
            FindFitsAlong<1, 1>(rows, columns, candidates);
            break;
        case 5:
            FindFitsAlong<1, 0>(rows, columns, candidates);
            break;
        case 6:
            FindFitsAlong<1, -1>(rows, columns, candidates);
            break;
        case 7:
            FindFitsAlong<0, -1>(rows, columns, candidates);
            break;
        default:
            FindFitsAlong<-1, -1>(rows, columns, candidates);
        }
    }

    // Works through the word letter by letter over all start rows at once, so that the
    // search ends as soon as no start cell is left.
    template <int RowStep, int ColumnStep>
    void FindFitsAlong(Range rows, Range columns, DirectionCandidates& candidates) {
        const PreparedWord& word = *m_word;
        candidates.Known = true;
        candidates.Any = false;
        const Mask starts = ColumnMask(columns);
        if (rows.Empty() || starts == 0)
            return;
        const int count = rows.Hi - rows.Lo + 1;
        const int padded = (count + kLanes - 1) / kLanes * kLanes;
        Mask* fits = candidates.Fits.data() + rows.Lo;
        for (int i = 0; i < padded; ++i)
            fits[i] = i < count ? starts : 0;
        // Letter by letter over all start rows at once, until no start cell is left.
        Mask any = starts;
        for (int k = 0; k < word.Length && any != 0; ++k) {
            const int first = rows.Lo + k * RowStep;
            const Mask* free = m_free.data() + first;
            const Mask* letter = m_letterRows[word.LetterIds[k]].data() + first;
            Lanes anyLanes{};
            for (int i = 0; i < padded; i += kLanes) {
                const Lanes suits = LoadLanes(free + i) | LoadLanes(letter + i);
                const Lanes left = LoadLanes(fits + i) & Along<ColumnStep>(suits, k);
                StoreLanes(fits + i, left);
                anyLanes |= left;
            }
            any = AnyLane(anyLanes);
        }
        candidates.Any = any != 0;
    }

    void CountCrossings(int d, Range rows, DirectionCandidates& candidates) {
        switch (d) {
        case 1:
            CountCrossingsAlong<-1, 0>(rows, candidates);
            break;
        case 2:
            CountCrossingsAlong<-1, 1>(rows, candidates);
            break;
        case 3:
            CountCrossingsAlong<0, 1>(rows, candidates);
            break;
        case 4:
            CountCrossingsAlong<1, 1>(rows, candidates);
            break;
        case 5:
            CountCrossingsAlong<1, 0>(rows, candidates);
            break;
        case 6:
            CountCrossingsAlong<1, -1>(rows, candidates);
            break;
        case 7:
            CountCrossingsAlong<0, -1>(rows, candidates);
            break;
        default:
            CountCrossingsAlong<-1, -1>(rows, candidates);
        }
    }

    // Counts, up to four, the letters already in the grid under each fitting start cell.
    template <int RowStep, int ColumnStep>
    void CountCrossingsAlong(Range rows, DirectionCandidates& candidates) {
        const int length = m_word->Length;
        const int count = rows.Hi - rows.Lo + 1;
        Lanes none{}, atMostOne{}, anyOne{}, anyTwo{}, anyThree{}, anyFour{};
        for (int i = 0; i < count; i += kLanes) {
            const int r0 = rows.Lo + i;
            const Lanes fits = LoadLanes(candidates.Fits.data() + r0);
            Lanes one{}, two{}, three{}, four{};
            for (int k = 0; k < length; ++k) {
                const Lanes t =
                    Along<ColumnStep>(LoadLanes(m_taken.data() + r0 + k * RowStep), k) & fits;
                four |= three & t;
                three |= two & t;
                two |= one & t;
                one |= t;
            }
            StoreLanes(candidates.AtLeast[0].data() + r0, one);
            StoreLanes(candidates.AtLeast[1].data() + r0, two);
            StoreLanes(candidates.AtLeast[2].data() + r0, three);
            StoreLanes(candidates.AtLeast[3].data() + r0, four);
            none |= fits & ~one;
            atMostOne |= fits & ~two;
            anyOne |= one;
            anyTwo |= two;
            anyThree |= three;
            anyFour |= four;
        }
        candidates.PassAny = {AnyLane(none) != 0,   AnyLane(atMostOne) != 0, true,
                              AnyLane(anyOne) != 0, AnyLane(anyTwo) != 0,    AnyLane(anyThree) != 0,
                              AnyLane(anyFour) != 0};
        candidates.CountsKnown = true;
    }

    bool Lay(int w, int d, int r, int c) {
        const PreparedWord& word = *m_word;
        const int step = CellStep(d);
        const int p0 = (r - 1) * kSide + c;
        unsigned char* grid = m_working.Data() + PuzzleRecord::kWordGridOffset;
        for (int k = 0; k < word.Length; ++k) {
            const int row = r + k * kDirections[d].RowStep;
            const Mask bit = Mask{1} << (c + k * kDirections[d].ColumnStep - 1);
            grid[p0 + k * step - 1] = word.Letters[static_cast<std::size_t>(k)];
            m_free[row] &= ~bit;
            m_taken[row] |= bit;
            const int id = word.LetterIds[static_cast<std::size_t>(k)];
            m_letterRows[static_cast<std::size_t>(id)][row] |= bit;
            if (!m_letterUsed[static_cast<std::size_t>(id)]) {
                m_letterUsed[static_cast<std::size_t>(id)] = true;
                m_usedLetters.push_back(id);
            }
        }
        m_start[w] = static_cast<std::int16_t>(p0);
        m_end[w] = static_cast<std::int16_t>(p0 + (word.Length - 1) * step);
        return true;
    }

    // Only the bottom rows and the right-hand columns go; row 1 and column 1 always stay.
    void Shrink() {
        int height = m_height;
        while (height >= 2 && m_taken[height] == 0)
            --height;
        Mask columns = 0;
        for (int r = 1; r <= m_height; ++r)
            columns |= m_taken[r];
        int width = m_width;
        while (width >= 2 && (columns & (Mask{1} << (width - 1))) == 0)
            --width;
        m_working.SetGridWidth(static_cast<std::int16_t>(width));
        m_working.SetGridHeight(static_cast<std::int16_t>(height));
    }

    // Placed words first, then the others, each in byte order, with their clues and cells.
    void WriteEntries() {
        m_flags = {};
        int entry = 0;
        for (int pass = 0; pass < 2; ++pass) {
            const bool placed = pass == 0;
            for (int i = 1; i <= m_count; ++i) {
                const int w = m_byteOrder[i];
                if (m_placed[w] != placed)
                    continue;
                ++entry;
                if (m_written[entry] != m_source[w])
                    CopyEntry(entry, m_source[w]);
                bytes::SetI16(m_working.Data() + PuzzleRecord::StartCellOffset(entry), m_start[w]);
                bytes::SetI16(m_working.Data() + PuzzleRecord::EndCellOffset(entry), m_end[w]);
                m_flags[static_cast<std::size_t>(entry - 1)] = placed;
            }
            if (placed)
                m_placedCount = entry;
        }
        m_working.SetWordCount(static_cast<std::int16_t>(m_placedCount));
    }
};

// Slots hold the best four attempts; equal scores keep the earlier attempt higher.
void Keep(CandidateSlots& slots, int score, const PuzzleRecord& puzzle, const PlacedFlags& flags) {
    std::size_t at = 0;
    while (at < slots.size() && score <= slots[at].Score)
        ++at;
    if (at == slots.size())
        return;
    for (std::size_t s = slots.size() - 1; s > at; --s)
        slots[s] = slots[s - 1];
    slots[at].Score = score;
    slots[at].Puzzle = puzzle;
    slots[at].Placed = flags;
}

} // namespace

BuildOutcome BuildThePuzzles(PuzzleRecord& working, const ShapeRecord& shape,
                             const CreateOptions& options, const OffensiveWordList& filter,
                             RandomSource& random, CandidateSlots& slots,
                             const BuildProgress* progress) {
    BuildOutcome outcome;
    auto builder = std::make_unique<Builder>(working, shape, options, random);
    const int attempts = std::clamp(options.Attempts, 1, 999);
    const bool reports = attempts >= 2 && progress != nullptr;
    const int wordCount = builder->Saved().UsedWordCount();
    for (CandidateSlot& slot : slots)
        slot.Score = 0;

    int attempt = 0;
    int rejectedInARow = 0;
    do {
        ++attempt;
        if (reports && progress->AttemptStarted)
            progress->AttemptStarted(attempt);
        builder->Attempt();
        if (TestBadWords(working, builder->Flags(), filter)) {
            // Repeated under the same number, up to the bound.
            if (++rejectedInARow == kRejectionsPerAttempt) {
                rejectedInARow = 0;
                ++outcome.GivenUpAttempts;
            } else {
                --attempt;
            }
        } else {
            rejectedInARow = 0;
            Keep(slots, builder->Placed(), working, builder->Flags());
        }
        // Four complete grids cannot be bettered.
        if (slots.back().Score == wordCount)
            attempt = attempts;
        if (reports && progress->AbortRequested && progress->AbortRequested())
            outcome.Aborted = true;
    } while (!outcome.Aborted && attempt != attempts);

    outcome.LastAttempt = attempt;
    working = builder->Saved();
    return outcome;
}

} // namespace vorlane
