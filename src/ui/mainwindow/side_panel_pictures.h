#pragma once

#include <string>

namespace velmora {

// Picture names of one side's four buttons.
struct SidePictures {
    std::string top;
    std::string bottom;
    std::string misc;
    std::string xyz;
};

// What the side panels show for a car style and an active side: the active side live
// pictures, the other side greyed ones ("dis" in the name). Names begin with a backslash
// and are relative to the program's folder. For a style other than "GM", "Ford" and
// "formula" the Top, Bottom and Misc names are empty: those buttons keep their pictures.
struct SidePanelPictures {
    SidePictures left;
    SidePictures right;
};

SidePanelPictures sidePanelPictures(const std::string& carStyle, bool rightActive);

} // namespace velmora
