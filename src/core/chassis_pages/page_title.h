#pragma once

#include "printing/printer.h"

#include <string>

namespace velmora {

// The title of the chassis pages, the same on each: the job named after it, then the title
// in the printer's own font at the top of the page, a third of the way across, on the graph
// page's scale. The page sets its own scale afterwards.
void printChassisPageTitle(Printer& printer, const std::string& title);

// The page units the graph-page-style chassis pages lay out on: 100 across, 131.25 down
// (8 by 10.5 inches).
inline constexpr double kChassisPageWidth = 100;
inline constexpr double kChassisPageHeight = 131.25;

// The title, then that scale and the pages' 9 point plain font.
void beginChassisPage(Printer& printer, const std::string& title);

} // namespace velmora
