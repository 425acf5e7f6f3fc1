#include "core/analysis/suggestions_test_support.h"

#include <cmath>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace testing_support;

using ::testing::ElementsAre;

TEST(CurveRatios, SmallDifferencesAreNotDivided) {
    Curve c{};
    c[1] = 0.01f; // top difference exactly 0.01
    c[24] = -0.5f;
    c[25] = -0.49f; // bottom difference about -0.01, within the limit in single precision
    const CurveRatios r = measureCurve(c, 25, 3, 3, 0.25f);
    EXPECT_EQ(r.TopRatio, 300.0f);
    EXPECT_EQ(r.BottomRatio, -300.0f);
    EXPECT_EQ(r.OverallRatio, 5.5f / 0.5f); // (6 - 0.5) over c(2) - c(24)

    c[1] = 0.02f;
    c[24] = 0.0f;
    c[25] = 0.0f;
    const CurveRatios flat = measureCurve(c, 25, 3, 3, 0.25f);
    EXPECT_EQ(flat.TopRatio, 0.25f / 0.02f);
    EXPECT_EQ(flat.BottomRatio, 0.0f);
    EXPECT_EQ(flat.OverallRatio, 0.0f);

    // No point outside 1..36 is read whatever n is.
    EXPECT_EQ(measureCurve(c, 0, 3, 3, 0.25f).TopRatio, flat.TopRatio);
    EXPECT_EQ(measureCurve(c, 99, 3, 3, 0.25f).BottomRatio, 0.0f);
}

TEST(Cautions, AllFourGiveSixteenItemsBeforeTheBackground) {
    SuggestionInputs in = straightCurve(GraphKind::Camber, -1.0f);
    in.SusPoints[TopBall] = {22, 5, 25};   // not inboard of the bottom ball joint, below
    in.SusPoints[TopFront] = {27, 15, 20}; // its pivots and inboard of them: slope 2
    in.SusPoints[TopRear] = {27, 15, 30};
    in.SusPoints[BottomBall].z = 25; // caster 0 counts as negative
    const Items items = Generate_Suggestions(in);
    ASSERT_GT(items.size(), 16u);
    EXPECT_EQ(items[0], "Caution:  Your spindle is tilted ");
    EXPECT_EQ(items[4], "Caution:  You have negative caster.  Try");
    EXPECT_EQ(items[8], "Caution: Your top ball joint may bind.");
    EXPECT_EQ(items[11], "Caution:  Typically the upper A-arm slopes ");
    EXPECT_EQ(items[15], "");
    EXPECT_EQ(items[16], "Background:");

    EXPECT_EQ(Generate_Suggestions(straightCurve(GraphKind::Camber, -1.0f))[0], "Background:");
}

TEST(Cautions, TopArmSlopeOfExactlyOne) {
    auto corner = soundCorner();
    corner[TopBall].y = 25; // rises 10 over a run of 10
    EXPECT_DOUBLE_EQ(suggestions::topArmAngle(corner), std::atan2(1.0, 0.0));
    Items items;
    suggestions::appendCautions(corner, items);
    EXPECT_THAT(items, ElementsAre("Caution: Your top ball joint may bind.",
                                   " Try making your top arm more level.", ""));

    corner[TopBall].y = 5; // falls 10 over 10: no binding, but the arm slopes the wrong way
    EXPECT_DOUBLE_EQ(suggestions::topArmAngle(corner), -std::atan2(1.0, 0.0));
    items.clear();
    suggestions::appendCautions(corner, items);
    EXPECT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0], "Caution:  Typically the upper A-arm slopes ");

    corner[TopBall] = {10, 15, 25.5}; // ball joint level with the pivots: run taken as 0.001
    EXPECT_EQ(suggestions::topArmAngle(corner), 0.0);
}

TEST(CamberSection, RisingCurveNeedsWorkAndNothingElse) {
    const Items items = Generate_Suggestions(straightCurve(GraphKind::Camber, 0.5f));
    EXPECT_EQ(items.size(), 15u);
    EXPECT_EQ(items[8], "");
    EXPECT_THAT(rules(items),
                ElementsAre("Your camber curve needs a lot of ", "work.  You should gain negative ",
                            "camber as the wheel travels up.  Try ",
                            "a shorter or more angled top arm, or ", "a longer bottom arm."));
}

TEST(CamberSection, GainThresholdsDependOnTheTrack) {
    SuggestionInputs in = straightCurve(GraphKind::Camber, -1.0f);
    const auto ratiosFor = [](float overall) { return CurveRatios{-1.0f, -1.0f, overall}; };

    in.TrackType = "Dirt";
    EXPECT_THAT(rules(section(in, ratiosFor(-0.6f))),
                ElementsAre("None.  Your camber curve looks acceptable."));
    in.TrackType = "";
    EXPECT_EQ(rules(section(in, ratiosFor(-0.625f))).front(), "Your camber curve looks pretty ");
    for (const char* paved : {"Road", "Asphalt"}) {
        in.TrackType = paved;
        const Items items = rules(section(in, ratiosFor(-0.6f)));
        ASSERT_EQ(items.size(), 7u) << paved;
        EXPECT_EQ(items[4], "for 2 degrees of camber gain for ");
        EXPECT_EQ(items[6], "");
        // At exactly 1/1.8 the gain is still short; just below it is acceptable.
        EXPECT_EQ(rules(section(in, ratiosFor(-suggestions::reciprocal(1.8)))).size(), 7u);
        const float below = std::nextafter(suggestions::reciprocal(1.8), 0.0f);
        EXPECT_EQ(rules(section(in, ratiosFor(-below))).size(), 1u);
        EXPECT_EQ(rules(section(in, ratiosFor(-0.5f))).size(), 1u);
    }

    in.TrackType = "Road";
    EXPECT_EQ(rules(section(in, ratiosFor(-2.0f)))[0], "You need a lot more camber gain.  ");
    EXPECT_EQ(rules(section(in, ratiosFor(-2.0f)))[2], "of the top arm.  Shoot for 2 ");
    EXPECT_EQ(rules(section(in, ratiosFor(-1.0f)))[0], "You need more camber gain.  ");
    in.TrackType = "Dirt";
    EXPECT_EQ(rules(section(in, ratiosFor(-2.0f)))[2], "of the top arm.  Shoot for 1.8 ");
    EXPECT_THAT(rules(section(in, ratiosFor(-1.999f))),
                ElementsAre("You need more camber gain. Try lowering ",
                            "the inner pivot of the top arm.  ", "Shoot for 1.8 degrees of camber ",
                            "gain for the first inch of wheel ", "travel.", ""));
}

TEST(CamberSection, UniformityDecidesAfterTheGain) {
    SuggestionInputs in = straightCurve(GraphKind::Camber, -1.0f);
    const Items nonUniform = rules(section(in, {-1.0f, -10.01f, -0.5f}));
    EXPECT_THAT(nonUniform,
                ElementsAre("Try to make your camber curve", "more uniform.  Try using a longer ",
                            "top arm or a different ride height"));
    // Ten times steeper is still uniform; gain advice comes before the uniformity items.
    EXPECT_EQ(rules(section(in, {-1.0f, -10.0f, -0.5f})).back(),
              "None.  Your camber curve looks acceptable.");
    const Items shortGain = rules(section(in, {-20.0f, -1.0f, -3.0f}));
    EXPECT_EQ(shortGain.size(), 9u);
    EXPECT_EQ(shortGain[6], "Try to make your camber curve");
    EXPECT_EQ(rules(section(in, {-1.0f, -1.0f, -3.0f})).size(), 6u);
}

TEST(CamberSection, CurvesThroughTheWholeEngine) {
    SuggestionInputs in = straightCurve(GraphKind::Camber, -2.0f); // half an inch per degree
    EXPECT_THAT(rules(Generate_Suggestions(in)),
                ElementsAre("None.  Your camber curve looks acceptable."));
    in = straightCurve(GraphKind::Camber, -1.0f);
    EXPECT_EQ(rules(Generate_Suggestions(in))[0], "You need more camber gain. Try lowering ");

    // Flat middle span: the overall ratio is 0 and counts as acceptable gain.
    in.curve = Curve{};
    in.curve[1] = -0.5f;
    in.curve[25] = 0.5f;
    EXPECT_EQ(measureCurve(in.curve, 25, 3, 3, 0.25f).OverallRatio, 0.0f);
    EXPECT_THAT(rules(Generate_Suggestions(in)),
                ElementsAre("None.  Your camber curve looks acceptable."));
}

TEST(Suggestions, StateOverloadReadsTheSharedValues) {
    SuspensionState state;
    state.VY = 0.25f;
    state.TrackType = "Road";
    state.SusPoints = soundCorner();
    selectGraph(state, GraphKind::Camber);
    const SuggestionInputs in = straightCurve(GraphKind::Camber, -1.0f);
    EXPECT_EQ(Generate_Suggestions(state, in.curve, 25)[10], "You need more camber gain.  ");

    state.CamberGraph = false; // no graph selected: the cautions only
    EXPECT_TRUE(Generate_Suggestions(state, in.curve, 25).empty());
}

} // namespace
} // namespace velmora
