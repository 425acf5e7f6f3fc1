#include "drawing/clip_segment.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// Cut to the rectangle (0, 0) - (10, 10): kept whole, cut at one or both edges, or dropped
// when outside, along an edge's outside, or with an end that is not finite.
TEST(ClipSegment, CutsToTheRectangleAndDropsWhatCannotBeDrawn) {
    const struct {
        Segment in;
        bool kept;
        Segment out;
    } cases[] = {
        {{2, 3, 8, 7}, true, {2, 3, 8, 7}},
        {{-5, 5, 15, 5}, true, {0, 5, 10, 5}},
        {{5, -10, 5, 5}, true, {5, 0, 5, 5}},
        {{-10, -10, 20, 20}, true, {0, 0, 10, 10}},
        {{1e6, 5, -1e6, 5}, true, {10, 5, 0, 5}},
        {{11, 0, 11, 10}, false, {11, 0, 11, 10}},
        {{-5, 12, 15, 30}, false, {-5, 12, 15, 30}},
        {{0, 0, kInf, 5}, false, {0, 0, kInf, 5}},
        {{5, kNan, 5, 5}, false, {}},
    };
    for (const auto& c : cases) {
        Segment s = c.in;
        ASSERT_EQ(clipSegment(s, 0, 0, 10, 10), c.kept) << c.in.x1 << "," << c.in.y1;
        if (c.kept) {
            EXPECT_NEAR(s.x1, c.out.x1, 1e-9);
            EXPECT_NEAR(s.y1, c.out.y1, 1e-9);
            EXPECT_NEAR(s.x2, c.out.x2, 1e-9);
            EXPECT_NEAR(s.y2, c.out.y2, 1e-9);
        } else if (c.in.y1 == c.in.y1) {
            EXPECT_EQ(s, c.in); // left as it was
        }
    }
}

} // namespace
} // namespace velmora
