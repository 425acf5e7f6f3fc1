#include "cli/cli_runner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <set>
#include <sstream>

namespace velmora::test {
namespace {

using Json = nlohmann::json;

// Walks the inch and the millimetre output side by side: every number under a length key is
// 25.4 times its inch value, every other number is the same, and the keys are the same.
void expectScaled(const Json& in, const Json& mm, const std::set<std::string>& lengths, bool length,
                  const std::string& where) {
    ASSERT_EQ(in.type(), mm.type()) << where;
    if (in.is_object()) {
        for (const auto& [key, value] : in.items()) {
            ASSERT_TRUE(mm.contains(key)) << where << "." << key;
            expectScaled(value, mm[key], lengths, length || lengths.count(key) > 0,
                         where + "." + key);
        }
        EXPECT_EQ(in.size(), mm.size()) << where;
    } else if (in.is_array()) {
        ASSERT_EQ(in.size(), mm.size()) << where;
        for (std::size_t i = 0; i < in.size(); ++i) {
            expectScaled(in[i], mm[i], lengths, length, where + "[]");
        }
    } else if (in.is_number()) {
        const double expected = in.get<double>() * (length ? 25.4 : 1.0);
        EXPECT_NEAR(mm.get<double>(), expected, 1e-9 * std::fabs(expected)) << where;
    }
}

TEST(CliUnits, MillimetreOutputIsTheInchOutputTimes254) {
    const std::string gm = examplePath("with-vehicle-data/gm-dirt-oval.kqw");
    const std::string formula = examplePath("with-vehicle-data/formula-road-course.kqw");
    const std::string ford = examplePath("ford-asphalt-oval.kqw");
    const struct {
        std::vector<std::string> args;
        std::set<std::string> lengths;
    } commands[] = {
        {{"sweep", gm, "--side", "right"},
         {"VU", "VD", "VY", "travel", "SideScrub", "ForeAft", "TieRodOuterX", "TieRodOuterY",
          "BallJointPos", "ScrubRadius", "CasterTrail", "RollCenterHeight"}},
        {{"sweep", formula, "--model", "3d"},
         {"VU", "VD", "VY", "travel", "SideScrub", "ForeAft", "BallJointPos"}},
        {{"static", ford},
         {"RightScrubRadius", "LeftScrubRadius", "RightCasterTrail", "LeftCasterTrail",
          "RollCenterHeight", "RollCenterOffset"}},
        {{"compare-models", gm, "--format", "json"}, {"SideScrub", "ForeAft", "at_travel"}},
        {{"compare", gm, ford, "--graph", "foreaft"},
         {"travel", "base", "changed", "difference", "max_difference", "at_travel"}},
        {{"compare", gm, ford, "--graph", "camber"}, {"travel", "at_travel"}},
        {{"bumpsteer-fix", formula, "--format", "json"}, {"height_change", "travel"}},
        {{"sensitivity", gm, "--graph", "sidescrub", "--format", "json"},
         {"step", "at_bump", "at_rebound"}},
        {{"graph", ford, "--graph", "sidescrub"}, {"XRange", "WheelPos"}},
        {{"roll", gm, "--dive", "0.5", "--roll", "1.5"},
         {"dive", "travel", "contact_patch", "instant_center", "roll_center", "track_change"}},
        {{"roll", formula, "--max-roll", "2", "--steps", "4"},
         {"dive", "travel", "contact_patch", "instant_center", "roll_center", "track_change"}},
        {{"steer", formula, "--max-rack", "1", "--steps", "4"},
         {"rack", "contact_patch_height_change", "wheelbase"}},
        {{"vehicle", gm},
         {"wheelbase", "cg_height", "steering_ratio", "gauge_length", "side_view_instant_center"}},
        {{"readings", gm}, {"gauge_length", "VU", "VD", "travel", "reading"}},
    };
    for (const auto& command : commands) {
        std::vector<std::string> mmArgs = command.args;
        // Length options are read in millimetres too: 0.5 in of dive is 12.7 mm.
        for (std::size_t i = 0; i + 1 < mmArgs.size(); ++i) {
            if (mmArgs[i] == "--dive" || mmArgs[i] == "--max-rack") {
                mmArgs[i + 1] = mmArgs[i + 1] == "0.5" ? "12.7" : "25.4";
            }
        }
        mmArgs.insert(mmArgs.end(), {"--units", "mm"});
        const CliRun in = runCli(command.args);
        const CliRun mm = runCli(mmArgs);
        ASSERT_EQ(in.exitCode, 0) << command.args[0] << in.err;
        ASSERT_EQ(mm.exitCode, 0) << command.args[0] << mm.err;
        const Json inJson = Json::parse(in.out);
        const Json mmJson = Json::parse(mm.out);
        EXPECT_EQ(inJson.at("units"), "in");
        EXPECT_EQ(mmJson.at("units"), "mm");
        expectScaled(inJson, mmJson, command.lengths, false, command.args[0]);
    }
}

TEST(CliUnits, TravelTypedInMillimetresSweepsTheInchPositions) {
    const std::string gm = examplePath("gm-dirt-oval.kqw");
    const Json in = Json::parse(runCli({"sweep", gm, "--bump", "3", "--rebound", "2"}).out);
    const Json mm = Json::parse(
        runCli({"sweep", gm, "--units", "mm", "--bump", "76.2", "--rebound", "50.8"}).out);
    EXPECT_EQ(in["VU"], 3.0);
    EXPECT_EQ(in["travel"].size(), mm["travel"].size());
    EXPECT_EQ(in["CamberChange"], mm["CamberChange"]);
    const CliRun csv = runCli({"sweep", gm, "--format", "csv", "--units", "mm"});
    EXPECT_EQ(csv.out.substr(0, csv.out.find(',', 10)), "position,travel (mm)");
    const CliRun bad = runCli({"static", gm, "--units", "cm"});
    EXPECT_EQ(bad.exitCode, 2);
}

} // namespace
} // namespace velmora::test
