// The Chassis menu: the Vehicle Data frame and the Steering window.
#include "mainwindow/main_window.h"

#include "chassis/steering_page.h"
#include "chassis/steering_window.h"
#include "chassis/vehicle_data_frame.h"
#include "mainwindow/main_menus.h"
#include "printing/page_sender.h"
#include "printing/text_pages.h"
#include "widgets/proportional_layout.h"

#include <QLabel>

namespace velmora {

namespace {

// Over the side panel, where the travel frame opens.
const QRect kFrmVehicle(1200, 0, 3735, 2415);

} // namespace

void MainWindow::buildChassisParts(QWidget* client) {
    frmVehicle_ = new VehicleDataFrame(client);
    frmVehicle_->addToLayout(*layout_, kFrmVehicle);
    frmVehicle_->hide();
    connect(frmVehicle_, &VehicleDataFrame::okPressed, this, &MainWindow::acceptVehicleData);
    connect(frmVehicle_, &VehicleDataFrame::cancelPressed, this, &MainWindow::cancelVehicleData);
    connect(menus_->mnuVehicleData, &QAction::triggered, this, &MainWindow::showVehicleData);
    connect(menus_->mnuSteering, &QAction::triggered, this, &MainWindow::showSteering);
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
    state_.Vehicle = std::get<VehicleData>(std::move(accepted));
    refreshChassisWindows();
    frmEnable();
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
    }
    steering_->refresh();
    steering_->show();
    steering_->raise();
    steering_->activateWindow();
}

SteeringWindow* MainWindow::steeringWindow() const {
    return steering_.data();
}

void MainWindow::refreshChassisWindows() {
    if (steering_ && steering_->isVisible()) {
        steering_->refresh();
    }
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

} // namespace velmora
