#include "model/travel.h"

#include "model/shown_length.h"
#include "model/suspension_state.h"

#include <cmath>

namespace velmora {

Travel::Problem Travel::problem() const {
    if (!std::isfinite(bump) || !std::isfinite(rebound)) {
        return Problem::NotFinite;
    }
    // The sweep's own stepping: a sixth of the whole travel, quartered, is the step between
    // two wheel positions.
    const Travel swept = used();
    const float whole = swept.rebound + swept.bump;
    if (!std::isfinite(whole)) {
        return Problem::TooLarge;
    }
    const float step = whole / 6.0f * 0.25f;
    if (step > 0.0f && positionCount(swept.bump, swept.rebound, step) > 0) {
        return Problem::None;
    }
    return Problem::TooSmall;
}

bool Travel::IsValid(std::string* why) const {
    const Problem found = problem();
    if (why != nullptr) {
        switch (found) {
        case Problem::None:
            why->clear();
            break;
        case Problem::NotFinite:
            *why = "the travel must be a finite number";
            break;
        case Problem::TooSmall:
            *why = "the travel is too small to divide into steps";
            break;
        case Problem::TooLarge:
            *why = showsMillimetres()
                       ? "together they exceed the largest travel a single holds (8.6431717e39 "
                         "mm)"
                       : "together they exceed the largest travel a single holds (3.4028235e38 "
                         "inches)";
            break;
        }
    }
    return found == Problem::None;
}

} // namespace velmora
