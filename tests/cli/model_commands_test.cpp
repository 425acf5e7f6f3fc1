#include "cli/cli_runner.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

namespace velmora::test {
namespace {

using nlohmann::json;

const char* const kExamples[] = {"gm-dirt-oval.kqw", "ford-asphalt-oval.kqw",
                                 "formula-road-course.kqw"};

CliRun runOk(const std::vector<std::string>& args) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run;
}

// Every number with a fraction or exponent in the text is the shortest text of its double.
void expectShortestNumbers(const std::string& text) {
    static const std::regex number(R"(-?\d+\.\d+(e[-+]?\d+)?|-?\d+e[-+]?\d+)");
    int checked = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it) {
        const std::string token = it->str();
        const double value = std::strtod(token.c_str(), nullptr);
        char shortest[64];
        const auto result = std::to_chars(shortest, shortest + 64, value);
        std::string expected(shortest, result.ptr);
        if (expected.find_first_of(".e") == std::string::npos) {
            expected += ".0";
        }
        EXPECT_EQ(token, expected);
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST(CliModels, ThreeDSweepHasTheClassicKeysAndStaysNearTheClassicCurves) {
    for (const char* name : kExamples) {
        const CliRun classicRun = runOk({"sweep", examplePath(name)});
        const CliRun rigidRun = runOk({"sweep", examplePath(name), "--model", "3d"});
        const json classic = json::parse(classicRun.out);
        const json rigid = json::parse(rigidRun.out);
        EXPECT_EQ(rigid["model"], "3d");
        EXPECT_EQ(rigid["travel"], classic["travel"]);
        EXPECT_GT(rigid["iterations"].get<int>(), 0);
        EXPECT_LE(rigid["iterations"].get<int>(), 10) << "one step from a neighbour is easy";
        EXPECT_TRUE(rigid["messages"].empty());
        for (const char* curve :
             {"CamberChange", "SideScrub", "CasterChange", "ForeAft", "BumpSteer"}) {
            ASSERT_EQ(rigid[curve].size(), 25u) << curve;
            EXPECT_EQ(rigid[curve][12].get<double>(), 0.0) << curve;
            if (std::string(curve) == "BumpSteer") {
                continue; // the curve where the two models part company
            }
            EXPECT_NEAR(rigid[curve][13].get<double>(), classic[curve][13].get<double>(), 0.02)
                << name << " " << curve;
        }
        ASSERT_EQ(rigid["BallJointPos"].size(), 25u);
        EXPECT_EQ(rigid["BallJointPos"][12], classic["BallJointPos"][12]);
        expectShortestNumbers(rigidRun.out);
    }
}

TEST(CliModels, ClassicIsTheDefaultModelAndItsOutputIsUnchanged) {
    const std::string path = examplePath("gm-dirt-oval.kqw");
    EXPECT_EQ(runOk({"sweep", path}).out, runOk({"sweep", path, "--model", "classic"}).out);
    EXPECT_EQ(runOk({"sweep", path, "--format", "csv"}).out,
              runOk({"sweep", path, "--format", "csv", "--model", "classic"}).out);
    EXPECT_EQ(runCli({"sweep", path, "--model", "4d"}).exitCode, 2);
}

TEST(CliModels, ThreeDSweepAsCsv) {
    const CliRun run = runOk({"sweep", examplePath("ford-asphalt-oval.kqw"), "--model", "3d",
                              "--format", "csv", "--side", "right"});
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 1u + 25u);
    EXPECT_EQ(lines[0].rfind("position,travel,CamberChange,", 0), 0u);
    EXPECT_EQ(lines[1].rfind("1,3,", 0), 0u);
    EXPECT_EQ(lines[13].rfind("13,0,0.0,0.0,0.0,0.0,0.0,", 0), 0u) << lines[13];
    EXPECT_EQ(lines[25].rfind("25,-3,", 0), 0u) << lines[25];
    EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST(CliModels, CompareModelsGivesFiveCurvesWithTheirLargestDifference) {
    for (const char* name : kExamples) {
        const CliRun run = runOk({"compare-models", examplePath(name), "--format", "json"});
        const json out = json::parse(run.out);
        ASSERT_EQ(out.size(), 6u) << run.out; // the five curves and "units"
        for (const char* curve :
             {"CamberChange", "SideScrub", "CasterChange", "ForeAft", "BumpSteer"}) {
            const json& d = out.at(curve);
            EXPECT_GE(d["max_difference"].get<double>(), 0.0);
            EXPECT_LE(std::fabs(d["at_travel"].get<double>()), 3.0);
        }
        EXPECT_LT(out["CamberChange"]["max_difference"].get<double>(), 0.25) << name;
        expectShortestNumbers(run.out);
    }
    const CliRun text = runOk({"compare-models", examplePath("gm-dirt-oval.kqw")});
    EXPECT_NE(text.out.find("BumpSteer      0.362 deg            3\n"), std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Left side, 3 in bump, 3 in rebound"), std::string::npos);
}

TEST(CliModels, BumpSteerFixShimsEveryExampleAndReportsTheCurveAfter) {
    for (const char* name : kExamples) {
        for (const char* joint : {"outer", "inner"}) {
            const CliRun run = runOk({"bumpsteer-fix", examplePath(name), "--side", "right",
                                      "--joint", joint, "--format", "json"});
            const json out = json::parse(run.out);
            EXPECT_EQ(out["joint"], joint);
            const double change = out["height_change"].get<double>();
            EXPECT_EQ(out["sixteenths"].get<int>(), std::lround(change * 16));
            const double before = out["max_bump_steer_before"].get<double>();
            const double after = out["max_bump_steer_after"].get<double>();
            EXPECT_LT(after, before) << name << joint;
            ASSERT_EQ(out["BumpSteer_after"].size(), 25u);
            ASSERT_EQ(out["travel"].size(), 25u);
            double largest = 0;
            for (const json& v : out["BumpSteer_after"]) {
                largest = std::max(largest, std::fabs(v.get<double>()));
            }
            EXPECT_EQ(largest, after);
            expectShortestNumbers(run.out);
        }
    }
    const CliRun text = runOk({"bumpsteer-fix", examplePath("gm-dirt-oval.kqw")});
    EXPECT_NE(text.out.find("lower the outer tie rod end 1/4 in\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("largest bump steer before: 0.440 deg, after: 0.059 deg"),
              std::string::npos)
        << text.out;
    EXPECT_EQ(
        runCli({"bumpsteer-fix", examplePath("gm-dirt-oval.kqw"), "--joint", "middle"}).exitCode,
        2);
}

TEST(CliModels, RendersTheGraphWithTheThreeDCurveOver) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "velmora-3d-render";
    std::filesystem::create_directories(dir);
    const std::string classic = (dir / "classic.png").string();
    const std::string overlay = (dir / "overlay.png").string();
    const std::string path = examplePath("gm-dirt-oval.kqw");
    const CliRun first =
        runCli({"render", "graph", path, "--graph", "bumpsteer", "--png", classic});
    if (first.err.find("built without the desktop libraries") != std::string::npos) {
        GTEST_SKIP() << "this velmora-cli cannot render";
    }
    ASSERT_EQ(first.exitCode, 0) << first.err;
    runOk({"render", "graph", path, "--graph", "bumpsteer", "--model", "3d", "--png", overlay});
    ASSERT_TRUE(std::filesystem::exists(overlay));
    EXPECT_NE(std::filesystem::file_size(overlay), std::filesystem::file_size(classic));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace velmora::test
