#include "model/project_file_io.h"

#include "model/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

const fs::path kProjects = fs::path(VELMORA_TEST_DATA_DIR) / "projects";

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void putFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ProjectFileIo : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("velmora-project-io-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    // Names in the folder other than `keep`: a leftover temporary file would show here.
    int entriesBesides(const fs::path& keep) const {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            count += entry.path() != keep ? 1 : 0;
        }
        return count;
    }
    fs::path dir_;
};

TEST_F(ProjectFileIo, ReadsTheSampleFilesOfEachFormat) {
    const ProjectReadResult native = readProjectFile((kProjects / "native.kqw").string());
    ASSERT_TRUE(native.ok()) << native.error->detail;
    EXPECT_EQ(native.project->format, ProjectFormat::Native);
    EXPECT_EQ(native.project->RightCoords[1], 12.5f);
    EXPECT_EQ(native.project->LeftCoords[1], 12.75f);
    EXPECT_EQ(native.project->LeftCoords[26], 19.75f);
    EXPECT_EQ(native.project->CarStyle, "Ford");
    EXPECT_EQ(trackChoiceFor(*native.project), TrackChoice::Asphalt);
    EXPECT_EQ(native.project->notes, "Left front rebuilt after Saturday.\r\nMoved the top arm "
                                     "\xC2\xBC in. \xE2\x80\x94 check toe.\r\n");

    const ProjectReadResult lfOnly = readProjectFile((kProjects / "native_lf.kqw").string());
    ASSERT_TRUE(lfOnly.ok());
    EXPECT_EQ(lfOnly.project->RightCoords, native.project->RightCoords);
    EXPECT_EQ(lfOnly.project->LeftCoords, native.project->LeftCoords);
    EXPECT_EQ(lfOnly.project->notes, "Left front rebuilt after Saturday.\nMoved the top arm "
                                     "\xC2\xBC in. \xE2\x80\x94 check toe.\n");

    const ProjectReadResult legacy = readProjectFile((kProjects / "legacy.kqp").string());
    ASSERT_TRUE(legacy.ok());
    EXPECT_EQ(legacy.project->format, ProjectFormat::Legacy);
    EXPECT_EQ(legacy.project->RightCoords, native.project->RightCoords);
    EXPECT_EQ(legacy.project->LeftCoords, native.project->LeftCoords);
    EXPECT_EQ(trackChoiceFor(*legacy.project), TrackChoice::Asphalt);
    EXPECT_EQ(carStyleChoiceFor(*legacy.project, "legacy.kqp"), CarStyleChoice::GM);

    const ProjectReadResult marked = readProjectFile((kProjects / "marked.txt").string());
    ASSERT_TRUE(marked.ok());
    EXPECT_EQ(marked.project->format, ProjectFormat::MarkedTest);
    EXPECT_EQ(marked.project->RightCoords, native.project->RightCoords);
    EXPECT_EQ(trackChoiceFor(*marked.project), TrackChoice::Road);
    EXPECT_EQ(carStyleChoiceFor(*marked.project, "marked.txt"), CarStyleChoice::Formula);
    EXPECT_EQ(marked.project->notes, "bench notes");
}

TEST_F(ProjectFileIo, MissingFileOrFolderIsUnreadable) {
    EXPECT_EQ(readProjectFile((dir_ / "none.kqw").string()).error->kind,
              ProjectErrorKind::Unreadable);
    EXPECT_EQ(readProjectFile(dir_.string()).error->kind, ProjectErrorKind::Unreadable);
}

TEST_F(ProjectFileIo, HugeFileIsRefusedUnread) {
    const fs::path huge = dir_ / "huge.kqw";
    putFile(huge, "1");
    fs::resize_file(huge, kMaxProjectFileBytes + 1); // sparse: costs no disk space
    const ProjectReadResult result = readProjectFile(huge.string());
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->kind, ProjectErrorKind::TooLarge);
}

TEST_F(ProjectFileIo, SaveThenOpenGivesTheSameProject) {
    SuspensionState state;
    state.RightCoords[1] = 12.5f;
    state.LeftCoords[26] = 0.1f;
    state.TrackType = "Road";
    state.Note_text = "two\r\nlines";
    const fs::path file = dir_ / "car.kqw";
    putFile(file, std::string(5000, 'x')); // an older, longer file is replaced whole
    ASSERT_EQ(writeProjectFile(file.string(), state), ProjectSaveResult::Saved);
    EXPECT_EQ(contentsOf(file), writeProjectText(state));
    const ProjectReadResult result = readProjectFile(file.string());
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.project->RightCoords, state.RightCoords);
    EXPECT_EQ(result.project->LeftCoords, state.LeftCoords);
    EXPECT_EQ(result.project->notes, "two\r\nlines");
    EXPECT_EQ(entriesBesides(file), 0);
}

TEST_F(ProjectFileIo, FailedWriteLeavesNothingBehind) {
    std::string error;
    // The target is a folder: it stays a folder, with what it held.
    const fs::path folder = dir_ / "folder.kqw";
    fs::create_directories(folder);
    putFile(folder / "inside", "x");
    EXPECT_FALSE(writeFileAtomically(folder.string(), "new", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(contentsOf(folder / "inside"), "x");
    EXPECT_EQ(entriesBesides(folder), 0);

    // The folder of the target does not exist.
    error.clear();
    EXPECT_FALSE(writeFileAtomically((dir_ / "no" / "car.kqw").string(), "new", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(dir_ / "no"));
}

TEST_F(ProjectFileIo, WriteIntoAReadOnlyFolderKeepsTheOldFile) {
    const fs::path file = dir_ / "car.kqw";
    putFile(file, "old");
    fs::permissions(dir_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (std::ofstream(dir_ / "probe")) {
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    EXPECT_FALSE(writeFileAtomically(file.string(), "new"));
    EXPECT_EQ(contentsOf(file), "old");
}

// A failed write names the file and gives the system's reason, and the old file stays.
TEST_F(ProjectFileIo, AFailedWriteSaysWhichFileAndWhy) {
    const fs::path kept = dir_ / "car.kqw";
    putFile(kept, "old");
    std::string error;
    const fs::path missing = dir_ / "no" / "car.kqw";
    EXPECT_FALSE(writeFileAtomically(missing.string(), "new", &error));
    EXPECT_EQ(error, missing.string() + ": No such file or directory");
    EXPECT_FALSE(writeFileAtomically(dir_.string(), "new", &error));
    EXPECT_EQ(error, dir_.string() + ": is a folder");

    // A write that stops half way (here at the size limit, as on a full disk).
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeFileAtomically(kept.string(), std::string(1 << 20, 'x'), &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(error, kept.string() + ": File too large");
    EXPECT_EQ(contentsOf(kept), "old");
    EXPECT_EQ(entriesBesides(kept), 0);

    // A file marked read-only is not replaced (root may write it, as any program of root may).
    ASSERT_EQ(::chmod(kept.c_str(), 0444), 0);
    if (::geteuid() != 0) {
        EXPECT_FALSE(writeFileAtomically(kept.string(), "new", &error));
        EXPECT_EQ(error, kept.string() + ": Permission denied");
        EXPECT_EQ(contentsOf(kept), "old");
    }
}

TEST_F(ProjectFileIo, OnlyRegularFilesAndNewNamesAreWritten) {
    // A named pipe and a character device are refused and stay what they were; as root a
    // rename over /dev/null would have replaced the system's null device.
    const fs::path pipe = dir_ / "pipe.kqw";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    std::string error;
    EXPECT_FALSE(writeFileAtomically(pipe.string(), "new", &error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(entriesBesides(pipe), 0);

    EXPECT_FALSE(writeFileAtomically("/dev/null", "new", &error));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    // A link to a folder is a folder.
    fs::create_directories(dir_ / "folder");
    fs::create_symlink(dir_ / "folder", dir_ / "to-folder.kqw");
    EXPECT_FALSE(writeFileAtomically((dir_ / "to-folder.kqw").string(), "new", &error));
    EXPECT_TRUE(fs::is_empty(dir_ / "folder"));
}

TEST_F(ProjectFileIo, ALinkIsFollowedAndKept) {
    fs::create_directories(dir_ / "real");
    const fs::path file = dir_ / "real" / "car.kqw";
    putFile(file, "old");
    fs::create_symlink("real/car.kqw", dir_ / "link.kqw"); // relative to the link's folder
    fs::create_symlink(dir_ / "link.kqw", dir_ / "chain.kqw");
    ASSERT_TRUE(writeFileAtomically((dir_ / "chain.kqw").string(), "new"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "chain.kqw"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.kqw"));
    EXPECT_EQ(contentsOf(file), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "real"), fs::directory_iterator()), 1);

    // A link to nothing yet makes the file it names.
    fs::create_symlink("made.kqw", dir_ / "dangling.kqw");
    ASSERT_TRUE(writeFileAtomically((dir_ / "dangling.kqw").string(), "made"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.kqw"));
    EXPECT_EQ(contentsOf(dir_ / "made.kqw"), "made");

    // A loop of links is refused, not followed for ever.
    fs::create_symlink("loop-b", dir_ / "loop-a");
    fs::create_symlink("loop-a", dir_ / "loop-b");
    EXPECT_FALSE(writeFileAtomically((dir_ / "loop-a").string(), "x"));
}

TEST_F(ProjectFileIo, AReplacedFileKeepsItsPermissions) {
    const fs::path file = dir_ / "private.kqw";
    putFile(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    const mode_t saved = ::umask(022);
    const bool written = writeFileAtomically(file.string(), "new");
    ::umask(saved);
    ASSERT_TRUE(written);
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);

    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(writeFileAtomically(file.string(), "newer"));
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(ProjectFileIo, AProjectOpenCouldNotReadIsNotSaved) {
    SuspensionState state;
    state.Note_text = std::string(kMaxProjectFileBytes, 'n');
    const fs::path file = dir_ / "car.kqw";
    putFile(file, "old");
    std::string error;
    EXPECT_EQ(writeProjectFile(file.string(), state, &error), ProjectSaveResult::TooLarge);
    EXPECT_EQ(contentsOf(file), "old");
    EXPECT_EQ(entriesBesides(file), 0);

    // The largest notes that fit are saved and open again.
    const std::size_t rest = writeProjectText(SuspensionState{}).size();
    state.Note_text = std::string(kMaxProjectFileBytes - rest, 'n');
    ASSERT_EQ(writeProjectFile(file.string(), state), ProjectSaveResult::Saved);
    const ProjectReadResult read = readProjectFile(file.string());
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.project->notes, state.Note_text);
}

} // namespace
} // namespace velmora
