#include "pictures/picture_key.h"
#include "pictures/side_panel_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace velmora {
namespace {

TEST(PictureKey, EveryNameTheProgramAsksForResolves) {
    // Every name the side panels ask for, by style and active side, is in the one list.
    std::vector<std::string> names;
    for (const char* style : {"GM", "Ford", "formula"}) {
        for (const bool right : {false, true}) {
            const SidePanelPictures panel = sidePanelPictures(style, right);
            for (const SidePictures* side : {&panel.left, &panel.right}) {
                for (const std::string* name :
                     {&side->top, &side->bottom, &side->misc, &side->xyz}) {
                    if (std::find(names.begin(), names.end(), *name) == names.end()) {
                        names.push_back(*name);
                    }
                }
            }
        }
    }
    ASSERT_EQ(names.size(), panelPictureNames().size());
    for (const char* style : {"GM", "Ford", "formula"}) {
        for (const bool right : {false, true}) {
            for (const auto axis : {PictureAxis::X, PictureAxis::Y, PictureAxis::Z}) {
                for (const auto group :
                     {PictureGroup::Top, PictureGroup::Bottom, PictureGroup::Misc}) {
                    names.push_back(*wizardPictureName(style, right, axis, group));
                }
            }
        }
    }
    for (int screen = 1; screen <= 3; ++screen) {
        names.push_back(guidePictureName(screen));
    }
    ASSERT_EQ(names.size(), 26u + 54u + 3u);

    std::set<std::string> distinct;
    for (const std::string& name : names) {
        const auto key = parsePictureName(name);
        ASSERT_TRUE(key.has_value()) << name;
        EXPECT_EQ(key->name, name);
        distinct.insert(key->name);
    }
    EXPECT_EQ(distinct.size(), names.size());
}

TEST(PictureKey, WizardNamesFollowStyleSideAxisAndGroup) {
    EXPECT_EQ(wizardPictureName("GM", false, PictureAxis::X, PictureGroup::Top), "\\gmlxup.bmp");
    EXPECT_EQ(wizardPictureName("Ford", true, PictureAxis::Z, PictureGroup::Misc),
              "\\fordrzmc.bmp");
    EXPECT_EQ(wizardPictureName("formula", false, PictureAxis::Y, PictureGroup::Bottom),
              "\\2000lydn.bmp");
    EXPECT_FALSE(wizardPictureName("gm", false, PictureAxis::X, PictureGroup::Top));
    EXPECT_FALSE(wizardPictureName("", false, PictureAxis::X, PictureGroup::Top));

    const auto key = parsePictureName("\\2000RYUP.BMP");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->kind, PictureKind::Wizard);
    EXPECT_EQ(key->look, CarLook::Formula);
    EXPECT_TRUE(key->right);
    EXPECT_EQ(key->axis, PictureAxis::Y);
    EXPECT_EQ(key->group, PictureGroup::Top);
    EXPECT_EQ(key->name, "\\2000ryup.bmp");
}

TEST(PictureKey, PanelNamesCarryTheirMemberSideAndGreying) {
    const auto fordGrey = parsePictureName("\\fdisrbot.bmp");
    ASSERT_TRUE(fordGrey);
    EXPECT_EQ(fordGrey->kind, PictureKind::SidePanel);
    EXPECT_EQ(fordGrey->look, CarLook::Ford);
    EXPECT_EQ(fordGrey->group, PictureGroup::Bottom);
    EXPECT_TRUE(fordGrey->right);
    EXPECT_TRUE(fordGrey->greyed);

    const auto table = parsePictureName("xyz.bmp");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->group, PictureGroup::Table);
    EXPECT_FALSE(table->greyed);
    EXPECT_EQ(table->name, "\\xyz.bmp");

    const auto guide = parsePictureName("\\hlp3.bmp");
    ASSERT_TRUE(guide);
    EXPECT_EQ(guide->kind, PictureKind::Guide);
    EXPECT_EQ(guide->guideScreen, 3);
}

TEST(PictureKey, UnknownNamesGiveNoKey) {
    for (const char* name :
         {"", "\\", ".bmp", "\\gmltop", "\\gmltop.png", "\\gmxltop.bmp", "\\gmlwup.bmp",
          "\\gmlxup2.bmp", "\\fordltop.bmp", "\\hlp4.bmp", "\\hlp0.bmp", "\\2000lxmd.bmp",
          "\\chevlxup.bmp", "\\gmtrx.bmp", "..\\gmltop.bmp"}) {
        EXPECT_FALSE(parsePictureName(name)) << name;
    }
}

TEST(PictureKey, StemIsTheFileNameToLookFor) {
    EXPECT_EQ(pictureStem("\\GMLTOP.bmp"), "gmltop");
    EXPECT_EQ(pictureStem("hlp1"), "hlp1");
    EXPECT_EQ(pictureStem("\\"), "");
}

} // namespace
} // namespace velmora
