#include "chassis_pages/roll_figures.h"
#include "drawing/recording_canvas.h"
#include "model/project_file.h"
#include "model/project_file_io.h"
#include "printing/recording_printer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace velmora::testing {
namespace {

FrontEnd gmFrontEnd() {
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/gm-dirt-oval.kqw");
    SuspensionState state;
    if (read.ok()) {
        applyProjectData(state, *read.project);
    }
    return FrontEnd::build(state.RightCoords, state.LeftCoords);
}

bool inside(const Figure& f, const FrontPoint& p) {
    const double slack = 1e-9;
    return p.u >= f.uMin - slack && p.u <= f.uMax + slack && p.v >= f.vMin - slack &&
           p.v <= f.vMax + slack;
}

TEST(RollFigures, FrontViewMarksBothRollCentresAndKeepsEveryLineInside) {
    const FrontEnd front = gmFrontEnd();
    for (double roll : {0.0, 2.0, -6.0}) {
        const DiveRollState s = front.solve(1, roll);
        const Figure f = frontViewFigure(s, front);
        for (const FigureLine& l : f.lines) {
            EXPECT_TRUE(inside(f, l.a) && inside(f, l.b)) << roll;
        }
        ASSERT_EQ(f.marks.size(), 2u) << roll;
        EXPECT_EQ(f.marks[0].at, front.staticRollCentre()->body);
        EXPECT_EQ(f.marks[1].at, s.rollCentre->body);
        EXPECT_EQ(f.marks[1].ink, FigureInk::RollCentre);
        // Each tire is four sides, each corner five links.
        EXPECT_EQ(std::count_if(f.lines.begin(), f.lines.end(),
                                [](const FigureLine& l) { return l.ink == FigureInk::Tire; }),
                  8);
    }
}

// A state the 3-D check cannot reach names why in lines short enough for the front view,
// which has the roll centre's box beside it.
TEST(RollFigures, AStateNotReachedSaysWhyInShortLines) {
    const FrontEnd front = gmFrontEnd();
    const DiveRollState s = front.solve(-9, -10);
    ASSERT_FALSE(s.solved);
    ASSERT_FALSE(s.messages.empty());
    const Figure f = frontViewFigure(s, front);
    std::string shown;
    for (std::size_t i = 1; i < f.texts.size(); ++i) {
        EXPECT_LE(f.texts[i].text.size(), 48u) << f.texts[i].text;
        shown += (shown.empty() ? "" : " ") + f.texts[i].text;
    }
    EXPECT_EQ(shown.substr(0, s.messages.front().text.size()), s.messages.front().text);
}

TEST(RollFigures, PathJoinsItsStatesAndThePageIsOneJob) {
    const FrontEnd front = gmFrontEnd();
    const DiveRollPath path = front.path({1, 4, 8});
    const Figure f = rollPathFigure(path);
    EXPECT_EQ(std::count_if(f.lines.begin(), f.lines.end(),
                            [](const FigureLine& l) { return l.ink == FigureInk::Path; }),
              8);
    ASSERT_EQ(f.marks.size(), 1u);
    EXPECT_EQ(f.marks[0].at.u, path.states.back().rollCentre->offset);

    RecordingPrinter printer;
    AntiDive antiDive;
    antiDive.right.antiDivePercent = -27.7;
    buildDiveRollPage(printer, path.states.back(), path, front, antiDive, "car.kqw");
    const std::string dump = dumpPrintRecording(printer.operations());
    // The anti-dive rows follow the dive-and-roll rows, above the file line.
    EXPECT_NE(dump.find("\"Anti-dive (%)\""), std::string::npos);
    EXPECT_LT(dump.find("\"Anti-dive (%)\""), dump.find("\"Whole car\""));
    EXPECT_LT(dump.find("\"Whole car\""), dump.find("\"car.kqw\""));
    EXPECT_EQ(dump.find("enddoc"), dump.rfind("enddoc"));
    EXPECT_NE(dump.find("\"car.kqw\""), std::string::npos);
}

} // namespace
} // namespace velmora::testing

namespace velmora::testing {
namespace {

// A baseline's path (here another car's) is dashed beneath the
// current one and inside the frame; without one the figure is as before.
TEST(RollFigures, BaselinePathIsDashedBeneathThePathAndInsideTheFrame) {
    const FrontEnd front = gmFrontEnd();
    const DiveRollPath path = front.path({0, 3, 12});
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/ford-asphalt-oval.kqw");
    ASSERT_TRUE(read.ok());
    SuspensionState other;
    applyProjectData(other, *read.project);
    const DiveRollPath base = FrontEnd::build(other.RightCoords, other.LeftCoords).path({0, 3, 12});

    const Figure plain = rollPathFigure(path);
    const Figure none = rollPathFigure(path, nullptr);
    EXPECT_EQ(none.lines.size(), plain.lines.size());
    EXPECT_EQ(none.uMin, plain.uMin);
    const Figure with = rollPathFigure(path, &base);
    const auto firstOf = [&](FigureInk ink) {
        return std::find_if(with.lines.begin(), with.lines.end(),
                            [ink](const FigureLine& l) { return l.ink == ink; });
    };
    ASSERT_NE(firstOf(FigureInk::Baseline), with.lines.end());
    EXPECT_LT(firstOf(FigureInk::Baseline), firstOf(FigureInk::Path));
    EXPECT_GT(std::count_if(with.lines.begin(), with.lines.end(),
                            [](const FigureLine& l) { return l.ink == FigureInk::Baseline; }),
              12);
    for (const FigureLine& l : with.lines) {
        EXPECT_TRUE(inside(with, l.a) && inside(with, l.b));
    }
}

} // namespace
} // namespace velmora::testing
