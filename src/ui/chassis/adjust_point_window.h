#pragma once

#include "model/message_sink.h"
#include "ui/chassis/adjust_point_host.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

// "Adjust a Point": a small modeless window that moves one coordinate of a side by small
// steps and shows the curves of the trial at once, so the user can try a change before
// typing it into the table. The buttons and Up/Down (with Shift for 1/8, Ctrl for 1/4 inch)
// nudge; an offset from the side's own value can also be typed. Keep stores the trial; Revert
// or closing the window gives the side back what it had before the first nudge.
//
// Several coordinates may be moved in one trial; each keeps its own offset.
class AdjustPointWindow : public QWidget {
    Q_OBJECT

public:
    AdjustPointWindow(AdjustPointHost& host, MessageSink& messages, QWidget* parent = nullptr);
    ~AdjustPointWindow() override;

    // Shows the window for a side. A trial still open on the other side is dropped first.
    void openFor(bool right);
    // The same without showing or raising the window: it follows the main window's side.
    void showSide(bool right);
    // The project changed (an edit, Undo, Redo): a trial it overtook goes, and the label and
    // value show the coordinate as it is now.
    void followProject();
    // Selects the coordinate with this index (1..26).
    void selectIndex(int index);

    // Moves the selected coordinate by `inches` more.
    void nudge(double inches);
    // Reads the offset box: a number of inches from the side's own value.
    void applyTypedOffset();
    void keep();
    void revert();

    bool right() const { return right_; }
    int selectedIndex() const;
    // Whether a trial is shown (a nudge not yet kept or reverted).
    bool trialOpen() const { return original_.has_value(); }
    double offsetOf(int index) const { return offsets_[static_cast<std::size_t>(index)]; }
    // The side as it was before the trial on show, which is what the project holds; nothing
    // when no trial is shown on the side.
    std::optional<CoordinateSet> storedCoordinates() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets the selected coordinate's offset; false (after a message) when it cannot be used.
    bool setOffset(double offset);
    // Forgets a trial whose set the project no longer holds (opened, new, typed over).
    void dropStaleTrial();
    // Ends a trial that is still current and returns what the side had before it.
    std::optional<CoordinateSet> endTrial();
    void showSelection();
    void fillAxes();

    AdjustPointHost& host_;
    MessageSink& messages_;
    bool right_ = false;
    std::optional<CoordinateSet> original_; // the side before the first nudge
    CoordinateSet trial_;
    std::array<double, 28> offsets_{};

    QLabel* lblSide_ = nullptr;
    QComboBox* cboPoint_ = nullptr;
    QComboBox* cboAxis_ = nullptr;
    QLineEdit* txtOffset_ = nullptr;
    QLabel* lblValue_ = nullptr;
    std::vector<QPushButton*> nudgeButtons_;
    QLabel* lblOffset_ = nullptr;
    QPushButton* btnKeep_ = nullptr;
    QPushButton* btnRevert_ = nullptr;
};

} // namespace velmora
