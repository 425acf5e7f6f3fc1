#include "analysis/baseline_overlay.h"
#include "chassis_pages/roll_figures.h"
#include "chassis_pages/steering_drawing.h"
#include "chassis_pages/steering_page.h"
#include "drawing/recording_canvas.h"
#include "printing/recording_printer.h"

#include "core/geometry/rigid_test_corners.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace velmora {
namespace {

using testing::exampleState;

// The texts of a page by where they were printed: row (y), then column (x).
using PlacedTexts = std::map<double, std::map<double, std::string>>;

PlacedTexts placedTexts(const PrintRecording& page) {
    PlacedTexts texts;
    const printop::Position* at = nullptr;
    for (const PrintOp& op : page) {
        if (const auto* p = std::get_if<printop::Position>(&op)) {
            at = p;
        } else if (const auto* print = std::get_if<printop::Print>(&op); print && at) {
            for (const PrintItem& item : print->items) {
                texts[at->y][at->x] += item.text;
            }
            at = nullptr;
        }
    }
    return texts;
}

// The gm example stops its right wheel at 4 in of rack and its left one at -4 in.
TEST(SteeringPage, TableBlanksTheStoppedWheelAndKeepsTheOther) {
    SuspensionState state = exampleState("gm-dirt-oval.kqw");
    state.Lfile = "gm.kqw";
    const SteeringPageInputs in = steeringPageInputs(state, 6, 12);
    ASSERT_EQ(in.sweep.states.size(), 13u);
    RecordingPrinter printer;
    buildSteeringPage(printer, in);
    const std::string dump = printer.dump();
    EXPECT_EQ(std::count_if(
                  printer.operations().begin(), printer.operations().end(),
                  [](const PrintOp& op) { return std::holds_alternative<printop::EndDoc>(op); }),
              1);
    EXPECT_NE(dump.find("\"wheelbase not set\""), std::string::npos);
    EXPECT_NE(dump.find("\"gm.kqw\""), std::string::npos);

    // The table: a heading row, then one row per state, the rack in the first column.
    const PlacedTexts texts = placedTexts(printer.operations());
    const auto heading = std::find_if(texts.begin(), texts.end(), [](const auto& row) {
        return !row.second.empty() && row.second.begin()->second == "rack in";
    });
    ASSERT_NE(heading, texts.end());
    std::map<std::string, std::vector<std::string>> rows; // by rack text
    for (auto row = std::next(heading); row != texts.end(); ++row) {
        if (row->second.size() == 8) {
            std::vector<std::string>& cells = rows[row->second.begin()->second];
            for (const auto& [x, text] : row->second) {
                cells.push_back(text);
            }
        }
    }
    ASSERT_EQ(rows.size(), 13u);
    struct Case {
        const char* rack;
        bool right, left; // the wheel stands at this travel
    };
    for (const Case c : {Case{"4.000", false, true}, Case{"-4.000", true, false},
                         Case{"1.000", true, true}, Case{"6.000", false, true}}) {
        SCOPED_TRACE(c.rack);
        ASSERT_EQ(rows.count(c.rack), 1u);
        const std::vector<std::string>& cells = rows[c.rack];
        // Columns: rack, steer R, steer L, camber R, camber L, caster R, caster L, Ackermann.
        for (std::size_t column : {1u, 3u, 5u}) {
            EXPECT_EQ(cells[column] == "-", !c.right) << column;
        }
        for (std::size_t column : {2u, 4u, 6u}) {
            EXPECT_EQ(cells[column] == "-", !c.left) << column;
        }
        EXPECT_EQ(cells[7], "-"); // no wheelbase, no Ackermann
    }
    EXPECT_EQ(rows["1.000"][1], "9.552");
    EXPECT_EQ(rows["1.000"][2], "9.157");
}

std::string printed(const RecordingCanvas& canvas) {
    std::string all;
    for (const DrawOp& op : canvas.operations()) {
        if (const auto* p = std::get_if<drawop::Print>(&op.command)) {
            all += p->text + "\n";
        }
    }
    return all;
}

// The page is one ink: it names no colour, draws the baseline as the window does, and opens
// with the Dive and Roll page's title.
TEST(SteeringPage, PrintsNoColourWordsAndTheBaselineUnderTheSharedTitle) {
    const SuspensionState state = exampleState("gm-dirt-oval.kqw");
    const SteeringPageInputs plain = steeringPageInputs(state, 2);
    SteeringPageInputs based = plain;
    based.baseline = steeringPageInputs(exampleState("ford-asphalt-oval.kqw"), 2).sweep;
    const auto page = [](const SteeringPageInputs& in) {
        RecordingPrinter printer;
        buildSteeringPage(printer, in);
        return printer;
    };
    const auto lines = [](const RecordingPrinter& p) {
        return std::count_if(p.operations().begin(), p.operations().end(), [](const PrintOp& op) {
            return std::holds_alternative<printop::Line>(op);
        });
    };
    const RecordingPrinter without = page(plain);
    const RecordingPrinter with = page(based);
    for (const RecordingPrinter* p : {&without, &with}) {
        for (const char* word : {"red", "green", "yellow", "cyan", "grey"}) {
            EXPECT_EQ(p->dump().find(word), std::string::npos) << word;
        }
    }
    EXPECT_NE(with.dump().find("\"baseline\""), std::string::npos);
    EXPECT_EQ(without.dump().find("\"baseline\""), std::string::npos);
    EXPECT_GT(lines(with), lines(without) + 50); // the baseline's dashes

    const FrontEnd front = FrontEnd::build(state.RightCoords, state.LeftCoords);
    const DiveRollPath path = front.path({0, 2, 4});
    RecordingPrinter roll;
    buildDiveRollPage(roll, path.states.back(), path, front, AntiDive{}, "");
    const auto title = [](const RecordingPrinter& p, const std::string& name) {
        const std::string d = p.dump();
        return d.substr(0, d.find("\"" + name + "\""));
    };
    std::string rollTitle = title(roll, "Dive and Roll");
    std::string steerTitle = title(with, "Steering");
    // The same operations up to the title's text, the name aside.
    const auto unnamed = [](std::string d, const std::string& name) {
        for (std::size_t at; (at = d.find(name)) != std::string::npos;) {
            d.erase(at, name.size());
        }
        return d;
    };
    EXPECT_EQ(unnamed(steerTitle, "Steering"), unnamed(rollTitle, "Dive and Roll"));
}

// A new project's sweep stands nowhere: neither the baseline nor a legend entry for a curve
// that is not drawn.
TEST(SteeringPlot, NoBaselineOrLegendOverAnEmptyCurrentSweep) {
    const SuspensionState state = exampleState("gm-dirt-oval.kqw");
    const SteerSweep base = steeringPageInputs(state, 2).sweep;
    SteerSweep standingNowhere = base;
    for (SteerState& s : standingNowhere.states) {
        s.right.solved = s.left.solved = false;
        s.ackermannPercent.reset();
    }
    for (const SteerSweep& current : {SteerSweep{}, standingNowhere}) {
        RecordingCanvas canvas(660, 600);
        drawSteeringPlot(canvas, current, SteerAxis{}, -1, &base);
        EXPECT_EQ(printed(canvas).find(kCurrentLegend), std::string::npos);
        EXPECT_EQ(printed(canvas).find(kBaselineLegend), std::string::npos);
        for (const DrawOp& op : canvas.operations()) {
            const auto* l = std::get_if<drawop::Line>(&op.command);
            EXPECT_FALSE(l && l->color == kBaselineColor);
        }
    }
}

int linesOf(const RecordingCanvas& canvas, Rgb color, bool onTheRight) {
    int count = 0;
    for (const DrawOp& op : canvas.operations()) {
        if (const auto* l = std::get_if<drawop::Line>(&op.command); l && l->color == color) {
            ++count;
            // The car's left is on the left of the plan.
            EXPECT_EQ(l->x1 > 0 && l->x2 > 0, onTheRight);
            EXPECT_EQ(l->x1 < 0 && l->x2 < 0, !onTheRight);
        }
    }
    return count;
}

TEST(SteeringPlan, DrawsEachStandingWheelOnItsSideInItsColour) {
    const SuspensionState state = exampleState("gm-dirt-oval.kqw");
    const SteeringPair pair = SteeringPair::build(state.RightCoords, state.LeftCoords);
    const SteerSweep sweep = pair.sweep({6, 12, std::nullopt});
    struct Case {
        std::size_t k;             // state of the sweep
        int rightLines, leftLines; // the four sides of each standing tire
        int rackLines;             // the rack joins the inner joints when both stand
        const char* caption;
    };
    for (const Case c :
         {Case{7, 4, 4, 1, "front  rack 1.000 in   left 9.157 deg   right 9.552 deg"},
          Case{10, 0, 4, 0, "front  rack 4.000 in   left 36.405 deg   right -"}}) {
        SCOPED_TRACE(c.caption);
        RecordingCanvas canvas(420, 420);
        drawSteeringPlan(canvas, pair, sweep.states[c.k]);
        EXPECT_EQ(linesOf(canvas, colors::Red, true), c.rightLines);
        EXPECT_EQ(linesOf(canvas, colors::Green, false), c.leftLines);
        EXPECT_EQ(std::count_if(canvas.operations().begin(), canvas.operations().end(),
                                [](const DrawOp& op) {
                                    const auto* l = std::get_if<drawop::Line>(&op.command);
                                    return l && l->color == colors::LightGrey;
                                }),
                  c.rackLines);
        EXPECT_EQ(printed(canvas), std::string(c.caption) + "\n");
    }

    // A side that is not complete draws no car, only why.
    const SteeringPair half = SteeringPair::build(state.RightCoords, CoordinateSet{});
    RecordingCanvas canvas(420, 420);
    drawSteeringPlan(canvas, half, half.solve(1, std::nullopt));
    EXPECT_EQ(printed(canvas), "Both sides must be complete to steer the car.\n");
    EXPECT_EQ(linesOf(canvas, colors::Red, true) + linesOf(canvas, colors::Green, false), 0);
}

} // namespace
} // namespace velmora
