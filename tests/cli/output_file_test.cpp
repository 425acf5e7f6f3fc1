// The rules every file velmora-cli writes obeys: only a regular file or a new name is
// written, through a link to the file it names, whole or not at all.
#include "cli/cli_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

const std::string kPngSignature = "\x89PNG\r\n\x1a\n";

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> namesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class CliOutputFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("velmora-cli-files-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    CliRun renderTo(const fs::path& png) {
        return runCli({"render", "graph", examplePath("gm-dirt-oval.kqw"), "--png", png.string(),
                       "--size", "64x64"});
    }

    // A refused target: exit 2, one clear line naming it once, nothing left beside it.
    void expectRefused(const CliRun& run, const fs::path& target,
                       const std::set<std::string>& namesBefore) {
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_EQ(occurrences(run.err, target.string()), 1u) << run.err;
        EXPECT_EQ(occurrences(run.err, "\n"), 1u) << run.err;
        EXPECT_EQ(namesIn(dir_), namesBefore) << "a temporary or partial file was left";
    }

    fs::path dir_;
};

TEST_F(CliOutputFile, NewAndExistingFilesAreWrittenWholeWithNothingLeftBeside) {
    if (!kCliRenders) {
        GTEST_SKIP() << "this velmora-cli was built without rendering";
    }
    const fs::path png = dir_ / "graph.png";
    ASSERT_EQ(renderTo(png).exitCode, 0);
    const std::string first = slurp(png);
    EXPECT_EQ(first.rfind(kPngSignature, 0), 0u);

    std::ofstream(png, std::ios::binary)
        << "an older, longer file that must be replaced whole " << std::string(first.size(), 'x');
    ASSERT_EQ(renderTo(png).exitCode, 0);
    EXPECT_EQ(slurp(png), first);
    EXPECT_EQ(namesIn(dir_), std::set<std::string>{"graph.png"});
}

TEST_F(CliOutputFile, NamedPipeAndFolderAreRefusedUntouched) {
    if (!kCliRenders) {
        GTEST_SKIP() << "this velmora-cli was built without rendering";
    }
    const fs::path fifo = dir_ / "pipe.png";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const fs::path folder = dir_ / "folder.png";
    fs::create_directory(folder);
    std::ofstream(folder / "inside.txt") << "kept";
    const std::set<std::string> before = namesIn(dir_);

    expectRefused(renderTo(fifo), fifo, before);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));

    expectRefused(renderTo(folder), folder, before);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(slurp(folder / "inside.txt"), "kept");
}

TEST_F(CliOutputFile, CharacterDeviceIsRefusedUntouched) {
    if (!kCliRenders) {
        GTEST_SKIP() << "this velmora-cli was built without rendering";
    }
    const fs::path device = dir_ / "null.png";
    // The same device as /dev/null, made here so the test never touches the real one.
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "cannot make a device node here (needs root outside a restricted "
                        "container)";
    }
    const std::set<std::string> before = namesIn(dir_);
    expectRefused(renderTo(device), device, before);
    EXPECT_TRUE(fs::is_character_file(fs::symlink_status(device)));
}

TEST_F(CliOutputFile, LinkIsFollowedAndTheFileKeepsItsPermissions) {
    if (!kCliRenders) {
        GTEST_SKIP() << "this velmora-cli was built without rendering";
    }
    const fs::path target = dir_ / "private.png";
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    const fs::path link = dir_ / "link.png";
    fs::create_symlink("private.png", link);

    ASSERT_EQ(renderTo(link).exitCode, 0);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(fs::read_symlink(link), "private.png");
    EXPECT_EQ(slurp(target).rfind(kPngSignature, 0), 0u);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(namesIn(dir_), (std::set<std::string>{"link.png", "private.png"}));
}

TEST_F(CliOutputFile, TheProjectIsNeverReplacedByItsPictureOrPrintout) {
    const fs::path project = dir_ / "car.kqw";
    fs::copy_file(examplePath("gm-dirt-oval.kqw"), project);
    const std::string contents = slurp(project);
    fs::create_symlink("car.kqw", dir_ / "car-link");
    fs::create_hard_link(project, dir_ / "car-hard-link");
    for (const char* name : {"car.kqw", "car-link", "car-hard-link"}) {
        const std::string out = (dir_ / name).string();
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"render", "picture", project.string(), "--png", out},
              {"print", "coordinates", project.string(), "--pdf", out},
              {"print", "static", project.string(), "--pdf", out},
              {"print", "graph", project.string(), "--pdf", out}}) {
            const CliRun run = runCli(args);
            EXPECT_EQ(run.exitCode, 2) << args[0] << ' ' << args[1] << ' ' << name;
            EXPECT_NE(run.err.find("is the project file it is made from"), std::string::npos)
                << run.err;
            EXPECT_EQ(slurp(project), contents) << args[0] << ' ' << args[1] << ' ' << name;
        }
    }
}

TEST_F(CliOutputFile, MissingFolderIsAClearErrorAndWritesNothing) {
    if (!kCliRenders) {
        GTEST_SKIP() << "this velmora-cli was built without rendering";
    }
    const fs::path png = dir_ / "no-such-folder" / "graph.png";
    const CliRun run = renderTo(png);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("PNG not written"), std::string::npos) << run.err;
    EXPECT_EQ(occurrences(run.err, png.string()), 1u) << run.err;
    EXPECT_TRUE(namesIn(dir_).empty());
}

} // namespace
} // namespace velmora::test
