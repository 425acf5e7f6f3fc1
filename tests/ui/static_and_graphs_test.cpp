#include "main_window_fixture.h"

#include "analysis/graph_view.h"
#include "ui/analysis/big_graph.h"
#include "ui/analysis/big_graph_controls.h"
#include "ui/mainwindow/static_frame.h"
#include "ui/widgets/proportional_layout.h"

#include <QGroupBox>
#include <QLabel>
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
    storeCoordinate(false, 3, 0);
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
        BigGraph* graph = window->windows().graph;
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
    EXPECT_EQ(window->windows().graph->windowTitle(), "Right Caster Analysis");
}

TEST_F(MainWindowTest, GeometryButtonsAreInertWithoutData) {
    for (const char* button : {"btnCamber", "btnStatic", "btnNotes"}) {
        EXPECT_FALSE(control(button)->isEnabledTo(window.get())) << button;
    }
    QTest::mouseClick(control("btnCamber"), Qt::LeftButton);
    EXPECT_EQ(window->windows().graph, nullptr);
}

QString labelText(const QWidget& parent, const char* name) {
    const auto* label = parent.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QStringLiteral("(no label)");
}

// Every caption and every range label reaches the label of its own name.
TEST(TypedLabels, EachFieldShowsInItsOwnLabel) {
    StaticFrame frame;
    frame.setCaptions({{"r1", "r2", "r3", "r4"}, {"l1", "l2", "l3", "l4"}, "h", "o"});
    const std::pair<const char*, const char*> statics[] = {
        {"lblStatRAxis", "r1"}, {"lblStatRRadius", "r2"}, {"lblStatRCA", "r3"},
        {"lblStatRCTR", "r4"},  {"lblStaticLAxis", "l1"}, {"lblStatLRadius", "l2"},
        {"lblStatLCasA", "l3"}, {"lblStatLCasTR", "l4"},  {"lblStatRCH", "h"},
        {"lblStatRCO", "o"}};
    for (const auto& [name, shown] : statics) {
        EXPECT_EQ(labelText(frame, name), shown) << name;
    }
    frame.Clear_RStat();
    EXPECT_EQ(frame.captions(), (StaticCaptions{{}, {"l1", "l2", "l3", "l4"}, "", ""}));
    EXPECT_EQ(labelText(frame, "lblStatRCA"), "");
    EXPECT_EQ(labelText(frame, "lblStatLCasA"), "l3");

    QWidget window;
    ProportionalLayout layout(&window, kBigGraphDesignTwips);
    const BigGraphControls controls = buildBigGraphControls(window, layout);
    showRangeLabels(controls, {"b4", "b3", "b2", "b1", "r1", "r2", "r3", "r4"},
                    {"n3", "n2", "n1", "p1", "p2", "p3"});
    const std::pair<const char*, const char*> ranges[] = {
        {"lblRangeY4", "b4"},    {"lblRangeY3", "b3"},    {"lblRangeY2", "b2"},
        {"lblRangeY1", "b1"},    {"lblRangeYNeg1", "r1"}, {"lblRangeYNeg2", "r2"},
        {"lblRangeYNeg3", "r3"}, {"lblRangeYNeg4", "r4"}, {"lblRangeXNeg3", "n3"},
        {"lblRangeXNeg2", "n2"}, {"lblRangeXNeg1", "n1"}, {"lblRangeX1", "p1"},
        {"lblRangeX2", "p2"},    {"lblRangeX3", "p3"}};
    for (const auto& [name, shown] : ranges) {
        EXPECT_EQ(labelText(window, name), shown) << name;
    }
}

} // namespace
} // namespace velmora::testing
