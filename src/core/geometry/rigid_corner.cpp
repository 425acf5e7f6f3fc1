#include "geometry/rigid_corner.h"

#include "geometry/vec3.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora {

using namespace vec3;

namespace {

constexpr int kUnknowns = 9; // TB, BB, RO: x, y, z each
using Vector9 = std::array<double, kUnknowns>;
using Matrix9 = std::array<std::array<double, kUnknowns>, kUnknowns>;

// Newton's method converges quadratically: after a step this short the pose is within about
// 1e-13 in of the solution, so no further step is taken.
constexpr double kStepTolerance = 1e-7;
// A pivot this small against the largest entry of the Jacobian means the corner has no
// nearby position to move to.
constexpr double kSingularPivot = 1e-10;
// A Newton step longer than this has left the corner's reach, inches.
constexpr double kRunaway = 50.0;

bool finite(const Point3& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// Coefficients (a, b, c) with target = a u + b v + c (u x v); false when u and v are
// parallel (or zero) and so span no frame.
bool inFrame(const Point3& u, const Point3& v, const Point3& target, Point3& coefficients) {
    const Point3 w = cross(u, v);
    const double det = dot(w, w); // det[u v w] = (u x v) . w
    const double scale = dot(u, u) * dot(v, v);
    if (!(det > 1e-12 * scale) || !std::isfinite(det)) {
        return false;
    }
    // Cramer's rule with the triple products.
    coefficients.x = dot(cross(target, v), w) / det;
    coefficients.y = dot(cross(u, target), w) / det;
    coefficients.z = dot(w, target) / det;
    return true;
}

Point3 fromFrame(const Point3& u, const Point3& v, const Point3& c) {
    return c.x * u + c.y * v + c.z * cross(u, v);
}

void setRow(Matrix9& J, int row, int column, const Point3& g) {
    J[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = g.x;
    J[static_cast<std::size_t>(row)][static_cast<std::size_t>(column + 1)] = g.y;
    J[static_cast<std::size_t>(row)][static_cast<std::size_t>(column + 2)] = g.z;
}

// Solves J x = b in place (b becomes x) by Gaussian elimination with partial pivoting.
// False when a pivot is negligible: the constraints no longer fix the pose.
bool solveLinear(Matrix9& J, Vector9& b) {
    double largest = 0;
    for (const auto& row : J) {
        for (double v : row) {
            largest = std::max(largest, std::fabs(v));
        }
    }
    if (!(largest > 0) || !std::isfinite(largest)) {
        return false;
    }
    for (std::size_t k = 0; k < kUnknowns; ++k) {
        std::size_t pivot = k;
        for (std::size_t r = k + 1; r < kUnknowns; ++r) {
            if (std::fabs(J[r][k]) > std::fabs(J[pivot][k])) {
                pivot = r;
            }
        }
        if (std::fabs(J[pivot][k]) < kSingularPivot * largest) {
            return false;
        }
        std::swap(J[k], J[pivot]);
        std::swap(b[k], b[pivot]);
        for (std::size_t r = k + 1; r < kUnknowns; ++r) {
            const double f = J[r][k] / J[k][k];
            for (std::size_t c = k; c < kUnknowns; ++c) {
                J[r][c] -= f * J[k][c];
            }
            b[r] -= f * b[k];
        }
    }
    for (std::size_t k = kUnknowns; k-- > 0;) {
        double sum = b[k];
        for (std::size_t c = k + 1; c < kUnknowns; ++c) {
            sum -= J[k][c] * b[c];
        }
        b[k] = sum / J[k][k];
    }
    return true;
}

double largestMagnitude(const Vector9& v) {
    double m = 0;
    for (double x : v) {
        m = std::max(m, std::fabs(x));
    }
    return m;
}

// The Jacobian of the nine residuals by the pose: rows as the residuals, columns 0-2 TB, 3-5 BB,
// 6-8 RO. `a` holds the wheel centre in the upright's frame.
Matrix9 jacobian(const CornerPoints& p, const Point3& a, const UprightPose& x,
                 const Point3& innerJoint) {
    const Point3 u = x.TB - x.BB;
    const Point3 v = x.RO - x.BB;
    const Point3 tf = x.TB - p.TF, tr = x.TB - p.TR;
    const Point3 bf = x.BB - p.BF, br = x.BB - p.BR;
    const Point3 rod = x.RO - innerJoint;
    const Point3 ot = x.RO - x.TB;
    Matrix9 J{};
    setRow(J, 0, 0, tf);
    setRow(J, 1, 0, tr);
    setRow(J, 2, 3, bf);
    setRow(J, 3, 3, br);
    setRow(J, 4, 6, rod);
    setRow(J, 5, 0, u);
    setRow(J, 5, 3, -1.0 * u);
    setRow(J, 6, 6, ot);
    setRow(J, 6, 0, -1.0 * ot);
    setRow(J, 7, 6, v);
    setRow(J, 7, 3, -1.0 * v);
    // Wheel centre height BB.y + a u.y + b v.y + c (u.z v.x - u.x v.z).
    const Point3 byTop{-a.z * v.z, a.x, a.z * v.x};
    const Point3 byRod{a.z * u.z, a.y, -a.z * u.x};
    setRow(J, 8, 0, byTop);
    setRow(J, 8, 6, byRod);
    setRow(J, 8, 3, Point3{0, 1, 0} - byTop - byRod);
    return J;
}

} // namespace

std::optional<RigidCorner> RigidCorner::build(const CornerPoints& p, std::string& why) {
    for (const Point3& q : {p.TF, p.TR, p.TB, p.BF, p.BR, p.BB, p.RI, p.RO}) {
        if (!finite(q)) {
            why = "a coordinate is not a number";
            return std::nullopt;
        }
    }
    if (!std::isfinite(p.TC) || !std::isfinite(p.SH) || !(p.SH > 0)) {
        why = "the spindle height must be above the floor";
        return std::nullopt;
    }
    RigidCorner corner(p);
    const auto d2 = [](const Point3& a, const Point3& b) { return dot(a - b, a - b); };
    corner.topFront2_ = d2(p.TB, p.TF);
    corner.topRear2_ = d2(p.TB, p.TR);
    corner.bottomFront2_ = d2(p.BB, p.BF);
    corner.bottomRear2_ = d2(p.BB, p.BR);
    corner.rod2_ = d2(p.RO, p.RI);
    corner.upright2_ = d2(p.TB, p.BB);
    corner.roTop2_ = d2(p.RO, p.TB);
    corner.roBottom2_ = d2(p.RO, p.BB);
    for (double length2 : {corner.topFront2_, corner.topRear2_, corner.bottomFront2_,
                           corner.bottomRear2_, corner.rod2_, corner.upright2_}) {
        if (!(length2 > 1e-12)) {
            why = "two joints that a link joins lie on top of each other";
            return std::nullopt;
        }
    }
    if (p.TB.y == p.BB.y) {
        why = "the two ball joints are at the same height";
        return std::nullopt;
    }
    // The wheel centre: tire centre X, spindle height, on the ball joint line in Z.
    const double zWheel = p.BB.z + (p.SH - p.BB.y) * (p.TB.z - p.BB.z) / (p.TB.y - p.BB.y);
    const Point3 wheel{p.TC, p.SH, zWheel};
    const Point3 u = p.TB - p.BB;
    const Point3 v = p.RO - p.BB;
    if (!inFrame(u, v, wheel - p.BB, corner.wheelInFrame_) ||
        !inFrame(u, v, Point3{1, 0, 0}, corner.spinInFrame_)) {
        why = "the outer tie rod joint lies on the line through the ball joints";
        return std::nullopt;
    }
    return corner;
}

Point3 RigidCorner::wheelCentre(const UprightPose& pose) const {
    return pose.BB + fromFrame(pose.TB - pose.BB, pose.RO - pose.BB, wheelInFrame_);
}

Point3 RigidCorner::spinAxis(const UprightPose& pose) const {
    const Point3 s = fromFrame(pose.TB - pose.BB, pose.RO - pose.BB, spinInFrame_);
    return (1.0 / norm(s)) * s;
}

std::optional<UprightPose> RigidCorner::velocity(const UprightPose& pose,
                                                 const Point3& innerJoint) const {
    // The constraints hold along the motion, so J dx/dt + df/dt = 0; only the wheel centre's
    // height depends on the travel, by -1.
    Matrix9 J = jacobian(p_, wheelInFrame_, pose, innerJoint);
    Vector9 rate{};
    rate[8] = 1;
    if (!solveLinear(J, rate)) {
        return std::nullopt;
    }
    for (double r : rate) {
        if (!std::isfinite(r)) {
            return std::nullopt;
        }
    }
    return UprightPose{Point3{rate[0], rate[1], rate[2]}, Point3{rate[3], rate[4], rate[5]},
                       Point3{rate[6], rate[7], rate[8]}};
}

PoseSolution RigidCorner::solve(double travel, UprightPose& pose, const Point3& innerJoint) const {
    const double targetY = p_.SH + travel;
    const Point3& a = wheelInFrame_; // a, b, c of the wheel centre in the upright's frame
    UprightPose x = pose;
    PoseSolution result;
    double firstResidual = -1;

    for (int iteration = 1; iteration <= kIterationLimit; ++iteration) {
        result.iterations = iteration;
        const Point3 u = x.TB - x.BB;
        const Point3 v = x.RO - x.BB;
        const Point3 tf = x.TB - p_.TF, tr = x.TB - p_.TR;
        const Point3 bf = x.BB - p_.BF, br = x.BB - p_.BR;
        const Point3 rod = x.RO - innerJoint;
        const Point3 ot = x.RO - x.TB;

        // Residuals: half the error of each squared length, and the wheel centre height.
        Vector9 f = {0.5 * (dot(tf, tf) - topFront2_),    0.5 * (dot(tr, tr) - topRear2_),
                     0.5 * (dot(bf, bf) - bottomFront2_), 0.5 * (dot(br, br) - bottomRear2_),
                     0.5 * (dot(rod, rod) - rod2_),       0.5 * (dot(u, u) - upright2_),
                     0.5 * (dot(ot, ot) - roTop2_),       0.5 * (dot(v, v) - roBottom2_),
                     wheelCentre(x).y - targetY};
        const double residual = largestMagnitude(f);
        if (!std::isfinite(residual)) {
            result.status = PoseStatus::Locked;
            return result;
        }
        if (firstResidual < 0) {
            firstResidual = residual;
        }

        Matrix9 J = jacobian(p_, a, x, innerJoint);
        Vector9 step;
        for (std::size_t k = 0; k < kUnknowns; ++k) {
            step[k] = -f[k];
        }
        if (!solveLinear(J, step)) {
            result.status = PoseStatus::Locked;
            return result;
        }
        const double size = largestMagnitude(step);
        if (!std::isfinite(size) || size > kRunaway) {
            result.status = PoseStatus::Locked;
            return result;
        }
        x.TB = x.TB + Point3{step[0], step[1], step[2]};
        x.BB = x.BB + Point3{step[3], step[4], step[5]};
        x.RO = x.RO + Point3{step[6], step[7], step[8]};
        if (size < kStepTolerance) {
            pose = x;
            result.status = PoseStatus::Converged;
            return result;
        }
        if (iteration == kIterationLimit) {
            // Still far off where it started: there is no position to find.
            result.status =
                residual >= firstResidual ? PoseStatus::Locked : PoseStatus::NotConverging;
        }
    }
    return result;
}

} // namespace velmora
