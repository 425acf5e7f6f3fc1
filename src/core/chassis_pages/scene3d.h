#pragma once

#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "model/sweep_result.h"

#include <string>
#include <string_view>
#include <vector>

// The 3-D view's scene: both front corners as the 3-D solution places them at a state, in the
// body frame (u across, positive toward the car's left, so u = -X on the right side and +X on
// the left; y up; z rearward; inches), as lines, joints and marks that any renderer draws.
namespace velmora {

struct Baseline;

// A tire drawn without a width in the project is this wide, inches.
inline constexpr double kSceneTireWidth = 10;

enum class SceneMotion { Ride, Travel, DiveRoll, Rack };

struct SceneState {
    SceneMotion motion = SceneMotion::Ride;
    double travel = 0; // both wheels, bump positive, inches
    double dive = 0;   // inches, nose down positive
    double roll = 0;   // degrees, positive toward the body's right
    double rack = 0;   // inches, positive toward the left
};

struct SceneOverlays {
    bool pivotAxes = false;      // each arm's pivot line carried past its pivots
    bool instantCentres = false; // front-view instant centres and the lines to the roll centre
    bool rollCentres = false;    // the geometric and the kinematic roll centre
    bool steeringAxes = false;   // through the ball joints down to the ground
    const Baseline* baseline = nullptr; // its corners in grey at the same state
};

enum class SceneInk {
    Right,
    Left,
    Tire,
    Patch,
    Floor,
    Centreline,
    Rack,
    Spring,
    Damper,
    BarLink,
    Construction, // pivot axes, instant centre lines, steering axes
    RollCentre,
    KinematicRollCentre,
    Baseline,
};

struct SceneLine {
    Point3 a, b;
    SceneInk ink;
};

// A joint of the coordinate table (rows 1..8), drawn as a small sphere.
struct SceneJoint {
    bool right = true;
    int row = 1;
    Point3 world;
    SceneInk ink;
};

struct SceneMark {
    Point3 world;
    SceneInk ink;
    std::string name;
};

struct Scene3d {
    std::vector<SceneLine> lines;
    std::vector<SceneJoint> joints; // the current corners' 16 first, then any baseline's
    std::vector<SceneMark> marks;
    Point3 centre;       // of the front end, what the camera orbits about
    double size = 100;   // inches across, for the camera's distance
    bool solved = false; // both corners stand at the state asked for
    // The state's values as Dive and Roll and Steering give them: each wheel's travel, camber
    // and bump steer (or steer) and the roll centres (or Ackermann), one line each.
    std::vector<std::string> values;
    std::vector<Message> messages;
};

// Why the scene's wheel travel cannot be shown (beyond 9 in each way), naming it; or empty.
std::string sceneTravelProblem(double travel, std::string_view typed = {});

Scene3d buildScene(const SuspensionState& state, const SceneState& at,
                   const SceneOverlays& overlays = {});

// The coordinate table's name of the joint's row ("Top Arm Ball Joint").
std::string sceneJointName(const SceneJoint& joint);

} // namespace velmora
