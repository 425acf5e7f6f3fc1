#include "ui/mainwindow/coordinate_exchange.h"

#include "model/atomic_file.h"
#include "model/coordinate_csv.h"
#include "model/project_edit.h"
#include "ui/platform/file_dialogs.h"
#include "ui/project/project_document.h"

#include "model/project_file.h"

#include <filesystem>

namespace velmora {
namespace {

const QString kCsvFilter = QStringLiteral("Coordinates (*.csv)|*.csv");

Message importMessage(const std::string& text) {
    return Message{"Import Coordinates", text, MessageIcon::Exclamation, MessageButtons::Ok};
}

bool anyEntered(const CoordinateSet& set) {
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        if (set[i] != 0.0f) {
            return true;
        }
    }
    return false;
}

} // namespace

CoordinateExchange::CoordinateExchange(ProjectDocument& document, FileDialogs& dialogs,
                                       MessageSink& messages, QWidget* dialogParent)
    : document_(document), dialogs_(dialogs), messages_(messages), dialogParent_(dialogParent) {}

bool CoordinateExchange::importCoordinates() {
    const std::optional<QString> chosen = dialogs_.openFileName(dialogParent_, kCsvFilter);
    if (!chosen) {
        return false;
    }
    const CsvReadResult read = readCoordinatesCsvFile(chosen->toStdString());
    if (!read.coordinates) {
        messages_.show(importMessage(read.problem + "."));
        return false;
    }
    const Project& project = document_.project();
    if ((anyEntered(project.right) || anyEntered(project.left)) &&
        messages_.show(Message{
            "Import Coordinates", "Replace the coordinates entered on both sides with the file's?",
            MessageIcon::Warning, MessageButtons::YesNo}) != MessageAnswer::Yes) {
        return false;
    }
    document_.apply(importCoordinatesEdit(read.coordinates->right, read.coordinates->left));
    return true;
}

bool CoordinateExchange::exportCoordinates() {
    const std::optional<QString> chosen = dialogs_.saveFileName(dialogParent_, kCsvFilter);
    if (!chosen) {
        return false;
    }
    std::string path = chosen->toStdString();
    if (!pathEndsWithNoCase(path, ".csv")) {
        path += ".csv";
    }
    const Project& project = document_.project();
    std::error_code ec;
    if (!project.file.empty() && std::filesystem::equivalent(path, project.file, ec)) {
        messages_.show(
            Message{"Export Coordinates",
                    "The coordinates were not written: " + path + " is the project's own file.",
                    MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }
    std::string error;
    if (!writeFileAtomically(path, coordinatesCsv(project.right, project.left, LengthUnit::Inches),
                             &error)) {
        messages_.show(Message{"Export Coordinates",
                               "The coordinates were not written: " + error + ".",
                               MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }
    return true;
}

} // namespace velmora
