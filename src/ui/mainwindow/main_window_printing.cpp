// The main window's print commands.
#include "mainwindow/main_window.h"

#include "analysis/big_graph.h"
#include "mainwindow/static_frame.h"

#include <QLabel>

namespace velmora {

PrintServices MainWindow::printServices() {
    return PrintServices{*printer_, messages_,
                         printoutFolder_.isEmpty() ? defaultPrintoutFolder() : printoutFolder_};
}

void MainWindow::printCoordinates(const CoordinateBoxTexts& boxes) {
    printCoordinatePage(printServices(), state_.Right_Active, boxes,
                        lblfile_->text().toStdString());
}

void MainWindow::printStaticGeometry() {
    printStaticPage(printServices(), frmStatic_->captions());
}

void MainWindow::printGraph() {
    if (!graph_) {
        return;
    }
    const GraphPageInputs inputs =
        graphPageInputs(graph_->view(), state_, lblfile_->text().toStdString());
    printGraphPage(printServices(), inputs, [this] { return graph_->refreshSuggestions(); });
}

void MainWindow::printWorksheets() {
    printWorksheetPages(printServices());
}

} // namespace velmora
