// The main window on everyday and large collections: start-up with the lists filled, and
// switching the shown category.
#include "bench_collections.h"
#include "core/settings.h"
#include "ui/common/app_context.h"
#include "ui/common/prompter.h"
#include "ui/main/main_win.h"

#include <QApplication>
#include <QListWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using vorlane::bench::BenchFolder;
using vorlane::bench::SparseCollection;

// Answers every question with No and every dialog with Cancel.
class SilentPrompter : public vorlane::Prompter {
public:
    void Inform(const QString&, const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
    std::optional<QString> OpenFile(const vorlane::FileDialogRequest&) override { return {}; }
    std::optional<QString> SaveFile(const vorlane::FileDialogRequest&) override { return {}; }
    std::optional<vorlane::FontChoice> ChooseFont(const QString&,
                                                  const vorlane::FontChoice&) override {
        return {};
    }
    std::optional<QColor> ChooseColor(const QString&, const QColor&) override { return {}; }
    bool PrinterSetup() override { return false; }
    bool OpenDocument(const QString&) override { return false; }
};

struct Fixture {
    explicit Fixture(int records) {
        std::filesystem::create_directories(BenchFolder() + "/program");
        context.startDir = BenchFolder();
        context.programDir = BenchFolder() + "/program";
        context.screen = QSize(1280, 1024);
        context.prompter = &prompter;
        vorlane::Settings settings = vorlane::Settings::Defaults(BenchFolder());
        settings.ShowTips = false;
        settings.LastGroup = SparseCollection(records);
        vorlane::SaveSettings(settings, vorlane::SettingsFilePath(BenchFolder()));
    }
    SilentPrompter prompter;
    vorlane::AppContext context;
};

void BM_StartUpAndShow(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vorlane::TMainWin window(fixture.context);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.Lists().PuzzleBox().Count());
    }
    state.SetLabel(std::to_string(state.range(0)) + " puzzles");
}
BENCHMARK(BM_StartUpAndShow)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SwitchCategory(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)));
    vorlane::TMainWin window(fixture.context);
    window.show();
    auto* categories = window.findChild<QListWidget*>(QStringLiteral("categoryListBox"));
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % categories->count();
        categories->setCurrentRow(row);
        benchmark::DoNotOptimize(window.Lists().PuzzleBox().Count());
    }
    state.SetLabel(std::to_string(state.range(0) / 20) + " titles a category");
}
BENCHMARK(BM_SwitchCategory)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
