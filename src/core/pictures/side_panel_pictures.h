#pragma once

#include "pictures/picture_key.h"

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// One picture of a side-panel button: the stem of its name ("gmltop" for "\gmltop.bmp") and
// what it shows. The tie-rod pictures serve both sides and count as the left one.
struct PanelPictureName {
    std::string_view stem;
    CarLook look;
    PictureGroup group;
    bool right;
    bool greyed;
};

// Every side-panel picture the program asks for, the one list that both the names the panels
// show and the names the pictures part reads come from.
const std::array<PanelPictureName, 26>& panelPictureNames();

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
