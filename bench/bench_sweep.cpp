// Timing of the kinematic sweep on the reference corner of the tests.
#include "geometry/static_geometry.h"
#include "geometry/sweep.h"

#include "../tests/core/geometry/sweep_test_corner.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velmora;

// Discards messages; the reference corner produces none.
class NullSink : public MessageSink {
public:
    MessageAnswer show(const Message&) override { return MessageAnswer::Ok; }
};

SuspensionState bothSides() {
    SuspensionState state;
    state.LeftCoords = testing::referenceCorner();
    state.RightCoords = testing::referenceWith({{3, 22.5f}, {21, 26.0f}});
    return state;
}

// One normal sweep of the active side: 25 positions from +3 to -3 inches.
void BM_SweepOneSide(benchmark::State& run) {
    SuspensionState state = bothSides();
    NullSink sink;
    for (auto _ : run) {
        CALC(state, sink);
        benchmark::DoNotOptimize(state.BumpSteer.data());
    }
}
BENCHMARK(BM_SweepOneSide);

void BM_SweepOneSideNineInches(benchmark::State& run) {
    SuspensionState state = bothSides();
    NullSink sink;
    for (auto _ : run) {
        state.VU = state.VD = 9.0f;
        CALC(state, sink);
        benchmark::DoNotOptimize(state.BumpSteer.data());
    }
}
BENCHMARK(BM_SweepOneSideNineInches);

// The static-only pass over both sides with the car's roll centre.
void BM_StaticOnlyBothSides(benchmark::State& run) {
    SuspensionState state = bothSides();
    state.StaticOnly = true;
    NullSink sink;
    for (auto _ : run) {
        CALC(state, sink);
        benchmark::DoNotOptimize(state.RollCenterHeight);
    }
}
BENCHMARK(BM_StaticOnlyBothSides);

// The static-geometry command: the static-only pass and the ten captions.
void BM_RunStaticGeometry(benchmark::State& run) {
    SuspensionState state = bothSides();
    NullSink sink;
    for (auto _ : run) {
        StaticCaptions captions = staticCaptions(runStaticGeometry(state, sink));
        benchmark::DoNotOptimize(captions.rollCenterOffset.size());
    }
}
BENCHMARK(BM_RunStaticGeometry);

} // namespace

BENCHMARK_MAIN();
