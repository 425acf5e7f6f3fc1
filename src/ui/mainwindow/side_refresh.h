#pragma once

#include "model/message_sink.h"
#include "model/suspension_state.h"

#include <QStringList>

#include <cstddef>

namespace velmora {

struct Baseline;
class GeometryFrame;
class SideFrame;

// A sweep over a wide travel range can report at every position; the user clicks through
// this many boxes at most, and one more lists the rest.
inline constexpr std::size_t kMessageBoxesPerSweep = 3;

// The refresh of everything that depends on the coordinates: selecting a side sweeps both
// sides, shows the side panels of the car style and draws the small graphs. Not a widget: it
// works on the panels the main window lays out.
class SideRefresh {
public:
    struct Panels {
        SideFrame& left;
        SideFrame& right;
        GeometryFrame& geometry;
    };

    SideRefresh(SuspensionState& state, Panels panels, MessageSink& messages,
                QStringList pictureFolders);

    // Select side, and re-selecting the active side.
    void selectSide(bool right);
    void reselectActiveSide();

    // Only set the side panel: DisableR makes the left side active, DisableL the right.
    void DisableR();
    void DisableL();

    // The small graphs: sweep the active side and draw it, or blank them.
    void Enable_Graphs(bool gonly);
    // The same for the side `right` names, which need not be the active side.
    void enableGraphsOf(bool right, bool gonly);
    void Disable_Graphs();

    // The baseline drawn beneath the small graphs' curves, or none; the caller keeps it alive.
    void setBaseline(const Baseline* baseline) { baseline_ = baseline; }

private:
    void showPanels(bool rightActive);

    SuspensionState& state_;
    Panels panels_;
    MessageSink& messages_;
    QStringList pictureFolders_;
    bool refreshing_ = false;
    bool refreshPending_ = false;
    const Baseline* baseline_ = nullptr;
};

} // namespace velmora
