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
    if (takeCoordinateTable()) {
        commitCoordinates();
    }
}

bool MainWindow::takeCoordinateTable() {
    const CoordinateTableResult result = readCoordinateTable(frmXYZ_->texts());
    if (!result.accepted()) {
        // The table stays open with what was typed, so it can be corrected.
        messages_.show(impossibleCombinationMessage(*result.failedCheck));
        return false;
    }
    frmXYZ_->hide();
    applyCoordinateTable(result, state_.activeCoords());
    if (!result.complete()) {
        messages_.show(missingDataMessage());
    }
    reselectActiveSide();
    frmEnable();
    return true;
}

void MainWindow::cancelCoordinates() {
    frmEnable();
    frmXYZ_->hide();
}

void MainWindow::makeSymmetrical() {
    // The table is accepted first; a table refused by the checks stays open and nothing is
    // copied, so the other side never receives a set the user did not mean to keep.
    if (!takeCoordinateTable()) {
        return;
    }
    frmXYZ_->show();
    frmXYZ_->raise();
    // The table is open again, so the rest of the window is inert as with every open frame.
    frmDisable();
    if (state_.Right_Active) {
        state_.LeftCoords = state_.RightCoords;
    } else {
        state_.RightCoords = state_.LeftCoords;
    }
    // The table's values and the copy are one step.
    commitCoordinates();
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
