#include "ui/mainwindow/main_window.h"

#include "velmora_version.h"

#include "ui/mainwindow/balloon_texts.h"
#include "ui/mainwindow/coordinate_frame.h"
#include "ui/mainwindow/dialog_frames.h"
#include "ui/mainwindow/geometry_frame.h"
#include "ui/mainwindow/main_menus.h"
#include "ui/mainwindow/notes_window.h"
#include "ui/mainwindow/side_frame.h"
#include "ui/mainwindow/side_refresh.h"
#include "ui/mainwindow/static_frame.h"
#include "ui/mainwindow/units_choice.h"
#include "ui/widgets/after_first_expose.h"
#include "ui/widgets/named_pictures.h"
#include "ui/widgets/picture_button.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

namespace velmora {

namespace {

QString windowCaption() {
    return QString(4, QLatin1Char(' ')) + QStringLiteral("Velmora") +
           QString(70, QLatin1Char(' ')) + QStringLiteral("version " VELMORA_VERSION);
}

} // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), fileDialogs_(services.fileDialogs), messages_(services.messages),
      printer_(services.printer), printoutFolder_(services.printoutFolder),
      pictureFolders_(velmora::pictureFolders(services.pictureFolder)) {
    // The main window follows the project before any other window does, so that the working
    // state they read holds the project's inputs by then.
    connect(&document_, &ProjectDocument::changed, this, &MainWindow::showProjectChange);
    if (printer_ == nullptr) {
        systemPrinter_ = std::make_unique<QtPrinterDevice>();
        printer_ = systemPrinter_.get();
    }
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(windowCaption());
    menus_ = std::make_unique<MainMenus>(buildMainMenus(menuBar()));
    buildClientArea();
    sides_ = std::make_unique<SideRefresh>(
        state_, SideRefresh::Panels{*panels_.frmLeft, *panels_.frmRight, *panels_.frmGeo},
        messages_, pictureFolders_);
    project_ = std::make_unique<ProjectCommands>(document_, fileDialogs_, messages_,
                                                 static_cast<ProjectWindow&>(*this), this);
    frames_ = new DialogFrames(panels_, document_, state_, messages_,
                               static_cast<FrameHost&>(*this), this);
    analyses_ = new AnalysisWindows(AnalysisWindows::Services{
        state_, document_, messages_, *sides_, [this] { return printServices(); },
        [this] { return panels_.lblfile->text().toStdString(); }, this});

    connectCommands();
    applyBalloonTexts();

    // Start-up.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect whole = screen->geometry();
        resize(whole.width() * 3 / 4, whole.height() * 3 / 4);
        move(screen->availableGeometry().center() - rect().center());
    }
    notes_ = new NotesWindow(document_);
    notes_->setAttribute(Qt::WA_DeleteOnClose);
    // Shown once the main window is on screen, which is then raised above it again.
    afterFirstExpose(*this, [this] {
        if (notes_) {
            notes_->show();
            raise();
            activateWindow();
        }
    });
    // GM car style, travel 3 and 3, and the track type the menu shows checked.
    Project start;
    start.trackType = "Dirt";
    document_.start(start);
    selectLeft();
    panels_.frmLeft->clearButtonTexts();
    panels_.frmRight->clearButtonTexts();
    panels_.frmXYZ->fillFractionChart();
    updateUndoActions();
    startedUp_ = true;
}

MainWindow::~MainWindow() {
    // The Notes window copies its text into the project when it goes, so it must go first.
    delete notes_.data();
    delete analyses_;
}

void MainWindow::buildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);
    panels_ = buildMainPanels(client, state_, pictureFolders_);
}

void MainWindow::connectCommands() {
    connect(panels_.btnLeft, &PictureButton::clicked, this, &MainWindow::selectLeft);
    connect(panels_.btnRight, &PictureButton::clicked, this, &MainWindow::selectRight);
    const MainMenus& m = *menus_;
    const auto onMenu = [this](QAction* action, auto&& slot) {
        connect(action, &QAction::triggered, this, std::forward<decltype(slot)>(slot));
    };
    onMenu(m.mnuNew, [this] { whileInert([&] { return project_->newProject(), true; }); });
    onMenu(m.mnuOpen, [this] { fileOpen(); });
    onMenu(m.mnuSave, [this] { fileSave(); });
    CoordinateExchange* io = &project_->coordinates();
    onMenu(m.mnuImportCoords, [this, io] { whileInert([&] { return io->importCoordinates(); }); });
    onMenu(m.mnuExportCoords, [this, io] { whileInert([&] { return io->exportCoordinates(); }); });
    onMenu(m.mnuExit, [this] { fileExit(); });
    onMenu(m.mnuUndo, [this] { undo(); });
    onMenu(m.mnuRedo, [this] { redo(); });
    onMenu(m.mnuOptTravel, [this] { frames_->showTravelFrame(); });
    onMenu(m.mnuPrint, [this] { printWorksheetPages(printServices()); });
    onMenu(m.mnuTrackDirtO, [this] { chooseTrack(TrackChoice::Dirt); });
    onMenu(m.mnuTrackAsphaltO, [this] { chooseTrack(TrackChoice::Asphalt); });
    onMenu(m.mnuTrackRoad, [this] { chooseTrack(TrackChoice::Road); });
    onMenu(m.mnuCarGM, [this] { chooseCarStyle(CarStyleChoice::GM); });
    onMenu(m.mnuCarFord, [this] { chooseCarStyle(CarStyleChoice::Ford); });
    onMenu(m.mnuCarFormula, [this] { chooseCarStyle(CarStyleChoice::Formula); });
    onMenu(m.mnuDiveRoll, [this] { analyses_->showDiveRoll(); });
    onMenu(m.mnuSteering, [this] { analyses_->showSteering(); });
    onMenu(m.mnuVehicleData, [this] { frames_->showVehicleData(); });
    onMenu(m.mnuSprings, [this] { frames_->showSprings(); });
    onMenu(m.mnuRates, [this] { analyses_->showRates(); });
    onMenu(m.mnuView3d, [this] { analyses_->showView3d(); });
    onMenu(m.mnuSetBaseline, [this] { analyses_->setBaselineFromProject(); });
    onMenu(m.mnuOpenBaseline, [this] { openBaselineProject(); });
    onMenu(m.mnuClearBaseline, [this] { analyses_->clearBaseline(); });
    new UnitsChoice(m, document_, this);
    m.mnuClearBaseline->setEnabled(false); // nothing to clear until a baseline is set
    connect(analyses_, &AnalysisWindows::baselineChanged, m.mnuClearBaseline, &QAction::setEnabled);
    onMenu(m.mnuAdjustPoint, [this] { analyses_->showAdjustPoint(); });
    connect(panels_.frmGeo, &GeometryFrame::analyzePressed, this, &MainWindow::analyze);
    connect(panels_.frmGeo, &GeometryFrame::staticPressed, frames_,
            &DialogFrames::showStaticGeometry);
    connect(panels_.frmGeo, &GeometryFrame::notesPressed, this, &MainWindow::showNotes);
    connect(panels_.frmStatic, &StaticFrame::printPressed, this,
            [this] { printStaticPage(printServices(), panels_.frmStatic->captions()); });
}

void MainWindow::applyBalloonTexts() {
    for (QWidget* control : centralWidget()->findChildren<QWidget*>()) {
        const QString text = balloonText(control->objectName());
        if (!text.isEmpty()) {
            control->setToolTip(text);
        }
    }
}

// --- Sides -------------------------------------------------------------------------------

void MainWindow::selectLeft() {
    analyses_->selectSide(false);
}

void MainWindow::selectRight() {
    analyses_->selectSide(true);
}

void MainWindow::reselectActiveSide() {
    sides_->reselectActiveSide();
}

void MainWindow::frmDisable() {
    panels_.frmLeft->setEnabled(false);
    panels_.frmRight->setEnabled(false);
    panels_.frmGeo->setEnabled(false);
    panels_.btnLeft->setEnabled(false);
    panels_.btnRight->setEnabled(false);
    inert_ = true;
    updateUndoActions();
}

void MainWindow::frmEnable() {
    (state_.Right_Active ? panels_.frmRight : panels_.frmLeft)->setEnabled(true);
    panels_.btnLeft->setEnabled(true);
    panels_.btnRight->setEnabled(true);
    panels_.frmGeo->setEnabled(isComplete(state_.activeCoords()));
    inert_ = false;
    updateUndoActions();
}

void MainWindow::endCommand() {
    if (panels_.dialogFrameOpen()) {
        frmDisable();
    } else {
        frmEnable();
    }
}

// --- Window ------------------------------------------------------------------------------

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!startedUp_) {
        return;
    }
    sides_->Disable_Graphs();
    reselectActiveSide();
    // Re-selecting enables the side panel and the graphs; a dialog frame that is open keeps
    // the rest of the window inert.
    if (panels_.dialogFrameOpen()) {
        frmDisable();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!leaving_ && !confirmLeaving()) {
        event->ignore();
        return;
    }
    leaving_ = true;
    if (notes_) {
        notes_->close();
    }
    analyses_->closeAll();
    event->accept();
}

OpenWindows MainWindow::windows() const {
    return {notes_.data(),      analyses_->graph(),  analyses_->diveRoll(), analyses_->steering(),
            analyses_->rates(), analyses_->view3d(), analyses_->adjust()};
}

} // namespace velmora
