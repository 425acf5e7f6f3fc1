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

} // namespace
} // namespace velmora::test
