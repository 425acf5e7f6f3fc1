#pragma once

#include "cli_common.h"

#include "geometry/rigid_sweep.h"

namespace velmora::cli {

// `sweep --model 3d`: the curves of the 3-D solution of the chosen side with the classic
// output's keys for the travel, the five curves and the ball joints, plus the most Newton
// iterations a position needed and the messages. Positions the solution did not reach are
// null (JSON) or empty (CSV).
void printRigidSweepJson(const SuspensionState& state, const RigidSweep& sweep);
void printRigidSweepCsv(const RigidSweep& sweep);

// The 3-D solution of the side and travel range that `options` choose.
RigidSweep rigidSweepOf(const SuspensionState& state, const SweepOptions& options);

// Messages on the error stream as "title: text".
void printMessagesToStderr(const std::vector<Message>& messages);

} // namespace velmora::cli
