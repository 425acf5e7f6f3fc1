#pragma once

#include "drawing/canvas.h"
#include "drawing/segment.h"

#include <string>

// The pieces of the text dumps of drawings and printed pages, one operation a line.
namespace velmora {

// Six significant digits keep the reference files readable and immune to differences in
// the last bits of sin and cos between libraries; -0 is written as 0.
std::string dumpNumber(double value);
// "(x,y)" with both numbers as dumpNumber writes them.
std::string dumpPoint(double x, double y);
// "(x1,y1)-(x2,y2)": the two ends of a line, the corners of a box or of a scale.
std::string dumpSegment(const Segment& segment);
// The text in double quotes, with quote, backslash, tab, LF and CR escaped C-style.
std::string dumpQuoted(const std::string& text);
// "\"Arial\" 12 bold": the face quoted, the size, and " bold" when bold.
std::string dumpFont(const Font& font);

// Every operation of a recording as `dumpOne` writes it, each line ended by '\n'.
template <class Operations, class DumpOne>
std::string dumpLines(const Operations& operations, DumpOne dumpOne) {
    std::string text;
    for (const auto& op : operations) {
        text += dumpOne(op);
        text += '\n';
    }
    return text;
}

} // namespace velmora
