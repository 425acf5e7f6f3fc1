#include "model/shown_quantity.h"

#include "model/shown_length.h"

namespace velmora {
namespace {

constexpr double kNewtonsPerPound = 4.4482216152605;
constexpr double kKilogramsPerPound = 0.45359237;
constexpr double kMetresPerInch = 0.0254;
constexpr double kPascalsPerPsi = kNewtonsPerPound / (kMetresPerInch * kMetresPerInch);

// What one kept unit is in the metric one.
double metricPerKept(Quantity quantity) {
    switch (quantity) {
    case Quantity::Rate:
        return kNewtonsPerPound / (kMetresPerInch * 1000.0);
    case Quantity::RollStiffness:
    case Quantity::TorsionalStiffness:
        return kNewtonsPerPound * kMetresPerInch;
    case Quantity::Weight:
        return kKilogramsPerPound;
    case Quantity::Modulus:
        break;
    }
    return kPascalsPerPsi / 1e9;
}

} // namespace

double shownQuantity(Quantity quantity, double kept) {
    return showsMillimetres() ? kept * metricPerKept(quantity) : kept;
}

double typedQuantity(Quantity quantity, double typed) {
    return showsMillimetres() ? typed / metricPerKept(quantity) : typed;
}

std::string quantityUnitText(Quantity quantity) {
    const bool metric = showsMillimetres();
    switch (quantity) {
    case Quantity::Rate:
        return metric ? "N/mm" : "lb/in";
    case Quantity::RollStiffness:
        return metric ? "Nm/deg" : "lb-in/deg";
    case Quantity::TorsionalStiffness:
        return metric ? "Nm/rad" : "lb-in/rad";
    case Quantity::Weight:
        return metric ? "kg" : "lb";
    case Quantity::Modulus:
        break;
    }
    return metric ? "GPa" : "psi";
}

} // namespace velmora
