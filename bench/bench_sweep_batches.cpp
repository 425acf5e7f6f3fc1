// Timing of 26 sweeps of one side in a row, each with one of the corner's 26 coordinates
// moved by a sixteenth of an inch: the raw sweeping a sensitivity pass over every point
// needs, for the classic sweep and the 3-D solution, on the GM sample project.
#include "geometry/rigid_sweep.h"
#include "geometry/sweep.h"
#include "model/project_file.h"
#include "model/project_file_io.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <string>

namespace {

using namespace velmora;

constexpr int kCoordinates = CoordinateSet::kLast;

// The left corner of the sample with each coordinate in turn moved by 1/16 inch.
std::array<CoordinateSet, kCoordinates> movedCorners() {
    SuspensionState state;
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/gm-dirt-oval.kqw");
    if (!read.ok()) {
        std::abort(); // a benchmark of nothing would report nonsense
    }
    applyProjectData(state, *read.project);
    std::array<CoordinateSet, kCoordinates> corners;
    for (int i = 1; i <= kCoordinates; ++i) {
        corners[static_cast<std::size_t>(i - 1)] = state.LeftCoords;
        corners[static_cast<std::size_t>(i - 1)][i] += 0.0625f;
    }
    return corners;
}

void BM_TwentySixClassicSweeps(benchmark::State& run) {
    const auto corners = movedCorners();
    for (auto _ : run) {
        for (const CoordinateSet& corner : corners) {
            SweepResult result = classicSweep(corner, false, Travel{3.0f, 3.0f});
            benchmark::DoNotOptimize(result.BumpSteer.data());
        }
    }
}
BENCHMARK(BM_TwentySixClassicSweeps)->Unit(benchmark::kMicrosecond);

void BM_TwentySixRigidSweeps(benchmark::State& run) {
    const auto corners = movedCorners();
    for (auto _ : run) {
        for (const CoordinateSet& corner : corners) {
            RigidSweep sweep = rigidSweep(corner, Travel{3.0f, 3.0f});
            benchmark::DoNotOptimize(sweep.BumpSteer.data());
        }
    }
}
BENCHMARK(BM_TwentySixRigidSweeps)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
