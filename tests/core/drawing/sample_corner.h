#pragma once

// A plausible stock-car front corner with sweep results, for drawing tests: both sides get
// the same coordinates, the travel is 3 inches each way (25 positions, step 0.25) and the
// result curves are smooth synthetic functions of the travel.

#include "geometry/sweep.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"

namespace velmora::testing {

inline void setSampleCoordinates(CoordinateSet& set) {
    // X, Y, Z of rows 1..8, then tire centre and spindle height.
    const float points[8][3] = {
        {9, 14, 20},      // top arm front pivot
        {10, 15, 30},     // top arm rear pivot
        {23, 16.5, 25.5}, // top ball joint
        {7, 8, 20},       // bottom arm front pivot
        {8, 8, 32},       // bottom arm rear pivot
        {26, 6.5, 25},    // bottom ball joint
        {9, 8.5, 20},     // tie rod inner
        {24, 8.5, 20.5},  // tie rod outer
    };
    for (int row = 1; row <= 8; ++row) {
        set[row] = points[row - 1][0];
        set[9 + row] = points[row - 1][1];
        set[18 + row] = points[row - 1][2];
    }
    set[9] = 31;
    set[18] = 13;
}

// Fills the working point set and the result curves as a sweep of the active side would.
inline void fillSyntheticSweep(SuspensionState& state) {
    const CoordinateSet& set = state.activeCoords();
    for (int row = 1; row <= 8; ++row) {
        state.SusPoints[static_cast<std::size_t>(row)] = {set[row], set[9 + row], set[18 + row]};
    }
    state.TireCenterX = set[9];
    state.SpindleHeight = set[18];
    state.VI = (state.VU + state.VD) / 6;
    state.VY = state.VI * 0.25f;
    const int n = positionCount(state.VU, state.VD, state.VY);
    for (int i = 0; i <= n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const float t = state.VU - static_cast<float>(i - 1) * state.VY; // bump positive
        state.CamberChange[at] = -0.6f * t + 0.04f * t * t;
        state.SideScrub[at] = 0.05f * t - 0.03f * t * t;
        state.CasterChange[at] = 0.1f * t;
        state.ForeAft[at] = -0.02f * t;
        state.BumpSteer[at] = 0.05f * t + 0.01f * t * t;
        state.TieRodOuterX[at] = set[8] - 0.02f * t * t;
        state.TieRodOuterY[at] = set[17] + t;
        state.BallJointPos[at].top = {set[3] - 0.03 * t * t, set[12] + t, set[21] + 0.03 * t};
        state.BallJointPos[at].bottom = {set[6] + 0.02 * t * t, set[15] + t, set[24] - 0.01 * t};
    }
}

// Both sides entered with the sample corner, the given side active and swept.
inline SuspensionState sampleCorner(bool rightActive) {
    SuspensionState state;
    setSampleCoordinates(state.RightCoords);
    setSampleCoordinates(state.LeftCoords);
    state.Right_Active = rightActive;
    fillSyntheticSweep(state);
    return state;
}

// Both sides entered with the sample corner, the given side active and swept by CALC.
inline SuspensionState sweptCorner(bool rightActive, RecordingMessageSink* messages = nullptr) {
    SuspensionState state;
    setSampleCoordinates(state.RightCoords);
    setSampleCoordinates(state.LeftCoords);
    state.Right_Active = rightActive;
    RecordingMessageSink sink;
    CALC(state, messages ? *messages : sink);
    return state;
}

} // namespace velmora::testing
