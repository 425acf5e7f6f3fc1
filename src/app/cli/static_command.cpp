#include "cli_common.h"
#include "commands.h"
#include "json_output.h"
#include "roll_output.h"

#include "chassis/dive_roll.h"
#include "geometry/static_geometry.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <iostream>
#include <map>
#include <memory>
#include <utility>

namespace velmora::cli {
namespace {

struct StaticArgs {
    std::string project;
    std::string format = "json";
};

// The ten static values in the order the main window holds them.
std::vector<std::pair<const char*, double>> staticValues(const SuspensionState& s) {
    return {{"LeftScrubRadius", s.LeftScrubRadius},   {"LeftSAI", s.LeftSAI},
            {"LeftCasterTrail", s.LeftCasterTrail},   {"LeftCaster", s.LeftCaster},
            {"RightScrubRadius", s.RightScrubRadius}, {"RightSAI", s.RightSAI},
            {"RightCasterTrail", s.RightCasterTrail}, {"RightCaster", s.RightCaster},
            {"RollCenterHeight", s.RollCenterHeight}, {"RollCenterOffset", s.RollCenterOffset}};
}

// The captions by the keys of this command's output, which are the names of the value labels
// of the program's static-geometry frame, in key order.
std::map<std::string, std::string> captionsByKey(const StaticCaptions& c) {
    return {{"lblStatRAxis", c.right.sai},      {"lblStatRRadius", c.right.scrubRadius},
            {"lblStatRCA", c.right.caster},     {"lblStatRCTR", c.right.casterTrail},
            {"lblStaticLAxis", c.left.sai},     {"lblStatLRadius", c.left.scrubRadius},
            {"lblStatLCasA", c.left.caster},    {"lblStatLCasTR", c.left.casterTrail},
            {"lblStatRCH", c.rollCenterHeight}, {"lblStatRCO", c.rollCenterOffset}};
}

void printText(const SuspensionState& state, const StaticCaptions& captions,
               const RecordingMessageSink& sink) {
    for (const auto& [name, value] : staticValues(state)) {
        // Angles end in SAI or Caster; the others are lengths.
        const std::string_view key(name);
        const bool angle = key.ends_with("SAI") || key.ends_with("Caster");
        std::cout << name << " = " << generalText(angle ? value : shownLength(value)) << '\n';
    }
    std::cout << '\n';
    for (const auto& [label, text] : captionsByKey(captions)) {
        std::cout << label << ": " << text << '\n';
    }
    for (const Message& message : sink.messages) {
        std::cout << '\n' << message.title << ": " << message.text << '\n';
    }
}

// The kinematic roll centre at ride height, or null while a side is incomplete.
nlohmann::json kinematicCentreAtRide(const SuspensionState& state) {
    if (!isComplete(state.RightCoords) || !isComplete(state.LeftCoords)) {
        return nullptr;
    }
    const FrontEnd front = FrontEnd::build(state.RightCoords, state.LeftCoords);
    return kinematicRollCentreJson(front.solve(0, 0).kinematicRollCentre);
}

void printJson(const SuspensionState& state, const StaticCaptions& captions,
               const RecordingMessageSink& sink) {
    nlohmann::json values = nlohmann::json::object();
    for (const auto& [name, value] : staticValues(state)) {
        values[name] = value;
    }
    nlohmann::json labels = nlohmann::json::object();
    for (const auto& [label, text] : captionsByKey(captions)) {
        labels[label] = text;
    }
    nlohmann::json out = {{"values", values},
                          {"captions", labels},
                          {"messages", messagesJson(sink.messages)},
                          {"kinematic_roll_center", kinematicCentreAtRide(state)}};
    putUnits(out, {"RightScrubRadius", "LeftScrubRadius", "RightCasterTrail", "LeftCasterTrail",
                   "RollCenterHeight", "RollCenterOffset", "kinematic_roll_center"});
    std::cout << out.dump(2) << '\n';
}

} // namespace

void addStaticCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<StaticArgs>();
    CLI::App* command = app.add_subcommand(
        "static", "Static geometry of both sides and the roll centre, as the Static frame shows");
    command->add_option("PROJECT", args->project, "Project file (.kqw or .kqp)")->required();
    command->add_option("--format", args->format, "Output format")
        ->check(CLI::IsMember({"json", "text"}));
    command->callback([args] {
        SuspensionState state = loadProject(args->project);
        RecordingMessageSink sink;
        const StaticCaptions captions = staticCaptions(runStaticGeometry(state, sink));
        if (args->format == "text") {
            printText(state, captions, sink);
        } else {
            printJson(state, captions, sink);
        }
    });
}

} // namespace velmora::cli
