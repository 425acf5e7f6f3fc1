#include "cli/cli_runner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

struct PngSize {
    unsigned width = 0;
    unsigned height = 0;
};

// Width and height from the PNG header; 0 x 0 when the file is not a PNG.
PngSize pngSize(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) {
        return {};
    }
    const auto word = [&](std::size_t at) {
        unsigned value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        }
        return value;
    };
    return {word(16), word(20)};
}

class CliRenderNamed : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of its own, also when other builds run these tests at the same time.
        dir = fs::temp_directory_path() /
              ("velmora_render_named_" + std::to_string(std::random_device{}()) + "_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    CliRun render(std::vector<std::string> args) {
        args.insert(args.begin(), {"render", "named"});
        CliRun run = runCli(args);
        if (run.err.find("built without the desktop libraries") != std::string::npos) {
            skipped = true;
        }
        return run;
    }

    fs::path dir;
    bool skipped = false;
};

TEST_F(CliRenderNamed, DrawsEveryKindOfPictureAtItsSize) {
    const struct {
        const char* name;
        PngSize size;
    } cases[] = {
        {"\\gmlxup.bmp", {553, 565}}, {"GMLTOP.BMP", {250, 170}}, {"hlp2.bmp", {578, 386}}};
    for (const auto& c : cases) {
        const fs::path out = dir / "out.png";
        const CliRun run = render({c.name, "--png", out.string()});
        if (skipped) {
            GTEST_SKIP() << "velmora-cli was built without rendering";
        }
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const PngSize size = pngSize(out);
        EXPECT_EQ(size.width, c.size.width) << c.name;
        EXPECT_EQ(size.height, c.size.height) << c.name;
    }
    const fs::path sized = dir / "sized.png";
    const CliRun run = render({"2000rzmc.bmp", "--png", sized.string(), "--size", "300x200",
                               "--project", examplePath("formula-road-course.kqw")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(pngSize(sized).width, 300u);
}

// Without --size the window pictures come out at twice their surfaces' natural size; the
// thumbnails are five in a row, 8 pixels apart.
TEST_F(CliRenderNamed, WindowPicturesDefaultToTwiceTheirNaturalSize) {
    const struct {
        const char* what;
        PngSize size;
    } cases[] = {
        {"thumbnails", {5 * 210 + 4 * 8, 178}}, {"graph", {578, 578}}, {"picture", {562, 578}}};
    for (const auto& c : cases) {
        const fs::path out = dir / "window.png";
        const CliRun run =
            runCli({"render", c.what, examplePath("gm-dirt-oval.kqw"), "--png", out.string()});
        if (run.err.find("built without the desktop libraries") != std::string::npos) {
            GTEST_SKIP() << "velmora-cli was built without rendering";
        }
        ASSERT_EQ(run.exitCode, 0) << c.what << ": " << run.err;
        const PngSize size = pngSize(out);
        EXPECT_EQ(size.width, c.size.width) << c.what;
        EXPECT_EQ(size.height, c.size.height) << c.what;
    }
}

// --dump prints the drawing's recording instead of writing a PNG, so its layout can be
// checked as text; it is for named pictures and never goes with --png.
TEST_F(CliRenderNamed, DumpPrintsTheRecording) {
    CliRun run = render({"gmlxmc.bmp", "--dump"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("background ", 0), 0u) << run.out.substr(0, 80);
    EXPECT_NE(run.out.find("print \"centerline\""), std::string::npos);
    EXPECT_NE(run.out.find("C  tire center"), std::string::npos);

    const fs::path out = dir / "out.png";
    run = render({"gmlxmc.bmp", "--dump", "--png", out.string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(fs::exists(out));
    run = runCli({"render", "picture", examplePath("gm-dirt-oval.kqw"), "--dump"});
    EXPECT_EQ(run.exitCode, 2);
}

TEST_F(CliRenderNamed, UnknownNamesAndMissingProjectsAreUsageErrors) {
    const fs::path out = dir / "out.png";
    CliRun run = render({"photo.bmp", "--png", out.string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("not a picture name"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));

    run = render({"gmlxup.bmp", "--png", out.string(), "--project", (dir / "none.kqw").string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(fs::exists(out));

    // --project belongs to named pictures only.
    run = runCli({"render", "picture", examplePath("gm-dirt-oval.kqw"), "--png", out.string(),
                  "--project", examplePath("gm-dirt-oval.kqw")});
    EXPECT_EQ(run.exitCode, 2);
}

} // namespace
} // namespace velmora::test
