#include "generate/reference_builder.h"

#include "core/text.h"

#include <algorithm>
#include <memory>
#include <string>

namespace vorlane::test {

namespace {

struct Range {
    int Lo;
    int Hi;
};

// Direction numbers 1..8 run clockwise from Up.
const int kRowStep[9] = {0, -1, -1, 0, 1, 1, 1, 0, -1};
const int kColumnStep[9] = {0, 0, 1, 1, 1, 0, -1, -1, -1};

bool DirectionOn(const DirectionSet& set, int d) {
    switch (d) {
    case 1:
        return set.Up;
    case 2:
        return set.UpRight;
    case 3:
        return set.Right;
    case 4:
        return set.DownRight;
    case 5:
        return set.Down;
    case 6:
        return set.DownLeft;
    case 7:
        return set.Left;
    default:
        return set.UpLeft;
    }
}

int StoredLength(const PuzzleRecord& p, int entry) {
    return static_cast<int>(p.Word(entry).size());
}

void SwapBytes(PuzzleRecord& p, std::size_t a, std::size_t b, std::size_t size) {
    std::swap_ranges(p.Data() + a, p.Data() + a + size, p.Data() + b);
}

void SwapWordAndClue(PuzzleRecord& p, int a, int b) {
    SwapBytes(p, PuzzleRecord::WordOffset(a), PuzzleRecord::WordOffset(b), 31);
    SwapBytes(p, PuzzleRecord::ClueOffset(a), PuzzleRecord::ClueOffset(b), 151);
}

class Reference {
public:
    Reference(PuzzleRecord& p, const ShapeRecord& shape, const CreateOptions& options,
              RandomSource& random)
        : P(p), Shape(shape), Options(options), Rand(random) {}

    PlacedFlags Flags{};

    void OneAttempt(const PuzzleRecord& saved) {
        P = saved;
        Flags = {};
        int n = P.UsedWordCount();
        for (int i = 1; i <= n; ++i)
            for (int j = n; j >= i + 1; --j)
                if (StoredLength(P, j - 1) < StoredLength(P, j))
                    SwapWordAndClue(P, j - 1, j);
        int count = 0;
        for (int i = 1; i <= n; ++i)
            if (StoredLength(P, i) != 0)
                count = count + 1;
        n = count;
        P.SetWordCount(static_cast<std::int16_t>(n));
        for (int cell = 1; cell <= 2500; ++cell) {
            P.SetWordGridCell(cell, ' ');
            P.SetFillGridCell(cell, ' ');
        }
        W = std::min(P.UsedWidth(), 30);
        H = std::min(P.UsedHeight(), 30);
        for (int w = 1; w <= n; ++w)
            PlaceOneWord(w);
        if (Options.Shrink) {
            for (int row = H; row >= 2; --row) {
                bool letter = false;
                for (int c = 1; c <= W; ++c)
                    if (P.WordGridCell(PuzzleRecord::CellIndex(row, c)) != ' ')
                        letter = true;
                if (letter)
                    break;
                H = H - 1;
            }
            for (int c = W; c >= 2; --c) {
                bool letter = false;
                for (int row = 1; row <= 50; ++row)
                    if (P.WordGridCell(PuzzleRecord::CellIndex(row, c)) != ' ')
                        letter = true;
                if (letter)
                    break;
                W = W - 1;
            }
            P.SetGridWidth(static_cast<std::int16_t>(W));
            P.SetGridHeight(static_cast<std::int16_t>(H));
        }
        for (int cell = 1; cell <= 2500; ++cell) {
            if (!Shape.Cell(cell))
                P.SetWordGridCell(cell, 0);
            else if (P.WordGridCell(cell) != ' ')
                P.SetWordGridCell(cell, UpperCase1252(P.WordGridCell(cell)));
        }
        for (int i = 1; i <= n; ++i)
            for (int j = n; j >= i + 1; --j)
                if (P.Word(j - 1) > P.Word(j))
                    SwapAllFive(j - 1, j);
        for (int i = 1; i <= n; ++i)
            for (int j = n; j >= i + 1; --j)
                if (!Flags[j - 2] && Flags[j - 1])
                    SwapAllFive(j - 1, j);
        int placedCount = 0;
        for (int i = 1; i <= 330; ++i)
            if (Flags[i - 1])
                placedCount = placedCount + 1;
        P.SetWordCount(static_cast<std::int16_t>(placedCount));
    }

private:
    PuzzleRecord& P;
    const ShapeRecord& Shape;
    const CreateOptions& Options;
    RandomSource& Rand;
    int W = 0;
    int H = 0;
    std::string S;
    int L = 0;
    int Q = 0;
    bool Done = false;

    void SwapAllFive(int a, int b) {
        SwapWordAndClue(P, a, b);
        SwapBytes(P, PuzzleRecord::StartCellOffset(a), PuzzleRecord::StartCellOffset(b), 2);
        SwapBytes(P, PuzzleRecord::EndCellOffset(a), PuzzleRecord::EndCellOffset(b), 2);
        std::swap(Flags[a - 1], Flags[b - 1]);
    }

    void PlaceOneWord(int w) {
        S.clear();
        for (char c : P.Word(w))
            if (c != ' ')
                S += static_cast<char>(UpperCase1252(static_cast<unsigned char>(c)));
        L = static_cast<int>(S.size());
        Q = std::clamp(Options.Integration, 0, 6) - 2;
        Flags[w - 1] = true;
        Done = false;
        int tries = 0;
        int d = Rand.Random(8) + 1;
        while (true) {
            if (DirectionOn(Options.Directions, d))
                PlaceWord(w, d);
            d = d + 1;
            if (d == 9)
                d = 1;
            tries = tries + 1;
            if (!Done && tries == 8) {
                if (Q > 0) {
                    Q = Q - 1;
                    tries = 0;
                } else {
                    Flags[w - 1] = false;
                    break;
                }
            }
            if (Done)
                break;
        }
    }

    void PlaceWord(int w, int d) {
        Range rows{1, H};
        Range columns{1, W};
        if (kRowStep[d] == -1)
            rows = {L, H};
        if (kRowStep[d] == 1)
            rows = {1, H - L + 1};
        if (kColumnStep[d] == 1)
            columns = {1, W - L + 1};
        if (kColumnStep[d] == -1)
            columns = {L, W};

        int u = 0;
        if (kRowStep[d] != 0) {
            if (H > L)
                u = Rand.Random(H - L);
        } else {
            u = Rand.Random(H);
        }
        int v = 0;
        if (kColumnStep[d] != 0) {
            if (W > L)
                v = Rand.Random(W - L);
        } else {
            v = Rand.Random(W);
        }

        Range rowsA{rows.Lo + u, rows.Hi};
        Range rowsB{rows.Lo, rows.Lo + u - 1};
        if (d == 2) {
            rowsA = {rows.Hi - u + 1, rows.Hi};
            rowsB = {rows.Lo, rows.Hi - u};
        }
        Range columnsA{columns.Lo + v, columns.Hi};
        Range columnsB{columns.Lo, columns.Lo + v - 1};

        if (d == 3 || d == 7) {
            TryBlock(w, d, rowsA, columnsA);
            TryBlock(w, d, rowsB, columnsA);
            TryBlock(w, d, rowsA, columnsB);
            TryBlock(w, d, rowsB, columnsB);
        } else {
            TryBlock(w, d, rowsA, columnsA);
            TryBlock(w, d, rowsA, columnsB);
            TryBlock(w, d, rowsB, columnsA);
            TryBlock(w, d, rowsB, columnsB);
        }
    }

    void TryBlock(int w, int d, Range rows, Range columns) {
        for (int r = rows.Lo; r <= rows.Hi; ++r)
            for (int c = columns.Lo; c <= columns.Hi; ++c)
                if (!Done)
                    TryPlaceAt(w, d, r, c);
    }

    void TryPlaceAt(int w, int d, int r, int c) {
        const int step = kRowStep[d] * 50 + kColumnStep[d];
        const int p0 = (r - 1) * 50 + c;
        int x = 0;
        bool ok = true;
        for (int k = 1; k <= L; ++k) {
            const int p = p0 + (k - 1) * step;
            const unsigned char held = P.WordGridCell(p);
            if (held != ' ')
                x = x + 1;
            if (held != ' ' && held != static_cast<unsigned char>(S[k - 1]))
                ok = false;
            if (!Shape.Cell(p))
                ok = false;
        }
        bool passes = false;
        if (Q == -2)
            passes = x == 0;
        else if (Q == -1)
            passes = x <= 1;
        else if (Q == 0)
            passes = true;
        else
            passes = x >= Q;
        if (ok && passes) {
            for (int k = 1; k <= L; ++k)
                P.SetWordGridCell(p0 + (k - 1) * step, static_cast<unsigned char>(S[k - 1]));
            P.SetStartCell(w, static_cast<std::int16_t>(p0));
            P.SetEndCell(w, static_cast<std::int16_t>(p0 + (L - 1) * step));
            Flags[w - 1] = true;
            Done = true;
        }
    }
};

void Keep(CandidateSlots& slots, int s, const PuzzleRecord& p, const PlacedFlags& flags) {
    int at = 0;
    if (s > slots[0].Score)
        at = 1;
    else if (s > slots[1].Score)
        at = 2;
    else if (s > slots[2].Score)
        at = 3;
    else if (s > slots[3].Score)
        at = 4;
    if (at == 0)
        return;
    for (int k = 4; k > at; --k)
        slots[k - 1] = slots[k - 2];
    slots[at - 1].Score = s;
    slots[at - 1].Puzzle = p;
    slots[at - 1].Placed = flags;
}

} // namespace

BuildOutcome ReferenceBuildThePuzzles(PuzzleRecord& working, const ShapeRecord& shape,
                                      const CreateOptions& options, const OffensiveWordList& filter,
                                      RandomSource& random, CandidateSlots& slots,
                                      const BuildProgress* progress) {
    BuildOutcome outcome;
    auto saved = std::make_unique<PuzzleRecord>(working);
    const int a = std::clamp(options.Attempts, 1, 999);
    const int n0 = saved->UsedWordCount();
    for (CandidateSlot& slot : slots)
        slot.Score = 0;
    int attempt = 0;
    int rejectedInARow = 0;
    Reference reference(working, shape, options, random);
    while (true) {
        attempt = attempt + 1;
        if (a >= 2 && progress != nullptr && progress->AttemptStarted)
            progress->AttemptStarted(attempt);
        reference.OneAttempt(*saved);
        if (TestBadWords(working, reference.Flags, filter)) {
            rejectedInARow = rejectedInARow + 1;
            if (rejectedInARow == 200) {
                rejectedInARow = 0;
                outcome.GivenUpAttempts = outcome.GivenUpAttempts + 1;
            } else {
                attempt = attempt - 1;
            }
        } else {
            rejectedInARow = 0;
            Keep(slots, working.WordCount(), working, reference.Flags);
        }
        if (slots[3].Score == n0)
            attempt = a;
        if (a >= 2 && progress != nullptr && progress->AbortRequested && progress->AbortRequested())
            outcome.Aborted = true;
        if (outcome.Aborted || attempt == a)
            break;
    }
    outcome.LastAttempt = attempt;
    working = *saved;
    return outcome;
}

} // namespace vorlane::test
