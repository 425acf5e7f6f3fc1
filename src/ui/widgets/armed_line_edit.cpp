#include "widgets/armed_line_edit.h"

#include <QColor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>

namespace velmora {

ArmedLineEdit::ArmedLineEdit(QWidget* parent) : QLineEdit(parent) {
    setArmed(false);
}

void ArmedLineEdit::setArmed(bool armed) {
    armed_ = armed;
    QPalette colours = palette();
    const QColor base = armed ? QColor(0, 0, 255) : QColor(255, 255, 255);
    const QColor text = armed ? QColor(255, 255, 255) : QColor(0, 0, 0);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Base, base);
        colours.setColor(group, QPalette::Text, text);
    }
    setPalette(colours);
}

void ArmedLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Arming takes the place of the select-all a line edit does when tabbed into.
    if (hasSelectedText()) {
        deselect();
        end(false);
    }
    setArmed(true);
}

void ArmedLineEdit::focusOutEvent(QFocusEvent* event) {
    setArmed(false);
    QLineEdit::focusOutEvent(event);
}

void ArmedLineEdit::keyPressEvent(QKeyEvent* event) {
    if (armed_) {
        if (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right) {
            clear();
        }
        setArmed(false);
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace velmora
