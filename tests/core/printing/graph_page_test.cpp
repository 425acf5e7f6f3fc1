#include "printing/graph_page.h"

#include "analysis/baseline_overlay.h"

#include "core/printing/print_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora {
namespace {

using testing::printedAt;

GraphPageInputs camberInputs(float first, float last) {
    GraphPageInputs in;
    in.NumPoints = 25;
    for (int i = 1; i <= 25; ++i) {
        const auto at = static_cast<std::size_t>(i);
        in.GraphData[at] = first + (last - first) * static_cast<float>(i - 1) / 24.0f;
        in.PlotX[at] = 50;
        in.PlotY[at] = static_cast<float>(i - 1) * 100.0f / 24.0f;
    }
    in.flags.CamberGraph = true;
    in.Right_Active = true;
    return in;
}

PrintRecording page(const GraphPageInputs& in, std::vector<std::string> suggestions = {}) {
    RecordingPrinter printer;
    buildGraphPage(printer, in, [&] { return suggestions; });
    return printer.operations();
}

TEST(GraphPageTest, LabelSetUnderTheGraphFollowsTheLargerEndValue) {
    struct Case {
        float first, last;
        std::array<std::string, 6> labels;
    };
    const Case cases[] = {
        {-8.5f, 1, {"-12", "-8", "-4", "4", "8", "12"}},
        {1, 8.0f, {"-6", "-4", "-2", "2", "4", "6"}},
        {-2.5f, 0, {"-3", "-2", "-1", "1", "2", "3"}},
        {0.1f, -0.25f, {"", "-1", "", "", "1", ""}},
        {0.2f, -0.2f, {"", "-0.1", "", "", "0.1", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(printedAxisLabels(c.first, c.last), c.labels) << c.first << " " << c.last;
    }
    // Only the two small labels are printed, and nothing at the middle.
    const PrintRecording ops = page(camberInputs(0.15f, -0.1f));
    EXPECT_EQ(printedAt(ops, 25, 105), "-0.1");
    EXPECT_EQ(printedAt(ops, 75, 105), "0.1");
    for (double x : {12.5, 37.5, 50.0, 62.5, 87.5}) {
        EXPECT_EQ(printedAt(ops, x, 105), "<none>") << x;
    }
}

TEST(GraphPageTest, NineInchesEachWayLabelsTravelAndPositions) {
    GraphPageInputs in = camberInputs(1, -1);
    in.VU = 9;
    in.VD = 9;
    in.VY = 0.75f;
    const PrintRecording ops = page(in);
    const std::pair<double, const char*> travel[] = {{0, " 9"},       {12.5, " 6.75"}, {25, " 4.5"},
                                                     {37.5, " 2.25"}, {62.5, "-2.25"}, {75, "-4.5"},
                                                     {87.5, "-6.75"}, {100, "-9"}};
    for (const auto& [y, text] : travel) {
        EXPECT_EQ(printedAt(ops, 100, y), text) << y;
    }
    EXPECT_EQ(printedAt(ops, 100, 50), "<none>");
    EXPECT_EQ(printedAt(ops, 60, 125), " 9");
    EXPECT_EQ(printedAt(ops, 60, 135), " 6");
    EXPECT_EQ(printedAt(ops, 60, 155), " 0");
    EXPECT_EQ(printedAt(ops, 60, 185), "-9");
}

TEST(GraphPageTest, ValueColumnPrintsMagnitudesForBumpSteerAndForeAftOnly) {
    GraphPageInputs in = camberInputs(1, -1);
    in.GraphData[3] = -0.25f;
    EXPECT_EQ(printedAt(page(in), 80, 130), "-.25");
    EXPECT_EQ(printedAt(page(in), 80, 120), "Deg");

    in.flags = GraphSelection{};
    in.flags.BumpSteerGraph = true;
    EXPECT_EQ(printedAt(page(in), 80, 130), " .25");
    EXPECT_EQ(printedAt(page(in), 80, 120), "Deg");

    in.flags = GraphSelection{};
    in.flags.ForeAftGraph = true;
    EXPECT_EQ(printedAt(page(in), 80, 130), " .25");
    EXPECT_EQ(printedAt(page(in), 80, 120), "Inches");

    in.flags = GraphSelection{};
    in.flags.SideScrubGraph = true;
    EXPECT_EQ(printedAt(page(in), 80, 130), "-.25");
    EXPECT_EQ(printedAt(page(in), 80, 120), "Inches");
}

TEST(GraphPageTest, TitleNamesTheSideAndTheFirstFlagSet) {
    GraphSelection flags;
    EXPECT_EQ(graphPageTitle(true, flags), "Right ");
    EXPECT_EQ(graphPageTitle(false, flags), "Left ");
    flags.CasterGraph = true;
    flags.BumpSteerGraph = true;
    EXPECT_EQ(graphPageTitle(false, flags), "Left Bump Steer Change");

    GraphPageInputs in = camberInputs(1, -1);
    in.flags = GraphSelection{};
    in.Right_Active = false;
    const PrintRecording ops = page(in);
    EXPECT_EQ(printedAt(ops, 30, 115), "Left ");
    EXPECT_EQ(printedAt(ops, 80, 120), "Deg");
}

TEST(GraphPageTest, DrawsFrameAxesGridAndCurveInOrderThenSuggestionsAndFile) {
    GraphPageInputs in = camberInputs(1, -1);
    in.fileCaption = "/home/ann/car.kqw";
    const PrintRecording ops = page(in, {"First line", "", "Last line"});
    ASSERT_TRUE(testing::is<printop::DocumentName>(ops.front()));
    EXPECT_EQ(dumpPrintOp(ops[1]), "scale 143x200 at (-20,0)");

    std::vector<std::string> drawing;
    for (const PrintOp& op : ops) {
        if (testing::is<printop::Line>(op) || testing::is<printop::Box>(op) ||
            testing::is<printop::PenWidth>(op)) {
            drawing.push_back(dumpPrintOp(op));
        }
    }
    ASSERT_EQ(drawing.size(), 1u + 1 + 2 + 1 + 12 + 24);
    EXPECT_EQ(drawing[0], "box (0,0)-(100,100)");
    EXPECT_EQ(drawing[1], "pen 3");
    EXPECT_EQ(drawing[2], "line (0,50)-(100,50)");
    EXPECT_EQ(drawing[3], "line (50,0)-(50,100)");
    EXPECT_EQ(drawing[4], "pen 1");
    EXPECT_EQ(drawing[5], "line (12.5,0)-(12.5,100)");
    EXPECT_EQ(drawing[11], "line (0,12.5)-(100,12.5)");

    const std::vector<std::string> lines = testing::printedLines(ops);
    const auto first = std::find(lines.begin(), lines.end(), "First line");
    ASSERT_NE(first, lines.end());
    EXPECT_EQ(*(first + 1), "");
    EXPECT_EQ(*(first + 2), "Last line");
    EXPECT_EQ(printedAt(ops, 0, 190), "/home/ann/car.kqw");
    EXPECT_TRUE(testing::is<printop::EndDoc>(ops.back()));
}

TEST(GraphPageTest, LongCurvesKeepTheTableAboveTheFileLine) {
    EXPECT_DOUBLE_EQ(tableRowY(1, 25), 125);
    EXPECT_DOUBLE_EQ(tableRowY(25, 25), 185);
    EXPECT_DOUBLE_EQ(tableRowY(26, 26), 187.5);
    for (int n : {27, 30, 36}) {
        EXPECT_DOUBLE_EQ(tableRowY(n, n), 187.5) << n;
        EXPECT_LT(tableRowY(1, n), tableRowY(2, n));
        EXPECT_GT(tableRowY(1, n), 120);
    }
}

} // namespace
} // namespace velmora

namespace velmora {
namespace {

TEST(GraphPageTest, BaselineIsPrintedDashedBeneathTheCurveWithALegend) {
    GraphPageInputs in = camberInputs(-1, 1);
    const PrintRecording plain = page(in);
    in.baselineDashes = {{40, 0, 40, 2}, {40, 3, 40, 5}};
    const PrintRecording with = page(in);
    const auto lines = [](const PrintRecording& ops) {
        std::vector<Segment> found;
        for (const PrintOp& op : ops) {
            if (const auto* line = std::get_if<printop::Line>(&op)) {
                found.push_back(*line);
            }
        }
        return found;
    };
    const std::vector<Segment> a = lines(plain);
    const std::vector<Segment> b = lines(with);
    // The grid as before, then the dashes and the legend, then the curve as before.
    const std::size_t grid = a.size() - 24;
    ASSERT_GT(b.size(), a.size() + 2);
    EXPECT_TRUE(std::equal(a.begin(), a.begin() + static_cast<long>(grid), b.begin()));
    EXPECT_EQ(b[grid], (Segment{40, 0, 40, 2}));
    EXPECT_EQ(b[grid + 1], (Segment{40, 3, 40, 5}));
    EXPECT_TRUE(std::equal(a.end() - 24, a.end(), b.end() - 24));
    const std::vector<std::string> texts = testing::printedLines(with);
    EXPECT_NE(std::find(texts.begin(), texts.end(), kBaselineLegend), texts.end());
}

} // namespace
} // namespace velmora
