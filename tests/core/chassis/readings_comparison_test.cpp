#include "chassis/readings_comparison.h"

#include "core/geometry/rigid_test_corners.h"
#include "geometry/rigid_sweep.h"
#include "geometry/sweep.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::exampleState;
using testing::kExamples;

// At a travel the sweeps step, the readings' two models are exactly the curves there; the
// differences are the reading less each model; a travel beyond the sweep has no classic value
// but is still solved in 3-D.
TEST(ReadingsComparison, ModelsAtTheReadingsTravelAndDifferences) {
    for (const char* name : kExamples) {
        SCOPED_TRACE(name);
        const SuspensionState state = exampleState(name);
        VehicleData vehicle;
        vehicle.gaugeLength = 24;
        vehicle.readings = {{false, 2.25f, 0.05f},
                            {true, 1, 0.5f},
                            {false, 0, 0},
                            {false, -1.625f, -0.04f},
                            {false, 4, 0.1f}};
        const ReadingsComparison c =
            compareReadings(state.LeftCoords, false, vehicle, Travel{3, 3});
        ASSERT_EQ(c.rows.size(), 4u) << "the left side's readings only";
        EXPECT_EQ(c.gaugeLength, 24.0f);

        const SweepResult classic = classicSweep(state.LeftCoords, false, Travel{3, 3});
        const RigidSweep rigid = rigidSweep(state.LeftCoords, Travel{3, 3});
        const ReadingCompared& onPosition = c.rows[0]; // 2.25 in: position 4
        ASSERT_TRUE(onPosition.classic && onPosition.rigid);
        EXPECT_EQ(*onPosition.classic, classic.BumpSteer[4]);
        EXPECT_NEAR(*onPosition.rigid, rigid.BumpSteer[4], 1e-9);
        // 0.05 in of toe out over a 24 in gauge is atan(0.05 / 24): 0.1194 degree.
        EXPECT_NEAR(onPosition.degrees, 0.119366036, 1e-9);
        EXPECT_DOUBLE_EQ(*onPosition.classicDifference, onPosition.degrees - *onPosition.classic);
        EXPECT_DOUBLE_EQ(*onPosition.rigidDifference, onPosition.degrees - *onPosition.rigid);

        EXPECT_EQ(c.rows[1].classic, 0.0);
        EXPECT_EQ(c.rows[1].rigid, 0.0) << "ride height is exactly 0";

        // -1.625 lies halfway between positions 19 (-1.5) and 20 (-1.75).
        const ReadingCompared& between = c.rows[2];
        ASSERT_TRUE(between.classic && between.rigid);
        EXPECT_NEAR(*between.classic, (classic.BumpSteer[19] + classic.BumpSteer[20]) / 2.0, 1e-6);
        EXPECT_NEAR(*between.rigid, (rigid.BumpSteer[19] + rigid.BumpSteer[20]) / 2.0, 0.01);

        const ReadingCompared& beyond = c.rows[3];
        EXPECT_FALSE(beyond.classic);
        EXPECT_FALSE(beyond.classicDifference);
        const auto said = std::find_if(c.messages.begin(), c.messages.end(), [](const Message& m) {
            return m.outcome == Outcome::ReadingOutsideTravel;
        });
        EXPECT_NE(said, c.messages.end());
    }
}

} // namespace
} // namespace velmora
