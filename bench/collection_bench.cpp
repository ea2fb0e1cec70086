// Listing, appending, replacing and deleting in collections of everyday and large sizes.
#include "bench_collections.h"
#include "core/collection_file.h"
#include "core/puzzle_lists.h"
#include "core/safe_file.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using vorlane::CollectionFile;
using vorlane::PuzzleRecord;
using vorlane::bench::BenchFolder;
using vorlane::bench::Record;
using vorlane::bench::SparseCollection;

// A real file of whole records.
std::string FullCollection(const std::string& name, int records) {
    std::string path = BenchFolder() + "/" + name;
    int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    for (int i = 0; i < records; ++i) {
        PuzzleRecord r = Record(i);
        if (::write(fd, r.Data(), PuzzleRecord::kSize) != static_cast<ssize_t>(PuzzleRecord::kSize))
            std::abort();
    }
    ::fsync(fd);
    ::close(fd);
    return path;
}

void BM_ListCollection(benchmark::State& state) {
    CollectionFile file(SparseCollection(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(file.List());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ListCollection)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// What the main window does: list, fill both sorted boxes and show the first category.
void BM_LoadInPuzzles(benchmark::State& state) {
    CollectionFile file(SparseCollection(static_cast<int>(state.range(0))));
    vorlane::PuzzleLists lists;
    for (auto _ : state)
        lists.LoadInPuzzles(file);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadInPuzzles)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_Append(benchmark::State& state) {
    std::string path = FullCollection("append.VL3", 1000);
    CollectionFile file(path);
    PuzzleRecord r = Record(1000);
    for (auto _ : state) {
        file.Append(r);
        state.PauseTiming();
        ::truncate(path.c_str(), static_cast<off_t>(1000) * PuzzleRecord::kSize);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Append)->Unit(benchmark::kMillisecond);

void BM_Replace(benchmark::State& state) {
    CollectionFile file(FullCollection("replace.VL3", 1000));
    PuzzleRecord r = Record(5000);
    for (auto _ : state)
        file.Replace(500, r);
}
BENCHMARK(BM_Replace)->Unit(benchmark::kMillisecond);

void BM_DeleteFirst(benchmark::State& state) {
    std::string path = FullCollection("delete.VL3", 1000);
    CollectionFile file(path);
    PuzzleRecord first = Record(0);
    for (auto _ : state) {
        file.Delete(0);
        state.PauseTiming();
        file.Append(first); // back to 1,000 records; which record is first does not matter
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * 999 *
                            static_cast<std::int64_t>(PuzzleRecord::kSize));
}
BENCHMARK(BM_DeleteFirst)->Unit(benchmark::kMillisecond);

// The yardstick for a delete: copying the same file into a new one and flushing it.
void BM_CopyFileBaseline(benchmark::State& state) {
    std::string path = FullCollection("copy.VL3", 1000);
    std::string copy = path + ".copy";
    for (auto _ : state) {
        vorlane::File in = vorlane::File::Open(path, vorlane::File::Mode::ReadOnly);
        vorlane::File out = vorlane::File::Create(copy);
        out.CopyFrom(in, 0, in.Size(), 0);
        out.Sync();
    }
    state.SetBytesProcessed(state.iterations() * 1000 *
                            static_cast<std::int64_t>(PuzzleRecord::kSize));
}
BENCHMARK(BM_CopyFileBaseline)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
