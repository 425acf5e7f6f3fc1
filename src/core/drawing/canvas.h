#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// The sixteen-colour console palette: 0 black, 4 red (128,0,0), 8 grey, 12 light red,
// 14 yellow, 15 white and the rest. Numbers outside 0..15 give black.
Rgb paletteColor(int number);

namespace colors {
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb LightGrey{192, 192, 192};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Green{0, 255, 0};
inline constexpr Rgb ThumbGreen{0, 225, 0};
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb Cyan{0, 255, 255};
} // namespace colors

enum class PenStyle { Solid, Dot };
enum class FillStyle { Solid, Transparent };

struct Font {
    std::string face = "MS Sans Serif";
    double size = 9.75; // points
    bool bold = false;
    bool operator==(const Font&) const = default;
};

// An elliptical arc of a circle call. Angles in radians, counter-clockwise from the
// positive x direction as seen on the surface; drawn counter-clockwise from start to end.
// With `pie`, straight lines join the centre to both ends and the shape is filled by the
// current fill settings.
struct ArcSpec {
    double start = 0;
    double end = 0;
    bool pie = false;
    bool operator==(const ArcSpec&) const = default;
};

// A stateful drawing surface with a user scale, the model every picture and printed page
// of the program is drawn on. Pen width, pen style, fill style, fill colour, text colour,
// font and the current position persist between operations until changed.
class Canvas {
public:
    virtual ~Canvas() = default;

    // User scale: the coordinates of the top-left and bottom-right corners.
    virtual void setScale(double left, double top, double right, double bottom) = 0;
    virtual void clear() = 0;
    // Sets the background colour, which also clears the surface.
    virtual void setBackground(Rgb color) = 0;

    virtual void line(double x1, double y1, double x2, double y2, Rgb color) = 0;
    // Rectangle outline with the two points as opposite corners.
    virtual void box(double x1, double y1, double x2, double y2, Rgb color) = 0;
    // Circle or ellipse of radius r (user units along the longer axis). aspect is the
    // height-to-width ratio: >= 1 gives a vertical semi-axis r and a horizontal r / aspect,
    // < 1 a horizontal r and a vertical r * aspect. Filled by the current fill settings.
    virtual void circle(double cx, double cy, double r, Rgb color, double aspect = 1.0,
                        std::optional<ArcSpec> arc = std::nullopt) = 0;

    virtual void setCurrentPosition(double x, double y) = 0;
    // Writes text at the current position and moves to the start of the next line (at the
    // x where the text began is not kept: the next line starts at the left edge, x = scale
    // left). A tab character moves to the next tab stop. An empty text writes an empty
    // line. The current position changes only by setCurrentPosition, print, clear and
    // setBackground (the last two move it to the top-left corner of the scale); lines,
    // boxes and circles leave it where it is.
    virtual void print(const std::string& text) = 0;
    virtual void setTextColor(Rgb color) = 0;
    virtual void setFont(const Font& font) = 0;

    virtual void setPenWidth(int pixels) = 0;
    virtual void setPenStyle(PenStyle style) = 0;
    virtual void setFillStyle(FillStyle style) = 0;
    virtual void setFillColor(Rgb color) = 0;

    // Size of the surface in device pixels; drawings that use pixel pen widths scale
    // them from this (0 when unknown).
    virtual int pixelWidth() const = 0;
    virtual int pixelHeight() const = 0;
};

} // namespace velmora
