#include "geometry/sensitivity.h"

#include "core/geometry/rigid_test_corners.h"

#include <cmath>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::exampleState;
using testing::parallelogramCorner;

TEST(Sensitivity, RowsNameTheTableBoxesAndAgreeWithTwoSweeps) {
    const SuspensionState state = exampleState("gm-dirt-oval.kqw");
    SensitivityInputs in;
    in.corner = state.LeftCoords;
    in.kind = GraphKind::Caster;
    const Sensitivity s = sensitivityOf(in);
    ASSERT_TRUE(s.complete);
    ASSERT_EQ(s.rows.size(), 26u);
    for (int i = 1; i <= 26; ++i) {
        const SensitivityRow& row = s.rows[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(row.index, i);
        // The name and axis lead back to the same box of the table.
        const int rowOfTable = coordinateRowOf(i);
        EXPECT_EQ(row.point, coordinateRowName(rowOfTable));
        EXPECT_EQ(coordinateIndexOf(rowOfTable, row.axis[0] - 'X'), i);
    }
    EXPECT_EQ(s.rows[0].point + " " + s.rows[0].axis, "Top Arm Front Pivot X");
    EXPECT_EQ(s.rows[8].point + " " + s.rows[8].axis, "Tire Center X");
    EXPECT_EQ(s.rows[17].point + " " + s.rows[17].axis, "Spindle Height Y");
    EXPECT_EQ(s.rows[25].point + " " + s.rows[25].axis, "Tie Rod Outer Joint Z");

    // Moving the top ball joint 1/8 in rearward (Z, index 21) adds caster gain in bump and
    // takes it in rebound: the figures the command line's sensitivity prints for this project.
    ASSERT_EQ(s.positions, 25);
    EXPECT_NEAR(s.rows[20].atBump, 0.00593004, 1e-8);
    EXPECT_NEAR(s.rows[20].atRebound, -0.00335699, 1e-8);
}

// Raising the inner tie rod joint is the classic cure for bump steer, and lowering the outer
// one does the same: both models must find the tie rod heights the strongest levers, with
// opposite signs at the two ends of the travel, and no lever at all in the spindle height.
TEST(Sensitivity, BothModelsFindTheTieRodHeightsStrongestForBumpSteer) {
    SensitivityInputs in;
    in.corner = exampleState("gm-dirt-oval.kqw").LeftCoords;
    in.kind = GraphKind::BumpSteer;
    for (KinematicModel model : {KinematicModel::Classic, KinematicModel::Rigid}) {
        in.model = model;
        const Sensitivity s = sensitivityOf(in);
        ASSERT_EQ(s.rows.size(), 26u);
        const std::vector<SensitivityRow> sorted = byLargestEffect(s);
        EXPECT_EQ(sorted[0].index, 16);
        EXPECT_EQ(sorted[1].index, 17);
        const SensitivityRow& inner = s.rows[15];
        const SensitivityRow& outer = s.rows[16];
        EXPECT_GT(inner.atBump, 0.1);
        EXPECT_LT(inner.atRebound, -0.1);
        EXPECT_LT(outer.atBump * inner.atBump, 0);
        EXPECT_LT(s.rows[17].largerEffect(), 1e-4) << "spindle height";
        for (std::size_t i = 1; i < sorted.size(); ++i) {
            EXPECT_GE(sorted[i - 1].largerEffect(), sorted[i].largerEffect());
        }
    }
}

TEST(Sensitivity, AValueThatWouldBecomeEmptyMarksItsRowAndSortsLast) {
    SensitivityInputs in;
    in.corner = parallelogramCorner();
    in.kind = GraphKind::Camber;
    in.corner[19] = -0.125f; // the step makes it 0, an empty box
    const Sensitivity s = sensitivityOf(in);
    const SensitivityRow& row = s.rows[18];
    EXPECT_TRUE(std::isnan(row.atBump) && std::isnan(row.atRebound));
    ASSERT_EQ(row.messages.size(), 1u);
    EXPECT_EQ(row.messages[0].outcome, Outcome::SensitivityCoordinateEmptied);
    EXPECT_EQ(byLargestEffect(s).back().index, 19);

    in.corner[5] = 0; // an incomplete side has no rows at all
    EXPECT_FALSE(sensitivityOf(in).complete);
    EXPECT_TRUE(sensitivityOf(in).rows.empty());
    EXPECT_EQ(coordinateUnchangedBy(parallelogramCorner(), 1e-7f), 1);
    EXPECT_EQ(coordinateUnchangedBy(parallelogramCorner(), 0.125f), 0);
}

} // namespace
} // namespace velmora
