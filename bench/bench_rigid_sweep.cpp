// Timing of the rigid-body 3-D solution beside the classic sweep, on the reference corner of
// the tests and on the sample projects.
#include "geometry/bump_steer_shim.h"
#include "geometry/rigid_sweep.h"
#include "geometry/sweep.h"
#include "model/project_file.h"
#include "model/project_file_io.h"

#include "../tests/core/geometry/sweep_test_corner.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace velmora;

class NullSink : public MessageSink {
public:
    MessageAnswer show(const Message&) override { return MessageAnswer::Ok; }
};

SuspensionState example(const std::string& name) {
    SuspensionState state;
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/" + name);
    if (read.ok()) {
        applyProjectData(state, *read.project);
    }
    return state;
}

// The classic sweep of one side, for comparison: 25 positions from +3 to -3 inches.
void BM_ClassicSweepOneSide(benchmark::State& run) {
    SuspensionState state = testing::leftOnly(testing::referenceCorner());
    NullSink sink;
    for (auto _ : run) {
        CALC(state, sink);
        benchmark::DoNotOptimize(state.BumpSteer.data());
    }
}
BENCHMARK(BM_ClassicSweepOneSide)->Unit(benchmark::kMicrosecond);

// The 3-D solution of one side at the same 25 positions.
void BM_RigidSweepOneSide(benchmark::State& run) {
    const CoordinateSet corner = testing::referenceCorner();
    for (auto _ : run) {
        RigidSweep sweep = rigidSweep(corner, Travel{3.0f, 3.0f});
        benchmark::DoNotOptimize(sweep.BumpSteer.data());
    }
}
BENCHMARK(BM_RigidSweepOneSide)->Unit(benchmark::kMicrosecond);

void BM_RigidSweepOneSideNineInches(benchmark::State& run) {
    const CoordinateSet corner = testing::referenceCorner();
    for (auto _ : run) {
        RigidSweep sweep = rigidSweep(corner, Travel{9.0f, 9.0f});
        benchmark::DoNotOptimize(sweep.BumpSteer.data());
    }
}
BENCHMARK(BM_RigidSweepOneSideNineInches)->Unit(benchmark::kMicrosecond);

void BM_RigidSweepGmExample(benchmark::State& run) {
    const SuspensionState state = example("gm-dirt-oval.kqw");
    for (auto _ : run) {
        RigidSweep sweep = rigidSweep(state);
        benchmark::DoNotOptimize(sweep.BumpSteer.data());
    }
}
BENCHMARK(BM_RigidSweepGmExample)->Unit(benchmark::kMicrosecond);

// The shim search: about a hundred 3-D sweeps in sixteenths, then the refinement.
void BM_BumpSteerShimSearch(benchmark::State& run) {
    const SuspensionState state = example("gm-dirt-oval.kqw");
    for (auto _ : run) {
        BumpSteerShim fix =
            findBumpSteerShim(state.LeftCoords, Travel{3.0f, 3.0f}, ShimJoint::Outer);
        benchmark::DoNotOptimize(fix.heightChange);
    }
}
BENCHMARK(BM_BumpSteerShimSearch)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
