#pragma once

#include "model/coordinate_rows.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "model/travel.h"

#include <array>
#include <string>
#include <vector>

// How much one curve moves at the ends of the travel when a single coordinate of a corner
// grows by a small step: which pivot to move for the change the user is after.
namespace velmora {

enum class KinematicModel { Classic, Rigid };

struct SensitivityInputs {
    CoordinateSet corner;
    bool right = false; // the side the corner belongs to
    Travel travel;      // inches (none means 9 each way, as in the sweep)
    GraphKind kind = GraphKind::Camber;
    float step = 0.125f; // inches each coordinate grows by
    KinematicModel model = KinematicModel::Classic;
};

// The change of the curve at full bump (position 1) and full rebound (the last position)
// when the coordinate alone grows by the step, in the curve's unit. A value is NaN when
// either sweep did not reach that position; the changed sweep's messages are kept with the
// row.
struct SensitivityRow {
    int index = 0;
    std::string point;
    std::string axis;
    double atBump = 0;
    double atRebound = 0;
    std::vector<Message> messages;

    // The larger of the two changes in magnitude; NaN when neither was reached.
    double largerEffect() const;
};

struct Sensitivity {
    bool complete = false;            // the corner had all 26 values; otherwise there are no rows
    int positions = 0;                // wheel positions of the unchanged sweep
    std::vector<Message> messages;    // of the unchanged sweep
    std::vector<SensitivityRow> rows; // indexes 1..26 in order
};

// Two sweeps per coordinate would repeat the unchanged one 26 times: it runs once, then one
// sweep per changed coordinate. The corner is only read.
Sensitivity sensitivityOf(const SensitivityInputs& inputs);

// The rows by their larger effect, largest first; rows without a value come last, and equal
// effects keep index order.
std::vector<SensitivityRow> byLargestEffect(const Sensitivity& sensitivity);

// The first index whose value the step leaves unchanged in single precision (a step too
// small for it), or 0 when the step changes every value.
int coordinateUnchangedBy(const CoordinateSet& corner, float step);

} // namespace velmora
