#pragma once

#include "chassis_pages/camera3d.h"
#include "chassis_pages/scene3d.h"

#include <QString>

#include <cstddef>
#include <optional>

class QWidget;

namespace velmora {

// What a scene surface draws: the scene, seen by the camera, a joint highlighted.
struct SceneFrame {
    const Scene3d* scene = nullptr;
    Camera3d camera;
    std::optional<std::size_t> highlighted;
};

// Whether an OpenGL context can be made and used here. VELMORA_NO_OPENGL set in the
// environment says no, as a machine without a driver would.
bool openGlAvailable();

// The widget the 3-D view draws on: an OpenGL surface (QOpenGLWidget) when `openGl`, else a
// plain widget painted with QPainter; both draw `frame` (which the caller keeps) through the
// painter's renderer, on every update().
QWidget* makeSceneSurface(const SceneFrame& frame, bool openGl, QWidget* parent);

} // namespace velmora
