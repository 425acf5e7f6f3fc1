#include "core/analysis/suggestions_test_support.h"

#include <cmath>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

CurveRatios overall(float s) {
    return {-1.0f, -1.0f, s};
}

TEST(SideScrubSection, LimitDependsOnTheCarStyle) {
    SuggestionInputs in = straightCurve(GraphKind::SideScrub, 0.1f);
    const Items acceptable = section(in, overall(10.0f));
    EXPECT_EQ(acceptable[5], "  ");
    EXPECT_THAT(rules(acceptable), ElementsAre("None. Your side scrub graph looks acceptable."));
    EXPECT_EQ(rules(section(in, overall(-10.0f))).size(), 1u);
    EXPECT_THAT(rules(section(in, overall(9.99f))),
                ElementsAre("You need less side scrub.  ", "Try a longer bottm control arm ",
                            "and/or lowering your bottom control ",
                            "arm.  Shoot for .100 or less of ",
                            "tire scrub in one inch of vertical", "wheel travel "));

    in.FormulaCar = true;
    EXPECT_EQ(rules(section(in, overall(10.0f)))[3], "arm.  Shoot for .030 or less of ");
    EXPECT_EQ(rules(section(in, overall(10.0f)))[1], "Try a longer bottom control arm ");
    EXPECT_EQ(rules(section(in, overall(suggestions::reciprocal(0.03)))).size(), 1u);
}

TEST(DiveSections, AcceptableOutsideTheOpenIntervals) {
    for (GraphKind kind : {GraphKind::ForeAft, GraphKind::Caster}) {
        const SuggestionInputs in = straightCurve(kind, 0.1f);
        const std::string none = kind == GraphKind::ForeAft
                                     ? "None.  Your Fore/Aft curve looks acceptable."
                                     : "None.  Your Caster curve looks acceptable.";
        for (float s : {1.0f, -5.0f, 0.0f, 300.0f, -300.0f}) {
            EXPECT_THAT(rules(section(in, overall(s))), ElementsAre(none)) << s;
        }
        EXPECT_EQ(rules(section(in, overall(0.999f))).size(), 1u); // no pivot advice here
        EXPECT_NE(rules(section(in, overall(0.999f)))[0], none);
        EXPECT_NE(rules(section(in, overall(-4.999f)))[0], none);
    }
}

TEST(ForeAftSection, DiveWithAdviceForEachArm) {
    SuggestionInputs in = straightCurve(GraphKind::ForeAft, 0.1f);
    in.SusPoints[TopFront].x = 11;   // front pivot further out than the rear one
    in.SusPoints[BottomFront].x = 7; // and the other way round
    const Items items = section(in, overall(0.5f));
    EXPECT_EQ(items.front(), "Background:");
    EXPECT_EQ(items[7], "anti-dive unnecessary.");
    EXPECT_THAT(
        rules(items),
        ElementsAre("You have too much anti-dive.", "Try moving the rear of the top ",
                    "arm farther out, or try moving the ", "front of the top arm farther in",
                    "Try moving the rear of the bottom arm ",
                    "farther in, or try moving the front ", "of the bottom arm farther out"));

    in.SusPoints[TopFront].x = 9;
    in.SusPoints[BottomFront].x = 8; // equal X: no advice for that arm
    EXPECT_THAT(rules(section(in, overall(-2.0f))),
                ElementsAre("You have too much pro-dive.", "Try moving the rear of the top arm ",
                            "farther in, or try moving the front ", "of the top arm farther out"));
}

TEST(CasterSection, AdviceComparesThePivotLinesOfBothArms) {
    SuggestionInputs in = straightCurve(GraphKind::Caster, 0.1f);
    const Items items = section(in, overall(0.5f));
    EXPECT_EQ(items[0], "Background:  ");
    EXPECT_EQ(items[7], "anti-dive unnecessary. ");
    EXPECT_THAT(rules(items), ElementsAre("You have too much anti-dive")); // parallel arms

    in.SusPoints[BottomRear].x = 9; // bottom arm's line turns further out
    EXPECT_THAT(rules(section(in, overall(-1.0f))),
                ElementsAre("You have too much pro-dive", "Try moving the front pivot of the top",
                            "arm in, or try moving the rear pivot", "of the top arm out."));
    in.SusPoints[TopRear].x = 12;
    EXPECT_THAT(rules(section(in, overall(0.5f))),
                ElementsAre("You have too much anti-dive", "Try moving the front pivot of the top",
                            "arm out, or try moving the rear pivot", "of the top arm in."));
}

TEST(BumpSteerSection, ZeroCurveWithARearTieRod) {
    const Items items = Generate_Suggestions(straightCurve(GraphKind::BumpSteer, 0.0f));
    EXPECT_THAT(items,
                ElementsAre("Background:", "On any race car, the goal is to ",
                            "have as little bump steer as ", "possible.  Less than 0.1 degrees ",
                            "per inch of wheel travel is okay", "",
                            "Suggestions:", "Try raising your inner tie rod",
                            "Your tie rod length looks acceptable."));
}

TEST(BumpSteerSection, InnerJointHeight) {
    SuggestionInputs rear = straightCurve(GraphKind::BumpSteer, 0.0f);
    SuggestionInputs front = rear;
    front.SusPoints[TieRodOuter].z = 20;
    SuggestionInputs level = rear;
    level.SusPoints[TieRodOuter].z = level.SusPoints[BottomBall].z;

    const auto first = [](const SuggestionInputs& in, float s) {
        const Items items = rules(section(in, overall(s)));
        return items.size() > 1 ? items.front() : std::string("-");
    };
    EXPECT_EQ(first(rear, -5.0f), "Try lowering your inner tie rod");
    EXPECT_EQ(first(rear, -10.0f), "Try raising your inner tie rod"); // bound is strict
    EXPECT_EQ(first(rear, 99.0f), "Try raising your inner tie rod");
    EXPECT_EQ(first(rear, 100.0f), "-");
    EXPECT_EQ(first(front, 5.0f), "Try lowering your inner tie rod");
    EXPECT_EQ(first(front, -5.0f), "Try raising your inner tie rod");
    EXPECT_EQ(first(front, -10.0f), "-");
    EXPECT_EQ(first(front, 50.0f), "-");
    EXPECT_EQ(first(level, -5.0f), "-");

    rear.VU = 0; // no travel: the bound stays 10 and nothing divides by zero
    EXPECT_EQ(rules(section(rear, overall(-5.0f))).front(), "Try lowering your inner tie rod");
}

TEST(BumpSteerSection, TieRodLength) {
    SuggestionInputs rear = straightCurve(GraphKind::BumpSteer, 0.0f);
    rear.curve[1] = 0.3f; // exactly a tenth of the bump travel: not acceptable
    const CurveRatios flatMiddle{0.0f, 0.0f, 300.0f};
    EXPECT_THAT(rules(section(rear, flatMiddle)), IsEmpty());
    rear.curve[1] = std::nextafter(0.3f, 0.0f);
    EXPECT_THAT(rules(section(rear, flatMiddle)),
                ElementsAre("Your tie rod length looks acceptable."));

    rear.curve[25] = -0.3f; // a tenth of the rebound travel
    EXPECT_THAT(rules(section(rear, {0.0f, 2.0f, 300.0f})),
                ElementsAre("Try using a shorter tie rod"));
    EXPECT_THAT(rules(section(rear, {0.0f, -2.0f, 300.0f})),
                ElementsAre("Try using a longer tie rod"));
    SuggestionInputs front = rear;
    front.SusPoints[TieRodOuter].z = 20;
    EXPECT_THAT(rules(section(front, {0.0f, -2.0f, 300.0f})),
                ElementsAre("Try using a shorter tie rod"));
    EXPECT_THAT(rules(section(front, {0.0f, 2.0f, 300.0f})),
                ElementsAre("Try using a longer tie rod"));
}

TEST(Sections, FlatMiddleSpan) {
    const auto flatMiddle = [](GraphKind kind) {
        SuggestionInputs in = straightCurve(kind, 0.0f);
        in.curve[1] = -0.5f;
        in.curve[25] = 0.5f;
        return rules(Generate_Suggestions(in));
    };
    EXPECT_THAT(flatMiddle(GraphKind::ForeAft),
                ElementsAre("None.  Your Fore/Aft curve looks acceptable."));
    EXPECT_THAT(flatMiddle(GraphKind::Caster),
                ElementsAre("None.  Your Caster curve looks acceptable."));
    EXPECT_EQ(flatMiddle(GraphKind::SideScrub).front(), "You need less side scrub.  ");
}

} // namespace
} // namespace velmora
