#pragma once

#include <string>

// The pieces of the text dumps of drawings and printed pages, one operation a line.
namespace velmora {

// Six significant digits keep the reference files readable and immune to differences in
// the last bits of sin and cos between libraries; -0 is written as 0.
std::string dumpNumber(double value);
// "(x,y)" with both numbers as dumpNumber writes them.
std::string dumpPoint(double x, double y);
// The text in double quotes, with quote, backslash, tab, LF and CR escaped C-style.
std::string dumpQuoted(const std::string& text);

} // namespace velmora
