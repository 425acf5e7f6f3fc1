#include "pictures/guide_texts.h"
#include "pictures/side_panel_pictures.h"

#include "model/shown_length.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(SidePanelPictures, UnknownStyleLeavesTheArmPicturesAlone) {
    const SidePanelPictures ford = sidePanelPictures("Ford", false);
    EXPECT_EQ(ford.left.bottom, "\\fordlbot.bmp");
    EXPECT_EQ(ford.right.bottom, "\\fdisrbot.bmp");
    EXPECT_EQ(ford.right.top, "\\gmdisrtop.bmp");
    const SidePanelPictures other = sidePanelPictures("gm", true);
    EXPECT_TRUE(other.left.top.empty());
    EXPECT_TRUE(other.right.misc.empty());
    EXPECT_EQ(other.right.xyz, "\\xyz.bmp");
}

TEST(GuideTexts, KeepTheirLengthsAndParagraphs) {
    EXPECT_EQ(guideText(1).size(), 932u);
    EXPECT_EQ(guideText(2).size(), 821u);
    EXPECT_EQ(guideText(3).size(), 655u);
    EXPECT_NE(guideText(1).find("an ordanary framing square"), std::string::npos);
    // In millimetres only the unit's phrase changes, and the layout's lengths stay.
    EXPECT_EQ(shownGuideText(3), guideText(3));
    {
        ScopedDisplayUnit mm(LengthUnit::Millimetres);
        EXPECT_EQ(shownGuideText(3).size(), guideText(3).size());
        EXPECT_NE(shownGuideText(3).find("line about 100 mm ahead"), std::string::npos);
        EXPECT_EQ(shownGuideText(1), guideText(1));
    }
    const auto first = guideParagraphs(guideText(1));
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0].back(), '.');
    EXPECT_TRUE(first[2].starts_with("Tip: Draw a circle"));
    EXPECT_EQ(guideParagraphs(guideText(2)).size(), 3u);
    const auto third = guideParagraphs(guideText(3));
    ASSERT_EQ(third.size(), 2u);
    // Sentences keep their two blanks.
    EXPECT_NE(third[0].find("centerline as shown in this photo.  Use"), std::string::npos);
}

} // namespace
} // namespace velmora
