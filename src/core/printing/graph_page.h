#pragma once

#include "analysis/graph_view.h"
#include "drawing/segment.h"
#include "model/sweep_result.h"
#include "printing/printer.h"

#include <functional>
#include <string>
#include <vector>

// The graph window's printed page: the curve in its grid with both axes labelled, the title,
// the suggestions, the data table of the whole curve and the project file.
namespace velmora {

// What the page reads: the window's curve as of its last activation, the main window's side
// and graph flags and the caption of the file label.
struct GraphPageInputs {
    Curve GraphData{};
    int NumPoints = 25;
    Curve PlotX{};
    Curve PlotY{};
    float VU = 3;
    float VD = 3;
    float VY = 0.25f;
    bool Right_Active = false;
    GraphSelection flags;
    std::string fileCaption;
    // The baseline's curve as dashes on the graph's 100 x 100 scale; none without a baseline,
    // and then the page is drawn as it always was.
    std::vector<Segment> baselineDashes;
};

// With a baseline's sweep, its curve of the shown graph is dashed beneath the current one.
GraphPageInputs graphPageInputs(const GraphView& view, const SuspensionState& state,
                                const std::string& fileCaption,
                                const SweepResult* baseline = nullptr);

// The labels under the graph at x = 12.5, 25, 37.5, 62.5, 75, 87.5 (empty: nothing printed
// there), chosen by the magnitudes of the first and last value.
std::array<std::string, 6> printedAxisLabels(float first, float last);

// "Right " or "Left " and the name of the first graph flag set.
std::string graphPageTitle(bool rightActive, const GraphSelection& flags);

// Where row i (1-based) of the data table is printed: 2.5 units apart below the headings;
// with more than 26 rows they close up so that the last row stays above the file line.
double tableRowY(int row, int rows);

// Builds and ends the page. `generateSuggestions` is run when the page reaches the
// suggestions, so they are current whether or not the window ever showed them.
void buildGraphPage(Printer& printer, const GraphPageInputs& inputs,
                    const std::function<std::vector<std::string>()>& generateSuggestions);

} // namespace velmora
