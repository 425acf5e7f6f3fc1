#pragma once

#include "model/message_sink.h"
#include "model/suspension_state.h"

#include <array>
#include <map>
#include <string>

namespace velmora {

// The value labels of the static-geometry frame row by row: steering axis inclination, scrub
// radius, caster angle and caster trail of each side, then the roll centre's height and
// offset, which belong to the whole car and have one label only (left is null).
struct StaticValueRow {
    const char* right;
    const char* left;
};

inline constexpr std::array<StaticValueRow, 6> kStaticValueRows = {{
    {"lblStatRAxis", "lblStaticLAxis"},
    {"lblStatRRadius", "lblStatLRadius"},
    {"lblStatRCA", "lblStatLCasA"},
    {"lblStatRCTR", "lblStatLCasTR"},
    {"lblStatRCH", nullptr},
    {"lblStatRCO", nullptr},
}};

// The labels clearing one side empties: its own four and both labels of the car.
std::array<const char*, 6> sideStaticLabels(bool right);

// Captions of the ten value labels of the static-geometry frame, keyed by label name:
// lblStatRAxis, lblStatRRadius, lblStatRCA, lblStatRCTR (right side), lblStaticLAxis,
// lblStatLRadius, lblStatLCasA, lblStatLCasTR (left side), lblStatRCH, lblStatRCO (car).
// A cleared label has empty text.
struct StaticCaptions {
    std::map<std::string, std::string> byLabel;
};

// The static-geometry command: runs the sweep in its static-only mode over both sides and
// formats the results. Leaves StaticOnly False; may set a tiny RollCenterOffset to 0.
StaticCaptions runStaticGeometry(SuspensionState& state, MessageSink& sink);

// Empty the right side's (or left side's) four labels and both roll-centre labels.
void Clear_RStat(StaticCaptions& captions);
void Clear_LStat(StaticCaptions& captions);

} // namespace velmora
