#include "analysis/thumbnails.h"

#include "core/drawing/reference_recording.h"
#include "core/drawing/sample_corner.h"
#include "drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <array>

namespace velmora {
namespace {

// What the main window does when the right side is selected with both sides complete: the
// left side (the sample corner, swept) is drawn on prepared surfaces, then the right side's curves
// are added.
TEST(ThumbnailsReferenceTest, BothSidesWithTheRightSelected) {
    std::array<RecordingCanvas, 5> canvases;
    const ThumbnailSurfaces surfaces{&canvases[0], &canvases[1], &canvases[2], &canvases[3],
                                     &canvases[4]};
    drawThumbnails(testing::sweptCorner(false), surfaces, false);
    drawThumbnails(testing::sweptCorner(true), surfaces, true);

    const char* names[] = {"camber", "side scrub", "bump steer", "caster", "fore/aft"};
    std::string text;
    for (std::size_t i = 0; i < canvases.size(); ++i) {
        text += std::string("# ") + names[i] + "\n" + canvases[i].dump();
    }
    testing::expectMatchesReference("thumbnails_both_sides.txt", text);
}

} // namespace
} // namespace velmora
