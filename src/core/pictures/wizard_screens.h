#pragma once

#include "pictures/picture_key.h"

#include <array>
#include <optional>

namespace velmora {

// One box of a wizard screen: the coordinate index it shows and writes, and its prompt.
struct WizardBox {
    int index = 0;
    const char* prompt = "";
};

// The boxes A, B, C of a group's screen for an axis; the misc Z screen has no C.
struct WizardScreen {
    std::array<std::optional<WizardBox>, 3> boxes;
};

WizardScreen wizardScreen(PictureGroup group, PictureAxis axis);

} // namespace velmora
