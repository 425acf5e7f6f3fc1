// Adjust a Point: one nudge until everything that shows the side has been drawn again, without
// painting it on the screen: the trial set applied, both sides swept as selecting a side sweeps
// them, the five small graphs, and the open graph window's curve and picture recorded.
#include "model/project.h"
#include "model/project_file.h"
#include "model/project_file_io.h"
#include "ui/analysis/big_graph.h"
#include "ui/chassis/adjust_point_window.h"
#include "ui/mainwindow/main_window.h"
#include "ui/platform/file_dialogs.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <string>

namespace {

using namespace velmora;

class NoFileDialogs : public FileDialogs {
public:
    std::optional<QString> openFileName(QWidget*, const QString&) override { return {}; }
    std::optional<QString> saveFileName(QWidget*, const QString&) override { return {}; }
};

void BM_NudgeUntilRedrawn(benchmark::State& run) {
    NoFileDialogs dialogs;
    RecordingMessageSink messages;
    MainWindow window(MainWindowServices{dialogs, messages, {}});
    window.show();
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/gm-dirt-oval.kqw");
    if (!read.ok()) {
        run.SkipWithError("the sample project could not be read");
        return;
    }
    window.document().apply(openProjectEdit(projectFromFile(*read.project, {}, {})));
    window.analyze(GraphKind::BumpSteer);
    window.analysisWindows().adjustPoint(16); // the inner tie rod joint's height
    QApplication::processEvents();
    AdjustPointWindow& adjust = *window.windows().adjust;
    double step = 0.0625;
    for (auto _ : run) {
        adjust.nudge(step);
        step = -step; // up and back down, so the geometry stays near the project's
        benchmark::DoNotOptimize(window.windows().graph->view().GraphData()[1]);
    }
    if (!messages.messages.empty()) {
        run.SkipWithError("a sweep reported a message");
    }
    adjust.revert();
}
BENCHMARK(BM_NudgeUntilRedrawn)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
