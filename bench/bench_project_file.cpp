// Reading and writing a project of a complete car with a page of notes.
#include <cstddef>
#include <cstdint>
#include <string>

#include <benchmark/benchmark.h>

#include "model/project_file.h"
#include "model/text_records.h"

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

// A native project whose block holds `lines` copies of `record` after its marker.
std::string projectWithBlock(const std::string& record, std::size_t lines) {
    std::string text = velmora::writeProjectText(realisticProject());
    text += "\"Velmora extension\",1\r\n";
    text.reserve(text.size() + lines * (record.size() + 12));
    for (std::size_t i = 0; i < lines; ++i) {
        text += record;
        text += "\r\n";
    }
    return text;
}

// A damaged file as large as a project can be (16 MB): over a million records of a
// wheelbase that cannot be, each dropped.
void BM_ReadMillionDroppedRecords(benchmark::State& bench) {
    const std::string record = "\"wheelbase\",-1";
    const std::size_t room = velmora::kMaxProjectFileBytes - projectWithBlock(record, 0).size();
    const std::string text = projectWithBlock(record, room / (record.size() + 2));
    for (auto _ : bench) {
        const velmora::ProjectReadResult read = velmora::readProjectText(text, "car.kqw");
        if (!read.ok()) {
            bench.SkipWithError("the project was not read");
            return;
        }
        benchmark::DoNotOptimize(velmora::openNotice(*read.project));
    }
    bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadMillionDroppedRecords)->Unit(benchmark::kMillisecond);

// 400,000 bump steer readings of one side at distinct travels: 1000 are kept, the rest
// dropped, each record checked against the earlier ones in constant time.
void BM_Read400kReadings(benchmark::State& bench) {
    std::string text =
        velmora::writeProjectText(realisticProject()) + "\"Velmora extension\",1\r\n";
    for (int i = 0; i < 400'000; ++i) {
        text += "\"bumpsteer_reading\",\"left\"," +
                velmora::recordNumberText(static_cast<float>(-10.0 + i * 0.00005)) + ",0\r\n";
    }
    for (auto _ : bench) {
        const velmora::ProjectReadResult read = velmora::readProjectText(text, "car.kqw");
        if (!read.ok() || read.project->vehicle.readings.size() != velmora::kMostReadingsPerSide) {
            bench.SkipWithError("the readings were not read");
            return;
        }
    }
}
BENCHMARK(BM_Read400kReadings)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
