#include "ui/printing/page_rendering.h"
#include "ui/printing/printer_device.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace velmora {

bool QtPrinterDevice::hasDefaultPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool QtPrinterDevice::printPage(const PrintJob& job, QString* error) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (error) {
            *error = QStringLiteral("there is no default printer");
        }
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(job.name));
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error) {
            *error = QStringLiteral("the printer did not accept the job");
        }
        return false;
    }
    paintPage(painter, printer, job.operations);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        if (error) {
            *error = QStringLiteral("the printer reported an error");
        }
        return false;
    }
    return true;
}

} // namespace velmora
