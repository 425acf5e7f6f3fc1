#include "chassis_pages/steering_page.h"

#include "chassis_pages/page_title.h"

#include "model/number_text.h"
#include "model/shown_length.h"
#include "printing/page_region_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velmora {
namespace {

constexpr double kPlotLeft = 5, kPlotTop = 7, kPlotSize = 90, kPlotHeight = 72;
constexpr double kTableTop = 82;
constexpr double kRowStep = 1.75;
constexpr int kMostRows = 25;
constexpr double kFileLineY = 128;
// Beside the title, past its end.
constexpr double kWheelbaseX = 60, kWheelbaseY = 0.5;

void printAt(Printer& printer, double x, double y, const std::string& text) {
    printer.setCurrentPosition(x, y);
    printer.printText(text);
}

std::string wheelCell(const SteerWheel& w, double SteerWheel::*member) {
    return w.solved ? fixedText(w.*member, 3) : std::string("-");
}

} // namespace

SteeringPageInputs steeringPageInputs(const SuspensionState& state, double maxRack, int steps) {
    SteeringPageInputs in;
    if (state.Vehicle.wheelbase) {
        in.wheelbase = *state.Vehicle.wheelbase;
    }
    if (state.Vehicle.steeringRatio) {
        in.axis.steeringRatio = *state.Vehicle.steeringRatio;
    }
    in.sweep = SteeringPair::build(state.RightCoords, state.LeftCoords)
                   .sweep({maxRack, steps, in.wheelbase});
    in.fileCaption = state.Lfile;
    return in;
}

void buildSteeringPage(Printer& printer, const SteeringPageInputs& in) {
    beginChassisPage(printer, "Steering");
    printAt(printer, kWheelbaseX, kWheelbaseY,
            "wheelbase " + (in.wheelbase ? shortestLength(static_cast<float>(*in.wheelbase)) + " " +
                                               lengthUnitText()
                                         : std::string("not set")));

    PageRegionCanvas plot(printer, kPlotLeft, kPlotTop, kPlotSize, kPlotHeight);
    const int none = -1;
    drawSteeringPlot(plot, in.sweep, in.axis, none, in.baseline ? &*in.baseline : nullptr,
                     SteerPlotSurface::Paper);

    const double columns[] = {5, 18, 29, 40, 51, 62, 73, 84};
    const std::string rackHeading = "rack " + lengthUnitText();
    const char* headings[] = {in.axis.steeringRatio ? "wheel deg" : rackHeading.c_str(),
                              "steer R",
                              "steer L",
                              "camber R",
                              "camber L",
                              "caster R",
                              "caster L",
                              "Ackermann %"};
    for (std::size_t c = 0; c < 8; ++c) {
        printAt(printer, columns[c], kTableTop, headings[c]);
    }
    const auto count = static_cast<int>(in.sweep.states.size());
    const int every = std::max(1, (count + kMostRows - 1) / kMostRows);
    int row = 0;
    for (int k = 0; k < count; k += every) {
        const SteerState& s = in.sweep.states[static_cast<std::size_t>(k)];
        const double y = kTableTop + kRowStep * (++row);
        const std::string cells[] = {in.axis.valueText(s.rack, 3),
                                     wheelCell(s.right, &SteerWheel::steer),
                                     wheelCell(s.left, &SteerWheel::steer),
                                     wheelCell(s.right, &SteerWheel::camberChange),
                                     wheelCell(s.left, &SteerWheel::camberChange),
                                     wheelCell(s.right, &SteerWheel::casterChange),
                                     wheelCell(s.left, &SteerWheel::casterChange),
                                     s.ackermannPercent ? fixedText(*s.ackermannPercent, 1)
                                                        : std::string("-")};
        for (std::size_t c = 0; c < 8; ++c) {
            printAt(printer, columns[c], y, cells[c]);
        }
    }
    printAt(printer, 0, kFileLineY, in.fileCaption);
    printer.endDoc();
}

Message steeringPrintFailure() {
    return Message{"Print", "The steering page could not be printed.", MessageIcon::Warning,
                   MessageButtons::Ok};
}

} // namespace velmora
