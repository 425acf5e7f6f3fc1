#include "geometry/roll_centre.h"

#include "geometry/checked_math.h"

#include <cmath>

namespace velmora {

using namespace sweepmath;

InstantCentre frontViewInstantCentre(const Point3& A1, const Point3& TBm, const Point3& A2,
                                     const Point3& BBm) {
    const double mt = quot(TBm.y - A1.y, TBm.x - A1.x);
    const double ct = fin(A1.y - A1.x * mt);
    const double mb = quot(BBm.y - A2.y, BBm.x - A2.x);
    const double cb = fin(A2.y - A2.x * mb);

    // Law of sines on the triangle of the two arm lines and the centreline.
    InstantCentre ic;
    ic.onWheelSide = mb > mt;
    double a = 0;
    double b = 0;
    if (ic.onWheelSide) {
        a = deg(std::atan(mt)) + 90;
        b = 90 - deg(std::atan(mb));
    } else {
        a = 90 - deg(std::atan(mt));
        b = deg(std::atan(mb)) + 90;
    }
    const double g = 180 - (a + b); // 0 for parallel arm lines
    const double s = fin(quot(std::sin(rad(b)), std::sin(rad(g))) * (ct - cb));
    ic.y = fin(ct - s * std::sin(rad(90 - a)));
    ic.x = std::fabs(fin(s * std::cos(rad(90 - a))));
    return ic;
}

double wheelRollCentreHeight(const InstantCentre& ic, double patchX, double travel) {
    if (ic.onWheelSide) {
        return quot(fin(patchX * (travel - ic.y)), ic.x - patchX);
    }
    return quot(fin(patchX * (ic.y - travel)), fin(patchX + ic.x));
}

RollCentreSide rightRollCentreSide(double tireCentre, const InstantCentre& ic) {
    return {tireCentre, ic.y, ic.onWheelSide ? -ic.x : ic.x};
}

RollCentreSide leftRollCentreSide(double tireCentre, const InstantCentre& ic) {
    return {tireCentre, ic.y, ic.onWheelSide ? ic.x : -ic.x};
}

CarRollCentre carRollCentre(const RollCentreSide& right, const RollCentreSide& left) {
    if (right.icHeight == 0.0 || left.icHeight == 0.0) {
        fault(); // a line along the floor: no usable roll centre
    }
    const double rightSlope = quot(right.icHeight, fin(right.tireCentre + right.icU));
    const double leftSlope = quot(left.icHeight, fin(left.icU - left.tireCentre));
    // rightSlope * (u + TCR) = leftSlope * (u - TCL)
    CarRollCentre rc;
    rc.offset = quot(fin(-(leftSlope * left.tireCentre + rightSlope * right.tireCentre)),
                     fin(rightSlope - leftSlope));
    rc.height = fin(rightSlope * fin(rc.offset + right.tireCentre));
    return rc;
}

} // namespace velmora
