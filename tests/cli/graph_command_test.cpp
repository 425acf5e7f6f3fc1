#include "cli/cli_runner.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora::test {
namespace {

using nlohmann::json;

json graphJson(const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"graph", examplePath("gm-dirt-oval.kqw")};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return json::parse(run.out);
}

TEST(CliGraph, OpensAtTheStaticPositionWithTheWindowTexts) {
    const json out = graphJson({"--graph", "camber"});
    EXPECT_EQ(out["caption"], "Left Camber Analysis");
    EXPECT_EQ(out["NumPoints"], 25);
    EXPECT_EQ(out["CurPos"], 13);
    EXPECT_EQ(out["WheelPos"].get<double>(), 0.0);
    EXPECT_EQ(out["message"], "At wheel position  0 add  0 deg to static camber");
    EXPECT_EQ(out["labels"]["lblRangeY4"], "3");
    EXPECT_EQ(out["labels"]["lblRangeYNeg4"], "-3");
    EXPECT_EQ(out["labels"].size(), 14u);
    EXPECT_EQ(out["PlotX"].size(), 25u);
    EXPECT_EQ(out["PlotY"][0].get<double>(), 0.0);
    EXPECT_EQ(out["PlotY"][24].get<double>(), 100.0);
    EXPECT_EQ(out["data_table"]["heading"], "Deg");
    EXPECT_EQ(out["data_table"]["positions"][0], "3");
    EXPECT_EQ(out["data_table"]["values"][12], " 0");
}

TEST(CliGraph, StepsMoveTheWheelAndStopAtTheEnds) {
    const json down = graphJson({"--graph", "foreaft", "--side", "right", "--steps", "4"});
    EXPECT_EQ(down["caption"], "Right Fore/Aft Analysis");
    EXPECT_EQ(down["CurPos"], 17);
    EXPECT_EQ(down["WheelPos"].get<double>(), -1.0);
    EXPECT_EQ(down["data_table"]["heading"], "Inches");
    const json up = graphJson({"--graph", "bumpsteer", "--steps", "-100"});
    EXPECT_EQ(up["CurPos"], 1);
    EXPECT_EQ(up["WheelPos"].get<double>(), 3.0);
    EXPECT_EQ(up["message"].get<std::string>().rfind("At wheel position  3 this setup has ", 0),
              0u);
    const json nine =
        graphJson({"--graph", "caster", "--bump", "9", "--rebound", "9", "--steps", "12"});
    EXPECT_EQ(nine["CurPos"], 25);
    EXPECT_EQ(nine["message"].get<std::string>().rfind("At wheel position -9 add ", 0), 0u);
}

TEST(CliSuggest, ListsItemsForEveryGraphAndHonoursOverrides) {
    for (const char* graph : {"camber", "sidescrub", "foreaft", "caster", "bumpsteer"}) {
        const CliRun run = runCli({"suggest", examplePath("ford-asphalt-oval.kqw"), "--graph",
                                   graph, "--format", "json"});
        ASSERT_EQ(run.exitCode, 0) << graph << run.err;
        const json items = json::parse(run.out)["items"];
        ASSERT_FALSE(items.empty()) << graph;
        EXPECT_NE(std::find(items.begin(), items.end(), "Suggestions:"), items.end()) << graph;
    }
    const CliRun stock = runCli(
        {"suggest", examplePath("gm-dirt-oval.kqw"), "--graph", "sidescrub", "--style", "GM"});
    const CliRun formula = runCli(
        {"suggest", examplePath("gm-dirt-oval.kqw"), "--graph", "sidescrub", "--style", "formula"});
    ASSERT_EQ(stock.exitCode, 0);
    ASSERT_EQ(formula.exitCode, 0);
    EXPECT_NE(formula.out.find("Shoot for .030 or less"), std::string::npos) << formula.out;
    // Text output keeps the items' trailing blanks.
    EXPECT_NE(formula.out.find("You need less side scrub.  \n"), std::string::npos);
}

TEST(CliSuggest, TrackTypeChangesTheCamberAdvice) {
    const CliRun dirt = runCli(
        {"suggest", examplePath("gm-dirt-oval.kqw"), "--graph", "camber", "--track", "Dirt"});
    const CliRun road = runCli(
        {"suggest", examplePath("gm-dirt-oval.kqw"), "--graph", "camber", "--track", "Road"});
    ASSERT_EQ(dirt.exitCode, 0);
    ASSERT_EQ(road.exitCode, 0);
    EXPECT_NE(dirt.out, road.out);
    EXPECT_EQ(
        runCli({"suggest", examplePath("gm-dirt-oval.kqw"), "--graph", "camber", "--track", "Ice"})
            .exitCode,
        2);
    EXPECT_EQ(runCli({"suggest", examplePath("gm-dirt-oval.kqw")}).exitCode, 2);
}

} // namespace
} // namespace velmora::test
