#pragma once

#include "printing/recording_printer.h"
#include "ui/printing/printer_device.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace velmora {

// The Printer the page commands draw on. Each page is kept whole until its endDoc, then sent
// to the default printer as one job, or, where the system has no default printer, written
// as a PDF file of its own into the printout folder (named by the page and the time).
// killDoc drops the page; nothing half-built ever reaches the printer or the disk. A page
// that cannot be sent or written throws PrintFailure from endDoc.
//
// Every page starts from the printer's defaults: the printable area in twips and
// defaultPrinterFont().
class PageSender : public Printer {
public:
    PageSender(PrinterDevice& device, QString printoutFolder);

    // The PDF files written in place of printed pages, in order.
    const QStringList& writtenFiles() const { return written_; }

    void setDocumentName(const std::string& name) override { page_.setDocumentName(name); }
    void setScale(double width, double height, double left, double top) override {
        page_.setScale(width, height, left, top);
    }
    Font font() const override { return page_.font(); }
    void setFont(const Font& font) override { page_.setFont(font); }
    void setCurrentPosition(double x, double y) override { page_.setCurrentPosition(x, y); }
    void print(const std::vector<PrintItem>& items) override { page_.print(items); }
    void setPenWidth(int pixels) override { page_.setPenWidth(pixels); }
    void line(double x1, double y1, double x2, double y2) override { page_.line(x1, y1, x2, y2); }
    void box(double x1, double y1, double x2, double y2) override { page_.box(x1, y1, x2, y2); }
    void circle(double cx, double cy, double r, std::optional<ArcSpec> arc) override {
        page_.circle(cx, cy, r, arc);
    }
    void endDoc() override;
    void killDoc() override { page_ = RecordingPrinter(); }

private:
    void writePdf(const PrintJob& job);

    PrinterDevice& device_;
    QString folder_;
    RecordingPrinter page_;
    QStringList written_;
};

// A file name for a page saved at `when`: the page's title with characters that file
// systems refuse replaced by "-", then the time ("Right Side Fore-Aft 2026-05-04 14.03.59").
QString printoutFileName(const std::string& title, const QDateTime& when);

} // namespace velmora
