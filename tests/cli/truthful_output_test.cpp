// velmora-cli says what really happened: output it could not write, option values it cannot
// use, the sweep's messages behind a picture, and pictures too large to draw.
#include "cli/cli_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

std::string joined(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& arg : args) {
        text += "'" + arg + "' ";
    }
    return text;
}

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A folder of its own for each test, removed afterwards.
class CliTruth : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("velmora-cli-truth-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The example with both bottom arms shortened to 3 inches: swept 9 inches each way it
    // tops out, so the sweep has messages to report.
    std::string projectWithSweepMessages() {
        std::istringstream lines(slurp(examplePath("gm-dirt-oval.kqw")));
        std::string text;
        int record = 0;
        for (std::string line; std::getline(lines, line);) {
            ++record;
            text += (record == 4 || record == 5) ? std::string("21.75,21.5,,\r") : line;
            text += '\n';
        }
        const fs::path path = dir_ / "short-bottom-arms.kqw";
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    fs::path dir_;
};

TEST_F(CliTruth, OutputThatCannotBeWrittenIsAFailure) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    const std::string gm = examplePath("gm-dirt-oval.kqw");
    const std::vector<std::vector<std::string>> printing = {
        {"sweep", gm},
        {"sweep", gm, "--format", "csv"},
        {"static", gm},
        {"static", gm, "--format", "text"},
        {"report", gm},
        {"suggest", gm, "--graph", "camber"},
        {"suggest", gm, "--graph", "camber", "--format", "json"},
        {"graph", gm, "--graph", "caster"},
        {"--help"},
    };
    for (const auto& args : printing) {
        const CliRun run = runCliWithStdoutTo(args, "/dev/full");
        EXPECT_EQ(run.exitCode, 2) << joined(args);
        EXPECT_EQ(run.err, "velmora-cli: cannot write standard output: No space left on device\n")
            << joined(args);
    }
    // render prints nothing, so a full standard output does not concern it.
    if (!kCliRenders) {
        return;
    }
    const fs::path png = dir_ / "graph.png";
    const CliRun render = runCliWithStdoutTo(
        {"render", "graph", gm, "--png", png.string(), "--size", "64x64"}, "/dev/full");
    EXPECT_EQ(render.exitCode, 0) << render.err;
    EXPECT_TRUE(fs::exists(png));
}

TEST_F(CliTruth, EmptyValuesAreRefusedRatherThanTakenAsDefaults) {
    const std::string gm = examplePath("gm-dirt-oval.kqw");
    const std::string png = (dir_ / "out.png").string();
    const std::vector<std::vector<std::string>> cases = {
        {"sweep", ""},
        {"sweep", gm, "--side", ""},
        {"sweep", gm, "--bump", ""},
        {"sweep", gm, "--rebound="},
        {"sweep", gm, "--format", ""},
        {"static", gm, "--format", ""},
        {"report", gm, "--side", ""},
        {"suggest", gm, "--graph", ""},
        {"suggest", gm, "--graph", "camber", "--track", ""},
        {"suggest", gm, "--graph", "camber", "--style", ""},
        {"graph", gm, "--graph", "camber", "--steps", ""},
        {"graph", gm, "--graph", "camber", "--bump", ""},
        {"render", "graph", gm, "--png", png, "--size", ""},
        {"render", "thumbnails", gm, "--png", png, "--size="},
        {"render", "picture", gm, "--png", png, "--position", ""},
        {"render", "graph", gm, "--png", png, "--graph", ""},
        {"render", "graph", gm, "--png", ""},
        {"render", "", gm, "--png", png},
    };
    for (const auto& args : cases) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << joined(args);
        EXPECT_NE(run.err.find("velmora-cli: "), std::string::npos) << joined(args);
        EXPECT_TRUE(run.out.empty()) << joined(args);
        EXPECT_FALSE(fs::exists(png)) << joined(args);
    }
}

// Every refusal is exit 2 and one line on stderr that says why, nothing on stdout and no file.
TEST_F(CliTruth, RefusalsAreOneLineSayingWhy) {
    const std::string gm = examplePath("gm-dirt-oval.kqw");
    const std::string png = (dir_ / "out.png").string();
    const std::vector<std::string> huge = {"--bump", "2e38", "--rebound", "2e38"};
    const std::vector<std::string> largest = {"--bump", "3.4028235e38", "--rebound",
                                              "3.4028235e38"};
    const std::vector<std::string> tiny = {"--bump", "1e-45", "--rebound", "1e-45"};
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> travel;
        const char* why;
    };
    const std::vector<Case> cases = {
        {{"sweep", gm}, huge, "give no wheel position"},
        {{"sweep", gm}, largest, "give no wheel position"},
        {{"sweep", gm}, tiny, "too small to divide into steps"},
        {{"sweep", gm, "--model", "3d"}, huge, "give no wheel position"},
        {{"graph", gm, "--graph", "camber"}, largest, "give no wheel position"},
        {{"suggest", gm, "--graph", "camber"}, huge, "give no wheel position"},
        {{"print", "graph", gm, "--dump"}, huge, "give no wheel position"},
        {{"compare-models", gm}, huge, "give no wheel position"},
        {{"bumpsteer-fix", gm}, huge, "give no wheel position"},
        {{"render", "thumbnails", gm, "--png", png}, huge, "give no wheel position"},
        {{"render", "graph", gm, "--png", png}, huge, "give no wheel position"},
        {{"render", "picture", gm, "--png", png}, largest, "give no wheel position"},
        {{"sweep", gm, "--bump", "0x10"}, {}, "--bump: \"0x10\" is not a number"},
        {{"sweep", gm, "--rebound", "1e-400"}, {}, "too small"},
        {{"sweep", gm, "--frob"}, {}, "--frob"},
        {{"sweep", gm, "extra"}, {}, "extra"},
        {{"sweep"}, {}, "PROJECT"},
        {{"frobnicate"}, {}, "frobnicate"},
        {{}, {}, "subcommand"},
        {{"suggest", gm}, {}, "--graph"},
        {{"sweep", gm, "--side", "middle"}, {}, "middle"},
        {{"graph", gm, "--graph", "camber", "--steps", "x"}, {}, "--steps"},
        {{"report", gm, "--bump", "3"}, {}, "--bump"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), c.travel.begin(), c.travel.end());
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << joined(args);
        EXPECT_EQ(run.err.rfind("velmora-cli: ", 0), 0u) << joined(args) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << joined(args) << run.err;
        EXPECT_NE(run.err.find(c.why), std::string::npos) << joined(args) << run.err;
        EXPECT_TRUE(run.out.empty()) << joined(args);
        EXPECT_FALSE(fs::exists(png)) << joined(args);
    }
}

TEST_F(CliTruth, ErrorsNameTheFileOnce) {
    const fs::path missing = dir_ / "missing.kqw";
    const fs::path garbled = dir_ / "garbled.kqw";
    std::ofstream(garbled) << "not a project\n";
    for (const fs::path& project : {missing, dir_, garbled}) {
        const CliRun run = runCli({"static", project.string()});
        EXPECT_EQ(run.exitCode, 2) << project;
        std::size_t named = 0;
        for (auto at = run.err.find(project.string()); at != std::string::npos;
             at = run.err.find(project.string(), at + 1)) {
            ++named;
        }
        EXPECT_EQ(named, 1u) << run.err;
    }
}

TEST_F(CliTruth, RenderRefusesTravelTheOtherCommandsRefuse) {
    const std::string gm = examplePath("gm-dirt-oval.kqw");
    const std::string png = (dir_ / "out.png").string();
    for (const char* travel : {"nan", "inf", "-1", "1e40", "3in"}) {
        for (const char* option : {"--bump", "--rebound"}) {
            const CliRun sweep = runCli({"sweep", gm, option, travel});
            EXPECT_EQ(sweep.exitCode, 2) << option << ' ' << travel;
            for (const char* kind : {"thumbnails", "graph", "picture"}) {
                const CliRun run = runCli({"render", kind, gm, "--png", png, option, travel});
                EXPECT_EQ(run.exitCode, 2) << kind << ' ' << option << ' ' << travel;
                EXPECT_NE(run.err.find(option), std::string::npos) << run.err;
                EXPECT_FALSE(fs::exists(png)) << kind << ' ' << option << ' ' << travel;
            }
        }
    }
}

TEST_F(CliTruth, RenderReportsTheSweepMessagesAsTheOtherCommandsDo) {
    if (!kCliRenders) {
        GTEST_SKIP() << "this velmora-cli was built without rendering";
    }
    const std::string project = projectWithSweepMessages();
    const std::vector<std::string> travel = {"--bump", "9", "--rebound", "9"};
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.end(), travel.begin(), travel.end());
        const CliRun result = runCli(args);
        EXPECT_EQ(result.exitCode, 0) << joined(args) << result.err;
        return result.err;
    };
    const std::string png = (dir_ / "out.png").string();
    const std::string left = run({"sweep", project, "--format", "csv"});
    const std::string right = run({"sweep", project, "--format", "csv", "--side", "right"});
    ASSERT_NE(left.find("Suspension Geometry Error: Suspension tops out before"), std::string::npos)
        << left;
    EXPECT_EQ(run({"graph", project, "--graph", "camber"}), left);
    EXPECT_EQ(run({"render", "graph", project, "--png", png}), left);
    EXPECT_EQ(run({"render", "picture", project, "--png", png, "--side", "right"}), right);
    // Selecting a side sweeps the other side first, then the chosen one.
    EXPECT_EQ(run({"render", "thumbnails", project, "--png", png}), right + left);
}

// The width and height a PNG file's header gives.
std::pair<int, int> pngDimensions(const std::string& bytes) {
    auto word = [&](std::size_t at) {
        int value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = value * 256 + static_cast<unsigned char>(bytes.at(at + i));
        }
        return value;
    };
    return {word(16), word(20)};
}

TEST_F(CliTruth, OneSizeLimitHoldsForEveryRenderKind) {
    if (!kCliRenders) {
        GTEST_SKIP() << "this velmora-cli was built without rendering";
    }
    const std::string gm = examplePath("gm-dirt-oval.kqw");
    const fs::path png = dir_ / "out.png";
    struct Accepted {
        const char* kind;
        const char* size;
        std::pair<int, int> pngSize;
    };
    // At the limit: 8192 pixels across (five thumbnails and four 8-pixel gaps) or high.
    for (const Accepted& c :
         {Accepted{"thumbnails", "1632x40", {8192, 40}}, Accepted{"graph", "8192x16", {8192, 16}},
          Accepted{"picture", "16x8192", {16, 8192}}, Accepted{"graph", "8x8", {8, 8}}}) {
        const CliRun run = runCli({"render", c.kind, gm, "--png", png.string(), "--size", c.size});
        ASSERT_EQ(run.exitCode, 0) << c.kind << ' ' << c.size << run.err;
        EXPECT_EQ(pngDimensions(slurp(png)), c.pngSize) << c.kind << ' ' << c.size;
        fs::remove(png);
    }
    struct Refused {
        const char* kind;
        const char* size;
        const char* reason;
    };
    for (const Refused& c :
         {Refused{"thumbnails", "1633x40", "too large"},
          Refused{"thumbnails", "6548x178", "too large"}, Refused{"graph", "8193x16", "too large"},
          Refused{"picture", "4097x4096", "too large"}, Refused{"graph", "7x100", "too small"},
          Refused{"graph", "99999x99999", "too large"},
          Refused{"graph", "123456x10", "must look like 640x480"},
          Refused{"picture", "640", "must look like 640x480"},
          Refused{"picture", "640x480x2", "must look like 640x480"},
          Refused{"thumbnails", "-5x5", "must look like 640x480"}}) {
        const CliRun run = runCli({"render", c.kind, gm, "--png", png.string(), "--size", c.size});
        EXPECT_EQ(run.exitCode, 2) << c.kind << ' ' << c.size;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.kind << ' ' << c.size << run.err;
        EXPECT_FALSE(fs::exists(png)) << c.kind << ' ' << c.size;
    }
}

TEST_F(CliTruth, DrawingCommandsLeaveStderrToTheirOwnMessages) {
    if (!kCliRenders) {
        GTEST_SKIP() << "this velmora-cli was built without rendering";
    }
    // Without a runtime folder (a server, a cron job) the toolkit has warnings of its own.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = runtime ? runtime : "";
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::string gm = examplePath("ford-asphalt-oval.kqw");
    const std::string png = (dir_ / "out.png").string();
    const std::string pdf = (dir_ / "out.pdf").string();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"render", "thumbnails", gm, "--png", png},
          {"render", "graph", gm, "--png", png},
          {"render", "picture", gm, "--png", png},
          {"print", "coordinates", gm, "--pdf", pdf},
          {"print", "graph", gm, "--pdf", pdf},
          {"print", "worksheets", "--pdf", pdf}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 0) << joined(args);
        EXPECT_EQ(run.err, "") << joined(args);
    }
    if (runtime != nullptr) {
        ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    }
}

} // namespace
} // namespace velmora::test
