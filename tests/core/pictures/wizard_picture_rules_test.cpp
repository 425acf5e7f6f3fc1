// The drawing rules of the wizard's screens, checked on the recording alone: every dimension
// line runs from the named reference to an extension line through its point, parallel lines
// are well apart, arrow heads never sit on one another, texts cover nothing, and nothing the
// tape measures runs below the floor. The guide's pictures keep their names off the marks.
#include "pictures/corner_geometry.h"
#include "pictures/named_picture.h"
#include "pictures/sketch.h"

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
    double x = 0;
    double y = 0;
};
struct Segment {
    Px a, b;
    Rgb color;
    int pen = 1;
};
struct Rect {
    double x0, y0, x1, y1;
    std::string text;
};

// The recording in surface pixels.
struct Drawing {
    std::vector<Segment> lines;
    std::vector<std::pair<Px, double>> discs, rings; // centre and radius
    std::vector<Px> markers;                         // the measured points
    std::vector<Rect> texts;
    double floorY = 0;

    Drawing(const Recording& ops, int width, int height) {
        double left = 0, top = 0, sx = 1, sy = 1;
        const auto at = [&](double x, double y) { return Px{(x - left) * sx, (y - top) * sy}; };
        for (const DrawOp& op : ops) {
            switch (op.kind) {
            case DrawOpKind::Scale:
                left = op.x1;
                top = op.y1;
                sx = width / (op.x2 - op.x1);
                sy = height / (op.y2 - op.y1);
                floorY = at(0, 0).y;
                break;
            case DrawOpKind::Line:
                lines.push_back({at(op.x1, op.y1), at(op.x2, op.y2), op.color, op.state.penWidth});
                break;
            case DrawOpKind::Box: {
                const Px a = at(op.x1, op.y1), b = at(op.x2, op.y2);
                for (const auto& [p, q] :
                     {std::pair{a, Px{a.x, b.y}}, std::pair{Px{a.x, b.y}, b},
                      std::pair{b, Px{b.x, a.y}}, std::pair{Px{b.x, a.y}, a}}) {
                    lines.push_back({p, q, op.color, op.state.penWidth});
                }
                break;
            }
            case DrawOpKind::Circle: {
                const std::pair c{at(op.x1, op.y1), op.radius * std::abs(sx)};
                const bool filled = op.state.fillStyle == FillStyle::Solid;
                (filled ? discs : rings).push_back(c);
                if (filled && op.color == pc::Point) {
                    markers.push_back(c.first);
                }
                break;
            }
            case DrawOpKind::Print: {
                const double size = op.state.font.size * 96 / 72;
                const Px p = at(op.x1, op.y1);
                texts.push_back(
                    {p.x, p.y, p.x + op.text.size() * size * 0.62, p.y + size * 1.25, op.text});
                break;
            }
            default:
                break;
            }
        }
    }
};

bool crosses(const Segment& s, const Rect& r) {
    // Sampled finely enough for lines a few hundred pixels long.
    const double m = s.pen / 2.0 - 0.5;
    for (int i = 0; i <= 400; ++i) {
        const double t = i / 400.0;
        const double x = s.a.x + t * (s.b.x - s.a.x), y = s.a.y + t * (s.b.y - s.a.y);
        if (x > r.x0 - m && x < r.x1 + m && y > r.y0 - m && y < r.y1 + m) {
            return true;
        }
    }
    return false;
}

double distanceTo(Px c, const Rect& r, bool farthest) {
    const double dx =
        farthest ? std::max(c.x - r.x0, r.x1 - c.x) : std::max({r.x0 - c.x, 0.0, c.x - r.x1});
    const double dy =
        farthest ? std::max(c.y - r.y0, r.y1 - c.y) : std::max({r.y0 - c.y, 0.0, c.y - r.y1});
    return std::hypot(dx, dy);
}

// Every text is clear of every line, circle and other text.
void expectTextsCoverNothing(const Drawing& d) {
    for (std::size_t i = 0; i < d.texts.size(); ++i) {
        const Rect& r = d.texts[i];
        for (const Segment& s : d.lines) {
            EXPECT_FALSE(crosses(s, r)) << "\"" << r.text << "\" over a line from (" << s.a.x << ","
                                        << s.a.y << ") to (" << s.b.x << "," << s.b.y << ")";
        }
        for (const auto& [c, radius] : d.discs) {
            EXPECT_GE(distanceTo(c, r, false), radius) << "\"" << r.text << "\" over a disc";
        }
        for (const auto& [c, radius] : d.rings) {
            EXPECT_TRUE(distanceTo(c, r, false) >= radius || distanceTo(c, r, true) <= radius)
                << "\"" << r.text << "\" over a circle at (" << c.x << "," << c.y << ")";
        }
        for (std::size_t j = i + 1; j < d.texts.size(); ++j) {
            const Rect& o = d.texts[j];
            EXPECT_TRUE(r.x1 <= o.x0 || o.x1 <= r.x0 || r.y1 <= o.y0 || o.y1 <= r.y0)
                << "\"" << r.text << "\" over \"" << o.text << "\"";
        }
    }
}

void expectScreenFollowsTheRules(const std::string& name, const Drawing& d) {
    const char axis = name[name.size() - 7];
    const bool vertical = axis == 'y'; // height lines stand up from the floor
    const std::string reference = axis == 'x'   ? "centerline"
                                  : axis == 'y' ? "floor"
                                                : "reference line";
    const std::size_t points = name.find("zmc") != std::string::npos ? 2 : 3;

    // The named reference: the floor, or the chalk line standing on it.
    std::optional<Segment> ref;
    for (const Segment& s : d.lines) {
        const bool floor = std::abs(s.a.y - d.floorY) < 0.5 && std::abs(s.b.y - d.floorY) < 0.5 &&
                           s.color == pc::Chassis;
        const bool chalk = s.color == pc::Chalk && std::abs(s.a.x - s.b.x) < 0.5;
        if (vertical ? floor : chalk) {
            ref = s;
        }
    }
    ASSERT_TRUE(ref) << "no " << reference << " drawn";
    const auto name_ = std::find_if(d.texts.begin(), d.texts.end(),
                                    [&](const Rect& r) { return r.text == reference; });
    ASSERT_NE(name_, d.texts.end()) << "the " << reference << " is not named";
    double nearest = 1e9;
    for (int i = 0; i <= 200; ++i) {
        const double t = i / 200.0;
        nearest = std::min(nearest, distanceTo({ref->a.x + t * (ref->b.x - ref->a.x),
                                                ref->a.y + t * (ref->b.y - ref->a.y)},
                                               *name_, false));
    }
    EXPECT_LT(nearest, 12) << "the " << reference << "'s name is away from it";

    std::vector<Segment> dims, extensions;
    for (const Segment& s : d.lines) {
        if (s.color != pc::Dimension) {
            continue;
        }
        EXPECT_LE(std::max(s.a.y, s.b.y), d.floorY + 0.5) << "below the floor";
        const double along = vertical ? s.b.y - s.a.y : s.b.x - s.a.x;
        const double across = vertical ? s.b.x - s.a.x : s.b.y - s.a.y;
        if (std::abs(across) < 0.01 && std::abs(along) > 3) {
            dims.push_back(s);
        } else if (std::abs(along) < 0.01) {
            extensions.push_back(s);
        }
    }
    ASSERT_EQ(dims.size(), points);
    ASSERT_EQ(d.markers.size(), points);
    for (const Px& m : d.markers) {
        EXPECT_LE(m.y, d.floorY + 0.5);
    }
    std::vector<Px> tips;
    std::vector<int> measured(points, 0);
    for (const Segment& dim : dims) {
        const auto on = [&](Px p, const Segment& s, double slack) {
            return std::abs(vertical ? p.y - s.a.y : p.x - s.a.x) < slack &&
                   (vertical ? p.x : p.y) >=
                       std::min(vertical ? s.a.x : s.a.y, vertical ? s.b.x : s.b.y) - 0.5 &&
                   (vertical ? p.x : p.y) <=
                       std::max(vertical ? s.a.x : s.a.y, vertical ? s.b.x : s.b.y) + 0.5;
        };
        // One end on the reference, the other on an extension line through a marked point.
        const bool aOnRef =
            vertical ? std::abs(dim.a.y - d.floorY) < 0.5 : std::abs(dim.a.x - ref->a.x) < 0.5;
        const Px start = aOnRef ? dim.a : dim.b;
        const Px end = aOnRef ? dim.b : dim.a;
        EXPECT_TRUE(vertical ? std::abs(start.y - d.floorY) < 0.5
                             : std::abs(start.x - ref->a.x) < 0.5 &&
                                   start.y >= std::min(ref->a.y, ref->b.y) &&
                                   start.y <= std::max(ref->a.y, ref->b.y))
            << "a dimension line starts off the " << reference;
        const auto extension =
            std::find_if(extensions.begin(), extensions.end(), [&](const Segment& e) {
                const bool across =
                    vertical ? std::abs(e.a.y - end.y) < 0.5 : std::abs(e.a.x - end.x) < 0.5;
                const double lo = vertical ? std::min(e.a.x, e.b.x) : std::min(e.a.y, e.b.y);
                const double hi = vertical ? std::max(e.a.x, e.b.x) : std::max(e.a.y, e.b.y);
                const double at = vertical ? end.x : end.y;
                return across && at > lo && at < hi;
            });
        ASSERT_NE(extension, extensions.end()) << "a dimension line ends on no extension line";
        for (std::size_t i = 0; i < points; ++i) {
            const Px& m = d.markers[i];
            if (on(m, *extension, 0.5) || (vertical ? std::abs(m.y - extension->a.y) < 0.5
                                                    : std::abs(m.x - extension->a.x) < 0.5)) {
                ++measured[i];
            }
        }
        tips.push_back(start);
        tips.push_back(end);
    }
    for (std::size_t i = 0; i < points; ++i) {
        EXPECT_GE(measured[i], 1) << "point " << i << " has no dimension line";
    }
    for (std::size_t i = 0; i < dims.size(); ++i) {
        for (std::size_t j = i + 1; j < dims.size(); ++j) {
            const double gap = vertical ? dims[i].a.x - dims[j].a.x : dims[i].a.y - dims[j].a.y;
            EXPECT_GE(std::abs(gap), 12) << "two dimension lines " << std::abs(gap) << " px apart";
        }
    }
    for (std::size_t i = 0; i < tips.size(); ++i) {
        for (std::size_t j = i + 1; j < tips.size(); ++j) {
            EXPECT_GE(std::hypot(tips[i].x - tips[j].x, tips[i].y - tips[j].y), 8)
                << "arrow heads stacked";
        }
    }
    expectTextsCoverNothing(d);
}

std::vector<CoordinateSet> exampleSets() {
    std::vector<CoordinateSet> sets;
    for (const char* file :
         {"gm-dirt-oval.kqw", "ford-asphalt-oval.kqw", "formula-road-course.kqw"}) {
        const ProjectReadResult read =
            readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/" + file);
        EXPECT_TRUE(read.ok()) << file;
        if (read.ok()) {
            SuspensionState state;
            applyProjectData(state, *read.project);
            sets.push_back(state.LeftCoords);
            sets.push_back(state.RightCoords);
        }
    }
    return sets;
}

TEST(WizardPictureRules, EveryScreenOfEveryStyleAndSideInOwnAndTypicalGeometry) {
    std::vector<std::optional<CoordinateSet>> geometries{std::nullopt};
    for (const CoordinateSet& set : exampleSets()) {
        geometries.push_back(set);
    }
    for (const char* style : {"gm", "ford", "2000"}) {
        for (const char* side : {"l", "r"}) {
            for (const char* axis : {"x", "y", "z"}) {
                for (const char* group : {"up", "dn", "mc"}) {
                    const std::string name = std::string(style) + side + axis + group + ".bmp";
                    for (std::size_t g = 0; g < geometries.size(); ++g) {
                        SCOPED_TRACE(name +
                                     (g ? " own geometry " + std::to_string(g) : " typical"));
                        RecordingCanvas canvas(kWidth, kHeight);
                        ASSERT_TRUE(drawNamedPicture(canvas, name,
                                                     geometries[g] ? &*geometries[g] : nullptr));
                        expectScreenFollowsTheRules(name,
                                                    Drawing(canvas.operations(), kWidth, kHeight));
                    }
                }
            }
        }
    }
}

TEST(WizardPictureRules, MiscLegendsUseThePromptsWords) {
    const auto legend = [](const std::string& name) {
        RecordingCanvas canvas(kWidth, kHeight);
        drawNamedPicture(canvas, name);
        std::string all;
        for (const DrawOp& op : canvas.operations()) {
            all += op.text + "\n";
        }
        return all;
    };
    EXPECT_NE(legend("gmlxmc.bmp").find("C  tire center"), std::string::npos);
    EXPECT_NE(legend("2000rymc.bmp").find("C  spindle"), std::string::npos);
    EXPECT_EQ(legend("fordlxmc.bmp").find("wheel center"), std::string::npos);
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
