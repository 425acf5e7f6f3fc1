#pragma once

#include <QLineEdit>

class QKeyEvent;

namespace velmora {

// What a key does to an armed box.
enum class ArmedKeyEffect {
    Clear,  // edits the text (a character, Backspace, Delete, paste, cut) or Enter: the old
            // value goes first, then the box disarms and the key works normally
    Disarm, // moves the cursor (Left, Right, Home, End): the value stays to be edited
    Keep,   // types nothing (modifiers alone, Tab, Shift+Tab, Escape, copy, select all, function
            // keys...): the box stays armed and its value untouched
};
ArmedKeyEffect armedKeyEffect(const QKeyEvent& event);

// A number box that arms when it gets the focus: it turns blue with white text, and the
// first key that edits the text clears it, so typing replaces the old value without
// selecting it first. After that key, after a cursor key, or on losing the focus, it is white
// with black text again and edits normally. Keys that type nothing never clear a value.
// The text is not filtered.
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
