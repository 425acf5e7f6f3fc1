#include "drawing/dump_text.h"

#include <cstdio>

namespace velmora {

std::string dumpNumber(double value) {
    if (value == 0.0) {
        value = 0.0;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

std::string dumpPoint(double x, double y) {
    std::string text(1, '(');
    text += dumpNumber(x);
    text += ',';
    text += dumpNumber(y);
    text += ')';
    return text;
}

std::string dumpSegment(const Segment& segment) {
    return dumpPoint(segment.x1, segment.y1) + "-" + dumpPoint(segment.x2, segment.y2);
}

std::string dumpQuoted(const std::string& text) {
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
    out += '"';
    return out;
}

std::string dumpFont(const Font& font) {
    return dumpQuoted(font.face) + " " + dumpNumber(font.size) + (font.bold ? " bold" : "");
}

} // namespace velmora
