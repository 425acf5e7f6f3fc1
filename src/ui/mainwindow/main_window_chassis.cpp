// The main window's Chassis menu: the Dive and Roll window and its printed page.
#include "mainwindow/main_window.h"

#include "chassis/dive_roll_window.h"
#include "chassis/roll_figures.h"
#include "printing/page_sender.h"
#include "printing/text_pages.h"

#include <QLabel>

namespace velmora {

namespace {

Message diveRollPrintFailure() {
    return {"Error", "An error has occurred while trying to print the dive and roll page.",
            MessageIcon::Exclamation, MessageButtons::Ok};
}

} // namespace

DiveRollWindow* MainWindow::diveRollWindow() const {
    return diveRoll_.data();
}

void MainWindow::showDiveRoll() {
    if (!diveRoll_) {
        diveRoll_ = new DiveRollWindow(state_, this);
        // A window of its own that stays with the main window, like the graph window.
        diveRoll_->setWindowFlag(Qt::Window, true);
        connect(diveRoll_, &DiveRollWindow::printRequested, this, &MainWindow::printDiveRoll);
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
                          lblfile_->text().toStdString());
    });
    if (const std::optional<Message> saved = savedPagesMessage(sender.writtenFiles())) {
        services.messages.show(*saved);
    }
}

void MainWindow::refreshChassisWindows() {
    if (diveRoll_) {
        diveRoll_->refresh();
    }
}

void MainWindow::closeChassisWindows() {
    if (diveRoll_) {
        diveRoll_->close();
    }
}

} // namespace velmora
