#pragma once

#include "chassis/dive_roll.h"
#include "model/suspension_state.h"

#include <nlohmann/json.hpp>

#include <string>

// What `roll` and `print roll` share: the project's front end, the dive and roll read from
// their options, and the JSON and text of a state or a path.
namespace velmora::cli {

// Both sides of the project prepared; exit 2 (UsageError) when a side is incomplete.
FrontEnd frontEndOf(const SuspensionState& state);

nlohmann::json stateJson(const DiveRollState& state);
// {"height", "offset"} of a kinematic roll centre, or null.
nlohmann::json kinematicRollCentreJson(const std::optional<RollCentreAtState>& centre);
nlohmann::json pathJson(const DiveRollPath& path);
// The roll JSON with its "units", lengths in the unit --units names.
nlohmann::json unitsJson(nlohmann::json out);

std::string stateText(const DiveRollState& state);
std::string pathText(const DiveRollPath& path);

} // namespace velmora::cli
