#pragma once

#include "model/spring_data.h"

#include <array>
#include <string>
#include <variant>

// The texts of the Springs and Bar frame and what OK makes of them. Lengths are typed in the
// display unit, the spring rate in lb/in or N/mm, the shear modulus in psi or GPa; nothing
// stored changes with the unit.
namespace velmora {

// A spring or damper: the arm it sits on, its arm mount's X, Y, Z, then its chassis mount's.
struct StrutTexts {
    ArmMember arm = ArmMember::Bottom;
    std::array<std::string, 6> point;
};

struct CornerSpringTexts {
    StrutTexts spring;
    std::string rate;
    StrutTexts damper;
    ArmMember linkArm = ArmMember::Bottom;
    std::array<std::string, 3> link;
};

// The bar's diameter, wall, active length, arm length and shear modulus.
inline constexpr std::size_t kBarBoxes = 5;

struct SpringTexts {
    CornerSpringTexts right, left;
    std::array<std::string, kBarBoxes> bar;
    CornerSpringTexts& side(bool isRight) { return isRight ? right : left; }
    const CornerSpringTexts& side(bool isRight) const { return isRight ? right : left; }
};

// The boxes' texts for what the project holds, in the display unit; empty where not set.
SpringTexts springTexts(const SpringData& data);

// What OK makes of the boxes: a piece whose boxes are all empty is not set; one partly filled
// is refused, naming the box; every value is checked as the project file checks it. A box
// left as it was shown keeps its value bit for bit. The first problem is the reason given.
std::variant<SpringData, std::string> acceptedSpringData(const SpringTexts& texts,
                                                         const SpringData& before);

} // namespace velmora
