// Every number option of every command is read by one rule, and every refusal is one line.
#include "cli_runner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

std::string withData(const std::string& name) {
    return examplePath("with-vehicle-data/" + name);
}

TEST(CliNumbers, EveryOptionRefusesWhatTheProjectReaderWouldNotTakeInOneLine) {
    const std::string gm = withData("gm-dirt-oval.kqw");
    // A project whose block drops a record and whose left side lacks a value: the command
    // fails after reading it, and the failure stays one line.
    const auto broken = std::filesystem::temp_directory_path() / "velmora-numbers-broken.kqw";
    {
        std::ifstream in(gm, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        std::ofstream(broken, std::ios::binary)
            << "11.25,,," << text.substr(text.find('\n')) << "\"wheelbase\",-1\r\n";
    }
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"steer", gm, "--max-rack", "2", "--steps", "0x10"}, "--steps: \"0x10\" is not a whole"},
        {{"vehicle", gm, "--wheelbase", "0x1p7"}, "--wheelbase: \"0x1p7\" is not a number"},
        {{"steer", gm, "--rack", " 1"}, "--rack: \" 1\" is not a number"},
        {{"steer", gm, "--rack", "1e-400"}, "--rack: \"1e-400\" is not 0 but too small"},
        {{"vehicle", gm, "--front-brake", "1e-400"}, "--front-brake: \"1e-400\" is not 0 but"},
        {{"roll", gm, "--dive", "1e999"}, "--dive: \"1e999\" is too large"},
        {{"sweep", gm, "--bump", "0x10"}, "--bump: \"0x10\" is not a number"},
        {{"sweep", gm, "--rebound", "-1"}, "--rebound: travel \"-1\" must be 0 or more"},
        {{"sensitivity", gm, "--graph", "camber", "--step", "abc"}, "--step: \"abc\" is not a"},
        {{"graph", gm, "--graph", "camber", "--steps", "abc"}, "--steps: \"abc\" is not a whole"},
        {{"graph", gm, "--graph", "camber", "--steps", "1e30"}, "--steps: Steps 1e30 is outside"},
        {{"render", "graph", gm, "--png", "x.png", "--position", "2.5"}, "--position: \"2.5\""},
        {{"print", "steer", gm, "--steps", "abc", "--dump"}, "--steps: \"abc\" is not a whole"},
        {{"print", "roll", gm, "--graph", "camber", "--dump"}, "--graph: the roll page does not"},
        {{"print", "worksheets", "--max-roll", "1e9", "--dump"}, "--max-roll: the worksheets"},
        {{"print", "static", gm, "--side", "left", "--dump"}, "--side: the static page does not"},
        {{"roll", broken.string()}, "left side is missing values"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.err.find("Could not convert"), std::string::npos) << run.err;
    }
    // The notice about the dropped record still comes when the command succeeds.
    const CliRun fine = runCli({"vehicle", broken.string()});
    EXPECT_EQ(fine.exitCode, 0);
    EXPECT_NE(fine.err.find("(\"wheelbase\",-1): Wheelbase -1 must be from 1"), std::string::npos)
        << fine.err;
    std::filesystem::remove(broken);

    // A page that takes an option uses it.
    const CliRun five = runCli({"print", "steer", gm, "--steps", "5", "--dump"});
    const CliRun plain = runCli({"print", "steer", gm, "--dump"});
    ASSERT_EQ(five.exitCode, 0) << five.err;
    EXPECT_NE(five.out, plain.out);
}

} // namespace
} // namespace velmora::test
