#pragma once

#include "drawing/canvas.h"
#include "drawing/segment.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velmora {

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

// The operations of a drawing, one struct each, holding exactly what the Canvas call was
// given.
namespace drawop {

// The user scale: the top-left and bottom-right corners.
struct Scale {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool operator==(const Scale&) const = default;
};

struct Clear {
    bool operator==(const Clear&) const = default;
};

struct Background {
    Rgb color;
    bool operator==(const Background&) const = default;
};

struct Line : Segment {
    Rgb color;
    bool operator==(const Line&) const = default;
};

// A rectangle outline with (x1, y1) and (x2, y2) as opposite corners.
struct Box : Segment {
    Rgb color;
    bool operator==(const Box&) const = default;
};

struct Circle {
    double cx = 0;
    double cy = 0;
    double radius = 0;
    Rgb color;
    double aspect = 1;
    std::optional<ArcSpec> arc;
    bool operator==(const Circle&) const = default;
};

// x, y is the position last set explicitly (or by clear); `line` counts the print
// statements run since then (0: the text starts at x, y; n > 0: it starts at the left edge,
// n lines below y).
struct Print {
    std::string text;
    double x = 0;
    double y = 0;
    int line = 0;
    bool operator==(const Print&) const = default;
};

} // namespace drawop

using DrawCommand = std::variant<drawop::Scale, drawop::Clear, drawop::Background, drawop::Line,
                                 drawop::Box, drawop::Circle, drawop::Print>;

// One recorded operation: what was drawn, and every setting in force when it was, whether
// or not that operation uses it.
struct DrawOp {
    DrawCommand command;
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
