// velmora [PROJECT]: the desktop program. With a project (a file manager's double-click or
// "Open with") the project is opened as File, Open would; without one the program starts
// empty.
#include "quit_when_shown.h"
#include "ui/mainwindow/main_window.h"
#include "ui/mainwindow/units_choice.h"
#include "ui/platform/file_dialogs.h"
#include "ui/platform/qt_message_sink.h"
#include "velmora_version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <string_view>

namespace {

// --version and --help are answered before the window system is reached, so they work on a
// machine without a display too.
bool answeredWithoutWindows(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version" || arg == "-v") {
            std::printf("Velmora %s\n", VELMORA_VERSION);
            return true;
        }
        if (arg == "--help" || arg == "-h") {
            std::printf("Usage: velmora [project]\n"
                        "Analyses the geometry of a double-A-arm front suspension.\n\n"
                        "  project        a project file (.kqw or .kqp) to open at start\n"
                        "  -h, --help     this help\n"
                        "  -v, --version  the version\n");
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (answeredWithoutWindows(argc, argv)) {
        return 0;
    }
    QElapsedTimer sinceStart;
    sinceStart.start();
    // Without a session bus no desktop can show the menus at the top of the screen, yet the
    // menu bar would ask for one (starting a bus thread and looking for dbus-launch) before
    // the window maps: the menus stay in the window, as they would anyway.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    }
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

    velmora::UnitsChoice::restoreSaved();
    velmora::QtFileDialogs fileDialogs;
    velmora::QtMessageSink messages;
    velmora::MainWindow window(velmora::MainWindowServices{fileDialogs, messages, {}});
    messages.setParent(&window);
    if (velmora::QuitWhenShown::requested()) {
        (new velmora::QuitWhenShown(sinceStart, &app))->watch(window);
    }
    window.show();
    if (!projects.isEmpty()) {
        // Opened once the window is on screen, so an error message has a window to sit on.
        const std::string path = projects.front().toStdString();
        QTimer::singleShot(0, &window, [&window, path] { window.openProject(path); });
    }
    return QApplication::exec();
}
