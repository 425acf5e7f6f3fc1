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
        ASSERT_GE(f.marks.size(), 2u) << roll; // and the instant centres inside
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
    // What to set in Vehicle Data is wrapped within the page rather than cut at its edge.
    RecordingPrinter needs;
    AntiDive noData;
    noData.needsVehicleData = true;
    buildDiveRollPage(needs, path.states.back(), path, front, noData, "car.kqw");
    const std::string needsDump = dumpPrintRecording(needs.operations());
    EXPECT_NE(needsDump.find("\"in Vehicle Data\""), std::string::npos) << needsDump;
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

namespace velmora::testing {
namespace {

// The gm car, or with its left top arm moved straight up off the bottom one, so that the
// left arms are parallel and meet nowhere on the picture.
FrontEnd frontEndWithParallelLeftArms() {
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/gm-dirt-oval.kqw");
    SuspensionState state;
    if (read.ok()) {
        applyProjectData(state, *read.project);
    }
    CoordinateSet& left = state.LeftCoords;
    for (int row = 1; row <= 3; ++row) {
        left[row] = left[row + 3];             // x
        left[row + 9] = left[row + 12] + 9.0f; // y
        left[row + 18] = left[row + 21];       // z
    }
    return FrontEnd::build(state.RightCoords, left);
}

// A text's box in the figure's inches, generously: no surface sets them larger.
struct TextArea {
    double u0, v0, u1, v1;
};
TextArea areaOf(const FigureText& t) {
    return {t.at.u, t.at.v - 2.0, t.at.u + 1.1 * static_cast<double>(t.text.size()), t.at.v};
}

TEST(RollFigures, CentresInsideThePictureAreMarkedAndNamedClearOfEachOther) {
    struct Case {
        FrontEnd front;
        double dive, roll;
        int named; // centres inside the picture
    };
    const Case cases[] = {{gmFrontEnd(), 0, 0, 2},
                          {gmFrontEnd(), 1, 2, 3},
                          {gmFrontEnd(), 1, -6, 2},
                          {frontEndWithParallelLeftArms(), 0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.roll);
        const DiveRollState s = c.front.solve(c.dive, c.roll);
        ASSERT_TRUE(s.solved);
        const Figure f = frontViewFigure(s, c.front);
        const auto named = [&f](const std::string& name) {
            return std::find_if(f.texts.begin(), f.texts.end(),
                                [&](const FigureText& t) { return t.text == name; });
        };
        const auto marked = [&f](const FrontPoint& p) {
            return std::any_of(f.marks.begin(), f.marks.end(),
                               [&](const FigureMark& m) { return m.at == p; });
        };
        // Each centre inside the picture is marked and named near its mark; one outside (or
        // none at all) neither.
        int shown = 0;
        for (const auto& [name, at] :
             {std::pair{"IC R", s.right.instantCentre}, std::pair{"IC L", s.left.instantCentre},
              std::pair{"RC", s.rollCentre ? std::optional(s.rollCentre->body) : std::nullopt}}) {
            const bool inPicture = at && inside(f, *at);
            shown += inPicture;
            EXPECT_EQ(at && marked(*at), inPicture) << name;
            ASSERT_EQ(named(name) != f.texts.end(), inPicture) << name;
            if (inPicture) {
                const TextArea a = areaOf(*named(name));
                EXPECT_LT(std::hypot((a.u0 + a.u1) / 2 - at->u, (a.v0 + a.v1) / 2 - at->v), 10)
                    << name;
            }
        }
        EXPECT_EQ(shown, c.named);
        for (std::size_t i = 0; i < f.texts.size(); ++i) {
            const TextArea a = areaOf(f.texts[i]);
            EXPECT_TRUE(a.u0 >= f.uMin && a.u1 <= f.uMax && a.v0 >= f.vMin && a.v1 <= f.vMax)
                << f.texts[i].text << " off the picture";
            for (std::size_t j = i + 1; j < f.texts.size(); ++j) {
                const TextArea b = areaOf(f.texts[j]);
                EXPECT_TRUE(a.u1 <= b.u0 || b.u1 <= a.u0 || a.v1 <= b.v0 || b.v1 <= a.v0)
                    << f.texts[i].text << " over " << f.texts[j].text;
            }
        }
    }
}

// On paper, one ink: the arm lines come out dotted, the patch lines dashed, each cut into
// many pieces; on screen the two are told apart by colour.
TEST(RollFigures, PaperTellsArmLinesFromPatchLinesByTheirDashes) {
    const FrontEnd front = gmFrontEnd();
    const Figure f = frontViewFigure(front.solve(1, 2), front);
    const auto inkOf = [&f](FigureInk ink) {
        return std::find_if(f.lines.begin(), f.lines.end(),
                            [ink](const FigureLine& l) { return l.ink == ink; });
    };
    ASSERT_NE(inkOf(FigureInk::Construction), f.lines.end());
    ASSERT_NE(inkOf(FigureInk::PatchLine), f.lines.end());

    struct Pieces {
        int count = 0;
        double longest = 0, shortest = 1e9;
    };
    const auto piecesOf = [](const Recording& ops, Rgb color) {
        Pieces p;
        for (const DrawOp& op : ops) {
            if (std::holds_alternative<drawop::Circle>(op.command)) {
                break; // the marks, drawn after every line
            }
            if (const auto* l = std::get_if<drawop::Line>(&op.command); l && l->color == color) {
                const double length = std::hypot(l->x2 - l->x1, l->y2 - l->y1);
                ++p.count;
                p.longest = std::max(p.longest, length);
                p.shortest = std::min(p.shortest, length);
            }
        }
        return p;
    };
    RecordingCanvas screen(800, 500);
    drawFigure(screen, f, 0, 0, 800, 500);
    RecordingCanvas paper(143, 200);
    drawFigure(paper, f, -18, 6, 139, 72, FigureSurface::Paper);
    std::vector<Rgb> colours;
    for (const DrawOp& op : screen.operations()) {
        if (const auto* l = std::get_if<drawop::Line>(&op.command)) {
            colours.push_back(l->color);
        }
    }
    // The screen's lines in the order of the figure's: the two inks' first lines differ.
    const auto k = [&f](FigureInk ink) {
        return static_cast<std::size_t>(
            std::find_if(f.lines.begin(), f.lines.end(),
                         [ink](const FigureLine& l) { return l.ink == ink; }) -
            f.lines.begin());
    };
    const Rgb arm = colours[k(FigureInk::Construction)];
    const Rgb patch = colours[k(FigureInk::PatchLine)];
    EXPECT_NE(arm, patch);
    const Pieces dots = piecesOf(paper.operations(), arm);
    const Pieces dashes = piecesOf(paper.operations(), patch);
    EXPECT_GT(dots.count, 40);
    EXPECT_GT(dashes.count, 10);
    // Whole dashes are longer than any dot (a dash cut at a line's end may be short).
    EXPECT_LT(dots.longest * 3, dashes.longest);
}

// A new project has no path; a baseline has nothing to be drawn against and no legend names
// a path that is not there.
TEST(RollFigures, NoBaselineOrLegendWithoutACurrentPath) {
    const FrontEnd front = gmFrontEnd();
    const DiveRollPath base = front.path({0, 3, 12});
    const Figure f = rollPathFigure(DiveRollPath{}, &base);
    for (const FigureLine& l : f.lines) {
        EXPECT_NE(l.ink, FigureInk::Baseline);
    }
    for (const FigureText& t : f.texts) {
        EXPECT_NE(t.text, "current");
        EXPECT_NE(t.text, "baseline");
    }
}

} // namespace
} // namespace velmora::testing
