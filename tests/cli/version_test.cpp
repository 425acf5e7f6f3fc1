#include "cli_runner.h"
#include "velmora_version.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(CliVersion, PrintsTheVersionOfTheBuild) {
    const CliRun run = runCli({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, std::string("velmora-cli ") + VELMORA_VERSION + "\n");
    EXPECT_TRUE(run.err.empty());
}

#ifdef VELMORA_GUI
TEST(DesktopVersion, VersionAndHelpNeedNoDisplay) {
    // No display and the window system's platform: the program must answer all the same.
    const std::string program =
        "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 60 '" +
        std::string(VELMORA_GUI) + "'";
    const CliRun version = runCommand(program, {"--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_EQ(version.out, std::string("Velmora ") + VELMORA_VERSION + "\n");
    const CliRun help = runCommand(program, {"--help"});
    EXPECT_EQ(help.exitCode, 0) << help.err;
    EXPECT_EQ(help.out.rfind("Usage: velmora [project]", 0), 0u) << help.out;
}

TEST(DesktopStartUp, EndsOnceTheMainWindowIsShownWhenAsked) {
    // What the start-up benchmark relies on: one "shown" line, then the program ends by itself
    // (it must not stop to ask about saving, as closing the window would).
    const std::string program =
        "env VELMORA_QUIT_WHEN_SHOWN=1 QT_QPA_PLATFORM=offscreen timeout 60 '" +
        std::string(VELMORA_GUI) + "'";
    const CliRun run = runCommand(program, {});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("shown ", 0), 0u) << run.out;
    EXPECT_EQ(run.out.find("shown", 1), std::string::npos) << run.out;
}
#endif

} // namespace
} // namespace velmora::test
