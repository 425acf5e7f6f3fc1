// The drawing rules of the wizard's screens, checked on the recording alone: every dimension
// line runs from the named reference to an extension line through its point, parallel lines
// are well apart, arrow heads never sit on one another, texts cover nothing, and nothing the
// tape measures runs below the floor. The guide's pictures keep their names off the marks.
#include "pictures/named_picture.h"
#include "pictures/sketch.h"

#include "core/drawing/recorded_ops.h"
#include "drawing/recording_canvas.h"
#include "model/project_file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace pc = picture_colors;

// The wizard's picture box in pixels, where the rules hold.
constexpr int kWidth = 5535 / 15;
constexpr int kHeight = 5655 / 15;

struct Px {
    double x = 0, y = 0;
};
struct Segment {
    Px a, b;
    Rgb color;
    int pen = 1;
};
struct Circle {
    Px c;
    double r = 0;
    bool filled = false;
    Rgb color;
};
struct Text {
    double x0, y0, x1, y1;
    std::string text;
};

// The recording in surface pixels; `swap` exchanges x and y, so the floor of a Y screen
// stands like the other screens' references and every dimension line lies along x.
struct Drawing {
    std::vector<Segment> lines;
    std::vector<Circle> circles;
    std::vector<Text> texts;
    double floorY = 0;

    Drawing(const Recording& ops, int width, int height) {
        double left = 0, top = 0, sx = 1, sy = 1;
        const auto at = [&](double x, double y) { return Px{(x - left) * sx, (y - top) * sy}; };
        for (const DrawOp& op : ops) {
            const double font = op.state.font.size * 96 / 72;
            if (const auto* scale = std::get_if<drawop::Scale>(&op.command)) {
                left = scale->left, top = scale->top;
                sx = width / (scale->right - scale->left),
                sy = height / (scale->bottom - scale->top);
                floorY = at(0, 0).y;
            } else if (const auto* line = std::get_if<drawop::Line>(&op.command)) {
                lines.push_back({at(line->x1, line->y1), at(line->x2, line->y2), line->color,
                                 op.state.penWidth});
            } else if (const auto* box = std::get_if<drawop::Box>(&op.command)) {
                const Px a = at(box->x1, box->y1), b = at(box->x2, box->y2);
                for (const auto& [p, q] :
                     {std::pair{a, Px{a.x, b.y}}, std::pair{Px{a.x, b.y}, b},
                      std::pair{b, Px{b.x, a.y}}, std::pair{Px{b.x, a.y}, a}}) {
                    lines.push_back({p, q, box->color, op.state.penWidth});
                }
            } else if (const auto* circle = std::get_if<drawop::Circle>(&op.command)) {
                circles.push_back({at(circle->cx, circle->cy), circle->radius * std::abs(sx),
                                   op.state.fillStyle == FillStyle::Solid, circle->color});
            } else if (const auto* print = std::get_if<drawop::Print>(&op.command)) {
                const Px a = at(print->x, print->y);
                texts.push_back({a.x, a.y, a.x + print->text.size() * font * 0.62,
                                 a.y + font * 1.25, print->text});
            }
        }
    }
};

double distance(Px p, const Text& t, bool farthest = false) {
    const auto gap = [farthest](double v, double lo, double hi) {
        return farthest ? std::max(v - lo, hi - v) : std::max({lo - v, 0.0, v - hi});
    };
    return std::hypot(gap(p.x, t.x0, t.x1), gap(p.y, t.y0, t.y1));
}

bool crosses(const Segment& s, const Text& t) {
    const int steps = 2 + static_cast<int>(2 * std::hypot(s.b.x - s.a.x, s.b.y - s.a.y));
    for (int i = 0; i <= steps; ++i) { // every half pixel
        const double f = static_cast<double>(i) / steps;
        const Px p{s.a.x + f * (s.b.x - s.a.x), s.a.y + f * (s.b.y - s.a.y)};
        if (distance(p, t) < s.pen / 2.0 - 0.5 ||
            (p.x > t.x0 && p.x < t.x1 && p.y > t.y0 && p.y < t.y1)) {
            return true;
        }
    }
    return false;
}

void expectTextsCoverNothing(const Drawing& d) {
    for (std::size_t i = 0; i < d.texts.size(); ++i) {
        const Text& t = d.texts[i];
        for (const Segment& s : d.lines) {
            EXPECT_FALSE(crosses(s, t))
                << '"' << t.text << "\" over a line at " << s.a.x << "," << s.a.y;
        }
        for (const Circle& c : d.circles) {
            EXPECT_TRUE(distance(c.c, t) >= c.r || (!c.filled && distance(c.c, t, true) <= c.r))
                << '"' << t.text << "\" over a circle at " << c.c.x << "," << c.c.y;
        }
        for (std::size_t j = i + 1; j < d.texts.size(); ++j) {
            const Text& o = d.texts[j];
            EXPECT_TRUE(t.x1 <= o.x0 || o.x1 <= t.x0 || t.y1 <= o.y0 || o.y1 <= t.y0)
                << '"' << t.text << "\" over \"" << o.text << '"';
        }
    }
}

// The Ford style's typical bottom arm is laid out for its screens: its points there stand
// clear of one another, and so do the extension lines through them (two on one line share
// it).
void expectTypicalPointsStandApart(const std::vector<Px>& markers,
                                   const std::vector<Segment>& extensions) {
    for (std::size_t i = 0; i < markers.size(); ++i) {
        for (std::size_t j = i + 1; j < markers.size(); ++j) {
            EXPECT_GE(std::hypot(markers[i].x - markers[j].x, markers[i].y - markers[j].y), 10)
                << "points " << i << " and " << j << " overlap";
        }
    }
    for (std::size_t i = 0; i < extensions.size(); ++i) {
        for (std::size_t j = i + 1; j < extensions.size(); ++j) {
            const double apart = std::abs(extensions[i].a.x - extensions[j].a.x);
            EXPECT_TRUE(apart < 0.01 || apart >= 6)
                << "extension lines " << apart << " px apart at " << extensions[i].a.x;
        }
    }
}

void expectScreenFollowsTheRules(const std::string& name, const Recording& ops,
                                 bool spreadOut = false) {
    const Drawing d(ops, kWidth, kHeight);
    expectTextsCoverNothing(d);
    const char axis = name[name.size() - 7];
    const std::string reference = axis == 'x'   ? "centerline"
                                  : axis == 'y' ? "floor"
                                                : "reference line";
    // Looked at with x and y exchanged, a Y screen's height lines lie along x as well.
    const auto turn = [axis](Px p) { return axis == 'y' ? Px{p.y, p.x} : p; };
    std::optional<Segment> ref;
    std::vector<Segment> dims, extensions;
    std::vector<Px> markers, tips;
    for (const Segment& s : d.lines) {
        const Segment t{turn(s.a), turn(s.b), s.color};
        const bool standing = std::abs(t.a.x - t.b.x) < 0.01;
        if (axis == 'y' ? s.color == pc::Chassis && std::abs(s.a.y - d.floorY) < 0.5 && standing
                        : s.color == pc::Chalk && standing) {
            ref = t;
        }
        if (s.color == pc::Dimension) {
            EXPECT_LE(std::max(s.a.y, s.b.y), d.floorY + 0.5) << "below the floor";
            if (std::abs(t.a.y - t.b.y) < 0.01 && std::abs(t.a.x - t.b.x) > 3) {
                dims.push_back(t);
            } else if (standing) {
                extensions.push_back(t);
            }
        }
    }
    for (const Circle& c : d.circles) {
        if (c.filled && c.color == pc::Point) {
            markers.push_back(turn(c.c));
        }
    }
    ASSERT_TRUE(ref) << "no " << reference << " drawn";
    const auto named = std::find_if(d.texts.begin(), d.texts.end(),
                                    [&](const Text& t) { return t.text == reference; });
    ASSERT_NE(named, d.texts.end()) << "the " << reference << " is not named";
    EXPECT_TRUE(crosses({turn(ref->a), turn(ref->b), pc::Chalk, 25}, *named)) << "named far away";

    const std::size_t points = name.find("zmc") != std::string::npos ? 2 : 3;
    ASSERT_EQ(dims.size(), points);
    ASSERT_EQ(markers.size(), points);
    std::vector<int> measured(points, 0);
    for (const Segment& dim : dims) {
        const bool aOnRef = std::abs(dim.a.x - ref->a.x) < 0.5;
        const Px start = aOnRef ? dim.a : dim.b, end = aOnRef ? dim.b : dim.a;
        EXPECT_TRUE(std::abs(start.x - ref->a.x) < 0.5 &&
                    start.y >= std::min(ref->a.y, ref->b.y) - 0.5 &&
                    start.y <= std::max(ref->a.y, ref->b.y) + 0.5)
            << "a dimension line starts off the " << reference;
        const auto ext = std::find_if(extensions.begin(), extensions.end(), [&](const Segment& e) {
            return std::abs(e.a.x - end.x) < 0.5 && end.y > std::min(e.a.y, e.b.y) &&
                   end.y < std::max(e.a.y, e.b.y);
        });
        ASSERT_NE(ext, extensions.end()) << "a dimension line ends on no extension line";
        for (std::size_t i = 0; i < points; ++i) {
            measured[i] += std::abs(markers[i].x - ext->a.x) < 0.5;
        }
        tips.insert(tips.end(), {start, end});
    }
    for (std::size_t i = 0; i < points; ++i) {
        EXPECT_GE(measured[i], 1) << "point " << i << " has no dimension line";
        for (std::size_t j = i + 1; j < points; ++j) {
            EXPECT_GE(std::abs(dims[i].a.y - dims[j].a.y), 12) << "dimension lines too close";
        }
    }
    for (std::size_t i = 0; i < tips.size(); ++i) {
        for (std::size_t j = i + 1; j < tips.size(); ++j) {
            EXPECT_GE(std::hypot(tips[i].x - tips[j].x, tips[i].y - tips[j].y), 8)
                << "arrow heads stacked";
        }
    }
    if (spreadOut) {
        expectTypicalPointsStandApart(markers, extensions);
    }
}

TEST(WizardPictureRules, EveryScreenOfEveryStyleAndSideInOwnAndTypicalGeometry) {
    std::vector<std::optional<CoordinateSet>> geometries{std::nullopt};
    for (const char* file :
         {"gm-dirt-oval.kqw", "ford-asphalt-oval.kqw", "formula-road-course.kqw"}) {
        const ProjectReadResult read =
            readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/" + file);
        ASSERT_TRUE(read.ok()) << file;
        SuspensionState state;
        applyProjectData(state, *read.project);
        geometries.insert(geometries.end(), {state.LeftCoords, state.RightCoords});
    }
    for (const char* style : {"gm", "ford", "2000"}) {
        for (const char* side : {"l", "r"}) {
            for (const char* screen :
                 {"xup", "xdn", "xmc", "yup", "ydn", "ymc", "zup", "zdn", "zmc"}) {
                const std::string name = std::string(style) + side + screen + ".bmp";
                for (std::size_t g = 0; g < geometries.size(); ++g) {
                    SCOPED_TRACE(name + " geometry " + std::to_string(g) + " (0: typical)");
                    RecordingCanvas canvas(kWidth, kHeight);
                    ASSERT_TRUE(
                        drawNamedPicture(canvas, name, geometries[g] ? &*geometries[g] : nullptr));
                    const bool fordBottom =
                        std::string(style) == "ford" && std::string(screen).substr(1) == "dn";
                    expectScreenFollowsTheRules(name, canvas.operations(),
                                                fordBottom && !geometries[g]);
                }
            }
        }
    }
}

TEST(WizardPictureRules, MiscLegendsUseThePromptsWords) {
    const auto texts = [](const std::string& name) {
        RecordingCanvas canvas(kWidth, kHeight);
        drawNamedPicture(canvas, name);
        std::string all;
        for (const std::string& text : testing::printedTexts(canvas.operations())) {
            all += text + "\n";
        }
        return all;
    };
    EXPECT_NE(texts("gmlxmc.bmp").find("C  tire center"), std::string::npos);
    EXPECT_NE(texts("2000rymc.bmp").find("C  spindle"), std::string::npos);
    EXPECT_EQ(texts("fordlxmc.bmp").find("wheel center"), std::string::npos);
}

TEST(GuidePictureRules, NamesKeepOffTheMarks) {
    for (const char* name : {"hlp1.bmp", "hlp2.bmp", "hlp3.bmp"}) {
        SCOPED_TRACE(name);
        RecordingCanvas canvas(578, 386);
        ASSERT_TRUE(drawNamedPicture(canvas, name));
        expectTextsCoverNothing(Drawing(canvas.operations(), 578, 386));
    }
}

} // namespace
} // namespace velmora
