#pragma once

#include "model/message_sink.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace velmora {

struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

struct BallJointPair {
    Point3 top;    // joint 1
    Point3 bottom; // joint 2
};

inline constexpr int kMaxPositions = 36; // result arrays hold positions 0..36
using Curve = std::array<float, kMaxPositions + 1>;

// The four static values of one corner. Degrees for SAI and caster, inches otherwise.
struct SideStatics {
    double sai = 0;
    double scrubRadius = 0;
    double caster = 0;
    double casterTrail = 0;
};

// Passes of the two iterations, counted over one whole sweep (all positions, both sides).
struct IterationCounters {
    int rideHeightPasses = 0;
    int tieRodPasses = 0;
};

// What one sweep did beyond the values it computed (tests, benchmarks, the static pass).
struct SweepReport {
    bool rightSwept = false;    // the right side's statics were computed
    bool leftSwept = false;     // the left side's statics were computed
    bool carRollCentre = false; // the car's roll centre was computed (static-only pass)
    bool dataError = false;     // stopped by an arithmetic failure or the pass budget
    IterationCounters passes;
};

// Everything one sweep computes, in the shape of the shared state it is applied to.
//
// A sweep that stops early (a geometry message skips the rest of its position, a data error
// ends the sweep) leaves what it did not reach as it was: the state keeps whatever the
// previous sweep or New left there. The result marks such a value "not reached" with NaN,
// which no computed value can be (the sweep refuses every value that is not finite).
struct SweepResult {
    static constexpr float kNotReached = std::numeric_limits<float>::quiet_NaN();
    static bool reached(double value) { return !std::isnan(value); }

    // Travel as the sweep used it: a zero travel becomes 9 inches each way; VI and VY are
    // not reached when the travel arithmetic fails, VY also when no side is complete.
    float VU = 0;
    float VD = 0;
    float VI = kNotReached;
    float VY = kNotReached;

    // The ten static values; every sweep starts them at 0.
    SideStatics right;
    SideStatics left;
    double RollCenterHeight = 0; // of the position solved last, or of the car
    double RollCenterOffset = 0; // of the car (static pass over both sides)

    // Working point set of the side swept last (rows 1..8), with its tire centre and spindle
    // height; not reached when no side was swept.
    bool hasWorkingPoints = false;
    std::array<Point3, 9> SusPoints{};
    float TireCenterX = 0;
    float SpindleHeight = 0;

    // Per-position results, positions 1..N (0 is the static pass); NaN where not reached.
    Curve CamberChange = notReachedCurve();
    Curve SideScrub = notReachedCurve();
    Curve CasterChange = notReachedCurve();
    Curve ForeAft = notReachedCurve();
    Curve BumpSteer = notReachedCurve();
    Curve TieRodOuterX = notReachedCurve();
    Curve TieRodOuterY = notReachedCurve();
    std::array<BallJointPair, kMaxPositions + 1> BallJointPos = notReachedJoints();

    // In the order the sweep met them; a data error comes last.
    std::vector<Message> messages;
    SweepReport report;

    static Curve notReachedCurve() {
        Curve curve;
        curve.fill(kNotReached);
        return curve;
    }
    static std::array<BallJointPair, kMaxPositions + 1> notReachedJoints() {
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        std::array<BallJointPair, kMaxPositions + 1> joints;
        joints.fill(BallJointPair{{nan, nan, nan}, {nan, nan, nan}});
        return joints;
    }
};

} // namespace velmora
