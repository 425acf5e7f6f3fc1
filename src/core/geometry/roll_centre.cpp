#include "geometry/roll_centre.h"

#include "geometry/checked_math.h"

#include <algorithm>
#include <cmath>

namespace velmora {

using namespace sweepmath;

ArmLines frontViewArmLines(const Point3& A1, const Point3& TBm, const Point3& A2,
                           const Point3& BBm) {
    ArmLines l;
    l.mt = quot(TBm.y - A1.y, TBm.x - A1.x);
    l.ct = fin(A1.y - A1.x * l.mt);
    l.mb = quot(BBm.y - A2.y, BBm.x - A2.x);
    l.cb = fin(A2.y - A2.x * l.mb);
    return l;
}

InstantCentre instantCentreOf(const ArmLines& l) {
    const double mt = l.mt;
    const double ct = l.ct;
    const double mb = l.mb;
    const double cb = l.cb;

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

// In exact arithmetic the law-of-sines construction of instantCentreOf lands on the lines'
// intersection (x, y), the program's pi cancelling out of every angle but the one at the
// bottom line's foot; with slopes of at most 1000 and lines whose angles differ by at least a
// millionth of a radian, that angle's error, the rounding and the sines' conditioning move it
// by less than a ten-thousandth of its size. The bounds keep every product far from overflow.
bool rollCentreCannotFail(const ArmLines& l, double patchX, double travel) {
    const double slope = std::max(std::fabs(l.mt), std::fabs(l.mb));
    const double dm = l.mb - l.mt;
    if (!(slope <= 1e3) || !(std::fabs(dm) >= 1e-6 * (1 + slope * slope))) {
        return false;
    }
    const double x = (l.ct - l.cb) / dm;
    const double y = l.ct + l.mt * x;
    constexpr double kBound = 1e50;
    for (const double v : {l.ct, l.cb, x, y, patchX, travel}) {
        if (!(std::fabs(v) < kBound)) {
            return false;
        }
    }
    const double icX = std::fabs(x);
    const bool onWheelSide = l.mb > l.mt;
    const double gap = onWheelSide ? icX - patchX : patchX + icX;
    return std::fabs(gap) > 1e-6 + 1e-3 * icX;
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
