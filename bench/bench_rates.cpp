// Timing of the springs and rates on the GM example with springs, dampers and a bar: the
// motion ratio and wheel rate curves of one side over the default travel (the 3-D sweep
// included), the front end's rates at ride height, and the front end at 1.2 g lateral and
// 0.3 g braking, with the pair built inside the loop as the command line builds it, and once
// beforehand as the window keeps it.
#include "chassis/dive_roll.h"
#include "chassis/front_rates.h"
#include "chassis/spring_motion.h"
#include "model/project_file.h"
#include "model/project_file_io.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

namespace {

using namespace velmora;

const char* const kSprings = "with-vehicle-data/gm-dirt-oval-springs.kqw";

std::optional<SuspensionState> example(const std::string& name) {
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/" + name);
    if (!read.ok()) {
        return std::nullopt;
    }
    SuspensionState state;
    applyProjectData(state, *read.project);
    return state;
}

void BM_SpringCurvesOneSide(benchmark::State& run) {
    const std::optional<SuspensionState> state = example(kSprings);
    if (!state) {
        run.SkipWithError("the example cannot be read");
        return;
    }
    for (auto _ : run) {
        SpringCurves c = springCurves(state->RightCoords, state->Vehicle.springs.right, Travel{});
        benchmark::DoNotOptimize(c.positions.data());
    }
}
BENCHMARK(BM_SpringCurvesOneSide)->Unit(benchmark::kMicrosecond);

void BM_FrontRates(benchmark::State& run) {
    const std::optional<SuspensionState> state = example(kSprings);
    if (!state) {
        run.SkipWithError("the example cannot be read");
        return;
    }
    for (auto _ : run) {
        FrontRates r = frontRates(*state);
        benchmark::DoNotOptimize(r.rollGradient);
    }
}
BENCHMARK(BM_FrontRates)->Unit(benchmark::kMicrosecond);

void BM_StateFromG(benchmark::State& run) {
    const std::optional<SuspensionState> state = example(kSprings);
    if (!state) {
        run.SkipWithError("the example cannot be read");
        return;
    }
    for (auto _ : run) {
        const FrontEnd front = FrontEnd::build(state->RightCoords, state->LeftCoords);
        StateFromG s = stateFromG(*state, front, 1.2, 0.3);
        benchmark::DoNotOptimize(s.state.rollCentre);
    }
}
BENCHMARK(BM_StateFromG)->Unit(benchmark::kMicrosecond);

void BM_StateFromGPairBuilt(benchmark::State& run) {
    const std::optional<SuspensionState> state = example(kSprings);
    if (!state) {
        run.SkipWithError("the example cannot be read");
        return;
    }
    const FrontEnd front = FrontEnd::build(state->RightCoords, state->LeftCoords);
    for (auto _ : run) {
        StateFromG s = stateFromG(*state, front, 1.2, 0.3);
        benchmark::DoNotOptimize(s.state.rollCentre);
    }
}
BENCHMARK(BM_StateFromGPairBuilt)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
