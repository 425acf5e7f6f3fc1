#pragma once

#include "chassis_pages/rates_drawing.h"
#include "model/message_sink.h"
#include "printing/printer.h"

#include <string>

// The Rates and Roll window's printed page, laid out like the graph page: the title as the
// other chassis pages print it, the plot of the window (with its baseline), the rates table
// and the project file.
namespace velmora {

struct RatesPageInputs {
    RatesFigures figures;
    std::string fileCaption;
};

RatesPageInputs ratesPageInputs(const SuspensionState& state, const Baseline* baseline = nullptr);

// Builds and ends the page.
void buildRatesPage(Printer& printer, const RatesPageInputs& inputs);

// What the user reads when the page cannot be printed.
Message ratesPrintFailure();

} // namespace velmora
