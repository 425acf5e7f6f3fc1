#pragma once

#include "analysis/baseline.h"
#include "analysis/graph_view.h"
#include "ui/analysis/big_graph_controls.h"

#include <QObject>

#include <optional>
#include <string>

class QLabel;
class QWidget;

namespace velmora {

class ProportionalLayout;

// The graph window's part of a baseline: while one is set, the picture is drawn with the
// baseline's curve dashed beneath the current one, the message names the difference at the
// selected position, and the data table gets a "Base" column. Without one nothing here
// touches the window.
//
// The baseline's sweep is redone only when the baseline, the side or the travel changed.
class BaselineView : public QObject {
    Q_OBJECT

public:
    BaselineView(QWidget& window, ProportionalLayout& layout, const BigGraphControls& controls);

    void setBaseline(const std::optional<Baseline>& baseline);
    bool isOn() const { return baseline_.has_value(); }

    // The whole picture (grid, baseline, curve, legend, marker); false when off, so the window
    // draws it as without a baseline.
    bool drawPicture(const GraphView& view);
    // After a step of the marker; false when off.
    bool afterStep(const GraphView& view, int from);
    // The message the window shows: the view's own, and the baseline's reading when on.
    std::string message(const GraphView& view);
    // After the value columns are filled: the "Base" column, hidden when off. Where it stands
    // beside the others is the window's to arrange.
    void fillDataTable(const GraphView& view);

    // The baseline's sweep for the side and travel the view was initialised for; null when
    // off.
    const SweepResult* result(const GraphView& view);

private:
    struct Key {
        Baseline baseline;
        bool right = false;
        float VU = 0;
        float VD = 0;
        bool operator==(const Key&) const = default;
    };

    const BigGraphControls& controls_;
    QLabel* lblDataBase_ = nullptr;
    std::optional<Baseline> baseline_;
    std::optional<Key> key_;
    SweepResult result_;
};

} // namespace velmora
