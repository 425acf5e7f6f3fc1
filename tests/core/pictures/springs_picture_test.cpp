#include "drawing/recording_canvas.h"
#include "model/project_file.h"
#include "model/project_file_io.h"
#include "pictures/corner_geometry.h"
#include "pictures/springs_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace velmora {
namespace {

struct Label {
    std::string text;
    double x = 0, y = 0;
};

// The mounts' numbers as drawn: texts of a blank, a digit and a blank.
std::vector<Label> numbers(const Recording& ops) {
    std::vector<Label> out;
    for (const DrawOp& op : ops) {
        if (const auto* p = std::get_if<drawop::Print>(&op.command)) {
            if (p->text.size() == 3 && p->text[0] == ' ' && p->text[2] == ' ') {
                out.push_back({p->text, p->x, p->y});
            }
        }
    }
    return out;
}

// Every mount of the example's springs, dampers and bar links is numbered once in both views
// of both sides, and no two numbers stand side by side where they would read as one (2.5 in
// apart at least; the example's closest pair is 3.6 in).
TEST(SpringsPicture, EveryMountIsNumberedOnceAndNoNumberCoversAnother) {
    const ProjectReadResult read = readProjectFile(
        std::string(VELMORA_SOURCE_DIR) + "/examples/with-vehicle-data/gm-dirt-oval-springs.kqw");
    ASSERT_TRUE(read.ok());
    SuspensionState state;
    applyProjectData(state, *read.project);
    for (const bool right : {true, false}) {
        const Corner corner =
            pictureCorner(CarLook::GM, right ? &state.RightCoords : &state.LeftCoords);
        ASSERT_TRUE(corner.ownGeometry);
        for (const CornerView view : {CornerView::Front, CornerView::Side}) {
            RecordingCanvas canvas(460, 320);
            drawSpringsPicture(canvas, corner, state.Vehicle.springs.side(right), view, right,
                               460.0 / 320.0);
            const std::vector<Label> labels = numbers(canvas.operations());
            ASSERT_EQ(labels.size(), 5u) << right << static_cast<int>(view);
            for (std::size_t i = 0; i < labels.size(); ++i) {
                EXPECT_EQ(labels[i].text, " " + std::to_string(i + 1) + " ");
                for (std::size_t j = i + 1; j < labels.size(); ++j) {
                    EXPECT_GT(std::hypot(labels[i].x - labels[j].x, labels[i].y - labels[j].y), 2.5)
                        << labels[i].text << labels[j].text << " right " << right << " view "
                        << static_cast<int>(view);
                }
            }
        }
    }
}

} // namespace
} // namespace velmora
