#pragma once

#include "geometry/sensitivity.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace velmora {

// The list behind the graph window's "Sensitivity" button: for each coordinate of the side,
// how much the shown curve moves at full bump and full rebound when that coordinate alone
// grows by an eighth of an inch, the largest effect first. A double-click on a row asks for
// Adjust a Point on that coordinate.
class SensitivityWindow : public QWidget {
    Q_OBJECT

public:
    explicit SensitivityWindow(QWidget* parent = nullptr);

    // Fills the list for a curve of a side. `unit` is the changes' unit ("deg", "in" or "mm"),
    // `step` the coordinate's step with its unit ("0.125 in").
    void fill(const Sensitivity& sensitivity, const QString& caption, const QString& curve,
              const QString& unit, const QString& step);

    QTableWidget* table() const { return table_; }

signals:
    void adjustRequested(int index);

private:
    QLabel* heading_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace velmora
