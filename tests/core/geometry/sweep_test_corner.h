#pragma once

#include "model/message_sink.h"
#include "model/suspension_state.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace velmora::testing {

// Left front corner of a GM-style stock car, inches. Index = 9 x column + row.
//                 top front  top rear  top ball  bot front  bot rear  bot ball  rod in  rod out
//                 tire/spindle
// X (1..9)          9         10        23        7          8         26        9       24 31 Y
// (10..18)       14         15        16.5      8          8         6.5       9       8.5      13
// Z (19..26)       20         30        25.5      20         32        25        20      20.5
inline CoordinateSet referenceCorner() {
    const float values[27] = {0, 9,   10, 23,  7,  8,  26, 9,    24, 31, 14, 15, 16.5, 8,
                              8, 6.5, 9,  8.5, 13, 20, 30, 25.5, 20, 32, 25, 20, 20.5};
    CoordinateSet set;
    for (int i = 1; i <= 26; ++i) {
        set[i] = values[i];
    }
    return set;
}

// The reference corner with some values replaced: {{index, value}, ...}.
inline CoordinateSet referenceWith(std::initializer_list<std::pair<int, float>> changes) {
    CoordinateSet set = referenceCorner();
    for (const auto& [index, value] : changes) {
        set[index] = value;
    }
    return set;
}

// A state whose left side (active) holds `corner`; the right side is empty.
inline SuspensionState leftOnly(const CoordinateSet& corner) {
    SuspensionState state;
    state.LeftCoords = corner;
    return state;
}

// Fills positions 0..36 of every result curve (and the ball joint positions) with a marker,
// so a test can tell which values a sweep wrote.
inline constexpr float kUntouched = -777.0f;

inline void markResults(SuspensionState& state) {
    for (Curve* curve : {&state.CamberChange, &state.SideScrub, &state.CasterChange, &state.ForeAft,
                         &state.BumpSteer, &state.TieRodOuterX, &state.TieRodOuterY}) {
        curve->fill(kUntouched);
    }
    for (BallJointPair& pair : state.BallJointPos) {
        pair.top = pair.bottom = Point3{kUntouched, kUntouched, kUntouched};
    }
}

inline int countTitled(const RecordingMessageSink& sink, const char* title) {
    int n = 0;
    for (const Message& m : sink.messages) {
        n += m.title == title ? 1 : 0;
    }
    return n;
}

inline double degrees(double radians) {
    return radians * 180.0 / 3.14159265358979323846;
}

// Point of the pivot axis f-r whose plan-view position is the foot of the perpendicular from
// the ball joint b: the point the arm swings about in the front view.
inline Point3 axisFoot(Point3 f, Point3 r, Point3 b) {
    const double ux = r.x - f.x, uz = r.z - f.z;
    const double along = ((b.x - f.x) * ux + (b.z - f.z) * uz) / (ux * ux + uz * uz);
    return Point3{f.x + along * ux, f.y + along * (r.y - f.y), f.z + along * uz};
}

// Front-view instant centre (x outboard from the centreline, y up) of a corner at ride
// height, or with the ball joints moved to tb and bb.
struct FrontViewPoint {
    double x = 0;
    double y = 0;
};

inline FrontViewPoint instantCentreOf(const CoordinateSet& c, Point3 tb, Point3 bb) {
    auto point = [&c](int row) { return Point3{c[row], c[9 + row], c[18 + row]}; };
    const Point3 a1 = axisFoot(point(1), point(2), point(3));
    const Point3 a2 = axisFoot(point(4), point(5), point(6));
    const double mt = (tb.y - a1.y) / (tb.x - a1.x);
    const double mb = (bb.y - a2.y) / (bb.x - a2.x);
    const double x = ((a2.y - mb * a2.x) - (a1.y - mt * a1.x)) / (mt - mb);
    return FrontViewPoint{x, a1.y + mt * (x - a1.x)};
}

inline FrontViewPoint instantCentreOf(const CoordinateSet& c) {
    return instantCentreOf(c, Point3{c[3], c[12], c[21]}, Point3{c[6], c[15], c[24]});
}

} // namespace velmora::testing
