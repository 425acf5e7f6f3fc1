#include "big_graph_fixture.h"

#include <QPushButton>

namespace velmora::testing {
namespace {

const std::string kStaticCamber = "At wheel position  0 add  0 deg to static camber";

TEST_F(BigGraphTest, CaptionNamesTheSideAndTheGraphAndSelectsItsFlag) {
    const struct {
        GraphKind kind;
        const char* title;
        const bool SuspensionState::*flag;
    } cases[] = {
        {GraphKind::Camber, " Camber Analysis", &SuspensionState::CamberGraph},
        {GraphKind::SideScrub, " Side Scrub Analysis", &SuspensionState::SideScrubGraph},
        {GraphKind::BumpSteer, " Bump Steer Analysis", &SuspensionState::BumpSteerGraph},
        {GraphKind::Caster, " Caster Analysis", &SuspensionState::CasterGraph},
        {GraphKind::ForeAft, " Fore/Aft Analysis", &SuspensionState::ForeAftGraph},
    };
    for (const bool right : {true, false}) {
        state.Right_Active = right;
        for (const auto& c : cases) {
            window->showGraph(c.kind);
            EXPECT_EQ(window->windowTitle().toStdString(),
                      std::string(right ? "Right" : "Left") + c.title);
            EXPECT_TRUE(state.*c.flag);
            EXPECT_EQ(state.CamberGraph + state.SideScrubGraph + state.ForeAftGraph +
                          state.CasterGraph + state.BumpSteerGraph,
                      1);
            EXPECT_TRUE(window->isVisible());
        }
    }
}

TEST_F(BigGraphTest, OpensAtTheStaticPointWithLabelsAndPictures) {
    window->showGraph(GraphKind::Camber);
    EXPECT_EQ(text("lblGeoMess"), kStaticCamber);
    EXPECT_EQ(window->view().CurPos(), 13);
    EXPECT_EQ(text("lblRangeY4"), "9");
    EXPECT_EQ(text("lblRangeY1"), "2.25");
    EXPECT_EQ(text("lblRangeYNeg4"), "-9");
    EXPECT_EQ(text("lblStatic"), "static");
    EXPECT_EQ(text("lblRangeXNeg3").empty(), window->view().XRange() <= 2.0f);
    EXPECT_NE(dumpOf("picGraph").find("circle"), std::string::npos); // the marker
    EXPECT_NE(dumpOf("picSus").find("Deg Camber Change"), std::string::npos);
    EXPECT_FALSE(control("frmSuggest")->isVisible());
    EXPECT_FALSE(control("frmDataTable")->isVisible());
}

TEST_F(BigGraphTest, SteppingStopsAtBothEndsWithoutRedrawing) {
    window->showGraph(GraphKind::Camber);
    for (int i = 0; i < 12; ++i) {
        click("btnMovDown");
    }
    EXPECT_EQ(window->view().CurPos(), 25);
    EXPECT_EQ(text("lblGeoMess").rfind("At wheel position -9 add ", 0), 0u) << text("lblGeoMess");

    const std::string graph = dumpOf("picGraph");
    const std::string picture = dumpOf("picSus");
    const std::string message = text("lblGeoMess");
    click("btnMovDown");
    EXPECT_EQ(dumpOf("picGraph"), graph);
    EXPECT_EQ(dumpOf("picSus"), picture);
    EXPECT_EQ(text("lblGeoMess"), message);

    for (int i = 0; i < 24; ++i) {
        click("btnMovUP");
    }
    EXPECT_EQ(window->view().CurPos(), 1);
    EXPECT_EQ(text("lblGeoMess").rfind("At wheel position  9 add ", 0), 0u);
    const std::string top = dumpOf("picGraph");
    click("btnMovUP");
    EXPECT_EQ(dumpOf("picGraph"), top);
}

TEST_F(BigGraphTest, ArrowKeysStepWhicheverControlHasTheFocus) {
    window->showGraph(GraphKind::BumpSteer);
    auto* showData = control<QPushButton>("btnShwData");
    showData->setFocus();
    pressKey(showData, Qt::Key_Down);
    pressKey(showData, Qt::Key_Down);
    EXPECT_EQ(window->view().CurPos(), 15);
    EXPECT_EQ(text("lblGeoMess").rfind("At wheel position -1.5 this setup has ", 0), 0u);

    pressKey(control("lstSuggest"), Qt::Key_Up);
    pressKey(window.get(), Qt::Key_Up);
    EXPECT_EQ(window->view().CurPos(), 13);

    // Other keys do not move the wheel.
    pressKey(showData, Qt::Key_Left);
    pressKey(showData, Qt::Key_A);
    EXPECT_EQ(window->view().CurPos(), 13);
}

TEST_F(BigGraphTest, ActivationAndResizeGoBackToTheStaticPoint) {
    window->showGraph(GraphKind::Camber);
    click("btnMovDown");
    ASSERT_NE(text("lblGeoMess"), kStaticCamber);

    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    EXPECT_EQ(text("lblGeoMess"), kStaticCamber);

    click("btnMovDown");
    window->resize(window->width() + 40, window->height() + 30);
    EXPECT_EQ(text("lblGeoMess"), kStaticCamber);

    // The window system's own activation, where the platform delivers it.
    click("btnMovDown");
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
    if (QApplication::activeWindow() == window.get()) {
        EXPECT_EQ(text("lblGeoMess"), kStaticCamber);
    }

    // Opening another graph re-reads the state even when no activation arrives.
    state.CamberChange[13] = 0.5f;
    window->showGraph(GraphKind::Camber);
    EXPECT_EQ(text("lblGeoMess"), "At wheel position  0 add  .5 deg to static camber");
}

TEST_F(BigGraphTest, ANeverSweptStateShowsAnEmptyGraphWithoutFailing) {
    SuspensionState fresh; // VY 0: no sweep has run
    RecordingMessageSink quiet;
    BigGraph empty(fresh, quiet);
    empty.showGraph(GraphKind::BumpSteer);
    empty.stepDown();
    empty.stepUp();
    empty.showDataTable();
    empty.showSuggestions();
    EXPECT_TRUE(quiet.messages.empty());
    EXPECT_EQ(empty.findChild<QLabel*>(QStringLiteral("lblGeoMess"))->text().left(18),
              QStringLiteral("At wheel position "));
}

} // namespace
} // namespace velmora::testing
