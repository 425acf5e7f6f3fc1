#pragma once

#include <string>

namespace velmora {

// The wheel travel a sweep covers, inches of bump (up from ride height) and of rebound.
struct Travel {
    // A sweep given no travel on either side covers this much each way.
    static constexpr float kWhenNone = 9.0f;

    float bump = 3.0f;
    float rebound = 3.0f;

    // The travel a sweep covers: no travel on either side means kWhenNone each way.
    Travel used() const {
        if (bump == 0 || rebound == 0) {
            return Travel{kWhenNone, kWhenNone};
        }
        return *this;
    }

    enum class Problem {
        None,
        NotFinite, // a travel is infinite or not a number
        TooSmall,  // the step between two positions comes to nothing
        TooLarge,  // bump and rebound together exceed the largest single
    };
    // Why a sweep could not step through this travel.
    Problem problem() const;
    // Whether a sweep gets at least one wheel position from it; when not, `why` (if given)
    // says why in words ("the travel is too small to divide into steps").
    bool IsValid(std::string* why = nullptr) const;

    bool operator==(const Travel&) const = default;
};

} // namespace velmora
