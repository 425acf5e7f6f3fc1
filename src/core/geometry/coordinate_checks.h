#pragma once

#include "model/coordinate_box_texts.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"

#include <optional>

// What the coordinate table's OK does with its 26 box texts: four plausibility checks of the
// A-arms, then the conversion of every box into the active side's coordinate set.
namespace velmora {

// The plausibility checks in the order they are made.
enum class CoordinateCheck {
    BallJointHeights,       // top ball joint above the bottom one
    PivotHeights,           // top arm pivots above the bottom arm pivots
    TopBallJointOutboard,   // top ball joint outboard of its pivots
    BottomBallJointOutboard // bottom ball joint outboard of its pivots
};

// The message of a failed check: title "Impossible Combination", OK, no icon.
Message impossibleCombinationMessage(CoordinateCheck check);

// The message of a box that could not be stored: title "Missing data", OK, warning icon.
Message missingDataMessage();

// The first check that fails on the boxes' leading numbers (an empty box counts as 0), or
// nothing when all four hold. Every comparison is strict: equal heights fail.
std::optional<CoordinateCheck> firstFailedCheck(const CoordinateBoxTexts& texts);

// Outcome of reading the table.
struct CoordinateTableResult {
    // A failed check: nothing is stored and the table stays open.
    std::optional<CoordinateCheck> failedCheck;

    // Otherwise the converted values. Indexes 1..firstFailure-1 hold the boxes' values;
    // firstFailure is 0 when every box converted.
    CoordinateSet values;
    int firstFailure = 0;

    bool accepted() const { return !failedCheck.has_value(); }
    bool complete() const { return accepted() && firstFailure == 0; }

    // The message to show: the failed check's, the missing-data one, or none.
    std::optional<Message> message() const;
};

// Runs the checks and, when they pass, converts the boxes in index order up to the first one
// that is empty or not a complete number.
CoordinateTableResult readCoordinateTable(const CoordinateBoxTexts& texts);

// Stores an accepted result into the target set: the indexes before the failing box are
// updated, the failing box and everything after it keep their values. A refused result
// leaves the set untouched. Returns whether anything was stored.
bool applyCoordinateTable(const CoordinateTableResult& result, CoordinateSet& target);

} // namespace velmora
