#pragma once

#include "printing/printer.h"

#include <string>
#include <vector>

namespace velmora {

enum class PrintOpKind {
    DocumentName,
    Scale,
    Font,
    Position,
    Print,
    PenWidth,
    Line,
    Box,
    Circle,
    EndDoc,
    KillDoc
};

// One printer operation as a plain value. Which fields carry meaning depends on the kind:
//   DocumentName  text
//   Scale         x1 = width, y1 = height, x2 = left, y2 = top
//   Font          font
//   Position      x1, y1
//   Print         items
//   PenWidth      penWidth
//   Line, Box     x1, y1 - x2, y2
//   Circle        x1, y1 = centre, radius, arc
struct PrintOp {
    PrintOpKind kind = PrintOpKind::EndDoc;
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double radius = 0;
    std::optional<ArcSpec> arc;
    int penWidth = 1;
    Font font;
    std::string text;
    std::vector<PrintItem> items;
    bool operator==(const PrintOp&) const = default;
};

using PrintRecording = std::vector<PrintOp>;

// The face and size a printer starts with before any page sets a font: a fixed-pitch face,
// so that the tab stops (every eight characters) line up the columns of the text pages.
Font defaultPrinterFont();

// Keeps every operation as a plain value. The font starts as defaultPrinterFont().
class RecordingPrinter : public Printer {
public:
    const PrintRecording& operations() const { return operations_; }
    std::string dump() const;

    void setDocumentName(const std::string& name) override;
    void setScale(double width, double height, double left, double top) override;
    Font font() const override { return font_; }
    void setFont(const Font& font) override;
    void setCurrentPosition(double x, double y) override;
    void print(const std::vector<PrintItem>& items) override;
    void setPenWidth(int pixels) override;
    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void circle(double cx, double cy, double r, std::optional<ArcSpec> arc) override;
    void endDoc() override;
    void killDoc() override;

private:
    PrintRecording operations_;
    Font font_ = defaultPrinterFont();
};

// One operation a line, numbers with six significant digits:
//   scale 640x850 at (0,0)
//   print spc(5) "Front Pivot" spc(8) " 12.50"
//   arc (75,425) r=35 from 3.14159 to 4.71239
std::string dumpPrintOp(const PrintOp& op);
std::string dumpPrintRecording(const PrintRecording& recording);

// Drives `target` through the recorded operations in order.
void replayPrint(const PrintRecording& recording, Printer& target);

// The jobs of a recording: the operations of each job ended by endDoc, without the endDoc
// itself. Jobs ended by killDoc are dropped, and so is an unfinished one at the end.
std::vector<PrintRecording> endedJobs(const PrintRecording& recording);

// The name the job was given, or `fallback` when it has none.
std::string documentName(const PrintRecording& job, const std::string& fallback);

} // namespace velmora
