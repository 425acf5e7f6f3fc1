#include <QApplication>
#include <QByteArray>
#include <gtest/gtest.h>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says so whenever a window is raised or sized; that is expected and
// would bury the messages that matter.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    defaultHandler(type, context, text);
}

} // namespace

// Widget tests need one application object for the whole run; ctest runs them on the
// offscreen platform, and so does a plain run of the test program.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
