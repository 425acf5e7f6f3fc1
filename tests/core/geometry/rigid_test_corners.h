#pragma once

#include "model/project_file.h"
#include "model/project_file_io.h"
#include "model/suspension_state.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::testing {

// A corner whose arms are horizontal, of equal length `arm` and pivot about parallel axes
// along Z, with the ball joints straight above each other: the upright moves without turning.
// The tie rod runs from (rodInnerX, 9, rodZ) to (22, 9, rodZ); with rodInnerX = 22 - arm it is
// parallel to the arms and as long as they are.
inline CoordinateSet parallelogramCorner(float arm = 12, float rodInnerX = 10, float rodZ = 31) {
    const float pivotX = 22 - arm;
    CoordinateSet c;
    auto put = [&c](int row, float x, float y, float z) {
        c[row] = x;
        c[9 + row] = y;
        c[18 + row] = z;
    };
    put(1, pivotX, 15, 20); // top arm front pivot
    put(2, pivotX, 15, 30); // top arm rear pivot
    put(3, 22, 15, 25);     // top ball joint
    put(4, pivotX, 7, 20);
    put(5, pivotX, 7, 30);
    put(6, 22, 7, 25);
    put(7, rodInnerX, 9, rodZ);
    put(8, 22, 9, rodZ);
    c[9] = 26;  // tire centre
    c[18] = 11; // spindle height
    return c;
}

// The state of an example project from examples/.
inline SuspensionState exampleState(const std::string& name) {
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/" + name);
    SuspensionState state;
    if (read.ok()) {
        applyProjectData(state, *read.project);
    }
    return state;
}

inline const char* const kExamples[] = {"gm-dirt-oval.kqw", "ford-asphalt-oval.kqw",
                                        "formula-road-course.kqw"};

} // namespace velmora::testing
