// Timing of dive and roll on the sample projects: one state (both corners), the 25-state
// path of the window, and what the window does when the roll box steps: the state, the path,
// both figures and the recorded drawing.
#include "chassis/dive_roll.h"
#include "chassis_pages/roll_figures.h"
#include "drawing/recording_canvas.h"
#include "model/project_file.h"
#include "model/project_file_io.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace velmora;

FrontEnd exampleFrontEnd(const std::string& name) {
    SuspensionState state;
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/" + name);
    if (read.ok()) {
        applyProjectData(state, *read.project);
    }
    return FrontEnd::build(state.RightCoords, state.LeftCoords);
}

void BM_OneState(benchmark::State& run) {
    const FrontEnd front = exampleFrontEnd("gm-dirt-oval.kqw");
    for (auto _ : run) {
        DiveRollState s = front.solve(1.0, 2.0);
        benchmark::DoNotOptimize(s.rollCentre);
    }
}
BENCHMARK(BM_OneState)->Unit(benchmark::kMicrosecond);

// The widest state the boxes allow that the GM example still reaches.
void BM_OneStateFarOut(benchmark::State& run) {
    const FrontEnd front = exampleFrontEnd("gm-dirt-oval.kqw");
    for (auto _ : run) {
        DiveRollState s = front.solve(2.0, 5.0);
        benchmark::DoNotOptimize(s.rollCentre);
    }
}
BENCHMARK(BM_OneStateFarOut)->Unit(benchmark::kMicrosecond);

void BM_PathOf25States(benchmark::State& run) {
    const FrontEnd front = exampleFrontEnd("gm-dirt-oval.kqw");
    for (auto _ : run) {
        DiveRollPath p = front.path({1.0, 4.0, 24});
        benchmark::DoNotOptimize(p.states.data());
    }
}
BENCHMARK(BM_PathOf25States)->Unit(benchmark::kMicrosecond);

// One step of the roll box held down: the new state, its path, both figures, recorded on a
// surface of the window's size.
void BM_RollStepToRecordedDrawing(benchmark::State& run) {
    const FrontEnd front = exampleFrontEnd("gm-dirt-oval.kqw");
    RecordingCanvas canvas(880, 420);
    canvas.setTrimOnClear(true);
    double roll = 0;
    for (auto _ : run) {
        roll = roll >= 4.0 ? 0.0 : roll + 0.1;
        const DiveRollState s = front.solve(1.0, roll);
        const DiveRollPath p = front.path({1.0, roll, 24});
        drawDiveRoll(canvas, 880, 420, frontViewFigure(s, front), rollPathFigure(p));
        benchmark::DoNotOptimize(canvas.operations().data());
    }
}
BENCHMARK(BM_RollStepToRecordedDrawing)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
