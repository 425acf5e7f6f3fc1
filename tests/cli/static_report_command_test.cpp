#include "cli/cli_runner.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

using nlohmann::json;

TEST(CliStatic, GivesTenValuesTenCaptionsAndTheMessages) {
    const CliRun run = runCli({"static", examplePath("gm-dirt-oval.kqw")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json out = json::parse(run.out);
    EXPECT_EQ(out["values"].size(), 10u);
    EXPECT_EQ(out["captions"].size(), 10u);
    EXPECT_TRUE(out["messages"].empty());
    for (const char* label : {"lblStatRAxis", "lblStaticLAxis", "lblStatRCH", "lblStatRCO"}) {
        EXPECT_FALSE(out["captions"][label].get<std::string>().empty()) << label;
    }
}

TEST(CliStatic, SymmetricCarHasNoRollCentreOffset) {
    const CliRun run = runCli({"static", examplePath("formula-road-course.kqw")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json out = json::parse(run.out);
    EXPECT_EQ(out["captions"]["lblStatRCO"], "0");
    EXPECT_EQ(out["captions"]["lblStatRAxis"], out["captions"]["lblStaticLAxis"]);
}

TEST(CliStatic, TextFormatListsValuesAndCaptions) {
    const CliRun run = runCli({"static", examplePath("ford-asphalt-oval.kqw"), "--format", "text"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("RightSAI = "), std::string::npos);
    EXPECT_NE(run.out.find("lblStatRCO: "), std::string::npos);
}

TEST(CliReport, ShowsStyleTrackStaticGeometryAndCurves) {
    for (const char* example :
         {"gm-dirt-oval.kqw", "ford-asphalt-oval.kqw", "formula-road-course.kqw"}) {
        const CliRun run = runCli({"report", examplePath(example), "--side", "right"});
        ASSERT_EQ(run.exitCode, 0) << example << run.err;
        EXPECT_NE(run.out.find("Static Geometry"), std::string::npos) << example;
        EXPECT_NE(run.out.find("Right side curves"), std::string::npos) << example;
        EXPECT_EQ(run.out.find(" ! "), std::string::npos) << "unexpected message:\n" << run.out;
    }
    const CliRun gm = runCli({"report", examplePath("gm-dirt-oval.kqw")});
    EXPECT_NE(gm.out.find("GM style stock car"), std::string::npos);
    EXPECT_NE(gm.out.find("Dirt oval"), std::string::npos);
}

} // namespace
} // namespace velmora::test
