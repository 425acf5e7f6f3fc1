#include "drawing/recording_canvas.h"

#include "core/drawing/recorded_ops.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::as;
using testing::is;

TEST(PaletteTest, ConsoleColoursAndOutOfRangeIsBlack) {
    EXPECT_EQ(paletteColor(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(paletteColor(4), (Rgb{128, 0, 0}));
    EXPECT_EQ(paletteColor(7), (Rgb{192, 192, 192}));
    EXPECT_EQ(paletteColor(8), (Rgb{128, 128, 128}));
    EXPECT_EQ(paletteColor(12), (Rgb{255, 0, 0}));
    EXPECT_EQ(paletteColor(14), (Rgb{255, 255, 0}));
    EXPECT_EQ(paletteColor(15), (Rgb{255, 255, 255}));
    EXPECT_EQ(paletteColor(-1), colors::Black);
    EXPECT_EQ(paletteColor(16), colors::Black);
}

TEST(RecordingCanvasTest, OperationsCarryTheSettingsInForceWhenMade) {
    RecordingCanvas canvas;
    canvas.setPenWidth(3);
    canvas.setPenStyle(PenStyle::Dot);
    canvas.line(0, 0, 1, 1, colors::Red);
    canvas.setPenWidth(1);
    canvas.setFillStyle(FillStyle::Solid);
    canvas.setFillColor(colors::White);
    canvas.circle(5, 6, 2, colors::Yellow, 0.5, ArcSpec{1, 2, true});

    const Recording& ops = canvas.operations();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_TRUE(is<drawop::Line>(ops[0]));
    EXPECT_EQ(ops[0].state.penWidth, 3);
    EXPECT_EQ(ops[0].state.penStyle, PenStyle::Dot);
    ASSERT_TRUE(is<drawop::Circle>(ops[1]));
    EXPECT_EQ(ops[1].state.penWidth, 1);
    EXPECT_EQ(ops[1].state.penStyle, PenStyle::Dot); // settings persist until changed
    EXPECT_EQ(ops[1].state.fillStyle, FillStyle::Solid);
    EXPECT_EQ(as<drawop::Circle>(ops[1]).aspect, 0.5);
    EXPECT_EQ(as<drawop::Circle>(ops[1]).arc, (ArcSpec{1, 2, true}));
}

TEST(RecordingCanvasTest, PrintsCountLinesFromThePositionLastSet) {
    RecordingCanvas canvas;
    canvas.setScale(-20, 0, 123, 200);
    canvas.setCurrentPosition(0, 130);
    canvas.print("first");
    canvas.print("second");
    canvas.setCurrentPosition(60, 120);
    canvas.print("Position");
    canvas.clear();
    canvas.print("after clear");

    const Recording& ops = canvas.operations();
    ASSERT_EQ(ops.size(), 6u);
    EXPECT_EQ(dumpOp(ops[1]).substr(0, 32), "print \"first\" line=0 from (0,130");
    EXPECT_EQ(as<drawop::Print>(ops[2]).line, 1);
    EXPECT_EQ(as<drawop::Print>(ops[2]).y, 130);
    EXPECT_EQ(as<drawop::Print>(ops[3]).line, 0);
    EXPECT_EQ(as<drawop::Print>(ops[3]).x, 60);
    // Clearing moves the position to the top-left corner of the scale.
    EXPECT_EQ(as<drawop::Print>(ops[5]), (drawop::Print{"after clear", -20, 0, 0}));
}

TEST(RecordingCanvasTest, DumpIsOneReadableLinePerOperation) {
    RecordingCanvas canvas;
    canvas.setScale(0, 0, 125, 125);
    canvas.setBackground(colors::LightGrey);
    canvas.box(0, 0, 100, 100, colors::Black);
    canvas.setFillStyle(FillStyle::Solid);
    canvas.setFillColor(colors::White);
    canvas.circle(10.25, -0.0, 1.8, colors::White);
    canvas.circle(3, 4, 2.35, colors::Black, 17.5, ArcSpec{3.1415926 / 2 + 0.001, 1.5707863, true});
    canvas.setTextColor(paletteColor(4));
    canvas.setFont(Font{"Arial", 12, true});
    canvas.setCurrentPosition(45, 105);
    canvas.print("a\t\"b\"");

    EXPECT_EQ(canvas.dump(),
              "scale (0,0)-(125,125)\n"
              "background 192,192,192\n"
              "box (0,0)-(100,100) color=0,0,0 pen=1 solid\n"
              "circle (10.25,0) r=1.8 color=255,255,255 aspect=1 pen=1 solid fill=solid "
              "255,255,255\n"
              "circle (3,4) r=2.35 color=0,0,0 aspect=17.5 arc=1.5718..1.57079 pie pen=1 solid "
              "fill=solid 255,255,255\n"
              "print \"a\\t\\\"b\\\"\" line=0 from (45,105) color=128,0,0 font=\"Arial\" 12 "
              "bold\n");
}

TEST(RecordingCanvasTest, ReplayOntoAnotherRecorderReproducesTheRecording) {
    RecordingCanvas source;
    source.setScale(0, 0, 100, 24);
    source.setBackground(colors::Black);
    source.setPenWidth(2);
    source.line(1, 2, 3, 4, colors::Green);
    source.setFillStyle(FillStyle::Solid);
    source.setPenStyle(PenStyle::Dot);
    source.circle(1, 1, 1, colors::Black, 2.0, ArcSpec{0.5, 0.25, false});
    source.setCurrentPosition(40, 85);
    source.print("one");
    source.print("two");
    source.clear();
    source.print("three");

    RecordingCanvas target;
    replay(source.operations(), target);
    EXPECT_EQ(target.operations(), source.operations());
}

TEST(RecordingCanvasTest, TrimOnClearKeepsOnlyWhatIsVisibleAndTheScale) {
    RecordingCanvas canvas(281, 289);
    canvas.setTrimOnClear(true);
    canvas.setScale(0, 0, 125, 125);
    canvas.line(0, 0, 1, 1, colors::Red);
    canvas.clear();
    canvas.line(2, 2, 3, 3, colors::Red);

    EXPECT_EQ(canvas.dump(), "scale (0,0)-(125,125)\n"
                             "clear\n"
                             "line (2,2)-(3,3) color=255,0,0 pen=1 solid\n");
    EXPECT_EQ(canvas.pixelWidth(), 281);
    EXPECT_EQ(canvas.pixelHeight(), 289);
}

} // namespace
} // namespace velmora
