#pragma once

#include "analysis/baseline.h"
#include "chassis_pages/rates_drawing.h"
#include "model/suspension_state.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora {

class DrawingSurface;

// "Rates and Roll": a modeless window with the motion ratios and the wheel rate of both sides
// over the travel (with the baseline's beneath), the roll stiffness table and the roll
// gradient, what is missing for a value, and Print. It reads the shared state whenever it is
// activated or the project changes.
class RatesWindow : public QWidget {
    Q_OBJECT

public:
    explicit RatesWindow(const SuspensionState& state, QWidget* parent = nullptr);

    void refresh();
    // The baseline drawn beneath the curves (none: the plot as without one); call refresh().
    void setBaseline(const Baseline* baseline);
    const Baseline* baseline() const { return baseline_ ? &*baseline_ : nullptr; }
    const RatesFigures& figures() const { return figures_; }

signals:
    void printRequested();

protected:
    bool event(QEvent* event) override;

private:
    const SuspensionState& state_;
    RatesFigures figures_;
    std::optional<Baseline> baseline_;

    DrawingSurface* picRatesPlot_ = nullptr;
    QTableWidget* tblRates_ = nullptr;
    QLabel* lblRatesMessages_ = nullptr;
    QPushButton* btnPrint_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};

} // namespace velmora
