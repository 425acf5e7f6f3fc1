#include "model/vehicle_data.h"

#include "model/number_text.h"
#include "model/shown_length.h"
#include "model/shown_quantity.h"
#include "model/text_encoding.h"

#include <cctype>
#include <cmath>

namespace velmora {

std::optional<float>& vehicleValue(VehicleData& data, VehicleValue which) {
    switch (which) {
    case VehicleValue::Wheelbase:
        return data.wheelbase;
    case VehicleValue::CgHeight:
        return data.cgHeight;
    case VehicleValue::FrontBrakePercent:
        return data.frontBrakePercent;
    case VehicleValue::SteeringRatio:
        return data.steeringRatio;
    case VehicleValue::GaugeLength:
        return data.gaugeLength;
    case VehicleValue::VehicleWeight:
        return data.vehicleWeight;
    case VehicleValue::FrontWeightPercent:
        return data.frontWeightPercent;
    case VehicleValue::RearRollStiffness:
        return data.rearRollStiffness;
    case VehicleValue::RearRollCenterHeight:
        break;
    }
    return data.rearRollCenterHeight;
}

const std::optional<float>& vehicleValue(const VehicleData& data, VehicleValue which) {
    return vehicleValue(const_cast<VehicleData&>(data), which);
}

std::string_view vehicleKey(VehicleValue which) {
    switch (which) {
    case VehicleValue::Wheelbase:
        return "wheelbase";
    case VehicleValue::CgHeight:
        return "cg_height";
    case VehicleValue::FrontBrakePercent:
        return "front_brake_percent";
    case VehicleValue::SteeringRatio:
        return "steering_ratio";
    case VehicleValue::GaugeLength:
        return "gauge_length";
    case VehicleValue::VehicleWeight:
        return "vehicle_weight";
    case VehicleValue::FrontWeightPercent:
        return "front_weight_percent";
    case VehicleValue::RearRollStiffness:
        return "rear_roll_stiffness";
    case VehicleValue::RearRollCenterHeight:
        break;
    }
    return "rear_roll_center_height";
}

std::string_view vehicleLabel(VehicleValue which) {
    switch (which) {
    case VehicleValue::Wheelbase:
        return "wheelbase";
    case VehicleValue::CgHeight:
        return "centre of gravity height";
    case VehicleValue::FrontBrakePercent:
        return "front brake share";
    case VehicleValue::SteeringRatio:
        return "steering ratio";
    case VehicleValue::GaugeLength:
        return "gauge length";
    case VehicleValue::VehicleWeight:
        return "vehicle weight";
    case VehicleValue::FrontWeightPercent:
        return "front weight share";
    case VehicleValue::RearRollStiffness:
        return "rear roll stiffness";
    case VehicleValue::RearRollCenterHeight:
        break;
    }
    return "rear roll centre height";
}

namespace {

struct ValueLimits {
    double low;
    double high;
    const char* unit;
};

// Beyond these no car is measured; inside them every value is a single well away from 0.
ValueLimits limitsOf(VehicleValue which) {
    switch (which) {
    case VehicleValue::Wheelbase:
        return {1, 1000, "in"};
    case VehicleValue::CgHeight:
        return {0.1, 1000, "in"};
    case VehicleValue::FrontBrakePercent:
        return {0, 100, "%"};
    case VehicleValue::SteeringRatio:
        return {0.01, 100, "in per turn"};
    case VehicleValue::GaugeLength:
        return {0.1, 1000, "in"};
    case VehicleValue::VehicleWeight:
        return {1, 100000, "lb"};
    case VehicleValue::FrontWeightPercent:
        return {0, 100, "%"};
    case VehicleValue::RearRollStiffness:
        return {0, 1e8, "lb-in/deg"};
    case VehicleValue::RearRollCenterHeight:
        break;
    }
    // A roll centre may lie below the floor.
    return {-100, 1000, "in"};
}

} // namespace

bool isLengthValue(VehicleValue which) {
    switch (which) {
    case VehicleValue::Wheelbase:
    case VehicleValue::CgHeight:
    case VehicleValue::SteeringRatio:
    case VehicleValue::GaugeLength:
    case VehicleValue::RearRollCenterHeight:
        return true;
    case VehicleValue::FrontBrakePercent:
    case VehicleValue::VehicleWeight:
    case VehicleValue::FrontWeightPercent:
    case VehicleValue::RearRollStiffness:
        break;
    }
    return false;
}

namespace {

std::optional<Quantity> quantityOf(VehicleValue which) {
    if (which == VehicleValue::VehicleWeight) {
        return Quantity::Weight;
    }
    if (which == VehicleValue::RearRollStiffness) {
        return Quantity::RollStiffness;
    }
    return std::nullopt;
}

std::string vehicleUnitText(VehicleValue which, const char* inchUnit) {
    if (const std::optional<Quantity> quantity = quantityOf(which)) {
        return quantityUnitText(*quantity);
    }
    if (!showsMillimetres() || !isLengthValue(which)) {
        return inchUnit;
    }
    return which == VehicleValue::SteeringRatio ? "mm per turn" : "mm";
}

} // namespace

double shownVehicleValue(VehicleValue which, double kept) {
    if (const std::optional<Quantity> quantity = quantityOf(which)) {
        return shownQuantity(*quantity, kept);
    }
    return isLengthValue(which) ? shownLength(kept) : kept;
}

double typedVehicleValue(VehicleValue which, double typed) {
    if (const std::optional<Quantity> quantity = quantityOf(which)) {
        return typedQuantity(*quantity, typed);
    }
    return isLengthValue(which) ? typedLength(typed) : typed;
}

std::string vehicleUnitText(VehicleValue which) {
    return vehicleUnitText(which, limitsOf(which).unit);
}

bool vehicleValueAllowed(VehicleValue which, double value) {
    const ValueLimits limits = limitsOf(which);
    return std::isfinite(value) && value >= limits.low && value <= limits.high;
}

std::string vehicleValueProblem(VehicleValue which, double value, std::string_view typed) {
    if (vehicleValueAllowed(which, value)) {
        return {};
    }
    const ValueLimits limits = limitsOf(which);
    std::string name(vehicleLabel(which));
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    // The ranges are kept in inches and pounds; the message gives them in the display unit.
    const auto inUnit = [which](double kept) { return shownVehicleValue(which, kept); };
    const std::string unit = vehicleUnitText(which, limits.unit);
    const std::string shown = !typed.empty()         ? quotedFileText(typed, 40)
                              : std::isfinite(value) ? generalText(inUnit(value))
                                                     : std::string("that is not a number");
    return name + " " + shown + " must be from " + generalText(inUnit(limits.low)) + " to " +
           generalText(inUnit(limits.high)) + " " + unit;
}

} // namespace velmora
