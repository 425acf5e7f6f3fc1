// The main window's data entry: the coordinate table, the dimension wizard and the guide.
#include "mainwindow/main_window.h"

#include "geometry/coordinate_checks.h"
#include "mainwindow/coordinate_frame.h"
#include "mainwindow/dimension_frame.h"
#include "mainwindow/help_frame.h"

namespace velmora {

void MainWindow::showCoordinateTable() {
    frmDisable();
    frmXYZ_->setValues(state_.activeCoords());
    frmXYZ_->show();
    frmXYZ_->raise();
    frmXYZ_->focusFirstBox();
}

void MainWindow::acceptCoordinates() {
    const std::optional<CoordinateSet> values = takeCoordinateTable();
    if (!values) {
        return;
    }
    if (!document_.apply(setCoordinatesEdit("Coordinate Table", state_.Right_Active, *values))) {
        // The values the side has: its curves are drawn again all the same.
        reselectActiveSide();
        endCommand();
    }
}

std::optional<CoordinateSet> MainWindow::takeCoordinateTable() {
    const CoordinateTableResult result = readCoordinateTable(frmXYZ_->texts());
    if (!result.accepted()) {
        // The table stays open with what was typed, so it can be corrected.
        messages_.show(impossibleCombinationMessage(*result.failedCheck));
        return std::nullopt;
    }
    frmXYZ_->hide();
    CoordinateSet values = document_.project().coords(state_.Right_Active);
    applyCoordinateTable(result, values);
    if (!result.complete()) {
        messages_.show(missingDataMessage());
    }
    return values;
}

void MainWindow::cancelCoordinates() {
    frmEnable();
    frmXYZ_->hide();
}

void MainWindow::makeSymmetrical() {
    // The table is accepted first; a table refused by the checks stays open and nothing is
    // copied, so the other side never receives a set the user did not mean to keep.
    const std::optional<CoordinateSet> values = takeCoordinateTable();
    if (!values) {
        return;
    }
    // The table's values and the copy are one step; the table is open again, so the rest of
    // the window stays inert as with every open frame.
    frmXYZ_->show();
    frmXYZ_->raise();
    if (!document_.apply(makeSymmetricalEdit(*values))) {
        reselectActiveSide();
    }
    frmDisable();
    messages_.show(Message{"Done", "Both sides now have the same dimensions.", MessageIcon::None,
                           MessageButtons::Ok});
}

void MainWindow::openWizard(PictureGroup group) {
    frmDisable();
    frmDimentions_->openGroup(group);
}

void MainWindow::openGuide() {
    frmHelp_->open();
}

} // namespace velmora
