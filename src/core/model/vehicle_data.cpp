#include "model/vehicle_data.h"

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
        break;
    }
    return data.gaugeLength;
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
        break;
    }
    return "gauge_length";
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
        break;
    }
    return "gauge length";
}

std::string vehicleValueProblem(VehicleValue which, double value) {
    const std::string name(vehicleLabel(which));
    if (which == VehicleValue::FrontBrakePercent) {
        if (!std::isfinite(value) || value < 0 || value > 100) {
            return "the " + name + " must be a percentage from 0 to 100";
        }
        return {};
    }
    // A length beyond what a single holds is not a car's either, and one too small for a single
    // would be stored as 0.
    if (!std::isfinite(value) || !(static_cast<float>(value) > 0) || value > 1e6) {
        return "the " + name + " must be a number of inches above 0";
    }
    return {};
}

} // namespace velmora
