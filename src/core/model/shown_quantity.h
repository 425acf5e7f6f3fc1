#pragma once

#include <string>

// Rates, stiffnesses, weights and the bar's shear modulus as the display unit shows them: the
// project keeps them in pounds and inches, and with lengths in millimetres they read in
// newtons, metres and kilograms. Like lengths, only texts convert; nothing stored changes.
namespace velmora {

enum class Quantity {
    Rate,               // a spring or wheel rate: lb/in, N/mm
    RollStiffness,      // lb-in/deg, Nm/deg
    TorsionalStiffness, // lb-in/rad, Nm/rad
    Weight,             // lb, kg
    Modulus,            // psi, GPa
};

// The value kept (pounds and inches) in the display unit, and back.
double shownQuantity(Quantity quantity, double kept);
double typedQuantity(Quantity quantity, double typed);

// The unit's text: "lb/in" or "N/mm", ...
std::string quantityUnitText(Quantity quantity);

} // namespace velmora
