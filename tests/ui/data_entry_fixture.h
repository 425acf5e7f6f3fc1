#pragma once

#include "main_window_fixture.h"
#include "pictures/corner_geometry.h"
#include "ui/widgets/armed_line_edit.h"

#include <QLineEdit>

#include <string>

namespace velmora::testing {

// A main window with helpers to fill the coordinate table and the wizard boxes.
class DataEntryTest : public MainWindowTest {
protected:
    QLineEdit* box(const QString& name) const {
        return control<QLineEdit>(name.toLatin1().constData());
    }
    QLineEdit* tableBox(int index) const { return box(QStringLiteral("txtXYZ_%1").arg(index)); }

    // A plausible corner that passes every check.
    static CoordinateSet plausible() { return typicalCoordinates(CarLook::GM); }

    void fillTable(const CoordinateSet& set) const {
        for (int i = 1; i <= 26; ++i) {
            tableBox(i)->setText(QString::number(static_cast<double>(set[i])));
        }
    }

    // The next control Tab reaches from `from`.
    static QWidget* tabFrom(QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (next != from && !(next->focusPolicy() & Qt::TabFocus)) {
            next = next->nextInFocusChain();
        }
        return next;
    }

    const Message& lastMessage() const { return messages.messages.back(); }
};

} // namespace velmora::testing
