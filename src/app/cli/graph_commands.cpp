// The commands that look at one curve as the graph window does: its suggestions and its
// window state after stepping the wheel position.
#include "cli_common.h"
#include "cli_output.h"
#include "commands.h"
#include "graph_names.h"
#include "json_output.h"

#include "analysis/graph_view.h"
#include "analysis/suggestions.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <memory>

namespace velmora::cli {
namespace {

struct GraphArgs {
    std::string project;
    SweepOptions sweep;
    std::string graph;
};

void addGraphArgs(CLI::App& command, GraphArgs& args) {
    command.add_option("PROJECT", args.project, "Project file (.kqw or .kqp)")->required();
    command.add_option("--graph", args.graph, "Curve to look at")
        ->required()
        ->check(CLI::IsMember(graphNames()));
    addSweepOptions(command, args.sweep);
}

// Loads and sweeps the project and opens the graph view on the chosen curve. Returns
// false (after saying why on stderr) when the side is not complete, so there is no curve.
bool openGraph(SuspensionState& state, const GraphArgs& args, GraphView& view) {
    RecordingMessageSink sink;
    if (!sweepSide(state, args.sweep, sink)) {
        std::cerr << "velmora-cli: the " << args.sweep.side
                  << " side is not complete, so it has no curves\n";
        return false;
    }
    reportMessages(sink.messages);
    selectGraph(state, graphKindNamed(args.graph));
    view.initialise(state);
    return true;
}

struct SuggestArgs : GraphArgs {
    std::string track;
    std::string style;
    std::string format = "text";
};

void applyOverrides(SuspensionState& state, const SuggestArgs& args) {
    if (!args.track.empty()) {
        state.TrackType = args.track == "none" ? "" : args.track;
    }
    if (!args.style.empty()) {
        state.CarStyle = args.style;
        state.FormulaCar = args.style == "formula";
    }
}

struct GraphStateArgs : GraphArgs {
    int steps = 0;
};

nlohmann::json plotJson(const Curve& values, int n) {
    nlohmann::json list = nlohmann::json::array();
    for (int i = 1; i <= n; ++i) {
        list.push_back(singleJson(values[static_cast<std::size_t>(i)]));
    }
    return list;
}

void printGraphState(const SuspensionState& state, const GraphView& view, GraphKind kind) {
    const AxisLabels& axis = view.axisLabels();
    const TravelLabels& travel = view.travelLabels();
    // Keyed by the names of the graph window's labels.
    const nlohmann::json labels = {
        {"lblRangeXNeg3", axis.negative3},  {"lblRangeXNeg2", axis.negative2},
        {"lblRangeXNeg1", axis.negative1},  {"lblRangeX1", axis.positive1},
        {"lblRangeX2", axis.positive2},     {"lblRangeX3", axis.positive3},
        {"lblRangeY4", travel.bump4},       {"lblRangeY3", travel.bump3},
        {"lblRangeY2", travel.bump2},       {"lblRangeY1", travel.bump1},
        {"lblRangeYNeg1", travel.rebound1}, {"lblRangeYNeg2", travel.rebound2},
        {"lblRangeYNeg3", travel.rebound3}, {"lblRangeYNeg4", travel.rebound4}};
    const DataTable table = view.PutDataInDataTable();
    nlohmann::json out = {
        {"caption", graphWindowCaption(state.Right_Active, kind)},
        {"NumPoints", view.NumPoints()},
        {"XRange", singleJson(view.XRange())},
        {"labels", labels},
        {"PlotX", plotJson(view.PlotX(), view.NumPoints())},
        {"PlotY", plotJson(view.PlotY(), view.NumPoints())},
        {"CurPos", view.CurPos()},
        {"WheelPos", singleJson(view.WheelPos())},
        {"message", view.UpdateMessage()},
        {"data_table",
         {{"heading", table.valueHeading},
          {"positions", table.positions},
          {"values", table.values}}},
    };
    // The plot's coordinates are the window's, whatever the unit.
    if (isLengthCurve(kind)) {
        putUnits(out, {"XRange", "WheelPos"});
    } else {
        putUnits(out, {"WheelPos"});
    }
    std::cout << out.dump(2) << '\n';
}

} // namespace

void addSuggestCommand(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<SuggestArgs>();
    CLI::App* command = app.add_subcommand(
        "suggest", "Cautions and suggestions for one curve, as the graph window lists them");
    addGraphArgs(*command, *args);
    command->add_option("--track", args->track, "Track type (default: the project's)")
        ->check(CLI::IsMember({"Dirt", "Asphalt", "Road", "none"}));
    command->add_option("--style", args->style, "Car style (default: the project's)")
        ->check(CLI::IsMember({"GM", "Ford", "formula"}));
    command->add_option("--format", args->format, "Output format")
        ->check(CLI::IsMember({"text", "json"}));
    command->callback([args, &exitCode] {
        SuspensionState state = loadProject(args->project);
        applyOverrides(state, *args);
        GraphView view;
        if (!openGraph(state, *args, view)) {
            exitCode = kExitUsage;
            return;
        }
        const std::vector<std::string> items =
            Generate_Suggestions(state, view.GraphData(), view.NumPoints());
        if (args->format == "json") {
            nlohmann::json out{{"items", items}};
            putUnits(out, {});
            std::cout << out.dump(2) << '\n';
            return;
        }
        for (const std::string& item : items) {
            std::cout << item << '\n';
        }
    });
}

void addGraphCommand(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<GraphStateArgs>();
    CLI::App* command = app.add_subcommand(
        "graph", "The graph window's state for one curve after stepping the wheel position");
    addGraphArgs(*command, *args);
    // More steps than points change nothing more; the limit only keeps the count an int.
    constexpr double kMostSteps = 1'000'000;
    command
        ->add_option("--steps", args->steps,
                     "Steps towards rebound (negative: towards bump), as the arrow keys")
        ->check(numberCheck({.whole = true}, [](double steps, const std::string& text) {
            return std::fabs(steps) > kMostSteps
                       ? outsideRange("Steps", text, steps, -kMostSteps, kMostSteps, "")
                       : std::string();
        }));
    command->callback([args, &exitCode] {
        SuspensionState state = loadProject(args->project);
        GraphView view;
        if (!openGraph(state, *args, view)) {
            exitCode = kExitUsage;
            return;
        }
        // More steps than points change nothing more: stop there.
        const int steps = std::clamp(args->steps, -kMaxPositions, kMaxPositions);
        for (int k = 0; k < steps; ++k) {
            view.stepDown();
        }
        for (int k = 0; k > steps; --k) {
            view.stepUp();
        }
        printGraphState(state, view, graphKindNamed(args->graph));
    });
}

} // namespace velmora::cli
