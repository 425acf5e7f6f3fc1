#include "mainwindow/main_window.h"
#include "platform/file_dialogs.h"
#include "platform/qt_message_sink.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral("2.80"));

    velmora::QtFileDialogs fileDialogs;
    velmora::QtMessageSink messages;
    velmora::MainWindow window(velmora::MainWindowServices{fileDialogs, messages, {}});
    messages.setParent(&window);
    window.show();
    return QApplication::exec();
}
