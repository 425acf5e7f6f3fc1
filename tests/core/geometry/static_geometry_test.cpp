#include "geometry/static_geometry.h"
#include "geometry/sweep_messages.h"
#include "model/number_text.h"

#include "sweep_test_corner.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace velmora {
namespace {

using namespace velmora::testing;

const SideStaticCaptions kReference = {"16.699", "3.05", "2.862", "0.65"};

StaticCaptions captionsOf(SuspensionState& state, MessageSink& sink) {
    return staticCaptions(runStaticGeometry(state, sink));
}

} // namespace

void PrintTo(const StaticCaptions& c, std::ostream* out) {
    for (const SideStaticCaptions* side : {&c.right, &c.left}) {
        *out << "{" << side->sai << ", " << side->scrubRadius << ", " << side->caster << ", "
             << side->casterTrail << "} ";
    }
    *out << "RCH " << c.rollCenterHeight << ", RCO " << c.rollCenterOffset;
}

namespace {

TEST(StaticGeometry, OnlyTheRightSideComplete) {
    SuspensionState state;
    state.RightCoords = referenceCorner();
    RecordingMessageSink sink;
    const StaticReport report = runStaticGeometry(state, sink);
    EXPECT_TRUE(report.right && !report.left && !report.car);
    EXPECT_EQ(staticCaptions(report), (StaticCaptions{kReference, {}, "", ""}));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_FALSE(state.StaticOnly);
}

TEST(StaticGeometry, OnlyTheLeftSideComplete) {
    SuspensionState state;
    state.LeftCoords = referenceCorner();
    RecordingMessageSink sink;
    EXPECT_EQ(captionsOf(state, sink), (StaticCaptions{{}, kReference, "", ""}));
}

TEST(StaticGeometry, MirrorSymmetricCarHasNoOffsetSuffix) {
    SuspensionState state;
    state.RightCoords = referenceCorner();
    state.LeftCoords = referenceCorner();
    RecordingMessageSink sink;
    const StaticCaptions first = captionsOf(state, sink);
    EXPECT_EQ(first, (StaticCaptions{kReference, kReference, "6.096", "0"}));
    EXPECT_EQ(state.RollCenterOffset, 0.0);
    // Pressing the button again shows the same.
    EXPECT_EQ(captionsOf(state, sink), first);
    EXPECT_TRUE(sink.messages.empty());
}

// The offset is shown as a magnitude; the suffix names the side: positive u is toward the
// left, the driver's side.
TEST(StaticGeometry, OffsetNamesTheSideItLiesOn) {
    const CoordinateSet lowTopArm = referenceWith({{10, 13.0f}, {11, 13.5f}});
    for (const bool lowOnLeft : {true, false}) {
        SuspensionState state;
        state.RightCoords = lowOnLeft ? referenceCorner() : lowTopArm;
        state.LeftCoords = lowOnLeft ? lowTopArm : referenceCorner();
        RecordingMessageSink sink;
        const StaticCaptions captions = captionsOf(state, sink);
        const double offset = state.RollCenterOffset;
        ASSERT_GT(std::fabs(offset), 0.002);
        const std::string expected =
            captionText32(std::fabs(offset)) +
            (offset < 0 ? " to the passenger's side" : " to the driver's side");
        EXPECT_EQ(captions.rollCenterOffset, expected);
        EXPECT_EQ(captions.rollCenterOffset.front() == '-', false);
    }
}

// Lower arms rising steeply inboard: the instant centres lie below the floor beyond the
// centreline, and so does the roll centre.
TEST(StaticGeometry, RollCentreBelowTheFloorIsNegative) {
    const CoordinateSet corner = referenceWith({{10, 11.0f}, {11, 11.0f}, {13, 3.0f}, {14, 3.0f}});
    SuspensionState state;
    state.RightCoords = corner;
    state.LeftCoords = corner;
    RecordingMessageSink sink;
    const StaticCaptions captions = captionsOf(state, sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_LT(state.RollCenterHeight, 0.0);
    EXPECT_EQ(captions.rollCenterHeight, captionText16(state.RollCenterHeight));
    EXPECT_EQ(captions.rollCenterHeight.front(), '-');
}

// A left side with a negative coordinate has a negative product: the right side is shown, the
// left side is not analysed and shows 0, and the roll-centre labels show the right side's own
// roll centre with no offset.
TEST(StaticGeometry, NegativeLeftProductShowsZeros) {
    SuspensionState state;
    state.RightCoords = referenceCorner();
    state.LeftCoords = referenceWith({{19, -20.0f}});
    RecordingMessageSink sink;
    const SideStaticCaptions zeros = {"0", "0", "0", "0"};
    EXPECT_EQ(captionsOf(state, sink), (StaticCaptions{kReference, zeros, "6.096", "0"}));
}

// The pass fails on the left side (level arms: no instant centre). The frame still shows what
// was computed: both sides' static values, and the right side's own roll centre.
TEST(StaticGeometry, FailedPassShowsWhatWasComputedBeforeTheFailure) {
    SuspensionState state;
    state.RightCoords = referenceCorner();
    state.LeftCoords = referenceWith({{10, 16.5f}, {11, 16.5f}, {13, 6.5f}, {14, 6.5f}});
    RecordingMessageSink sink;
    const StaticCaptions captions = captionsOf(state, sink);
    EXPECT_EQ(sink.messages, std::vector<Message>{dataErrorMessage()});
    EXPECT_EQ(captions, (StaticCaptions{kReference, kReference, "6.096", "0"}));
    EXPECT_FALSE(state.StaticOnly);
}

TEST(StaticGeometry, LargeValuesStillShowThreeDecimals) {
    SuspensionState state;
    state.RightCoords = referenceWith({{9, 100.0f}});
    RecordingMessageSink sink;
    EXPECT_EQ(captionsOf(state, sink).right.scrubRadius, "72.05");
}

TEST(StaticGeometry, ClearingBlanksTheSideAndTheRollCentre) {
    StaticCaptions captions = {kReference, kReference, "6.096", "0"};
    Clear_RStat(captions);
    EXPECT_EQ(captions, (StaticCaptions{{}, kReference, "", ""}));
    Clear_LStat(captions);
    EXPECT_EQ(captions, StaticCaptions{});
}

} // namespace
} // namespace velmora
