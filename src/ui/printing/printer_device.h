#pragma once

#include "printing/recording_printer.h"

#include <QString>

#include <string>

namespace velmora {

// One printed page as it goes to the printer or into a file: its name and its operations,
// without the endDoc.
struct PrintJob {
    std::string name;
    PrintRecording operations;
};

// The system's default printer, behind an interface so tests can stand in for it.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    // Whether there is a default printer to send pages to (there is none without a print
    // system, or with one where no printer is set up).
    virtual bool hasDefaultPrinter() = 0;
    // Sends one page as one job to the default printer, without a dialog. False, with the
    // reason in `error`, when the job could not be started or finished.
    virtual bool printPage(const PrintJob& job, QString* error) = 0;
};

// The default printer through Qt's print support.
class QtPrinterDevice : public PrinterDevice {
public:
    bool hasDefaultPrinter() override;
    bool printPage(const PrintJob& job, QString* error) override;
};

} // namespace velmora
