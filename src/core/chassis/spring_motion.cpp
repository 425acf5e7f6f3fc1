#include "chassis/spring_motion.h"

#include "geometry/rigid_sweep.h"
#include "geometry/vec3.h"

#include <cmath>

namespace velmora {

using namespace vec3;

namespace {

// Closer than this (inches) two points are one, and a point lies on a line.
constexpr double kSamePoint = 1e-6;

Point3 pointOf(const MountPoint& m) {
    return {m.x, m.y, m.z};
}

struct ArmPivots {
    Point3 front, rear, ballAtRide;
};

ArmPivots pivotsOf(const CornerPoints& p, ArmMember member) {
    return member == ArmMember::Top ? ArmPivots{p.TF, p.TR, p.TB} : ArmPivots{p.BF, p.BR, p.BB};
}

// The part of `r` square to the unit vector `axis`.
Point3 squareTo(const Point3& r, const Point3& axis) {
    return r - dot(r, axis) * axis;
}

const char* memberWords(ArmMember member) {
    return member == ArmMember::Top ? "top arm" : "bottom arm";
}

Message springMessage(const std::string& text) {
    return Message{"Springs and Bar", text, MessageIcon::Exclamation, MessageButtons::Ok};
}

UprightPose poseAt(const RigidSweep& sweep, int i) {
    const auto k = static_cast<std::size_t>(i);
    return {sweep.BallJointPos[k].top, sweep.BallJointPos[k].bottom, sweep.TieRodOuter[k]};
}

// The pieces of one side at one pose.
void fillPosition(const CornerPoints& p, const CornerSprings& springs, const UprightPose& pose,
                  const UprightPose& velocity, SpringPosition& out) {
    if (springs.spring) {
        out.spring = strutAt(p, *springs.spring, pose, velocity);
        if (out.spring && springs.spring->rate) {
            out.wheelRate =
                *springs.spring->rate * out.spring->motionRatio * out.spring->motionRatio;
        }
    }
    if (springs.damper) {
        out.damper = strutAt(p, *springs.damper, pose, velocity);
    }
    if (springs.barLink) {
        out.barLinkRatio = barLinkRatioAt(p, *springs.barLink, pose, velocity);
    }
    out.solved = true;
}

// The pieces whose mount lies on its arm's pivot axis are left out, each with its message.
CornerSprings movingPieces(const CornerPoints& p, CornerSprings springs,
                           std::vector<Message>& messages) {
    const auto check = [&](auto& piece, const MountPoint& mount, ArmMember arm, const char* name) {
        if (const std::string why = mountOnAxisProblem(p, arm, mount, name); !why.empty()) {
            messages.push_back(springMessage(why));
            piece.reset();
        }
    };
    if (springs.spring) {
        check(springs.spring, springs.spring->onArm, springs.spring->arm, "the spring");
    }
    if (springs.damper) {
        check(springs.damper, springs.damper->onArm, springs.damper->arm, "the damper");
    }
    if (springs.barLink) {
        check(springs.barLink, springs.barLink->point, springs.barLink->arm, "the bar link");
    }
    return springs;
}

} // namespace

std::optional<CarriedPoint> carriedPoint(const CornerPoints& corner, ArmMember member,
                                         const Point3& mount, const UprightPose& pose,
                                         const UprightPose& poseVelocity) {
    const ArmPivots arm = pivotsOf(corner, member);
    const Point3 along = arm.rear - arm.front;
    const double length = norm(along);
    if (!(length > kSamePoint)) {
        return std::nullopt;
    }
    const Point3 axis = (1.0 / length) * along;
    const bool top = member == ArmMember::Top;
    const Point3& ball = top ? pose.TB : pose.BB;
    const Point3& ballVelocity = top ? poseVelocity.TB : poseVelocity.BB;
    const Point3 r0 = squareTo(arm.ballAtRide - arm.front, axis);
    const Point3 r1 = squareTo(ball - arm.front, axis);
    const double reach2 = dot(r1, r1);
    if (!(norm(r0) > kSamePoint) || !(reach2 > kSamePoint * kSamePoint)) {
        return std::nullopt;
    }
    const double angle = std::atan2(dot(axis, cross(r0, r1)), dot(r0, r1));
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const Point3 m = mount - arm.front;
    // Rodrigues' rotation of the mount about the pivot axis.
    const Point3 turned = c * m + s * cross(axis, m) + ((1 - c) * dot(axis, m)) * axis;
    // The ball joint moves square to the axis at radius r1: its speed along the turn gives the
    // arm's rate of turn.
    const double turnRate = dot(cross(axis, r1), ballVelocity) / reach2;
    return CarriedPoint{arm.front + turned, turnRate * cross(axis, turned)};
}

std::optional<StrutAtTravel> strutAt(const CornerPoints& corner, const StrutMount& strut,
                                     const UprightPose& pose, const UprightPose& poseVelocity) {
    const std::optional<CarriedPoint> onArm =
        carriedPoint(corner, strut.arm, pointOf(strut.onArm), pose, poseVelocity);
    if (!onArm) {
        return std::nullopt;
    }
    const Point3 span = onArm->position - pointOf(strut.onChassis);
    const double length = norm(span);
    if (!(length > kSamePoint) || !std::isfinite(length)) {
        return std::nullopt;
    }
    StrutAtTravel out;
    out.length = length;
    out.lengthChange = length - distance(pointOf(strut.onArm), pointOf(strut.onChassis));
    out.motionRatio = -dot(span, onArm->velocity) / length;
    return out;
}

std::optional<double> barLinkRatioAt(const CornerPoints& corner, const BarLink& link,
                                     const UprightPose& pose, const UprightPose& poseVelocity) {
    const std::optional<CarriedPoint> point =
        carriedPoint(corner, link.arm, pointOf(link.point), pose, poseVelocity);
    if (!point || !std::isfinite(point->velocity.y)) {
        return std::nullopt;
    }
    return point->velocity.y;
}

std::string mountOnAxisProblem(const CornerPoints& corner, ArmMember member,
                               const MountPoint& mount, const std::string& piece) {
    const ArmPivots arm = pivotsOf(corner, member);
    const Point3 along = arm.rear - arm.front;
    const double length = norm(along);
    if (!(length > kSamePoint)) {
        return "The " + std::string(memberWords(member)) + "'s two pivots are one point, so " +
               piece + " on it cannot be moved.";
    }
    const Point3 off = squareTo(pointOf(mount) - arm.front, (1.0 / length) * along);
    if (!(norm(off) > kSamePoint)) {
        return "The mount of " + piece + " lies on the " + memberWords(member) +
               "'s pivot axis, so it does not move with the wheel (its motion ratio is 0).";
    }
    return {};
}

SpringCurves springCurves(const CoordinateSet& coords, const CornerSprings& springs,
                          Travel travel) {
    SpringCurves out;
    const RigidSweep sweep = rigidSweep(coords, travel);
    out.complete = sweep.complete;
    out.positions.resize(static_cast<std::size_t>(sweep.n));
    for (int i = 1; i <= sweep.n; ++i) {
        out.positions[static_cast<std::size_t>(i - 1)].travel =
            sweep.travel[static_cast<std::size_t>(i)];
    }
    if (!sweep.complete) {
        return out;
    }
    out.messages = sweep.messages;
    const CornerPoints p = cornerPoints(coords);
    std::string why;
    const std::optional<RigidCorner> corner = RigidCorner::build(p, why);
    if (!corner) {
        return out; // the sweep has said why
    }
    const CornerSprings moving = movingPieces(p, springs, out.messages);
    for (int i = 1; i <= sweep.n; ++i) {
        if (!sweep.solved[static_cast<std::size_t>(i)]) {
            continue;
        }
        const UprightPose pose = poseAt(sweep, i);
        const std::optional<UprightPose> velocity = corner->velocity(pose);
        if (velocity) {
            fillPosition(p, moving, pose, *velocity,
                         out.positions[static_cast<std::size_t>(i - 1)]);
        }
    }
    return out;
}

SpringPosition springsAtRide(const CoordinateSet& coords, const CornerSprings& springs,
                             std::vector<Message>& messages) {
    SpringPosition out;
    if (!isComplete(coords)) {
        return out;
    }
    const CornerPoints p = cornerPoints(coords);
    std::string why;
    const std::optional<RigidCorner> corner = RigidCorner::build(p, why);
    if (!corner) {
        messages.push_back(springMessage("The corner cannot be modelled: " + why + "."));
        return out;
    }
    const UprightPose pose = corner->staticPose();
    const std::optional<UprightPose> velocity = corner->velocity(pose);
    if (!velocity) {
        messages.push_back(springMessage("The corner does not move at ride height."));
        return out;
    }
    fillPosition(p, movingPieces(p, springs, messages), pose, *velocity, out);
    return out;
}

} // namespace velmora
