#include "printing/recording_printer.h"

#include "drawing/dump_text.h"

#include <cstdio>

namespace velmora {
namespace {

std::string fontText(const Font& font) {
    return dumpQuoted(font.face) + " " + dumpNumber(font.size) + (font.bold ? " bold" : "");
}

PrintOp makeOp(PrintOpKind kind, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0) {
    PrintOp op;
    op.kind = kind;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    return op;
}

} // namespace

Font defaultPrinterFont() {
    return Font{"Courier New", 10.0, false};
}

std::string RecordingPrinter::dump() const {
    return dumpPrintRecording(operations_);
}

void RecordingPrinter::setDocumentName(const std::string& name) {
    PrintOp op = makeOp(PrintOpKind::DocumentName);
    op.text = name;
    operations_.push_back(std::move(op));
}

void RecordingPrinter::setScale(double width, double height, double left, double top) {
    operations_.push_back(makeOp(PrintOpKind::Scale, width, height, left, top));
}

void RecordingPrinter::setFont(const Font& font) {
    font_ = font;
    PrintOp op = makeOp(PrintOpKind::Font);
    op.font = font;
    operations_.push_back(std::move(op));
}

void RecordingPrinter::setCurrentPosition(double x, double y) {
    operations_.push_back(makeOp(PrintOpKind::Position, x, y));
}

void RecordingPrinter::print(const std::vector<PrintItem>& items) {
    PrintOp op = makeOp(PrintOpKind::Print);
    op.items = items;
    operations_.push_back(std::move(op));
}

void RecordingPrinter::setPenWidth(int pixels) {
    PrintOp op = makeOp(PrintOpKind::PenWidth);
    op.penWidth = pixels;
    operations_.push_back(op);
}

void RecordingPrinter::line(double x1, double y1, double x2, double y2) {
    operations_.push_back(makeOp(PrintOpKind::Line, x1, y1, x2, y2));
}

void RecordingPrinter::box(double x1, double y1, double x2, double y2) {
    operations_.push_back(makeOp(PrintOpKind::Box, x1, y1, x2, y2));
}

void RecordingPrinter::circle(double cx, double cy, double r, std::optional<ArcSpec> arc) {
    PrintOp op = makeOp(PrintOpKind::Circle, cx, cy);
    op.radius = r;
    op.arc = arc;
    operations_.push_back(op);
}

void RecordingPrinter::endDoc() {
    operations_.push_back(makeOp(PrintOpKind::EndDoc));
}

void RecordingPrinter::killDoc() {
    operations_.push_back(makeOp(PrintOpKind::KillDoc));
}

std::string dumpPrintOp(const PrintOp& op) {
    switch (op.kind) {
    case PrintOpKind::DocumentName:
        return "document " + dumpQuoted(op.text);
    case PrintOpKind::Scale:
        return "scale " + dumpNumber(op.x1) + "x" + dumpNumber(op.y1) + " at " +
               dumpPoint(op.x2, op.y2);
    case PrintOpKind::Font:
        return "font " + fontText(op.font);
    case PrintOpKind::Position:
        return "position " + dumpPoint(op.x1, op.y1);
    case PrintOpKind::Print: {
        std::string text = "print";
        for (const PrintItem& item : op.items) {
            text += item.spaces > 0 ? " spc(" + std::to_string(item.spaces) + ")"
                                    : " " + dumpQuoted(item.text);
        }
        return text;
    }
    case PrintOpKind::PenWidth:
        return "pen " + std::to_string(op.penWidth);
    case PrintOpKind::Line:
        return "line " + dumpPoint(op.x1, op.y1) + "-" + dumpPoint(op.x2, op.y2);
    case PrintOpKind::Box:
        return "box " + dumpPoint(op.x1, op.y1) + "-" + dumpPoint(op.x2, op.y2);
    case PrintOpKind::Circle:
        if (op.arc) {
            return "arc " + dumpPoint(op.x1, op.y1) + " r=" + dumpNumber(op.radius) + " from " +
                   dumpNumber(op.arc->start) + " to " + dumpNumber(op.arc->end);
        }
        return "circle " + dumpPoint(op.x1, op.y1) + " r=" + dumpNumber(op.radius);
    case PrintOpKind::EndDoc:
        return "enddoc";
    case PrintOpKind::KillDoc:
        return "killdoc";
    }
    return "unknown";
}

std::string dumpPrintRecording(const PrintRecording& recording) {
    std::string text;
    for (const PrintOp& op : recording) {
        text += dumpPrintOp(op);
        text += '\n';
    }
    return text;
}

void replayPrint(const PrintRecording& recording, Printer& target) {
    for (const PrintOp& op : recording) {
        switch (op.kind) {
        case PrintOpKind::DocumentName:
            target.setDocumentName(op.text);
            break;
        case PrintOpKind::Scale:
            target.setScale(op.x1, op.y1, op.x2, op.y2);
            break;
        case PrintOpKind::Font:
            target.setFont(op.font);
            break;
        case PrintOpKind::Position:
            target.setCurrentPosition(op.x1, op.y1);
            break;
        case PrintOpKind::Print:
            target.print(op.items);
            break;
        case PrintOpKind::PenWidth:
            target.setPenWidth(op.penWidth);
            break;
        case PrintOpKind::Line:
            target.line(op.x1, op.y1, op.x2, op.y2);
            break;
        case PrintOpKind::Box:
            target.box(op.x1, op.y1, op.x2, op.y2);
            break;
        case PrintOpKind::Circle:
            target.circle(op.x1, op.y1, op.radius, op.arc);
            break;
        case PrintOpKind::EndDoc:
            target.endDoc();
            break;
        case PrintOpKind::KillDoc:
            target.killDoc();
            break;
        }
    }
}

std::vector<PrintRecording> endedJobs(const PrintRecording& recording) {
    std::vector<PrintRecording> jobs;
    PrintRecording current;
    for (const PrintOp& op : recording) {
        if (op.kind == PrintOpKind::EndDoc) {
            jobs.push_back(std::move(current));
            current.clear();
        } else if (op.kind == PrintOpKind::KillDoc) {
            current.clear();
        } else {
            current.push_back(op);
        }
    }
    return jobs;
}

std::string documentName(const PrintRecording& job, const std::string& fallback) {
    for (const PrintOp& op : job) {
        if (op.kind == PrintOpKind::DocumentName && !op.text.empty()) {
            return op.text;
        }
    }
    return fallback;
}

} // namespace velmora
