#pragma once

#include "model/project_file.h"
#include "model/project_file_io.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::testing {

// The state of the example project `name` (a path under examples/), as Open leaves it.
inline SuspensionState example(const std::string& name) {
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/" + name);
    EXPECT_TRUE(read.ok()) << name;
    SuspensionState state;
    if (read.ok()) {
        applyProjectData(state, *read.project);
    }
    return state;
}

inline const char* const kExamples[] = {"gm-dirt-oval.kqw", "ford-asphalt-oval.kqw",
                                        "formula-road-course.kqw"};

// Equal parallel arms 12 in long, pivot axes along Z at X 10, ball joints straight above each
// other at X 22, tire centre 26, spindle height 11: at ride height the upright moves straight
// up, one inch per inch of travel.
inline CoordinateSet parallelArms() {
    CoordinateSet c;
    const float rows[9][3] = {{10, 15, 20}, {10, 15, 30}, {22, 15, 25}, {10, 7, 20}, {10, 7, 30},
                              {22, 7, 25},  {10, 9, 31},  {22, 9, 31},  {26, 11, 0}};
    for (int r = 0; r < 9; ++r) {
        c[r + 1] = rows[r][0];
        c[r + 10] = rows[r][1];
        if (r < 8) {
            c[r + 19] = rows[r][2];
        }
    }
    return c;
}

} // namespace velmora::testing
