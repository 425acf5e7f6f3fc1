#include "ui/widgets/frame_keys.h"

#include <QAbstractButton>
#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

namespace velmora {

FrameKeys::FrameKeys(QWidget& frame, QAbstractButton& cancel)
    : QObject(&frame), frame_(frame), cancel_(cancel) {
    watch(&frame_);
    for (QWidget* child : frame_.findChildren<QWidget*>()) {
        watch(child);
    }
}

void FrameKeys::watch(QObject* object) {
    object->installEventFilter(this);
}

bool FrameKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType()) {
            watch(child);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!plain) {
        return false;
    }
    if (key->key() == Qt::Key_Escape) {
        if (cancel_.isEnabled() && cancel_.isVisibleTo(&frame_)) {
            cancel_.click();
        }
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button != nullptr && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

} // namespace velmora
