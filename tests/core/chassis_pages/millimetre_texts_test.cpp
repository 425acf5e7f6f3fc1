#include "analysis/graph_view.h"
#include "analysis/suggestions.h"
#include "chassis/steering.h"
#include "chassis_pages/roll_figures.h"
#include "geometry/bump_steer_shim.h"
#include "geometry/sweep_messages.h"
#include "model/shown_length.h"
#include "model/vehicle_data.h"
#include "printing/graph_page.h"

#include "core/printing/print_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

// A side scrub curve over 3 inches of travel each way whose full bump point moves half an inch.
GraphView sideScrubView() {
    SuspensionState state;
    state.VU = 3;
    state.VD = 3;
    state.VI = 1;
    state.VY = 0.25f;
    selectGraph(state, GraphKind::SideScrub);
    state.SideScrub[1] = 0.5f;
    state.SideScrub[13] = -0.125f; // the static position
    GraphView view;
    view.initialise(state);
    return view;
}

std::string graphPageAt(double x, double y) {
    GraphPageInputs in;
    in.NumPoints = 25;
    in.VU = 3;
    in.VD = 3;
    in.VY = 0.25f;
    in.flags.ForeAftGraph = true;
    in.GraphData[1] = -0.5f;
    RecordingPrinter printer;
    buildGraphPage(printer, in, [] { return std::vector<std::string>{}; });
    return testing::printedAt(printer.operations(), x, y);
}

DiveRollState rolled() {
    DiveRollState s;
    s.solved = true;
    s.right.travel = 1;
    s.left.travel = -0.5;
    s.trackChange = 0.125;
    return s;
}

// Every length a text shows is in millimetres once they are the display unit; the inch texts
// themselves are held by the tests of each part.
TEST(MillimetreTexts, LengthsAreShownInMillimetres) {
    const ScopedDisplayUnit millimetres(LengthUnit::Millimetres);
    const struct {
        const char* what;
        std::function<std::string()> text;
        std::string expected;
    } cases[] = {
        {"table heading", [] { return sideScrubView().PutDataInDataTable().valueHeading; },
         "Millimetres"},
        {"table value", [] { return sideScrubView().PutDataInDataTable().values[0]; }, " 12.7"},
        {"table position", [] { return sideScrubView().PutDataInDataTable().positions[1]; },
         "69.85"},
        {"axis label", [] { return sideScrubView().axisLabels().negative2; }, "-25.4"},
        {"travel label", [] { return sideScrubView().travelLabels().bump1; }, "19.05"},
        {"selected point", [] { return sideScrubView().UpdateMessage(); },
         "At wheel position  0 tire patch moves -3.18 mm sideways"},
        {"signed column", [] { return signedColumnValue(sideScrubView().flags(), -0.125); },
         "-3.18"},
        {"sweep message", [] { return topsOutMessage(3).text; },
         "Suspension tops out before 76.2 mm of bump travel"},
        {"shim advice", [] { return shimAdvice(ShimJoint::Outer, 3); },
         "raise the outer tie rod end 5 mm"},
        {"advice line",
         [] {
             SuggestionInputs in;
             in.CamberGraph = true;
             in.TrackType = "Asphalt";
             for (int i = 1; i <= in.n; ++i) { // 0.75 degree of gain an inch: too little
                 in.curve[static_cast<std::size_t>(i)] = -0.75f * (3.0f - 0.25f * (i - 1));
             }
             for (const std::string& line : Generate_Suggestions(in)) {
                 if (line.find("first") != std::string::npos) {
                     return line;
                 }
             }
             return std::string("<none>");
         },
         "first 25 mm of wheel travel."},
        {"page heading", [] { return graphPageAt(80, 120); }, "Millimetres"},
        {"page value", [] { return graphPageAt(80, 125); }, " 12.7"},
        {"page travel", [] { return graphPageAt(100, 0); }, " 76.2"},
        {"roll caption", [] { return rollTableRows(rolled())[0].caption; }, "Wheel travel (mm)"},
        {"roll value", [] { return rollTableRows(rolled())[0].left; }, "-12.70"},
        {"range kept in inches", [] { return rackProblem(13, ""); },
         "Rack travel 330.2 is outside -304.8 to 304.8 mm"},
        {"vehicle range", [] { return vehicleValueProblem(VehicleValue::Wheelbase, 0.5, ""); },
         "Wheelbase 12.7 must be from 25.4 to 25400 mm"},
        {"roll car row", [] { return rollTableRows(rolled()).back().caption; },
         "Ground angle (deg)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text(), c.expected) << c.what;
    }
}

} // namespace
} // namespace velmora
