// The main window: how long the program takes from start to a shown window, and how long
// the refresh that every side, style and travel change ends with takes when both sides
// are complete (two sweeps and the five small graphs drawn twice).
#include "mainwindow/main_window.h"
#include "model/project_file.h"
#include "model/project_file_io.h"
#include "platform/file_dialogs.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>
#include <string>

namespace {

using namespace velmora;

class NoFileDialogs : public FileDialogs {
public:
    std::optional<QString> openFileName(QWidget*, const QString&) override { return {}; }
    std::optional<QString> saveFileName(QWidget*, const QString&) override { return {}; }
};

NoFileDialogs dialogs;
RecordingMessageSink messages;

void BM_StartUpUntilShown(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>(MainWindowServices{dialogs, messages, {}});
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpUntilShown)->Unit(benchmark::kMillisecond);

void BM_SelectSideBothComplete(benchmark::State& state) {
    MainWindow window(MainWindowServices{dialogs, messages, {}});
    window.show();
    QApplication::processEvents();
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/gm-dirt-oval.kqw");
    if (!read.ok()) {
        state.SkipWithError("the sample project could not be read");
        return;
    }
    applyProjectData(window.state(), *read.project);
    for (auto _ : state) {
        window.selectLeft();
        benchmark::DoNotOptimize(window.state().CamberChange[1]);
    }
    if (!messages.messages.empty())
        state.SkipWithError("the sweep reported a message");
}
BENCHMARK(BM_SelectSideBothComplete)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
