#include "ui/widgets/print_shortcut.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>

namespace velmora {

void addPrintShortcut(QWidget& window, QAbstractButton& print) {
    auto* shortcut = new QShortcut(QKeySequence::Print, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &print, [button = QPointer(&print)] {
        if (button && button->isEnabled() && button->isVisible()) {
            button->click();
        }
    });
}

} // namespace velmora
