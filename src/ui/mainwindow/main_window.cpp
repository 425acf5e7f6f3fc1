#include "mainwindow/main_window.h"

#include "velmora_version.h"

#include "analysis/baseline.h"
#include "analysis/big_graph.h"
#include "analysis/thumbnails.h"
#include "chassis/adjust_point_host.h"
#include "chassis/adjust_point_window.h"
#include "chassis/dive_roll_window.h"
#include "chassis/steering_window.h"
#include "chassis/vehicle_data_frame.h"
#include "mainwindow/balloon_texts.h"
#include "mainwindow/coordinate_frame.h"
#include "mainwindow/dimension_frame.h"
#include "mainwindow/geometry_frame.h"
#include "mainwindow/help_frame.h"
#include "mainwindow/main_menus.h"
#include "mainwindow/notes_window.h"
#include "mainwindow/side_frame.h"
#include "mainwindow/static_frame.h"
#include "mainwindow/travel_frame.h"
#include "widgets/named_pictures.h"
#include "widgets/picture_button.h"
#include "widgets/proportional_layout.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
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

// Positions in the client area, twips.
const QRect kBtnLeft(120, 600, 975, 615);
const QRect kBtnRight(120, 2400, 975, 615);
const QRect kFrmLeft(1320, 0, 8175, 1695);
const QRect kFrmRight(1320, 1920, 8175, 1695);
const QRect kFrmGeo(0, 3600, 9495, 2415);
const QRect kLabel2(2760, 6000, 2535, 255);
const QRect kLblFile(5400, 6000, 4095, 255);
const QRect kFrmTravel(1200, 0, 2415, 1695);
const QRect kFrmStatic(1920, 2040, 4935, 3135);
const QRect kFrmXYZ(2640, 120, 5655, 5775);
const QRect kFrmDimentions(0, 0, 9495, 6015);
const QRect kFrmHelp(0, 0, 9495, 6015);

} // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), fileDialogs_(services.fileDialogs), messages_(services.messages),
      printer_(services.printer), printoutFolder_(services.printoutFolder),
      pictureFolders_(velmora::pictureFolders(services.pictureFolder)) {
    if (printer_ == nullptr) {
        systemPrinter_ = std::make_unique<QtPrinterDevice>();
        printer_ = systemPrinter_.get();
    }
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(windowCaption());
    menus_ = std::make_unique<MainMenus>(buildMainMenus(menuBar()));
    buildClientArea();
    sides_ = std::make_unique<SideRefresh>(
        state_, SideRefresh::Panels{*frmLeft_, *frmRight_, *frmGeo_}, messages_, pictureFolders_);
    project_ = std::make_unique<ProjectCommands>(document_, fileDialogs_, messages_,
                                                 static_cast<ProjectWindow&>(*this), this);
    // The main window follows the project before any other window does, so that the working
    // state they read holds the project's inputs by then.
    connect(&document_, &ProjectDocument::changed, this, &MainWindow::showProjectChange);
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
    notes_->show();
    // GM car style, travel 3 and 3, and the track type the menu shows checked.
    Project start;
    start.trackType = "Dirt";
    document_.start(start);
    selectLeft();
    frmLeft_->clearButtonTexts();
    frmRight_->clearButtonTexts();
    frmXYZ_->fillFractionChart();
    updateUndoActions();
    startedUp_ = true;
}

MainWindow::~MainWindow() {
    // The Notes window copies its text into the project when it goes, so it must go first.
    delete notes_.data();
    delete graph_.data();
    delete diveRoll_.data();
    delete steering_.data();
    delete adjust_.data();
}

void MainWindow::buildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);
    layout_ = new ProportionalLayout(client, QSize(kClientWidth, kClientHeight));

    btnLeft_ = new PictureButton(QStringLiteral("Left"), client);
    btnLeft_->setObjectName(QStringLiteral("btnLeft"));
    btnRight_ = new PictureButton(QStringLiteral("Right"), client);
    btnRight_->setObjectName(QStringLiteral("btnRight"));
    for (PictureButton* button : {btnLeft_, btnRight_}) {
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
    }
    layout_->add(btnLeft_, kBtnLeft);
    layout_->add(btnRight_, kBtnRight);

    frmLeft_ = new SideFrame(Side::Left, client);
    frmLeft_->addToLayout(*layout_, kFrmLeft);
    frmRight_ = new SideFrame(Side::Right, client);
    frmRight_->addToLayout(*layout_, kFrmRight);

    frmGeo_ = new GeometryFrame(client);
    frmGeo_->addToLayout(*layout_, kFrmGeo);

    label2_ = new QLabel(QStringLiteral("Current File Being Analyzed"), client);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout_->add(label2_, kLabel2);
    lblfile_ = new QLabel(client);
    lblfile_->setObjectName(QStringLiteral("lblfile"));
    lblfile_->setTextFormat(Qt::PlainText);
    layout_->add(lblfile_, kLblFile);

    // The dialog frames lie over the normal layout and start hidden.
    frmTravel_ = new TravelFrame(client);
    frmTravel_->addToLayout(*layout_, kFrmTravel);
    frmTravel_->hide();
    frmStatic_ = new StaticFrame(client);
    frmStatic_->addToLayout(*layout_, kFrmStatic);
    frmStatic_->hide();
    frmXYZ_ = new CoordinateFrame(client);
    frmXYZ_->addToLayout(*layout_, kFrmXYZ);
    frmXYZ_->hide();
    frmDimentions_ = new DimensionFrame(state_, client);
    frmDimentions_->setPictureFolders(pictureFolders_);
    frmDimentions_->addToLayout(*layout_, kFrmDimentions);
    frmDimentions_->hide();
    frmHelp_ = new HelpFrame(client);
    frmHelp_->setPictureFolders(pictureFolders_);
    frmHelp_->addToLayout(*layout_, kFrmHelp);
    frmHelp_->hide();
    buildChassisParts(client);
}

void MainWindow::connectCommands() {
    connect(btnLeft_, &PictureButton::clicked, this, &MainWindow::selectLeft);
    connect(btnRight_, &PictureButton::clicked, this, &MainWindow::selectRight);

    const MainMenus& m = *menus_;
    connect(m.mnuNew, &QAction::triggered, this, &MainWindow::fileNew);
    connect(m.mnuOpen, &QAction::triggered, this, &MainWindow::fileOpen);
    connect(m.mnuSave, &QAction::triggered, this, [this] { fileSave(); });
    connect(m.mnuExit, &QAction::triggered, this, &MainWindow::fileExit);
    connect(m.mnuOptTravel, &QAction::triggered, this, &MainWindow::showTravelFrame);
    connect(m.mnuPrint, &QAction::triggered, this, &MainWindow::printWorksheets);
    connect(m.mnuTrackDirtO, &QAction::triggered, this, [this] { chooseTrack(TrackChoice::Dirt); });
    connect(m.mnuTrackAsphaltO, &QAction::triggered, this,
            [this] { chooseTrack(TrackChoice::Asphalt); });
    connect(m.mnuTrackRoad, &QAction::triggered, this, [this] { chooseTrack(TrackChoice::Road); });
    connect(m.mnuCarGM, &QAction::triggered, this, [this] { chooseCarStyle(CarStyleChoice::GM); });
    connect(m.mnuCarFord, &QAction::triggered, this,
            [this] { chooseCarStyle(CarStyleChoice::Ford); });
    connect(m.mnuCarFormula, &QAction::triggered, this,
            [this] { chooseCarStyle(CarStyleChoice::Formula); });
    connect(m.mnuDiveRoll, &QAction::triggered, this, &MainWindow::showDiveRoll);
    connect(m.mnuUndo, &QAction::triggered, this, &MainWindow::undo);
    connect(m.mnuRedo, &QAction::triggered, this, &MainWindow::redo);

    connect(frmTravel_, &TravelFrame::okPressed, this, &MainWindow::acceptTravel);
    connect(frmTravel_, &TravelFrame::cancelPressed, this, &MainWindow::cancelTravel);

    for (SideFrame* side : {frmLeft_, frmRight_}) {
        connect(side->topButton(), &PictureButton::clicked, this,
                [this] { openWizard(PictureGroup::Top); });
        connect(side->bottomButton(), &PictureButton::clicked, this,
                [this] { openWizard(PictureGroup::Bottom); });
        connect(side->miscButton(), &PictureButton::clicked, this,
                [this] { openWizard(PictureGroup::Misc); });
        connect(side->xyzButton(), &PictureButton::clicked, this, &MainWindow::showCoordinateTable);
    }
    connect(frmXYZ_, &CoordinateFrame::okPressed, this, &MainWindow::acceptCoordinates);
    connect(frmXYZ_, &CoordinateFrame::cancelPressed, this, &MainWindow::cancelCoordinates);
    connect(frmXYZ_, &CoordinateFrame::symmetricalPressed, this, &MainWindow::makeSymmetrical);
    connect(frmXYZ_, &CoordinateFrame::printPressed, this, [this] {
        // The page prints what the boxes show, typed but not yet accepted included.
        printCoordinates(frmXYZ_->texts());
    });
    connect(frmDimentions_, &DimensionFrame::enableRequested, this, &MainWindow::frmEnable);
    connect(frmDimentions_, &DimensionFrame::reselectRequested, this,
            &MainWindow::reselectActiveSide);
    connect(frmDimentions_, &DimensionFrame::helpRequested, this, &MainWindow::openGuide);
    // Each wizard screen that stores its values is one step.
    connect(frmDimentions_, &DimensionFrame::valuesStored, this,
            [this](const CoordinateSet& values) {
                document_.apply(setCoordinatesEdit("Dimensions", state_.Right_Active, values));
            });

    connect(frmGeo_, &GeometryFrame::analyzePressed, this, &MainWindow::analyze);
    connect(frmGeo_, &GeometryFrame::staticPressed, this, &MainWindow::showStaticGeometry);
    connect(frmGeo_, &GeometryFrame::notesPressed, this, &MainWindow::showNotes);
    connect(frmStatic_, &StaticFrame::printPressed, this, &MainWindow::printStaticGeometry);
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
    sides_->selectSide(false);
}

void MainWindow::selectRight() {
    sides_->selectSide(true);
}

void MainWindow::reselectActiveSide() {
    sides_->reselectActiveSide();
}

void MainWindow::frmDisable() {
    frmLeft_->setEnabled(false);
    frmRight_->setEnabled(false);
    frmGeo_->setEnabled(false);
    btnLeft_->setEnabled(false);
    btnRight_->setEnabled(false);
    inert_ = true;
    updateUndoActions();
}

void MainWindow::frmEnable() {
    (state_.Right_Active ? frmRight_ : frmLeft_)->setEnabled(true);
    btnLeft_->setEnabled(true);
    btnRight_->setEnabled(true);
    frmGeo_->setEnabled(isComplete(state_.activeCoords()));
    inert_ = false;
    updateUndoActions();
}

bool MainWindow::dialogFrameOpen() const {
    for (const QWidget* frame :
         {static_cast<QWidget*>(frmTravel_), static_cast<QWidget*>(frmXYZ_),
          static_cast<QWidget*>(frmDimentions_), static_cast<QWidget*>(frmHelp_),
          static_cast<QWidget*>(frmVehicle_)}) {
        if (frame->isVisibleTo(centralWidget())) {
            return true;
        }
    }
    return false;
}

void MainWindow::endCommand() {
    if (dialogFrameOpen()) {
        frmDisable();
    } else {
        frmEnable();
    }
}

// --- Options -----------------------------------------------------------------------------

void MainWindow::chooseCarStyle(CarStyleChoice style) {
    if (!document_.apply(setCarStyleEdit(style))) {
        // The style the project has: its pictures and curves are drawn again all the same.
        showCarStyleChecks();
        reselectActiveSide();
    }
}

void MainWindow::showCarStyleChecks() {
    const CarStyleChoice style = carStyleChoiceOf(state_.CarStyle);
    menus_->mnuCarGM->setChecked(style == CarStyleChoice::GM);
    menus_->mnuCarFord->setChecked(style == CarStyleChoice::Ford);
    menus_->mnuCarFormula->setChecked(style == CarStyleChoice::Formula);
}

void MainWindow::chooseTrack(TrackChoice track) {
    if (!document_.apply(setTrackEdit(track))) {
        showTrackChecks(); // a checked entry chosen again stays checked
    }
}

void MainWindow::showTrackChecks() {
    const std::string& track = state_.TrackType;
    menus_->mnuTrackDirtO->setChecked(track == trackTypeText(TrackChoice::Dirt));
    menus_->mnuTrackAsphaltO->setChecked(track == trackTypeText(TrackChoice::Asphalt));
    menus_->mnuTrackRoad->setChecked(track == trackTypeText(TrackChoice::Road));
}

void MainWindow::showTravelFrame() {
    frmTravel_->setTravel(state_.VU, state_.VD);
    frmTravel_->show();
    frmTravel_->raise();
    frmDisable();
    frmTravel_->focusBump();
}

void MainWindow::acceptTravel() {
    const std::optional<TravelRange> travel =
        acceptedTravel(frmTravel_->bumpText(), frmTravel_->reboundText());
    if (!travel) {
        // The frame stays open with what was typed, so it can be corrected.
        messages_.show(Message{"Range to Analyze",
                               "Please enter the travel in inches as a number greater than 0.",
                               MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    frmTravel_->hide();
    if (!document_.apply(setTravelEdit(travel->bump, travel->rebound))) {
        endCommand();
    }
}

void MainWindow::cancelTravel() {
    frmTravel_->hide();
    frmEnable();
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
    if (dialogFrameOpen()) {
        frmDisable();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!leaving_ && !confirmLeaving()) {
        event->ignore();
        return;
    }
    leaving_ = true;
    closeOtherWindows();
    event->accept();
}

void MainWindow::closeOtherWindows() {
    if (notes_) {
        notes_->close();
    }
    if (graph_) {
        graph_->close();
    }
    closeChassisWindows();
}

} // namespace velmora
