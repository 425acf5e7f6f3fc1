#pragma once

#include "analysis/graph_view.h"
#include "geometry/rigid_sweep.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "ui/analysis/big_graph_controls.h"

#include <QObject>

#include <optional>

class QCheckBox;
class QLabel;

namespace velmora {

class ProportionalLayout;

// The graph window's "3-D check": a check box, off at start and not saved with a project.
// While it is on, the rigid-body curve of the active side is drawn over the classic curve with
// a legend, and the data table gets a second value column. While it is off, nothing here
// touches the window.
//
// The 3-D solution is recomputed only when the corner or the travel range has changed since
// the last one, so its messages are shown once, not at every redraw.
class ModelCheck : public QObject {
    Q_OBJECT

public:
    ModelCheck(QWidget& window, ProportionalLayout& layout, const BigGraphControls& controls,
               const SuspensionState& state, MessageSink& messages);

    bool isOn() const;
    QCheckBox* checkBox() const { return chk3D_; }

    // After the classic picture is drawn: the 3-D curve, the legend and the marker on top.
    void drawOver(const GraphView& view);
    // After the marker moved: the 3-D curve where the marker was erased, and the marker.
    void afterStep(const GraphView& view);
    // After the classic columns are filled: the 3-D column (or the classic layout when off).
    void fillDataTable(const GraphView& view);

    // The solution the overlay shows, computing it (and showing its messages) when stale.
    const RigidSweep& solution();

signals:
    void toggled();

private:
    struct Key {
        CoordinateSet coords;
        float VU = 0;
        float VD = 0;
        bool operator==(const Key&) const = default;
    };

    ProportionalLayout& layout_;
    const BigGraphControls& controls_;
    const SuspensionState& state_;
    MessageSink& messages_;
    QCheckBox* chk3D_ = nullptr;
    QLabel* lblDataMeas3D_ = nullptr;
    std::optional<Key> key_;
    RigidSweep sweep_;
};

} // namespace velmora
