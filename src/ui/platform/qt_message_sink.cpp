#include "ui/platform/qt_message_sink.h"

#include <QMessageBox>
#include <QString>

namespace velmora {

namespace {

QMessageBox::Icon toolkitIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtMessageSink::show(const Message& message) {
    QMessageBox box(toolkitIcon(message.icon), QString::fromStdString(message.title),
                    QString::fromStdString(message.text), QMessageBox::NoButton, parent_);
    if (!message.details.empty()) {
        box.setDetailedText(QString::fromStdString(message.details));
    }
    if (message.buttons == MessageButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (message.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        switch (message.buttons) {
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::Ok:
            break;
        }
        return MessageAnswer::Ok;
    }
}

} // namespace velmora
