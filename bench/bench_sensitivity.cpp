// The sensitivity of every coordinate of a side: the unchanged sweep and one sweep per
// coordinate, 27 in all, in each model, on the sample projects.
#include "geometry/sensitivity.h"
#include "model/project_file.h"
#include "model/project_file_io.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace velmora;

const char* const kProjects[] = {"gm-dirt-oval.kqw", "ford-asphalt-oval.kqw",
                                 "formula-road-course.kqw"};

void BM_Sensitivity(benchmark::State& run, KinematicModel model) {
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/" + kProjects[run.range(0)]);
    if (!read.ok()) {
        run.SkipWithError("the sample project could not be read");
        return;
    }
    SensitivityInputs in;
    in.corner = read.project->LeftCoords;
    in.kind = GraphKind::BumpSteer;
    in.model = model;
    for (auto _ : run) {
        const Sensitivity s = sensitivityOf(in);
        benchmark::DoNotOptimize(s.rows.data());
    }
    run.SetLabel(kProjects[run.range(0)]);
}

void BM_SensitivityClassic(benchmark::State& run) {
    BM_Sensitivity(run, KinematicModel::Classic);
}
void BM_Sensitivity3D(benchmark::State& run) {
    BM_Sensitivity(run, KinematicModel::Rigid);
}
BENCHMARK(BM_SensitivityClassic)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sensitivity3D)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
