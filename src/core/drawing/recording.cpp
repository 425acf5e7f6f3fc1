#include "drawing/recording.h"

#include "drawing/dump_text.h"

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

// One overload per operation: std::visit does not compile while one is missing.
std::string dumpOf(const drawop::Scale& op, const DrawState&) {
    return "scale " + dumpSegment({op.left, op.top, op.right, op.bottom});
}

std::string dumpOf(const drawop::Clear&, const DrawState&) {
    return "clear";
}

std::string dumpOf(const drawop::Background& op, const DrawState&) {
    return "background " + rgb(op.color);
}

std::string dumpOf(const drawop::Line& op, const DrawState& state) {
    return "line " + dumpSegment(op) + " color=" + rgb(op.color) + pen(state);
}

std::string dumpOf(const drawop::Box& op, const DrawState& state) {
    return "box " + dumpSegment(op) + " color=" + rgb(op.color) + pen(state);
}

std::string dumpOf(const drawop::Circle& op, const DrawState& state) {
    std::string text = "circle " + dumpPoint(op.cx, op.cy) + " r=" + dumpNumber(op.radius) +
                       " color=" + rgb(op.color) + " aspect=" + dumpNumber(op.aspect);
    if (op.arc) {
        text += " arc=" + dumpNumber(op.arc->start) + ".." + dumpNumber(op.arc->end);
        if (op.arc->pie) {
            text += " pie";
        }
    }
    return text + pen(state) + fill(state);
}

std::string dumpOf(const drawop::Print& op, const DrawState& state) {
    return "print " + dumpQuoted(op.text) + " line=" + std::to_string(op.line) + " from " +
           dumpPoint(op.x, op.y) + " color=" + rgb(state.textColor) +
           " font=" + dumpFont(state.font);
}

void replayOn(Canvas& target, const drawop::Scale& op) {
    target.setScale(op.left, op.top, op.right, op.bottom);
}

void replayOn(Canvas& target, const drawop::Clear&) {
    target.clear();
}

void replayOn(Canvas& target, const drawop::Background& op) {
    target.setBackground(op.color);
}

void replayOn(Canvas& target, const drawop::Line& op) {
    target.line(op.x1, op.y1, op.x2, op.y2, op.color);
}

void replayOn(Canvas& target, const drawop::Box& op) {
    target.box(op.x1, op.y1, op.x2, op.y2, op.color);
}

void replayOn(Canvas& target, const drawop::Circle& op) {
    target.circle(op.cx, op.cy, op.radius, op.color, op.aspect, op.arc);
}

void replayOn(Canvas& target, const drawop::Print& op) {
    // Follow-on lines continue from wherever the previous print left the target.
    if (op.line == 0) {
        target.setCurrentPosition(op.x, op.y);
    }
    target.print(op.text);
}

} // namespace

std::string dumpOp(const DrawOp& op) {
    return std::visit([&](const auto& command) { return dumpOf(command, op.state); }, op.command);
}

std::string dump(const Recording& recording) {
    return dumpLines(recording, dumpOp);
}

void replay(const Recording& recording, Canvas& target) {
    for (const DrawOp& op : recording) {
        target.setPenWidth(op.state.penWidth);
        target.setPenStyle(op.state.penStyle);
        target.setFillStyle(op.state.fillStyle);
        target.setFillColor(op.state.fillColor);
        target.setTextColor(op.state.textColor);
        target.setFont(op.state.font);
        std::visit([&](const auto& command) { replayOn(target, command); }, op.command);
    }
}

} // namespace velmora
