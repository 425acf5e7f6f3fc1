#include "cli_common.h"
#include "commands.h"

#include "geometry/static_geometry.h"
#include "model/number_text.h"

#include <iostream>
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

void printText(const SuspensionState& state, const StaticCaptions& captions,
               const RecordingMessageSink& sink) {
    for (const auto& [name, value] : staticValues(state)) {
        std::cout << name << " = " << generalText(value) << '\n';
    }
    std::cout << '\n';
    for (const auto& [label, text] : captions.byLabel) {
        std::cout << label << ": " << text << '\n';
    }
    for (const Message& message : sink.messages) {
        std::cout << '\n' << message.title << ": " << message.text << '\n';
    }
}

void printJson(const SuspensionState& state, const StaticCaptions& captions,
               const RecordingMessageSink& sink) {
    nlohmann::json values = nlohmann::json::object();
    for (const auto& [name, value] : staticValues(state)) {
        values[name] = value;
    }
    nlohmann::json labels = nlohmann::json::object();
    for (const auto& [label, text] : captions.byLabel) {
        labels[label] = text;
    }
    const nlohmann::json out = {
        {"values", values}, {"captions", labels}, {"messages", messagesJson(sink.messages)}};
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
        const StaticCaptions captions = runStaticGeometry(state, sink);
        if (args->format == "text") {
            printText(state, captions, sink);
        } else {
            printJson(state, captions, sink);
        }
    });
}

} // namespace velmora::cli
