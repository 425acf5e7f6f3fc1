#pragma once

#include "analysis/baseline.h"
#include "chassis/steering.h"
#include "chassis_pages/steering_drawing.h"
#include "model/suspension_state.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;

namespace velmora {

class StepBox;
class DrawingSurface;

// "Steering": a modeless window with the steer angle of both wheels, Ackermann, and the camber
// and caster change of both wheels against rack travel (or steering-wheel angle when the
// steering ratio is known), the plan view of both wheels at the travel the slider selects,
// and Print. It reads the shared state whenever it is activated or the project changes.
class SteeringWindow : public QWidget {
    Q_OBJECT

public:
    explicit SteeringWindow(const SuspensionState& state, QWidget* parent = nullptr);
    ~SteeringWindow() override;

    // Builds the pair and the sweep from the state again and redraws.
    void refresh();
    // The baseline drawn beneath the curves (none: the plot as without one); call refresh().
    void setBaseline(const Baseline* baseline);
    const SteerSweep* baselineSweep() const { return baselineSweep_ ? &*baselineSweep_ : nullptr; }

    const SteerSweep& sweep() const { return sweep_; }
    double maxRack() const { return maxRack_; }
    int selected() const;

signals:
    void printRequested();

protected:
    bool event(QEvent* event) override;

private:
    void acceptMaxRack();
    void drawSelected();

    const SuspensionState& state_;
    double maxRack_ = kDefaultSteerRack;
    SteeringPair pair_;
    SteerSweep sweep_;
    std::optional<Baseline> baseline_;
    std::optional<SteerSweep> baselineSweep_;
    SteerAxis axis_;

    DrawingSurface* picSteerPlot_ = nullptr;
    DrawingSurface* picSteerPlan_ = nullptr;
    QSlider* sldRack_ = nullptr;
    QLabel* lblSteerValues_ = nullptr;
    StepBox* txtMaxRack_ = nullptr;
    // Why the rack travel typed was refused, under the box, as Dive and Roll says it.
    QLabel* lblRackMessage_ = nullptr;
    QLabel* lblMaxRack_ = nullptr;
    QPushButton* btnPrint_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};

} // namespace velmora
