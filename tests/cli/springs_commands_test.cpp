#include "cli/cli_runner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora::test {
namespace {

using Json = nlohmann::json;

const std::string kSprings = "with-vehicle-data/gm-dirt-oval-springs.kqw";

Json runJson(const std::vector<std::string>& args) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.exitCode == 0 ? Json::parse(run.out) : Json();
}

// The curves at ride height are the rates' values, and the state from g is the state the
// gradient and the dives give, with both roll centres.
TEST(CliSprings, CurvesRatesAndTheStateFromGAgree) {
    const std::string project = examplePath(kSprings);
    const Json rates = runJson({"rates", project});
    for (const char* side : {"right", "left"}) {
        const Json curves = runJson({"springs", project, "--side", side});
        const Json& travel = curves["travel"];
        const auto ride = std::find(travel.begin(), travel.end(), Json(0.0)) - travel.begin();
        EXPECT_DOUBLE_EQ(curves["spring"]["wheel_rate"][ride].get<double>(),
                         rates["wheel_rate"][side].get<double>())
            << side;
        EXPECT_EQ(curves["damper"]["motion_ratio"].size(), travel.size());
        EXPECT_TRUE(curves["bar_link"]["motion_ratio"][ride].is_number());
    }
    const Json g = runJson({"roll", project, "--lateral-g", "1.2", "--braking-g", "0.3"});
    EXPECT_EQ(g["from_g"]["roll_gradient"], rates["roll_gradient"]);
    EXPECT_DOUBLE_EQ(g["roll"].get<double>(), 1.2 * rates["roll_gradient"].get<double>());
    EXPECT_DOUBLE_EQ(
        g["dive"].get<double>(),
        (g["from_g"]["dive_right"].get<double>() + g["from_g"]["dive_left"].get<double>()) / 2);
    EXPECT_TRUE(g["kinematic_roll_center"]["height"].is_number());
    EXPECT_TRUE(runJson({"static", project})["kinematic_roll_center"]["offset"].is_number());

    // The printed page carries the window's table.
    const CliRun page = runCli({"print", "rates", project, "--dump"});
    ASSERT_EQ(page.exitCode, 0) << page.err;
    EXPECT_NE(page.out.find("Rates and Roll"), std::string::npos);
    EXPECT_NE(page.out.find("2.550 deg/g"), std::string::npos);

    // A project without springs has nothing to give, and says so without failing.
    const Json plain = runJson({"springs", examplePath("gm-dirt-oval.kqw")});
    EXPECT_TRUE(plain["spring"].is_null() && plain["damper"].is_null() &&
                plain["bar_link"].is_null());
    const Json none = runJson({"rates", examplePath("gm-dirt-oval.kqw")});
    EXPECT_TRUE(none["roll_gradient"].is_null());
    EXPECT_NE(none["messages"].dump().find("Vehicle weight is not set."), std::string::npos);
}

TEST(CliSprings, BadInputIsOneLineNamingTheValue) {
    const std::string project = examplePath(kSprings);
    // A spring mounted on the bottom arm's front pivot turns with nothing.
    const std::filesystem::path still =
        std::filesystem::temp_directory_path() / "velmora-still-spring.kqw";
    {
        std::ifstream in(project, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::string s = text.str();
        const std::string mount = "\"spring\",\"right\",\"bottom arm\",17.5,7.75,27.5";
        s.replace(s.find(mount), mount.size(), "\"spring\",\"right\",\"bottom arm\",9.75,8,21");
        std::ofstream(still, std::ios::binary) << s;
    }
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"roll", examplePath("gm-dirt-oval.kqw"), "--lateral-g", "1"},
         "Vehicle weight is not set."},
        {{"roll", project, "--lateral-g", "1", "--roll", "2"}, "--lateral-g"},
        {{"roll", project, "--lateral-g", "nan"}, "--lateral-g"},
        {{"roll", project, "--braking-g", "6"}, "Braking g 6 is outside -5 to 5 g"},
        {{"rates", project, "--vehicle-weight", "-3"}, "Vehicle weight -3 must be"},
        {{"rates", project, "--front-weight", "101"}, "Front weight share 101 must be"},
        {{"rates", project, "--rear-roll-stiffness", "inf"}, "--rear-roll-stiffness"},
        {{"springs", still.string()}, "the right spring"},
        {{"rates", still.string()}, "the right spring"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args[0] << " " << c.args[2];
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    std::filesystem::remove(still);
}

} // namespace
} // namespace velmora::test
