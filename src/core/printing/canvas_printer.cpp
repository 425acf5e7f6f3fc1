#include "printing/canvas_printer.h"

#include "printing/recording_printer.h"

namespace velmora {

CanvasPrinter::CanvasPrinter(Canvas& canvas) : canvas_(canvas), font_(defaultPrinterFont()) {
    canvas_.setScale(0, 0, kDefaultScaleWidth, kDefaultScaleHeight);
    canvas_.setFont(font_);
    canvas_.setTextColor(colors::Black);
    canvas_.setPenWidth(1);
    canvas_.setPenStyle(PenStyle::Solid);
    canvas_.setFillStyle(FillStyle::Transparent);
}

void CanvasPrinter::setScale(double width, double height, double left, double top) {
    canvas_.setScale(left, top, left + width, top + height);
}

void CanvasPrinter::setFont(const Font& font) {
    font_ = font;
    canvas_.setFont(font);
}

void CanvasPrinter::setCurrentPosition(double x, double y) {
    canvas_.setCurrentPosition(x, y);
}

void CanvasPrinter::print(const std::vector<PrintItem>& items) {
    canvas_.print(printedText(items));
}

void CanvasPrinter::setPenWidth(int pixels) {
    canvas_.setPenWidth(pixels);
}

void CanvasPrinter::line(double x1, double y1, double x2, double y2) {
    canvas_.line(x1, y1, x2, y2, colors::Black);
}

void CanvasPrinter::box(double x1, double y1, double x2, double y2) {
    canvas_.box(x1, y1, x2, y2, colors::Black);
}

void CanvasPrinter::circle(double cx, double cy, double r, std::optional<ArcSpec> arc) {
    canvas_.circle(cx, cy, r, colors::Black, 1.0, arc);
}

std::string printedText(const std::vector<PrintItem>& items) {
    std::string text;
    for (const PrintItem& item : items) {
        if (item.spaces > 0) {
            text.append(static_cast<std::size_t>(item.spaces), ' ');
        } else {
            text += item.text;
        }
    }
    return text;
}

} // namespace velmora
