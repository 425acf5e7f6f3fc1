#include "geometry/corner_statics.h"

#include "geometry/checked_math.h"

#include <cmath>

namespace velmora {

using namespace sweepmath;

CornerPoints cornerPoints(const CoordinateSet& coords) {
    auto point = [&coords](int row) {
        return Point3{coords[row], coords[9 + row], coords[18 + row]};
    };
    CornerPoints p;
    p.TF = point(TopFront);
    p.TR = point(TopRear);
    p.TB = point(TopBall);
    p.BF = point(BottomFront);
    p.BR = point(BottomRear);
    p.BB = point(BottomBall);
    p.RI = point(TieRodInner);
    p.RO = point(TieRodOuter);
    p.TC = coords[9];
    p.SH = coords[18];
    return p;
}

SwingArm swingArm(const Point3& F, const Point3& R, const Point3& B) {
    SwingArm arm;
    const double alpha = deg(atanOf(R.x - F.x, R.z - F.z));
    const double dx = B.x - F.x;
    const double dz = B.z - F.z;
    const double r = root(sq(dx) + sq(dz));
    const double beta = deg(atanOf(dz, dx));
    const double gamma = 90 - (beta + alpha);
    // Plan-view distance along the axis from F to the foot of the perpendicular from B.
    const double p = fin(r * std::cos(rad(gamma)));
    arm.axisFoot.x = fin(F.x + p * std::cos(rad(90 - alpha)));
    arm.axisFoot.z = fin(F.z + p * std::sin(rad(90 - alpha)));
    arm.axisFoot.y = fin(F.y + quot((arm.axisFoot.z - F.z) * (R.y - F.y), R.z - F.z));
    arm.length = root(sq(B.x - arm.axisFoot.x) + sq(B.y - arm.axisFoot.y));
    arm.planAngle = alpha;
    return arm;
}

namespace {

// Side-view foot of the perpendicular from the outer tie rod joint to the steering axis.
void steeringArmRoot(const CornerPoints& p, CornerStatics& s) {
    const Point3& TB = p.TB;
    const Point3& RO = p.RO;
    const double rho = fin(atanOf(TB.z - RO.z, TB.y - RO.y) * kDegreesPerRadian);
    const double delta = RO.z < p.BB.z ? rho - s.caster : s.caster - rho;
    const double dTR = root(sq(TB.y - RO.y) + sq(TB.z - RO.z));
    s.S.y = fin(TB.y - dTR * std::cos(rad(delta)) * std::cos(rad(s.caster)));
    s.S.z = fin(TB.z - (TB.y - s.S.y) * std::tan(rad(s.caster)));
    s.S.x = fin(TB.x + (TB.y - s.S.y) * s.tS);
    s.dTS = root(sq(TB.x - s.S.x) + sq(TB.y - s.S.y) + sq(TB.z - s.S.z));
}

} // namespace

void solveSwingArms(const CornerPoints& p, CornerStatics& s) {
    s.top = swingArm(p.TF, p.TR, p.TB);
    s.bottom = swingArm(p.BF, p.BR, p.BB);
    s.L3 = root(sq(p.TB.y - p.BB.y) + sq(p.TB.x - p.BB.x));
}

void solveSteeringAxis(const CornerPoints& p, CornerStatics& s) {
    const Point3& TB = p.TB;
    const Point3& BB = p.BB;
    s.tS = quot(BB.x - TB.x, TB.y - BB.y);
    s.sai = deg(std::atan(s.tS));
    const double gx = fin(TB.x + TB.y * s.tS); // where the steering axis meets the floor
    s.scrubRadius = fin(p.TC - gx);

    s.tC = quot(TB.z - BB.z, TB.y - BB.y);
    s.caster = deg(std::atan(s.tC));
    s.casterTrail = fin(s.tC * p.SH);
}

void solveWheelAndSteering(const CornerPoints& p, CornerStatics& s) {
    const Point3& BB = p.BB;
    const double rise = p.SH - BB.y;
    s.zS = fin(BB.z + rise * s.tC);
    // Signed like the rise, so that a spindle below the bottom ball joint moves the right
    // way and the fore/aft curve runs smoothly through the static position.
    s.aS = std::copysign(root(sq(rise) + sq(rise * s.tC)), rise);

    s.kappa = deg(atanOf(p.TC - BB.x, BB.y));
    s.dCP = quot(BB.y, std::cos(rad(s.kappa)));
    s.phi1 = (180 - s.kappa) + s.sai;

    steeringArmRoot(p, s);

    s.fv = root(sq(p.RO.y - p.RI.y) + sq(p.RO.x - p.RI.x));
    s.rodLen = root(sq(p.RI.z - p.RO.z) + sq(s.fv));
}

CornerStatics cornerStatics(const CornerPoints& p) {
    CornerStatics s;
    solveSwingArms(p, s);
    solveSteeringAxis(p, s);
    solveWheelAndSteering(p, s);
    return s;
}

} // namespace velmora
