#include "printing/recording_printer.h"

#include "drawing/dump_text.h"

namespace velmora {
namespace {

// One overload per operation: std::visit does not compile while one is missing.
std::string dumpOf(const printop::DocumentName& op) {
    return "document " + dumpQuoted(op.name);
}

std::string dumpOf(const printop::Scale& op) {
    return "scale " + dumpNumber(op.width) + "x" + dumpNumber(op.height) + " at " +
           dumpPoint(op.left, op.top);
}

std::string dumpOf(const printop::Font& op) {
    return "font " + dumpFont(op.font);
}

std::string dumpOf(const printop::Position& op) {
    return "position " + dumpPoint(op.x, op.y);
}

std::string dumpOf(const printop::Print& op) {
    std::string text = "print";
    for (const PrintItem& item : op.items) {
        text += item.spaces > 0 ? " spc(" + std::to_string(item.spaces) + ")"
                                : " " + dumpQuoted(item.text);
    }
    return text;
}

std::string dumpOf(const printop::PenWidth& op) {
    return "pen " + std::to_string(op.pixels);
}

std::string dumpOf(const printop::Line& op) {
    return "line " + dumpSegment(op);
}

std::string dumpOf(const printop::Box& op) {
    return "box " + dumpSegment(op);
}

std::string dumpOf(const printop::Circle& op) {
    if (op.arc) {
        return "arc " + dumpPoint(op.cx, op.cy) + " r=" + dumpNumber(op.radius) + " from " +
               dumpNumber(op.arc->start) + " to " + dumpNumber(op.arc->end);
    }
    return "circle " + dumpPoint(op.cx, op.cy) + " r=" + dumpNumber(op.radius);
}

std::string dumpOf(const printop::EndDoc&) {
    return "enddoc";
}

std::string dumpOf(const printop::KillDoc&) {
    return "killdoc";
}

void replayOn(Printer& target, const printop::DocumentName& op) {
    target.setDocumentName(op.name);
}

void replayOn(Printer& target, const printop::Scale& op) {
    target.setScale(op.width, op.height, op.left, op.top);
}

void replayOn(Printer& target, const printop::Font& op) {
    target.setFont(op.font);
}

void replayOn(Printer& target, const printop::Position& op) {
    target.setCurrentPosition(op.x, op.y);
}

void replayOn(Printer& target, const printop::Print& op) {
    target.print(op.items);
}

void replayOn(Printer& target, const printop::PenWidth& op) {
    target.setPenWidth(op.pixels);
}

void replayOn(Printer& target, const printop::Line& op) {
    target.line(op.x1, op.y1, op.x2, op.y2);
}

void replayOn(Printer& target, const printop::Box& op) {
    target.box(op.x1, op.y1, op.x2, op.y2);
}

void replayOn(Printer& target, const printop::Circle& op) {
    target.circle(op.cx, op.cy, op.radius, op.arc);
}

void replayOn(Printer& target, const printop::EndDoc&) {
    target.endDoc();
}

void replayOn(Printer& target, const printop::KillDoc&) {
    target.killDoc();
}

} // namespace

Font defaultPrinterFont() {
    return Font{"Courier New", 10.0, false};
}

std::string RecordingPrinter::dump() const {
    return dumpPrintRecording(operations_);
}

void RecordingPrinter::setDocumentName(const std::string& name) {
    operations_.emplace_back(printop::DocumentName{name});
}

void RecordingPrinter::setScale(double width, double height, double left, double top) {
    operations_.emplace_back(printop::Scale{width, height, left, top});
}

void RecordingPrinter::setFont(const Font& font) {
    font_ = font;
    operations_.emplace_back(printop::Font{font});
}

void RecordingPrinter::setCurrentPosition(double x, double y) {
    operations_.emplace_back(printop::Position{x, y});
}

void RecordingPrinter::print(const std::vector<PrintItem>& items) {
    operations_.emplace_back(printop::Print{items});
}

void RecordingPrinter::setPenWidth(int pixels) {
    operations_.emplace_back(printop::PenWidth{pixels});
}

void RecordingPrinter::line(double x1, double y1, double x2, double y2) {
    operations_.emplace_back(printop::Line{{x1, y1, x2, y2}});
}

void RecordingPrinter::box(double x1, double y1, double x2, double y2) {
    operations_.emplace_back(printop::Box{{x1, y1, x2, y2}});
}

void RecordingPrinter::circle(double cx, double cy, double r, std::optional<ArcSpec> arc) {
    operations_.emplace_back(printop::Circle{cx, cy, r, arc});
}

void RecordingPrinter::endDoc() {
    operations_.emplace_back(printop::EndDoc{});
}

void RecordingPrinter::killDoc() {
    operations_.emplace_back(printop::KillDoc{});
}

std::string dumpPrintOp(const PrintOp& op) {
    return std::visit([](const auto& operation) { return dumpOf(operation); }, op);
}

std::string dumpPrintRecording(const PrintRecording& recording) {
    return dumpLines(recording, dumpPrintOp);
}

void replayPrint(const PrintRecording& recording, Printer& target) {
    for (const PrintOp& op : recording) {
        std::visit([&](const auto& operation) { replayOn(target, operation); }, op);
    }
}

std::vector<PrintRecording> endedJobs(const PrintRecording& recording) {
    std::vector<PrintRecording> jobs;
    PrintRecording current;
    for (const PrintOp& op : recording) {
        if (std::holds_alternative<printop::EndDoc>(op)) {
            jobs.push_back(std::move(current));
            current.clear();
        } else if (std::holds_alternative<printop::KillDoc>(op)) {
            current.clear();
        } else {
            current.push_back(op);
        }
    }
    return jobs;
}

std::string documentName(const PrintRecording& job, const std::string& fallback) {
    for (const PrintOp& op : job) {
        const auto* named = std::get_if<printop::DocumentName>(&op);
        if (named && !named->name.empty()) {
            return named->name;
        }
    }
    return fallback;
}

} // namespace velmora
