#include "analysis/suspension_picture.h"

#include "model/inexact_constants.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace velmora {
namespace {

constexpr double kGround = 80;      // picture y of the ground
constexpr double kUnitsPerInch = 2; // picture units per inch
constexpr double kShadow = 1.5;     // half thickness of a member
constexpr double kPivotRadius = 1.8;

// The right side's centreline; the left side's is at x = 0.
constexpr double kRightCentreline = 100;
// The side view is drawn this far to the right of the front view's place.
constexpr double kSideViewShift = 15;
constexpr double kFrontLabelX = 40;
constexpr double kFrontLabelY = 85;

// The value indicator below the ground: a reference line at x = 75 from y = 100 up to 90, and
// its caption below it.
constexpr double kIndicatorX = 75;
constexpr double kIndicatorBottom = 100;
constexpr double kIndicatorTop = 90;
constexpr double kLeanPerDegree = 5; // the angle line's top moves 5 units per degree
constexpr double kShiftPerInch = 50; // the distance line moves 50 units per inch
constexpr double kCaptionX = 45;
constexpr double kCaptionY = 105;
// The bump steer arrow: a shaft from x = 90 to 100 at y = 95, its head at one end pointing the
// way the wheel steers, barbs 3 units above and below the middle.
constexpr double kArrowY = 95;
constexpr double kArrowMidX = 95;
constexpr double kArrowHalfLength = 5;
constexpr double kArrowBarb = 3;

const Rgb kIndicator = paletteColor(4);
const Rgb kMember = paletteColor(8);
const Rgb kWheelLine = paletteColor(12);
const Rgb kTieRod = paletteColor(14);
const Rgb kPivot = paletteColor(15);

struct PicPoint {
    double x = 0;
    double y = 0;
};

// The side sign and origin: the right side's centreline at x = 100 with the wheel to its
// left, the left side's at x = 0 with the wheel to its right.
struct SideMapping {
    double k;
    double x0;

    explicit SideMapping(bool rightActive)
        : k(rightActive ? 1.0 : -1.0), x0(rightActive ? kRightCentreline : 0.0) {}

    double height(double y) const { return kGround - kUnitsPerInch * y; }
    PicPoint front(double x, double y) const { return {x0 - kUnitsPerInch * k * x, height(y)}; }
    PicPoint side(double z, double y) const {
        return {x0 + kSideViewShift - kUnitsPerInch * k * z, height(y)};
    }
};

std::size_t positionIndex(int p) {
    return static_cast<std::size_t>(std::clamp(p, 0, kMaxPositions));
}

// Caption number: rounded to thousandths with ties to even, then written signed.
std::string captionNumber(float g) {
    return SignedText(roundThousandths(g));
}

void printCaption(Canvas& canvas, const std::string& text) {
    canvas.setCurrentPosition(kCaptionX, kCaptionY);
    canvas.setTextColor(kIndicator);
    canvas.print(text);
}

// A reference line at x = 75 and a second line at the value's position or lean.
void drawValueIndicator(Canvas& canvas, const SuspensionState& state, double k, float g) {
    if (state.CasterGraph || state.CamberGraph) {
        canvas.line(kIndicatorX, kIndicatorBottom, kIndicatorX, kIndicatorTop, kIndicator);
        canvas.line(kIndicatorX, kIndicatorBottom, kIndicatorX - kLeanPerDegree * k * g,
                    kIndicatorTop, kIndicator);
        printCaption(canvas, captionNumber(g) +
                                 (state.CamberGraph ? " Deg Camber Change" : " Deg Caster Change"));
    } else if (state.BumpSteerGraph) {
        if (g != 0) {
            const double xh =
                g < 0 ? kArrowMidX + kArrowHalfLength * k : kArrowMidX - kArrowHalfLength * k;
            canvas.line(kArrowMidX - kArrowHalfLength, kArrowY, kArrowMidX + kArrowHalfLength,
                        kArrowY, kIndicator);
            canvas.line(xh, kArrowY, kArrowMidX, kArrowY - kArrowBarb, kIndicator);
            canvas.line(xh, kArrowY, kArrowMidX, kArrowY + kArrowBarb, kIndicator);
        }
    } else if (state.SideScrubGraph || state.ForeAftGraph) {
        const double x = kIndicatorX - kShiftPerInch * k * g;
        canvas.line(kIndicatorX, kIndicatorBottom, kIndicatorX, kIndicatorTop, kIndicator);
        canvas.line(x, kIndicatorBottom, x, kIndicatorTop, kIndicator);
        // The length in the display unit: thousandths of an inch, hundredths of a millimetre.
        const std::string amount =
            showsMillimetres()
                ? SignedText(std::nearbyint(shownLength(g) * 100.0) / 100.0 + 0.0) + " mm"
                : captionNumber(g) + " Inches";
        printCaption(canvas, amount + (state.SideScrubGraph ? " Side Scrub" : " Fore/Aft Change"));
    }
}

void drawPivotDisc(Canvas& canvas, double x, double y) {
    canvas.setFillStyle(FillStyle::Solid);
    canvas.setFillColor(kPivot);
    canvas.circle(x, y, kPivotRadius, kPivot);
    canvas.setFillColor(colors::Black);
}

void drawFrontView(Canvas& canvas, const SuspensionState& state, const PictureView& view,
                   const SideMapping& m, std::size_t p) {
    const auto& sp = state.SusPoints;
    const PicPoint topInner =
        m.front((sp[TopFront].x + sp[TopRear].x) / 2, (sp[TopFront].y + sp[TopRear].y) / 2);
    const PicPoint bottomInner = m.front((sp[BottomFront].x + sp[BottomRear].x) / 2,
                                         (sp[BottomFront].y + sp[BottomRear].y) / 2);
    const BallJointPair& joints = state.BallJointPos[p];
    const PicPoint topBall = m.front(joints.top.x, joints.top.y);
    const PicPoint bottomBall = m.front(joints.bottom.x, joints.bottom.y);

    const double spindle = state.SpindleHeight;
    const PicPoint tireBottom{
        m.x0 - kUnitsPerInch * m.k * (static_cast<double>(state.TireCenterX) + state.SideScrub[p]),
        m.height(view.WheelPos)};
    // The tire is 2 x spindle height inches tall and leans by the camber change.
    const double camber = state.CamberChange[p] * kInexactPi / 180;
    const PicPoint tireTop{tireBottom.x - m.k * 4 * spindle * std::sin(camber),
                           tireBottom.y - 4 * spindle * std::cos(camber)};

    const bool bumpSteer = state.BumpSteerGraph;
    const bool tireBehind = bumpSteer && view.g > 0;
    // A tie rod whose outer joint lies behind the bottom ball joint is drawn behind the arms.
    const bool rodBehind = bumpSteer && sp[TieRodOuter].z > sp[BottomBall].z;
    auto drawTieRod = [&] {
        const PicPoint inner = m.front(sp[TieRodInner].x, sp[TieRodInner].y);
        const PicPoint outer{m.x0 - kUnitsPerInch * m.k * state.TieRodOuterX[p],
                             m.height(state.TieRodOuterY[p])};
        DrawHorzMember(canvas, inner.x, inner.y, outer.x, outer.y, kTieRod);
        drawPivotDisc(canvas, outer.x, outer.y);
    };

    if (tireBehind) {
        DrawTire(canvas, state, view, tireTop.x, tireTop.y, tireBottom.x, tireBottom.y);
    }
    if (rodBehind) {
        drawTieRod();
    }
    DrawHorzMember(canvas, topInner.x, topInner.y, topBall.x, topBall.y, kMember);
    DrawHorzMember(canvas, bottomInner.x, bottomInner.y, bottomBall.x, bottomBall.y, kMember);
    DrawVertMember(canvas, topBall.x, topBall.y, bottomBall.x, bottomBall.y, kMember);
    if (bumpSteer && !rodBehind) {
        drawTieRod();
    }
    if (!tireBehind) {
        DrawTire(canvas, state, view, tireTop.x, tireTop.y, tireBottom.x, tireBottom.y);
    }
}

void drawSideView(Canvas& canvas, const SuspensionState& state, const PictureView& view,
                  const SideMapping& m, std::size_t p) {
    canvas.setTextColor(colors::Black);
    canvas.setCurrentPosition(kFrontLabelX, kFrontLabelY);
    canvas.print(state.Right_Active ? "Front ->" : "<- Front");

    const auto& sp = state.SusPoints;
    const BallJointPair& joints = state.BallJointPos[p];
    const PicPoint topBall = m.side(joints.top.z, joints.top.y);
    const PicPoint bottomBall = m.side(joints.bottom.z, joints.bottom.y);
    for (const int pivot : {TopFront, TopRear}) {
        const PicPoint inner = m.side(sp[pivot].z, sp[pivot].y);
        DrawHorzMember(canvas, inner.x, inner.y, topBall.x, topBall.y, kMember);
    }
    for (const int pivot : {BottomFront, BottomRear}) {
        const PicPoint inner = m.side(sp[pivot].z, sp[pivot].y);
        DrawHorzMember(canvas, inner.x, inner.y, bottomBall.x, bottomBall.y, kMember);
    }
    DrawVertMember(canvas, topBall.x, topBall.y, bottomBall.x, bottomBall.y, kMember);

    // Wheel centre: midway between the static ball joints along Z, moved by fore/aft.
    const double spindle = state.SpindleHeight;
    const PicPoint centre =
        m.side((sp[TopBall].z + sp[BottomBall].z) / 2 + state.ForeAft[p], spindle + view.WheelPos);
    canvas.line(centre.x, centre.y - 2 * spindle, centre.x, centre.y + 2 * spindle, kWheelLine);
    canvas.setFillStyle(FillStyle::Transparent);
    canvas.setPenStyle(PenStyle::Dot);
    canvas.circle(centre.x, centre.y, 2.5 * spindle, colors::Black);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setFillStyle(FillStyle::Solid);
}

// The steered tire of the bump steer picture: an upright tread and two sidewall ellipses,
// narrowed by the amount of steer. The black one is the sidewall turned toward the viewer.
void drawSteeredTire(Canvas& canvas, const SuspensionState& state, const PictureView& view,
                     double X1, double Y1, double X2, double Y2) {
    const double xm = (X1 + X2) / 2;
    const double ym = (Y1 + Y2) / 2;
    const double spindle = state.SpindleHeight;
    const double ground = kGround - kUnitsPerInch * view.WheelPos;
    canvas.setPenWidth(treadPenWidth(canvas));
    canvas.line(xm, ground, xm, ground - 4 * spindle, colors::Black);
    canvas.setPenWidth(1);

    // Without a value axis there is no steer scale; the upright tread stands alone.
    const double range = view.XRange;
    if (!(range > 0) || !std::isfinite(range)) {
        return;
    }
    const double g = view.g;
    const double s = 6 - std::fabs(g / range * 2.5);
    const double aspect = range * 3.5 / (std::fabs(g) + 0.00001);
    const double r = 2.35 * spindle;
    const bool blackLeft = (state.Right_Active && g > 0) || (!state.Right_Active && g < 0);
    const double xb = blackLeft ? xm - s : xm + s;
    const double xg = blackLeft ? xm + s : xm - s;
    // All of the ellipse but a sliver at its top, closed to the centre at both ends.
    const ArcSpec arc{kInexactPi / 2 + 0.001, kInexactPi / 2 - 0.00001, true};
    canvas.circle(xb, ym, r, colors::Black, aspect, arc);
    canvas.circle(xg, ym, r, kMember, aspect, arc);
    canvas.setPenWidth(2);
    canvas.line(xg, ym, xg, ym - 2 * spindle, colors::Black);
    canvas.setPenWidth(1);
}

} // namespace

int treadPenWidth(const Canvas& picSus) {
    constexpr int kDesignPen = 35;
    constexpr int kDesignWidth = kPictureSurfaceDesignTwips.width / kTwipsPerNaturalPixel;
    const int width = picSus.pixelWidth();
    if (width <= 0) {
        return kDesignPen;
    }
    const long scaled = std::lround(static_cast<double>(kDesignPen) * width / kDesignWidth);
    return static_cast<int>(std::clamp(scaled, 1L, 100000L));
}

void DrawHorzMember(Canvas& picSus, double InnerX, double InnerY, double OuterX, double OuterY,
                    Rgb Color) {
    // The offset accumulates in steps of 0.1 and passes 1.5 after 1.4: fifteen passes.
    for (double d = 0; d <= 1.5; d += 0.1) {
        picSus.line(InnerX, InnerY + d - kShadow, OuterX, OuterY + d - kShadow, Color);
        picSus.line(InnerX, InnerY + d, OuterX, OuterY + d, colors::Black);
    }
    drawPivotDisc(picSus, InnerX, InnerY);
}

void DrawVertMember(Canvas& picSus, double X1, double Y1, double X2, double Y2, Rgb Color) {
    const double upper = Y1 - kShadow;
    const double lower = Y2 + kShadow;
    for (double d = 0; d <= 1.5; d += 0.1) {
        picSus.line(X1 + d, upper, X2 + d, lower, Color);
        picSus.line(X1 + d + kShadow, upper, X2 + d + kShadow, lower, colors::Black);
    }
}

void DrawTire(Canvas& picSus, const SuspensionState& state, const PictureView& view, double X1,
              double Y1, double X2, double Y2) {
    if (state.SideScrubGraph || state.CamberGraph || (state.BumpSteerGraph && view.g == 0)) {
        picSus.setPenWidth(treadPenWidth(picSus));
        picSus.line(X1, Y1, X2, Y2, colors::Black);
        picSus.setPenWidth(1);
    } else if (state.BumpSteerGraph) {
        drawSteeredTire(picSus, state, view, X1, Y1, X2, Y2);
    }
}

void DrawPic(Canvas& picSus, const SuspensionState& state, const PictureView& view) {
    picSus.clear();
    picSus.setScale(0, 0, kPictureSize, kPictureSize);
    picSus.setFont(Font{"MS Sans Serif", 9.75, false});

    const SideMapping mapping(state.Right_Active);
    const std::size_t p = positionIndex(view.CurPos);
    drawValueIndicator(picSus, state, mapping.k, view.g);

    if (state.SideScrubGraph || state.CamberGraph || state.BumpSteerGraph) {
        drawFrontView(picSus, state, view, mapping, p);
    } else if (state.CasterGraph || state.ForeAftGraph) {
        drawSideView(picSus, state, view, mapping, p);
    }
}

} // namespace velmora
