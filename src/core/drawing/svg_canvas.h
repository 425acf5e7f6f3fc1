#pragma once

#include "drawing/canvas.h"

#include <string>

namespace velmora {

// A canvas that writes what is drawn on it as a scalable SVG document of the given pixel
// size: the program's own drawings (its icon among them) as a vector file without a window
// system. Pen widths are in pixels of that size; text is written in the canvas font.
class SvgCanvas : public Canvas {
public:
    SvgCanvas(int pixelWidth, int pixelHeight);

    void setScale(double left, double top, double right, double bottom) override;
    void clear() override;
    void setBackground(Rgb color) override;
    void line(double x1, double y1, double x2, double y2, Rgb color) override;
    void box(double x1, double y1, double x2, double y2, Rgb color) override;
    void circle(double cx, double cy, double r, Rgb color, double aspect = 1.0,
                std::optional<ArcSpec> arc = std::nullopt) override;
    void setCurrentPosition(double x, double y) override;
    void print(const std::string& text) override;
    void setTextColor(Rgb color) override { textColor_ = color; }
    void setFont(const Font& font) override { font_ = font; }
    void setPenWidth(int pixels) override { penWidth_ = pixels < 1 ? 1 : pixels; }
    void setPenStyle(PenStyle style) override { penStyle_ = style; }
    void setFillStyle(FillStyle style) override { fillStyle_ = style; }
    void setFillColor(Rgb color) override { fillColor_ = color; }
    int pixelWidth() const override { return width_; }
    int pixelHeight() const override { return height_; }

    // The finished document.
    std::string document() const;

private:
    double px(double x) const;
    double py(double y) const;
    std::string stroke(Rgb color) const;
    std::string fill() const;

    int width_;
    int height_;
    double left_ = 0;
    double top_ = 0;
    double right_ = 1;
    double bottom_ = 1;
    double x_ = 0;
    double y_ = 0;
    int printedLines_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    FillStyle fillStyle_ = FillStyle::Transparent;
    Rgb fillColor_ = colors::Black;
    Rgb textColor_ = colors::Black;
    Font font_;
    std::string body_;
};

} // namespace velmora
