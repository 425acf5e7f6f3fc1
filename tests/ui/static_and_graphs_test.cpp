#include "main_window_fixture.h"

#include "analysis/big_graph.h"

#include <QGroupBox>
#include <QTest>

namespace velmora::testing {
namespace {

TEST_F(MainWindowTest, StaticFrameShowsBothSidesAndTheCar) {
    open(examplePath("gm-dirt-oval.kqw"));
    click("btnStatic");
    QWidget* frame = control("frmStatic");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(control<QGroupBox>("frmStatic")->title(), "Static Geometry");
    EXPECT_EQ(text("lblStatSteer"), "Steering Axis Inclination");
    EXPECT_EQ(text("lblStaticScrub"), "Scrub Radius");
    EXPECT_EQ(text("lblStaticCaster"), "Caster Angle");
    EXPECT_EQ(text("lblStaticCastTrail"), "Caster Trail Length");
    EXPECT_EQ(text("lblStaticRCH"), "Roll Center Height");
    EXPECT_EQ(text("lblStaticRCO"), "Roll Center Offset");
    EXPECT_EQ(text("lblStaticRight"), "Right");
    EXPECT_EQ(text("lblStaticLeft"), "Left");
    for (const char* value :
         {"lblStatRAxis", "lblStatRRadius", "lblStatRCA", "lblStatRCTR", "lblStaticLAxis",
          "lblStatLRadius", "lblStatLCasA", "lblStatLCasTR", "lblStatRCH", "lblStatRCO"}) {
        EXPECT_FALSE(text(value).isEmpty()) << value;
    }
    EXPECT_FALSE(window->state().StaticOnly);
    const QString first = text("lblStatRAxis");
    click("btnStatic");
    EXPECT_EQ(text("lblStatRAxis"), first);
    // The frame sits where it was designed, in proportion to the window.
    const double sx = double(window->centralWidget()->width()) / MainWindow::kClientWidth;
    EXPECT_NEAR(frame->x(), 1920 * sx, 1.0);
    EXPECT_NEAR(frame->width(), 4935 * sx, 1.0);

    click("btnStaticOK");
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(MainWindowTest, StaticFrameBlanksAnIncompleteSide) {
    open(examplePath("gm-dirt-oval.kqw"));
    window->state().LeftCoords[3] = 0;
    click("btnRight"); // the complete side, so the Static button is live
    click("btnStatic");
    EXPECT_FALSE(text("lblStatRAxis").isEmpty());
    EXPECT_TRUE(text("lblStaticLAxis").isEmpty());
    EXPECT_TRUE(text("lblStatRCH").isEmpty());
    EXPECT_TRUE(text("lblStatRCO").isEmpty());
}

TEST_F(MainWindowTest, AnalyzeButtonsOpenTheGraphWindow) {
    open(examplePath("gm-dirt-oval.kqw"));
    const std::pair<const char*, const char*> buttons[] = {
        {"btnCamber", "Left Camber Analysis"},
        {"btnSideScrub", "Left Side Scrub Analysis"},
        {"btnBumpSteer", "Left Bump Steer Analysis"},
        {"btnCaster", "Left Caster Analysis"},
        {"btnForeAft", "Left Fore/Aft Analysis"}};
    BigGraph* first = nullptr;
    for (const auto& [button, caption] : buttons) {
        click(button);
        BigGraph* graph = window->graphWindow();
        ASSERT_NE(graph, nullptr);
        if (first == nullptr) {
            first = graph;
        }
        EXPECT_EQ(graph, first) << "the window is made once";
        EXPECT_TRUE(graph->isVisible());
        EXPECT_TRUE(graph->isWindow());
        EXPECT_EQ(graph->windowTitle(), caption);
    }
    EXPECT_TRUE(window->state().ForeAftGraph);
    EXPECT_FALSE(window->state().CamberGraph);

    click("btnRight");
    click("btnCaster");
    EXPECT_EQ(window->graphWindow()->windowTitle(), "Right Caster Analysis");
}

TEST_F(MainWindowTest, GeometryButtonsAreInertWithoutData) {
    for (const char* button : {"btnCamber", "btnStatic", "btnNotes"}) {
        EXPECT_FALSE(control(button)->isEnabledTo(window.get())) << button;
    }
    QTest::mouseClick(control("btnCamber"), Qt::LeftButton);
    EXPECT_EQ(window->graphWindow(), nullptr);
}

} // namespace
} // namespace velmora::testing
