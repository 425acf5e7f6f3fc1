#include "analysis/graph_view.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The shared state after a sweep with the given travel: VI and VY as the sweep forms them.
SuspensionState sweptState(float vu, float vd, GraphKind kind) {
    SuspensionState state;
    state.VU = vu;
    state.VD = vd;
    state.VI = (vd + vu) / 6.0f;
    state.VY = state.VI * 0.25f;
    selectGraph(state, kind);
    return state;
}

TEST(GraphAxis, StrictComparisonsOnTheEndPointMagnitudes) {
    const struct {
        float first;
        float last;
        float range;
        const char* negativeMiddle;
        const char* positiveOuter;
    } cases[] = {
        {8.0f, 0.0f, 8.0f, "-4", "6"},   {0.0f, -8.0001f, 16.0f, "-8", "12"},
        {-4.0f, 4.0f, 4.0f, "-2", "3"},  {4.5f, 0.0f, 8.0f, "-4", "6"},
        {2.0f, -2.0f, 2.0f, "-1", ""},   {0.0f, 2.01f, 4.0f, "-2", "3"},
        {0.2f, -0.2f, 0.2f, "-0.1", ""}, {0.0f, 0.21f, 2.0f, "-1", ""},
    };
    for (const auto& c : cases) {
        const AxisChoice axis = chooseAxis(c.first, c.last);
        EXPECT_EQ(axis.XRange, c.range) << c.first << ", " << c.last;
        EXPECT_EQ(axis.labels.negative2, c.negativeMiddle);
        EXPECT_EQ(axis.labels.positive3, c.positiveOuter);
    }
    const AxisLabels smallest = {"", "-0.1", "", "", "0.1", ""};
    EXPECT_EQ(chooseAxis(0.1f, 0.0f).labels, smallest);
}

TEST(GraphAxis, MiddleOfTheCurveDoesNotScale) {
    SuspensionState state = sweptState(3, 3, GraphKind::Camber);
    state.CamberChange[13] = 30.0f;
    state.CamberChange[1] = 0.1f;
    GraphView view;
    view.initialise(state);
    EXPECT_EQ(view.XRange(), 0.2f);
    EXPECT_FLOAT_EQ(view.PlotX()[13], 50.0f + 250.0f * 30.0f); // runs off the surface
}

TEST(GraphLabels, TravelLabelsAndCaptions) {
    const TravelLabels standard = {"3", "2.25", "1.5", "0.75", "-0.75", "-1.5", "-2.25", "-3"};
    EXPECT_EQ(travelLabels(3, 3), standard);
    const TravelLabels uneven = {"5", "4.125", "3.25", "2.375", "0.625", "-0.25", "-1.125", "-2"};
    EXPECT_EQ(travelLabels(5, 2), uneven);

    EXPECT_EQ(graphWindowCaption(false, GraphKind::Camber), "Left Camber Analysis");
    EXPECT_EQ(graphWindowCaption(true, GraphKind::SideScrub), "Right Side Scrub Analysis");
    EXPECT_EQ(graphWindowCaption(true, GraphKind::BumpSteer), "Right Bump Steer Analysis");
    EXPECT_EQ(graphWindowCaption(false, GraphKind::Caster), "Left Caster Analysis");
    EXPECT_EQ(graphWindowCaption(false, GraphKind::ForeAft), "Left Fore/Aft Analysis");
}

TEST(GraphView, FlagsSelectTheCurveInTheirOrder) {
    SuspensionState state = sweptState(3, 3, GraphKind::Camber);
    state.CamberChange[1] = 1;
    state.SideScrub[1] = 2;
    state.CasterChange[1] = 3;
    state.ForeAft[1] = 4;
    state.BumpSteer[1] = 5;
    state.SideScrubGraph = true; // camber still comes first
    EXPECT_EQ(selectedCurve(state)[1], 1);
    state.CamberGraph = false;
    state.ForeAftGraph = true;
    state.CasterGraph = true;
    EXPECT_EQ(selectedCurve(state)[1], 2);
    state.SideScrubGraph = false;
    EXPECT_EQ(selectedCurve(state)[1], 3);
    state.CasterGraph = false;
    EXPECT_EQ(selectedCurve(state)[1], 4);
    state.ForeAftGraph = false;
    EXPECT_EQ(selectedCurve(state)[1], 5); // no flag: bump steer
}

TEST(GraphView, StepsBetweenTheEndsWithVU9) {
    SuspensionState state = sweptState(9, 9, GraphKind::Camber);
    state.CamberChange[16] = -1.234f;
    GraphView view;
    view.initialise(state);
    EXPECT_EQ(view.NumPoints(), 25);
    EXPECT_EQ(view.CurPos(), 13);
    EXPECT_EQ(view.UpdateMessage(), "At wheel position  0 add  0 deg to static camber");
    EXPECT_EQ(view.PlotY()[1], 0.0f);
    EXPECT_FLOAT_EQ(view.PlotY()[25], 100.0f);

    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(view.stepDown());
    }
    EXPECT_EQ(view.UpdateMessage(), "At wheel position -2.25 add -1.234 deg to static camber");
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(view.stepDown());
    }
    EXPECT_EQ(view.CurPos(), 25);
    EXPECT_EQ(view.WheelPos(), -9.0f);
    EXPECT_FALSE(view.stepDown());
    EXPECT_EQ(view.CurPos(), 25);
    EXPECT_EQ(view.WheelPos(), -9.0f);

    while (view.stepUp()) {
    }
    EXPECT_EQ(view.CurPos(), 1);
    EXPECT_EQ(view.WheelPos(), 9.0f);
    EXPECT_FALSE(view.stepUp());

    view.initialise(state); // every activation starts at the static position again
    EXPECT_EQ(view.CurPos(), 13);
    EXPECT_EQ(view.WheelPos(), 0.0f);
}

TEST(GraphView, TwentyFourPointSweep) {
    const SuspensionState state = sweptState(4, 4, GraphKind::SideScrub);
    GraphView view;
    view.initialise(state);
    EXPECT_EQ(view.NumPoints(), 24);
    EXPECT_EQ(view.CurPos(), 13);
    EXPECT_FLOAT_EQ(view.PlotY()[24], 100.0f);
    EXPECT_EQ(view.PlotY()[25], 0.0f);
    EXPECT_EQ(view.PutDataInDataTable().positions.size(), 24u);
}

TEST(GraphView, MessagesOfEveryGraph) {
    const struct {
        GraphKind kind;
        float value;
        const char* reading;
    } cases[] = {
        {GraphKind::Caster, 0.5f, "add  .5 deg to static caster"},
        {GraphKind::ForeAft, -0.1234f, "wheel moves  .123 inches to the front"},
        {GraphKind::ForeAft, 0.0004f, "wheel moves  0 inches to the rear"},
        {GraphKind::ForeAft, 0.0f, "wheel moves  0 inches"},
        {GraphKind::SideScrub, -0.037f, "tire patch moves -.037 inches sideways"},
        {GraphKind::BumpSteer, 0.0f, "this setup has  0 deg toe in"},
        {GraphKind::BumpSteer, -0.25f, "this setup has  .25 deg toe in"},
        {GraphKind::BumpSteer, 0.05f, "this setup has  .05 deg toe out"},
        {GraphKind::Camber, 100.25f, "add  100.25 deg to static camber"},
    };
    for (const auto& c : cases) {
        SuspensionState state = sweptState(3, 3, c.kind);
        for (Curve* curve : {&state.CamberChange, &state.SideScrub, &state.CasterChange,
                             &state.ForeAft, &state.BumpSteer}) {
            (*curve)[13] = c.value;
        }
        GraphView view;
        view.initialise(state);
        EXPECT_EQ(view.UpdateMessage(), std::string("At wheel position  0 ") + c.reading);
    }
}

TEST(GraphView, DataTableColumns) {
    SuspensionState state = sweptState(3, 3, GraphKind::ForeAft);
    state.ForeAft[1] = -0.1234f;
    state.ForeAft[2] = 0.5f;
    GraphView view;
    view.initialise(state);
    DataTable table = view.PutDataInDataTable();
    EXPECT_EQ(table.valueHeading, "Inches");
    ASSERT_EQ(table.values.size(), 25u);
    EXPECT_EQ(table.values[0], " .123");
    EXPECT_EQ(table.values[1], " .5");
    EXPECT_EQ(table.positions[0], "3");
    EXPECT_EQ(table.positions[1], "2.75");
    EXPECT_EQ(table.positions[24], "-3");
    EXPECT_EQ(table.positionCaption().substr(0, 17), "Position\n\n3\n2.75\n");
    EXPECT_EQ(table.valueCaption().substr(0, 18), "Inches\n\n .123\n .5\n");
    // The windows' other columns share the rule: even an empty line or none keeps its place.
    EXPECT_EQ(joinedCaption("3-D", {}), "3-D\n\n");
    EXPECT_EQ(joinedCaption("Base", {"1", "", "2"}), "Base\n\n1\n\n2\n");

    state.SideScrub = state.ForeAft;
    selectGraph(state, GraphKind::SideScrub);
    view.initialise(state);
    EXPECT_EQ(view.PutDataInDataTable().values[0], "-.123"); // side scrub keeps its sign

    selectGraph(state, GraphKind::BumpSteer);
    view.initialise(state);
    EXPECT_EQ(view.PutDataInDataTable().valueHeading, "Deg");
}

TEST(GraphView, UnusualStepsStayOnTheCurve) {
    SuspensionState state = sweptState(3, 3, GraphKind::Camber);
    GraphView view;
    for (float vy : {0.0f, -0.25f, 0.01f, 100.0f}) {
        state.VY = vy;
        view.initialise(state);
        EXPECT_GE(view.NumPoints(), 1) << vy;
        EXPECT_LE(view.NumPoints(), 36) << vy;
        EXPECT_GE(view.CurPos(), 1) << vy;
        EXPECT_LE(view.CurPos(), view.NumPoints()) << vy;
        EXPECT_EQ(view.PlotY()[1], 0.0f);
        while (view.stepDown()) {
        }
        EXPECT_EQ(view.CurPos(), view.NumPoints());
        EXPECT_FALSE(view.UpdateMessage().empty());
    }
}

} // namespace
} // namespace velmora
