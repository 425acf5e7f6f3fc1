#pragma once

#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "model/sweep_result.h"
#include "model/travel.h"

namespace velmora {

// The sweep stops with a data error when either iteration has started this many passes; a
// report's pass counters stand at it then.
inline constexpr int kPassLimit = 500;

enum class SweepMode {
    Full,      // every wheel position from full bump (1) to full rebound (N)
    StaticOnly // the ride-height position alone, its results at position 0
};

// The kinematic sweep of one corner. `right` names the side the static values belong to;
// nothing else depends on it. An incomplete corner gives a result with only the travel and
// the cleared static values. Geometry problems and a data error become messages of the
// result; nothing is shown and no shared state is touched.
SweepResult classicSweep(const CoordinateSet& corner, bool right, Travel travel,
                         SweepMode mode = SweepMode::Full);

// The static-only pass over both corners: each complete side at ride height (the right side
// first; the left after a complete right one only when the right product is positive) and,
// when both products are positive, the roll centre of the car.
SweepResult staticPass(const CoordinateSet& right, const CoordinateSet& left, Travel travel);

// The pass CALC runs for the state: the static pass when StaticOnly is set, otherwise the
// full sweep of the active side. The state is only read.
SweepResult sweepFor(const SuspensionState& state);

// Applies a result to the state and then shows its messages in order.
SweepReport applySweep(SuspensionState& state, const SweepResult& result, MessageSink& sink);

// The kinematic sweep as the program runs it: sweepFor, applied to the state, messages to
// the sink. It always returns normally.
SweepReport runSweep(SuspensionState& state, MessageSink& sink);

inline void CALC(SuspensionState& state, MessageSink& sink) {
    runSweep(state, sink);
}

} // namespace velmora
