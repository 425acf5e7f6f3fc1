#include "geometry/bump_steer_shim.h"

#include "model/shown_length.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace velmora {

namespace {

constexpr double kSixteenth = 1.0 / 16.0;

CornerPoints shimmed(CornerPoints corner, ShimJoint joint, double change) {
    (joint == ShimJoint::Outer ? corner.RO : corner.RI).y += change;
    return corner;
}

// What the search minimises: the largest bump steer, or infinity when any position of the
// travel cannot be solved with that change.
class Objective {
public:
    Objective(const CornerPoints& corner, float VU, float VD, ShimJoint joint)
        : corner_(corner), vu_(VU), vd_(VD), joint_(joint) {}

    RigidSweep sweep(double change) const {
        return rigidSweep(shimmed(corner_, joint_, change), Travel{vu_, vd_});
    }

    double operator()(double change) const {
        const RigidSweep s = sweep(change);
        return s.allSolved() ? largestBumpSteer(s) : std::numeric_limits<double>::infinity();
    }

private:
    CornerPoints corner_;
    float vu_;
    float vd_;
    ShimJoint joint_;
};

// Golden-section search for the smallest value on [a, b].
double goldenSection(const Objective& f, double a, double b) {
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double c = b - ratio * (b - a);
    double d = a + ratio * (b - a);
    double fc = f(c);
    double fd = f(d);
    while (b - a > 1e-7) {
        if (fc <= fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - ratio * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + ratio * (b - a);
            fd = f(d);
        }
    }
    return (a + b) / 2;
}

} // namespace

BumpSteerShim findBumpSteerShim(const CoordinateSet& coords, Travel travel, ShimJoint joint) {
    const float VU = travel.bump;
    const float VD = travel.rebound;
    BumpSteerShim result;
    result.joint = joint;
    result.before = rigidSweep(coords, Travel{VU, VD});
    result.after = result.before;
    result.solved = result.before.allSolved();
    result.maxBefore = result.maxAfter = largestBumpSteer(result.before);
    if (!result.solved) {
        return result;
    }
    const Objective objective(cornerPoints(coords), VU, VD, joint);

    // Coarse scan in sixteenths, then refine between the neighbours of the best one.
    double best = 0;
    double bestValue = result.maxBefore;
    const int steps = static_cast<int>(kShimReach / kSixteenth);
    for (int k = -steps; k <= steps; ++k) {
        const double value = objective(k * kSixteenth);
        if (value < bestValue) {
            best = k * kSixteenth;
            bestValue = value;
        }
    }
    const double refined = goldenSection(objective, best - kSixteenth, best + kSixteenth);
    const double refinedValue = objective(refined);
    if (refinedValue < bestValue) {
        best = refined;
        bestValue = refinedValue;
    }
    if (!(bestValue < result.maxBefore - kNoticeableBumpSteer)) {
        return result; // already as good as a shim can make it
    }
    result.improves = true;
    result.heightChange = best;
    result.sixteenths = static_cast<int>(std::lround(best / kSixteenth));
    result.after = objective.sweep(best);
    result.maxAfter = bestValue;
    return result;
}

std::string shimAdvice(ShimJoint joint, int sixteenths) {
    const std::string end = joint == ShimJoint::Outer ? "outer" : "inner";
    if (sixteenths == 0) {
        return shownAdvice("the " + end +
                           " tie rod end needs less than 1/32 in, too little to shim");
    }
    const int amount = std::abs(sixteenths);
    const int whole = amount / 16;
    const int rest = amount % 16;
    std::string text = sixteenths > 0 ? "raise" : "lower";
    text += " the " + end + " tie rod end ";
    if (whole > 0) {
        text += std::to_string(whole);
    }
    if (rest > 0) {
        const int common = std::gcd(rest, 16);
        text += (whole > 0 ? " " : "") + std::to_string(rest / common) + "/" +
                std::to_string(16 / common);
    }
    return shownAdvice(text + " in");
}

} // namespace velmora
