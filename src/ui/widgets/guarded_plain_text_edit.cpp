#include "ui/widgets/guarded_plain_text_edit.h"

#include <QMimeData>

namespace velmora {

GuardedPlainTextEdit::GuardedPlainTextEdit(QWidget* parent) : QPlainTextEdit(parent) {}

bool GuardedPlainTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && source->hasText();
}

void GuardedPlainTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText() || isReadOnly()) {
        return;
    }
    const QString text = source->text();
    if (text.isEmpty()) {
        return;
    }
    insertPastedText(text);
    ensureCursorVisible();
}

void GuardedPlainTextEdit::insertPastedText(const QString& text) {
    textCursor().insertText(text);
}

} // namespace velmora
