// `print`: the program's printed pages made headless, as one PDF file or as the recording
// of the printer operations.
#include "cli_common.h"
#include "cli_output.h"
#include "commands.h"
#include "graph_names.h"
#include "roll_print.h"

#include "analysis/graph_view.h"
#include "analysis/suggestions.h"
#include "chassis_pages/rates_page.h"
#include "chassis_pages/steering_page.h"
#include "geometry/static_geometry.h"
#include "printing/graph_page.h"
#include "printing/recording_printer.h"
#include "printing/text_pages.h"
#include "printing/worksheets.h"

#ifdef VELMORA_WITH_UI
#include "toolkit_session.h"
#include "ui/printing/page_rendering.h"
#endif

#include <algorithm>
#include <iostream>
#include <memory>

namespace velmora::cli {
namespace {

struct PrintArgs {
    std::string what;
    std::string project;
    std::string pdf;
    bool dump = false;
    std::string graph = "camber";
    SweepOptions sweep;
    RollPrintArgs roll;
    std::string maxRack;
    // Each page's options; one the page does not use is refused rather than ignored.
    std::vector<std::pair<CLI::Option*, std::vector<std::string>>> pageOptions;
};

void refuseOptionsThePageDoesNotUse(const PrintArgs& args) {
    for (const auto& [option, pages] : args.pageOptions) {
        if (option->count() > 0 &&
            std::find(pages.begin(), pages.end(), args.what) == pages.end()) {
            std::string list;
            for (const std::string& page : pages) {
                list += (list.empty() ? "" : ", ") + page;
            }
            throw UsageError(option->get_name() + ": the " + args.what +
                             " page does not use it (it is for " + list + ")");
        }
    }
    if (args.what == "worksheets" && !args.project.empty()) {
        throw UsageError("the worksheets are blank: print worksheets takes no PROJECT");
    }
}

SteeringPageInputs steerPageInputs(const SuspensionState& state, const PrintArgs& args) {
    const double maxRack =
        args.maxRack.empty() ? kDefaultSteerRack : lengthArgument(args.maxRack, "--max-rack");
    refuseProblem("--max-rack", rackProblem(maxRack, args.maxRack));
    if (!(maxRack > 0)) {
        throw UsageError("--max-rack: rack travel " + quotedTyped(args.maxRack) +
                         " must be above 0");
    }
    const double steps = numberArgument(args.roll.steps, "--steps", {.whole = true});
    refuseProblem("--steps", steerStepsProblem(steps, args.roll.steps));
    return steeringPageInputs(state, maxRack, static_cast<int>(steps));
}

void reportMessages(const RecordingMessageSink& sink) {
    for (const Message& message : sink.messages) {
        std::cerr << "velmora-cli: " << message.title << ": " << message.text << "\n";
    }
}

SuspensionState projectFor(const PrintArgs& args) {
    if (args.project.empty()) {
        throw UsageError("printing the " + args.what + " page needs a PROJECT file");
    }
    return loadProject(args.project);
}

// The pages of the command, each ended, in order.
PrintRecording recordPages(const PrintArgs& args) {
    RecordingPrinter printer;
    if (args.what == "worksheets") {
        for (int page = 1; page <= kWorksheetCount; ++page) {
            buildWorksheet(printer, page);
        }
        return printer.operations();
    }
    SuspensionState state = projectFor(args);
    RecordingMessageSink sink;
    if (args.what == "roll") {
        buildRollPage(printer, state, args.roll);
    } else if (args.what == "coordinates") {
        // The table opens on the chosen side showing each stored value as its cell text.
        state.Right_Active = args.sweep.side == "right";
        buildCoordinatePage(printer, state.Right_Active, coordinateTableTexts(state.activeCoords()),
                            state.Lfile);
    } else if (args.what == "steer") {
        const SteeringPair pair = SteeringPair::build(state.RightCoords, state.LeftCoords);
        if (!pair.ready()) {
            throw UsageError(pair.setupMessages().front().text);
        }
        const SteeringPageInputs inputs = steerPageInputs(state, args);
        for (const Message& message : inputs.sweep.messages) {
            sink.show(message);
        }
        buildSteeringPage(printer, inputs);
    } else if (args.what == "rates") {
        // Over the travel the options give, as `springs` and the graph page take it.
        requireWheelPositions(args.sweep);
        state.VU = args.sweep.bump;
        state.VD = args.sweep.rebound;
        buildRatesPage(printer, ratesPageInputs(state));
    } else if (args.what == "static") {
        buildStaticPage(printer, staticCaptions(runStaticGeometry(state, sink)));
    } else {
        if (!sweepSide(state, args.sweep, sink)) {
            reportMessages(sink);
            throw UsageError("the " + args.sweep.side + " side is not complete, so it has no " +
                             "curves");
        }
        selectGraph(state, graphKindNamed(args.graph));
        GraphView view;
        view.initialise(state);
        buildGraphPage(printer, graphPageInputs(view, state, state.Lfile), [&] {
            return Generate_Suggestions(state, view.GraphData(), view.NumPoints());
        });
    }
    reportMessages(sink);
    return printer.operations();
}

#ifdef VELMORA_WITH_UI
std::string pdfBytes(const std::vector<PrintRecording>& pages) {
    const ToolkitSession toolkit;
    QString error;
    const QByteArray bytes = renderPdf(pages, &error);
    if (bytes.isEmpty()) {
        throw UsageError(
            "PDF not written: " +
            ToolkitSession::failure("cannot make the PDF document: " + error.toStdString()));
    }
    return bytes.toStdString();
}
#else
std::string pdfBytes(const std::vector<PrintRecording>&) {
    throw UsageError("this velmora-cli was built without the desktop libraries, which PDF "
                     "output needs; use --dump");
}
#endif

void run(const PrintArgs& args) {
    refuseOptionsThePageDoesNotUse(args);
    if (args.dump == !args.pdf.empty()) {
        throw UsageError("give either --pdf OUT or --dump");
    }
    if (!args.pdf.empty() && !args.project.empty()) {
        refuseToReplaceProject(args.pdf, args.project, "PDF");
    }
    const PrintRecording recording = recordPages(args);
    if (args.dump) {
        std::cout << dumpPrintRecording(recording);
        return;
    }
    writeOutputFile(args.pdf, pdfBytes(endedJobs(recording)), "PDF");
}

} // namespace

void addPrintCommand(CLI::App& app, int& /*exitCode*/) {
    auto args = std::make_shared<PrintArgs>();
    CLI::App* command = app.add_subcommand(
        "print", "Make the printed pages (coordinates, static geometry, graph, the ten garage "
                 "worksheets) as one PDF file, or dump the printer operations");
    command
        ->add_option("WHAT", args->what,
                     "coordinates, static, graph, worksheets, roll, steer or rates")
        ->required()
        ->check(CLI::IsMember(
            {"coordinates", "static", "graph", "worksheets", "roll", "steer", "rates"}));
    command->add_option("PROJECT", args->project,
                        "Project file (.kqw or .kqp); not needed for worksheets");
    command->add_option("--pdf", args->pdf, "PDF file to write, all pages in order");
    command->add_flag("--dump", args->dump, "Print the printer operations as text on stdout");
    CLI::Option* graph = command->add_option("--graph", args->graph, "Curve of the graph page")
                             ->check(CLI::IsMember(graphNames()));
    addSweepOptions(*command, args->sweep);
    addRollPrintOptions(*command, args->roll);
    CLI::Option* maxRack = command->add_option(
        "--max-rack", args->maxRack, "Steer page: rack travel each way in inches (default 2)");
    const std::vector<std::string> graphPage{"graph"};
    args->pageOptions = {{graph, graphPage},
                         {command->get_option("--side"), {"coordinates", "graph"}},
                         {command->get_option("--bump"), {"graph", "rates"}},
                         {command->get_option("--rebound"), {"graph", "rates"}},
                         {command->get_option("--dive"), {"roll"}},
                         {command->get_option("--max-roll"), {"roll"}},
                         {command->get_option("--steps"), {"roll", "steer"}},
                         {maxRack, {"steer"}}};
    command->callback([args] { run(*args); });
}

} // namespace velmora::cli
