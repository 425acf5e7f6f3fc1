// Timing of the steering analysis and anti-dive on the sample projects: one state at a given
// rack travel (solved from straight ahead), and the window's sweep of 25 states.
#include "chassis/anti_dive.h"
#include "chassis/steering.h"
#include "model/project_file.h"
#include "model/project_file_io.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace velmora;

SuspensionState example(const std::string& name) {
    SuspensionState state;
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/" + name);
    if (read.ok()) {
        applyProjectData(state, *read.project);
    }
    return state;
}

const char* const kProjects[] = {"gm-dirt-oval.kqw", "ford-asphalt-oval.kqw",
                                 "formula-road-course.kqw"};

// One steer state at 1 inch of rack: both corners walked out from straight ahead in four
// steps each, with the pair built once beforehand as the window builds it.
void BM_SteerOneState(benchmark::State& run) {
    const SuspensionState state = example(kProjects[run.range(0)]);
    const SteeringPair pair = SteeringPair::build(state.RightCoords, state.LeftCoords);
    for (auto _ : run) {
        SteerState s = pair.solve(1.0, 108.0);
        benchmark::DoNotOptimize(s.left.steer);
    }
}
BENCHMARK(BM_SteerOneState)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The same with the pair built each time, as the command line does once per run.
void BM_SteerOneStateWithSetup(benchmark::State& run) {
    const SuspensionState state = example(kProjects[0]);
    for (auto _ : run) {
        SteerState s = SteeringPair::build(state.RightCoords, state.LeftCoords).solve(1.0, 108.0);
        benchmark::DoNotOptimize(s.left.steer);
    }
}
BENCHMARK(BM_SteerOneStateWithSetup)->Unit(benchmark::kMicrosecond);

// The Steering window's sweep: 24 equal steps from -2 to +2 inches, 25 states.
void BM_SteerSweep25States(benchmark::State& run) {
    const SuspensionState state = example(kProjects[run.range(0)]);
    const SteeringPair pair = SteeringPair::build(state.RightCoords, state.LeftCoords);
    for (auto _ : run) {
        SteerSweep sweep = pair.sweep({2.0, 24, 108.0});
        benchmark::DoNotOptimize(sweep.states.data());
    }
}
BENCHMARK(BM_SteerSweep25States)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_AntiDive(benchmark::State& run) {
    const SuspensionState state = example(kProjects[0]);
    VehicleData car;
    car.wheelbase = 108;
    car.cgHeight = 16;
    car.frontBrakePercent = 60;
    for (auto _ : run) {
        AntiDive d = antiDive(state.RightCoords, state.LeftCoords, car);
        benchmark::DoNotOptimize(d.left.antiDivePercent);
    }
}
BENCHMARK(BM_AntiDive)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
