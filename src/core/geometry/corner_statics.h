#pragma once

#include "model/suspension_state.h"

namespace velmora {

// The joints of one corner in double precision, taken from its 26 single values.
// T = top arm, B = bottom arm, R = tie rod; F/R = front/rear pivot, B = ball joint,
// RI/RO = inner/outer tie rod joint.
struct CornerPoints {
    Point3 TF, TR, TB;
    Point3 BF, BR, BB;
    Point3 RI, RO;
    double TC = 0; // distance of the tire centre from the centreline
    double SH = 0; // spindle height
};

CornerPoints cornerPoints(const CoordinateSet& coords);

// An A-arm reduced to a front-view swing arm. It turns about the point of its pivot axis that
// lies opposite the ball joint in plan view.
struct SwingArm {
    Point3 axisFoot;      // A
    double length = 0;    // front-view distance from A to the ball joint, L
    double planAngle = 0; // plan-view angle of the pivot axis from the Z direction, degrees
};

SwingArm swingArm(const Point3& front, const Point3& rear, const Point3& ball);

// Everything about a corner that does not change with wheel travel. Angles in degrees.
struct CornerStatics {
    SwingArm top;    // A1, L1
    SwingArm bottom; // A2, L2
    double L3 = 0;   // front-view distance between the ball joints

    double tS = 0; // lateral lean of the steering axis per inch of height
    double sai = 0;
    double scrubRadius = 0;
    double tC = 0; // fore/aft lean of the steering axis per inch of height
    double caster = 0;
    double casterTrail = 0;

    double zS = 0; // Z of the spindle on the steering axis
    double aS = 0; // side-view distance along the axis from BB to spindle height, signed

    double kappa = 0; // front-view angle from vertical of the line BB -> contact point
    double dCP = 0;   // distance from BB to the contact point
    double phi1 = 0;  // fixed angle at BB between the upright and that line

    Point3 S;       // steering-arm root on the steering axis
    double dTS = 0; // distance from TB to S
    double fv = 0;  // front-view length of the tie rod
    double rodLen = 0;
};

// The statics are solved in three stages, so that a caller can publish the steering-axis
// values before the rest can fail. Each raises sweepmath::ArithmeticFault on impossible
// geometry. Stage 1: the swing arms and L3.
void solveSwingArms(const CornerPoints& p, CornerStatics& s);
// Stage 2: SAI, scrub radius, caster and caster trail.
void solveSteeringAxis(const CornerPoints& p, CornerStatics& s);
// Stage 3: spindle, contact point, steering-arm root and tie rod.
void solveWheelAndSteering(const CornerPoints& p, CornerStatics& s);

// All three stages.
CornerStatics cornerStatics(const CornerPoints& p);

} // namespace velmora
