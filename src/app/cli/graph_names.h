#pragma once

#include "model/suspension_state.h"

#include <string>
#include <vector>

namespace velmora::cli {

// The curve names the commands take: camber, sidescrub, foreaft, caster, bumpsteer.
std::vector<std::string> graphNames();
GraphKind graphKindNamed(const std::string& name);
// Side scrub and fore/aft are lengths; the other curves are angles.
bool isLengthCurve(GraphKind kind);

} // namespace velmora::cli
