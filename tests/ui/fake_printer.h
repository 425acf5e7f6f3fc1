#pragma once

#include "ui/printing/printer_device.h"

#include <vector>

namespace velmora::testing {

// The default printer, or its absence: keeps every page it is given and can be told to
// refuse them.
class FakePrinterDevice : public PrinterDevice {
public:
    bool hasDefaultPrinter() override { return present; }
    bool printPage(const PrintJob& job, QString* error) override {
        if (failing) {
            *error = QStringLiteral("paper jam");
            return false;
        }
        jobs.push_back(job);
        return true;
    }

    bool present = true;
    bool failing = false;
    std::vector<PrintJob> jobs;
};

} // namespace velmora::testing
