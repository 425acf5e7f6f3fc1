#pragma once

#include "geometry/corner_statics.h"
#include "geometry/ride_height_batch.h"
#include "geometry/roll_centre.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "model/sweep_result.h"

namespace velmora {

// Moves one corner through its wheel positions and writes the result curves into a sweep
// result. Geometry messages are added to the result and skip the rest of their position;
// arithmetic failures and an exhausted pass budget raise sweepmath::ArithmeticFault.
class CornerSweep {
public:
    // VU and VY are the travel and step of the sweep.
    CornerSweep(SweepResult& out, float VU, float VY, const CornerPoints& points,
                const CornerStatics& statics);

    // Positions 1..count of the position loop: travel VU at position 1, one step VY less
    // at each next position (bump positive).
    void sweepPositions(int count, float VU, float VY);

    // The static-only pass: the ride-height position alone, its results at position 0.
    void sweepRideHeightOnly();

    // Instant centre of the position finished last.
    const InstantCentre& instantCentre() const { return ic_; }

private:
    using Pose = CornerPose;

    // Z of a ball joint after its arm has swung to a new height: the arm turns about a pivot
    // axis that is skewed in plan view and sloped in side view, so the joint moves fore and
    // aft. The terms that do not change with travel are formed at the first position and
    // kept; they would come out, or fail, the same at every position.
    class BallJointZ {
    public:
        BallJointZ(const Point3& front, const Point3& rear, const SwingArm& arm, const Point3& ball)
            : F_(front), R_(rear), arm_(arm), B_(ball) {}
        double at(double movedY);

    private:
        const Point3& F_;
        const Point3& R_;
        const SwingArm& arm_;
        const Point3& B_;
        bool formed_ = false;
        double k_ = 0;  // plan-view reach of the arm across its axis
        double L2_ = 0; // squared front-view arm length
        double nS_ = 0; // that reach at the static height
    };

    // Inputs of the roll centre of the position finished last, while it is unsolved.
    struct PendingRollCentre {
        ArmLines lines;
        double patchX = 0;
        double travel = 0;
        bool pending = false;
    };

    // A position solved in closed form up to its tie rod iteration: camber, side scrub, the
    // moved ball joints, caster change, fore/aft and the moved steering-arm root. It has no
    // effect of its own, so that it can run ahead, inside the tie rod iteration of the
    // position before (whose chain of square roots leaves the processor idle); its stores,
    // its roll centre and its failure take effect when its turn comes.
    struct Placement {
        // How far the closed form got: each stage's values are stored at the position's turn.
        enum class Reached { Nothing, SideScrub, Camber, TopBall, Heights, Caster };
        enum class RollCentre { NotReached, Deferred, Solving, Solved };

        int i = 0;
        float t = 0;
        Reached reached = Reached::Nothing;
        bool failed = false;       // after what it reached
        bool movedByTravel = true; // false for the static-only pass, whose joints stay
        Pose pose;
        float sideScrub = 0;
        float camber = 0;
        float casterChange = 0;
        float foreAft = 0;
        RollCentre rollCentre = RollCentre::NotReached;
        ArmLines lines;
        double patchX = 0;
        InstantCentre ic;
        double rollCentreHeight = 0;
        // Where the tie rod iteration starts.
        Point3 movedRoot;
        double armLen = 0; // plan-view steering arm
        double theta0 = 0; // its static angle
        double Yo = 0;     // height of the outer tie rod joint
    };

    void sweepEachPosition(int count, float VU, float VY);
    void settleRollCentre();
    bool atStaticIndex(int i) const;
    void storeStaticPosition(int i);
    bool takeRideHeight(float t, const RideHeight& rideHeight, Pose& pose);
    void place(Placement& a, int i, float t, const Pose& pose, bool movedByTravel);
    void placeClosedForm(Placement& a);
    void storePlacement(const Placement& a);
    template <typename Ahead> void finishPlacement(const Placement& a, Ahead ahead);
    template <typename Ahead> void solveSteering(const Placement& a, Ahead ahead);

    SweepResult& out_;
    IterationCounters& passes_;
    const CornerPoints& p_;
    const CornerStatics& s_;
    float staticIndex_;
    double fv_; // front-view tie rod length; each tie rod solution refines it for the next
    InstantCentre ic_;
    PendingRollCentre rollCentre_;
    bool deferRollCentre_ = false;
    BallJointZ topZ_;
    BallJointZ bottomZ_;
};

} // namespace velmora
