// The offensive-word check on full-size grids: once per creation attempt (up to 999 of a
// 30 x 30 grid) and once per set of random letters when a result is saved.
#include "core/random_source.h"
#include "generate/hidden_phrase.h"
#include "generate/word_filter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using vorlane::OffensiveWordList;
using vorlane::PlacedFlags;
using vorlane::PuzzleRecord;
using vorlane::RandomSource;

std::string RandomWord(RandomSource& random, int length) {
    std::string word;
    for (int i = 0; i < length; ++i)
        word.push_back(static_cast<char>('a' + random.Random(26)));
    return word;
}

// The built-in entries and 62 more, as a full BADLIST.TXT gives.
const OffensiveWordList& FullList() {
    static const OffensiveWordList list = [] {
        OffensiveWordList l;
        RandomSource random(11);
        while (l.Add(RandomWord(random, 4 + random.Random(8))))
            ;
        return l;
    }();
    return list;
}

// A 30 x 30 grid with 60 words of 5..9 letters laid across and down wherever they fit
// (no crossings, for simplicity); the free cells hold spaces as during a creation attempt.
struct Attempt {
    PuzzleRecord Puzzle;
    PlacedFlags Placed{};
};

Attempt BuilderAttempt() {
    Attempt a;
    PuzzleRecord& p = a.Puzzle;
    p.SetGridWidth(30);
    p.SetGridHeight(30);
    for (int cell = 1; cell <= PuzzleRecord::kCellCount; ++cell) {
        p.SetWordGridCell(cell, ' ');
        p.SetFillGridCell(cell, ' ');
    }
    RandomSource random(5);
    int entry = 0;
    for (int tries = 0; tries < 2000 && entry < 60; ++tries) {
        const int length = 5 + random.Random(5);
        const bool down = random.Random(2) == 1;
        const int row = 1 + random.Random(down ? 31 - length : 30);
        const int column = 1 + random.Random(down ? 30 : 31 - length);
        const int step = down ? 50 : 1;
        const int start = PuzzleRecord::CellIndex(row, column);
        bool free = true;
        for (int i = 0; i < length; ++i)
            free = free && p.WordGridCell(start + i * step) == ' ';
        if (!free)
            continue;
        std::string word = RandomWord(random, length);
        for (char& c : word)
            c = static_cast<char>(c - 32);
        ++entry;
        for (int i = 0; i < length; ++i)
            p.SetWordGridCell(start + i * step, static_cast<unsigned char>(word[i]));
        p.SetWord(entry, word);
        p.SetStartCell(entry, static_cast<std::int16_t>(start));
        p.SetEndCell(entry, static_cast<std::int16_t>(start + (length - 1) * step));
        a.Placed[static_cast<std::size_t>(entry - 1)] = true;
    }
    p.SetWordCount(static_cast<std::int16_t>(entry));
    return a;
}

void BM_TestBadWords_CreationAttempt(benchmark::State& state) {
    const Attempt a = BuilderAttempt();
    const OffensiveWordList& list = FullList();
    for (auto _ : state)
        benchmark::DoNotOptimize(vorlane::TestBadWords(a.Puzzle, a.Placed, list));
}
BENCHMARK(BM_TestBadWords_CreationAttempt);

// A whole run's worth of checks: 999 attempts.
void BM_TestBadWords_999Attempts(benchmark::State& state) {
    const Attempt a = BuilderAttempt();
    const OffensiveWordList& list = FullList();
    for (auto _ : state)
        for (int i = 0; i < 999; ++i)
            benchmark::DoNotOptimize(vorlane::TestBadWords(a.Puzzle, a.Placed, list));
}
BENCHMARK(BM_TestBadWords_999Attempts)->Unit(benchmark::kMillisecond);

// A 30 x 30 grid of nothing but random letters, the worst case for the scan: every line
// is read whole and listed words turn up now and then. Each iteration draws new letters.
void BM_FillAndTest_AllFree(benchmark::State& state) {
    Attempt a;
    a.Puzzle.SetGridWidth(30);
    a.Puzzle.SetGridHeight(30);
    for (int cell = 1; cell <= PuzzleRecord::kCellCount; ++cell)
        a.Puzzle.SetWordGridCell(cell, ' ');
    const OffensiveWordList& list = FullList();
    RandomSource random(3);
    std::int64_t hits = 0;
    for (auto _ : state) {
        vorlane::FillRandomLetters(a.Puzzle, random);
        hits += vorlane::TestBadWords(a.Puzzle, a.Placed, list);
    }
    state.counters["hit rate"] =
        benchmark::Counter(static_cast<double>(hits) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_FillAndTest_AllFree);

// The repeated-word check of a save: the 60 listed words through the free cells.
void BM_FindThroughFreeCell(benchmark::State& state) {
    Attempt a = BuilderAttempt();
    std::vector<std::string> words;
    for (int entry = 1; entry <= a.Puzzle.UsedWordCount(); ++entry)
        words.push_back(a.Puzzle.Word(entry));
    const vorlane::GridWordSearch search(words);
    RandomSource random(9);
    vorlane::FillRandomLetters(a.Puzzle, random);
    for (auto _ : state)
        benchmark::DoNotOptimize(search.FindThroughFreeCell(a.Puzzle));
}
BENCHMARK(BM_FindThroughFreeCell);

void BM_LoadFullBadList(benchmark::State& state) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vorlane-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        std::abort();
    {
        std::ofstream out(pattern + "/BADLIST.TXT", std::ios::binary);
        RandomSource random(2);
        for (int i = 0; i < 100; ++i)
            out << RandomWord(random, 4 + random.Random(12)) << "\r\n";
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(OffensiveWordList::Load(pattern));
    std::filesystem::remove_all(pattern);
}
BENCHMARK(BM_LoadFullBadList)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
