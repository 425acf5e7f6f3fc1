#pragma once

#include "mainwindow/project_commands.h"
#include "mainwindow/side_refresh.h"
#include "model/message_sink.h"
#include "model/project_file.h"
#include "model/suspension_state.h"
#include "pictures/picture_key.h"
#include "printing/print_commands.h"
#include "project/project_document.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class QAction;
class QLabel;

namespace velmora {

class AdjustPointHost;
class AdjustPointWindow;
class BigGraph;
struct Baseline;
class DiveRollWindow;
class CoordinateFrame;
class DimensionFrame;
class FileDialogs;
class HelpFrame;
class GeometryFrame;
class NotesWindow;
class PictureButton;
class ProportionalLayout;
class SideFrame;
class StaticFrame;
class SteeringWindow;
class TravelFrame;
class VehicleDataFrame;
struct MainMenus;

// What the main window reaches the platform through, so tests can answer in its place.
struct MainWindowServices {
    FileDialogs& fileDialogs;
    MessageSink& messages;
    // Where the pictures are looked for; empty means the folder "pictures" beside the
    // program and the installed share folder.
    QString pictureFolder;
    // The default printer; null means the system's, through Qt.
    PrinterDevice* printer = nullptr;
    // Where pages are saved as PDF files when there is no printer; empty means
    // "Velmora printouts" in the user's documents folder.
    QString printoutFolder{};
};

// The windows the main window opened; null while not open.
struct OpenWindows {
    NotesWindow* notes = nullptr;
    BigGraph* graph = nullptr;
    DiveRollWindow* diveRoll = nullptr;
    SteeringWindow* steering = nullptr;
    AdjustPointWindow* adjust = nullptr;
};

// The program's main window. It owns the project of the session (a ProjectDocument: every
// change is a named, undoable edit) and the working state its passes fill, which holds the
// project's inputs and the active side; the side panels, the "Geometry" frame with the small
// graphs, the file label and the menu bar; the dialog frames (travel range, static geometry)
// that open on top of the normal layout; and the Notes and graph windows. Every change of
// the project reaches the windows through the document's `changed` signal; the main window
// follows it first, re-selecting the active side (SideRefresh) when the analysis changed.
class MainWindow : public QMainWindow, private ProjectWindow {
    Q_OBJECT

public:
    // Builds the window and runs the start-up: three quarters of the screen, the Notes
    // window opened, GM car style, left side selected, travel 3 and 3.
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The working state: the project's inputs and the results of the last sweep.
    const SuspensionState& state() const { return state_; }
    // The project; edits applied to it show at once in every window.
    ProjectDocument& document() { return document_; }

    // Select the right side, and re-select the active side: the refresh of everything that
    // depends on the coordinates.
    void selectRight();
    void reselectActiveSide();

    // Open and Save as the File menu runs them; Save returns whether the project was written.
    void fileOpen();
    bool fileSave();
    // Opens the project at `path` as Open does once a file is chosen (the command line's
    // project, a file manager's double-click); false, after the open error message, when
    // it cannot be read.
    bool openProject(const std::string& path);

    // An "Analyze" button: the graph window for `kind`.
    void analyze(GraphKind kind);
    // The coordinate table's page from the texts its 26 boxes show (index 1..26).
    void printCoordinates(const CoordinateBoxTexts& boxes);

    // The session's baseline: curves of other coordinates drawn beneath the current ones in
    // the thumbnails and the analysis windows, until cleared. Never saved with the project.
    // setBaseline takes any coordinates (Adjust a Point sets those before its first nudge);
    // the Chassis menu's entries set the project's own, another project's, or clear it.
    void setBaseline(const Baseline& baseline);
    void setBaselineFromProject();
    void openBaselineProject();
    // Reads `path` as Open does; false, after Open's message, when it cannot be read.
    bool openBaselineProject(const std::string& path);
    void clearBaseline();
    bool hasBaseline() const;
    const Baseline* baseline() const;
    // Chassis menu, "Adjust a Point": the window for the active side, opened on a coordinate
    // (1..26) or on the point it showed last.
    void showAdjustPoint();
    void adjustPoint(int index);

    OpenWindows windows() const;

    // Design client area, twips.
    static constexpr int kClientWidth = 9555;
    static constexpr int kClientHeight = 6345;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildClientArea();
    void connectCommands();
    void buildChassisParts(QWidget* client);
    void connectBaselineMenu();
    // Every picture that shows a baseline draws it again (or without it).
    void showBaselineChange();
    void applyBalloonTexts();

    void selectLeft();
    // Make the window inert while a dialog frame is open, and live again.
    void frmDisable();
    void frmEnable();
    bool dialogFrameOpen() const;
    // frmEnable at the end of a menu command, unless a dialog frame is still open.
    void endCommand();

    // Options.
    void chooseCarStyle(CarStyleChoice style);
    void chooseTrack(TrackChoice track);
    // The car-type check marks show the style the state holds (none for a style no command
    // names); the track marks likewise.
    void showCarStyleChecks();
    void showTrackChecks();
    void showTravelFrame();
    void acceptTravel();
    void cancelTravel();

    // File commands.
    void fileNew();
    void fileExit();
    // Asks whether to save before leaving; true when the program may end.
    bool confirmLeaving();
    void setFileLabel(const std::string& path);
    // What the project commands ask of the window.
    void takeNotesBack() override;

    // Edit menu: undo and redo of the project's edits.
    void undo();
    void redo();
    // The project changed (an edit, an undo or a redo): the working state takes its inputs
    // and the window shows what changed.
    void showProjectChange(const ProjectChange& change);
    void updateUndoActions();

    // Coordinate table: open for the active side, OK, Cancel and Make Symmetrical.
    void showCoordinateTable();
    void acceptCoordinates();
    // The side's values with what the table holds; nothing, after the message, when the
    // table was refused and stays open.
    std::optional<CoordinateSet> takeCoordinateTable();
    void cancelCoordinates();
    void makeSymmetrical();
    // Dimension wizard for a point group of the active side, and the measuring guide.
    void openWizard(PictureGroup group);
    void openGuide();

    // Analysis.
    void showStaticGeometry();
    void showNotes();
    void hideGraphWindow();

    // Chassis menu: the Vehicle Data frame, the Steering and the Dive and Roll windows.
    void showVehicleData();
    void acceptVehicleData();
    void cancelVehicleData();
    void showSteering();
    void showDiveRoll();
    // The open chassis windows read the project again.
    void refreshChassisWindows();
    void closeChassisWindows();
    void closeOtherWindows();

    // The print commands: the static-geometry frame's page, the graph window's page, the ten
    // garage worksheets and the chassis pages.
    PrintServices printServices();
    void printStaticGeometry();
    void printGraph();
    void printWorksheets();
    void printSteering();
    void printDiveRoll();

    friend class MainWindowAdjustHost;
    // A trial of Adjust a Point is about to be shown over `original`.
    void adjustTrialStarted(bool right, const CoordinateSet& original);
    // The trial was kept or dropped.
    void adjustTrialEnded();
    // The thumbnails and every open analysis window show the side's coordinates again.
    void refreshAfterAdjust();
    void revertAdjustTrial();

    ProjectDocument document_;
    // Filled from the document; a trial of Adjust a Point shows here, not in the project.
    SuspensionState state_;
    FileDialogs& fileDialogs_;
    MessageSink& messages_;
    std::unique_ptr<PrinterDevice> systemPrinter_;
    PrinterDevice* printer_ = nullptr;
    QString printoutFolder_;
    QStringList pictureFolders_;

    std::unique_ptr<MainMenus> menus_;
    ProportionalLayout* layout_ = nullptr;
    PictureButton* btnLeft_ = nullptr;
    PictureButton* btnRight_ = nullptr;
    SideFrame* frmLeft_ = nullptr;
    SideFrame* frmRight_ = nullptr;
    GeometryFrame* frmGeo_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* lblfile_ = nullptr;
    TravelFrame* frmTravel_ = nullptr;
    StaticFrame* frmStatic_ = nullptr;
    CoordinateFrame* frmXYZ_ = nullptr;
    DimensionFrame* frmDimentions_ = nullptr;
    HelpFrame* frmHelp_ = nullptr;
    VehicleDataFrame* frmVehicle_ = nullptr;

    QPointer<NotesWindow> notes_;
    QPointer<BigGraph> graph_;
    QPointer<DiveRollWindow> diveRoll_;
    QPointer<SteeringWindow> steering_;
    std::unique_ptr<Baseline> baseline_;
    // The baseline was set by an Adjust a Point trial, not by the user.
    bool baselineFromTrial_ = false;
    std::unique_ptr<AdjustPointHost> adjustHost_;
    QPointer<AdjustPointWindow> adjust_;

    std::unique_ptr<SideRefresh> sides_;
    std::unique_ptr<ProjectCommands> project_;

    bool startedUp_ = false;
    bool leaving_ = false;
    bool inert_ = false; // between frmDisable and frmEnable
};

} // namespace velmora
