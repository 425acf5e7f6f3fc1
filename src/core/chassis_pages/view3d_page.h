#pragma once

#include "chassis_pages/camera3d.h"
#include "chassis_pages/scene3d.h"
#include "model/message_sink.h"
#include "printing/printer.h"

#include <string>

// The 3-D view's printed page: the title as the other chassis pages print it, the view as the
// window shows it, the state under it and the project file.
namespace velmora {

// "Ride height", "Wheel travel 1.500 in", "Dive 0.500 in, roll 2.000 deg", "Rack 1.000 in",
// in the display unit.
std::string sceneStateText(const SceneState& at);

void buildView3dPage(Printer& printer, const Scene3d& scene, const Camera3d& camera,
                     const std::string& stateLine, const std::string& fileCaption);

Message view3dPrintFailure();

} // namespace velmora
