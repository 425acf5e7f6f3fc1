#pragma once

#include "drawing/canvas.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSize>

class QPainter;

namespace velmora {

QColor toQColor(Rgb color);

// The font a canvas Font stands for on this platform: "MS Sans Serif" (the program's
// default face) becomes the first installed of a few sans faces of its narrow width (Arial,
// Liberation Sans, Nimbus Sans...), else the platform's default sans; "Courier New" (the
// printer's face) becomes the first installed fixed-pitch face of its width; other faces are asked
// for by name with the default sans as fallback. Size in points times `scale`.
QFont toQFont(const Font& font, double scale = 1.0);

// Draws the canvas operations with a QPainter on a paint device of a given pixel size (a
// widget, an image or a printer page). The user scale maps the top-left and bottom-right
// corners onto the device's pixel rectangle; it may be flipped or offset.
//
// Conventions of the surface:
// - Pen widths are device pixels, multiplied by Options::penScale (so a picture recorded
//   for one pixel size keeps its proportions when replayed on another). Width 0 draws 1.
// - Circles take their radius in user units of the x axis; both semi-axes are measured in
//   that unit, so aspect 1 is round on the device whatever the two axis scales are.
// - Arc angles are radians, counter-clockwise as seen on the device, from start to end.
// - Text is written with its top edge at the current position. print() ends the line: x
//   goes back to the scale's left edge and y down by the font's line spacing.
// - A tab moves to the next tab stop; stops lie every kTabColumns average character widths
//   of the current font, counted from the scale's left edge.
// - Everything is clipped to the device rectangle.
// - Lines and shapes are not antialiased: drawing a shape again in the background colour
//   must erase it exactly, as the graph's marker relies on.
class QPainterCanvas : public Canvas {
public:
    static constexpr int kTabColumns = 8;

    struct Options {
        double penScale = 1.0;
        double fontScale = 1.0;
        Rgb background = colors::White;
    };

    QPainterCanvas(QPainter& painter, QSize pixelSize);
    QPainterCanvas(QPainter& painter, QSize pixelSize, Options options);

    void setScale(double left, double top, double right, double bottom) override;
    void clear() override;
    void setBackground(Rgb color) override;

    void line(double x1, double y1, double x2, double y2, Rgb color) override;
    void box(double x1, double y1, double x2, double y2, Rgb color) override;
    void circle(double cx, double cy, double r, Rgb color, double aspect = 1.0,
                std::optional<ArcSpec> arc = std::nullopt) override;

    void setCurrentPosition(double x, double y) override;
    void print(const std::string& text) override;
    void setTextColor(Rgb color) override;
    void setFont(const Font& font) override;

    void setPenWidth(int pixels) override;
    void setPenStyle(PenStyle style) override;
    void setFillStyle(FillStyle style) override;
    void setFillColor(Rgb color) override;

    int pixelWidth() const override { return size_.width(); }
    int pixelHeight() const override { return size_.height(); }

    // Where the next text goes, in user units.
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    QPointF toDevice(double x, double y) const;

private:
    void applyPen(Rgb color);
    double lineSpacingInUserUnits() const;

    QPainter& painter_;
    QSize size_;
    Options options_;

    double left_ = 0;
    double top_ = 0;
    double right_ = 1; // until setScale: one unit per pixel
    double bottom_ = 1;

    double currentX_ = 0;
    double currentY_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    FillStyle fillStyle_ = FillStyle::Transparent;
    Rgb fillColor_ = colors::Black;
    Rgb textColor_ = colors::Black;
    Rgb background_;
    QFont font_;
};

} // namespace velmora
