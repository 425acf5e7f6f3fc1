#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

namespace velmora {

// Keyboard use of a data-entry frame: Enter or Return on a focused button presses it (as
// Space does), and Escape anywhere in the frame presses its Cancel button. Buttons added to
// the frame later are covered too, since the frame is asked at each key press.
class FrameKeys : public QObject {
    Q_OBJECT

public:
    // Installs itself on `frame`; lives as long as the frame.
    FrameKeys(QWidget& frame, QAbstractButton& cancel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QObject* object);

    QWidget& frame_;
    QAbstractButton& cancel_;
};

} // namespace velmora
