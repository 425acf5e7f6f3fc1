#include "cli/cli_runner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace velmora::test {
namespace {

TEST(CliRoll, OneStateAndAPathOfTheExamples) {
    for (const char* name :
         {"gm-dirt-oval.kqw", "ford-asphalt-oval.kqw", "formula-road-course.kqw"}) {
        const CliRun one = runCli({"roll", examplePath(name), "--dive", "1", "--roll", "2"});
        ASSERT_EQ(one.exitCode, 0) << one.err;
        const nlohmann::json s = nlohmann::json::parse(one.out);
        EXPECT_EQ(s["dive"], 1.0);
        EXPECT_EQ(s["roll"], 2.0);
        for (const char* key : {"travel", "camber_change_body", "camber_change_ground",
                                "bump_steer", "contact_patch", "instant_center"}) {
            EXPECT_TRUE(s["right"].contains(key) && s["left"].contains(key)) << key;
        }
        EXPECT_TRUE(s["roll_center"]["height"].is_number()) << name;
        EXPECT_EQ(s["roll_center"]["body"].size(), 2u);
        EXPECT_TRUE(s["messages"].empty());

        const CliRun path =
            runCli({"roll", examplePath(name), "--dive", "1", "--max-roll", "2", "--steps", "4"});
        ASSERT_EQ(path.exitCode, 0) << path.err;
        const nlohmann::json p = nlohmann::json::parse(path.out);
        ASSERT_EQ(p["states"].size(), 5u);
        // The last state of the path is the state asked for alone, to the last digit.
        nlohmann::json alone = s;
        alone.erase("units");
        EXPECT_EQ(p["states"][4], alone) << name;
    }
    const CliRun text = runCli({"roll", examplePath("gm-dirt-oval.kqw"), "--format", "text"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("Roll centre height (in)"), std::string::npos);
}

TEST(CliRoll, UnreachableStateIsAMessageNotAFailure) {
    // Both sides equal parallel arms 12 in long, which cannot lift a wheel 13.6 in.
    const auto project = std::filesystem::temp_directory_path() / "velmora-roll-short-arms.kqw";
    {
        const float values[27] = {0, 10, 10, 22, 10, 10, 22, 10, 22, 26, 15, 15, 22, 7,
                                  7, 7,  9,  9,  11, 20, 30, 25, 20, 30, 25, 31, 31};
        std::ofstream out(project, std::ios::binary);
        for (int i = 1; i <= 26; ++i) {
            out << values[i] << ',' << values[i] << (i == 26 ? ",\"GM\",\"Dirt\"" : ",,") << "\r\n";
        }
        out << "\"\"\r\n";
    }
    const CliRun run = runCli({"roll", project.string(), "--dive", "9", "--roll", "10"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json s = nlohmann::json::parse(run.out);
    EXPECT_TRUE(s["roll_center"].is_null());
    EXPECT_TRUE(s["right"]["camber_change_ground"].is_null());
    EXPECT_EQ(s["messages"][0]["title"], "3-D Check");
}

TEST(CliRoll, RefusesBadValuesAndIncompleteSidesInOneLine) {
    const std::string gm = examplePath("gm-dirt-oval.kqw");
    const auto one = std::filesystem::temp_directory_path() / "velmora-roll-one-side.kqw";
    {
        // The example with the second value of its first record left out: one side lacks it.
        std::ifstream in(gm);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        std::ofstream(one) << "11.25,,," << text.substr(text.find('\n'));
    }
    struct Case {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"roll", gm, "--roll", "11"}, "--roll: Roll 11 is outside -10 to 10 deg"},
        {{"roll", gm, "--dive", "nan"}, "--dive: \"nan\" is not a number"},
        {{"roll", gm, "--dive", "1in"}, "--dive: \"1in\" is not a number"},
        {{"roll", gm, "--max-roll", "3"}, "--max-roll and --steps go together"},
        {{"roll", gm, "--max-roll", "3", "--steps", "0"}, "--steps: Steps 0 is outside 1 to 200"},
        {{"roll", gm, "--max-roll", "3", "--steps", "2.5"}, "--steps: \"2.5\" is not a whole"},
        {{"print", "roll", gm, "--max-roll", "-12", "--dump"}, "--max-roll: Roll -12 is outside"},
        {{"roll", one.string()}, "left side is missing values"},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(CliRoll, PrintsOnePage) {
    const CliRun run = runCli({"print", "roll", examplePath("formula-road-course.kqw"), "--dive",
                               "1", "--max-roll", "2", "--dump"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::size_t pages = 0;
    for (std::size_t at = run.out.find("enddoc"); at != std::string::npos;
         at = run.out.find("enddoc", at + 1)) {
        ++pages;
    }
    EXPECT_EQ(pages, 1u);
    EXPECT_NE(run.out.find("Camber change to the ground (deg)"), std::string::npos);
}

} // namespace
} // namespace velmora::test
