#pragma once

#include "geometry/corner_statics.h"
#include "geometry/roll_centre.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"

namespace velmora {

// The sweep stops with a data error when either iteration has started this many passes.
inline constexpr int kPassLimit = 500;

// Passes of the two iterations, counted over one whole sweep (all positions, both sides).
struct IterationCounters {
    int rideHeightPasses = 0;
    int tieRodPasses = 0;
};

// Moves one corner through its wheel positions and writes the result curves of the shared
// state. Geometry messages go to the sink and skip the rest of their position; arithmetic
// failures and an exhausted pass budget raise sweepmath::ArithmeticFault.
class CornerSweep {
public:
    CornerSweep(SuspensionState& state, MessageSink& sink, IterationCounters& passes,
                const CornerPoints& points, const CornerStatics& statics);

    // Position i of the position loop, at travel t (bump positive).
    void sweepPosition(int i, float t);

    // The static-only pass: the ride-height position alone, its results at position 0.
    void sweepRideHeightOnly();

    // Instant centre of the position solved last.
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

    bool atStaticIndex(int i) const;
    void storeStaticPosition(int i);
    bool solveRideHeight(float t, Pose& pose);
    void finishPosition(int i, float t, Pose& pose, double sideScrub);
    void solveSteering(int i, float t, const Point3& movedRoot);

    SuspensionState& state_;
    MessageSink& sink_;
    IterationCounters& passes_;
    const CornerPoints& p_;
    const CornerStatics& s_;
    float staticIndex_;
    double fv_; // front-view tie rod length; each tie rod solution refines it for the next
    InstantCentre ic_;
};

} // namespace velmora
