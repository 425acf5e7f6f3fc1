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

// The two arm lines in front view, y = m x + c, each through its axis foot and its ball joint.
struct ArmLines {
    double mt = 0; // top
    double ct = 0;
    double mb = 0; // bottom
    double cb = 0;
};

// Raises sweepmath::ArithmeticFault for a vertical arm line.
ArmLines frontViewArmLines(const Point3& topAxisFoot, const Point3& topBall,
                           const Point3& bottomAxisFoot, const Point3& bottomBall);

// Raises sweepmath::ArithmeticFault for parallel arm lines.
InstantCentre instantCentreOf(const ArmLines& lines);

inline InstantCentre frontViewInstantCentre(const Point3& topAxisFoot, const Point3& topBall,
                                            const Point3& bottomAxisFoot,
                                            const Point3& bottomBall) {
    return instantCentreOf(frontViewArmLines(topAxisFoot, topBall, bottomAxisFoot, bottomBall));
}

// Height above the contact patch (at distance patchX from the centreline, height travel)
// where the line from the contact patch through the instant centre crosses the centreline.
double wheelRollCentreHeight(const InstantCentre& ic, double patchX, double travel);

// True when instantCentreOf(lines) and then wheelRollCentreHeight(..., patchX, travel) are
// certain not to fail: the arm lines are far from parallel and from vertical, and the instant
// centre is far from the vertical through the contact patch. It costs no call of the maths
// library, so that a sweep can leave the roll centre of every position but its last unsolved.
bool rollCentreCannotFail(const ArmLines& lines, double patchX, double travel);

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
