#pragma once

#include "model/message_sink.h"
#include "printing/printer.h"

#include <string>

// The ten garage worksheets: blank line drawings of the suspension with dimension lines to
// fill in at the car, five for the right side and then five for the left. They carry no
// project data.
namespace velmora {

inline constexpr int kWorksheetCount = 10;

// Title of worksheet 1..10 ("Right Side Horizontal" ... "Left Tie Rod Fore/Aft").
std::string worksheetTitle(int page);

// The figure of worksheet 1..10 alone, on the 640 x 850 worksheet scale.
void drawWorksheetFigure(Printer& printer, int page);

// One worksheet as one job: scale, pen, figure, title, endDoc.
void buildWorksheet(Printer& printer, int page);

Message worksheetPrintFailure();

// The menu command: all ten worksheets in order, each its own job. When the printer fails,
// the jobs already ended stay printed, the message is shown once, the failing job is
// discarded and the remaining ones are not started. Returns whether all ten were ended.
bool printGarageWorksheets(Printer& printer, MessageSink& sink);

} // namespace velmora
