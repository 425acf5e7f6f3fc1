#include "mainwindow/side_panel_pictures.h"

#include <optional>

namespace velmora {

namespace {

struct StylePictures {
    SidePictures leftLive;
    SidePictures rightLive;
    SidePictures leftGreyed;
    SidePictures rightGreyed;
};

std::optional<StylePictures> picturesOfStyle(const std::string& style) {
    if (style == "GM") {
        return StylePictures{{"\\gmltop.bmp", "\\gmlbot.bmp", "\\gmtr.bmp", {}},
                             {"\\gmrtop.bmp", "\\gmrbot.bmp", "\\gmtr.bmp", {}},
                             {"\\gmdisltop.bmp", "\\gmdislbot.bmp", "\\gmdistr.bmp", {}},
                             {"\\gmdisrtop.bmp", "\\gmdisrbot.bmp", "\\gmdistr.bmp", {}}};
    }
    if (style == "Ford") {
        return StylePictures{{"\\gmltop.bmp", "\\fordlbot.bmp", "\\gmtr.bmp", {}},
                             {"\\gmrtop.bmp", "\\fordrbot.bmp", "\\gmtr.bmp", {}},
                             {"\\gmdisltop.bmp", "\\fdislbot.bmp", "\\gmdistr.bmp", {}},
                             {"\\gmdisrtop.bmp", "\\fdisrbot.bmp", "\\gmdistr.bmp", {}}};
    }
    if (style == "formula") {
        return StylePictures{{"\\2000ltop.bmp", "\\2000lbot.bmp", "\\2000tr.bmp", {}},
                             {"\\2000rtop.bmp", "\\2000rbot.bmp", "\\2000tr.bmp", {}},
                             {"\\2disltop.bmp", "\\2dislbot.bmp", "\\2distr.bmp", {}},
                             {"\\2disrtop.bmp", "\\2disrbot.bmp", "\\2distr.bmp", {}}};
    }
    return std::nullopt;
}

} // namespace

SidePanelPictures sidePanelPictures(const std::string& carStyle, bool rightActive) {
    SidePanelPictures pictures;
    if (const auto style = picturesOfStyle(carStyle)) {
        pictures.left = rightActive ? style->leftGreyed : style->leftLive;
        pictures.right = rightActive ? style->rightLive : style->rightGreyed;
    }
    // The table buttons look the same for every style.
    pictures.left.xyz = rightActive ? "\\disxyz.bmp" : "\\xyz.bmp";
    pictures.right.xyz = rightActive ? "\\xyz.bmp" : "\\disxyz.bmp";
    return pictures;
}

} // namespace velmora
