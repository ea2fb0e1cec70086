// Drawing a puzzle page: recording it with real fonts, playing it onto a 2000-pixel-wide
// picture, and the whole export of that picture as a PNG.
#include "core/collection_file.h"
#include "core/random_source.h"
#include "qt/page_renderer.h"
#include "qt/png_writer.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string SamplePath() {
    const char* dir = std::getenv("VORLANE_SAMPLE_DIR");
    return std::string(dir ? dir : VORLANE_BIN_DIR) + "/SAMPLE.VL3";
}

vorlane::PrintOptions AnswerKey() {
    vorlane::PrintOptions options;
    options.AnswerKey = true;
    options.WordOption = 2;
    return options;
}

bool ReadSample(vorlane::PuzzleRecord& puzzle, benchmark::State& state) {
    if (vorlane::CollectionFile(SamplePath()).Read(0, puzzle))
        return true;
    state.SkipWithError("SAMPLE.VL3 was not found");
    return false;
}

void BM_RecordPage(benchmark::State& state) {
    vorlane::PuzzleRecord puzzle;
    if (!ReadSample(puzzle, state))
        return;
    vorlane::RandomSource random(98);
    for (auto _ : state) {
        vorlane::PageRenderer renderer(puzzle, AnswerKey(), random);
        benchmark::DoNotOptimize(renderer.Page().Stream.Ops.size());
    }
}
BENCHMARK(BM_RecordPage)->Unit(benchmark::kMillisecond);

void BM_PlayTo2000Pixels(benchmark::State& state) {
    vorlane::PuzzleRecord puzzle;
    if (!ReadSample(puzzle, state))
        return;
    vorlane::RandomSource random(98);
    const vorlane::PageRenderer renderer(puzzle, AnswerKey(), random);
    for (auto _ : state) {
        QImage image = renderer.RenderImage(2000);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_PlayTo2000Pixels)->Unit(benchmark::kMillisecond);

void BM_RenderAndWritePng2000(benchmark::State& state) {
    vorlane::PuzzleRecord puzzle;
    if (!ReadSample(puzzle, state))
        return;
    vorlane::RandomSource random(98);
    const std::string path =
        (std::filesystem::temp_directory_path() / "vorlane-render-bench.png").string();
    for (auto _ : state) {
        vorlane::PageRenderer renderer(puzzle, AnswerKey(), random);
        if (!vorlane::PngWriter::Write(path, renderer.RenderImage(2000)))
            state.SkipWithError("cannot write the PNG");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_RenderAndWritePng2000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
