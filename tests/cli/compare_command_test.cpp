#include "cli/cli_runner.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cmath>

namespace velmora::test {
namespace {

using nlohmann::json;

// Each curve of `compare` is the one `sweep` gives for its project, and the difference is
// changed minus base: for the classic model formed in single precision like the curves.
TEST(CliCompare, CurvesAreTheSweepsAndTheDifferenceIsChangedMinusBase) {
    struct Case {
        const char* graph;
        const char* key;
        const char* model;
        std::vector<std::string> travel;
    };
    const Case cases[] = {
        {"camber", "CamberChange", "classic", {}},
        {"bumpsteer", "BumpSteer", "classic", {"--side", "right", "--bump", "2"}},
        {"foreaft", "ForeAft", "3d", {"--rebound", "1.5"}},
    };
    const std::string base = examplePath("gm-dirt-oval.kqw");
    const std::string changed = examplePath("ford-asphalt-oval.kqw");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.graph);
        auto args = [&](std::vector<std::string> head) {
            head.insert(head.end(), c.travel.begin(), c.travel.end());
            head.insert(head.end(), {"--model", c.model});
            return head;
        };
        const CliRun run = runCli(args({"compare", base, changed, "--graph", c.graph}));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const json out = json::parse(run.out);
        const json sweepBase = json::parse(runCli(args({"sweep", base})).out);
        const json sweepChanged = json::parse(runCli(args({"sweep", changed})).out);
        EXPECT_EQ(out["travel"], sweepBase["travel"]);
        EXPECT_EQ(out["base"], sweepBase[c.key]);
        EXPECT_EQ(out["changed"], sweepChanged[c.key]);

        const bool single = std::string(c.model) == "classic";
        double largest = -1;
        json at;
        ASSERT_EQ(out["difference"].size(), out["travel"].size());
        for (std::size_t i = 0; i < out["travel"].size(); ++i) {
            const double b = out["base"][i];
            const double d = out["changed"][i];
            const double expected =
                single ? static_cast<float>(static_cast<float>(d) - static_cast<float>(b)) : d - b;
            EXPECT_NEAR(out["difference"][i].get<double>(), expected, single ? 1e-7 : 1e-15);
            if (std::fabs(expected) > largest) {
                largest = std::fabs(expected);
                at = out["travel"][i];
            }
        }
        EXPECT_NEAR(out["max_difference"].get<double>(), largest, 1e-7);
        EXPECT_EQ(out["at_travel"], at);
    }

    const CliRun same = runCli({"compare", base, base, "--graph", "caster", "--format", "text"});
    ASSERT_EQ(same.exitCode, 0) << same.err;
    EXPECT_NE(same.out.find("largest difference: 0.000 deg at travel 3 in"), std::string::npos)
        << same.out;
}

TEST(CliCompare, RefusesBadInputWithOneLineNamingIt) {
    const std::string base = examplePath("gm-dirt-oval.kqw");
    const struct {
        std::vector<std::string> args;
        const char* named;
    } cases[] = {
        {{"compare", base, base, "--graph", "toe"}, "toe"},
        {{"compare", base, base}, "--graph"},
        {{"compare", base, base, "--graph", "camber", "--model", "4d"}, "4d"},
        {{"compare", base, base, "--graph", "camber", "--format", "csv"}, "csv"},
        {{"compare", base, base, "--graph", "camber", "--side", ""}, "--side"},
        {{"compare", base, "/nonexistent/changed.kqw", "--graph", "camber"},
         "/nonexistent/changed.kqw"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.named;
        EXPECT_TRUE(run.out.empty()) << c.named;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

} // namespace
} // namespace velmora::test
