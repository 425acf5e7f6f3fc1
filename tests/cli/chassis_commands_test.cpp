#include "cli/cli_runner.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora::test {
namespace {

using nlohmann::json;

std::string withData(const std::string& name) {
    return examplePath("with-vehicle-data/" + name);
}

json runJson(const std::vector<std::string>& args) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return json::parse(run.out, nullptr, false);
}

TEST(CliSteer, OneStateAndASweepWithTheirKeys) {
    const json zero = runJson({"steer", withData("gm-dirt-oval.kqw")});
    EXPECT_EQ(zero["rack"], 0.0);
    for (const char* side : {"right", "left"}) {
        for (const char* key :
             {"steer", "camber_change", "caster_change", "contact_patch_height_change"}) {
            EXPECT_EQ(zero[side][key], 0.0) << side << " " << key;
        }
    }
    EXPECT_TRUE(zero["ackermann_percent"].is_null());
    EXPECT_TRUE(zero["messages"].is_array());

    // The project's wheelbase gives Ackermann; --wheelbase overrides it.
    const json turned = runJson({"steer", withData("gm-dirt-oval.kqw"), "--rack", "1"});
    ASSERT_TRUE(turned["ackermann_percent"].is_number());
    const json longer =
        runJson({"steer", withData("gm-dirt-oval.kqw"), "--rack", "1", "--wheelbase", "150"});
    EXPECT_NE(longer["ackermann_percent"], turned["ackermann_percent"]);
    EXPECT_EQ(longer["left"]["steer"], turned["left"]["steer"]);
    EXPECT_TRUE(
        runJson({"steer", examplePath("gm-dirt-oval.kqw"), "--rack", "1"})["ackermann_percent"]
            .is_null());

    const json sweep =
        runJson({"steer", withData("formula-road-course.kqw"), "--max-rack", "2", "--steps", "8"});
    ASSERT_EQ(sweep["states"].size(), 9u);
    EXPECT_EQ(sweep["states"][0]["rack"], -2.0);
    EXPECT_EQ(sweep["states"][4]["rack"], 0.0);
    // Both sides of the formula car are the same: the wheels mirror each other.
    EXPECT_NEAR(sweep["states"][8]["left"]["steer"].get<double>(),
                -sweep["states"][0]["right"]["steer"].get<double>(), 1e-9);

    const CliRun text =
        runCli({"steer", withData("gm-dirt-oval.kqw"), "--max-rack", "1", "--format", "text"});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("Ackermann %"), std::string::npos);
}

TEST(CliSteer, BadArgumentsAreRefusedWithTheReason) {
    const std::string p = withData("gm-dirt-oval.kqw");
    const struct {
        std::vector<std::string> args;
        const char* says;
    } bad[] = {
        {{"steer", p, "--rack", "13"}, "--rack: Rack travel 13 is outside -12 to 12 in"},
        {{"steer", p, "--rack", "nan"}, "--rack: \"nan\" is not a number"},
        {{"steer", p, "--rack", "1", "--max-rack", "2"}, "cannot be given together"},
        {{"steer", p, "--steps", "4"}, "--steps needs --max-rack"},
        {{"steer", p, "--max-rack", "2", "--steps", "0"}, "--steps: Steps 0 is outside 1 to 400"},
        {{"steer", p, "--wheelbase", "0"}, "--wheelbase"},
        {{"vehicle", p, "--front-brake", "120"}, "from 0 to 100"},
        {{"vehicle", p, "--cg-height", "-1"}, "--cg-height"},
        {{"vehicle", p, "--gauge-length", "1e39"}, "--gauge-length: Gauge length 1e39 must be"},
        {{"vehicle", p, "--gauge-length", "-0"},
         "--gauge-length: Gauge length -0 must be from 0.1 to 1000 in"},
        {{"vehicle", p, "--wheelbase", "1e308"}, "Wheelbase 1e308 must be from 1 to 1000 in"},
        // Too small for a single: stored as 0, it would give an anti-dive of 0 %.
        {{"vehicle", p, "--front-brake", "1e-50"}, "\"1e-50\" is not 0 but too small"},
    };
    for (const auto& c : bad) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

TEST(CliVehicle, ValuesAntiDiveAndOverrides) {
    const json v = runJson({"vehicle", withData("gm-dirt-oval.kqw")});
    EXPECT_EQ(v["wheelbase"], 108.0);
    EXPECT_EQ(v["cg_height"], 17.5);
    EXPECT_EQ(v["front_brake_percent"], 58.0);
    EXPECT_EQ(v["steering_ratio"], 2.0);
    for (const char* side : {"right", "left"}) {
        EXPECT_TRUE(v["anti_dive_percent"][side].is_number()) << side;
        const json& ic = v["side_view_instant_center"][side];
        EXPECT_TRUE(ic.is_null() || (ic.is_array() && ic.size() == 2u)) << side;
    }
    // Twice the CG height halves the anti-dive.
    const json high = runJson({"vehicle", withData("gm-dirt-oval.kqw"), "--cg-height", "35"});
    EXPECT_NEAR(high["anti_dive_percent"]["left"].get<double>(),
                v["anti_dive_percent"]["left"].get<double>() / 2, 1e-9);

    const json plain = runJson({"vehicle", examplePath("gm-dirt-oval.kqw")});
    EXPECT_TRUE(plain["wheelbase"].is_null());
    EXPECT_TRUE(plain["steering_ratio"].is_null());
    EXPECT_TRUE(plain["anti_dive_percent"]["left"].is_null());
}

TEST(CliVehicle, AMalformedRecordIsDroppedAndSaid) {
    std::ifstream in(withData("gm-dirt-oval.kqw"), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const auto dir = std::filesystem::temp_directory_path() / "velmora-cli-vehicle";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "broken.kqw").string();
    std::ofstream(path, std::ios::binary) << text.str() << "\"wheelbase\",-2\r\n";
    const CliRun run = runCli({"vehicle", path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("Open: "), std::string::npos);
    EXPECT_NE(run.err.find("record 33"), std::string::npos) << run.err;
    EXPECT_EQ(json::parse(run.out)["wheelbase"], 108.0);
    std::filesystem::remove_all(dir);
}

TEST(CliPrint, SteerPageDumps) {
    const CliRun run = runCli({"print", "steer", withData("ford-asphalt-oval.kqw"), "--dump"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Steering"), std::string::npos);
    EXPECT_NE(run.out.find("enddoc"), std::string::npos);
}

} // namespace
} // namespace velmora::test
