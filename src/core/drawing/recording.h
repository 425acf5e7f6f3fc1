#pragma once

#include "drawing/canvas.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

enum class DrawOpKind { Scale, Clear, Background, Line, Box, Circle, Print };

// The surface settings in force when an operation was made.
struct DrawState {
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    FillStyle fillStyle = FillStyle::Transparent;
    Rgb fillColor = colors::Black;
    Rgb textColor = colors::Black;
    Font font;
    bool operator==(const DrawState&) const = default;
};

// One recorded operation as a plain value. Which fields carry meaning depends on the kind:
//   Scale       x1, y1 = top-left corner, x2, y2 = bottom-right corner
//   Background  color
//   Line, Box   x1, y1 - x2, y2, color (box: opposite corners)
//   Circle      x1, y1 = centre, radius, color, aspect, arc
//   Print       text, x1, y1 = the position last set explicitly (or by clear), line = how
//               many print statements have run since then (0: the text starts at x1, y1;
//               n > 0: the text starts at the left edge, n lines below y1)
// `state` holds every setting in force, whether or not the kind uses it.
struct DrawOp {
    DrawOpKind kind = DrawOpKind::Clear;
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double radius = 0;
    double aspect = 1;
    std::optional<ArcSpec> arc;
    Rgb color;
    std::string text;
    int line = 0;
    DrawState state;
    bool operator==(const DrawOp&) const = default;
};

using Recording = std::vector<DrawOp>;

// One operation as one line of text, with the settings that matter for its kind, numbers
// with six significant digits:
//   line (0,12)-(100,12) color=192,192,192 pen=1 solid
//   circle (50,50) r=1 color=255,255,0 aspect=1 pen=1 solid fill=transparent
//   print "Front ->" line=0 from (40,85) color=0,0,0 font="MS Sans Serif" 9.75
std::string dumpOp(const DrawOp& op);

// The whole recording, one operation a line, each line ended by '\n'.
std::string dump(const Recording& recording);

// Drives `target` through the recorded operations, setting the recorded state before each
// one, so that replaying onto a RecordingCanvas reproduces the recording.
void replay(const Recording& recording, Canvas& target);

} // namespace velmora
