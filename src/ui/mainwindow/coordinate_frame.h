#pragma once

#include "model/coordinate_box_texts.h"
#include "model/suspension_state.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QPushButton;

namespace velmora {

class ArmedLineEdit;
class ProportionalLayout;

// "Coordinates": the 26 values of the active side as a table of points by X, Y and Z in
// armed number boxes (txtXYZ_1 .. txtXYZ_26), with the fraction chart, "Make Symmetrical",
// "Cancel", "OK" and "Print". It only shows and edits texts; the main window decides what
// the buttons do.
class CoordinateFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit CoordinateFrame(QWidget* parent = nullptr);

    // Each non-zero value as its six-character cell text, 0 as an empty box.
    void setValues(const CoordinateSet& values);
    // The label over the fraction chart names the side the table edits.
    void setSide(bool right);
    CoordinateBoxTexts texts() const;

    // Fills the fraction-to-decimal chart (done once at start-up).
    void fillFractionChart();
    void setPrintAvailable(bool available);
    void focusFirstBox();

    void addToLayout(ProportionalLayout& layout, const QRect& frameTwips);

signals:
    void okPressed();
    void cancelPressed();
    void symmetricalPressed();
    void printPressed();

private:
    std::array<ArmedLineEdit*, CoordinateSet::kLast + 1> boxes_{};
    std::array<QLabel*, 14> rowLabels_{};
    std::array<QLabel*, 3> headings_{};
    QLabel* lblXYZFractoDec_;
    QLabel* lblXYZSide_;
    QPushButton* btnDimSym_;
    QPushButton* btnXYZCancel_;
    QPushButton* btnXYZOK_;
    QPushButton* btncoordprint_;
};

// The rows of the fraction chart, each on its own line.
QString fractionChartText();

} // namespace velmora
