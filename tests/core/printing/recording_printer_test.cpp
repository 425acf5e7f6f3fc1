#include "printing/recording_printer.h"

#include "core/drawing/recorded_ops.h"
#include "core/drawing/reference_recording.h"
#include "drawing/recording_canvas.h"
#include "printing/canvas_printer.h"
#include "printing/graph_page.h"
#include "printing/text_pages.h"
#include "printing/worksheets.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(RecordingPrinterTest, ReplayReproducesTheRecordingAndJobsSplitAtEndDoc) {
    RecordingPrinter original;
    original.setDocumentName("one");
    original.setFont(Font{"Courier New", 18, true});
    original.print({PrintItem::Spaces(3), PrintItem::Text("a\tb")});
    original.arc(1, 2, 3, 4, 5);
    original.endDoc();
    original.setDocumentName("dropped");
    original.line(0, 0, 1, 1);
    original.killDoc();
    original.box(0, 0, 2, 2);
    original.endDoc();
    original.line(5, 5, 6, 6); // never ended

    RecordingPrinter copy;
    replayPrint(original.operations(), copy);
    EXPECT_EQ(copy.operations(), original.operations());

    const std::vector<PrintRecording> jobs = endedJobs(original.operations());
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(documentName(jobs[0], "x"), "one");
    EXPECT_EQ(documentName(jobs[1], "x"), "x");
    EXPECT_EQ(dumpPrintRecording(jobs[1]), "box (0,0)-(2,2)\n");
    EXPECT_EQ(dumpPrintOp(original.operations()[2]), "print spc(3) \"a\\tb\"");
}

TEST(RecordingPrinterTest, CanvasPrinterMapsTheUserScaleAndWritesSpacesAsBlanks) {
    RecordingCanvas canvas;
    CanvasPrinter printer(canvas);
    printer.setScale(143, 200, -20, 0);
    printer.setCurrentPosition(60, 120);
    printer.print({PrintItem::Text("File:"), PrintItem::Spaces(1), PrintItem::Text("")});
    printer.arc(0, 0, 5, 1, 2);
    const Recording& ops = canvas.operations();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(dumpOp(ops[1]), "scale (-20,0)-(123,200)");
    EXPECT_EQ(testing::as<drawop::Print>(ops[2]).text, "File: ");
    EXPECT_EQ(ops[2].state.font, defaultPrinterFont());
    EXPECT_EQ(testing::as<drawop::Circle>(ops[3]).color, colors::Black);
}

// One reference page of each kind; regenerate with VELMORA_UPDATE_REFERENCES=1 after an
// intended change.
TEST(PrintReferenceTest, OnePageOfEachKind) {
    {
        RecordingPrinter printer;
        CoordinateBoxTexts boxes;
        const char* texts[] = {"9",  "10", "23",   "7",  "8",  "26",  "9",   "24",  "31",
                               "14", "15", "16.5", "8",  "8",  "6.5", "8.5", "8.5", "13",
                               "20", "30", "25.5", "20", "32", "25",  "20",  "20.5"};
        for (std::size_t i = 0; i < 26; ++i) {
            boxes[i + 1] = texts[i];
        }
        buildCoordinatePage(printer, false, boxes, "/cars/late model.kqw");
        testing::expectMatchesReference("print_coordinates_left.txt", printer.dump());
    }
    {
        RecordingPrinter printer;
        StaticCaptions captions;
        captions.left.sai = "8.235";
        captions.right.sai = "8.5";
        captions.rollCenterOffset = "-1.25";
        buildStaticPage(printer, captions);
        testing::expectMatchesReference("print_static.txt", printer.dump());
    }
    {
        RecordingPrinter printer;
        GraphPageInputs in;
        for (int i = 1; i <= 25; ++i) {
            const auto at = static_cast<std::size_t>(i);
            in.GraphData[at] = 1.5f - 0.125f * static_cast<float>(i - 1);
            in.PlotX[at] = 50 + 12.5f * in.GraphData[at];
            in.PlotY[at] = static_cast<float>(i - 1) * 100.0f / 24.0f;
        }
        in.flags.CasterGraph = true;
        in.Right_Active = true;
        in.fileCaption = "/cars/late model.kqw";
        buildGraphPage(printer, in, [] {
            return std::vector<std::string>{"Your caster change is fine.", ""};
        });
        testing::expectMatchesReference("print_graph_caster_right.txt", printer.dump());
    }
    {
        RecordingPrinter printer;
        buildWorksheet(printer, 1);
        testing::expectMatchesReference("print_worksheet_1.txt", printer.dump());
    }
}

} // namespace
} // namespace velmora
