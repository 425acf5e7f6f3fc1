#include "data_entry_fixture.h"

#include "core/drawing/recorded_ops.h"
#include "drawing/recording.h"
#include "ui/widgets/picture_box.h"

#include <QFile>
#include <QLabel>

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora::testing {
namespace {

using WizardTest = DataEntryTest;

// The coordinate indexes of the boxes A, B, C of each group's X, Y and Z screens.
struct GroupScreens {
    const char* leftButton;
    const char* rightButton;
    std::vector<std::vector<int>> screens;
};
const GroupScreens kGroups[] = {
    {"btnDimLTop", "btnDimRTop", {{2, 1, 3}, {11, 10, 12}, {20, 19, 21}}},
    {"btnDimLBottom", "btnDimRBottom", {{5, 4, 6}, {14, 13, 15}, {23, 22, 24}}},
    {"btnDimLMisc", "btnDimRMisc", {{7, 8, 9}, {16, 17, 18}, {25, 26}}},
};
const char* const kBoxes[] = {"txtDimA", "txtDimB", "txtDimC"};

QString pictureShown(const MainWindow& window) {
    return window.findChild<PictureBox*>("picDim")->pictureName();
}

bool pictureSays(const MainWindow& window, const std::string& text) {
    const Recording& ops = window.findChild<PictureBox*>("picDim")->recording();
    const std::vector<std::string> texts = testing::printedTexts(ops);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(WizardTest, OpeningTheTopArmShowsItsFirstScreen) {
    click("btnDimLTop");
    EXPECT_TRUE(control("frmDimentions")->isVisible());
    for (const char* name : kBoxes) {
        EXPECT_EQ(box(name)->text(), "0") << name;
    }
    EXPECT_EQ(text("lblDimScreenNum"), "Screen 1 of 3");
    EXPECT_FALSE(control("btnDimBack")->isEnabled());
    EXPECT_EQ(pictureShown(*window), "\\gmlxup.bmp");
    EXPECT_EQ(text("lblDimA"),
              "Distance from the rear pivot of the top A arm to the chassis centerline");
    EXPECT_EQ(text("lblDimC"),
              "Distance from the ball joint of the top A arm to the chassis centerline");
    EXPECT_FALSE(control("btnLeft")->isEnabled());
    EXPECT_FALSE(control("frmLeft")->isEnabled());
    EXPECT_TRUE(text("Label1").contains("15/16 = 0.938"));
}

// A new user enters a whole side through the wizard: every box lands at its index, the side
// becomes complete and the curves follow.
TEST_F(WizardTest, EveryScreenWritesItsIndexesAndTheCurvesFollowEachStep) {
    for (const GroupScreens& group : kGroups) {
        click(group.leftButton);
        for (std::size_t s = 0; s < group.screens.size(); ++s) {
            const std::vector<int>& indexes = group.screens[s];
            EXPECT_EQ(control(kBoxes[2])->isVisibleTo(control("frmDimentions")),
                      indexes.size() == 3);
            for (std::size_t b = 0; b < indexes.size(); ++b) {
                box(kBoxes[b])->setText(QString::number(indexes[b] + 0.5));
            }
            click("btnDimNext");
            for (const int index : indexes) {
                EXPECT_EQ(window->state().LeftCoords[index], index + 0.5f) << index;
            }
            // Beneath the wizard the side is selected again; the side buttons stay inert
            // until the wizard closes.
            if (s + 1 < group.screens.size()) {
                EXPECT_TRUE(control("frmLeft")->isEnabled());
                EXPECT_FALSE(control("btnLeft")->isEnabled());
                EXPECT_FALSE(control("btnRight")->isEnabled());
            }
        }
        EXPECT_FALSE(control("frmDimentions")->isVisible());
        EXPECT_TRUE(control("txtDimC")->isVisibleTo(control("frmDimentions")));
        EXPECT_TRUE(control("btnLeft")->isEnabled());
    }
    EXPECT_TRUE(isComplete(window->state().LeftCoords));
    EXPECT_TRUE(control("frmGeo")->isEnabled());
    EXPECT_FLOAT_EQ(window->state().VY, 0.25f);
    // Now the wizard draws the user's own corner.
    click("btnDimLTop");
    EXPECT_TRUE(pictureSays(*window, "Your car, drawn to scale"));
    EXPECT_EQ(box("txtDimA")->text(), "2.5");
    click("btnDimCancel");
}

TEST_F(WizardTest, BoxesAreReadByTheirLeadingNumber) {
    click("btnDimLTop");
    box("txtDimA")->setText("12.5abc");
    box("txtDimB")->setText("abc");
    box("txtDimC")->setText("  7 inches");
    click("btnDimNext");
    EXPECT_EQ(window->state().LeftCoords[2], 12.5f);
    EXPECT_EQ(window->state().LeftCoords[1], 0.0f);
    EXPECT_EQ(window->state().LeftCoords[3], 7.0f);
    // Nothing a user can type upsets it.
    for (const char* typed : {"1e999", "-", ".", "\xe2\x80\x94", "nan", "inf", "0x1p3", "1e-50"}) {
        box("txtDimA")->setText(QString::fromUtf8(typed));
        click("btnDimApply");
        const float stored = window->state().LeftCoords[11];
        EXPECT_TRUE(std::isfinite(stored)) << typed;
        click("btnDimLTop");
    }
    click("btnDimCancel");
}

TEST_F(WizardTest, CancelKeepsTheScreensLeftAndDropsTheOneShown) {
    storeCoordinate(false, 11, 16);
    click("btnDimLTop");
    box("txtDimA")->setText("10");
    box("txtDimB")->setText("11");
    box("txtDimC")->setText("12");
    click("btnDimNext");
    box("txtDimA")->setText("99");
    click("btnDimCancel");
    EXPECT_EQ(window->state().LeftCoords[2], 10.0f);
    EXPECT_EQ(window->state().LeftCoords[1], 11.0f);
    EXPECT_EQ(window->state().LeftCoords[3], 12.0f);
    EXPECT_EQ(window->state().LeftCoords[11], 16.0f);
    EXPECT_FALSE(control("frmDimentions")->isVisible());
    EXPECT_TRUE(control("btnLeft")->isEnabled());
}

TEST_F(WizardTest, BackStoresAndShowsTheScreenPicturesByStyleAndSide) {
    menu("mnuCarFormula")->trigger();
    click("btnRight");
    click("btnDimRTop");
    EXPECT_EQ(pictureShown(*window), "\\2000rxup.bmp");
    click("btnDimNext");
    EXPECT_EQ(pictureShown(*window), "\\2000ryup.bmp");
    click("btnDimNext");
    EXPECT_EQ(pictureShown(*window), "\\2000rzup.bmp");
    box("txtDimA")->setText("31");
    click("btnDimBack");
    EXPECT_EQ(pictureShown(*window), "\\2000ryup.bmp");
    EXPECT_EQ(text("lblDimScreenNum"), "Screen 2 of 3");
    EXPECT_EQ(window->state().RightCoords[20], 31.0f);
    click("btnDimBack");
    EXPECT_EQ(text("lblDimScreenNum"), "Screen 1 of 3");
    EXPECT_FALSE(control("btnDimBack")->isEnabled());
    click("btnDimApply");
    EXPECT_TRUE(window->state().LeftCoords == CoordinateSet{});
}

TEST_F(WizardTest, MiscZScreenHasNoThirdBoxAndApplyLeavesItHiddenUntilTheNextOpening) {
    click("btnDimLMisc");
    click("btnDimNext");
    click("btnDimNext");
    const QWidget* frame = control("frmDimentions");
    for (const char* name : {"lblDimClab", "txtDimC", "lblDimC"}) {
        EXPECT_FALSE(control(name)->isVisibleTo(frame)) << name;
    }
    EXPECT_EQ(pictureShown(*window), "\\gmlzmc.bmp");
    box("txtDimA")->setText("19");
    box("txtDimB")->setText("19.5");
    click("btnDimApply");
    EXPECT_EQ(window->state().LeftCoords[25], 19.0f);
    EXPECT_EQ(window->state().LeftCoords[26], 19.5f);
    EXPECT_FALSE(control("txtDimC")->isVisibleTo(frame));
    click("btnDimLTop");
    EXPECT_TRUE(control("txtDimC")->isVisibleTo(frame));
    click("btnDimCancel");
}

TEST_F(WizardTest, APhotographInThePictureFolderReplacesTheDrawnPicture) {
    QImage photo(60, 40, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    ASSERT_TRUE(photo.save(pictures.filePath("GMLYUP.png"), "PNG"));
    // A file that is not a picture is passed over.
    QFile broken(pictures.filePath("gmlzup.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();

    click("btnDimLTop");
    auto* picture = window->findChild<PictureBox*>("picDim");
    EXPECT_FALSE(picture->showsPhotograph());
    click("btnDimNext");
    EXPECT_TRUE(picture->showsPhotograph());
    click("btnDimNext");
    EXPECT_FALSE(picture->showsPhotograph());
    EXPECT_TRUE(pictureSays(*window, "A"));
    click("btnDimCancel");
}

} // namespace
} // namespace velmora::testing
