#include "analysis/suspension_picture.h"

#include "core/drawing/reference_recording.h"
#include "core/drawing/sample_corner.h"
#include "drawing/recording_canvas.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct Picture {
    const char* file;
    bool right;
    GraphKind kind;
    int position;
    float xRange;
};

// The sample corner swept, with the half-widths the graph window gives its curves. Several
// pictures drawn one after another on the same surface, as the graph window does,
// so the settings a picture leaves behind are part of the next one's recording.
TEST(SuspensionPictureReferenceTest, FrontAndSideViewsOfBothSides) {
    const Picture pictures[] = {
        {"picture_camber_right.txt", true, GraphKind::Camber, 5, 4},
        {"picture_bump_steer_left.txt", false, GraphKind::BumpSteer, 20, 2}, // toe out
        {"picture_caster_right.txt", true, GraphKind::Caster, 21, 2},
        {"picture_side_scrub_left.txt", false, GraphKind::SideScrub, 13, 2},
    };
    RecordingCanvas canvas(281, 289);
    for (const Picture& picture : pictures) {
        SuspensionState state = testing::sweptCorner(picture.right);
        selectGraph(state, picture.kind);
        PictureView view;
        view.CurPos = picture.position;
        view.g = resultCurve(state, picture.kind)[static_cast<std::size_t>(picture.position)];
        view.XRange = picture.xRange;
        view.WheelPos = state.VU - static_cast<float>(picture.position - 1) * state.VY;
        canvas.discardOperations();
        DrawPic(canvas, state, view);
        testing::expectMatchesReference(picture.file, canvas.dump());
    }
}

} // namespace
} // namespace velmora
