#include "printing/worksheet_figures.h"

#include <cmath>
#include <numbers>

namespace velmora::worksheet {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRodTop = 303;
constexpr double kRodBottom = 327;
constexpr double kRodAxis = 315;
constexpr double kRodLeft = 180;
constexpr double kRodRight = 450;

// The two arms of the front view, shared by the horizontal and the vertical worksheet.
void drawFrontArms(Sheet& s) {
    // Top arm: rounded inner end round its pivot, two edges, the outer end rounded off
    // beside the ball joint, the stud below the joint.
    s.pivot(390, 200);
    s.arc(390, 200, 12, pageAngle({390, 200}, {381, 207}), pageAngle({390, 200}, {384, 190}));
    s.line(384, 190, 234, 163);
    s.line(381, 207, 231, 181);
    const SheetPoint topEnd{232.5, 172};
    s.arc(topEnd.x, topEnd.y, 10, pageAngle(topEnd, {234, 163}), pageAngle(topEnd, {231, 181}));
    // The joint's housing bulges below the arm, round the joint, from edge to edge.
    const SheetPoint topJoint{247, 185};
    s.arc(topJoint.x, topJoint.y, 10, pageAngle(topJoint, {237.1, 182.1}),
          pageAngle(topJoint, {256.9, 185.5}));
    s.jointCross(247, 185);
    s.rectangle(244, 195, 250, 203);

    // Bottom arm: the outer end is drawn round its ball joint, the stud stands above it.
    s.pivot(440, 340);
    s.arc(440, 340, 12, 1.5 * kPi, 0.5 * kPi);
    s.line(440, 328, 216, 328);
    s.line(440, 352, 240, 352);
    s.arc(240, 328, 24, kPi, 1.5 * kPi);
    s.arc(240, 328, 10, 0, kPi);
    s.jointCross(240, 328);
    s.rectangle(237, 310, 243, 318);
}

void drawCarCentreline(Sheet& s, double lastDashEnd) {
    s.centreline(610, {{135, 160}, {170, 180}, {190, 310}, {320, 330}, {340, lastDashEnd}});
}

// A leg of an arm in the side view: the pivot with its rounded end, two edges narrowing
// towards the ball joint (a circle of radius 4).
void drawArmLeg(Sheet& s, SheetPoint pivot, SheetPoint joint) {
    const double dx = joint.x - pivot.x;
    const double dy = joint.y - pivot.y;
    const double length = std::hypot(dx, dy);
    const double ux = dx / length;
    const double uy = dy / length;
    const double nx = -uy;
    const double ny = ux;
    constexpr double kPivotHalf = 5;
    constexpr double kJointHalf = 2;
    const double along = std::sqrt(12.0 * 12.0 - kPivotHalf * kPivotHalf);
    const double back = std::sqrt(4.0 * 4.0 - kJointHalf * kJointHalf);
    const SheetPoint p1{pivot.x + along * ux + kPivotHalf * nx,
                        pivot.y + along * uy + kPivotHalf * ny};
    const SheetPoint p2{pivot.x + along * ux - kPivotHalf * nx,
                        pivot.y + along * uy - kPivotHalf * ny};
    const SheetPoint j1{joint.x - back * ux + kJointHalf * nx,
                        joint.y - back * uy + kJointHalf * ny};
    const SheetPoint j2{joint.x - back * ux - kJointHalf * nx,
                        joint.y - back * uy - kJointHalf * ny};
    s.pivot(pivot.x, pivot.y);
    // The rounded end lies on the side away from the leg: from one edge round to the other.
    const double a1 = pageAngle(pivot, p1);
    const double a2 = pageAngle(pivot, p2);
    const double toJoint = pageAngle(pivot, joint);
    const double span = std::fmod(a2 - a1 + 4 * kPi, 2 * kPi);
    const double mid = std::fmod(a1 + span / 2, 2 * kPi);
    const bool midFacesJoint = std::cos(mid - toJoint) > 0;
    if (midFacesJoint) {
        s.arc(pivot.x, pivot.y, 12, a2, a1);
    } else {
        s.arc(pivot.x, pivot.y, 12, a1, a2);
    }
    s.line(p1, j1);
    s.line(p2, j2);
}

// The tie rod itself: a tube between the two rod ends, the same on every tie-rod page.
void drawRod(Sheet& s) {
    s.line(kRodLeft, kRodTop, kRodRight, kRodTop);
    s.line(kRodLeft, kRodBottom, kRodRight, kRodBottom);
    s.line(kRodLeft, kRodTop, kRodLeft, kRodBottom);
    s.line(kRodRight, kRodTop, kRodRight, kRodBottom);
}

// A round rod end 25 units from `attachX` (`direction` -1: to the left): a neck of half
// width `neck` from the rod to a housing of radius `outer`, a ball of radius `inner` and
// the joint's cross. Returns the x of the housing's centre.
double drawRoundEnd(Sheet& s, double attachX, double direction, double outer, double inner,
                    double neck) {
    const double cx = attachX + 25 * direction;
    const double neckEnd = cx - direction * std::sqrt(outer * outer - neck * neck);
    s.line(attachX, kRodAxis - neck, neckEnd, kRodAxis - neck);
    s.line(attachX, kRodAxis + neck, neckEnd, kRodAxis + neck);
    s.circle(cx, kRodAxis, outer);
    s.circle(cx, kRodAxis, inner);
    s.jointCross(cx, kRodAxis);
    return cx;
}

// A rod-end eye whose shank enters the rod at `attachX`; `direction` -1 points it to the
// left. Returns the x of its far edge.
double drawEye(Sheet& s, double attachX, double direction) {
    constexpr double kRadius = 14;
    return drawRoundEnd(s, attachX, direction, kRadius, 6, 6) + kRadius * direction;
}

// The outer tie-rod end seen from the front: round housing with the ball inside, a neck to
// the rod, the tapered stud standing up with its nut. Returns the x of its far edge.
double drawBallStudEnd(Sheet& s, double attachX, double direction) {
    constexpr double kHousing = 18;
    const double cx = drawRoundEnd(s, attachX, direction, kHousing, 7, 5);
    const double studBase = kRodAxis - std::sqrt(kHousing * kHousing - 6.0 * 6.0);
    s.line(cx - 6, studBase, cx - 3, 262);
    s.line(cx + 6, studBase, cx + 3, 262);
    s.line(cx - 3, 262, cx + 3, 262);
    s.rectangle(cx - 9, 272, cx + 9, 282);
    return cx + kHousing * direction;
}

// A clevis seen from above: a body on the rod, two prongs and the pin between them.
// Returns the x of its far edge.
double drawClevis(Sheet& s, double attachX, double direction) {
    const double bodyEnd = attachX + 15 * direction;
    const double tip = attachX + 50 * direction;
    const double pin = attachX + 32 * direction;
    s.line(attachX, 299, bodyEnd, 299);
    s.line(attachX, 331, bodyEnd, 331);
    s.line(bodyEnd, 299, bodyEnd, 331);
    for (const double outer : {299.0, 331.0}) {
        const double inner = outer < kRodAxis ? outer + 7 : outer - 7;
        s.line(bodyEnd, outer, tip, outer);
        s.line(bodyEnd, inner, tip, inner);
        s.line(tip, outer, tip, inner);
    }
    s.circle(pin, kRodAxis, 5);
    s.jointCross(pin, kRodAxis);
    return tip;
}

} // namespace

void drawHorizontalFigure(Sheet& s) {
    drawCarCentreline(s, 475);
    drawFrontArms(s);

    // Tire, open at the top, with its centre line.
    s.line(40, 155, 40, 425);
    s.line(190, 155, 190, 425);
    s.arc(75, 425, 35, kPi, 1.5 * kPi);
    s.arc(155, 425, 35, 1.5 * kPi, 2 * kPi);
    s.line(75, 460, 155, 460);
    s.centreline(115, {{140, 160}, {170, 180}, {190, 300}, {310, 320}, {330, 440}, {450, 470}});

    // From the centreline to each joint, each ending at a short extension line.
    s.horizontalDimension(610, 248, 150);
    s.line(248, 161, 248, 144);
    s.horizontalDimension(610, 390, 247);
    s.line(390, 216, 390, 253);
    s.horizontalDimension(610, 440, 375);
    s.line(440, 356, 440, 381);
    s.horizontalDimension(610, 240, 420);
    s.line(240, 356, 240, 426);
    s.horizontalDimension(610, 115, 460);
}

void drawVerticalFigure(Sheet& s) {
    drawCarCentreline(s, 430);
    drawFrontArms(s);

    // Upright between the studs and the spindle pointing outboard.
    s.line(244, 203, 237, 310);
    s.line(250, 203, 243, 310);
    s.line(241, 252, 150, 260);
    s.line(241, 278, 150, 270);
    s.line(150, 260, 150, 270);

    s.groundLine(420, 90, 600);

    // Heights above the ground line, each with an extension line from its joint.
    s.verticalDimension(200, 420, 185);
    s.line(241, 185, 194, 185);
    s.verticalDimension(120, 420, 265);
    s.line(146, 265, 114, 265);
    s.verticalDimension(175, 420, 328);
    s.line(212, 328, 169, 328);
    s.verticalDimension(480, 420, 340);
    s.line(454, 340, 486, 340);
    s.verticalDimension(530, 420, 200);
    s.line(404, 200, 536, 200);
}

void drawForeAftFigure(Sheet& s, double referenceX) {
    s.circle(300, 275, 141);
    s.circle(300, 275, 14);
    s.circle(300, 239, 4);
    s.circle(300, 325, 4);
    // Upright from each ball joint to the spindle.
    s.line(297, 243, 297, 261.3);
    s.line(303, 243, 303, 261.3);
    s.line(297, 288.7, 297, 321);
    s.line(303, 288.7, 303, 321);

    const SheetPoint topFront{400, 226};
    const SheetPoint topRear{200, 226};
    const SheetPoint bottomFront{410, 338};
    const SheetPoint bottomRear{190, 338};
    drawArmLeg(s, topFront, {300, 239});
    drawArmLeg(s, topRear, {300, 239});
    drawArmLeg(s, bottomFront, {300, 325});
    drawArmLeg(s, bottomRear, {300, 325});

    s.line(referenceX, 60, referenceX, 485);

    // The top arm's points are dimensioned above the wheel, the bottom arm's below it.
    struct Measured {
        SheetPoint at;
        double dimensionY;
    };
    const Measured above[] = {{topFront, 120}, {{300, 239}, 100}, {topRear, 80}};
    for (const Measured& m : above) {
        s.line(m.at.x, m.at.y - 9, m.at.x, m.dimensionY - 6);
        s.horizontalDimension(referenceX, m.at.x, m.dimensionY);
    }
    const Measured below[] = {{bottomFront, 430}, {{300, 325}, 450}, {bottomRear, 470}};
    for (const Measured& m : below) {
        s.line(m.at.x, m.at.y + 9, m.at.x, m.dimensionY + 6);
        s.horizontalDimension(referenceX, m.at.x, m.dimensionY);
    }
}

void drawTieRodFrontFigure(Sheet& s, bool swapped) {
    drawRod(s);
    const double outerAttach = swapped ? kRodRight : kRodLeft;
    const double innerAttach = swapped ? kRodLeft : kRodRight;
    const double outerEdge = drawBallStudEnd(s, outerAttach, swapped ? 1 : -1);
    const double innerEdge = drawEye(s, innerAttach, swapped ? -1 : 1);
    const double outerX = outerAttach + (swapped ? 25 : -25);
    const double innerX = innerAttach + (swapped ? -25 : 25);

    const double centrelineX = swapped ? 70 : 580;
    s.centreline(centrelineX, {{200, 225}, {235, 245}, {255, 330}, {340, 350}, {360, 445}});
    s.horizontalDimension(centrelineX, outerX, 240);
    s.line(outerX, 258, outerX, 234);
    s.horizontalDimension(centrelineX, innerX, 280);
    s.line(innerX, kRodAxis - 18, innerX, 274);

    s.groundLine(430, 50, 600);
    // The heights stand beside the rod ends, with extension lines from the joint centres.
    const double leftEdge = swapped ? innerEdge : outerEdge;
    const double rightEdge = swapped ? outerEdge : innerEdge;
    s.verticalDimension(110, 430, kRodAxis);
    s.line(leftEdge - 3, kRodAxis, 104, kRodAxis);
    s.verticalDimension(520, 430, kRodAxis);
    s.line(rightEdge + 3, kRodAxis, 526, kRodAxis);
}

void drawTieRodTopFigure(Sheet& s, bool swapped) {
    drawRod(s);
    const double leftEdge = swapped ? drawClevis(s, kRodLeft, -1) : drawEye(s, kRodLeft, -1);
    const double rightEdge = swapped ? drawEye(s, kRodRight, 1) : drawClevis(s, kRodRight, 1);

    s.line(50, 430, 600, 430);
    s.verticalDimension(120, kRodAxis, 430);
    s.line(leftEdge - 3, kRodAxis, 114, kRodAxis);
    s.verticalDimension(520, kRodAxis, 430);
    s.line(rightEdge + 3, kRodAxis, 526, kRodAxis);
}

} // namespace velmora::worksheet
