#pragma once

#include <QPlainTextEdit>

namespace velmora {

// A multi-line text box whose paste cannot bring the program down. The toolkit's own paste
// (Ctrl+V, Shift+Insert, the middle button, the context menu, a drop) crashes inside Qt 6.4
// when the clipboard holds no data or no text; every one of those ways ends in
// insertFromMimeData, which here takes plain text only and ignores anything else.
class GuardedPlainTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit GuardedPlainTextEdit(QWidget* parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

    // Inserts text at the cursor; a subclass may place its line breaks itself.
    virtual void insertPastedText(const QString& text);
};

} // namespace velmora
