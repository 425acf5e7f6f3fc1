// `render`: the main window's thumbnails, the graph window's curve or its suspension picture
// written to a PNG file, drawn by the same code as the desktop program.
#include "cli_common.h"
#include "commands.h"
#include "graph_names.h"

#include "analysis/graph_drawing.h"
#include "analysis/graph_view.h"
#include "analysis/graph_window_views.h"
#include "analysis/model_overlay.h"
#include "analysis/suspension_picture.h"
#include "analysis/thumbnails.h"
#include "drawing/recording_canvas.h"
#include "geometry/rigid_sweep.h"
#include "geometry/sweep.h"
#include "pictures/named_picture.h"
#include "pictures/picture_key.h"

#include "cli_output.h"
#include "png_output.h"
#include "render_3d.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>

namespace velmora::cli {
namespace {

constexpr std::size_t kThumbnailCount = 5;

struct RenderArgs {
    std::string what;
    std::string input;   // the project, or for `named` the picture name
    std::string project; // `named` only: the project whose geometry a wizard screen draws
    bool sideGiven = false;
    std::string png;
    bool dump = false; // `named` only: the recording as text instead of a PNG
    std::string graph = "camber";
    SweepOptions sweep;
    int position = 0; // 0: the static position
    std::string size;
    std::string model = "classic";
    Render3dOptions view3d;
};

// Selecting a side draws the other side first (or blanks the thumbnails when it is
// incomplete), then the active side on top.
std::array<RecordingCanvas, kThumbnailCount>
drawThumbnailsAsSelectingTheSide(SuspensionState& state, PixelSize size, MessageSink& sink) {
    std::array<RecordingCanvas, kThumbnailCount> canvases;
    for (RecordingCanvas& canvas : canvases) {
        canvas.setPixelSize(size.width, size.height);
    }
    const ThumbnailSurfaces surfaces{&canvases[0], &canvases[1], &canvases[2], &canvases[3],
                                     &canvases[4]};
    const Rgb buttonFace{240, 240, 240};
    selectSideInTwoPasses(state, state.Right_Active, [&](bool right, bool gonly) {
        sweepAndDrawThumbnails(state, right, surfaces, gonly, buttonFace, sink);
    });
    return canvases;
}

// Opens the graph view and steps the wheel from the static position to `position`, moving
// the marker the way the arrow keys do.
RecordingCanvas drawGraphAt(GraphView& view, int position, PixelSize size) {
    RecordingCanvas canvas(size.width, size.height);
    const GraphPlot plot = graphPlotOf(view);
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

// A named picture: side panel buttons, wizard screens (drawn from the project's geometry of
// the screen's side, or of --side, when it is complete) and the guide's pictures (of the
// project's car type, as the measuring guide shows them).
void renderNamed(const RenderArgs& args) {
    std::optional<PictureKey> key = parsePictureName(args.input);
    if (!key) {
        throw UsageError("'" + args.input +
                         "' is not a picture name (e.g. gmlxup.bmp, gmltop.bmp, xyz.bmp, "
                         "hlp1.bmp)");
    }
    PixelSize fallback{553, 565};
    if (key->kind == PictureKind::SidePanel) {
        fallback = {250, 170};
    } else if (key->kind == PictureKind::Guide) {
        fallback = {578, 386};
    }
    const PixelSize size = parseSize(args.size, fallback);
    std::optional<CoordinateSet> own;
    if (!args.project.empty()) {
        const SuspensionState state = loadProject(args.project);
        if (!args.dump) {
            refuseToReplaceProject(args.png, args.project, "PNG");
        }
        const bool right = args.sideGiven ? args.sweep.side == "right" : key->right;
        own = right ? state.RightCoords : state.LeftCoords;
        if (key->kind == PictureKind::Guide) {
            key->look = carLookOf(state.CarStyle).value_or(CarLook::GM);
        }
    }
    RecordingCanvas canvas(size.width, size.height);
    drawPicture(canvas, *key, own ? &*own : nullptr);
    if (args.dump) {
        std::fputs(canvas.dump().c_str(), stdout);
        return;
    }
    writePng({canvas.operations()}, size, colors::White, args.png);
}

void render(const RenderArgs& args, int& exitCode) {
    if (args.what == "3d") {
        if (args.png.empty()) {
            throw UsageError("--png FILE is required");
        }
        render3d(args.input, args.png, args.size, args.view3d);
        return;
    }
    if (anyRender3dOption(args.view3d)) {
        throw UsageError("--view, --azimuth, --elevation, --orthographic, --travel, --dive, "
                         "--roll, --rack and --points-json are for `render 3d`");
    }
    if (args.what == "named") {
        if (args.dump == !args.png.empty()) {
            throw UsageError("give either --png FILE or --dump");
        }
        renderNamed(args);
        return;
    }
    if (args.dump) {
        throw UsageError("--dump is for `render named`");
    }
    if (args.png.empty()) {
        throw UsageError("--png FILE is required");
    }
    if (!args.project.empty()) {
        throw UsageError("--project is for `render named`; give the project as PROJECT");
    }
    SuspensionState state = loadProject(args.input);
    refuseToReplaceProject(args.png, args.input, "PNG");
    requireWheelPositions(args.sweep);
    state.Right_Active = args.sweep.side == "right";
    state.VU = args.sweep.bump;
    state.VD = args.sweep.rebound;

    if (args.what == "thumbnails") {
        const PixelSize size = parseSize(args.size, renderSize(kThumbnailDesignTwips),
                                         {static_cast<int>(kThumbnailCount), kPictureGap});
        // Both sides are swept, the other one first, and the desktop program shows the
        // messages of both sweeps in that order.
        RecordingMessageSink sink;
        std::vector<Recording> recordings;
        for (const RecordingCanvas& canvas : drawThumbnailsAsSelectingTheSide(state, size, sink)) {
            recordings.push_back(canvas.operations());
        }
        reportMessages(sink.messages);
        writePng(recordings, size, colors::Black, args.png);
        return;
    }

    const PixelSize size =
        parseSize(args.size, renderSize(args.what == "graph" ? kGraphSurfaceDesignTwips
                                                             : kPictureSurfaceDesignTwips));
    RecordingMessageSink sink;
    if (!sweepSide(state, args.sweep, sink)) {
        std::fprintf(stderr, "velmora-cli: the %s side is not complete, so it has no curves\n",
                     args.sweep.side.c_str());
        exitCode = kExitUsage;
        return;
    }
    reportMessages(sink.messages);
    selectGraph(state, graphKindNamed(args.graph));
    GraphView view;
    view.initialise(state);
    const int position =
        args.position == 0 ? view.CurPos() : std::clamp(args.position, 1, view.NumPoints());

    if (args.what == "graph") {
        RecordingCanvas canvas = drawGraphAt(view, position, size);
        if (args.model == "3d") { // the graph window with its "3-D check" on
            const RigidSweep rigid = rigidSweep(state);
            reportMessages(rigid.messages);
            drawRigidOverlay(canvas, rigidPlot(view, rigid), graphPlotOf(view), view.CurPos());
        }
        writePng({canvas.operations()}, size, colors::Black, args.png);
        return;
    }
    stepTo(view, position);
    RecordingCanvas canvas(size.width, size.height);
    DrawPic(canvas, state, pictureViewOf(view));
    writePng({canvas.operations()}, size, colors::LightGrey, args.png);
}

} // namespace

void addRenderCommand(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<RenderArgs>();
    CLI::App* command = app.add_subcommand(
        "render",
        "Render the thumbnails, a large graph, the suspension picture, a named picture or the 3-D "
        "view to a PNG");
    command->add_option("WHAT", args->what, "thumbnails, graph, picture, named or 3d")
        ->required()
        ->check(CLI::IsMember({"thumbnails", "graph", "picture", "named", "3d"}));
    command
        ->add_option("PROJECT", args->input,
                     "Project file (.kqw or .kqp); for named, the picture name (gmlxup.bmp...)")
        ->required();
    command->add_option("--project", args->project,
                        "named: project whose geometry the wizard screens draw and whose car type "
                        "the guide pictures show");
    command->add_option("--png", args->png, "PNG file to write");
    command->add_flag("--dump", args->dump,
                      "named: print the picture's drawing operations as text on stdout");
    command->add_option("--graph", args->graph, "Curve (graph and picture)")
        ->check(CLI::IsMember(graphNames()));
    addSweepOptions(*command, args->sweep);
    command
        ->add_option("--position", args->position,
                     "Wheel position 1..N (1 = full bump; default the static position)")
        ->check(numberCheck({.whole = true}, [](double position, const std::string& text) {
            return position >= 1 && position <= kMaxPositions
                       ? std::string()
                       : outsideRange("Position", text, position, 1, kMaxPositions, "");
        }));
    command->add_option("--size", args->size, "Pixel size WxH (of each thumbnail)");
    addRender3dOptions(*command, args->view3d);
    command
        ->add_option("--model", args->model,
                     "graph: classic, or 3d to draw the 3-D solution over the classic curve")
        ->check(CLI::IsMember({"classic", "3d"}));
    command->callback([args, command, &exitCode] {
        args->sideGiven = command->count("--side") > 0;
        render(*args, exitCode);
    });
}

} // namespace velmora::cli
