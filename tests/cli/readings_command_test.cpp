#include "cli/cli_runner.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora::test {
namespace {

using nlohmann::json;

const std::string kProject =
    std::string(VELMORA_SOURCE_DIR) + "/tests/data/projects/gm-readings.kqw";

TEST(CliReadings, EachReadingWithBothModelsAndTheDifferences) {
    const CliRun run = runCli({"readings", kProject});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json out = json::parse(run.out);
    EXPECT_EQ(out["side"], "left");
    EXPECT_EQ(out["gauge_length"], 12.0);
    ASSERT_EQ(out["readings"].size(), 8u);
    const json& first = out["readings"][0];
    EXPECT_EQ(first["travel"], 3.0);
    EXPECT_EQ(first["reading"], -0.16);
    EXPECT_NEAR(first["degrees"].get<double>(), -0.76389, 1e-5);
    EXPECT_NEAR(first["classic"].get<double>(), -0.8024417, 1e-7) << "the sweep's position 1";
    EXPECT_NEAR(first["difference_classic"].get<double>(),
                first["degrees"].get<double>() - first["classic"].get<double>(), 1e-12);
    // Beyond the swept 3 inches: no classic value, said in the messages; 3-D still solved.
    const json& beyond = out["readings"][7];
    EXPECT_TRUE(beyond["classic"].is_null());
    EXPECT_TRUE(beyond["difference_classic"].is_null());
    EXPECT_TRUE(beyond["3d"].is_number());
    ASSERT_EQ(out["messages"].size(), 1u);
    EXPECT_NE(out["messages"][0]["text"].get<std::string>().find("4 in lies outside"),
              std::string::npos);

    const CliRun right = runCli({"readings", kProject, "--side", "right", "--format", "text"});
    ASSERT_EQ(right.exitCode, 0) << right.err;
    EXPECT_EQ(right.out.rfind("Right side bump steer readings, gauge length 12 in", 0), 0u);
    EXPECT_NE(right.out.find("\n2.000       -0.1000     -0.477   -0.486"), std::string::npos)
        << right.out;

    const json gauge = json::parse(runCli({"vehicle", kProject, "--gauge-length", "24"}).out);
    EXPECT_EQ(gauge["gauge_length"], 24.0);
    EXPECT_TRUE(json::parse(runCli({"vehicle", kProject}).out)["gauge_length"].is_null());
}

TEST(CliReadings, RefusalsAreOneLineWithExitTwo) {
    const auto dir = std::filesystem::temp_directory_path() / "velmora-cli-readings";
    std::filesystem::create_directories(dir);
    const std::string half = (dir / "half.kqw").string();
    {
        std::ifstream in(kProject, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        std::string contents = text.str();
        // Record 1: the left value becomes 0, so the left side is not complete.
        const auto comma = contents.find(',');
        contents.replace(comma + 1, contents.find(',', comma + 1) - comma - 1, "0");
        std::ofstream(half, std::ios::binary) << contents;
    }
    const struct {
        std::vector<std::string> args;
        const char* says;
    } bad[] = {
        {{"readings", half}, "the left side is not complete"},
        {{"readings", kProject, "--side", "middle"}, "--side"},
        {{"vehicle", kProject, "--gauge-length", "0"}, "--gauge-length: Gauge length 0 must be"},
    };
    for (const auto& c : bad) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace velmora::test
