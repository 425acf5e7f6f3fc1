#pragma once

#include "chassis/anti_dive.h"
#include "chassis/dive_roll.h"
#include "drawing/canvas.h"
#include "printing/printer.h"

#include <string>
#include <vector>

// The two pictures of the Dive and Roll window, as plain figures in inches (u across, v up)
// so that one description is drawn on the window's surface and printed on the page.
namespace velmora {

enum class FigureInk {
    Frame,        // the picture's border and the plot's axes
    Centreline,   // the car's centreline, dotted
    Ground,       // the tilted ground line through the contact patches
    RightSide,    // arms and upright of the right corner
    LeftSide,     // arms and upright of the left corner
    Tire,         // tire outlines
    Construction, // arm lines carried to the instant centres, and the instant centres' marks
    PatchLine,    // from the contact patches through the instant centres to the roll centre
    RollCentre,   // the roll centre at the state, and the current point of the path
    StaticMark,   // the roll centre at ride height, drawn faintly
    Path,         // the roll centre's path
    Baseline,     // a baseline's roll centre path, cut into dashes
};

struct FigureLine {
    FrontPoint a, b;
    FigureInk ink;
};
struct FigureMark { // a small circle with a cross
    FrontPoint at;
    FigureInk ink;
};
struct FigureText { // the text starts at `at` (its top left)
    FrontPoint at;
    std::string text;
};

struct Figure {
    // The part of the (u, v) plane shown, v upward.
    double uMin = 0, uMax = 1, vMin = 0, vMax = 1;
    bool equalScale = false; // inches across as long as inches up (the front view)
    std::vector<FigureLine> lines;
    std::vector<FigureMark> marks;
    std::vector<FigureText> texts; // in figure units too
};

// Both corners at the state: arms, uprights and tires on the ground line, the arm lines
// carried to their instant centres and the patch lines to the roll centre (or to the edge),
// the roll centre and, faintly, `staticRollCentre`. The instant centres and the roll centre
// that fall inside the picture are marked and named ("IC R", "IC L", "RC") where the name
// covers no line, mark or text. An unsolved state shows its messages.
Figure frontViewFigure(const DiveRollState& state, const FrontEnd& front);

// The roll centre's path, offset across and height up, with the last state marked. With a
// baseline's path over the same dive and roll, it is drawn dashed beneath (the scale taking in
// both) with a legend.
Figure rollPathFigure(const DiveRollPath& path, const DiveRollPath* baseline = nullptr);

// Where a figure is drawn: the screen shows colours and wide side lines, the paper is black
// with pens by ink and marks in page units, its dotted and dashed lines cut into segments
// (the printer's pen draws only solid lines).
enum class FigureSurface { Screen, Paper };

// The figure scaled into the rectangle (x, y, w, h) of a canvas whose scale is its pixels
// (y down), or its page units on paper.
void drawFigure(Canvas& canvas, const Figure& figure, double x, double y, double w, double h,
                FigureSurface surface = FigureSurface::Screen);
// The same into a rectangle of the page, through the page's canvas (PageRegionCanvas).
void printFigure(Printer& printer, const Figure& figure, double x, double y, double w, double h);

// The rows of the window's table and the page: caption with the unit, right value, left value,
// in thousandths (percentages in tenths). The wheels' rows come first; a heading row then opens
// the whole car's section, whose rows hold one value (in `right`) for both sides.
enum class RollRowKind { Wheels, Heading, Car };
struct RollTableRow {
    std::string caption;
    std::string right;
    std::string left;
    RollRowKind kind = RollRowKind::Wheels;
};
inline constexpr const char* kWholeCarHeading = "Whole car";
std::vector<RollTableRow> rollTableRows(const DiveRollState& state);
// The same with the anti-dive rows, which belong to the car at ride height, after the wheels'
// rows and before the whole car's.
std::vector<RollTableRow> rollTableRows(const DiveRollState& state, const AntiDive& antiDive);

// The window's picture: the front view on the left, the path on the right, on a surface of
// `width` by `height` pixels.
void drawDiveRoll(Canvas& canvas, int width, int height, const Figure& frontView,
                  const Figure& path);

// The printed page: title, both figures, the table with the anti-dive rows and the project
// file, then endDoc.
void buildDiveRollPage(Printer& printer, const DiveRollState& state, const DiveRollPath& path,
                       const FrontEnd& front, const AntiDive& antiDive,
                       const std::string& fileCaption);

} // namespace velmora
