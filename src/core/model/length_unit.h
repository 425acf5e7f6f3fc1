#pragma once

#include <optional>
#include <string>
#include <string_view>

// Lengths are stored in inches (the project file's unit); a user may enter and read them in
// millimetres. 1 in = 25.4 mm exactly.
namespace velmora {

enum class LengthUnit { Inches, Millimetres };

inline constexpr double kMillimetresPerInch = 25.4;

// "in" or "mm", as files and the command line name the unit.
std::string_view unitName(LengthUnit unit);
// The unit a name gives ("in", "mm"; case and blanks around ignored); nothing for another.
std::optional<LengthUnit> lengthUnitNamed(std::string_view name);

// A length in inches expressed in `unit`.
double lengthIn(double inches, LengthUnit unit);
// A length given in `unit`, as the single-precision inch value a project stores.
float storedInches(double value, LengthUnit unit);

// The shortest decimal of a stored value in `unit` that storedInches reads back to the same
// single bit for bit ("3" in, "76.2" mm); empty for 0, a value not entered.
std::string exactLengthText(float inches, LengthUnit unit);

} // namespace velmora
