#pragma once

#include "model/message_sink.h"
#include "model/project_history.h"
#include "model/suspension_state.h"
#include "ui/printing/print_commands.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace velmora {

class AdjustPointHost;
class AdjustPointWindow;
class BigGraph;
struct Baseline;
class DiveRollWindow;
class RatesWindow;
class View3dWindow;
class ProjectDocument;
class SideRefresh;
class SteeringWindow;

// The modeless windows that analyse the project beside the main window (the graph window,
// Dive and Roll, Steering, Rates and Roll, the 3-D view and Adjust a Point) and the session's
// baseline they all draw. Each window is made on first use, follows the document's changes, and
// prints through the print commands. Not a widget: the main window owns it and hands it what it
// needs.
class AnalysisWindows : public QObject {
    Q_OBJECT

public:
    struct Services {
        SuspensionState& state; // the working state; an Adjust a Point trial shows there
        ProjectDocument& document;
        MessageSink& messages;
        SideRefresh& sides;
        std::function<PrintServices()> printServices;
        std::function<std::string()> fileCaption; // what the file label shows
        QWidget* owner;                           // the windows stay with it
    };

    explicit AnalysisWindows(Services services);
    ~AnalysisWindows() override;

    // An "Analyze" button: the graph window for `kind`.
    void analyze(GraphKind kind);
    void hideGraph();
    // Chassis menu, "Dive and Roll..." and "Steering...".
    void showDiveRoll();
    void showSteering();
    // Chassis menu, "Rates and Roll...".
    void showRates();
    // Chassis menu, "3-D View...".
    void showView3d();
    // Chassis menu, "Adjust a Point": the window for the active side, opened on a coordinate
    // (1..26) or on the point it showed last.
    void showAdjustPoint();
    void adjustPoint(int index);
    // Ends a trial of Adjust a Point on show, as its Revert does.
    void revertAdjustTrial();
    // The main window's Left and Right: a trial of Adjust a Point on the side being left
    // would be dropped, so the user is first asked to keep it, drop it, or stay; then the
    // side is selected and the graph window and Adjust a Point follow it.
    void selectSide(bool right);
    // Every window closes (the program ends); a trial that was not kept is dropped.
    void closeAll();

    // The session's baseline: curves of other coordinates drawn beneath the current ones in
    // the thumbnails and the analysis windows, until cleared. Never saved with the project.
    // setBaseline takes any coordinates (Adjust a Point sets those before its first nudge);
    // the Chassis menu's entries set the project's own, another project's, or clear it.
    void setBaseline(const Baseline& baseline);
    void setBaselineFromProject();
    // Reads `path` as Open does; false, after Open's message, when it cannot be read.
    bool openBaselineProject(const std::string& path);
    void clearBaseline();
    bool hasBaseline() const { return baseline_ != nullptr; }
    const Baseline* baseline() const { return baseline_.get(); }

    // The windows made so far; null before first use and once closed for good.
    BigGraph* graph() const;
    DiveRollWindow* diveRoll() const;
    SteeringWindow* steering() const;
    RatesWindow* rates() const;
    View3dWindow* view3d() const;
    AdjustPointWindow* adjust() const;

signals:
    // A baseline was set or cleared; `present` says whether there is one now.
    void baselineChanged(bool present);

private:
    class AdjustHost;

    void followProject(const ProjectChange& change);
    bool mayChangeSide(bool right);
    void followSide();
    // Every picture that shows a baseline draws it again (or without it).
    void showBaselineChange();
    // The thumbnails and every open analysis window show the side's coordinates again.
    void refreshAll();
    void refreshChassisWindows();
    void trialStarted(bool right, const CoordinateSet& original);
    void trialEnded();
    void printGraph();
    void printDiveRoll();
    void printSteering();
    void printRates();
    void printView3d();

    Services services_;
    QPointer<BigGraph> graph_;
    QPointer<DiveRollWindow> diveRoll_;
    QPointer<SteeringWindow> steering_;
    QPointer<RatesWindow> rates_;
    QPointer<View3dWindow> view3d_;
    QPointer<AdjustPointWindow> adjust_;
    std::unique_ptr<AdjustPointHost> adjustHost_;
    std::unique_ptr<Baseline> baseline_;
    // The baseline was set by an Adjust a Point trial, not by the user.
    bool baselineFromTrial_ = false;
};

} // namespace velmora
