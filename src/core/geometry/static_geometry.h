#pragma once

#include "model/message_sink.h"
#include "model/suspension_state.h"

#include <map>
#include <string>

namespace velmora {

// Captions of the ten value labels of the static-geometry frame, keyed by label name:
// lblStatRAxis, lblStatRRadius, lblStatRCA, lblStatRCTR (right side), lblStaticLAxis,
// lblStatLRadius, lblStatLCasA, lblStatLCasTR (left side), lblStatRCH, lblStatRCO (car).
// A cleared label has empty text.
struct StaticCaptions {
    std::map<std::string, std::string> byLabel;
};

// The static-geometry command: runs the sweep in its static-only mode over both sides and
// formats the results. Leaves StaticOnly False; may set a tiny RollCenterOffset to 0.
StaticCaptions runStaticGeometry(SuspensionState& state, MessageSink& sink);

// Empty the right side's (or left side's) four labels and both roll-centre labels.
void Clear_RStat(StaticCaptions& captions);
void Clear_LStat(StaticCaptions& captions);

} // namespace velmora
