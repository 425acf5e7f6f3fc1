#pragma once

#include "analysis/graph_view.h"
#include "model/suspension_state.h"

#include <QObject>
#include <QPointer>

class QPushButton;
class QWidget;

namespace velmora {

class ProportionalLayout;
class SensitivityWindow;

// The graph window's "Sensitivity" button and the list it opens for the shown curve of the
// side the window was initialised for. The list follows the window: when the window reads the
// project again, an open list is filled again.
class GraphSensitivity : public QObject {
    Q_OBJECT

public:
    // Coordinates grow by this much for the list.
    static constexpr float kStep = 0.125f;

    GraphSensitivity(QWidget& window, ProportionalLayout& layout, const SuspensionState& state,
                     const GraphView& view);

    QPushButton* button() const { return btnSensitivity_; }
    // The list, null until the button was first pressed.
    SensitivityWindow* list() const;

    // Opens (or fills again) the list for what the view shows.
    void showList();
    // After the view was initialised: an open list is filled again.
    void follow();

signals:
    // A row was double-clicked: Adjust a Point on the coordinate of this index.
    void adjustRequested(int index);

private:
    void fillList();

    QWidget& window_;
    const SuspensionState& state_;
    const GraphView& view_;
    QPushButton* btnSensitivity_ = nullptr;
    QPointer<SensitivityWindow> list_;
};

} // namespace velmora
