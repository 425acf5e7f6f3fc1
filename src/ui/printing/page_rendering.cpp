#include "ui/printing/page_rendering.h"

#include "printing/canvas_printer.h"
#include "ui/widgets/qpainter_canvas.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace velmora {

void paintPage(QPainter& painter, const QPagedPaintDevice& device, const PrintRecording& page) {
    QPainterCanvas::Options options;
    options.penScale = std::max(1.0, device.logicalDpiX() / double(kPrinterDotsPerInch));
    QPainterCanvas canvas(painter, QSize(device.width(), device.height()), options);
    CanvasPrinter printer(canvas);
    replayPrint(page, printer);
}

QByteArray renderPdf(const std::vector<PrintRecording>& pages, QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setResolution(kPrinterDotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error) {
                *error = QStringLiteral("the PDF document could not be started");
            }
            return {};
        }
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                writer.newPage();
            }
            painter.save();
            paintPage(painter, writer, pages[i]);
            painter.restore();
        }
        painter.end();
    }
    buffer.close();
    return bytes;
}

} // namespace velmora
