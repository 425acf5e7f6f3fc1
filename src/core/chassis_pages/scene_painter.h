#pragma once

#include "chassis_pages/camera3d.h"
#include "chassis_pages/scene3d.h"
#include "drawing/canvas.h"

#include <cstddef>
#include <optional>
#include <string>

// The painter's renderer of the 3-D scene: every line, joint and mark projected and drawn far
// to near on any Canvas, on the graph window's black ground. The window's OpenGL surface, a
// PNG and the printed page all draw through it.
namespace velmora {

Rgb sceneInkColor(SceneInk ink);

// Draws `scene` filling a `width` by `height` pixel surface (the canvas's scale is set to its
// pixels); the joint `highlighted` is drawn larger and named with its three values, and
// `caption` is written in the top left corner.
void drawScene(Canvas& canvas, const Scene3d& scene, const Projection& projection, int width,
               int height, std::optional<std::size_t> highlighted = std::nullopt,
               const std::string& caption = {});

// The joint drawn nearest the pixel (x, y), within `reach` pixels; none when none is.
std::optional<std::size_t> jointAt(const Scene3d& scene, const Projection& projection, double x,
                                   double y, double reach = 8);

// "Right Top Arm Ball Joint: X 22.750, Y 18.250, Z 26.750 in", the values in the side's own
// frame and the display unit, as the coordinate table gives them.
std::string jointCaption(const SceneJoint& joint);

} // namespace velmora
