#include "cli/cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

long countLines(const std::string& text, const std::string& start) {
    std::istringstream in(text);
    long count = 0;
    for (std::string line; std::getline(in, line);) {
        count += line.rfind(start, 0) == 0 ? 1 : 0;
    }
    return count;
}

// A velmora-cli built without the desktop libraries cannot make PDF files and says so.
bool withoutPdf(const CliRun& run) {
    return run.err.find("built without the desktop libraries") != std::string::npos;
}

fs::path freshFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

TEST(CliPrint, DumpsEveryKindOfPage) {
    const std::string project = examplePath("gm-dirt-oval.kqw");
    const CliRun worksheets = runCli({"print", "worksheets", "--dump"});
    ASSERT_EQ(worksheets.exitCode, 0) << worksheets.err;
    EXPECT_EQ(countLines(worksheets.out, "enddoc"), 10);
    EXPECT_NE(worksheets.out.find("print \"Left Tie Rod Fore/Aft\""), std::string::npos);

    const CliRun coordinates =
        runCli({"print", "coordinates", project, "--side", "right", "--dump"});
    ASSERT_EQ(coordinates.exitCode, 0) << coordinates.err;
    EXPECT_NE(coordinates.out.find("print \"Right Side Suspension Coordinates\""),
              std::string::npos);
    EXPECT_NE(coordinates.out.find("print \"File:\" spc(1) \"" + project + "\""),
              std::string::npos);

    const CliRun statics = runCli({"print", "static", project, "--dump"});
    ASSERT_EQ(statics.exitCode, 0) << statics.err;
    EXPECT_NE(statics.out.find("print \"\\tSTEERING AXIS INCLINATION\\t"), std::string::npos);

    const CliRun graph = runCli({"print", "graph", project, "--graph", "bumpsteer", "--dump"});
    ASSERT_EQ(graph.exitCode, 0) << graph.err;
    EXPECT_NE(graph.out.find("print \"Left Bump Steer Change\""), std::string::npos);
    EXPECT_EQ(countLines(graph.out, "enddoc"), 1);
}

TEST(CliPrint, WritesOnePdfWithAllPagesOfTheCommand) {
    const fs::path folder = freshFolder("velmora-cli-print-test");
    const fs::path out = folder / "worksheets.pdf";
    const CliRun run = runCli({"print", "worksheets", "--pdf", out.string()});
    if (withoutPdf(run)) {
        GTEST_SKIP() << "no PDF output in this build";
    }
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::ifstream in(out, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string pdf = bytes.str();
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("/Count 10"), std::string::npos);
    fs::remove_all(folder);
}

TEST(CliPrint, RefusesBadRequestsWithoutLeavingFiles) {
    const fs::path folder = freshFolder("velmora-cli-print-bad");
    const CliRun neither = runCli({"print", "worksheets"});
    EXPECT_EQ(neither.exitCode, 2);
    EXPECT_NE(neither.err.find("--pdf"), std::string::npos);

    const CliRun noProject = runCli({"print", "static", "--dump"});
    EXPECT_EQ(noProject.exitCode, 2);
    EXPECT_NE(noProject.err.find("PROJECT"), std::string::npos);

    const fs::path unwritable = folder / "missing" / "page.pdf";
    const CliRun cannot = runCli({"print", "worksheets", "--pdf", unwritable.string()});
    EXPECT_EQ(cannot.exitCode, 2);
    if (!withoutPdf(cannot)) {
        EXPECT_NE(cannot.err.find("PDF not written: " + unwritable.string() +
                                  ": No such file or directory"),
                  std::string::npos)
            << cannot.err;
    }
    EXPECT_TRUE(fs::is_empty(folder));
    fs::remove_all(folder);
}

} // namespace
} // namespace velmora::test
