#pragma once

#include "printing/printer.h"

#include <string>

namespace velmora {

// The title of the chassis pages, the same on each: the job named after it, then the title
// in the printer's own font at the top of the page, a third of the way across, on the graph
// page's scale. The page sets its own scale afterwards.
void printChassisPageTitle(Printer& printer, const std::string& title);

} // namespace velmora
