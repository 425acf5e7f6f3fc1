#include "cli_common.h"
#include "commands.h"
#include "report_sections.h"

#include "geometry/static_geometry.h"

#include <iostream>
#include <memory>

namespace velmora::cli {
namespace {

struct ReportArgs {
    std::string project;
    std::string side = "left";
};

} // namespace

void addReportCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<ReportArgs>();
    CLI::App* command = app.add_subcommand("report", "A readable report of a project for a person");
    command->add_option("PROJECT", args->project, "Project file (.kqw or .kqp)")->required();
    command->add_option("--side", args->side, "Side whose curves are tabled")
        ->check(CLI::IsMember({"left", "right"}));
    command->callback([args] {
        SuspensionState state = loadProject(args->project);
        std::cout << "Velmora report: " << args->project << "\n";
        printProjectSection(std::cout, state);

        RecordingMessageSink staticSink;
        const StaticCaptions captions = staticCaptions(runStaticGeometry(state, staticSink));
        printStaticSection(std::cout, captions, staticSink.messages);

        RecordingMessageSink sweepSink;
        SweepOptions options;
        options.side = args->side;
        if (!sweepSide(state, options, sweepSink)) {
            std::cout << "\nThe " << options.side
                      << " side is not complete: every one of its 26 measurements must be "
                         "entered (a value of 0 counts as missing), so it has no curves.\n";
            return;
        }
        printCurveSection(std::cout, state, sweepSink.messages);
        printSuggestionSection(std::cout, state);
    });
}

} // namespace velmora::cli
