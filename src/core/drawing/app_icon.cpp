#include "drawing/app_icon.h"

namespace velmora {

namespace {

constexpr Rgb kBadge{28, 58, 104};
constexpr Rgb kChassis{176, 184, 196};
constexpr Rgb kArm{255, 196, 0};
constexpr Rgb kUpright{236, 240, 244};
constexpr Rgb kTire{24, 24, 28};
constexpr Rgb kRim{150, 158, 170};

// Pen widths are given for the design size and follow the surface's real size, so the
// drawing keeps its proportions at 16 pixels and at 512.
int pen(const Canvas& canvas, double designPixels) {
    const int width = canvas.pixelWidth() > 0 ? canvas.pixelWidth() : kAppIconDesignPixels;
    const double scaled = designPixels * width / kAppIconDesignPixels;
    return scaled < 1 ? 1 : static_cast<int>(scaled + 0.5);
}

void joint(Canvas& canvas, double x, double y, Rgb color) {
    canvas.setFillStyle(FillStyle::Solid);
    canvas.setFillColor(color);
    canvas.setPenWidth(pen(canvas, 2));
    canvas.circle(x, y, 4.2, kBadge);
    canvas.setFillStyle(FillStyle::Transparent);
}

} // namespace

void drawAppIcon(Canvas& canvas) {
    canvas.setScale(0, 0, 100, 100);
    canvas.setPenStyle(PenStyle::Solid);

    canvas.setFillStyle(FillStyle::Solid);
    canvas.setFillColor(kBadge);
    canvas.setPenWidth(1);
    canvas.circle(50, 50, 48, kBadge);
    canvas.setFillStyle(FillStyle::Transparent);

    // The tire: a wide pen with round ends gives the rounded shoulders of a tire seen from
    // the front; the rim inside it.
    canvas.setPenWidth(pen(canvas, 46));
    canvas.line(76, 28, 76, 72, kTire);
    canvas.setPenWidth(pen(canvas, 14));
    canvas.line(73, 40, 73, 60, kRim);

    // The frame rail the arms pivot on.
    canvas.setPenWidth(pen(canvas, 12));
    canvas.line(17, 24, 17, 78, kChassis);

    // The top arm is shorter and tilted, as on a real car; the bottom arm runs level.
    canvas.setPenWidth(pen(canvas, 12));
    canvas.line(17, 37, 55, 31, kArm);
    canvas.line(17, 69, 59, 71, kArm);

    // The upright joins the two ball joints.
    canvas.setPenWidth(pen(canvas, 14));
    canvas.line(55, 31, 59, 71, kUpright);

    joint(canvas, 17, 37, kChassis);
    joint(canvas, 17, 69, kChassis);
    joint(canvas, 55, 31, kUpright);
    joint(canvas, 59, 71, kUpright);
}

} // namespace velmora
