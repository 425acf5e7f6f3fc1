// The Dive and Roll window while the Up key is held on its roll box: one step of the box,
// until the window has painted the new state (offscreen).
#include "model/project_file.h"
#include "model/project_file_io.h"
#include "ui/chassis/dive_roll_window.h"
#include "ui/chassis/step_box.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <string>

namespace {

using namespace velmora;

void BM_RollStepUntilPainted(benchmark::State& run) {
    SuspensionState state;
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/gm-dirt-oval.kqw");
    if (read.ok()) {
        applyProjectData(state, *read.project);
    }
    DiveRollWindow window(state);
    window.resize(1100, 720);
    window.show();
    QApplication::processEvents();
    auto* roll = window.findChild<StepBox*>(QStringLiteral("txtRoll"));
    int steps = 0;
    for (auto _ : run) {
        // Up to 4 degrees and back to 0, as a held key and a few typed values would.
        if (++steps > 40) {
            steps = 0;
            roll->setValue(0);
        }
        roll->stepBy(1);
        window.repaint();
        benchmark::DoNotOptimize(window.current());
    }
}
BENCHMARK(BM_RollStepUntilPainted)->Unit(benchmark::kMillisecond);

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
