#pragma once

#include "model/suspension_state.h"
#include "pictures/picture_key.h"

#include <QGroupBox>
#include <QStringList>

#include <array>

class QLabel;
class QPushButton;

namespace velmora {

class ArmedLineEdit;
class PictureBox;
class ProportionalLayout;

// "Dimensions": the wizard that enters one point group of the active side three values at a
// time, one screen per axis (X, Y, Z), with a picture of what to measure. The values go
// straight into the active side's coordinate set. What the main window must do at each
// step (enable the window, re-select the side, open the guide) is asked for by signals,
// emitted in the order the step needs them.
class DimensionFrame : public QGroupBox {
    Q_OBJECT

public:
    DimensionFrame(const SuspensionState& state, QWidget* parent = nullptr);

    void setPictureFolders(const QStringList& folders) { folders_ = folders; }

    // Opens `group` on its X screen (the caller has made the window inert).
    void openGroup(PictureGroup group);
    void next();
    void back();
    void apply();
    void cancel();

    PictureAxis WizardAxis() const { return axis_; }
    PictureGroup WizardGroup() const { return group_; }

    void addToLayout(ProportionalLayout& layout, const QRect& frameTwips);

signals:
    void enableRequested();
    void reselectRequested();
    void helpRequested();
    // A screen's values changed the active side's: `values` is the side as it should be now.
    // The window that owns the project stores them, and the sweep follows.
    void valuesStored(const velmora::CoordinateSet& values);

private:
    // Hands the screen's values over; false when they are what the side has.
    bool storeScreen();
    void loadScreen(PictureAxis axis);
    void setThirdBoxVisible(bool visible);
    void setScreenNumber(int screen);

    const SuspensionState& state_;
    QStringList folders_;
    PictureAxis axis_ = PictureAxis::X;
    PictureGroup group_ = PictureGroup::Top;

    PictureBox* picDim_;
    QLabel* label1_;
    std::array<QLabel*, 3> letters_{};
    std::array<ArmedLineEdit*, 3> boxes_{};
    std::array<QLabel*, 3> prompts_{};
    QPushButton* btnDimBack_;
    QPushButton* btnDimNext_;
    QPushButton* btnDimHelp_;
    QPushButton* btnDimApply_;
    QPushButton* btnDimCancel_;
    QLabel* lblDimScreenNum_;
};

} // namespace velmora
