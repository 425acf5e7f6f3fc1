#include "sweep_random_cases.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace velmora::testing;

// Thousands of plausible, badly measured and absurd corners, in both modes and on both sides:
// the sweep must always return, within its pass budget, leaving only finite values behind.
TEST(RandomSweep, AnyInputEndsCleanlyWithFiniteResults) {
    RandomSweepCases cases(20240611u);
    int clean = 0, geometryMessages = 0, dataErrors = 0, budgetSpent = 0, staticPasses = 0;
    for (int n = 0; n < 2000; ++n) {
        bool staticFrame = false;
        SuspensionState state = cases.next(staticFrame);
        const bool staticOnly = state.StaticOnly;
        RecordingMessageSink sink;
        SweepReport report;
        if (staticFrame) {
            RecordingMessageSink frameSink;
            runStaticGeometry(state, frameSink);
            ASSERT_FALSE(state.StaticOnly) << "case " << n;
            state.StaticOnly = false;
        }
        report = runSweep(state, sink);
        const std::string defect = sweepDefect(state, report, sink);
        ASSERT_EQ(defect, "") << "case " << n;
        EXPECT_EQ(state.StaticOnly, staticOnly) << "case " << n;

        staticPasses += staticOnly ? 1 : 0;
        clean += sink.messages.empty() && (report.leftSwept || report.rightSwept) ? 1 : 0;
        dataErrors += report.dataError ? 1 : 0;
        geometryMessages += countTitled(sink, "Suspension Geometry Error") > 0 ? 1 : 0;
        budgetSpent +=
            report.passes.rideHeightPasses == kPassLimit || report.passes.tieRodPasses == kPassLimit
                ? 1
                : 0;
    }
    // The cases reach every way a sweep can end.
    EXPECT_GT(clean, 400);
    EXPECT_GT(dataErrors, 300);
    EXPECT_GT(geometryMessages, 150);
    EXPECT_GT(budgetSpent, 50);
    EXPECT_GT(staticPasses, 400);
}

} // namespace
} // namespace velmora
