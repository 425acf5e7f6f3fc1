#pragma once

#include "drawing/canvas.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// What a printer reports when a page cannot be built or sent. Page commands catch it, tell
// the user and discard the job.
struct PrintFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One item of a print statement: a text (a tab character inside it moves to the next tab
// stop) or a run of blank characters of the current font.
struct PrintItem {
    std::string text;
    int spaces = 0; // > 0: this many blanks instead of the text

    static PrintItem Text(std::string text) { return {std::move(text), 0}; }
    static PrintItem Spaces(int count) { return {{}, count}; }
    bool operator==(const PrintItem&) const = default;
};

// The page the printer has before a page sets its own scale: its printable area in twips
// (1440 a inch) with the origin at the top-left corner, as on a letter sheet with quarter-inch
// margins.
inline constexpr double kDefaultScaleWidth = 11520;  // 8 inches
inline constexpr double kDefaultScaleHeight = 15120; // 10.5 inches

// The default printer as the pages see it. The printer keeps a user scale, a current font, a
// current print position and a pen width; every page is one job, ended with endDoc (sent to
// the printer) or killDoc (discarded). Any operation may throw PrintFailure.
class Printer {
public:
    virtual ~Printer() = default;

    // Names the job that is being built (the page's title), for the print queue and for a
    // file made in place of the printed page.
    virtual void setDocumentName(const std::string& name) = 0;

    // User scale: the printable area is `width` by `height` units with its top-left corner
    // at (`left`, `top`).
    virtual void setScale(double width, double height, double left, double top) = 0;

    // The current font: face, size in points, bold. A page that sets only size and bold
    // keeps the face.
    virtual Font font() const = 0;
    virtual void setFont(const Font& font) = 0;

    virtual void setCurrentPosition(double x, double y) = 0;
    // One print statement: the items one after another from the current position, then the
    // end of the line (the next line starts at the left edge). No items: an empty line.
    virtual void print(const std::vector<PrintItem>& items) = 0;

    virtual void setPenWidth(int pixels) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // The box form of a line: a rectangle with the two points as opposite corners.
    virtual void box(double x1, double y1, double x2, double y2) = 0;
    // A circle, or with `arc` the part of it from arc->start to arc->end, radians,
    // counter-clockwise as seen on the page.
    virtual void circle(double cx, double cy, double r,
                        std::optional<ArcSpec> arc = std::nullopt) = 0;

    virtual void endDoc() = 0;
    virtual void killDoc() = 0;

    // Shorthands for the common print statements.
    void printText(const std::string& text) { print({PrintItem::Text(text)}); }
    void printEmptyLine() { print({}); }
    void arc(double cx, double cy, double r, double start, double end) {
        circle(cx, cy, r, ArcSpec{start, end, false});
    }
};

} // namespace velmora
