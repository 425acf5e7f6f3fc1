#include "model/shown_length.h"
#include "model/spring_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace velmora {
namespace {

SpringData example() {
    SpringData d;
    d.right.spring =
        StrutMount{ArmMember::Bottom, {17.5f, 7.75f, 27.5f}, {16.5f, 20, 27.5f}, 550.0f};
    d.left.barLink = BarLink{ArmMember::Top, {20, 17.1f, 23.5f}};
    d.bar = AntiRollBar{1, 0.188f, 38, 12, std::nullopt};
    return d;
}

// What the boxes show reads back bit for bit in either unit; an edit is kept as typed.
TEST(SpringEntry, BoxesLeftAsShownKeepEveryBitInEitherUnit) {
    for (const LengthUnit unit : {LengthUnit::Inches, LengthUnit::Millimetres}) {
        const ScopedDisplayUnit shown(unit);
        const SpringData before = example();
        SpringTexts texts = springTexts(before);
        auto same = acceptedSpringData(texts, before);
        ASSERT_TRUE(std::holds_alternative<SpringData>(same)) << std::get<std::string>(same);
        EXPECT_EQ(std::get<SpringData>(same), before);

        texts.right.rate = unit == LengthUnit::Inches ? "600" : "105";
        texts.left.linkArm = ArmMember::Bottom;
        const SpringData after = std::get<SpringData>(acceptedSpringData(texts, before));
        EXPECT_NEAR(*after.right.spring->rate, unit == LengthUnit::Inches ? 600 : 599.56, 0.01);
        EXPECT_EQ(after.left.barLink->arm, ArmMember::Bottom);
    }
}

TEST(SpringEntry, EmptyPiecesAreNotSetAndPartlyFilledOnesAreRefusedByName) {
    const SpringData before = example();
    const struct {
        void (*edit)(SpringTexts&);
        const char* says; // empty: accepted
    } cases[] = {
        {[](SpringTexts& t) {
             t.right.spring.point = {};
             t.right.rate.clear();
         },
         ""},
        {[](SpringTexts& t) { t.right.spring.point[4].clear(); },
         "Right spring chassis mount Y is empty."},
        {[](SpringTexts& t) { t.left.link[0] = "1,5"; }, "Left bar link X \"1,5\" is not a number"},
        {[](SpringTexts& t) { t.bar[1].clear(); }, ""}, // an empty wall is a solid bar
        {[](SpringTexts& t) { t.bar[0].clear(); }, "Bar diameter is empty."},
        {[](SpringTexts& t) { t.right.damper.point[0] = "3"; },
         "Right damper arm mount Y is empty."},
    };
    for (const auto& c : cases) {
        SpringTexts texts = springTexts(before);
        c.edit(texts);
        const auto got = acceptedSpringData(texts, before);
        if (*c.says) {
            ASSERT_TRUE(std::holds_alternative<std::string>(got)) << c.says;
            EXPECT_NE(std::get<std::string>(got).find(c.says), std::string::npos)
                << std::get<std::string>(got);
        } else {
            ASSERT_TRUE(std::holds_alternative<SpringData>(got)) << std::get<std::string>(got);
        }
    }
    SpringTexts none = springTexts(before);
    none.right.spring.point = {};
    none.right.rate.clear();
    EXPECT_FALSE(std::get<SpringData>(acceptedSpringData(none, before)).right.spring);
    none.bar[1].clear();
    EXPECT_EQ(std::get<SpringData>(acceptedSpringData(none, before)).bar->wall, 0.0f);
}

} // namespace
} // namespace velmora
