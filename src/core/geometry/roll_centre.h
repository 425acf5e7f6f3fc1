#pragma once

#include "model/suspension_state.h"

namespace velmora {

// Front-view instant centre of a corner: where the lines of the two arms (each through its
// axis foot and its ball joint) meet.
struct InstantCentre {
    double x = 0;             // distance from the centreline, never negative
    double y = 0;             // height
    bool onWheelSide = false; // on the wheel's side of the centreline, else on the far side
};

// Raises sweepmath::ArithmeticFault for parallel arm lines.
InstantCentre frontViewInstantCentre(const Point3& topAxisFoot, const Point3& topBall,
                                     const Point3& bottomAxisFoot, const Point3& bottomBall);

// Height above the contact patch (at distance patchX from the centreline, height travel)
// where the line from the contact patch through the instant centre crosses the centreline.
double wheelRollCentreHeight(const InstantCentre& ic, double patchX, double travel);

// One side's contribution to the car's roll centre: its tire centre distance and its
// instant centre, with u measured from the centreline, positive toward the left side.
struct RollCentreSide {
    double tireCentre = 0;
    double icHeight = 0;
    double icU = 0;
};

RollCentreSide rightRollCentreSide(double tireCentre, const InstantCentre& ic);
RollCentreSide leftRollCentreSide(double tireCentre, const InstantCentre& ic);

struct CarRollCentre {
    double height = 0; // above the floor
    double offset = 0; // u, positive toward the left side
};

// Intersection of the line from the right contact patch (-TC, 0) through the right instant
// centre with the line from the left contact patch (+TC, 0) through the left one. Parallel
// lines, a vertical line or an instant centre at floor height raise ArithmeticFault.
CarRollCentre carRollCentre(const RollCentreSide& right, const RollCentreSide& left);

} // namespace velmora
