#include "pictures/side_panel_pictures.h"

#include <optional>

namespace velmora {

namespace {

// The Ford style shares the GM top arm and tie rod pictures.
constexpr std::array<PanelPictureName, 26> kPanelPictureNames{{
    {"gmltop", CarLook::GM, PictureGroup::Top, false, false},
    {"gmrtop", CarLook::GM, PictureGroup::Top, true, false},
    {"gmlbot", CarLook::GM, PictureGroup::Bottom, false, false},
    {"gmrbot", CarLook::GM, PictureGroup::Bottom, true, false},
    {"gmtr", CarLook::GM, PictureGroup::Misc, false, false},
    {"gmdisltop", CarLook::GM, PictureGroup::Top, false, true},
    {"gmdisrtop", CarLook::GM, PictureGroup::Top, true, true},
    {"gmdislbot", CarLook::GM, PictureGroup::Bottom, false, true},
    {"gmdisrbot", CarLook::GM, PictureGroup::Bottom, true, true},
    {"gmdistr", CarLook::GM, PictureGroup::Misc, false, true},
    {"fordlbot", CarLook::Ford, PictureGroup::Bottom, false, false},
    {"fordrbot", CarLook::Ford, PictureGroup::Bottom, true, false},
    {"fdislbot", CarLook::Ford, PictureGroup::Bottom, false, true},
    {"fdisrbot", CarLook::Ford, PictureGroup::Bottom, true, true},
    {"2000ltop", CarLook::Formula, PictureGroup::Top, false, false},
    {"2000rtop", CarLook::Formula, PictureGroup::Top, true, false},
    {"2000lbot", CarLook::Formula, PictureGroup::Bottom, false, false},
    {"2000rbot", CarLook::Formula, PictureGroup::Bottom, true, false},
    {"2000tr", CarLook::Formula, PictureGroup::Misc, false, false},
    {"2disltop", CarLook::Formula, PictureGroup::Top, false, true},
    {"2disrtop", CarLook::Formula, PictureGroup::Top, true, true},
    {"2dislbot", CarLook::Formula, PictureGroup::Bottom, false, true},
    {"2disrbot", CarLook::Formula, PictureGroup::Bottom, true, true},
    {"2distr", CarLook::Formula, PictureGroup::Misc, false, true},
    {"xyz", CarLook::GM, PictureGroup::Table, false, false},
    {"disxyz", CarLook::GM, PictureGroup::Table, false, true},
}};

// The name of a button's picture; a style without a picture of its own for the group (the
// Ford top arm and tie rod, every style's table button) takes the GM one. The tie rod and
// table pictures serve both sides.
std::string panelPicture(CarLook look, PictureGroup group, bool right, bool greyed) {
    const bool sided = group == PictureGroup::Top || group == PictureGroup::Bottom;
    const PanelPictureName* fallback = nullptr;
    for (const PanelPictureName& name : kPanelPictureNames) {
        if (name.group != group || name.greyed != greyed || (sided && name.right != right)) {
            continue;
        }
        if (name.look == look) {
            return "\\" + std::string(name.stem) + ".bmp";
        }
        if (name.look == CarLook::GM) {
            fallback = &name;
        }
    }
    return fallback != nullptr ? "\\" + std::string(fallback->stem) + ".bmp" : std::string();
}

} // namespace

const std::array<PanelPictureName, 26>& panelPictureNames() {
    return kPanelPictureNames;
}

SidePanelPictures sidePanelPictures(const std::string& carStyle, bool rightActive) {
    SidePanelPictures pictures;
    for (const bool right : {false, true}) {
        SidePictures& side = right ? pictures.right : pictures.left;
        const bool greyed = right != rightActive;
        if (const std::optional<CarLook> look = carLookOf(carStyle)) {
            side.top = panelPicture(*look, PictureGroup::Top, right, greyed);
            side.bottom = panelPicture(*look, PictureGroup::Bottom, right, greyed);
            side.misc = panelPicture(*look, PictureGroup::Misc, right, greyed);
        }
        // The table buttons look the same for every style.
        side.xyz = panelPicture(CarLook::GM, PictureGroup::Table, right, greyed);
    }
    return pictures;
}

} // namespace velmora
