#pragma once

// Reading recorded drawings in tests: the operations of one kind, their colours, points and
// texts.

#include "drawing/recording.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velmora::testing {

template <class Op> bool is(const DrawOp& op) {
    return std::holds_alternative<Op>(op.command);
}

// The operation as the kind the test expects it to be; any other kind throws, which fails
// the test.
template <class Op> const Op& as(const DrawOp& op) {
    return std::get<Op>(op.command);
}

// Every operation of one kind, in the order drawn.
template <class Op> std::vector<Op> opsOf(const Recording& ops) {
    std::vector<Op> found;
    for (const DrawOp& op : ops) {
        if (const Op* typed = std::get_if<Op>(&op.command)) {
            found.push_back(*typed);
        }
    }
    return found;
}

// The colour an operation draws in: lines, boxes, circles and the background have one.
inline std::optional<Rgb> colorOf(const DrawOp& op) {
    if (const auto* line = std::get_if<drawop::Line>(&op.command)) {
        return line->color;
    }
    if (const auto* box = std::get_if<drawop::Box>(&op.command)) {
        return box->color;
    }
    if (const auto* circle = std::get_if<drawop::Circle>(&op.command)) {
        return circle->color;
    }
    if (const auto* background = std::get_if<drawop::Background>(&op.command)) {
        return background->color;
    }
    return std::nullopt;
}

// The lines drawn in `color`, in order.
inline std::vector<drawop::Line> linesIn(const Recording& ops, Rgb color) {
    std::vector<drawop::Line> lines;
    for (const drawop::Line& line : opsOf<drawop::Line>(ops)) {
        if (line.color == color) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The texts printed, in order.
inline std::vector<std::string> printedTexts(const Recording& ops) {
    std::vector<std::string> texts;
    for (const drawop::Print& print : opsOf<drawop::Print>(ops)) {
        texts.push_back(print.text);
    }
    return texts;
}

struct Xy {
    double x = 0;
    double y = 0;
};

// The points an operation is placed by: both ends of a line or box, the two corners of a
// scale, the centre of a circle, where a print starts; none for clear and background.
inline std::vector<Xy> pointsOf(const DrawOp& op) {
    if (const auto* line = std::get_if<drawop::Line>(&op.command)) {
        return {{line->x1, line->y1}, {line->x2, line->y2}};
    }
    if (const auto* box = std::get_if<drawop::Box>(&op.command)) {
        return {{box->x1, box->y1}, {box->x2, box->y2}};
    }
    if (const auto* scale = std::get_if<drawop::Scale>(&op.command)) {
        return {{scale->left, scale->top}, {scale->right, scale->bottom}};
    }
    if (const auto* circle = std::get_if<drawop::Circle>(&op.command)) {
        return {{circle->cx, circle->cy}};
    }
    if (const auto* print = std::get_if<drawop::Print>(&op.command)) {
        return {{print->x, print->y}};
    }
    return {};
}

} // namespace velmora::testing
