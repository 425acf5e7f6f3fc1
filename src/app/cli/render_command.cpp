// `render`: the main window's thumbnails, the graph window's curve or its suspension picture
// written to a PNG file, drawn by the same code as the desktop program.
#include "cli_common.h"
#include "commands.h"
#include "graph_names.h"

#include "analysis/graph_drawing.h"
#include "analysis/graph_view.h"
#include "analysis/model_overlay.h"
#include "analysis/suspension_picture.h"
#include "analysis/thumbnails.h"
#include "drawing/recording_canvas.h"
#include "geometry/rigid_sweep.h"
#include "geometry/sweep.h"

#ifdef VELMORA_WITH_UI
#include "rendering/offscreen_renderer.h"
#include <QGuiApplication>
#endif

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <regex>

namespace velmora::cli {
namespace {

struct RenderArgs {
    std::string what;
    std::string project;
    std::string png;
    std::string graph = "camber";
    SweepOptions sweep;
    int position = 0; // 0: the static position
    std::string size;
    std::string model = "classic";
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

PixelSize parseSize(const std::string& text, PixelSize fallback) {
    if (text.empty()) {
        return fallback;
    }
    std::smatch match;
    static const std::regex pattern("([0-9]{1,5})x([0-9]{1,5})");
    if (!std::regex_match(text, match, pattern)) {
        throw UsageError("--size must look like 640x480");
    }
    const PixelSize size{std::stoi(match[1]), std::stoi(match[2])};
    if (size.width < 8 || size.height < 8 || size.width > 8000 || size.height > 8000) {
        throw UsageError("--size must be between 8x8 and 8000x8000 pixels");
    }
    return size;
}

// Selecting a side draws the other side first (or blanks the thumbnails when it is
// incomplete), then the active side on top.
std::array<RecordingCanvas, 5> drawThumbnailsAsSelectingTheSide(SuspensionState& state,
                                                                PixelSize size) {
    std::array<RecordingCanvas, 5> canvases;
    for (RecordingCanvas& canvas : canvases) {
        canvas.setPixelSize(size.width, size.height);
    }
    const ThumbnailSurfaces surfaces{&canvases[0], &canvases[1], &canvases[2], &canvases[3],
                                     &canvases[4]};
    const Rgb buttonFace{240, 240, 240};
    const bool chosenRight = state.Right_Active;
    RecordingMessageSink sink;
    for (const bool gonly : {false, true}) {
        state.Right_Active = gonly ? chosenRight : !chosenRight;
        if (!isComplete(state.activeCoords())) {
            drawDisabledThumbnails(surfaces, buttonFace);
            continue;
        }
        CALC(state, sink);
        drawThumbnails(state, surfaces, gonly);
    }
    return canvases;
}

// Opens the graph view and steps the wheel from the static position to `position`, moving
// the marker the way the arrow keys do.
RecordingCanvas drawGraphAt(const SuspensionState& state, GraphView& view, int position,
                            PixelSize size) {
    RecordingCanvas canvas(size.width, size.height);
    const GraphPlot plot{&view.PlotX(), &view.PlotY(), view.NumPoints(), state.Right_Active};
    drawGraphPicture(canvas, plot, view.CurPos());
    while (view.CurPos() != position) {
        const int from = view.CurPos();
        if (!(position > from ? view.stepDown() : view.stepUp())) {
            break;
        }
        moveGraphMarker(canvas, plot, from, view.CurPos());
    }
    return canvas;
}

void stepTo(GraphView& view, int position) {
    while (view.CurPos() != position &&
           (position > view.CurPos() ? view.stepDown() : view.stepUp())) {
    }
}

#ifdef VELMORA_WITH_UI
void writePng(const std::vector<Recording>& recordings, PixelSize size, Rgb background,
              const std::string& path) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int argc = 1;
    char name[] = "velmora-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    RenderOptions options;
    options.background = background;
    options.recordedSize = QSize(size.width, size.height);
    const QImage image = renderSideBySide(recordings, QSize(size.width, size.height), options,
                                          recordings.size() > 1 ? 8 : 0);
    QString error;
    if (image.isNull() || !savePng(image, QString::fromStdString(path), &error)) {
        throw UsageError("cannot write " + path + ": " +
                         (error.isEmpty() ? std::string("rendering failed") : error.toStdString()));
    }
}
#else
void writePng(const std::vector<Recording>&, PixelSize, Rgb, const std::string&) {
    throw UsageError("this velmora-cli was built without the desktop libraries, which "
                     "rendering needs");
}
#endif

void render(const RenderArgs& args, int& exitCode) {
    SuspensionState state = loadProject(args.project);
    state.Right_Active = args.sweep.side == "right";
    state.VU = args.sweep.bump;
    state.VD = args.sweep.rebound;

    if (args.what == "thumbnails") {
        const PixelSize size = parseSize(args.size, {210, 178});
        std::vector<Recording> recordings;
        for (const RecordingCanvas& canvas : drawThumbnailsAsSelectingTheSide(state, size)) {
            recordings.push_back(canvas.operations());
        }
        writePng(recordings, size, colors::Black, args.png);
        return;
    }

    RecordingMessageSink sink;
    if (!sweepSide(state, args.sweep, sink)) {
        std::fprintf(stderr, "velmora-cli: the %s side is not complete, so it has no curves\n",
                     args.sweep.side.c_str());
        exitCode = kExitUsage;
        return;
    }
    selectGraph(state, graphKindNamed(args.graph));
    GraphView view;
    view.initialise(state);
    const int position =
        args.position == 0 ? view.CurPos() : std::clamp(args.position, 1, view.NumPoints());

    if (args.what == "graph") {
        const PixelSize size = parseSize(args.size, {578, 578});
        RecordingCanvas canvas = drawGraphAt(state, view, position, size);
        if (args.model == "3d") { // the graph window with its "3-D check" on
            const RigidSweep rigid = rigidSweep(state);
            for (const Message& message : rigid.messages) {
                std::fprintf(stderr, "%s: %s\n", message.title.c_str(), message.text.c_str());
            }
            const GraphPlot classic{&view.PlotX(), &view.PlotY(), view.NumPoints(),
                                    state.Right_Active};
            drawRigidOverlay(canvas, rigidPlot(view, rigid), classic, view.CurPos());
        }
        writePng({canvas.operations()}, size, colors::Black, args.png);
        return;
    }
    const PixelSize size = parseSize(args.size, {562, 578});
    stepTo(view, position);
    RecordingCanvas canvas(size.width, size.height);
    const PictureView picture{view.CurPos(),
                              view.GraphData()[static_cast<std::size_t>(view.CurPos())],
                              view.XRange(), view.WheelPos()};
    DrawPic(canvas, state, picture);
    writePng({canvas.operations()}, size, colors::LightGrey, args.png);
}

} // namespace

void addRenderCommand(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<RenderArgs>();
    CLI::App* command = app.add_subcommand(
        "render", "Render the thumbnails, a large graph or the suspension picture to a PNG");
    command->add_option("WHAT", args->what, "thumbnails, graph or picture")
        ->required()
        ->check(CLI::IsMember({"thumbnails", "graph", "picture"}));
    command->add_option("PROJECT", args->project, "Project file (.kqw or .kqp)")->required();
    command->add_option("--png", args->png, "PNG file to write")->required();
    command->add_option("--graph", args->graph, "Curve (graph and picture)")
        ->check(CLI::IsMember(graphNames()));
    addSweepOptions(*command, args->sweep);
    command
        ->add_option("--position", args->position,
                     "Wheel position 1..N (1 = full bump; default the static position)")
        ->check(CLI::Range(1, kMaxPositions));
    command->add_option("--size", args->size, "Pixel size WxH (of each thumbnail)");
    command
        ->add_option("--model", args->model,
                     "graph: classic, or 3d to draw the 3-D solution over the classic curve")
        ->check(CLI::IsMember({"classic", "3d"}));
    command->callback([args, &exitCode] { render(*args, exitCode); });
}

} // namespace velmora::cli
