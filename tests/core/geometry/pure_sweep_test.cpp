#include "geometry/sweep.h"

#include "sweep_test_corner.h"

#include <gtest/gtest.h>

#include <cstring>

namespace velmora {
namespace {

using namespace velmora::testing;

bool sameBits(const Curve& a, const Curve& b) {
    return std::memcmp(a.data(), b.data(), sizeof(float) * a.size()) == 0;
}

// The pure sweep of a corner is the same whichever side it is named for, whichever side the
// state has active and whatever the other corner holds; only where its statics land differs.
// Applied to a state it leaves exactly the values it did not reach (NaN) as they were.
TEST(PureSweep, DependsOnlyOnTheCornerAndTheTravel) {
    const Travel travels[] = {{3, 3}, {9, 9}, {6, 2.5f}};
    for (const Travel& travel : travels) {
        const CoordinateSet corner = referenceCorner();
        const SweepResult asLeft = classicSweep(corner, false, travel);
        const SweepResult asRight = classicSweep(corner, true, travel);
        EXPECT_TRUE(sameBits(asLeft.BumpSteer, asRight.BumpSteer)) << travel.bump;
        EXPECT_TRUE(sameBits(asLeft.CamberChange, asRight.CamberChange)) << travel.bump;
        EXPECT_EQ(asLeft.messages, asRight.messages);
        EXPECT_EQ(asLeft.left.sai, asRight.right.sai);
        EXPECT_EQ(asLeft.right.sai, 0.0);

        for (const bool rightActive : {false, true}) {
            SuspensionState state;
            (rightActive ? state.RightCoords : state.LeftCoords) = corner;
            (rightActive ? state.LeftCoords : state.RightCoords) = referenceWith({{3, 22.5f}});
            state.Right_Active = rightActive;
            state.VU = travel.bump;
            state.VD = travel.rebound;
            markResults(state);
            RecordingMessageSink sink;
            CALC(state, sink);
            EXPECT_EQ(sink.messages, asLeft.messages);
            for (std::size_t k = 0; k < state.BumpSteer.size(); ++k) {
                const float expected =
                    SweepResult::reached(asLeft.BumpSteer[k]) ? asLeft.BumpSteer[k] : kUntouched;
                EXPECT_EQ(state.BumpSteer[k], expected) << travel.bump << " " << k;
            }
        }
    }
}

} // namespace
} // namespace velmora
