#include "geometry/sweep.h"
#include "geometry/sweep_messages.h"

#include "sweep_test_corner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using namespace velmora::testing;

std::vector<std::string> texts(const RecordingMessageSink& sink) {
    std::vector<std::string> out;
    for (const Message& m : sink.messages) {
        out.push_back(m.text);
    }
    return out;
}

TEST(SweepMessages, TextsTitlesAndButtons) {
    const Message topsOut = topsOutMessage(2.75f);
    EXPECT_EQ(topsOut, (Message{"Suspension Geometry Error",
                                "Suspension tops out before 2.75 inches of bump travel",
                                MessageIcon::Warning, MessageButtons::Ok}
                            .with(Outcome::SweepTopsOut)));
    EXPECT_EQ(bottomsOutMessage(-1.5f).text,
              "Suspension bottoms out before -1.5 inches of rebound travel");
    EXPECT_EQ(bottomsOutMessage(-1.5f).icon, MessageIcon::Warning);
    EXPECT_EQ(topsOutMessage(3.6666665f).text,
              "Suspension tops out before 3.6666665 inches of bump travel");
    EXPECT_EQ(tieRodBindsMessage(-2.75f),
              (Message{"Suspension Geometry Error",
                       "The tie rod binds with this much travel. Try a different tie rod "
                       "location, or go back to the Options menu and try less than -3 in the "
                       "Travel Range.",
                       MessageIcon::Warning, MessageButtons::Ok}
                   .with(Outcome::SweepTieRodBinds)));
    EXPECT_NE(tieRodBindsMessage(2.75f).text.find("less than 2 in"), std::string::npos);
    EXPECT_NE(tieRodBindsMessage(0.0f).text.find("less than 0 in"), std::string::npos);
    EXPECT_NE(tieRodBindsMessage(-0.25f).text.find("less than -1 in"), std::string::npos);
    EXPECT_EQ(dataErrorMessage(),
              (Message{"Data Error",
                       "A measurement was not entered properly or is incorrect. If you are "
                       "designing a suspension, you may have entered a combination that binds "
                       "or is impossible. Go back and check your numbers.",
                       MessageIcon::Warning, MessageButtons::Ok}
                   .with(Outcome::SweepDataError)));
}

// Sweeps 9 inches each way with every result marked, so untouched positions show.
void sweepNineEachWay(SuspensionState& state, RecordingMessageSink& sink) {
    state.VU = 9.0f;
    state.VD = 9.0f;
    markResults(state);
    CALC(state, sink);
}

// A short bottom arm over 9 inches each way: it stands vertical before full bump, and far
// enough into rebound that the test fires again, worded for bump.
TEST(SweepMessages, TopsOutAtEachFailingPositionAndGoesOn) {
    SuspensionState state = leftOnly(referenceWith({{4, 20.0f}, {5, 21.0f}}));
    RecordingMessageSink sink;
    sweepNineEachWay(state, sink);
    const std::vector<std::string> expected = {
        "Suspension tops out before 9 inches of bump travel",
        "Suspension tops out before 8.25 inches of bump travel",
        "Suspension tops out before 7.5 inches of bump travel",
        "Suspension tops out before 6.75 inches of bump travel",
        "Suspension tops out before -4.5 inches of bump travel",
        "Suspension tops out before -5.25 inches of bump travel",
        "Suspension tops out before -6 inches of bump travel",
        "Suspension tops out before -6.75 inches of bump travel",
        "Suspension tops out before -7.5 inches of bump travel",
        "Suspension tops out before -8.25 inches of bump travel",
        "Suspension tops out before -9 inches of bump travel",
    };
    EXPECT_EQ(texts(sink), expected);
    for (int i = 1; i <= 25; ++i) {
        const bool failed = i <= 4 || i >= 19;
        EXPECT_EQ(state.CamberChange[i] == kUntouched, failed) << i;
        EXPECT_EQ(state.BumpSteer[i] == kUntouched, failed) << i;
        EXPECT_EQ(state.BallJointPos[i].bottom.x == kUntouched, failed) << i;
    }
}

// A short top arm cannot reach the upright once the bottom ball joint has dropped 6 inches.
TEST(SweepMessages, BottomsOutInDeepRebound) {
    SuspensionState state = leftOnly(referenceWith({{1, 18.0f}, {2, 19.0f}}));
    RecordingMessageSink sink;
    sweepNineEachWay(state, sink);
    const std::vector<std::string> expected = {
        "Suspension bottoms out before -6 inches of rebound travel",
        "Suspension bottoms out before -6.75 inches of rebound travel",
        "Suspension bottoms out before -7.5 inches of rebound travel",
        "Suspension bottoms out before -8.25 inches of rebound travel",
        "Suspension bottoms out before -9 inches of rebound travel",
    };
    EXPECT_EQ(texts(sink), expected);
    EXPECT_NE(state.ForeAft[20], kUntouched);
    EXPECT_EQ(state.ForeAft[21], kUntouched);
    EXPECT_EQ(state.ForeAft[25], kUntouched);
}

// A steering arm that points almost straight inboard runs out of reach near full rebound:
// those positions keep their camber, scrub, caster and fore/aft results but get no toe.
TEST(SweepMessages, TieRodBindsNearFullRebound) {
    SuspensionState state = leftOnly(referenceWith({{8, 23.5f}, {26, 24.1f}}));
    markResults(state);
    RecordingMessageSink sink;
    const SweepReport report = runSweep(state, sink);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0], tieRodBindsMessage(-2.75f));
    EXPECT_EQ(sink.messages[1], tieRodBindsMessage(-3.0f));
    EXPECT_FALSE(report.dataError);
    for (int i : {24, 25}) {
        EXPECT_EQ(state.BumpSteer[i], kUntouched) << i;
        EXPECT_EQ(state.TieRodOuterX[i], kUntouched) << i;
        EXPECT_EQ(state.TieRodOuterY[i], kUntouched) << i;
        EXPECT_NE(state.CamberChange[i], kUntouched) << i;
        EXPECT_NE(state.ForeAft[i], kUntouched) << i;
    }
    EXPECT_NE(state.BumpSteer[23], kUntouched);
}

} // namespace
} // namespace velmora
