#include "drawing/app_icon.h"

#include "core/drawing/recorded_ops.h"
#include "drawing/recording_canvas.h"
#include "drawing/svg_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora {
namespace {

TEST(SvgCanvas, MapsTheUserScaleOntoThePixels) {
    SvgCanvas svg(200, 100);
    svg.setScale(-10, 10, 10, -10); // y grows upwards, as on the graphs
    svg.setPenWidth(3);
    svg.line(-10, 10, 10, -10, Rgb{255, 0, 0});
    svg.setFillStyle(FillStyle::Solid);
    svg.setFillColor(Rgb{0, 0, 255});
    svg.circle(0, 0, 5, colors::Black, 0.5); // wider than high
    svg.setCurrentPosition(-10, 10);
    svg.print("a < b & \"c\"");
    const std::string doc = svg.document();
    EXPECT_EQ(doc.rfind("<?xml", 0), 0u);
    EXPECT_NE(doc.find("viewBox=\"0 0 200 100\""), std::string::npos);
    EXPECT_NE(doc.find("<line x1=\"0\" y1=\"0\" x2=\"200\" y2=\"100\" stroke=\"#ff0000\" "
                       "stroke-width=\"3\""),
              std::string::npos)
        << doc;
    EXPECT_NE(doc.find("<ellipse cx=\"100\" cy=\"50\" rx=\"50\" ry=\"12.5\""), std::string::npos)
        << doc;
    EXPECT_NE(doc.find("fill=\"#0000ff\""), std::string::npos);
    EXPECT_NE(doc.find("a &lt; b &amp; &quot;c&quot;"), std::string::npos);
    EXPECT_EQ(doc.substr(doc.size() - 7), "</svg>\n");
}

TEST(SvgCanvas, ArcsRunCounterClockwiseOnThePage) {
    SvgCanvas svg(100, 100);
    svg.setScale(0, 0, 100, 100);
    svg.circle(50, 50, 10, colors::Black, 1.0, ArcSpec{0, 3.14159265 / 2, false});
    // From the right of the centre up to the top: a quarter, small-arc, counter-clockwise.
    EXPECT_NE(svg.document().find("M60,50 A10,10 0 0 0 50,40"), std::string::npos)
        << svg.document();
}

TEST(AppIcon, StaysOnItsBadgeAtEverySize) {
    for (const int size : {16, 256}) {
        RecordingCanvas canvas;
        canvas.setPixelSize(size, size);
        drawAppIcon(canvas);
        const Recording& ops = canvas.operations();
        // Tire, rim, frame rail, two arms, upright.
        EXPECT_GE(testing::opsOf<drawop::Line>(ops).size(), 5u);
        for (const DrawOp& op : ops) {
            if (testing::is<drawop::Line>(op) || testing::is<drawop::Circle>(op)) {
                const testing::Xy start = testing::pointsOf(op).front();
                for (const double v : {start.x, start.y}) {
                    EXPECT_GE(v, 0);
                    EXPECT_LE(v, 100);
                }
                EXPECT_GE(op.state.penWidth, 1);
            }
        }
    }
}

} // namespace
} // namespace velmora
