#pragma once

#include "model/message_sink.h"
#include "model/project_file.h"
#include "model/suspension_state.h"
#include "pictures/picture_key.h"
#include "ui/mainwindow/analysis_windows.h"
#include "ui/mainwindow/dialog_frames.h"
#include "ui/mainwindow/main_panels.h"
#include "ui/mainwindow/project_commands.h"
#include "ui/printing/print_commands.h"
#include "ui/project/project_document.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace velmora {

class AdjustPointWindow;
class BigGraph;
class DiveRollWindow;
class FileDialogs;
class NotesWindow;
class SideRefresh;
class SteeringWindow;
class RatesWindow;
class View3dWindow;
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
    RatesWindow* rates = nullptr;
    View3dWindow* view3d = nullptr;
    AdjustPointWindow* adjust = nullptr;
};

// The program's main window. It owns the project of the session (a ProjectDocument: every
// change is a named, undoable edit) and the working state its passes fill, which holds the
// project's inputs and the active side; the side panels, the "Geometry" frame with the small
// graphs, the file label and the menu bar; the dialog frames (travel range, coordinates,
// wizard, guide, static geometry, vehicle data) that open on top of the normal layout; the
// Notes window; and the analysis windows (AnalysisWindows). Every change of the project
// reaches the windows through the document's `changed` signal; the main window follows it
// first, re-selecting the active side (SideRefresh) when the analysis changed.
class MainWindow : public QMainWindow, private ProjectWindow, private FrameHost {
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
    // The graph, chassis and Adjust a Point windows, and the session's baseline.
    AnalysisWindows& analysisWindows() { return *analyses_; }
    OpenWindows windows() const;

    // Select the right side, and re-select the active side: the refresh of everything that
    // depends on the coordinates.
    void selectRight();
    void reselectActiveSide() override;

    // Open and Save as the File menu runs them; Save returns whether the project was written.
    bool fileOpen();
    bool fileSave();
    // Opens the project at `path` as Open does once a file is chosen (the command line's
    // project, a file manager's double-click); false, after the open error message, when
    // it cannot be read.
    bool openProject(const std::string& path);

    // An "Analyze" button: the graph window for `kind`.
    void analyze(GraphKind kind);
    // The coordinate table's page from the texts its 26 boxes show (index 1..26).
    void printCoordinates(const CoordinateBoxTexts& boxes) override;

    // Design client area, twips.
    static constexpr int kClientWidth = MainPanels::kClientWidth;
    static constexpr int kClientHeight = MainPanels::kClientHeight;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildClientArea();
    void connectCommands();
    void applyBalloonTexts();

    void selectLeft();
    // What the dialog frames ask of the window: inert beneath an open frame, and live again.
    void frmDisable() override;
    void frmEnable() override;
    void endCommand() override;
    // Runs a command with the window inert, as while a file dialog or message box is up.
    template <class Command> bool whileInert(Command&& command) {
        frmDisable();
        const bool done = command();
        endCommand();
        return done;
    }

    // Options.
    void chooseCarStyle(CarStyleChoice style);
    void chooseTrack(TrackChoice track);
    // The car-type check marks show the style the project has (none for a style no command
    // names); the track marks likewise.
    void showCarStyleChecks();
    void showTrackChecks();

    void fileExit();
    // Asks whether to save before leaving; true when the program may end.
    bool confirmLeaving();
    // What the project commands ask of the window.
    void takeNotesBack() override;

    // Edit menu: undo and redo of the project's edits.
    void undo();
    void redo();
    // The project changed (an edit, an undo or a redo): the working state takes its inputs
    // and the window shows what changed.
    void showProjectChange(const ProjectChange& change);
    void updateUndoActions();

    void showNotes();
    void openBaselineProject();

    PrintServices printServices();

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
    MainPanels panels_;

    QPointer<NotesWindow> notes_;
    std::unique_ptr<SideRefresh> sides_;
    std::unique_ptr<ProjectCommands> project_;
    DialogFrames* frames_ = nullptr; // children of the window
    AnalysisWindows* analyses_ = nullptr;

    bool startedUp_ = false;
    bool leaving_ = false;
    bool inert_ = false; // between frmDisable and frmEnable
};

} // namespace velmora
