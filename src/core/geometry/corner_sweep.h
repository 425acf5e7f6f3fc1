#pragma once

#include "geometry/corner_statics.h"
#include "geometry/roll_centre.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "model/sweep_result.h"

namespace velmora {

// The sweep stops with a data error when either iteration has started this many passes.
inline constexpr int kPassLimit = 500;

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
    // Moved ball joints of the current position and the angles that placed them.
    struct Pose {
        Point3 TB;
        Point3 BB;
        double phi2 = 0;
        double phi3 = 0;
        double phi4 = 0;
    };

    // How the ride-height iteration at one travel ended and after how many passes. It is
    // solved without side effects, so that two neighbouring positions can be iterated side
    // by side (their arithmetic overlaps in the processor); its passes, message or failure
    // take effect when the sweep reaches its position.
    struct RideHeight {
        enum class End { Converged, TopsOut, BottomsOut, Failed } end = End::Failed;
        int passes = 0;
        Pose pose;
    };
    class RideHeightLane;
    static constexpr int kLanes = 4; // travels iterated side by side

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

    void sweepEachPosition(int count, float VU, float VY);
    void settleRollCentre();
    bool atStaticIndex(int i) const;
    void storeStaticPosition(int i);
    void sweepPosition(int i, float t, const RideHeight& rideHeight);
    void solveRideHeights(const float* travels, RideHeight* results, int count) const;
    bool takeRideHeight(float t, const RideHeight& rideHeight, Pose& pose);
    void finishPosition(int i, float t, Pose& pose, double sideScrub);
    void solveSteering(int i, float t, const Point3& movedRoot);

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
