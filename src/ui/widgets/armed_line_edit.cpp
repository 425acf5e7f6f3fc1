#include "ui/widgets/armed_line_edit.h"

#include <QClipboard>
#include <QColor>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPalette>

namespace velmora {

ArmedKeyEffect armedKeyEffect(const QKeyEvent& event) {
    // Enter has no meaning of its own in these boxes; pressed on an armed box it clears it.
    if (event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Cut)) {
        return ArmedKeyEffect::Clear;
    }
    const Qt::KeyboardModifiers command =
        event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return ArmedKeyEffect::Clear;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return ArmedKeyEffect::Disarm;
    default:
        break;
    }
    // A character typed with Ctrl or Meta is a command (copy, select all...), not text.
    const QString text = event.text();
    if (command == Qt::NoModifier && !text.isEmpty() && text.at(0).isPrint()) {
        return ArmedKeyEffect::Clear;
    }
    return ArmedKeyEffect::Keep;
}

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
        ArmedKeyEffect effect = armedKeyEffect(*event);
        // Pasting an empty clipboard types nothing, so it must not wipe the value either.
        if (event->matches(QKeySequence::Paste) && QGuiApplication::clipboard() != nullptr &&
            QGuiApplication::clipboard()->text().isEmpty()) {
            effect = ArmedKeyEffect::Keep;
        }
        if (effect == ArmedKeyEffect::Clear) {
            clear();
        }
        if (effect != ArmedKeyEffect::Keep) {
            setArmed(false);
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace velmora
