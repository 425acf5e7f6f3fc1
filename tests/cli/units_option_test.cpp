#include "cli/cli_runner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <set>
#include <sstream>

namespace velmora::test {
namespace {

using Json = nlohmann::json;

// What a pound-force inch is in newton metres, and a pound-force per inch in N/mm.
constexpr double kNewtonMetres = 0.45359237 * 9.80665 * 0.0254;
constexpr double kNewtonsPerMm = 0.45359237 * 9.80665 / 25.4;

// The keys whose numbers are no length but change with the unit, and their factor; 0 for a
// share, which stays as it is wherever it stands; -1 for any other key (its parent's factor).
double quantityFactor(const std::string& key) {
    if (key == "front_share_percent") {
        return 0.0;
    }
    if (key == "wheel_rate") {
        return kNewtonsPerMm;
    }
    if (key == "roll_stiffness" || key == "bar_torsional_stiffness") {
        return kNewtonMetres;
    }
    return -1.0;
}

// Walks the inch and the millimetre output side by side: every number under a length key is
// 25.4 times its inch value, a rate's or stiffness's is in newtons, every other number is the
// same, and the keys are the same.
void expectScaled(const Json& in, const Json& mm, const std::set<std::string>& lengths,
                  double factor, const std::string& where) {
    ASSERT_EQ(in.type(), mm.type()) << where;
    if (in.is_object()) {
        for (const auto& [key, value] : in.items()) {
            ASSERT_TRUE(mm.contains(key)) << where << "." << key;
            const double own = quantityFactor(key);
            const double inner = lengths.count(key) > 0 ? 25.4
                                 : own == 0.0           ? 1.0
                                 : own > 0.0            ? own
                                                        : factor;
            expectScaled(value, mm[key], lengths, inner, where + "." + key);
        }
        EXPECT_EQ(in.size(), mm.size()) << where;
    } else if (in.is_array()) {
        ASSERT_EQ(in.size(), mm.size()) << where;
        for (std::size_t i = 0; i < in.size(); ++i) {
            expectScaled(in[i], mm[i], lengths, factor, where + "[]");
        }
    } else if (in.is_number()) {
        const double expected = in.get<double>() * factor;
        EXPECT_NEAR(mm.get<double>(), expected, 1e-9 * std::fabs(expected)) << where;
    }
}

TEST(CliUnits, MillimetreOutputIsTheInchOutputTimes254) {
    const std::string gm = examplePath("with-vehicle-data/gm-dirt-oval.kqw");
    const std::string formula = examplePath("with-vehicle-data/formula-road-course.kqw");
    const std::string ford = examplePath("ford-asphalt-oval.kqw");
    const std::string springs = examplePath("with-vehicle-data/gm-dirt-oval-springs.kqw");
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
          "RollCenterHeight", "RollCenterOffset", "kinematic_roll_center"}},
        {{"compare-models", gm, "--format", "json"}, {"SideScrub", "ForeAft", "at_travel"}},
        {{"compare", gm, ford, "--graph", "foreaft"},
         {"travel", "base", "changed", "difference", "max_difference", "at_travel"}},
        {{"compare", gm, ford, "--graph", "camber"}, {"travel", "at_travel"}},
        {{"bumpsteer-fix", formula, "--format", "json"}, {"height_change", "travel"}},
        {{"sensitivity", gm, "--graph", "sidescrub", "--format", "json"},
         {"step", "at_bump", "at_rebound"}},
        {{"graph", ford, "--graph", "sidescrub"}, {"XRange", "WheelPos"}},
        {{"roll", gm, "--dive", "0.5", "--roll", "1.5"},
         {"dive", "travel", "contact_patch", "instant_center", "roll_center", "track_change",
          "kinematic_roll_center"}},
        {{"roll", formula, "--max-roll", "2", "--steps", "4"},
         {"dive", "travel", "contact_patch", "instant_center", "roll_center", "track_change",
          "kinematic_roll_center"}},
        {{"steer", formula, "--max-rack", "1", "--steps", "4"},
         {"rack", "contact_patch_height_change", "wheelbase"}},
        {{"vehicle", gm},
         {"wheelbase", "cg_height", "steering_ratio", "gauge_length", "side_view_instant_center"}},
        {{"readings", gm}, {"gauge_length", "VU", "VD", "travel", "reading"}},
        {{"springs", springs, "--side", "right"}, {"travel", "length_change"}},
        {{"rates", springs}, {"roll_axis_height_at_cg"}},
        {{"roll", springs, "--lateral-g", "1.2", "--braking-g", "0.3"},
         {"dive", "travel", "contact_patch", "instant_center", "roll_center", "track_change",
          "kinematic_roll_center", "dive_right", "dive_left"}},
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
        expectScaled(inJson, mmJson, command.lengths, 1.0, command.args[0]);
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
