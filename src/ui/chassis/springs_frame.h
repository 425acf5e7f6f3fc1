#pragma once

#include "model/spring_entry.h"
#include "model/suspension_state.h"

#include <QGroupBox>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace velmora {

class ArmedLineEdit;
class DrawingSurface;
class ProportionalLayout;

// "Springs and Bar": for each side the spring's and the damper's mounts on an arm (the arm
// chosen) and on the chassis, the spring's rate and the bar link's mount, in boxes laid out as
// the coordinate table's (X, Y, Z across); the anti-roll bar's dimensions; a front and a side
// view of the corner being entered with every mount numbered; OK and Cancel. Like the Vehicle
// Data frame it only edits texts; the main window decides.
class SpringsFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit SpringsFrame(const SuspensionState& state, QWidget* parent = nullptr);

    // The boxes show `data`; the pictures the side `right` until a box of the other is entered.
    void setValues(const SpringData& data, bool right);
    SpringTexts texts() const;
    void focusFirst();

    void addToLayout(ProportionalLayout& layout, const QRect& frameTwips);

signals:
    void okPressed();
    void cancelPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One side's boxes: spring arm mount, spring chassis mount, rate, damper arm mount, damper
    // chassis mount, bar link; the arm choices of the spring, the damper and the link.
    struct SideBoxes {
        QLabel* heading = nullptr;
        std::array<QLabel*, 6> rowLabels{};
        std::array<ArmedLineEdit*, 16> boxes{};
        std::array<QComboBox*, 3> arms{};
    };
    void buildSide(SideBoxes& side, bool right);
    void drawPictures();

    const SuspensionState& state_;
    SpringData shown_;
    bool pictureRight_ = true;
    std::array<SideBoxes, 2> sides_; // right, left
    std::array<QLabel*, 3> columnLabels_{};
    std::array<QLabel*, kBarBoxes> barLabels_{};
    std::array<ArmedLineEdit*, kBarBoxes> barBoxes_{};
    DrawingSurface* picFront_ = nullptr;
    DrawingSurface* picSide_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

} // namespace velmora
