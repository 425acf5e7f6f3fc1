#include "data_entry_fixture.h"

#include "ui/widgets/picture_box.h"

#include <QLabel>

namespace velmora::testing {
namespace {

using GuideTest = DataEntryTest;

TEST_F(GuideTest, StepsThroughThreeScreensAndReturnsToTheWizardUnchanged) {
    click("btnDimLBottom");
    box("txtDimA")->setText("9.75");
    click("btnDimHelp");
    auto* picture = window->findChild<PictureBox*>("picHelp");
    const auto expectScreen = [&](int screen, bool back, bool next) {
        EXPECT_EQ(text("lblHelpScnNum"), QStringLiteral("Screen %1 of 3").arg(screen));
        EXPECT_EQ(picture->pictureName(), QStringLiteral("\\hlp%1.bmp").arg(screen));
        EXPECT_EQ(control("btnHelpBack")->isEnabled(), back);
        EXPECT_EQ(control("btnHelpNext")->isEnabled(), next);
        const QStringList paragraphs = text("lblHelpText").split(QStringLiteral("\n\n"));
        EXPECT_EQ(paragraphs.size(), screen == 3 ? 2 : 3);
        EXPECT_FALSE(text("lblHelpText").contains(QStringLiteral("   ")));
    };
    EXPECT_TRUE(control("frmHelp")->isVisible());
    expectScreen(1, false, true);
    click("btnHelpNext");
    expectScreen(2, true, true);
    click("btnHelpNext");
    expectScreen(3, true, false);
    click("btnHelpBack");
    expectScreen(2, true, true);
    click("btnHelpNext");
    click("btnHelpCancel");
    EXPECT_FALSE(control("frmHelp")->isVisible());
    EXPECT_TRUE(control("frmDimentions")->isVisible());
    EXPECT_EQ(box("txtDimA")->text(), "9.75");
    EXPECT_EQ(text("lblDimScreenNum"), "Screen 1 of 3");
    EXPECT_EQ(window->state().LeftCoords, CoordinateSet{});

    // Opened again it starts over.
    click("btnDimHelp");
    expectScreen(1, false, true);
    click("btnHelpCancel");
    click("btnDimCancel");
}

// The drawn pictures show the car type chosen, on every screen: a formula car's corner is not
// a stock car's.
TEST_F(GuideTest, DrawnPicturesFollowTheCarType) {
    const auto screens = [this] {
        click("btnDimLBottom");
        click("btnDimHelp");
        std::vector<Recording> shown;
        for (int screen = 1; screen <= 3; ++screen) {
            shown.push_back(window->findChild<PictureBox*>("picHelp")->recording());
            if (screen < 3) {
                click("btnHelpNext");
            }
        }
        click("btnHelpCancel");
        click("btnDimCancel");
        return shown;
    };
    const std::vector<Recording> gm = screens();
    menu("mnuCarFormula")->trigger();
    const std::vector<Recording> formula = screens();
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_NE(gm[k], formula[k]) << "screen " << k + 1;
    }
}

} // namespace
} // namespace velmora::testing
