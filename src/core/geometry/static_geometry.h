#pragma once

#include "geometry/static_report.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"

namespace velmora {

// The static-geometry command: runs the sweep in its static-only mode over both sides and
// reports the values of each complete side and of the car. Leaves StaticOnly False; may set a
// tiny RollCenterOffset to 0. staticCaptions() gives the texts the frame shows.
StaticReport runStaticGeometry(SuspensionState& state, MessageSink& sink);

} // namespace velmora
