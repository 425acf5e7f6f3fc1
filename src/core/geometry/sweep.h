#pragma once

#include "geometry/corner_sweep.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"

namespace velmora {

// What one sweep did, for callers that need more than the shared state (tests, benchmarks).
struct SweepReport {
    bool rightSwept = false;    // the right side's statics were computed
    bool leftSwept = false;     // the left side's statics were computed
    bool carRollCentre = false; // the car's roll centre was computed (static-only pass)
    bool dataError = false;     // stopped by an arithmetic failure or the pass budget
    IterationCounters passes;
};

// The kinematic sweep. A normal sweep analyses the active side, when it is complete, from
// full bump (position 1) to full rebound (position N) into the shared result curves. With
// StaticOnly set it analyses both complete sides at ride height only (right first) and,
// when both are complete, the roll centre of the car. Geometry problems and data errors are
// reported to the sink; it always returns normally.
SweepReport runSweep(SuspensionState& state, MessageSink& sink);

inline void CALC(SuspensionState& state, MessageSink& sink) {
    runSweep(state, sink);
}

} // namespace velmora
