#pragma once

#include "geometry/corner_statics.h"

#include <array>

namespace velmora {

// Moved ball joints of a position and the angles that placed them.
struct CornerPose {
    Point3 TB;
    Point3 BB;
    double phi2 = 0;
    double phi3 = 0;
    double phi4 = 0;
};

// How the ride-height iteration at one travel ended and after how many passes. It is solved
// without side effects, so that neighbouring positions can be iterated side by side (their
// arithmetic overlaps in the processor); its passes, message or failure take effect when the
// sweep reaches its position.
struct RideHeight {
    enum class End { Converged, TopsOut, BottomsOut, Failed } end = End::Failed;
    int passes = 0;
    CornerPose pose;
};

// The ride heights of up to kLanes consecutive positions, one lane per travel, solved one
// stage of every lane at a time, so that the solving can be spread over other work.
//
// The travel is imposed on the contact patch: a lane iterates on the vertical displacement s
// of the bottom ball joint until the contact point sits at height t. Each pass is cut into
// three stages, one call of the maths library each. A lane ends at its first geometry
// message or failure, or after the pass that would exhaust the budget even when it is the
// sweep's first.
class RideHeightBatch {
public:
    static constexpr int kLanes = 8;

    RideHeightBatch(const CornerPoints& p, const CornerStatics& s) : p_(p), s_(s) {}
    RideHeightBatch(const RideHeightBatch&) = delete;
    RideHeightBatch& operator=(const RideHeightBatch&) = delete;

    // Positions first..first+count-1 at their travels; count is at most kLanes.
    void start(int first, const float* travels, int count);
    bool holds(int i) const { return i >= first_ && i < first_ + count_; }
    int end() const { return first_ + count_; }
    bool running() const { return running_ > 0; }
    // The next stage of every lane still running.
    void step();
    const RideHeight& result(int i) const { return results_[i - first_]; }

private:
    struct Lane {
        double travel = 0;
        double s = 0; // vertical displacement of the bottom ball joint
        double d = 0;
        double c = 0;
        bool running = false;
    };

    template <typename Stage> void guarded(int k, Stage stage);
    void end(int k, RideHeight::End how);
    void stageA(int k);
    void stageB(int k);
    void stageC(int k);

    const CornerPoints& p_;
    const CornerStatics& s_;
    std::array<RideHeight, kLanes> results_;
    std::array<Lane, kLanes> lanes_;
    int first_ = 0;
    int count_ = 0;
    int stage_ = 0;
    int running_ = 0; // lanes that have not ended
};

// The ride heights of a sweep's positions, solved in batches of consecutive positions that
// need the iteration: one batch for the positions being swept, the next solved ahead a stage
// at a time wherever other work leaves the processor room.
class SweepRideHeights {
public:
    // travel[1..travelled] are the travels of the positions (0 at the static one).
    SweepRideHeights(const CornerPoints& p, const CornerStatics& s, const float* travel,
                     int travelled);

    // The solution at position i (1..travelled, a travel other than 0), solved to its end;
    // positions are asked for in their order, as the sweep reaches them.
    const RideHeight& at(int i);
    // One stage of the batch after the one that holds position i, once that one is swept
    // past i; nothing when no position is left to solve.
    void advance(int i);

private:
    RideHeightBatch* startBatch();

    const float* travel_;
    int travelled_;
    std::array<RideHeightBatch, 2> batches_;
    int solvedEnd_ = 1; // positions before it are solved or being solved
    int nextBatch_ = 0; // slot of the next batch; the other holds the one started last
};

} // namespace velmora
