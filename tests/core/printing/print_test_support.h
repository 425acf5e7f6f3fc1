#pragma once

#include "printing/recording_printer.h"

#include <string>
#include <variant>
#include <vector>

namespace velmora::testing {

template <class Op> bool is(const PrintOp& op) {
    return std::holds_alternative<Op>(op);
}

// The operation as the kind the test expects it to be; any other kind throws, which fails
// the test.
template <class Op> const Op& as(const PrintOp& op) {
    return std::get<Op>(op);
}

// The texts of the print statements of a recording, items joined as printed.
inline std::vector<std::string> printedLines(const PrintRecording& ops) {
    std::vector<std::string> lines;
    for (const PrintOp& op : ops) {
        const auto* print = std::get_if<printop::Print>(&op);
        if (!print) {
            continue;
        }
        std::string text;
        for (const PrintItem& item : print->items) {
            text += item.spaces > 0 ? std::string(static_cast<std::size_t>(item.spaces), ' ')
                                    : item.text;
        }
        lines.push_back(text);
    }
    return lines;
}

// The text printed right after the position was set to (x, y), or "<none>".
inline std::string printedAt(const PrintRecording& ops, double x, double y) {
    for (std::size_t i = 0; i + 1 < ops.size(); ++i) {
        const auto* position = std::get_if<printop::Position>(&ops[i]);
        const auto* print = std::get_if<printop::Print>(&ops[i + 1]);
        if (position && position->x == x && position->y == y && print) {
            return print->items.empty() ? std::string() : print->items.front().text;
        }
    }
    return "<none>";
}

// A printer that fails at the given endDoc (1-based) or, with failOnLine, at the first line
// drawn after that many endDocs, and records everything else.
class FailingPrinter : public RecordingPrinter {
public:
    explicit FailingPrinter(int failingJob) : failingJob_(failingJob) {}
    void line(double x1, double y1, double x2, double y2) override {
        if (ended_ + 1 == failingJob_) {
            throw PrintFailure("out of paper");
        }
        RecordingPrinter::line(x1, y1, x2, y2);
    }
    void endDoc() override {
        ++ended_;
        RecordingPrinter::endDoc();
    }

private:
    int failingJob_;
    int ended_ = 0;
};

} // namespace velmora::testing
