#pragma once

#include "model/message_sink.h"
#include "model/project_file.h"
#include "model/suspension_state.h"
#include "pictures/picture_key.h"
#include "printing/print_commands.h"

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

// The program's main window. It owns the shared state for the whole run and holds the
// active side, car style, track type and travel range; the side panels, the "Geometry"
// frame with the small graphs, the file label and the menu bar; the dialog frames (travel
// range, static geometry) that open on top of the normal layout; and the Notes and graph
// windows. Every change that can alter the analysis ends by re-selecting the active side.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window and runs the start-up: three quarters of the screen, the Notes
    // window opened, GM car style, left side selected, travel 3 and 3.
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    SuspensionState& state() { return state_; }
    const SuspensionState& state() const { return state_; }

    // Select side (the side buttons) and re-selecting the active side, the refresh of
    // everything that depends on the coordinates.
    void selectLeft();
    void selectRight();
    void reselectActiveSide();
    // Only set the side panel: DisableR makes the left side active, DisableL the right.
    void DisableR();
    void DisableL();

    // Make the window inert while a dialog frame is open, and live again.
    void frmDisable();
    void frmEnable();

    // The small graphs: sweep the active side and draw it, or blank them.
    void Enable_Graphs(bool gonly);
    // The same for the side `right` names, which need not be the active side.
    void enableGraphsOf(bool right, bool gonly);
    void Disable_Graphs();
    void Update_Graphs(bool gonly);

    void chooseCarStyle(CarStyleChoice style);
    void chooseTrack(TrackChoice track);

    // Travel range frame.
    void showTravelFrame();
    void acceptTravel();
    void cancelTravel();

    // File commands. Save returns whether the project was written.
    void fileNew();
    void fileOpen();
    bool fileSave();
    void fileExit();
    // Opens the project at `path` as Open does once a file is chosen (the command line's
    // project, a file manager's double-click); false, after the open error message, when
    // it cannot be read.
    bool openProject(const std::string& path);

    // Coordinate table: open for the active side, OK, Cancel and Make Symmetrical.
    void showCoordinateTable();
    void acceptCoordinates();
    void cancelCoordinates();
    void makeSymmetrical();

    // Dimension wizard for a point group of the active side, and the measuring guide.
    void openWizard(PictureGroup group);
    void openGuide();

    // Chassis menu: the Vehicle Data frame and the Steering window.
    void showVehicleData();
    void acceptVehicleData();
    void cancelVehicleData();
    void showSteering();
    void printSteering();
    SteeringWindow* steeringWindow() const;

    void showStaticGeometry();
    void showNotes();
    void analyze(GraphKind kind);

    // The print commands: the coordinate table's page from the texts its 26 boxes show
    // (index 1..26), the static-geometry frame's page, the graph window's page and the ten
    // garage worksheets.
    void printCoordinates(const CoordinateBoxTexts& boxes);
    void printStaticGeometry();
    void printGraph();
    void printWorksheets();

    // The Chassis menu: the Dive and Roll window (modeless, follows the project) and its page.
    void showDiveRoll();
    void printDiveRoll();
    DiveRollWindow* diveRollWindow() const;

    // Chassis menu, "Adjust a Point": the window for the active side, opened on a coordinate
    // (1..26) or on the point it showed last.
    void showAdjustPoint();
    void adjustPoint(int index);
    AdjustPointWindow* adjustPointWindow() const;

    NotesWindow* notesWindow() const;
    BigGraph* graphWindow() const;
    QStringList pictureFolders() const { return pictureFolders_; }

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
    // The open chassis windows read the project again.
    void refreshChassisWindows();
    void applyBalloonTexts();
    void selectSide(bool right);
    void setFileLabel(const std::string& path);
    void pullNotes();
    void clearProjectAndNotes();
    bool loadProject(const std::string& path);
    void hideGraphWindow();
    void closeChassisWindows();
    // Asks whether to save before leaving; true when the program may end.
    bool confirmLeaving();
    void closeOtherWindows();
    bool dialogFrameOpen() const;
    // frmEnable at the end of a menu command, unless a dialog frame is still open.
    void endCommand();

    PrintServices printServices();

    friend class MainWindowAdjustHost;
    // A trial of Adjust a Point is about to be shown over `original`.
    void adjustTrialStarted(bool right, const CoordinateSet& original);
    // Keep in Adjust a Point: the side's coordinates become `kept`.
    void storeAdjustedCoordinates(bool right, const CoordinateSet& kept);
    // The thumbnails and every open analysis window show the side's coordinates again.
    void refreshAfterAdjust();

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
    std::unique_ptr<AdjustPointHost> adjustHost_;
    QPointer<AdjustPointWindow> adjust_;

    bool startedUp_ = false;
    bool refreshing_ = false;
    bool refreshPending_ = false;
    bool leaving_ = false;
};

} // namespace velmora
