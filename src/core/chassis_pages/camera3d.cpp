#include "chassis_pages/camera3d.h"

#include "geometry/vec3.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {
namespace {

using namespace vec3;

constexpr double kDegree = std::numbers::pi / 180.0;
// Degrees of orbit per pixel of drag.
constexpr double kOrbitPerPixel = 0.4;
constexpr double kMostOrbitElevation = 89;

} // namespace

Camera3d standardCamera(View3d view, const Point3& target, double size) {
    Camera3d c;
    c.target = target;
    // Far enough that the whole scene fits the field of view with a margin.
    c.distance = std::max(size, 1.0) / (2 * std::tan(c.fieldOfView / 2 * kDegree)) * 1.1;
    switch (view) {
    case View3d::Front:
        c.azimuth = 0;
        c.elevation = 0;
        break;
    case View3d::Side:
        c.azimuth = 90;
        c.elevation = 0;
        break;
    case View3d::Top:
        c.azimuth = 0;
        c.elevation = 90;
        break;
    case View3d::Iso:
        c.azimuth = 35;
        c.elevation = 25;
        break;
    }
    return c;
}

std::optional<View3d> view3dNamed(std::string_view name) {
    if (name == "front") {
        return View3d::Front;
    }
    if (name == "side") {
        return View3d::Side;
    }
    if (name == "top") {
        return View3d::Top;
    }
    if (name == "iso") {
        return View3d::Iso;
    }
    return std::nullopt;
}

Projection::Projection(const Camera3d& camera, int width, int height)
    : camera_(camera), halfWidth_(std::max(width, 1) / 2.0),
      halfHeight_(std::max(height, 1) / 2.0) {
    const double az = camera.azimuth * kDegree;
    const double el = camera.elevation * kDegree;
    // The direction from the target to the eye; the picture's right stays level.
    const Point3 toEye{std::sin(az) * std::cos(el), std::sin(el), -std::cos(az) * std::cos(el)};
    eye_ = camera.target + camera.distance * toEye;
    forward_ = -1.0 * toEye;
    right_ = {std::cos(az), 0, std::sin(az)};
    up_ = cross(forward_, right_);
    focal_ = halfHeight_ / std::tan(std::clamp(camera.fieldOfView, 1.0, 170.0) / 2 * kDegree);
}

ScreenPoint Projection::operator()(const Point3& world) const {
    const Point3 fromEye = world - eye_;
    const double depth = dot(fromEye, forward_);
    ScreenPoint s;
    s.depth = depth;
    if (camera_.perspective) {
        s.visible = depth > 1e-6;
        const double d = s.visible ? depth : 1e-6;
        s.x = halfWidth_ + focal_ * dot(fromEye, right_) / d;
        s.y = halfHeight_ - focal_ * dot(fromEye, up_) / d;
        return s;
    }
    // Orthographic at the scale the perspective has at the target.
    const Point3 fromTarget = world - camera_.target;
    const double scale = scaleAtTarget();
    s.visible = true;
    s.x = halfWidth_ + scale * dot(fromTarget, right_);
    s.y = halfHeight_ - scale * dot(fromTarget, up_);
    return s;
}

Camera3d orbited(const Camera3d& camera, double dx, double dy) {
    Camera3d c = camera;
    c.azimuth = std::remainder(c.azimuth - dx * kOrbitPerPixel, 360.0);
    c.elevation =
        std::clamp(c.elevation + dy * kOrbitPerPixel, -kMostOrbitElevation, kMostOrbitElevation);
    return c;
}

Camera3d panned(const Camera3d& camera, double dx, double dy, int width, int height) {
    const Projection p(camera, width, height);
    const double inches = 1 / p.scaleAtTarget();
    Camera3d c = camera;
    // The scene follows the pointer: the target moves the other way.
    c.target = c.target + (-dx * inches) * p.right() + (dy * inches) * p.up();
    return c;
}

Camera3d zoomed(const Camera3d& camera, double steps) {
    Camera3d c = camera;
    c.distance = std::clamp(c.distance * std::pow(0.9, steps), 5.0, 20000.0);
    return c;
}

} // namespace velmora
