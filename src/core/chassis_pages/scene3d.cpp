#include "chassis_pages/scene3d.h"

#include "analysis/baseline.h"
#include "chassis/dive_roll.h"
#include "chassis/pose_at_travel.h"
#include "chassis/spring_motion.h"
#include "chassis/steering.h"
#include "geometry/rigid_corner.h"
#include "geometry/vec3.h"
#include "model/coordinate_rows.h"
#include "model/number_text.h"
#include "model/shown_length.h"
#include "model/typed_number.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace velmora {
namespace {

using namespace vec3;

constexpr int kTireSegments = 36;
constexpr double kGridStep = 12;       // inches between the floor's grid lines
constexpr double kFloorMargin = 18;    // inches of floor beyond the tires
constexpr double kMostGridLines = 200; // each way
constexpr double kLinkLength = 4;      // a bar link drawn rising this far from its arm

Point3 unit(const Point3& v) {
    const double n = norm(v);
    return n > 0 ? (1.0 / n) * v : Point3{};
}

// A corner as the 3-D solution places it, in its own frame (X outboard).
struct PlacedCorner {
    CornerPoints points;
    std::optional<RigidCorner> corner;
    UprightPose pose;
    Point3 inner; // the inner tie rod joint, moved by the rack
};

Point3 toWorld(const Point3& p, bool right) {
    return {right ? -p.x : p.x, p.y, p.z};
}

// The pose of each side at the state; none for a side that cannot get there (its message
// added).
std::array<std::optional<PlacedCorner>, 2> placeCorners(const CoordinateSet& rightCoords,
                                                        const CoordinateSet& leftCoords,
                                                        const SceneState& at,
                                                        std::optional<double> wheelbase,
                                                        std::vector<Message>& messages) {
    std::array<std::optional<PlacedCorner>, 2> out;
    if (!isComplete(rightCoords) || !isComplete(leftCoords)) {
        messages.push_back(Message{"3-D View", "The 3-D view needs all 26 values of both sides.",
                                   MessageIcon::Information, MessageButtons::Ok});
        return out;
    }
    double travel[2] = {at.travel, at.travel};
    if (at.motion == SceneMotion::Ride || at.motion == SceneMotion::Rack) {
        travel[0] = travel[1] = 0;
    }
    if (at.motion == SceneMotion::DiveRoll) {
        const DiveRollState s = FrontEnd::build(rightCoords, leftCoords).solve(at.dive, at.roll);
        if (!s.solved) {
            messages.insert(messages.end(), s.messages.begin(), s.messages.end());
            return out;
        }
        travel[0] = s.right.travel;
        travel[1] = s.left.travel;
    }
    std::optional<SteerState> steer;
    if (at.motion == SceneMotion::Rack) {
        steer = SteeringPair::build(rightCoords, leftCoords).solve(at.rack, wheelbase, &messages);
    }
    for (int k = 0; k < 2; ++k) {
        const bool right = k == 0;
        PlacedCorner c;
        c.points = cornerPoints(right ? rightCoords : leftCoords);
        std::string why;
        c.corner = RigidCorner::build(c.points, why);
        if (!c.corner) {
            messages.push_back(
                Message{"3-D View", why, MessageIcon::Exclamation, MessageButtons::Ok});
            continue;
        }
        c.inner = c.points.RI;
        if (steer) {
            const SteerWheel& w = right ? steer->right : steer->left;
            if (!w.solved) {
                continue; // the pair's message says why
            }
            c.pose = w.pose;
            c.inner = w.innerJoint;
        } else {
            Message failure;
            const std::optional<UprightPose> pose =
                poseAtTravel(*c.corner, travel[static_cast<std::size_t>(k)], failure);
            if (!pose) {
                messages.push_back(failure);
                continue;
            }
            c.pose = *pose;
        }
        out[static_cast<std::size_t>(k)] = c;
    }
    return out;
}

class SceneBuilder {
public:
    explicit SceneBuilder(Scene3d& scene) : scene_(scene) {}

    void line(const Point3& a, const Point3& b, SceneInk ink) {
        scene_.lines.push_back({a, b, ink});
    }

    // The arms, the upright, the tie rod and the spindle, the tire and its contact patch; the
    // joints of the table's eight rows. Returns the contact patch.
    Point3 corner(const PlacedCorner& c, bool right, SceneInk ink, SceneInk tireInk) {
        const CornerPoints& p = c.points;
        const UprightPose& pose = c.pose;
        const auto w = [right](const Point3& q) { return toWorld(q, right); };
        for (const auto& [a, b] :
             {std::pair{p.TF, pose.TB}, std::pair{p.TR, pose.TB}, std::pair{p.BF, pose.BB},
              std::pair{p.BR, pose.BB}, std::pair{pose.TB, pose.BB}, std::pair{pose.BB, pose.RO},
              std::pair{pose.TB, pose.RO}, std::pair{c.inner, pose.RO}}) {
            line(w(a), w(b), ink);
        }
        const Point3 centre = c.corner->wheelCentre(pose);
        const Point3 axis = unit(c.corner->spinAxis(pose));
        // The spindle: from the steering axis square to the wheel centre.
        const Point3 along = unit(pose.TB - pose.BB);
        const Point3 foot = pose.BB + dot(centre - pose.BB, along) * along;
        line(w(foot), w(centre), ink);

        const double radius = c.corner->wheelRadius();
        const Point3 down = unit(Point3{0, -1, 0} - dot(Point3{0, -1, 0}, axis) * axis);
        const Point3 ahead = cross(axis, down);
        const double half = kSceneTireWidth / 2;
        const auto rim = [&](int k, double side) {
            const double a = 2 * std::numbers::pi * k / kTireSegments;
            return w(centre + (side * half) * axis +
                     radius * (std::cos(a) * down + std::sin(a) * ahead));
        };
        for (int k = 0; k < kTireSegments; ++k) {
            for (double side : {-1.0, 1.0}) {
                line(rim(k, side), rim(k + 1, side), tireInk);
            }
            line(rim(k, -1), rim(k, 1), tireInk);
        }
        const Point3 patch = w(centre + radius * down);
        if (ink != SceneInk::Baseline) {
            scene_.marks.push_back({patch, SceneInk::Patch, ""});
        }
        const Point3 rows[8] = {p.TF, p.TR, pose.TB, p.BF, p.BR, pose.BB, c.inner, pose.RO};
        for (int r = 0; r < 8; ++r) {
            scene_.joints.push_back({right, r + 1, w(rows[r]), ink});
        }
        return patch;
    }

    void springs(const PlacedCorner& c, const CornerSprings& s, bool right) {
        const UprightPose still{};
        const auto carried = [&](ArmMember arm, const MountPoint& m) {
            return carriedPoint(c.points, arm, {m.x, m.y, m.z}, c.pose, still);
        };
        const auto strut = [&](const std::optional<StrutMount>& mount, SceneInk ink) {
            if (!mount) {
                return;
            }
            if (const auto onArm = carried(mount->arm, mount->onArm)) {
                const MountPoint& m = mount->onChassis;
                line(toWorld(onArm->position, right), toWorld({m.x, m.y, m.z}, right), ink);
            }
        };
        strut(s.spring, SceneInk::Spring);
        strut(s.damper, SceneInk::Damper);
        if (s.barLink) {
            if (const auto link = carried(s.barLink->arm, s.barLink->point)) {
                const Point3 a = toWorld(link->position, right);
                line(a, a + Point3{0, kLinkLength, 0}, SceneInk::BarLink);
            }
        }
    }

    // A floor through both contact patches, level fore and aft, with its grid and the
    // centreline. A coordinate typed a million inches out still gets a floor of a few
    // hundred lines: the grid's step widens rather than the count growing with the car.
    void floor(const Point3& right, const Point3& left, double zFront, double zRear) {
        const Point3 across = unit(Point3{left.x - right.x, left.y - right.y, 0});
        const Point3 middle{(right.x + left.x) / 2, (right.y + left.y) / 2, 0};
        const double halfWidth = std::fabs(left.x - right.x) / 2 + kFloorMargin;
        if (!std::isfinite(halfWidth) || !std::isfinite(zFront) || !std::isfinite(zRear) ||
            !std::isfinite(middle.x + middle.y)) {
            return;
        }
        const auto at = [&](double s, double z) { return middle + s * across + Point3{0, 0, z}; };
        const double step =
            std::max({kGridStep, 2 * halfWidth / kMostGridLines,
                      (std::fabs(zRear - zFront) + 2 * kFloorMargin) / kMostGridLines});
        const double z0 = std::floor((std::min(zFront, zRear) - kFloorMargin) / step) * step;
        const double z1 = std::ceil((std::max(zFront, zRear) + kFloorMargin) / step) * step;
        const int rows = static_cast<int>(std::lround((z1 - z0) / step));
        for (int k = 0; k <= rows; ++k) {
            const double z = z0 + k * step;
            line(at(-halfWidth, z), at(halfWidth, z), SceneInk::Floor);
        }
        const int columns = static_cast<int>(std::floor(halfWidth / step));
        for (int k = -columns; k <= columns; ++k) {
            line(at(k * step, z0), at(k * step, z1), SceneInk::Floor);
        }
        // The centreline of the body, where it meets the floor.
        const double s0 = -middle.x / std::max(across.x, 1e-9);
        line(at(s0, z0), at(s0, z1), SceneInk::Centreline);
    }

private:
    Scene3d& scene_;
};

Point3 frontWorld(const FrontPoint& p, double z) {
    return {p.u, p.v, z};
}

void frontViewOverlays(Scene3d& scene, SceneBuilder& draw, const SuspensionState& state,
                       const SceneState& at, const SceneOverlays& o, double z) {
    if (!(o.instantCentres || o.rollCentres) ||
        (at.motion != SceneMotion::Ride && at.motion != SceneMotion::DiveRoll)) {
        return;
    }
    const double dive = at.motion == SceneMotion::DiveRoll ? at.dive : 0;
    const double roll = at.motion == SceneMotion::DiveRoll ? at.roll : 0;
    const DiveRollState s = FrontEnd::build(state.RightCoords, state.LeftCoords).solve(dive, roll);
    if (!s.solved) {
        return;
    }
    if (o.instantCentres) {
        for (const auto& [w, name] : {std::pair{&s.right, "IC R"}, std::pair{&s.left, "IC L"}}) {
            if (!w->instantCentre) {
                continue;
            }
            scene.marks.push_back({frontWorld(*w->instantCentre, z), SceneInk::Construction, name});
            draw.line(frontWorld(w->topBall, z), frontWorld(*w->instantCentre, z),
                      SceneInk::Construction);
            draw.line(frontWorld(w->bottomBall, z), frontWorld(*w->instantCentre, z),
                      SceneInk::Construction);
            const FrontPoint end = s.rollCentre ? s.rollCentre->body : *w->instantCentre;
            draw.line(frontWorld(w->contactPatch, z), frontWorld(end, z), SceneInk::RollCentre);
        }
    }
    if (o.rollCentres) {
        if (s.rollCentre) {
            scene.marks.push_back({frontWorld(s.rollCentre->body, z), SceneInk::RollCentre, "RC"});
        }
        if (s.kinematicRollCentre) {
            scene.marks.push_back(
                {frontWorld(s.kinematicRollCentre->body, z), SceneInk::KinematicRollCentre, "KRC"});
        }
    }
}

std::string degreesText(double value) {
    return fixedText(value, 3) + " deg";
}

std::string lengthText(double inches) {
    return fixedLength(inches, 3) + " " + lengthUnitText();
}

// The state's numbers as the Dive and Roll and the Steering tables give them.
std::vector<std::string> stateValues(const SuspensionState& state, const SceneState& at,
                                     std::optional<double> wheelbase) {
    std::vector<std::string> out;
    if (at.motion == SceneMotion::Rack) {
        const SteerState s =
            SteeringPair::build(state.RightCoords, state.LeftCoords).solve(at.rack, wheelbase);
        for (const auto& [w, name] : {std::pair{&s.right, "Right"}, std::pair{&s.left, "Left"}}) {
            if (w->solved) {
                out.push_back(std::string(name) + ": steer " + degreesText(w->steer) + ", camber " +
                              degreesText(w->camberChange) + ", caster " +
                              degreesText(w->casterChange));
            }
        }
        out.push_back("Ackermann " + (s.ackermannPercent ? fixedText(*s.ackermannPercent, 1) + " %"
                                                         : std::string("-")));
        return out;
    }
    // Both wheels' travel t is the body's dive by t without roll.
    const bool travel = at.motion == SceneMotion::Travel;
    const double dive = travel ? at.travel : at.motion == SceneMotion::DiveRoll ? at.dive : 0;
    const double roll = at.motion == SceneMotion::DiveRoll ? at.roll : 0;
    const DiveRollState s = FrontEnd::build(state.RightCoords, state.LeftCoords).solve(dive, roll);
    if (!s.solved) {
        return out;
    }
    for (const auto& [w, name] : {std::pair{&s.right, "Right"}, std::pair{&s.left, "Left"}}) {
        out.push_back(std::string(name) + ": travel " + lengthText(w->travel) + ", camber " +
                      degreesText(w->camberChangeBody) + " to the body, " +
                      degreesText(w->camberChangeGround) + " to the ground, bump steer " +
                      degreesText(w->bumpSteer));
    }
    const auto centre = [&](const std::optional<RollCentreAtState>& c) {
        return c ? lengthText(c->height) + " high, " + lengthText(c->offset) + " across"
                 : std::string("none");
    };
    out.push_back("Roll centre " + centre(s.rollCentre) + "; kinematic " +
                  centre(s.kinematicRollCentre));
    return out;
}

} // namespace

Scene3d buildScene(const SuspensionState& state, const SceneState& at, const SceneOverlays& o) {
    Scene3d scene;
    SceneBuilder draw(scene);
    std::optional<double> wheelbase;
    if (state.Vehicle.wheelbase) {
        wheelbase = *state.Vehicle.wheelbase;
    }
    const auto placed =
        placeCorners(state.RightCoords, state.LeftCoords, at, wheelbase, scene.messages);
    if (!placed[0] || !placed[1]) {
        return scene;
    }
    scene.solved = true;
    const Point3 patchR = draw.corner(*placed[0], true, SceneInk::Right, SceneInk::Tire);
    const Point3 patchL = draw.corner(*placed[1], false, SceneInk::Left, SceneInk::Tire);
    draw.line(toWorld(placed[0]->inner, true), toWorld(placed[1]->inner, false), SceneInk::Rack);
    draw.springs(*placed[0], state.Vehicle.springs.right, true);
    draw.springs(*placed[1], state.Vehicle.springs.left, false);

    double zFront = 1e300, zRear = -1e300;
    Point3 sum{};
    double lo[3] = {1e300, 1e300, 1e300}, hi[3] = {-1e300, -1e300, -1e300};
    for (const SceneJoint& j : scene.joints) {
        sum = sum + j.world;
        const double v[3] = {j.world.x, j.world.y, j.world.z};
        for (int a = 0; a < 3; ++a) {
            lo[a] = std::min(lo[a], v[a]);
            hi[a] = std::max(hi[a], v[a]);
        }
    }
    for (const PlacedCorner* c : {&*placed[0], &*placed[1]}) {
        const double z = c->corner->wheelCentre(c->pose).z;
        const double r = c->corner->wheelRadius();
        zFront = std::min({zFront, z - r, lo[2]});
        zRear = std::max({zRear, z + r, hi[2]});
    }
    scene.centre = (1.0 / static_cast<double>(scene.joints.size())) * sum;
    const double wheelZ = (placed[0]->corner->wheelCentre(placed[0]->pose).z +
                           placed[1]->corner->wheelCentre(placed[1]->pose).z) /
                          2;
    draw.floor(patchR, patchL, zFront, zRear);
    scene.size =
        std::max({std::fabs(patchL.x - patchR.x) + kSceneTireWidth, zRear - zFront, hi[1]});

    if (o.pivotAxes) {
        for (const PlacedCorner* c : {&*placed[0], &*placed[1]}) {
            const bool right = c == &*placed[0];
            for (const auto& [f, r] :
                 {std::pair{c->points.TF, c->points.TR}, std::pair{c->points.BF, c->points.BR}}) {
                const Point3 span = r - f;
                draw.line(toWorld(f - 0.6 * span, right), toWorld(r + 0.6 * span, right),
                          SceneInk::Construction);
            }
        }
    }
    if (o.steeringAxes) {
        for (const PlacedCorner* c : {&*placed[0], &*placed[1]}) {
            const bool right = c == &*placed[0];
            const Point3 tb = c->pose.TB, bb = c->pose.BB;
            const double ground = right ? patchR.y : patchL.y;
            if (std::fabs(tb.y - bb.y) > 1e-9) {
                const double t = (ground - bb.y) / (tb.y - bb.y);
                draw.line(toWorld(tb, right), toWorld(bb + t * (tb - bb), right),
                          SceneInk::Construction);
            }
        }
    }
    frontViewOverlays(scene, draw, state, at, o, wheelZ);
    scene.values = stateValues(state, at, wheelbase);

    if (o.baseline) {
        std::vector<Message> ignored; // the baseline's own troubles are not the project's
        const auto base =
            placeCorners(o.baseline->RightCoords, o.baseline->LeftCoords, at, wheelbase, ignored);
        for (int k = 0; k < 2; ++k) {
            if (base[static_cast<std::size_t>(k)]) {
                draw.corner(*base[static_cast<std::size_t>(k)], k == 0, SceneInk::Baseline,
                            SceneInk::Baseline);
            }
        }
    }
    return scene;
}

std::string sceneTravelProblem(double travel, std::string_view typed) {
    if (!std::isfinite(travel) || std::fabs(travel) > kMostDive) {
        return outsideLengthRange("Wheel travel", typed, travel, -kMostDive, kMostDive);
    }
    return {};
}

std::string sceneJointName(const SceneJoint& joint) {
    return coordinateRowName(joint.row);
}

} // namespace velmora
