#include "model/suspension_state.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

CoordinateSet filled(float value) {
    CoordinateSet set;
    for (int i = 1; i <= 26; ++i) {
        set[i] = value;
    }
    return set;
}

TEST(Completeness, AnyZeroValueMakesTheSideIncomplete) {
    CoordinateSet set = filled(2.0f);
    EXPECT_TRUE(isComplete(set));
    set[18] = 0.0f;
    EXPECT_FALSE(isComplete(set));
    set = filled(2.0f);
    set[0] = 0.0f; // indexes 0 and 27 carry nothing
    set[27] = 0.0f;
    EXPECT_TRUE(isComplete(set));
}

TEST(Completeness, ProductKeepsItsSignAndDoesNotUnderflowForSmallValues) {
    CoordinateSet set = filled(1.0f);
    set[5] = -3.0f;
    EXPECT_LT(completenessProduct(set), 0.0);
    // 26 values of 0.01 multiply to 1e-52: zero in single precision, not in double.
    EXPECT_TRUE(isComplete(filled(0.01f)));
}

TEST(PositionCount, StandardStepsGiveTwentyFivePositions) {
    EXPECT_EQ(positionCount(3.0f, 3.0f, 0.25f), 25);
    EXPECT_EQ(positionCount(9.0f, 9.0f, 0.75f), 25);
    const float vi = (4.0f + 4.0f) / 6.0f;
    EXPECT_EQ(positionCount(4.0f, 4.0f, vi * 0.25f), 24); // quotient just short of 24
    EXPECT_FLOAT_EQ(staticIndex(3.0f, 0.25f), 13.0f);
}

TEST(ClearProject, ClearsDataButKeepsOptions) {
    SuspensionState state;
    state.LeftCoords = filled(4.0f);
    state.RightCoords = filled(5.0f);
    state.CamberChange[0] = 7.0f;
    state.CamberChange[3] = 1.5f;
    state.LeftSAI = 9.0;
    state.Note_text = "notes";
    state.VU = 5.0f;
    state.TrackType = "Road";
    state.Lfile = "car.kqw";
    clearProject(state);
    EXPECT_EQ(state.LeftCoords, CoordinateSet{});
    EXPECT_EQ(state.RightCoords, CoordinateSet{});
    EXPECT_EQ(state.CamberChange[3], 0.0f);
    EXPECT_EQ(state.CamberChange[0], 7.0f); // scratch position 0 is not New's business
    EXPECT_EQ(state.LeftSAI, 0.0);
    EXPECT_TRUE(state.Note_text.empty());
    EXPECT_EQ(state.VU, 5.0f);
    EXPECT_EQ(state.TrackType, "Road");
    EXPECT_EQ(state.Lfile, "car.kqw");
}

} // namespace
} // namespace velmora
