#pragma once

#include "geometry/rigid_corner.h"
#include "model/message_sink.h"

#include <optional>

namespace velmora {

// The pose of the corner at `travel` (bump positive, steering centred), walked out from ride
// height in steps no longer than the 3-D sweep's own, so that it stays on the sweep's assembly
// branch. Nothing, and the 3-D check's message in `failure`, when the corner cannot get there.
std::optional<UprightPose> poseAtTravel(const RigidCorner& corner, double travel, Message& failure);

} // namespace velmora
