#pragma once

#include "model/suspension_state.h"
#include "printing/printer.h"

#include <CLI/CLI.hpp>

#include <string>

// `print roll`: the Dive and Roll window's page, at a dive and a roll, with the roll centre's
// path from roll 0 to that roll.
namespace velmora::cli {

struct RollPrintArgs {
    std::string dive = "0";
    std::string maxRoll = "0";
    std::string steps = "24";
};

void addRollPrintOptions(CLI::App& command, RollPrintArgs& args);

// Builds and ends the page; UsageError for a bad value or an incomplete side.
void buildRollPage(Printer& printer, const SuspensionState& state, const RollPrintArgs& args);

} // namespace velmora::cli
