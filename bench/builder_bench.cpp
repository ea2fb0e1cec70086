// Creation runs of everyday and largest sizes, in attempts per second. Attempts that the
// offensive-word check rejects and repeats count too, as each is a whole attempt's work.
#include "core/random_source.h"
#include "generate/grid_builder.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace {

using namespace vorlane;

// count words of minLength..maxLength random lower-case letters, always the same ones.
PuzzleRecord WordList(int side, int count, int minLength, int maxLength) {
    PuzzleRecord record;
    record.SetGridWidth(static_cast<std::int16_t>(side));
    record.SetGridHeight(static_cast<std::int16_t>(side));
    std::mt19937 letters(12345);
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::uniform_int_distribution<int> letter('a', 'z');
    for (int entry = 1; entry <= count; ++entry) {
        std::string word;
        for (int n = length(letters); n > 0; --n)
            word += static_cast<char>(letter(letters));
        record.SetWord(entry, word);
        record.SetClue(entry, "Clue " + std::to_string(entry));
    }
    record.SetWordCount(static_cast<std::int16_t>(count));
    return record;
}

void Run(benchmark::State& state, int side, int count, int minLength, int maxLength, int attempts) {
    PuzzleRecord working = WordList(side, count, minLength, maxLength);
    const ShapeRecord shape = ShapeRecord::Blank("Square", side, side);
    CreateOptions options;
    options.Directions = {true, true, true, true, true, true, true, true};
    options.Integration = 6;
    options.Attempts = attempts;
    const OffensiveWordList filter;
    auto slots = std::make_unique<CandidateSlots>();
    RandomSource random(7);
    long long done = 0;
    BuildProgress progress;
    progress.AttemptStarted = [&](int) { ++done; };
    progress.AbortRequested = [] { return false; };
    for (auto _ : state) {
        BuildThePuzzles(working, shape, options, filter, random, *slots, &progress);
        benchmark::DoNotOptimize(slots->front().Score);
    }
    state.counters["attempts/s"] =
        benchmark::Counter(static_cast<double>(done), benchmark::Counter::kIsRate);
    state.counters["best"] = slots->front().Score;
}

void BM_Square15Words20(benchmark::State& state) {
    Run(state, 15, 20, 4, 9, 8);
}
void BM_Square30Words100(benchmark::State& state) {
    Run(state, 30, 100, 4, 12, 8);
}
void BM_Square30Words330Attempts999(benchmark::State& state) {
    Run(state, 30, 330, 4, 12, 999);
}

BENCHMARK(BM_Square15Words20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Square30Words100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Square30Words330Attempts999)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
