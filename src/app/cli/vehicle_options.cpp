#include "vehicle_options.h"

#include "cli_common.h"

namespace velmora::cli {
namespace {

const char* helpOf(VehicleValue which) {
    switch (which) {
    case VehicleValue::Wheelbase:
        return "Wheelbase in inches";
    case VehicleValue::CgHeight:
        return "Centre of gravity height in inches";
    case VehicleValue::FrontBrakePercent:
        return "Front brake share in percent";
    case VehicleValue::SteeringRatio:
        return "Rack travel per steering-wheel turn in inches";
    case VehicleValue::GaugeLength:
        return "Bump steer gauge length in inches (12 when not set)";
    case VehicleValue::VehicleWeight:
        return "Vehicle weight in lb (kg with --units mm)";
    case VehicleValue::FrontWeightPercent:
        return "Front axle's share of the weight in percent";
    case VehicleValue::RearRollStiffness:
        return "Rear roll stiffness in lb-in/deg (Nm/deg with --units mm)";
    case VehicleValue::RearRollCenterHeight:
        break;
    }
    return "Rear roll centre height in inches";
}

} // namespace

std::string vehicleOptionName(VehicleValue which) {
    switch (which) {
    case VehicleValue::Wheelbase:
        return "--wheelbase";
    case VehicleValue::CgHeight:
        return "--cg-height";
    case VehicleValue::FrontBrakePercent:
        return "--front-brake";
    case VehicleValue::SteeringRatio:
        return "--steering-ratio";
    case VehicleValue::GaugeLength:
        return "--gauge-length";
    case VehicleValue::VehicleWeight:
        return "--vehicle-weight";
    case VehicleValue::FrontWeightPercent:
        return "--front-weight";
    case VehicleValue::RearRollStiffness:
        return "--rear-roll-stiffness";
    case VehicleValue::RearRollCenterHeight:
        break;
    }
    return "--rear-roll-center-height";
}

void VehicleOverrides::add(CLI::App& command, std::initializer_list<VehicleValue> values) {
    for (VehicleValue which : values) {
        auto entry = std::make_unique<Entry>();
        entry->which = which;
        entry->option = command.add_option(vehicleOptionName(which), entry->text, helpOf(which));
        entries_.push_back(std::move(entry));
    }
}

VehicleData VehicleOverrides::over(VehicleData data) const {
    for (const auto& entry : entries_) {
        if (entry->option->count() == 0) {
            continue;
        }
        const std::string name = entry->option->get_name();
        const double value = typedVehicleValue(entry->which, numberArgument(entry->text, name));
        refuseProblem(name, vehicleValueProblem(entry->which, value, entry->text));
        // The project keeps a single: a text a single would hold as 0 is refused as well.
        numberArgument(entry->text, name, {.single = true});
        vehicleValue(data, entry->which) = static_cast<float>(value);
    }
    return data;
}

bool VehicleOverrides::any() const {
    for (const auto& entry : entries_) {
        if (entry->option->count() > 0) {
            return true;
        }
    }
    return false;
}

} // namespace velmora::cli
