#include "cli/cli_runner.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace velmora::test {
namespace {

using nlohmann::json;

json runJson(const std::vector<std::string>& args) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return json::parse(run.out, nullptr, false);
}

TEST(CliSensitivity, JsonRowsInIndexOrderScaleWithTheStep) {
    const std::string p = examplePath("gm-dirt-oval.kqw");
    const json out = runJson({"sensitivity", p, "--graph", "camber", "--format", "json"});
    ASSERT_TRUE(out.is_object());
    std::vector<std::string> keys;
    for (const auto& item : out.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"graph", "rows", "side", "step", "units"}));
    EXPECT_EQ(out["graph"], "camber");
    EXPECT_EQ(out["side"], "left");
    EXPECT_EQ(out["step"], 0.125);
    ASSERT_EQ(out["rows"].size(), 26u);
    for (int i = 0; i < 26; ++i) {
        const json& row = out["rows"][i];
        EXPECT_EQ(row["index"], i + 1);
        EXPECT_EQ(row.size(), 5u) << "no messages key on a clean row";
        EXPECT_TRUE(row["at_bump"].is_number() && row["at_rebound"].is_number());
    }
    EXPECT_EQ(out["rows"][2]["point"], "Top Arm Ball Joint");
    EXPECT_EQ(out["rows"][11]["axis"], "Y");

    // Twice the step, about twice the change: the curves are smooth over an eighth of an inch.
    const json twice =
        runJson({"sensitivity", p, "--graph", "camber", "--format", "json", "--step", "0.25"});
    const double one = out["rows"][11]["at_bump"].get<double>();
    EXPECT_NEAR(twice["rows"][11]["at_bump"].get<double>(), 2 * one, 0.1 * std::fabs(one));
    const json rigid = runJson({"sensitivity", p, "--graph", "camber", "--format", "json",
                                "--model", "3d", "--side", "right"});
    EXPECT_EQ(rigid["side"], "right");
    EXPECT_NE(rigid["rows"][11]["at_bump"], out["rows"][11]["at_bump"]);
}

TEST(CliSensitivity, TextListsTheLargestEffectFirst) {
    const CliRun run =
        runCli({"sensitivity", examplePath("ford-asphalt-oval.kqw"), "--graph", "bumpsteer"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_NE(line.find("bump steer (deg)"), std::string::npos) << line;
    std::getline(lines, line); // column heading
    std::vector<double> effects;
    while (std::getline(lines, line)) {
        std::istringstream words(line.substr(line.size() - 23));
        double bump = 0;
        double rebound = 0;
        words >> bump >> rebound;
        effects.push_back(std::max(std::fabs(bump), std::fabs(rebound)));
    }
    ASSERT_EQ(effects.size(), 26u);
    EXPECT_TRUE(std::is_sorted(effects.rbegin(), effects.rend()));
    EXPECT_GT(effects.front(), 0);
}

TEST(CliSensitivity, BadArgumentsAreRefusedNamingTheValue) {
    const std::string p = examplePath("gm-dirt-oval.kqw");
    const struct {
        std::vector<std::string> args;
        const char* says;
    } bad[] = {
        {{"sensitivity", p}, "--graph"},
        {{"sensitivity", p, "--graph", "toe"}, "toe"},
        {{"sensitivity", p, "--graph", "camber", "--step", "0"},
         "--step: step \"0\" must be above 0"},
        {{"sensitivity", p, "--graph", "camber", "--step", "-0.1"}, "step \"-0.1\" must be"},
        {{"sensitivity", p, "--graph", "camber", "--step", "0x1"},
         "--step: \"0x1\" is not a number"},
        {{"sensitivity", p, "--graph", "camber", "--step", "1e-9"}, "--step 1e-09 is too small"},
        {{"sensitivity", p, "--graph", "camber", "--model", "4d"}, "4d"},
        {{"sensitivity", p, "--graph", "camber", "--side", "middle"}, "middle"},
        {{"sensitivity", p, "--graph", "camber", "--bump", "inf"}, "inf"},
    };
    for (const auto& c : bad) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

} // namespace
} // namespace velmora::test
