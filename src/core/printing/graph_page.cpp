#include "printing/graph_page.h"

#include "analysis/baseline_overlay.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velmora {
namespace {

constexpr double kGridLines[] = {12.5, 25, 37.5, 62.5, 75, 87.5};
constexpr double kTableTop = 120;
constexpr double kRowPitch = 2.5;
constexpr double kFileLineY = 190;
constexpr int kRowsAtFullPitch = 26;

// A length in the display unit, signed: as typed in inches, to the hundredth in millimetres.
std::string signedLength(double inches) {
    if (!showsMillimetres()) {
        return SignedText(static_cast<float>(inches));
    }
    return SignedText(std::nearbyint(shownLength(inches) * 100.0) / 100.0 + 0.0);
}

void printAt(Printer& printer, double x, double y, const std::string& text) {
    printer.setCurrentPosition(x, y);
    printer.printText(text);
}

// The page has one ink, so the baseline is told apart by its dashes alone; the legend sits
// between the axis labels and the title.
void printBaselineAndLegend(Printer& printer, const std::vector<Segment>& dashes) {
    for (const Segment& d : dashes) {
        printer.line(d.x1, d.y1, d.x2, d.y2);
    }
    constexpr double kLegendY = 111;
    for (double x = 0; x < 8; x += 2) {
        printer.line(x, kLegendY, x + 1.2, kLegendY);
    }
    printAt(printer, 9, kLegendY - 1.5, kBaselineLegend);
    printer.line(24, kLegendY, 32, kLegendY);
    printAt(printer, 33, kLegendY - 1.5, kCurrentLegend);
}

} // namespace

GraphPageInputs graphPageInputs(const GraphView& view, const SuspensionState& state,
                                const std::string& fileCaption, const SweepResult* baseline) {
    GraphPageInputs inputs;
    inputs.GraphData = view.GraphData();
    inputs.NumPoints = view.NumPoints();
    inputs.PlotX = view.PlotX();
    inputs.PlotY = view.PlotY();
    inputs.VU = view.VU();
    inputs.VD = view.VD();
    inputs.VY = view.VY();
    inputs.Right_Active = state.Right_Active;
    inputs.flags = state.graphSelection();
    inputs.fileCaption = fileCaption;
    if (baseline) {
        inputs.baselineDashes = baselineDashes(baselinePlot(view, *baseline));
    }
    return inputs;
}

std::array<std::string, 6> printedAxisLabels(float first, float last) {
    const float a = std::fabs(first);
    const float b = std::fabs(last);
    if (a > 8.0f || b > 8.0f) {
        return {"-12", "-8", "-4", "4", "8", "12"};
    }
    if (a > 4.0f || b > 4.0f) {
        return {"-6", "-4", "-2", "2", "4", "6"};
    }
    if (a > 2.0f || b > 2.0f) {
        return {"-3", "-2", "-1", "1", "2", "3"};
    }
    if (a > 0.2f || b > 0.2f) {
        return {"", "-1", "", "", "1", ""};
    }
    return {"", "-0.1", "", "", "0.1", ""};
}

std::string graphPageTitle(bool rightActive, const GraphSelection& flags) {
    std::string title = rightActive ? "Right " : "Left ";
    if (flags.CamberGraph) {
        title += "Camber Change";
    } else if (flags.SideScrubGraph) {
        title += "Side Scrub Change";
    } else if (flags.BumpSteerGraph) {
        title += "Bump Steer Change";
    } else if (flags.CasterGraph) {
        title += "Caster Change";
    } else if (flags.ForeAftGraph) {
        title += "Fore/Aft Change";
    }
    return title;
}

double tableRowY(int row, int rows) {
    const double pitch = rows > kRowsAtFullPitch
                             ? kRowPitch * kRowsAtFullPitch / static_cast<double>(rows)
                             : kRowPitch;
    return kTableTop + kRowPitch + pitch * row;
}

void buildGraphPage(Printer& printer, const GraphPageInputs& in,
                    const std::function<std::vector<std::string>()>& generateSuggestions) {
    const int n = std::clamp(in.NumPoints, 1, kMaxPositions);
    const auto at = [](const Curve& curve, int i) { return curve[static_cast<std::size_t>(i)]; };
    const std::string title = graphPageTitle(in.Right_Active, in.flags);
    printer.setDocumentName(title);
    printer.setScale(143, 200, -20, 0);

    const bool lengths = in.flags.SideScrubGraph || in.flags.ForeAftGraph;
    std::array<std::string, 6> labels = printedAxisLabels(at(in.GraphData, 1), at(in.GraphData, n));
    if (lengths && showsMillimetres()) {
        // The same ticks, named in millimetres.
        for (std::string& label : labels) {
            label = label.empty() ? label : captionLength(std::strtod(label.c_str(), nullptr));
        }
    }
    for (std::size_t k = 0; k < labels.size(); ++k) {
        if (!labels[k].empty()) {
            printAt(printer, kGridLines[k], 105, labels[k]);
        }
    }

    // Travel labels: the ninths of the range from full bump down, the middle one left out.
    const float d = (in.VU + in.VD) / 8.0f;
    printAt(printer, 100, 0, signedLength(in.VU));
    for (int k : {1, 2, 3, 5, 6, 7, 8}) {
        printAt(printer, 100, 12.5 * k, signedLength(in.VU - static_cast<float>(k) * d));
    }

    printAt(printer, 30, 115, title);

    printer.box(0, 0, 100, 100);
    printer.setPenWidth(3);
    printer.line(0, 50, 100, 50);
    printer.line(50, 0, 50, 100);
    printer.setPenWidth(1);
    for (double x : kGridLines) {
        printer.line(x, 0, x, 100);
    }
    for (double y : kGridLines) {
        printer.line(0, y, 100, y);
    }
    if (!in.baselineDashes.empty()) {
        printBaselineAndLegend(printer, in.baselineDashes);
    }
    for (int i = 1; i < n; ++i) {
        printer.line(at(in.PlotX, i), at(in.PlotY, i), at(in.PlotX, i + 1), at(in.PlotY, i + 1));
    }

    printer.setCurrentPosition(0, 130);
    for (const std::string& entry : generateSuggestions()) {
        printer.printText(entry);
    }

    printAt(printer, 60, kTableTop, "Position");
    float p = in.VU;
    for (int i = 1; i <= n; ++i) {
        printAt(printer, 60, tableRowY(i, n), signedLength(p));
        p = p - in.VY;
    }
    const bool magnitude = in.flags.BumpSteerGraph || in.flags.ForeAftGraph;
    printAt(printer, 80, kTableTop, lengths ? lengthHeading() : "Deg");
    for (int i = 1; i <= n; ++i) {
        const float value = at(in.GraphData, i);
        if (lengths && showsMillimetres()) {
            const double mm = std::nearbyint(shownLength(value) * 100.0) / 100.0 + 0.0;
            printAt(printer, 80, tableRowY(i, n), SignedText(magnitude ? std::fabs(mm) : mm));
            continue;
        }
        const double rounded = roundThousandths(value);
        printAt(printer, 80, tableRowY(i, n), SignedText(magnitude ? std::fabs(rounded) : rounded));
    }

    printAt(printer, 0, kFileLineY, in.fileCaption);
    printer.endDoc();
}

} // namespace velmora
