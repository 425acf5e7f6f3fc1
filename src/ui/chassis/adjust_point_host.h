#pragma once

#include "model/suspension_state.h"

namespace velmora {

// What the Adjust a Point window asks of the program that owns the project. The window never
// touches the project itself: it hands whole coordinate sets over and says what they are.
class AdjustPointHost {
public:
    virtual ~AdjustPointHost() = default;

    // The side's coordinates as the project holds them now.
    virtual CoordinateSet coordinatesOf(bool right) const = 0;
    // The first nudge of a trial is about to be shown; `original` is what the side had.
    virtual void previewStarted(bool right, const CoordinateSet& original) = 0;
    // A trial set: applied for the moment, and everything that shows the side redrawn.
    virtual void preview(bool right, const CoordinateSet& trial) = 0;
    // The trial is kept as the side's coordinates: one change from `original` to `kept`,
    // although `kept` is what the side holds already while it is shown.
    virtual void keep(bool right, const CoordinateSet& original, const CoordinateSet& kept) = 0;
    // The trial is dropped: the side gets `original` back, to the bit.
    virtual void revert(bool right, const CoordinateSet& original) = 0;
};

} // namespace velmora
