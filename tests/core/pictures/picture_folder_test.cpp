#include "pictures/picture_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class PictureFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of its own, also when other builds run these tests at the same time.
        root = fs::temp_directory_path() /
               ("velmora_pictures_" + std::to_string(std::random_device{}()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "first");
        fs::create_directories(root / "second");
    }
    void TearDown() override { fs::remove_all(root); }
    void touch(const fs::path& path) { std::ofstream(path) << "x"; }

    fs::path root;
};

TEST_F(PictureFolderTest, MatchesNameWithoutRegardToCaseOrExtension) {
    touch(root / "second" / "GMLTOP.JPG");
    touch(root / "second" / "gmltop.png");
    touch(root / "second" / "gmltop.gif");
    touch(root / "first" / "gmltopx.bmp");
    const auto found = findPictureFile({root / "first", root / "second"}, "\\gmltop.bmp");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->filename(), "gmltop.png");

    // The first folder wins.
    touch(root / "first" / "GmlTop.Jpg");
    EXPECT_EQ(findPictureFile({root / "first", root / "second"}, "\\gmltop.bmp")->filename(),
              "GmlTop.Jpg");
}

TEST_F(PictureFolderTest, MissingFoldersAndFilesFindNothing) {
    EXPECT_FALSE(findPictureFile({root / "none", root / "first"}, "\\hlp1.bmp"));
    EXPECT_FALSE(findPictureFile({}, "\\hlp1.bmp"));
    // A folder named like a picture is not a picture.
    fs::create_directories(root / "first" / "hlp1.bmp");
    EXPECT_FALSE(findPictureFile({root / "first"}, "\\hlp1.bmp"));
    EXPECT_FALSE(findPictureFile({root / "first"}, ""));
}

} // namespace
} // namespace velmora
