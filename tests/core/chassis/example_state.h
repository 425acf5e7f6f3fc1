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

} // namespace velmora::testing
