#include "analysis/baseline.h"
#include "geometry/sweep.h"
#include "main_window_fixture.h"
#include "model/number_text.h"
#include "model/project_file_io.h"
#include "ui/analysis/big_graph.h"
#include "ui/analysis/graph_sensitivity.h"
#include "ui/analysis/sensitivity_window.h"
#include "ui/chassis/adjust_point_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace velmora::testing {
namespace {

class AdjustPointTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open(examplePath("gm-dirt-oval.kqw"));
        window->analyze(GraphKind::Camber);
        before = window->state().LeftCoords;
        camber = window->state().CamberChange;
        thumbnail = control<DrawingSurface>("picCamber")->recording();
        menu("mnuAdjustPoint")->trigger();
        adjust = window->windows().adjust;
        ASSERT_NE(adjust, nullptr);
        ASSERT_FALSE(adjust->right());
        adjust->selectIndex(12); // the top ball joint's height
    }

    void clickIn(const char* name) {
        auto* button = adjust->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    // The side, its curve, the small graph and the graph window all show the original.
    void expectOriginal() {
        EXPECT_EQ(window->state().LeftCoords, before);
        EXPECT_EQ(window->state().CamberChange, camber);
        EXPECT_EQ(control<DrawingSurface>("picCamber")->recording(), thumbnail);
        EXPECT_EQ(window->windows().graph->view().GraphData(), camber);
    }

    CoordinateSet before;
    Curve camber;
    Recording thumbnail;
    AdjustPointWindow* adjust = nullptr;
};

TEST_F(AdjustPointTest, ANudgeIsShownAtOnceAndRevertOrCloseGivesTheSideBack) {
    clickIn("btnNudgePlus8");
    EXPECT_EQ(window->state().LeftCoords[12], before[12] + 0.125f);
    EXPECT_NE(window->state().CamberChange, camber);
    EXPECT_NE(control<DrawingSurface>("picCamber")->recording(), thumbnail);
    EXPECT_EQ(window->windows().graph->view().GraphData(), window->state().CamberChange);
    // The side before the first nudge is the baseline the trial is drawn over, until it ends.
    ASSERT_TRUE(window->analysisWindows().hasBaseline());
    EXPECT_EQ(window->analysisWindows().baseline()->LeftCoords, before);
    clickIn("btnAdjustRevert");
    EXPECT_FALSE(window->analysisWindows().hasBaseline());
    expectOriginal();

    // Up with Shift nudges 1/8 inch, Ctrl 1/4, from the offset box too.
    auto* box = adjust->findChild<QLineEdit*>(QStringLiteral("txtAdjustOffset"));
    QTest::keyClick(box, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(window->state().LeftCoords[12], before[12] - 0.125f);
    adjust->close();
    expectOriginal();
    EXPECT_TRUE(messages.messages.empty());

    // A baseline the user set is theirs: a trial neither replaces nor clears it.
    menu("mnuSetBaseline")->trigger();
    adjust->openFor(false);
    clickIn("btnNudgePlus8");
    clickIn("btnAdjustRevert");
    ASSERT_TRUE(window->analysisWindows().hasBaseline());
    EXPECT_EQ(window->analysisWindows().baseline()->LeftCoords, before);
}

TEST_F(AdjustPointTest, KeepStoresTheTrialAndBadOffsetsKeepTheLastGoodOne) {
    auto* box = adjust->findChild<QLineEdit*>(QStringLiteral("txtAdjustOffset"));
    for (const char* bad : {"abc", "1e39"}) {
        box->setText(QString::fromLatin1(bad));
        QTest::keyClick(box, Qt::Key_Return);
        ASSERT_FALSE(messages.messages.empty()) << bad;
        EXPECT_NE(messages.messages.back().text.find(bad), std::string::npos)
            << messages.messages.back().text;
    }
    // A value that would become 0 is an empty box: refused, naming the point.
    box->setText(QString::number(-double(before[12])));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_NE(messages.messages.back().text.find("Y of the Top Arm Ball Joint"), std::string::npos);
    EXPECT_EQ(window->state().LeftCoords, before);
    EXPECT_FALSE(adjust->trialOpen());

    box->setText(QStringLiteral("0.25"));
    QTest::keyClick(box, Qt::Key_Return);
    box->setText(QStringLiteral("x"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), QStringLiteral("0.25")) << "the last good offset is shown again";
    EXPECT_EQ(window->state().LeftCoords[12], before[12] + 0.25f);
    clickIn("btnAdjustKeep");
    adjust->close();
    CoordinateSet kept = before;
    kept[12] = before[12] + 0.25f;
    EXPECT_EQ(window->state().LeftCoords, kept);
    EXPECT_EQ(window->windows().graph->view().GraphData(), window->state().CamberChange);
    // Keep was one step: undo gives the side what it had before the trial.
    menu("mnuUndo")->trigger();
    EXPECT_EQ(window->state().LeftCoords, before);
}

// A project opened during a trial is the user's: closing the window must not write the trial's
// original over it.
TEST_F(AdjustPointTest, AProjectOpenedDuringATrialIsLeftAlone) {
    clickIn("btnNudgePlus4");
    ASSERT_TRUE(adjust->trialOpen());
    open(examplePath("ford-asphalt-oval.kqw"));
    const CoordinateSet opened = window->state().LeftCoords;
    ASSERT_NE(opened, before);
    adjust->close();
    EXPECT_EQ(window->state().LeftCoords, opened);
}

// The graph window lists the strongest levers of its curve first; a double-click on one opens
// Adjust a Point on it.
TEST_F(AdjustPointTest, TheSensitivityListOpensAdjustAPointOnItsRow) {
    adjust->close();
    window->analyze(GraphKind::BumpSteer);
    window->windows().graph->findChild<QPushButton*>(QStringLiteral("btnSensitivity"))->click();
    SensitivityWindow* list = window->windows().graph->sensitivity().list();
    ASSERT_NE(list, nullptr);
    QTableWidget* table = list->table();
    ASSERT_EQ(table->rowCount(), 26);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Tie Rod Inner Joint"));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("Y"));
    emit table->itemDoubleClicked(table->item(0, 2));
    EXPECT_TRUE(adjust->isVisible());
    EXPECT_EQ(adjust->selectedIndex(), 16);
    // A nudge fills the open list again from the trial.
    const QString before = table->item(0, 2)->text();
    clickIn("btnNudgePlus4");
    EXPECT_NE(table->item(0, 2)->text(), before);
}

// A trial is not the user's until kept: neither Undo, Redo nor an Open's step may store it.
TEST_F(AdjustPointTest, TheUndoHistoryNeverStoresATrial) {
    clickIn("btnNudgePlus4");
    open(examplePath("ford-asphalt-oval.kqw"));
    const CoordinateSet ford = window->state().LeftCoords;
    menu("mnuUndo")->trigger();
    EXPECT_EQ(window->state().LeftCoords, before) << "Open's step began before the trial";

    menu("mnuRedo")->trigger();
    adjust->openFor(false);
    adjust->selectIndex(12);
    clickIn("btnNudgePlus4");
    menu("mnuUndo")->trigger();
    EXPECT_FALSE(adjust->trialOpen());
    EXPECT_EQ(window->state().LeftCoords, before);
    menu("mnuRedo")->trigger();
    EXPECT_EQ(window->state().LeftCoords, ford) << "the Ford as opened, not with the trial";
    adjust->close();
    EXPECT_EQ(window->state().LeftCoords, ford);
    EXPECT_FALSE(window->analysisWindows().hasBaseline());
}

// Every open window shows the coordinate as it is after Keep, Undo and Redo, and all of them
// move to the side the main window shows; a trial the side change would drop is asked about.
TEST_F(AdjustPointTest, OpenWindowsFollowKeepUndoRedoAndTheSide) {
    const auto shows = [this](const char* step) {
        const std::string expected = "Y = " + fixedText(window->state().LeftCoords[12], 3) + " in";
        EXPECT_EQ(text("lblAdjustValue").toStdString(), expected) << step;
        EXPECT_EQ(window->windows().graph->view().GraphData(), window->state().CamberChange)
            << step;
    };
    clickIn("btnNudgePlus4");
    clickIn("btnAdjustKeep");
    shows("keep");
    menu("mnuUndo")->trigger();
    shows("undo");
    // What the command line sweeps from the file, the window shows after the Undo.
    SuspensionState file;
    applyProjectData(file, *readProjectFile(examplePath("gm-dirt-oval.kqw")).project);
    const Curve swept = classicSweep(file.LeftCoords, false, Travel{file.VU, file.VD}).CamberChange;
    const auto& view = window->windows().graph->view();
    ASSERT_GT(view.NumPoints(), 2);
    for (int i = 1; i <= view.NumPoints(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        EXPECT_EQ(view.GraphData()[k], swept[k]) << i;
    }
    menu("mnuRedo")->trigger();
    shows("redo");

    // A trial on the left: Cancel stays on the left, No drops it and moves every window.
    clickIn("btnNudgePlus8");
    messages.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    click("btnRight");
    EXPECT_FALSE(window->state().Right_Active);
    EXPECT_TRUE(adjust->trialOpen());
    click("btnRight");
    EXPECT_TRUE(window->state().Right_Active);
    EXPECT_FALSE(adjust->trialOpen());
    EXPECT_TRUE(adjust->right());
    EXPECT_EQ(text("lblAdjustSide"), QStringLiteral("Right side"));
    EXPECT_EQ(window->windows().graph->windowTitle().toStdString(),
              graphWindowCaption(true, GraphKind::Camber));
    EXPECT_EQ(window->windows().graph->view().GraphData(), window->state().CamberChange);
    EXPECT_EQ(messages.messages.size(), 2u);
}

} // namespace
} // namespace velmora::testing
