#include "cli/cli_runner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace velmora::test {
namespace {

using Json = nlohmann::json;

Json pointsOf(const std::vector<std::string>& args) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string png = (dir / "velmora-3d.png").string();
    const std::string json = (dir / "velmora-3d.json").string();
    std::vector<std::string> all = {"render", "3d"};
    all.insert(all.end(), args.begin(), args.end());
    all.insert(all.end(), {"--png", png, "--points-json", json});
    const CliRun run = runCli(all);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::ifstream in(json);
    return run.exitCode == 0 ? Json::parse(in) : Json();
}

// The front view without perspective is an affine map of u and y with one scale; the table's
// pivots stand where the project has them, u = -X on the right side.
TEST(CliRender3d, PointsAreTheSolutionsJointsAndATrueProjection) {
    if (!kCliRenders) {
        GTEST_SKIP() << "this velmora-cli cannot draw";
    }
    for (const char* name :
         {"gm-dirt-oval.kqw", "ford-asphalt-oval.kqw", "formula-road-course.kqw"}) {
        const Json front =
            pointsOf({examplePath(name), "--view", "front", "--orthographic", "--roll", "1.5"});
        ASSERT_EQ(front["points"].size(), 16u) << name;
        EXPECT_EQ(front["view"], "front");
        const Json& p0 = front["points"][0];
        const Json& p1 = front["points"][8]; // the left side's first joint
        EXPECT_EQ(p0["side"], "right");
        EXPECT_EQ(p0["name"], "Top Arm Front Pivot");
        const double scale = (p1["screen"][0].get<double>() - p0["screen"][0].get<double>()) /
                             (p1["world"][0].get<double>() - p0["world"][0].get<double>());
        for (const Json& p : front["points"]) {
            const double du = p["world"][0].get<double>() - p0["world"][0].get<double>();
            const double dy = p["world"][1].get<double>() - p0["world"][1].get<double>();
            EXPECT_NEAR(p["screen"][0].get<double>(), p0["screen"][0].get<double>() + scale * du,
                        1e-6);
            EXPECT_NEAR(p["screen"][1].get<double>(), p0["screen"][1].get<double>() - scale * dy,
                        1e-6);
        }
        const Json iso = pointsOf({examplePath(name), "--azimuth", "30", "--elevation", "20"});
        EXPECT_EQ(iso["view"], "custom");
        // The pivots do not move with the wheels.
        EXPECT_EQ(iso["points"][0]["world"], front["points"][0]["world"]);
    }
}

TEST(CliRender3d, BadStatesAndViewsAreRefusedByName) {
    const std::string gm = examplePath("gm-dirt-oval.kqw");
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"render", "3d", gm, "--png", "x.png", "--travel", "10"}, "--travel"},
        {{"render", "3d", gm, "--png", "x.png", "--travel", "1", "--rack", "1"}, "one of"},
        {{"render", "3d", gm, "--png", "x.png", "--view", "diagonal"}, "--view"},
        {{"render", "3d", gm, "--png", "x.png", "--view", "top", "--azimuth", "3"}, "not both"},
        {{"render", "3d", gm, "--png", "x.png", "--elevation", "91"}, "--elevation"},
        {{"render", "graph", gm, "--png", "x.png", "--rack", "1"}, "render 3d"},
        {{"render", "3d", gm}, "--png"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace velmora::test
