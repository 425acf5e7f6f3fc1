// `steer` and `vehicle`: the front end turned by its steering, and the vehicle data with the
// anti-dive it gives.
#include "cli_common.h"
#include "commands.h"
#include "json_output.h"
#include "rigid_sweep_output.h"

#include "chassis/anti_dive.h"
#include "chassis/steering.h"
#include "cli_output.h"
#include "model/number_text.h"
#include "model/shown_length.h"
#include "model/vehicle_data.h"
#include "vehicle_options.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

namespace velmora::cli {
namespace {

// A number option that may be left out, read by the one number rule when it is given.
struct NumberOption {
    std::string text;
    CLI::Option* option = nullptr;
    bool length = false; // read in the unit --units names
    bool given() const { return option && option->count() > 0; }
    std::optional<double> get(const TypedNumberForm& form = {}) const {
        if (!given()) {
            return std::nullopt;
        }
        const double value = numberArgument(text, option->get_name(), form);
        return length ? typedLength(value) : value;
    }
};

struct SteerArgs {
    std::string project;
    NumberOption rack, maxRack, wheelbase, steps;
    std::string format = "json";
};

struct VehicleArgs {
    std::string project;
    VehicleOverrides vehicle;
    std::string format = "json";
};

// The values the vehicle command adds to its output only when they are set.
constexpr VehicleValue kMassValues[] = {
    VehicleValue::VehicleWeight, VehicleValue::FrontWeightPercent, VehicleValue::RearRollStiffness,
    VehicleValue::RearRollCenterHeight};

void addNumberOption(CLI::App& command, const char* name, NumberOption& number, const char* help) {
    number.option = command.add_option(name, number.text, help);
    const std::string_view option(name);
    number.length = option != "--steps" && option != "--front-brake";
}

std::string column(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.resize(width, ' ');
    }
    return text;
}

// An option's value as a project keeps it (a single), checked the way the Vehicle Data frame
// checks a typed value.
std::optional<double> vehicleOption(const NumberOption& number, VehicleValue which) {
    const std::optional<double> value = number.get();
    if (value) {
        refuseProblem(number.option->get_name(), vehicleValueProblem(which, *value, number.text));
        return number.get({.single = true}); // refuses a value a single would hold as 0
    }
    return value;
}

nlohmann::json wheelJson(const SteerWheel& wheel) {
    if (!wheel.solved) {
        return {{"steer", nullptr},
                {"camber_change", nullptr},
                {"caster_change", nullptr},
                {"contact_patch_height_change", nullptr}};
    }
    return {{"steer", wheel.steer},
            {"camber_change", wheel.camberChange},
            {"caster_change", wheel.casterChange},
            {"contact_patch_height_change", wheel.contactPatchHeightChange}};
}

nlohmann::json stateJson(const SteerState& state) {
    return {{"rack", state.rack},
            {"right", wheelJson(state.right)},
            {"left", wheelJson(state.left)},
            {"ackermann_percent", optionalJson(state.ackermannPercent)}};
}

std::string wheelText(const SteerWheel& wheel) {
    if (!wheel.solved) {
        return column("", 34); // blank where the wheel has stopped
    }
    return column(fixedText(wheel.steer, 3), 9) + column(fixedText(wheel.camberChange, 3), 9) +
           column(fixedText(wheel.casterChange, 3), 9) +
           column(fixedText(shownLength(wheel.contactPatchHeightChange), 4), 7);
}

void printSteerText(const std::vector<SteerState>& states, std::optional<double> wheelbase) {
    std::cout << "Steering by the 3-D solution; steer + = front of the wheel to the left, "
                 "angles in degrees\n";
    std::cout << "wheelbase: "
              << (wheelbase ? shortestDouble(shownLength(*wheelbase)) + " " + lengthUnitText()
                            : std::string("not set"))
              << "\n";
    std::cout << "           right wheel                          left wheel\n";
    std::cout << "rack (" << lengthUnitText()
              << ")  steer    camber   caster   patch    steer    camber   caster   "
                 "patch    Ackermann %\n";
    for (const SteerState& s : states) {
        std::cout << column(fixedText(shownLength(s.rack), 3), 11) << column(wheelText(s.right), 37)
                  << column(wheelText(s.left), 37)
                  << (s.ackermannPercent ? fixedText(*s.ackermannPercent, 1) : "-") << "\n";
    }
}

void steerCommand(const SteerArgs& args) {
    if (args.rack.given() && args.maxRack.given()) {
        throw UsageError("--rack and --max-rack cannot be given together");
    }
    if (args.steps.given() && !args.maxRack.given()) {
        throw UsageError("--steps needs --max-rack");
    }
    const std::optional<double> rack = args.rack.get();
    refuseProblem("--rack", rackProblem(rack.value_or(0), args.rack.text));
    const std::optional<double> maxRack = args.maxRack.get();
    refuseProblem("--max-rack", rackProblem(maxRack.value_or(0), args.maxRack.text));
    const double steps = args.steps.get({.whole = true}).value_or(kDefaultSteerSteps);
    refuseProblem("--steps", steerStepsProblem(steps, args.steps.text));
    std::optional<double> wheelbase = vehicleOption(args.wheelbase, VehicleValue::Wheelbase);

    const SuspensionState state = loadProject(args.project);
    if (!wheelbase && state.Vehicle.wheelbase) {
        wheelbase = *state.Vehicle.wheelbase;
    }
    const SteeringPair pair = SteeringPair::build(state.RightCoords, state.LeftCoords);
    if (!pair.ready()) {
        throw UsageError(pair.setupMessages().front().text);
    }
    std::vector<SteerState> states;
    std::vector<Message> messages;
    if (maxRack) {
        SteerSweep sweep = pair.sweep({*maxRack, static_cast<int>(steps), wheelbase});
        states = std::move(sweep.states);
        messages = std::move(sweep.messages);
    } else {
        states.push_back(pair.solve(rack.value_or(0), wheelbase, &messages));
    }

    if (args.format == "text") {
        printMessagesToStderr(messages);
        printSteerText(states, wheelbase);
        return;
    }
    nlohmann::json out;
    if (maxRack) {
        out["states"] = nlohmann::json::array();
        for (const SteerState& s : states) {
            out["states"].push_back(stateJson(s));
        }
    } else {
        out = stateJson(states.front());
    }
    out["messages"] = messagesJson(messages);
    putUnits(out, {"rack", "contact_patch_height_change", "wheelbase"});
    std::cout << dumpShortest(out) << "\n";
}

nlohmann::json instantCentreJson(const AntiDiveSide& side) {
    if (!side.instantCentre) {
        return nullptr;
    }
    return nlohmann::json::array({side.instantCentre->z, side.instantCentre->y});
}

std::string valueText(const std::optional<float>& value, const char* unit) {
    return value ? shortestText(*value) + unit : std::string("not set");
}

std::string lengthValueText(const std::optional<float>& value, const char* after = "") {
    return value ? shortestLength(*value) + " " + lengthUnitText() + after : std::string("not set");
}

void vehicleCommand(const VehicleArgs& args) {
    const SuspensionState state = loadProject(args.project);
    const VehicleData vehicle = args.vehicle.over(state.Vehicle);
    const AntiDive dive = antiDive(state.RightCoords, state.LeftCoords, vehicle);

    if (args.format == "text") {
        printMessagesToStderr(dive.messages);
        std::cout << "wheelbase: " << lengthValueText(vehicle.wheelbase) << "\n";
        std::cout << "CG height: " << lengthValueText(vehicle.cgHeight) << "\n";
        std::cout << "front brake share: " << valueText(vehicle.frontBrakePercent, " %") << "\n";
        std::cout << "steering ratio: " << lengthValueText(vehicle.steeringRatio, " per turn")
                  << "\n";
        std::cout << "bump steer gauge length: "
                  << (vehicle.gaugeLength ? lengthValueText(vehicle.gaugeLength)
                                          : "not set (" + shortestLength(kDefaultGaugeLength) +
                                                " " + lengthUnitText() + " is used)")
                  << "\n";
        for (const VehicleValue which : kMassValues) {
            if (const std::optional<float>& value = vehicleValue(vehicle, which)) {
                std::cout << vehicleLabel(which) << ": "
                          << shortestText(static_cast<float>(shownVehicleValue(which, *value)))
                          << " " << vehicleUnitText(which) << "\n";
            }
        }
        for (const bool right : {true, false}) {
            const AntiDiveSide& side = right ? dive.right : dive.left;
            std::cout << (right ? "right" : "left") << " side-view instant centre: ";
            if (side.instantCentre) {
                const std::string unit = " " + lengthUnitText();
                std::cout << "Z " << fixedText(shownLength(side.instantCentre->z), 2) << unit
                          << ", height " << fixedText(shownLength(side.instantCentre->y), 2) << unit
                          << "\n";
            } else {
                std::cout << (side.complete ? "none (the arm lines are parallel)"
                                            : "side not complete")
                          << "\n";
            }
            std::cout << (right ? "right" : "left") << " anti-dive: "
                      << (side.antiDivePercent ? fixedText(*side.antiDivePercent, 1) + " %"
                                               : std::string("-"))
                      << "\n";
        }
        return;
    }
    nlohmann::json out;
    out["wheelbase"] = optionalJson(vehicle.wheelbase);
    out["cg_height"] = optionalJson(vehicle.cgHeight);
    out["front_brake_percent"] = optionalJson(vehicle.frontBrakePercent);
    out["steering_ratio"] = optionalJson(vehicle.steeringRatio);
    out["gauge_length"] = optionalJson(vehicle.gaugeLength);
    for (const VehicleValue which : kMassValues) {
        if (const std::optional<float>& value = vehicleValue(vehicle, which)) {
            // A value the display unit leaves alone is written as the single it is.
            const double shown = shownVehicleValue(which, *value);
            out[std::string(vehicleKey(which))] =
                shown == *value ? singleJson(*value) : nlohmann::json(shown);
        }
    }
    out["side_view_instant_center"] = {{"right", instantCentreJson(dive.right)},
                                       {"left", instantCentreJson(dive.left)}};
    out["anti_dive_percent"] = {{"right", optionalJson(dive.right.antiDivePercent)},
                                {"left", optionalJson(dive.left.antiDivePercent)}};
    out["messages"] = messagesJson(dive.messages);
    putUnits(out, {"wheelbase", "cg_height", "steering_ratio", "gauge_length",
                   "side_view_instant_center"});
    std::cout << dumpShortest(out) << "\n";
}

void addFormatOption(CLI::App& command, std::string& format) {
    command.add_option("--format", format, "Output format")->check(CLI::IsMember({"json", "text"}));
}

} // namespace

void addSteerCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<SteerArgs>();
    CLI::App* command = app.add_subcommand(
        "steer", "Steer angles, Ackermann, camber and caster with rack travel (3-D solution)");
    command->add_option("PROJECT", args->project, "Project file (.kqw or .kqp)")->required();
    addNumberOption(*command, "--rack", args->rack, "Rack travel in inches, + = toward the left");
    addNumberOption(*command, "--max-rack", args->maxRack, "Sweep the rack from -IN to +IN");
    addNumberOption(*command, "--steps", args->steps, "Equal steps of the sweep (default 24)");
    addNumberOption(*command, "--wheelbase", args->wheelbase,
                    "Wheelbase in inches (default: the project's)");
    addFormatOption(*command, args->format);
    command->callback([args] { steerCommand(*args); });
}

void addVehicleCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<VehicleArgs>();
    CLI::App* command =
        app.add_subcommand("vehicle", "Vehicle data and the anti-dive of the front corners");
    command->add_option("PROJECT", args->project, "Project file (.kqw or .kqp)")->required();
    args->vehicle.add(*command,
                      {VehicleValue::Wheelbase, VehicleValue::CgHeight,
                       VehicleValue::FrontBrakePercent, VehicleValue::GaugeLength,
                       VehicleValue::VehicleWeight, VehicleValue::FrontWeightPercent,
                       VehicleValue::RearRollStiffness, VehicleValue::RearRollCenterHeight});
    addFormatOption(*command, args->format);
    command->callback([args] { vehicleCommand(*args); });
}

} // namespace velmora::cli
