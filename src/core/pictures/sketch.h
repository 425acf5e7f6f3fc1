#pragma once

#include "drawing/canvas.h"

#include <string>
#include <vector>

// Drawing helpers shared by the pictures: a user scale in inches with y upward, members as
// strokes of a real thickness, point markers, centred labels and dimension lines.
namespace velmora {

struct PicPoint {
    double x = 0;
    double y = 0;
    bool operator==(const PicPoint&) const = default;
};

// The colours of every picture, from the sixteen-colour palette.
namespace picture_colors {
inline const Rgb Paper = paletteColor(15);
inline const Rgb Ink = paletteColor(0);
inline const Rgb Faint = paletteColor(7);     // members shown for orientation
inline const Rgb Chassis = paletteColor(8);   // frame, body and floor
inline const Rgb Measured = paletteColor(1);  // the members of the screen
inline const Rgb Point = paletteColor(12);    // the points to measure
inline const Rgb Dimension = paletteColor(2); // what the tape measures
inline const Rgb Chalk = paletteColor(9);     // centreline and reference line
inline const Rgb Tire = Rgb{64, 64, 64};
inline const Rgb Floor = Rgb{232, 232, 232};
} // namespace picture_colors

struct Bounds {
    double left = 1e300;
    double right = -1e300;
    double bottom = 1e300;
    double top = -1e300;

    void include(PicPoint p);
    void pad(double margin);
    double width() const { return right - left; }
    double height() const { return top - bottom; }
};

// A text's place on the surface, as the picture lays it out.
struct TextBox {
    PicPoint centre;
    double halfWidth = 0;
    double halfHeight = 0;
};

class Sketch {
public:
    // Sets the canvas scale to hold `area` (in picture units, y upward) with the width to
    // height ratio `aspect`, centring the area; `mirror` flips x (the picture of the right
    // side is the left one seen in a mirror: every x becomes -x).
    Sketch(Canvas& canvas, Bounds area, double aspect, bool mirror);

    Canvas& canvas() { return canvas_; }
    bool mirrored() const { return mirror_; }
    // Picture x of an unmirrored x.
    double mx(double x) const { return mirror_ ? -x : x; }
    PicPoint at(double x, double y) const { return {mx(x), y}; }

    // A line `thickness` inches wide (at least one pixel).
    void stroke(PicPoint a, PicPoint b, Rgb color, double thickness,
                PenStyle style = PenStyle::Solid);
    void dot(PicPoint centre, double radius, Rgb color);
    void ring(PicPoint centre, double radius, Rgb color, double thickness);
    // A rectangle's outline, `pixels` wide.
    void box(PicPoint a, PicPoint b, Rgb color, int pixels = 1);
    // An arc of a circle (angles in radians, counter-clockwise from +x), `pixels` wide.
    void arc(PicPoint centre, double radius, double from, double to, Rgb color, int pixels);
    // Text centred on `centre`, `points` tall.
    void label(PicPoint centre, const std::string& text, Rgb color, double points,
               bool bold = false);
    // Text starting at `topLeft` (unmirrored x).
    void text(PicPoint topLeft, const std::string& text, Rgb color, double points,
              bool bold = false);
    // Text at a position of the surface as it is seen (not mirrored): captions and legends.
    void caption(PicPoint topLeft, const std::string& text, Rgb color, double points,
                 bool bold = false);
    // The scale's edges as seen on the surface.
    double visibleLeft() const { return left_; }
    double visibleTop() const { return top_; }
    double visibleBottom() const { return bottom_; }
    // Height of a line of text of `points` (nominal size), in picture units.
    double lineHeight(double points) const { return points * 1.45 * unitsPerPoint_; }

    // A dimension line from a reference to the point it measures: the line and an arrow head
    // at each end.
    void dimension(PicPoint reference, PicPoint point, Rgb color);

    // The box a label of `text` centred on `centre` covers.
    TextBox labelBox(PicPoint centre, const std::string& text, double points) const;
    // The first of `candidates` (surface positions) where a label of `text` covers no line,
    // circle or text drawn so far, nor any of `planned`; the first candidate when none is
    // free.
    PicPoint freeSpot(const std::vector<PicPoint>& candidates, const std::string& text,
                      double points) const;
    // Lines that will be drawn later and that labels placed now must keep clear of.
    void plan(PicPoint a, PicPoint b) { planned_.push_back({a, b}); }
    // Picture units per pixel of the surface.
    double unitsPerPixel() const { return 1 / pixelsPerUnit_; }
    // Share of the nominal text size the surface draws at.
    double textScale() const { return textScale_; }

    double unitsPerPoint() const { return unitsPerPoint_; }

private:
    int pixels(double thickness) const;
    // Text at a position of the surface, in the given colour, size and weight.
    void printAt(double x, double y, const std::string& text, Rgb color, double points, bool bold);

    struct Segment {
        PicPoint a;
        PicPoint b;
    };
    struct Disc {
        PicPoint centre;
        double radius = 0;
        bool filled = true;
    };
    bool isFree(const TextBox& box) const;
    void keep(const TextBox& box) { texts_.push_back(box); }

    Canvas& canvas_;
    bool mirror_;
    // What is drawn so far, in surface units, so labels can be put where nothing is.
    std::vector<Segment> segments_;
    std::vector<Segment> planned_;
    std::vector<Disc> discs_;
    std::vector<TextBox> texts_;
    double pixelsPerUnit_ = 8;
    double unitsPerPoint_ = 0.17;
    double textScale_ = 1;
    double left_ = 0;
    double top_ = 0;
    double bottom_ = 0;
};

// A canvas that passes everything on with every colour turned into a light grey of the same
// lightness order, for the inactive side's pictures.
class GreyedCanvas : public Canvas {
public:
    explicit GreyedCanvas(Canvas& target) : target_(target) {}
    static Rgb grey(Rgb color);

    void setScale(double l, double t, double r, double b) override { target_.setScale(l, t, r, b); }
    void clear() override { target_.clear(); }
    void setBackground(Rgb color) override { target_.setBackground(grey(color)); }
    void line(double x1, double y1, double x2, double y2, Rgb color) override {
        target_.line(x1, y1, x2, y2, grey(color));
    }
    void box(double x1, double y1, double x2, double y2, Rgb color) override {
        target_.box(x1, y1, x2, y2, grey(color));
    }
    void circle(double cx, double cy, double r, Rgb color, double aspect,
                std::optional<ArcSpec> arc) override {
        target_.circle(cx, cy, r, grey(color), aspect, arc);
    }
    void setCurrentPosition(double x, double y) override { target_.setCurrentPosition(x, y); }
    void print(const std::string& text) override { target_.print(text); }
    void setTextColor(Rgb color) override { target_.setTextColor(grey(color)); }
    void setFont(const Font& font) override { target_.setFont(font); }
    void setPenWidth(int pixels) override { target_.setPenWidth(pixels); }
    void setPenStyle(PenStyle style) override { target_.setPenStyle(style); }
    void setFillStyle(FillStyle style) override { target_.setFillStyle(style); }
    void setFillColor(Rgb color) override { target_.setFillColor(grey(color)); }
    int pixelWidth() const override { return target_.pixelWidth(); }
    int pixelHeight() const override { return target_.pixelHeight(); }

private:
    Canvas& target_;
};

} // namespace velmora
