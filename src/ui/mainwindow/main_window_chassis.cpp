// The main window's Chassis menu: the Dive and Roll window with its printed page, the Vehicle
// Data frame and the Steering window.
#include "mainwindow/main_window.h"

#include "analysis/baseline.h"
#include "chassis/adjust_point_window.h"
#include "chassis/dive_roll_window.h"
#include "chassis/steering_window.h"
#include "chassis/vehicle_data_frame.h"
#include "chassis_pages/roll_figures.h"
#include "chassis_pages/steering_page.h"
#include "mainwindow/main_menus.h"
#include "printing/page_sender.h"
#include "printing/text_pages.h"
#include "widgets/proportional_layout.h"

#include <QLabel>

namespace velmora {

namespace {

Message diveRollPrintFailure() {
    return {"Error", "An error has occurred while trying to print the dive and roll page.",
            MessageIcon::Exclamation, MessageButtons::Ok};
}

// Over the side panel, where the travel frame opens.
const QRect kFrmVehicle(1200, 0, 3735, 2775);

} // namespace

void MainWindow::showDiveRoll() {
    if (!diveRoll_) {
        diveRoll_ = new DiveRollWindow(state_, this);
        // A window of its own that stays with the main window, like the graph window.
        diveRoll_->setWindowFlag(Qt::Window, true);
        connect(diveRoll_, &DiveRollWindow::printRequested, this, &MainWindow::printDiveRoll);
        connect(&document_, &ProjectDocument::changed, diveRoll_, &DiveRollWindow::refresh);
        if (baseline_) {
            diveRoll_->setBaseline(baseline_.get());
            diveRoll_->refresh();
        }
    } else {
        diveRoll_->refresh();
    }
    diveRoll_->show();
    diveRoll_->raise();
    diveRoll_->activateWindow();
}

void MainWindow::printDiveRoll() {
    if (!diveRoll_ || !diveRoll_->current() || !diveRoll_->frontEnd()) {
        return;
    }
    const PrintServices services = printServices();
    PageSender sender(services.device, services.printoutFolder);
    runPrintCommand(sender, services.messages, diveRollPrintFailure(), [&] {
        buildDiveRollPage(sender, *diveRoll_->current(), diveRoll_->path(), *diveRoll_->frontEnd(),
                          antiDive(state_.RightCoords, state_.LeftCoords, state_.Vehicle),
                          lblfile_->text().toStdString());
    });
    if (const std::optional<Message> saved = savedPagesMessage(sender.writtenFiles())) {
        services.messages.show(*saved);
    }
}

void MainWindow::buildChassisParts(QWidget* client) {
    frmVehicle_ = new VehicleDataFrame(client);
    frmVehicle_->addToLayout(*layout_, kFrmVehicle);
    frmVehicle_->hide();
    connect(frmVehicle_, &VehicleDataFrame::okPressed, this, &MainWindow::acceptVehicleData);
    connect(frmVehicle_, &VehicleDataFrame::cancelPressed, this, &MainWindow::cancelVehicleData);
    connect(menus_->mnuVehicleData, &QAction::triggered, this, &MainWindow::showVehicleData);
    connect(menus_->mnuSteering, &QAction::triggered, this, &MainWindow::showSteering);
    connectBaselineMenu();
    connect(menus_->mnuAdjustPoint, &QAction::triggered, this, &MainWindow::showAdjustPoint);
}

void MainWindow::showVehicleData() {
    frmVehicle_->setValues(state_.Vehicle);
    frmVehicle_->show();
    frmVehicle_->raise();
    frmDisable();
    frmVehicle_->focusFirst();
}

void MainWindow::acceptVehicleData() {
    auto accepted = acceptedVehicleData(frmVehicle_->texts(), state_.Vehicle);
    if (const std::string* problem = std::get_if<std::string>(&accepted)) {
        // The frame stays open with what was typed, so it can be corrected.
        messages_.show(
            Message{"Vehicle Data", *problem, MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    frmVehicle_->hide();
    if (!document_.apply(setVehicleDataEdit(std::get<VehicleData>(accepted)))) {
        endCommand();
    }
}

void MainWindow::cancelVehicleData() {
    frmVehicle_->hide();
    frmEnable();
}

void MainWindow::showSteering() {
    if (!steering_) {
        steering_ = new SteeringWindow(state_, messages_, this);
        steering_->setWindowFlag(Qt::Window, true);
        connect(steering_, &SteeringWindow::printRequested, this, &MainWindow::printSteering);
        connect(&document_, &ProjectDocument::changed, steering_, [this] {
            if (steering_->isVisible()) {
                steering_->refresh();
            }
        });
        steering_->setBaseline(baseline_.get());
    }
    steering_->refresh();
    steering_->show();
    steering_->raise();
    steering_->activateWindow();
}

void MainWindow::printSteering() {
    if (!steering_) {
        return;
    }
    SteeringPageInputs inputs = steeringPageInputs(state_, steering_->maxRack());
    inputs.fileCaption = lblfile_->text().toStdString();
    const PrintServices services = printServices();
    PageSender sender(services.device, services.printoutFolder);
    runPrintCommand(sender, services.messages, steeringPrintFailure(),
                    [&] { buildSteeringPage(sender, inputs); });
    if (const std::optional<Message> saved = savedPagesMessage(sender.writtenFiles())) {
        services.messages.show(*saved);
    }
}

void MainWindow::refreshChassisWindows() {
    if (diveRoll_) {
        diveRoll_->refresh();
    }
    if (steering_ && steering_->isVisible()) {
        steering_->refresh();
    }
}

void MainWindow::closeChassisWindows() {
    if (diveRoll_) {
        diveRoll_->close();
    }
    if (steering_) {
        steering_->close();
    }
    // A trial that was not kept is dropped.
    if (adjust_) {
        adjust_->close();
    }
}

} // namespace velmora
