#pragma once

#include "model/suspension_state.h"

#include <array>
#include <string>

namespace velmora {

// The texts of the coordinate table's 26 boxes by coordinate index 1..26 (X 1..9, Y 10..18,
// Z 19..26; element 0 is not used), as typed: what the checks read and the page prints.
using CoordinateBoxTexts = std::array<std::string, CoordinateSet::kLast + 1>;

} // namespace velmora
