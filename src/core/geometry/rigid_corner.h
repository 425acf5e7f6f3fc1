#pragma once

#include "geometry/corner_statics.h"

#include <optional>
#include <string>

namespace velmora {

// Where the upright is: its three joints. The wheel centre and the spin axis ride on them.
struct UprightPose {
    Point3 TB; // top ball joint
    Point3 BB; // bottom ball joint
    Point3 RO; // outer tie rod joint
};

enum class PoseStatus {
    Converged,
    Locked,        // no position nearby: an arm at its dead centre, a tie rod that cannot reach
    NotConverging, // Newton's method ran out of iterations while still closing in
};

struct PoseSolution {
    PoseStatus status = PoseStatus::Converged;
    int iterations = 0;
};

// One front corner as rigid bodies. The upright carries both ball joints, the outer tie rod
// joint and the wheel centre; each arm turns about the line through its two pivots, so each
// ball joint keeps its distance to both pivots; the tie rod keeps its length with its inner
// joint held (steering centred). Travel t puts the wheel centre at spindle height + t.
//
// A position is solved for the nine coordinates of the upright's three joints: five link
// lengths, three distances that keep the upright rigid and the wheel centre height. Newton's
// method with the analytic Jacobian, double precision throughout.
class RigidCorner {
public:
    // Nothing non-finite or degenerate gets through: a corner that cannot be modelled (joints
    // on top of each other, level ball joints, an outer tie rod joint on the ball joint line)
    // gives no corner and the reason in `why`.
    static std::optional<RigidCorner> build(const CornerPoints& points, std::string& why);

    static constexpr int kIterationLimit = 40;

    // Solves the position at `travel`, starting from `pose`, which receives the solution when
    // it converges and is left as it was otherwise.
    PoseSolution solve(double travel, UprightPose& pose) const {
        return solve(travel, pose, p_.RI);
    }
    // The same with the inner tie rod joint moved to `innerJoint` (the steering turned); the
    // tie rod keeps its length.
    PoseSolution solve(double travel, UprightPose& pose, const Point3& innerJoint) const;

    // How fast the joints of a solved pose move per inch of travel (the tangent of the motion,
    // from the constraints' Jacobian); none where the constraints do not fix the motion.
    std::optional<UprightPose> velocity(const UprightPose& pose) const {
        return velocity(pose, p_.RI);
    }
    std::optional<UprightPose> velocity(const UprightPose& pose, const Point3& innerJoint) const;

    UprightPose staticPose() const { return {p_.TB, p_.BB, p_.RO}; }
    const CornerPoints& points() const { return p_; }

    // The wheel centre and the unit spin axis (pointing outboard) of a pose.
    Point3 wheelCentre(const UprightPose& pose) const;
    Point3 spinAxis(const UprightPose& pose) const;
    double wheelRadius() const { return p_.SH; }

private:
    explicit RigidCorner(const CornerPoints& points) : p_(points) {}

    CornerPoints p_;
    // Squared lengths kept by the motion: top arm to front and rear pivot, bottom arm likewise,
    // tie rod, and the upright's three sides TB-BB, RO-TB, RO-BB.
    double topFront2_ = 0, topRear2_ = 0, bottomFront2_ = 0, bottomRear2_ = 0, rod2_ = 0;
    double upright2_ = 0, roTop2_ = 0, roBottom2_ = 0;
    // Wheel centre and spin axis in the upright's own frame u = TB - BB, v = RO - BB, u x v.
    Point3 wheelInFrame_;
    Point3 spinInFrame_;
};

} // namespace velmora
