#include "render_3d.h"

#include "cli_common.h"
#include "cli_output.h"
#include "json_output.h"
#include "picture_size.h"
#include "png_output.h"

#include "chassis/dive_roll.h"
#include "chassis/steering.h"
#include "chassis_pages/camera3d.h"
#include "chassis_pages/scene3d.h"
#include "chassis_pages/scene_painter.h"
#include "drawing/recording_canvas.h"

#include <nlohmann/json.hpp>

namespace velmora::cli {
namespace {

constexpr PixelSize kDefaultSize{800, 600};

SceneState sceneStateOf(const Render3dOptions& o) {
    SceneState at;
    const bool travel = !o.travel.empty();
    const bool diveRoll = !o.dive.empty() || !o.roll.empty();
    const bool rack = !o.rack.empty();
    if (static_cast<int>(travel) + static_cast<int>(diveRoll) + static_cast<int>(rack) > 1) {
        throw UsageError("give one of --travel, --dive with --roll, or --rack");
    }
    if (travel) {
        at.motion = SceneMotion::Travel;
        at.travel = lengthArgument(o.travel, "--travel");
        refuseProblem("--travel", sceneTravelProblem(at.travel, o.travel));
    } else if (diveRoll) {
        at.motion = SceneMotion::DiveRoll;
        at.dive = o.dive.empty() ? 0 : lengthArgument(o.dive, "--dive");
        refuseProblem("--dive", diveProblem(at.dive, o.dive));
        at.roll = o.roll.empty() ? 0 : numberArgument(o.roll, "--roll");
        refuseProblem("--roll", rollProblem(at.roll, o.roll));
    } else if (rack) {
        at.motion = SceneMotion::Rack;
        at.rack = lengthArgument(o.rack, "--rack");
        refuseProblem("--rack", rackProblem(at.rack, o.rack));
    }
    return at;
}

Camera3d cameraOf(const Render3dOptions& o, const Scene3d& scene) {
    const bool angles = !o.azimuth.empty() || !o.elevation.empty();
    if (angles && !o.view.empty()) {
        throw UsageError("give --view or --azimuth with --elevation, not both");
    }
    View3d view = View3d::Iso;
    if (!o.view.empty()) {
        const std::optional<View3d> named = view3dNamed(o.view);
        if (!named) {
            throw UsageError("--view: \"" + o.view + "\" is not front, side, top or iso");
        }
        view = *named;
    }
    Camera3d camera = standardCamera(view, scene.centre, scene.size);
    const auto angle = [](const std::string& text, const char* option, double most) {
        const double value = numberArgument(text, option);
        if (!(std::fabs(value) <= most)) {
            refuseProblem(option, outsideRange(option[2] == 'a' ? "Azimuth" : "Elevation", text,
                                               value, -most, most, "deg"));
        }
        return value;
    };
    if (!o.azimuth.empty()) {
        camera.azimuth = angle(o.azimuth, "--azimuth", 360);
    }
    if (!o.elevation.empty()) {
        camera.elevation = angle(o.elevation, "--elevation", 90);
    }
    camera.perspective = !o.orthographic;
    return camera;
}

nlohmann::json pointsJson(const Scene3d& scene, const Projection& projection,
                          const std::string& view) {
    nlohmann::json points = nlohmann::json::array();
    for (const SceneJoint& j : scene.joints) {
        if (j.ink == SceneInk::Baseline) {
            continue;
        }
        const ScreenPoint s = projection(j.world);
        points.push_back({{"side", j.right ? "right" : "left"},
                          {"name", sceneJointName(j)},
                          {"world", {j.world.x, j.world.y, j.world.z}},
                          {"screen", {s.x, s.y}}});
    }
    return {{"view", view}, {"points", points}};
}

} // namespace

void addRender3dOptions(CLI::App& command, Render3dOptions& o) {
    o.given = {
        command.add_option("--view", o.view, "3d: front, side, top or iso (default iso)"),
        command.add_option("--azimuth", o.azimuth, "3d: orbit angle in degrees (0 from the front)"),
        command.add_option("--elevation", o.elevation, "3d: height angle in degrees (90 above)"),
        command.add_flag("--orthographic", o.orthographic, "3d: no perspective"),
        command.add_option("--travel", o.travel, "3d: both wheels' travel in inches"),
        command.add_option("--dive", o.dive, "3d: the body's dive in inches"),
        command.add_option("--roll", o.roll, "3d: the body's roll in degrees"),
        command.add_option("--rack", o.rack, "3d: rack travel in inches, + = toward the left"),
        command.add_option("--points-json", o.pointsJson,
                           "3d: write the named joints' world and picture positions as JSON"),
    };
}

bool anyRender3dOption(const Render3dOptions& o) {
    for (const CLI::Option* option : o.given) {
        if (option->count() > 0) {
            return true;
        }
    }
    return false;
}

void render3d(const std::string& project, const std::string& png, const std::string& size,
              const Render3dOptions& o) {
    const PixelSize pixels = parseSize(size, kDefaultSize);
    const SceneState at = sceneStateOf(o);
    const SuspensionState state = loadProject(project);
    refuseToReplaceProject(png, project, "PNG");
    if (!o.pointsJson.empty()) {
        refuseToReplaceProject(o.pointsJson, project, "JSON");
    }
    const Scene3d scene = buildScene(state, at);
    if (!scene.solved) {
        std::string why = "the front end cannot be drawn at this state:";
        for (const Message& m : scene.messages) {
            why += " " + m.text;
        }
        throw UsageError(why);
    }
    const Camera3d camera = cameraOf(o, scene);
    const Projection projection(camera, pixels.width, pixels.height);
    RecordingCanvas canvas(pixels.width, pixels.height);
    drawScene(canvas, scene, projection, pixels.width, pixels.height);
    writePng({canvas.operations()}, pixels, colors::Black, png);
    if (!o.pointsJson.empty()) {
        const std::string view = !o.azimuth.empty() || !o.elevation.empty()
                                     ? std::string("custom")
                                     : (o.view.empty() ? std::string("iso") : o.view);
        writeOutputFile(o.pointsJson, dumpShortest(pointsJson(scene, projection, view)) + "\n",
                        "JSON");
    }
}

} // namespace velmora::cli
