#pragma once

#include "model/vehicle_data.h"

#include <CLI/CLI.hpp>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// The vehicle values a command lets the command line set over the project's: --wheelbase,
// --cg-height, --front-brake, --gauge-length, --vehicle-weight, --front-weight,
// --rear-roll-stiffness and --rear-roll-center-height, each read in the unit --units names.
namespace velmora::cli {

class VehicleOverrides {
public:
    void add(CLI::App& command, std::initializer_list<VehicleValue> values);
    // `data` with every given option over it. A value the Vehicle Data frame would refuse is
    // refused here, naming the option (UsageError).
    VehicleData over(VehicleData data) const;
    // Whether any option was given.
    bool any() const;

private:
    struct Entry {
        VehicleValue which;
        std::string text;
        CLI::Option* option = nullptr;
    };
    std::vector<std::unique_ptr<Entry>> entries_; // CLI11 keeps the texts' addresses
};

// The option that sets `which` ("--wheelbase").
std::string vehicleOptionName(VehicleValue which);

} // namespace velmora::cli
