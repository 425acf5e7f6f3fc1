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

} // namespace velmora::testing
