// Reading and writing a project of a complete car with a page of notes.
#include <string>

#include <benchmark/benchmark.h>

#include "model/project_file.h"

namespace {

velmora::SuspensionState realisticProject() {
    const float right[26] = {12.5f,  12.25f, 20.75f, 9.5f,  9.75f, 23.5f,  10.25f, 22.5f, 29.5f,
                             16.25f, 16.5f,  17.75f, 7.5f,  7.25f, 7.125f, 8.5f,   8.25f, 13.0f,
                             20.5f,  29.5f,  24.5f,  18.5f, 33.5f, 25.0f,  20.0f,  19.5f};
    velmora::SuspensionState state;
    for (int i = 1; i <= 26; ++i) {
        state.RightCoords[i] = right[i - 1];
        state.LeftCoords[i] = right[i - 1] + 0.0625f * static_cast<float>(i % 5) + 1.0f / 3.0f;
    }
    state.CarStyle = "GM";
    state.TrackType = "Dirt";
    for (int line = 0; line < 20; ++line) {
        state.Note_text += "Heat " + std::to_string(line) +
                           ": moved the top arm rear pivot 1/8 in. down, tire temps even.\r\n";
    }
    return state;
}

void BM_WriteProjectText(benchmark::State& bench) {
    const velmora::SuspensionState state = realisticProject();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(velmora::writeProjectText(state));
    }
}
BENCHMARK(BM_WriteProjectText);

void BM_ReadNativeProjectText(benchmark::State& bench) {
    const std::string text = velmora::writeProjectText(realisticProject());
    for (auto _ : bench) {
        benchmark::DoNotOptimize(velmora::readProjectText(text, "car.kqw"));
    }
    bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadNativeProjectText);

void BM_ReadLegacyProjectText(benchmark::State& bench) {
    const std::string text = velmora::writeProjectText(realisticProject());
    for (auto _ : bench) {
        benchmark::DoNotOptimize(velmora::readProjectText(text, "car.kqp"));
    }
}
BENCHMARK(BM_ReadLegacyProjectText);

} // namespace

BENCHMARK_MAIN();
