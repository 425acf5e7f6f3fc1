#pragma once

#include "drawing/canvas.h"
#include "printing/printer.h"

namespace velmora {

// Puts one page onto a drawing surface: the printer's user scale becomes the canvas scale
// over the whole surface (which stands for the printable area), print statements become
// canvas prints, everything is black. The job operations do nothing here; whoever owns the
// surface decides what ending or discarding a page means.
class CanvasPrinter : public Printer {
public:
    // Starts with the default scale (the printable area in twips) and defaultPrinterFont().
    explicit CanvasPrinter(Canvas& canvas);

    void setDocumentName(const std::string&) override {}
    void setScale(double width, double height, double left, double top) override;
    Font font() const override { return font_; }
    void setFont(const Font& font) override;
    void setCurrentPosition(double x, double y) override;
    void print(const std::vector<PrintItem>& items) override;
    void setPenWidth(int pixels) override;
    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void circle(double cx, double cy, double r, std::optional<ArcSpec> arc) override;
    void endDoc() override {}
    void killDoc() override {}

private:
    Canvas& canvas_;
    Font font_;
};

// The text a print statement writes: the items one after another, spaces as blanks.
std::string printedText(const std::vector<PrintItem>& items);

} // namespace velmora
