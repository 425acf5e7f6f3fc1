// velmora [PROJECT]: the desktop program. With a project (a file manager's double-click or
// "Open with") the project is opened as File, Open would; without one the program starts
// empty.
#include "mainwindow/main_window.h"
#include "platform/file_dialogs.h"
#include "platform/qt_message_sink.h"
#include "velmora_version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Analyses the geometry of a double-A-arm front suspension."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QStringLiteral("A project file (.kqw or .kqp) to open."),
                                 QStringLiteral("[project]"));
    parser.process(app);
    const QStringList projects = parser.positionalArguments();
    if (projects.size() > 1) {
        std::fputs("velmora: one project at a time, please\n", stderr);
        return 2;
    }

    velmora::QtFileDialogs fileDialogs;
    velmora::QtMessageSink messages;
    velmora::MainWindow window(velmora::MainWindowServices{fileDialogs, messages, {}});
    messages.setParent(&window);
    window.show();
    if (!projects.isEmpty()) {
        // Opened once the window is on screen, so an error message has a window to sit on.
        const std::string path = projects.front().toStdString();
        QTimer::singleShot(0, &window, [&window, path] { window.openProject(path); });
    }
    return QApplication::exec();
}
