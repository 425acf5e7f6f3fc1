#include "cli/cli_runner.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora::test {
namespace {

using nlohmann::json;

json sweepJson(const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"sweep", examplePath("gm-dirt-oval.kqw")};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return json::parse(run.out);
}

TEST(CliSweep, DefaultSweepsTheLeftSideOverThreeInchesEachWay) {
    const json out = sweepJson({});
    EXPECT_EQ(out["side"], "left");
    EXPECT_TRUE(out["complete"].get<bool>());
    EXPECT_EQ(out["N"], 25);
    EXPECT_EQ(out["VY"].get<double>(), 0.25);
    EXPECT_EQ(out["static_position"].get<double>(), 13.0);
    ASSERT_EQ(out["travel"].size(), 25u);
    EXPECT_EQ(out["travel"][0].get<double>(), 3.0);
    EXPECT_EQ(out["travel"][12].get<double>(), 0.0);
    EXPECT_EQ(out["travel"][24].get<double>(), -3.0);
    for (const char* curve :
         {"CamberChange", "SideScrub", "CasterChange", "ForeAft", "BumpSteer"}) {
        ASSERT_EQ(out[curve].size(), 25u) << curve;
        EXPECT_EQ(out[curve][12].get<double>(), 0.0) << curve;
    }
    ASSERT_EQ(out["BallJointPos"].size(), 25u);
    EXPECT_EQ(out["BallJointPos"][0].size(), 6u);
    EXPECT_TRUE(out["messages"].empty()) << out["messages"].dump();
    // Camber goes negative as the wheel rises on a short-long arm suspension.
    EXPECT_LT(out["CamberChange"][0].get<double>(), 0.0);
    EXPECT_GT(out["static"]["SAI"].get<double>(), 5.0);
    EXPECT_GT(out["static"]["Caster"].get<double>(), 0.0);
}

TEST(CliSweep, SideAndTravelOptionsReachTheSweep) {
    const json out = sweepJson({"--side", "right", "--bump", "4", "--rebound", "4"});
    EXPECT_EQ(out["side"], "right");
    EXPECT_EQ(out["N"], 24); // the single-precision step falls just short of 24 steps
    EXPECT_EQ(out["travel"].size(), 24u);
    const json zero = sweepJson({"--bump", "0"});
    EXPECT_EQ(zero["VU"].get<double>(), 9.0); // a travel of 0 falls back to 9 and 9
    EXPECT_EQ(zero["VD"].get<double>(), 9.0);
}

TEST(CliSweep, CsvHasAHeaderAndOneRowPerPosition) {
    const CliRun run = runCli({"sweep", examplePath("formula-road-course.kqw"), "--format", "csv"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::istringstream lines(run.out);
    std::string header;
    std::getline(lines, header);
    EXPECT_EQ(header.rfind("position,travel,CamberChange", 0), 0u);
    int rows = 0;
    for (std::string line; std::getline(lines, line);) {
        ++rows;
    }
    EXPECT_EQ(rows, 25);
}

TEST(CliSweep, IncompleteSideIsReportedNotSwept) {
    const auto dir = std::filesystem::temp_directory_path() / "velmora-cli-incomplete";
    std::filesystem::create_directories(dir);
    const auto path = dir / "half.kqw";
    {
        std::ifstream in(examplePath("gm-dirt-oval.kqw"), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        std::string contents = text.str();
        // Record 1: right value 1 stays, left value 1 becomes 0.
        const auto comma = contents.find(',');
        const auto next = contents.find(',', comma + 1);
        contents.replace(comma + 1, next - comma - 1, "0");
        std::ofstream(path, std::ios::binary) << contents;
    }
    const CliRun run = runCli({"sweep", path.string()});
    std::filesystem::remove_all(dir);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json out = json::parse(run.out);
    EXPECT_FALSE(out["complete"].get<bool>());
    EXPECT_EQ(out["N"], 0);
    EXPECT_TRUE(out["CamberChange"].empty());
}

TEST(CliArguments, BadArgumentsAndUnreadableFilesExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"sweep"},
        {"sweep", examplePath("gm-dirt-oval.kqw"), "--side", "middle"},
        {"sweep", examplePath("gm-dirt-oval.kqw"), "--bump", "three"},
        {"sweep", examplePath("gm-dirt-oval.kqw"), "--bump", "-1"},
        {"sweep", examplePath("gm-dirt-oval.kqw"), "--format", "xml"},
        {"sweep", examplePath("no-such-file.kqw")},
        {"sweep", examplePath("README.md")},
        {"static", examplePath("gm-dirt-oval.kqw"), "--format", "csv"},
        {"frobnicate"},
    };
    for (const auto& args : cases) {
        const CliRun run = runCli(args);
        std::string joined;
        for (const auto& a : args) {
            joined += a + " ";
        }
        EXPECT_EQ(run.exitCode, 2) << joined;
        EXPECT_FALSE(run.err.empty()) << joined;
        EXPECT_TRUE(run.out.empty()) << joined;
    }
}

} // namespace
} // namespace velmora::test
