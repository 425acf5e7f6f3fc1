#pragma once

#include "analysis/graph_view.h"
#include "model/message_sink.h"
#include "model/project.h"
#include "model/suspension_state.h"
#include "ui/analysis/big_graph_controls.h"

#include <QWidget>

namespace velmora {

class BaselineView;
class GraphSensitivity;
class ModelCheck;
class ReadingsPanel;
class ProportionalLayout;

// The graph window: one result curve of the active side at full size, the suspension
// picture at the selected wheel position, a one-line reading of the curve there, and on
// request the data table and the suggestions. A modeless top-level window, created once by
// the main window and afterwards only hidden and shown again.
//
// Every activation and every resize runs initialise(): the view is rebuilt from the shared
// state, so the selection goes back to the static position. Activation only redraws; nothing
// here ever activates the window again.
class BigGraph : public QWidget {
    Q_OBJECT

public:
    BigGraph(SuspensionState& state, MessageSink& messages, QWidget* parent = nullptr);
    ~BigGraph() override;

    // What an "Analyze" button does once the window exists: caption for the active side and
    // the graph, the graph flags in the shared state, then show and activate.
    void showGraph(GraphKind kind);

    // Re-reads the state and redraws everything at the static position.
    void initialise();
    // The project changed in `parts` (the working state holds it already): the window shows
    // it, from the static position again when the curves changed.
    void followProject(ProjectParts parts);
    // The main window shows the other side: its curve, under that side's caption.
    void followSide();

    // One step of the selected point towards bump (up) or rebound (down). At the end of the
    // curve nothing happens at all.
    void stepUp();
    void stepDown();

    // "Show Data" and "Suggestions": fill and show the frame.
    void showDataTable();
    void showSuggestions();
    // Fills the suggestions list afresh for the shown curve without showing the frame, and
    // returns its entries (the printed page lists them).
    std::vector<std::string> refreshSuggestions();

    // What the window read at its last initialisation (the printed page uses it).
    const GraphView& view() const { return view_; }
    const BigGraphControls& controls() const { return controls_; }
    // The "3-D check" box and the rigid-body curve it draws over the classic one.
    ModelCheck& modelCheck() const { return *modelCheck_; }
    // The session's baseline drawn beneath the curve, its column and its difference.
    BaselineView& baselineView() const { return *baselineView_; }
    // The "Sensitivity" button and its list.
    GraphSensitivity& sensitivity() const { return *sensitivity_; }
    // The bump steer gauge readings: their button, frame, crosses and data table column.
    ReadingsPanel& readings() const { return *readings_; }

signals:
    // The readings frame's OK: both sides' readings as the user wants them.
    void readingsAccepted(const std::vector<velmora::BumpSteerReading>& readings);
    // "Print" was pressed; the main window prints the page.
    void printRequested();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void watchArrowKeys();
    void showLabels();
    // Draws the curve, the overlay, the message and the picture at the present position.
    void redraw();
    void drawPicture();
    void showMessage();
    void afterStep(int from);

    SuspensionState& state_;
    MessageSink& messages_;
    ProportionalLayout* layout_ = nullptr;
    BigGraphControls controls_;
    ModelCheck* modelCheck_ = nullptr;
    BaselineView* baselineView_ = nullptr;
    GraphSensitivity* sensitivity_ = nullptr;
    ReadingsPanel* readings_ = nullptr;
    GraphView view_;
};

} // namespace velmora
