#include "printing/worksheets.h"

#include "core/printing/print_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {
namespace {

using testing::as;
using testing::is;

PrintRecording figure(int page) {
    RecordingPrinter printer;
    drawWorksheetFigure(printer, page);
    return printer.operations();
}

bool hasOp(const PrintRecording& ops, const std::string& dumped) {
    return std::any_of(ops.begin(), ops.end(),
                       [&](const PrintOp& op) { return dumpPrintOp(op) == dumped; });
}

double wrapped(double angle) {
    const double turn = 2 * std::numbers::pi;
    angle = std::fmod(angle, turn);
    return angle < 0 ? angle + turn : angle;
}

TEST(WorksheetsTest, TenJobsInOrderRightSideFirstEachWithItsTitle) {
    RecordingPrinter printer;
    RecordingMessageSink sink;
    ASSERT_TRUE(printGarageWorksheets(printer, sink));
    EXPECT_TRUE(sink.messages.empty());
    const std::vector<PrintRecording> jobs = endedJobs(printer.operations());
    ASSERT_EQ(jobs.size(), 10u);
    const char* titles[] = {"Right Side Horizontal",
                            "Right Side Vertical",
                            "Right Side Fore/Aft",
                            "Right Tie Rod Horizontal & Vertical",
                            "Right Tie Rod Fore/Aft",
                            "Left Side Horizontal",
                            "Left Side Vertical",
                            "Left Side Fore/Aft",
                            "Left Tie Rod Horizontal & Vertical",
                            "Left Tie Rod Fore/Aft"};
    for (int page = 1; page <= 10; ++page) {
        const PrintRecording& job = jobs[static_cast<std::size_t>(page - 1)];
        EXPECT_EQ(dumpPrintOp(job[1]), "scale 640x850 at (0,0)");
        const double titleX = page == 4 || page == 9 ? 200 : 250;
        EXPECT_EQ(testing::printedAt(job, titleX, 500), titles[page - 1]) << page;
        EXPECT_EQ(testing::printedLines(job).size(), 1u) << page;
    }
}

TEST(WorksheetsTest, FailureOnPageSevenKeepsSixPagesAndStopsTheCommand) {
    testing::FailingPrinter printer(7);
    RecordingMessageSink sink;
    EXPECT_FALSE(printGarageWorksheets(printer, sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], (Message{"Error", "An error has occured while printing",
                                         MessageIcon::None, MessageButtons::Ok}));
    const PrintRecording& ops = printer.operations();
    EXPECT_EQ(endedJobs(ops).size(), 6u);
    EXPECT_TRUE(is<printop::KillDoc>(ops.back()));
    const auto started = std::count_if(
        ops.begin(), ops.end(), [](const PrintOp& op) { return is<printop::DocumentName>(op); });
    EXPECT_EQ(started, 7);
}

TEST(WorksheetsTest, LeftFrontViewsAreExactMirrorImagesOfTheRightOnes) {
    for (const int page : {1, 2}) {
        const PrintRecording right = figure(page);
        const PrintRecording left = figure(page + 5);
        ASSERT_EQ(right.size(), left.size());
        for (std::size_t i = 0; i < right.size(); ++i) {
            const PrintOp& r = right[i];
            const PrintOp& l = left[i];
            ASSERT_EQ(r.index(), l.index());
            if (is<printop::Line>(r)) {
                const printop::Line& rl = as<printop::Line>(r);
                const printop::Line& ll = as<printop::Line>(l);
                EXPECT_DOUBLE_EQ(ll.x1, 640 - rl.x1) << dumpPrintOp(r);
                EXPECT_DOUBLE_EQ(ll.y1, rl.y1);
                EXPECT_DOUBLE_EQ(ll.x2, 640 - rl.x2);
                EXPECT_DOUBLE_EQ(ll.y2, rl.y2);
            } else if (is<printop::Circle>(r)) {
                const printop::Circle& rc = as<printop::Circle>(r);
                const printop::Circle& lc = as<printop::Circle>(l);
                EXPECT_DOUBLE_EQ(lc.cx, 640 - rc.cx) << dumpPrintOp(r);
                EXPECT_DOUBLE_EQ(lc.cy, rc.cy);
                if (rc.arc) {
                    // The mirrored arc covers the mirror images of the same points: it runs
                    // from the image of the end to the image of the start.
                    ASSERT_TRUE(lc.arc);
                    EXPECT_NEAR(wrapped(lc.arc->start), wrapped(std::numbers::pi - rc.arc->end),
                                1e-9);
                    EXPECT_NEAR(wrapped(lc.arc->end), wrapped(std::numbers::pi - rc.arc->start),
                                1e-9);
                }
            } else {
                ADD_FAILURE() << "a front view draws only lines and circles: " << dumpPrintOp(r);
            }
        }
    }
    EXPECT_TRUE(hasOp(figure(1), "line (610,135)-(610,160)"));
    EXPECT_TRUE(hasOp(figure(6), "line (30,135)-(30,160)"));
}

TEST(WorksheetsTest, FrontViewCarriesThePageOneInstances) {
    const PrintRecording ops = figure(1);
    for (const char* expected :
         {"line (610,340)-(610,475)", "circle (390,200) r=7", "circle (440,340) r=7",
          "line (384,190)-(234,163)", "line (381,207)-(231,181)", "line (440,328)-(216,328)",
          "line (440,352)-(240,352)", "line (40,155)-(40,425)", "line (190,155)-(190,425)",
          "arc (75,425) r=35 from 3.14159 to 4.71239", "line (75,460)-(155,460)",
          "line (610,150)-(248,150)", "line (610,247)-(390,247)", "line (610,375)-(440,375)",
          "line (610,420)-(240,420)", "line (610,460)-(115,460)",
          // arrow heads at the centreline end and at the joint end
          "line (610,150)-(605,145)", "line (248,150)-(253,155)"}) {
        EXPECT_TRUE(hasOp(ops, expected)) << expected;
    }
}

TEST(WorksheetsTest, LeftForeAftKeepsTheFigureAndMovesTheReferenceLine) {
    const PrintRecording right = figure(3);
    const PrintRecording left = figure(8);
    for (const char* shape : {"circle (300,275) r=141", "circle (300,275) r=14",
                              "circle (300,239) r=4", "circle (300,325) r=4"}) {
        EXPECT_TRUE(hasOp(right, shape)) << shape;
        EXPECT_TRUE(hasOp(left, shape)) << shape;
    }
    EXPECT_TRUE(hasOp(right, "line (530,60)-(530,485)"));
    EXPECT_TRUE(hasOp(left, "line (75,60)-(75,485)"));
    EXPECT_FALSE(hasOp(left, "line (530,60)-(530,485)"));
    // Dimension lines run from the reference line to the left on the left side.
    EXPECT_TRUE(hasOp(left, "line (75,100)-(300,100)"));
    EXPECT_TRUE(hasOp(right, "line (530,100)-(300,100)"));
}

TEST(WorksheetsTest, LeftTieRodPagesSwapTheRodEndsAndKeepRodGroundAndHeights) {
    const PrintRecording right = figure(4);
    const PrintRecording left = figure(9);
    for (const char* kept :
         {"line (180,303)-(450,303)", "line (180,327)-(450,327)", "line (50,430)-(600,430)",
          "line (110,430)-(110,315)", "line (520,430)-(520,315)"}) {
        EXPECT_TRUE(hasOp(right, kept)) << kept;
        EXPECT_TRUE(hasOp(left, kept)) << kept;
    }
    // The inner eye changes ends.
    EXPECT_TRUE(hasOp(right, "circle (475,315) r=14"));
    EXPECT_TRUE(hasOp(left, "circle (155,315) r=14"));
    EXPECT_FALSE(hasOp(left, "circle (475,315) r=14"));
    // Centreline at x = 70 with the horizontal dimensions to the eye and the outer joint.
    EXPECT_TRUE(hasOp(left, "line (70,255)-(70,330)"));
    EXPECT_TRUE(hasOp(left, "line (70,280)-(155,280)"));
    EXPECT_TRUE(hasOp(left, "line (70,240)-(475,240)"));
    EXPECT_TRUE(hasOp(right, "line (580,240)-(155,240)"));

    const PrintRecording top = figure(5);
    const PrintRecording topLeft = figure(10);
    for (const char* kept : {"line (50,430)-(600,430)", "line (120,315)-(120,430)",
                             "line (520,315)-(520,430)", "line (180,303)-(450,303)"}) {
        EXPECT_TRUE(hasOp(top, kept)) << kept;
        EXPECT_TRUE(hasOp(topLeft, kept)) << kept;
    }
    EXPECT_TRUE(hasOp(top, "circle (155,315) r=14"));
    EXPECT_TRUE(hasOp(topLeft, "circle (475,315) r=14"));
}

} // namespace
} // namespace velmora
