#include "geometry/ride_height_batch.h"
#include "sweep_test_corner.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

using namespace velmora::testing;

// Solving ahead, a stage at a time in between, must not change any position's solution:
// each is the one its batch gives when asked for it with nothing solved ahead. The travels
// cross the static position, end in positions that top and bottom out, and outnumber two
// batches, so that slots are reused.
TEST(SweepRideHeights, SolvingAheadLeavesEverySolutionAsOnDemand) {
    const CornerPoints points = cornerPoints(referenceCorner());
    const CornerStatics statics = cornerStatics(points);
    std::vector<float> travel{0}; // positions count from 1
    for (float t = 9; t >= -9; t -= 0.75f) {
        travel.push_back(t);
    }
    const int count = static_cast<int>(travel.size()) - 1;
    ASSERT_GT(count, 2 * RideHeightBatch::kLanes);

    for (const int stagesAhead : {1, 2, 5, 40}) {
        SweepRideHeights onDemand(points, statics, travel.data(), count);
        SweepRideHeights ahead(points, statics, travel.data(), count);
        for (int i = 1; i <= count; ++i) {
            if (travel[i] == 0.0f) {
                continue;
            }
            const RideHeight& expected = onDemand.at(i);
            const RideHeight& got = ahead.at(i);
            EXPECT_EQ(got.end, expected.end) << i;
            EXPECT_EQ(got.passes, expected.passes) << i;
            EXPECT_EQ(got.pose.BB.x, expected.pose.BB.x) << i;
            EXPECT_EQ(got.pose.BB.y, expected.pose.BB.y) << i;
            EXPECT_EQ(got.pose.phi4, expected.pose.phi4) << i;
            for (int n = 0; n < stagesAhead; ++n) {
                ahead.advance(i);
            }
        }
    }
}

} // namespace
} // namespace velmora
