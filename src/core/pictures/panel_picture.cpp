#include "pictures/panel_picture.h"

#include "pictures/corner_drawing.h"
#include "pictures/sketch.h"

namespace velmora {
namespace {

namespace pc = picture_colors;

void drawTableIcon(Canvas& canvas, double aspect) {
    canvas.setBackground(pc::Paper);
    Sketch sketch(canvas, Bounds{0, 40, 0, 30}, aspect, false);
    const double left = 6;
    const double right = 34;
    const double top = 27;
    const double rowHeight = 2.6;
    const int rows = 9;
    const double bottom = top - rowHeight * (rows + 1);
    const double columns[] = {left, 15, 21.5, 28, right};
    // Heading row.
    for (double y = top - 0.3; y > top - rowHeight; y -= 0.5) {
        sketch.stroke({left, y}, {right, y}, pc::Measured, 0.55);
    }
    static const char* headings[] = {"X", "Y", "Z"};
    for (int c = 0; c < 3; ++c) {
        sketch.label({(columns[c + 1] + columns[c + 2]) / 2, top - rowHeight / 2}, headings[c],
                     pc::Paper, 14, true);
    }
    // Rows: a name on the left and numbers in the cells.
    for (int r = 0; r < rows; ++r) {
        const double y = top - rowHeight * (r + 1.5);
        sketch.stroke({left + 1, y}, {left + 3 + (r % 3) * 1.5, y}, pc::Chassis, 0.5);
        for (int c = 1; c <= 3; ++c) {
            if (r == rows - 1 && c == 3) {
                continue;
            }
            const double x = columns[c] + 1.2;
            sketch.stroke({x, y}, {x + 3.2 + ((r + c) % 2) * 0.8, y}, pc::Ink, 0.5);
        }
    }
    canvas.setPenWidth(2);
    canvas.box(left, top, right, bottom, pc::Ink);
    for (int c = 1; c <= 3; ++c) {
        sketch.stroke({columns[c], top}, {columns[c], bottom}, pc::Chassis, 0.12);
    }
    for (int r = 1; r <= rows; ++r) {
        sketch.stroke({left, top - rowHeight * r}, {right, top - rowHeight * r}, pc::Faint, 0.1);
    }
}

void drawCornerIcon(Canvas& canvas, const PictureKey& key, double aspect) {
    const Corner corner = pictureCorner(key.look, nullptr);
    const CornerProjection project(CornerView::Front, corner);
    Bounds area = cornerBounds(corner, project);
    area.pad(1.5);
    canvas.setBackground(pc::Paper);
    Sketch sketch(canvas, area, aspect, key.right);
    drawFloor(sketch, area.left, area.right);
    drawCorner(sketch, corner, project, CornerEmphasis{key.group});
}

} // namespace

void drawPanelPicture(Canvas& canvas, const PictureKey& key, double aspect) {
    GreyedCanvas greyed(canvas);
    Canvas& target = key.greyed ? static_cast<Canvas&>(greyed) : canvas;
    if (key.group == PictureGroup::Table) {
        drawTableIcon(target, aspect);
    } else {
        drawCornerIcon(target, key, aspect);
    }
}

} // namespace velmora
