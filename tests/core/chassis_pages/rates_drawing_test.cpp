#include "analysis/baseline.h"
#include "analysis/baseline_overlay.h"
#include "chassis_pages/rates_drawing.h"
#include "drawing/recording_canvas.h"
#include "model/shown_length.h"

#include "../chassis/example_state.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::testing {
namespace {

struct Drawn {
    std::string texts;
    int greyLines = 0;
};

Drawn draw(const RatesFigures& figures) {
    RecordingCanvas canvas(600, 500);
    drawRatesPlot(canvas, figures);
    Drawn out;
    for (const DrawOp& op : canvas.operations()) {
        if (const auto* p = std::get_if<drawop::Print>(&op.command)) {
            out.texts += p->text + "\n";
        } else if (const auto* l = std::get_if<drawop::Line>(&op.command)) {
            out.greyLines += l->color == kBaselineColor ? 1 : 0;
        }
    }
    return out;
}

// Panels without a curve say what is missing; the baseline is drawn only when there is one;
// titles and the table follow the display unit.
TEST(RatesPlot, SaysWhatIsMissingDrawsTheBaselineAndFollowsTheUnit) {
    const Drawn plain = draw(ratesFigures(example("gm-dirt-oval.kqw")));
    for (const char* says :
         {"no spring or damper is set", "no anti-roll bar link is set", "no spring rate is set"}) {
        EXPECT_NE(plain.texts.find(says), std::string::npos) << says;
    }
    const SuspensionState springs = example("with-vehicle-data/gm-dirt-oval-springs.kqw");
    const Drawn alone = draw(ratesFigures(springs));
    EXPECT_EQ(alone.greyLines, 0);
    EXPECT_EQ(alone.texts.find("no spring"), std::string::npos);
    Baseline moved = baselineOf(springs);
    moved.RightCoords[15] += 0.5f; // the bottom ball joint half an inch higher
    EXPECT_GT(draw(ratesFigures(springs, &moved)).greyLines, 0);

    const ScopedDisplayUnit millimetres(LengthUnit::Millimetres);
    const RatesFigures metric = ratesFigures(springs);
    const Drawn mm = draw(metric);
    EXPECT_NE(mm.texts.find("wheel rate (N/mm)"), std::string::npos);
    EXPECT_NE(mm.texts.find("wheel travel (mm"), std::string::npos);
    const auto rows = ratesTableRows(metric.rates);
    EXPECT_EQ(rows[0].second, "20.7 N/mm");
    EXPECT_EQ(rows.back().second, "2.550 deg/g");
}

} // namespace
} // namespace velmora::testing
