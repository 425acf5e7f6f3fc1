#include "pictures/corner_geometry.h"
#include "pictures/named_picture.h"
#include "pictures/sketch.h"

#include "core/drawing/recorded_ops.h"
#include "core/drawing/reference_recording.h"
#include "drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace pc = picture_colors;
using testing::as;
using testing::colorOf;
using testing::is;
using testing::pointsOf;

Recording draw(const std::string& name, const CoordinateSet* own = nullptr) {
    RecordingCanvas canvas(560, 570);
    EXPECT_TRUE(drawNamedPicture(canvas, name, own)) << name;
    return canvas.operations();
}

std::vector<std::string> wizardNames() {
    std::vector<std::string> names;
    for (const char* style : {"gm", "ford", "2000"}) {
        for (const char* side : {"l", "r"}) {
            for (const char* axis : {"x", "y", "z"}) {
                for (const char* group : {"up", "dn", "mc"}) {
                    names.push_back(std::string("\\") + style + side + axis + group + ".bmp");
                }
            }
        }
    }
    return names;
}

std::vector<std::string> labelsOf(const Recording& ops) {
    std::vector<std::string> labels;
    for (const std::string& text : testing::printedTexts(ops)) {
        if (text.size() == 1) {
            labels.push_back(text);
        }
    }
    return labels;
}

// The marker of every measured point, in the order drawn.
std::vector<drawop::Circle> markersOf(const Recording& ops) {
    std::vector<drawop::Circle> markers;
    for (const DrawOp& op : ops) {
        if (is<drawop::Circle>(op) && as<drawop::Circle>(op).color == pc::Point &&
            op.state.fillStyle == FillStyle::Solid) {
            markers.push_back(as<drawop::Circle>(op));
        }
    }
    return markers;
}

bool allFinite(const Recording& ops) {
    return std::all_of(ops.begin(), ops.end(), [](const DrawOp& op) {
        const std::vector<testing::Xy> points = pointsOf(op);
        return std::all_of(
                   points.begin(), points.end(),
                   [](testing::Xy p) { return std::isfinite(p.x) && std::isfinite(p.y); }) &&
               (!is<drawop::Circle>(op) || std::isfinite(as<drawop::Circle>(op).radius));
    });
}

TEST(WizardPicture, EveryScreenMarksItsPointsWithLetters) {
    for (const std::string& name : wizardNames()) {
        SCOPED_TRACE(name);
        const Recording ops = draw(name);
        const bool twoPoints = name.find("zmc") != std::string::npos;
        const std::vector<std::string> expected = twoPoints
                                                      ? std::vector<std::string>{"A", "B"}
                                                      : std::vector<std::string>{"A", "B", "C"};
        EXPECT_EQ(labelsOf(ops), expected);
        // Where each dimension line starts and ends is checked by the rules' test.
        EXPECT_EQ(markersOf(ops).size(), expected.size());
        EXPECT_TRUE(allFinite(ops));
    }
}

// The right side is the left one in a mirror: every line and circle at -x.
TEST(WizardPicture, LeftAndRightAreMirrorImages) {
    for (const char* pair : {"gmlxup", "fordlzdn", "2000lymc"}) {
        std::string left = std::string("\\") + pair + ".bmp";
        std::string right = left;
        right[right.find('l', 2)] = 'r';
        SCOPED_TRACE(left + " / " + right);
        const Recording l = draw(left);
        const Recording r = draw(right);
        ASSERT_EQ(l.size(), r.size());
        for (std::size_t i = 0; i < l.size(); ++i) {
            const DrawOp& a = l[i];
            const DrawOp& b = r[i];
            ASSERT_EQ(a.command.index(), b.command.index()) << i;
            if (is<drawop::Line>(a)) {
                const drawop::Line& la = as<drawop::Line>(a);
                const drawop::Line& lb = as<drawop::Line>(b);
                EXPECT_DOUBLE_EQ(la.x1, -lb.x1) << i;
                EXPECT_DOUBLE_EQ(la.x2, -lb.x2) << i;
                EXPECT_DOUBLE_EQ(la.y1, lb.y1) << i;
                EXPECT_EQ(la.color, lb.color) << i;
            } else if (is<drawop::Circle>(a)) {
                EXPECT_DOUBLE_EQ(as<drawop::Circle>(a).cx, -as<drawop::Circle>(b).cx) << i;
                EXPECT_DOUBLE_EQ(as<drawop::Circle>(a).cy, as<drawop::Circle>(b).cy) << i;
                EXPECT_EQ(as<drawop::Circle>(a).color, as<drawop::Circle>(b).color) << i;
            } else if (is<drawop::Scale>(a)) {
                EXPECT_DOUBLE_EQ(as<drawop::Scale>(a).left, -as<drawop::Scale>(b).right);
                EXPECT_DOUBLE_EQ(as<drawop::Scale>(a).right, -as<drawop::Scale>(b).left);
            } else if (is<drawop::Print>(a) && as<drawop::Print>(a).text.size() == 1) {
                EXPECT_EQ(as<drawop::Print>(a).text, as<drawop::Print>(b).text);
            }
        }
    }
}

TEST(WizardPicture, CompleteSetIsDrawnToScaleOtherwiseTheTypicalCorner) {
    const Recording typical = draw("\\gmlxup.bmp");
    CoordinateSet own = typicalCoordinates(CarLook::GM);
    own[3] = 27.5; // a much longer top arm
    const Recording scaled = draw("\\gmlxup.bmp", &own);
    const auto hasText = [](const Recording& ops, const std::string& text) {
        const std::vector<std::string> texts = testing::printedTexts(ops);
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    EXPECT_TRUE(hasText(scaled, "Your car, drawn to scale"));
    EXPECT_TRUE(hasText(typical, "Typical GM style stock car"));
    // The ball joint (C) moved outboard, the pivots (A, B) stayed where they were.
    const auto t = markersOf(typical);
    const auto s = markersOf(scaled);
    ASSERT_EQ(t.size(), 3u);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_NEAR(s[2].cx - s[0].cx, (t[2].cx - t[0].cx) + 4.7, 1e-4);

    CoordinateSet incomplete = own;
    incomplete[20] = 0;
    EXPECT_EQ(draw("\\gmlxup.bmp", &incomplete), typical);
    // Values no car has fall back to the typical corner instead of a picture of nothing.
    for (const float bad : {std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity(), -5.0f, 1e30f}) {
        CoordinateSet odd = own;
        odd[5] = bad;
        EXPECT_EQ(draw("\\gmlxup.bmp", &odd), typical) << bad;
    }
}

TEST(WizardPicture, StylesLookDifferentWhereTheirSuspensionsDiffer) {
    const auto arcs = [](const Recording& ops) {
        const std::vector<drawop::Circle> circles = testing::opsOf<drawop::Circle>(ops);
        return std::count_if(circles.begin(), circles.end(),
                             [](const drawop::Circle& circle) { return circle.arc.has_value(); });
    };
    // Stock cars have a fender over the wheel, the formula car an open wheel.
    EXPECT_EQ(arcs(draw("\\gmlzup.bmp")), 1);
    EXPECT_EQ(arcs(draw("\\2000lzup.bmp")), 0);
    // The Ford bottom arm's strut rod mount (B) lies far ahead of its ball joint (C); the GM
    // arm's front pivot is close to it.
    const auto reach = [](const Recording& ops) {
        return markersOf(ops)[2].cx - markersOf(ops)[1].cx;
    };
    EXPECT_GT(reach(draw("\\fordlzdn.bmp")), 2 * reach(draw("\\gmlzdn.bmp")));
}

TEST(PanelPicture, GreyedButtonIsTheLiveDrawingInGreys) {
    const Recording live = draw("\\gmrbot.bmp");
    const Recording grey = draw("\\gmdisrbot.bmp");
    ASSERT_EQ(live.size(), grey.size());
    for (std::size_t i = 0; i < live.size(); ++i) {
        const std::vector<testing::Xy> l = pointsOf(live[i]);
        const std::vector<testing::Xy> g = pointsOf(grey[i]);
        ASSERT_EQ(l.size(), g.size()) << i;
        for (std::size_t k = 0; k < l.size(); ++k) {
            EXPECT_EQ(l[k].x, g[k].x) << i;
            EXPECT_EQ(l[k].y, g[k].y) << i;
        }
        const Rgb c = colorOf(grey[i]).value_or(colors::Black);
        EXPECT_TRUE(c.r == c.g && c.g == c.b) << i;
    }
    // The button's member is the strong colour; the top arm is faint.
    EXPECT_FALSE(testing::linesIn(live, pc::Measured).empty());
    EXPECT_NE(draw("\\gmrtop.bmp"), live);
    EXPECT_NE(draw("\\xyz.bmp"), draw("\\gmtr.bmp"));
}

TEST(NamedPicture, UnknownNameDrawsNothing) {
    RecordingCanvas canvas(100, 100);
    EXPECT_FALSE(drawNamedPicture(canvas, "\\photo.bmp"));
    EXPECT_TRUE(canvas.operations().empty());
}

TEST(PictureReference, RecordedDrawings) {
    testing::expectMatchesReference("picture_gmlxup.txt", velmora::dump(draw("\\gmlxup.bmp")));
    testing::expectMatchesReference("picture_2000rzmc.txt", velmora::dump(draw("\\2000rzmc.bmp")));
    testing::expectMatchesReference("picture_hlp2.txt", velmora::dump(draw("\\hlp2.bmp")));
}

} // namespace
} // namespace velmora
