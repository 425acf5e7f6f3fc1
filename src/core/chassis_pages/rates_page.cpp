#include "chassis_pages/rates_page.h"

#include "chassis_pages/page_title.h"

#include "printing/page_region_canvas.h"

namespace velmora {
namespace {

constexpr double kPlotLeft = 5, kPlotTop = 7, kPlotSize = 90, kPlotHeight = 80;
constexpr double kTableTop = 92;
constexpr double kRowStep = 2.25;
constexpr double kValueX = 45;
constexpr double kMessagesX = 5;
constexpr double kFileLineY = 128;

void printAt(Printer& printer, double x, double y, const std::string& text) {
    printer.setCurrentPosition(x, y);
    printer.printText(text);
}

} // namespace

RatesPageInputs ratesPageInputs(const SuspensionState& state, const Baseline* baseline) {
    return RatesPageInputs{ratesFigures(state, baseline), state.Lfile};
}

void buildRatesPage(Printer& printer, const RatesPageInputs& in) {
    beginChassisPage(printer, "Rates and Roll");

    PageRegionCanvas plot(printer, kPlotLeft, kPlotTop, kPlotSize, kPlotHeight);
    drawRatesPlot(plot, in.figures);

    double y = kTableTop;
    for (const auto& [caption, value] : ratesTableRows(in.figures.rates)) {
        printAt(printer, kMessagesX, y, caption);
        printAt(printer, kValueX, y, value);
        y += kRowStep;
    }
    // What is missing, so a blank value on paper says why.
    for (const Message& m : in.figures.rates.messages) {
        if (y > kFileLineY - 2 * kRowStep) {
            break;
        }
        printAt(printer, kMessagesX, y, m.text);
        y += kRowStep;
    }
    printAt(printer, 0, kFileLineY, in.fileCaption);
    printer.endDoc();
}

Message ratesPrintFailure() {
    return Message{"Print", "The rates page could not be printed.", MessageIcon::Warning,
                   MessageButtons::Ok};
}

} // namespace velmora
