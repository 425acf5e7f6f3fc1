#pragma once

namespace velmora {

// Two points: the ends of a recorded line, or the opposite corners of a recorded box, in
// the drawing's and the printer's recordings alike.
struct Segment {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    bool operator==(const Segment&) const = default;
};

} // namespace velmora
