#include "drawing/recording.h"

#include <cmath>
#include <cstdio>

namespace velmora {
namespace {

// Six significant digits keep the reference files readable and immune to differences in
// the last bits of sin and cos between libraries; -0 is written as 0.
std::string num(double value) {
    if (value == 0.0) {
        value = 0.0;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

std::string point(double x, double y) {
    std::string text(1, '(');
    text += num(x);
    text += ',';
    text += num(y);
    text += ')';
    return text;
}

std::string rgb(Rgb c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += ch;
        }
    }
    return out + "\"";
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
        return "scale " + point(op.x1, op.y1) + "-" + point(op.x2, op.y2);
    case DrawOpKind::Clear:
        return "clear";
    case DrawOpKind::Background:
        return "background " + rgb(op.color);
    case DrawOpKind::Line:
    case DrawOpKind::Box:
        return (op.kind == DrawOpKind::Line ? "line " : "box ") + point(op.x1, op.y1) + "-" +
               point(op.x2, op.y2) + " color=" + rgb(op.color) + pen(op.state);
    case DrawOpKind::Circle: {
        std::string text = "circle " + point(op.x1, op.y1) + " r=" + num(op.radius) +
                           " color=" + rgb(op.color) + " aspect=" + num(op.aspect);
        if (op.arc) {
            text += " arc=" + num(op.arc->start) + ".." + num(op.arc->end);
            if (op.arc->pie) {
                text += " pie";
            }
        }
        return text + pen(op.state) + fill(op.state);
    }
    case DrawOpKind::Print:
        return "print " + quoted(op.text) + " line=" + std::to_string(op.line) + " from " +
               point(op.x1, op.y1) + " color=" + rgb(op.state.textColor) +
               " font=" + quoted(op.state.font.face) + " " + num(op.state.font.size) +
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
