#pragma once

#include "model/sweep_result.h"

#include <optional>
#include <string_view>

// The 3-D view's camera and its projection from the world (the body frame: u across, positive
// toward the car's left; y up; z rearward, inches) onto a picture of pixels, x to the right
// and y down. One projection serves the window, the PNG and the printed page.
namespace velmora {

enum class View3d { Front, Side, Top, Iso };

// Orbit angles in degrees: azimuth 0 looks from in front of the car (rearward), 90 from its
// left side; elevation 0 is level, 90 from straight above. The camera stands `distance` from
// `target`, looking at it.
struct Camera3d {
    double azimuth = 35;
    double elevation = 25;
    double distance = 200;
    Point3 target;
    bool perspective = true;
    double fieldOfView = 30; // degrees, vertical, for the perspective
};

// The standard views of a scene centred on `target` and `size` inches across: front (the
// car's right on the left of the picture, as the front views of the program draw it), side
// (from the car's left, the front on the left), top (from above, the car's left on the right
// and its front at the bottom, as the front view tipped forward) and iso.
Camera3d standardCamera(View3d view, const Point3& target, double size);
std::optional<View3d> view3dNamed(std::string_view name);

struct ScreenPoint {
    double x = 0;
    double y = 0;
    double depth = 0;     // along the line of sight from the camera, inches
    bool visible = false; // in front of the camera
};

class Projection {
public:
    // A projection onto a picture `width` by `height` pixels.
    Projection(const Camera3d& camera, int width, int height);

    ScreenPoint operator()(const Point3& world) const;
    // Pixels per inch at the target's depth.
    double scaleAtTarget() const { return focal_ / camera_.distance; }
    const Camera3d& camera() const { return camera_; }
    // The camera's axes in the world: to the right of the picture, up it, and into it.
    const Point3& right() const { return right_; }
    const Point3& up() const { return up_; }
    const Point3& forward() const { return forward_; }

private:
    Camera3d camera_;
    double halfWidth_ = 0, halfHeight_ = 0;
    double focal_ = 1; // pixels per unit of the picture plane at unit distance
    Point3 eye_, right_, up_, forward_;
};

// The camera turned by a drag of `dx`, `dy` pixels (orbit), moved by it in the picture's plane
// (pan), or moved in by `steps` wheel notches (zoom, each 10 % nearer); elevation stays
// within -89 to 89 degrees while orbiting.
Camera3d orbited(const Camera3d& camera, double dx, double dy);
Camera3d panned(const Camera3d& camera, double dx, double dy, int width, int height);
Camera3d zoomed(const Camera3d& camera, double steps);

} // namespace velmora
