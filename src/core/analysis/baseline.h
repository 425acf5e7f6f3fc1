#pragma once

#include "model/result_curve.h"
#include "model/suspension_state.h"
#include "model/sweep_result.h"
#include "model/travel.h"

// A baseline: the coordinates a project had before the user changed something (or another
// project's), kept for the session so that every curve can be drawn over what the car had.
// It holds only coordinates; its curves are swept on demand over the current travel, so a
// changed travel range moves both curves alike.
namespace velmora {

struct Baseline {
    CoordinateSet RightCoords;
    CoordinateSet LeftCoords;

    const CoordinateSet& coords(bool right) const { return right ? RightCoords : LeftCoords; }
    bool operator==(const Baseline&) const = default;
};

// Both coordinate sets of the state as they are now.
Baseline baselineOf(const SuspensionState& state);

// The classic sweep of the baseline's corner for one side over the travel VU, VD. Nothing is
// shown: the baseline's own geometry messages were the user's to read when it was current.
// An incomplete corner gives a result whose curves are all not reached.
SweepResult sweepBaseline(const Baseline& baseline, bool right, Travel travel);

// The wheel positions a result reached: 1..n for its travel, 0 when it has no step.
int positionsOf(const SweepResult& result);

} // namespace velmora
