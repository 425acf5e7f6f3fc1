#include "main_window_fixture.h"

#include "ui/mainwindow/balloon_texts.h"
#include "ui/mainwindow/notes_window.h"
#include "ui/widgets/picture_button.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace velmora::testing {
namespace {

TEST_F(MainWindowTest, StartsWithTheLeftSideActiveAndNothingToAnalyse) {
    EXPECT_EQ(window->windowTitle(),
              QString(4, ' ') + "Velmora" + QString(70, ' ') + "version 2.80");
    const SuspensionState& s = window->state();
    EXPECT_FALSE(s.Right_Active);
    EXPECT_EQ(s.CarStyle, "GM");
    EXPECT_FALSE(s.FormulaCar);
    EXPECT_EQ(s.TrackType, "Dirt"); // what the checked menu entry says
    EXPECT_EQ(s.VU, 3.0f);
    EXPECT_EQ(s.VD, 3.0f);
    EXPECT_TRUE(s.Lfile.empty());

    EXPECT_FALSE(control("frmGeo")->isEnabled());
    EXPECT_FALSE(control("btnNotes")->isEnabledTo(window.get()));
    EXPECT_TRUE(control("frmLeft")->isEnabled());
    EXPECT_FALSE(control("frmRight")->isEnabled());
    EXPECT_FALSE(control("frmTravel")->isVisible());
    EXPECT_FALSE(control("frmStatic")->isVisible());
    EXPECT_EQ(text("Label2"), "Current File Being Analyzed");
    EXPECT_TRUE(text("lblfile").isEmpty());

    EXPECT_TRUE(menu("mnuTrackDirtO")->isChecked());
    EXPECT_TRUE(menu("mnuCarGM")->isChecked());
    EXPECT_FALSE(menu("mnuCarFord")->isChecked());

    // The Notes window follows as soon as the main window is on screen.
    ASSERT_NE(window->windows().notes, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->windows().notes->isVisible(); }, 5000));
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsInOrder) {
    QStringList captions;
    for (QAction* top : window->menuBar()->actions()) {
        captions << top->text();
        for (QAction* entry : top->menu()->actions()) {
            captions << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        }
    }
    EXPECT_EQ(
        captions.join('|'),
        "&File|&New|&Open|&Save|&Import Coordinates...|&Export "
        "Coordinates...|-|E&xit|&Edit|&Undo|&Redo|-|U&nits|&Options|&Travel Range|&Print "
        "Garage Worksheets|"
        "&Track Type|&Dirt Oval|&Asphalt Oval|&Road Course|&Car Type|&GM Style Stock Car|"
        "&Ford Style Stock Car|F&ormula Car|&Chassis|&Dive and Roll...|&Steering...|"
        "&Vehicle Data...|Spri&ngs and Bar...|&Rates and Roll...|&3-D View...|-|Set &Baseline|Open "
        "Baseline &Project...|&Clear Baseline|-|"
        "&Adjust a Point...");
}

TEST_F(MainWindowTest, SidePanelsShowLiveAndGreyedPicturesOfTheStyle) {
    auto* leftTop = control<PictureButton>("btnDimLTop");
    auto* rightTop = control<PictureButton>("btnDimRTop");
    auto* rightBottom = control<PictureButton>("btnDimRBottom");
    EXPECT_TRUE(leftTop->pictureFile().endsWith("/gmltop.bmp"));
    EXPECT_TRUE(leftTop->hasPicture());
    EXPECT_EQ(leftTop->backgroundColor(), QColor(0, 255, 255));
    EXPECT_EQ(rightTop->backgroundColor(), QColor(192, 192, 192));
    // A picture missing from the folder is no failure: the button shows the drawn one.
    EXPECT_TRUE(rightBottom->pictureFile().endsWith("/gmdisrbot.bmp"));
    EXPECT_TRUE(rightBottom->hasPicture());
    EXPECT_TRUE(rightBottom->text().isEmpty());
    EXPECT_FALSE(rightBottom->fallbackLabel().isEmpty());

    click("btnRight");
    menu("mnuCarFormula")->trigger();
    EXPECT_TRUE(window->state().Right_Active);
    EXPECT_TRUE(window->state().FormulaCar);
    EXPECT_TRUE(menu("mnuCarFormula")->isChecked());
    EXPECT_FALSE(menu("mnuCarGM")->isChecked());
    const auto file = [&](const char* name) { return control<PictureButton>(name)->pictureFile(); };
    EXPECT_TRUE(file("btnDimRTop").endsWith("/2000rtop.bmp"));
    EXPECT_TRUE(file("btnDimRBottom").endsWith("/2000rbot.bmp"));
    EXPECT_TRUE(file("btnDimRMisc").endsWith("/2000tr.bmp"));
    EXPECT_TRUE(file("btnDimLTop").endsWith("/2disltop.bmp"));
    EXPECT_TRUE(file("btnDimLBottom").endsWith("/2dislbot.bmp"));
    EXPECT_TRUE(file("btnDimLMisc").endsWith("/2distr.bmp"));
    EXPECT_TRUE(file("btnDimRXYZ").endsWith("/xyz.bmp"));
    EXPECT_TRUE(file("btnDimLXYZ").endsWith("/disxyz.bmp"));
    EXPECT_FALSE(control("frmLeft")->isEnabled());
    EXPECT_TRUE(control("frmRight")->isEnabled());
}

TEST_F(MainWindowTest, BalloonsNameTheDimensionButtons) {
    EXPECT_EQ(control("btnDimLTop")->toolTip(), "Top Arm's Dimensions");
    EXPECT_EQ(control("btnDimRBottom")->toolTip(), "Bottom Arm's Dimensions");
    EXPECT_EQ(control("btnDimRMisc")->toolTip(), "Misc Dimensions");
    EXPECT_EQ(control("btnDimLXYZ")->toolTip(), "Dimension Table");
    EXPECT_TRUE(control("btnLeft")->toolTip().isEmpty());
    EXPECT_TRUE(balloonText("frmGeo").isEmpty());
}

TEST_F(MainWindowTest, TrackCommandsOnlyMoveTheCheckMark) {
    menu("mnuTrackAsphaltO")->trigger();
    EXPECT_EQ(window->state().TrackType, "Asphalt");
    EXPECT_TRUE(menu("mnuTrackAsphaltO")->isChecked());
    EXPECT_FALSE(menu("mnuTrackDirtO")->isChecked());
    // Choosing the checked entry again keeps it checked.
    menu("mnuTrackAsphaltO")->trigger();
    EXPECT_TRUE(menu("mnuTrackAsphaltO")->isChecked());
    menu("mnuTrackRoad")->trigger();
    EXPECT_EQ(window->state().TrackType, "Road");
    EXPECT_FALSE(menu("mnuTrackAsphaltO")->isChecked());
}

TEST_F(MainWindowTest, BothSidesCompleteDrawBothCurvesChosenSideLast) {
    open(examplePath("gm-dirt-oval.kqw"));
    ASSERT_TRUE(messages.messages.empty());
    EXPECT_TRUE(control("frmGeo")->isEnabled());
    for (const char* surface :
         {"picCamber", "picSideScrub", "picBumpSteer", "picCaster", "picForeAft"}) {
        EXPECT_GT(linesOf(surface, colors::Red), 0) << surface;
        EXPECT_GT(linesOf(surface, colors::ThumbGreen), 0) << surface;
    }
    // The left side is active: its green curves come after the red ones.
    const Recording& ops = control<DrawingSurface>("picCamber")->recording();
    const auto lastRed = std::find_if(ops.rbegin(), ops.rend(), [](const DrawOp& op) {
        return testing::colorOf(op) == colors::Red;
    });
    const auto lastGreen = std::find_if(ops.rbegin(), ops.rend(), [](const DrawOp& op) {
        return testing::colorOf(op) == colors::ThumbGreen;
    });
    EXPECT_LT(lastGreen - ops.rbegin(), lastRed - ops.rbegin());

    click("btnRight");
    EXPECT_TRUE(window->state().Right_Active);
    const Recording& after = control<DrawingSurface>("picCamber")->recording();
    const std::vector<drawop::Line> lines = testing::opsOf<drawop::Line>(after);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().color, colors::Red);
}

TEST_F(MainWindowTest, SelectingAnIncompleteSideDisablesTheGeometryFrame) {
    open(examplePath("gm-dirt-oval.kqw"));
    storeCoordinate(true, 7, 0);
    click("btnRight");
    EXPECT_FALSE(control("frmGeo")->isEnabled());
    EXPECT_EQ(linesOf("picCamber", colors::ThumbGreen), 0); // blanked again

    // Back to the complete side: its curves on the grey surface, no axes.
    click("btnLeft");
    EXPECT_TRUE(control("frmGeo")->isEnabled());
    EXPECT_GT(linesOf("picCamber", colors::ThumbGreen), 0);
    EXPECT_EQ(linesOf("picCamber", colors::LightGrey), 0);
    EXPECT_EQ(linesOf("picCamber", colors::Red), 0);
}

TEST_F(MainWindowTest, TravelRangeTakesTheLargerOfTheTwo) {
    open(examplePath("gm-dirt-oval.kqw"));
    menu("mnuOptTravel")->trigger();
    EXPECT_TRUE(control("frmTravel")->isVisible());
    EXPECT_FALSE(control("frmGeo")->isEnabled());
    EXPECT_FALSE(control("btnLeft")->isEnabled());
    EXPECT_TRUE(window->menuBar()->isEnabled());
    auto* bump = control<QLineEdit>("txtTravelBump");
    auto* rebound = control<QLineEdit>("txtTravelReb");
    EXPECT_EQ(bump->text(), "3");
    EXPECT_EQ(rebound->text(), "3");

    // Typed as a user would: the armed box takes the new value in place of the old.
    for (auto [box, typed] : {std::pair{bump, "2"}, std::pair{rebound, "5"}}) {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(box, &focus);
        QTest::keyClicks(box, typed);
    }
    EXPECT_EQ(bump->text(), "2");
    EXPECT_EQ(rebound->text(), "5");
    click("btnTravelOK");
    EXPECT_FALSE(control("frmTravel")->isVisible());
    EXPECT_EQ(window->state().VU, 5.0f);
    EXPECT_EQ(window->state().VD, 5.0f);
    EXPECT_TRUE(control("frmGeo")->isEnabled());
    EXPECT_TRUE(control("btnLeft")->isEnabled());
    EXPECT_FALSE(control("frmRight")->isEnabled());
    EXPECT_FLOAT_EQ(window->state().VY, 10.0f / 24.0f); // swept with the new range
}

TEST_F(MainWindowTest, TravelThatIsNotANumberIsRefusedAndTheFrameStaysOpen) {
    for (const char* typed : {"abc", "", "0", "-2", "4x"}) {
        menu("mnuOptTravel")->trigger();
        control<QLineEdit>("txtTravelBump")->setText(QString::fromLatin1(typed));
        control<QLineEdit>("txtTravelReb")->setText("4");
        click("btnTravelOK");
        EXPECT_TRUE(control("frmTravel")->isVisible()) << typed;
        ASSERT_EQ(messages.messages.size(), 1u) << typed;
        EXPECT_EQ(messages.messages.front().title, "Range to Analyze");
        EXPECT_EQ(window->state().VU, 3.0f) << typed;
        EXPECT_EQ(window->state().VD, 3.0f) << typed;
        messages.messages.clear();
        click("btnTravelCan");
        EXPECT_FALSE(control("frmTravel")->isVisible());
    }
    // Cancel with an incomplete side leaves the graphs disabled.
    EXPECT_FALSE(control("frmGeo")->isEnabled());
    EXPECT_TRUE(control("frmLeft")->isEnabled());
}

TEST_F(MainWindowTest, ResizingKeepsProportionsAndTheGraphs) {
    open(examplePath("gm-dirt-oval.kqw"));
    window->resize(955, 700);
    QWidget* client = window->centralWidget();
    QWidget* frmGeo = control("frmGeo");
    EXPECT_NEAR(frmGeo->y(), 3600.0 * client->height() / MainWindow::kClientHeight, 1.0);
    EXPECT_NEAR(frmGeo->width(), 9495.0 * client->width() / MainWindow::kClientWidth, 1.0);
    EXPECT_TRUE(frmGeo->isEnabled());
    EXPECT_GT(linesOf("picCaster", colors::Red), 0);
    EXPECT_GT(linesOf("picCaster", colors::ThumbGreen), 0);
}

TEST_F(MainWindowTest, ResizingWhileTheTravelFrameIsOpenKeepsTheWindowInert) {
    open(examplePath("gm-dirt-oval.kqw"));
    menu("mnuOptTravel")->trigger();
    window->resize(800, 600);
    EXPECT_FALSE(control("frmGeo")->isEnabled());
    EXPECT_FALSE(control("frmLeft")->isEnabled());
    EXPECT_FALSE(control("btnRight")->isEnabled());
}

} // namespace
} // namespace velmora::testing
