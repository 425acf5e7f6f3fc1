#include "ui/printing/page_sender.h"

#include "model/atomic_file.h"
#include "ui/printing/page_rendering.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace velmora {

PageSender::PageSender(PrinterDevice& device, QString printoutFolder)
    : device_(device), folder_(std::move(printoutFolder)) {}

void PageSender::endDoc() {
    PrintJob job{documentName(page_.operations(), "Velmora page"), page_.operations()};
    page_ = RecordingPrinter();
    if (device_.hasDefaultPrinter()) {
        QString error;
        if (!device_.printPage(job, &error)) {
            throw PrintFailure("the page could not be printed: " + error.toStdString());
        }
        return;
    }
    writePdf(job);
}

void PageSender::writePdf(const PrintJob& job) {
    if (folder_.isEmpty() || !QDir().mkpath(folder_)) {
        throw PrintFailure("the folder " + folder_.toStdString() + " cannot be made");
    }
    QString error;
    const QByteArray bytes = renderPdf({job.operations}, &error);
    if (bytes.isEmpty()) {
        throw PrintFailure(error.toStdString());
    }
    // Never replace an earlier printout: a page saved twice in one second gets a number.
    const QDir folder(folder_);
    const QString base = printoutFileName(job.name, QDateTime::currentDateTime());
    QString path = folder.filePath(base + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy) {
        path = folder.filePath(base + QStringLiteral(" (%1).pdf").arg(copy));
    }
    std::string reason;
    if (!writeFileAtomically(
            path.toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), &reason)) {
        throw PrintFailure(reason);
    }
    written_.append(path);
}

QString printoutFileName(const std::string& title, const QDateTime& when) {
    QString name = QString::fromStdString(title).trimmed();
    for (QChar& ch : name) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch == QLatin1Char(':') ||
            ch == QLatin1Char('*') || ch == QLatin1Char('?') || ch == QLatin1Char('"') ||
            ch == QLatin1Char('<') || ch == QLatin1Char('>') || ch == QLatin1Char('|') ||
            ch.unicode() < 0x20) {
            ch = QLatin1Char('-');
        }
    }
    if (name.isEmpty()) {
        name = QStringLiteral("Velmora page");
    }
    return name + QLatin1Char(' ') + when.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
}

} // namespace velmora
