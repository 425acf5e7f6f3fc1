#pragma once

#include "chassis/steering.h"
#include "chassis_pages/steering_drawing.h"
#include "model/message_sink.h"
#include "printing/printer.h"

#include <string>

// The Steering window's printed page, laid out like the graph page: the title as the Dive and
// Roll page prints it, the plot of the window (with its baseline), a table of the sweep and
// the project file.
namespace velmora {

struct SteeringPageInputs {
    SteerSweep sweep;
    SteerAxis axis;
    std::optional<double> wheelbase;
    std::string fileCaption;
    // The baseline's sweep the window draws beneath the curves, when one is set.
    std::optional<SteerSweep> baseline;
};

// The sweep of a project's car as the window shows it: both sides, its wheelbase and its
// steering ratio (for the steering-wheel axis), the project file as the caption.
SteeringPageInputs steeringPageInputs(const SuspensionState& state, double maxRack,
                                      int steps = kDefaultSteerSteps);

// Builds and ends the page.
void buildSteeringPage(Printer& printer, const SteeringPageInputs& inputs);

// What the user reads when the page cannot be printed.
Message steeringPrintFailure();

} // namespace velmora
