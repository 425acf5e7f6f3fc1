#include "geometry/rigid_sweep.h"

#include "sweep_random_cases.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora::testing {
namespace {

// Whatever the corner and the travel: nothing non-finite, every message titled, and the
// positions reached form one unbroken run through the static position.
TEST(RigidSweepRandom, EveryInputGivesFiniteCurvesAndAnUnbrokenRunThroughStatic) {
    RandomSweepCases cases(20261208u);
    int solvedSomewhere = 0;
    for (int run = 0; run < 1500; ++run) {
        bool unused = false;
        const SuspensionState state = cases.next(unused);
        const RigidSweep s = rigidSweep(state);
        ASSERT_LE(s.n, kMaxPositions);
        ASSERT_LE(s.messages.size(), 2u) << run;
        for (const Message& m : s.messages) {
            ASSERT_EQ(m.title, "3-D Check");
            ASSERT_EQ(m.text.find("nan"), std::string::npos) << m.text;
        }
        int first = 0;
        int last = 0;
        for (int i = 1; i <= s.n; ++i) {
            const auto k = static_cast<std::size_t>(i);
            for (double v : {s.CamberChange[k], s.SideScrub[k], s.CasterChange[k], s.ForeAft[k],
                             s.BumpSteer[k], s.BallJointPos[k].top.x, s.BallJointPos[k].bottom.z,
                             s.TieRodOuter[k].y}) {
                ASSERT_TRUE(std::isfinite(v)) << run << " position " << i;
            }
            if (s.solved[k]) {
                first = first == 0 ? i : first;
                ASSERT_TRUE(last == 0 || last == i - 1) << run << ": a gap before " << i;
                last = i;
            }
        }
        if (first != 0) {
            ++solvedSomewhere;
            // Each direction starts at static, so the run reaches the last bump position
            // before static and the first rebound one.
            const auto f = static_cast<std::size_t>(first);
            const auto l = static_cast<std::size_t>(last);
            ASSERT_TRUE(s.travel[f] >= 0.0f || f == 1 || s.travel[f - 1] >= 0.0f) << run;
            ASSERT_TRUE(s.travel[l] < 0.0f || l == static_cast<std::size_t>(s.n) ||
                        s.travel[l + 1] < 0.0f)
                << run;
        }
    }
    EXPECT_GT(solvedSomewhere, 100);
}

} // namespace
} // namespace velmora::testing
