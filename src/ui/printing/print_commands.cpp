#include "ui/printing/print_commands.h"

#include "printing/worksheets.h"
#include "ui/printing/page_sender.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmora {
namespace {

// Runs one command on a fresh sender and tells the user about any files it saved, after
// whatever the command itself reported.
template <class Command> bool runCommand(const PrintServices& services, Command&& command) {
    PageSender sender(services.device, services.printoutFolder);
    const bool ended = command(sender);
    if (const std::optional<Message> saved = savedPagesMessage(sender.writtenFiles())) {
        services.messages.show(*saved);
    }
    return ended;
}

} // namespace

QString defaultPrintoutFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        documents = QDir::homePath();
    }
    return QDir(documents).filePath(QStringLiteral("Velmora printouts"));
}

bool printCoordinatePage(const PrintServices& services, bool rightActive,
                         const CoordinateBoxTexts& boxes, const std::string& fileCaption) {
    return runCommand(services, [&](Printer& printer) {
        return runPrintCommand(printer, services.messages, coordinatePrintFailure(), [&] {
            buildCoordinatePage(printer, rightActive, boxes, fileCaption);
        });
    });
}

bool printStaticPage(const PrintServices& services, const StaticCaptions& captions) {
    return runCommand(services, [&](Printer& printer) {
        return runPrintCommand(printer, services.messages, staticPrintFailure(),
                               [&] { buildStaticPage(printer, captions); });
    });
}

bool printGraphPage(const PrintServices& services, const GraphPageInputs& inputs,
                    const std::function<std::vector<std::string>()>& generateSuggestions) {
    return runCommand(services, [&](Printer& printer) {
        return runPrintCommand(printer, services.messages, graphPrintFailure(),
                               [&] { buildGraphPage(printer, inputs, generateSuggestions); });
    });
}

bool printPages(const PrintServices& services, const Message& failure,
                const std::function<void(Printer&)>& build) {
    return runCommand(services, [&](Printer& printer) {
        return runPrintCommand(printer, services.messages, failure, [&] { build(printer); });
    });
}

bool printWorksheetPages(const PrintServices& services) {
    return runCommand(services, [&](Printer& printer) {
        return printGarageWorksheets(printer, services.messages);
    });
}

std::optional<Message> savedPagesMessage(const QStringList& files) {
    if (files.isEmpty()) {
        return std::nullopt;
    }
    QString text;
    if (files.size() == 1) {
        text = QStringLiteral("No printer is set up on this computer, so the page was saved as "
                              "a PDF file:\n\n") +
               QDir::toNativeSeparators(files.front());
    } else {
        text = QStringLiteral("No printer is set up on this computer, so the %1 pages were "
                              "saved as PDF files in the folder\n\n%2")
                   .arg(files.size())
                   .arg(QDir::toNativeSeparators(QFileInfo(files.front()).absolutePath()));
    }
    return Message{"Print", text.toStdString(), MessageIcon::Information, MessageButtons::Ok};
}

} // namespace velmora
