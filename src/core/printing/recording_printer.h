#pragma once

#include "drawing/segment.h"
#include "printing/printer.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velmora {

// The operations of a printed page, one struct each, holding exactly what the Printer call
// was given.
namespace printop {

struct DocumentName {
    std::string name;
    bool operator==(const DocumentName&) const = default;
};

// The printable area is `width` by `height` units with its top-left corner at (left, top).
struct Scale {
    double width = 0;
    double height = 0;
    double left = 0;
    double top = 0;
    bool operator==(const Scale&) const = default;
};

struct Font {
    velmora::Font font;
    bool operator==(const Font&) const = default;
};

struct Position {
    double x = 0;
    double y = 0;
    bool operator==(const Position&) const = default;
};

struct Print {
    std::vector<PrintItem> items;
    bool operator==(const Print&) const = default;
};

struct PenWidth {
    int pixels = 1;
    bool operator==(const PenWidth&) const = default;
};

struct Line : Segment {
    bool operator==(const Line&) const = default;
};

// A rectangle with (x1, y1) and (x2, y2) as opposite corners.
struct Box : Segment {
    bool operator==(const Box&) const = default;
};

// A whole circle, or with `arc` the part of it from arc->start to arc->end.
struct Circle {
    double cx = 0;
    double cy = 0;
    double radius = 0;
    std::optional<ArcSpec> arc;
    bool operator==(const Circle&) const = default;
};

struct EndDoc {
    bool operator==(const EndDoc&) const = default;
};

struct KillDoc {
    bool operator==(const KillDoc&) const = default;
};

} // namespace printop

using PrintOp = std::variant<printop::DocumentName, printop::Scale, printop::Font,
                             printop::Position, printop::Print, printop::PenWidth, printop::Line,
                             printop::Box, printop::Circle, printop::EndDoc, printop::KillDoc>;

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
