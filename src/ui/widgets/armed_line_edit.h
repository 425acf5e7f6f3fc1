#pragma once

#include <QLineEdit>

namespace velmora {

// A number box that arms when it gets the focus: it turns blue with white text, and the
// first key other than Left or Right arrow clears it, so typing replaces the old value
// without selecting it first. After that key, or on losing the focus, it is white with
// black text again and edits normally. Tab only moves the focus. The text is not filtered.
class ArmedLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit ArmedLineEdit(QWidget* parent = nullptr);

    bool isArmed() const { return armed_; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setArmed(bool armed);

    bool armed_ = false;
};

} // namespace velmora
