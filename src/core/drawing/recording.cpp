#include "drawing/recording.h"

#include "drawing/dump_text.h"

#include <cmath>
#include <cstdio>

namespace velmora {
namespace {

std::string rgb(Rgb c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::string pen(const DrawState& state) {
    return " pen=" + std::to_string(state.penWidth) +
           (state.penStyle == PenStyle::Solid ? " solid" : " dot");
}

std::string fill(const DrawState& state) {
    if (state.fillStyle == FillStyle::Transparent) {
        return " fill=transparent";
    }
    return " fill=solid " + rgb(state.fillColor);
}

} // namespace

std::string dumpOp(const DrawOp& op) {
    switch (op.kind) {
    case DrawOpKind::Scale:
        return "scale " + dumpPoint(op.x1, op.y1) + "-" + dumpPoint(op.x2, op.y2);
    case DrawOpKind::Clear:
        return "clear";
    case DrawOpKind::Background:
        return "background " + rgb(op.color);
    case DrawOpKind::Line:
    case DrawOpKind::Box:
        return (op.kind == DrawOpKind::Line ? "line " : "box ") + dumpPoint(op.x1, op.y1) + "-" +
               dumpPoint(op.x2, op.y2) + " color=" + rgb(op.color) + pen(op.state);
    case DrawOpKind::Circle: {
        std::string text = "circle " + dumpPoint(op.x1, op.y1) + " r=" + dumpNumber(op.radius) +
                           " color=" + rgb(op.color) + " aspect=" + dumpNumber(op.aspect);
        if (op.arc) {
            text += " arc=" + dumpNumber(op.arc->start) + ".." + dumpNumber(op.arc->end);
            if (op.arc->pie) {
                text += " pie";
            }
        }
        return text + pen(op.state) + fill(op.state);
    }
    case DrawOpKind::Print:
        return "print " + dumpQuoted(op.text) + " line=" + std::to_string(op.line) + " from " +
               dumpPoint(op.x1, op.y1) + " color=" + rgb(op.state.textColor) +
               " font=" + dumpQuoted(op.state.font.face) + " " + dumpNumber(op.state.font.size) +
               (op.state.font.bold ? " bold" : "");
    }
    return "unknown";
}

std::string dump(const Recording& recording) {
    std::string text;
    for (const DrawOp& op : recording) {
        text += dumpOp(op);
        text += '\n';
    }
    return text;
}

void replay(const Recording& recording, Canvas& target) {
    for (const DrawOp& op : recording) {
        target.setPenWidth(op.state.penWidth);
        target.setPenStyle(op.state.penStyle);
        target.setFillStyle(op.state.fillStyle);
        target.setFillColor(op.state.fillColor);
        target.setTextColor(op.state.textColor);
        target.setFont(op.state.font);
        switch (op.kind) {
        case DrawOpKind::Scale:
            target.setScale(op.x1, op.y1, op.x2, op.y2);
            break;
        case DrawOpKind::Clear:
            target.clear();
            break;
        case DrawOpKind::Background:
            target.setBackground(op.color);
            break;
        case DrawOpKind::Line:
            target.line(op.x1, op.y1, op.x2, op.y2, op.color);
            break;
        case DrawOpKind::Box:
            target.box(op.x1, op.y1, op.x2, op.y2, op.color);
            break;
        case DrawOpKind::Circle:
            target.circle(op.x1, op.y1, op.radius, op.color, op.aspect, op.arc);
            break;
        case DrawOpKind::Print:
            // Follow-on lines continue from wherever the previous print left the target.
            if (op.line == 0) {
                target.setCurrentPosition(op.x1, op.y1);
            }
            target.print(op.text);
            break;
        }
    }
}

} // namespace velmora
