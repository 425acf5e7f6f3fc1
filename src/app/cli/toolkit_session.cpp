#include "toolkit_session.h"

#ifdef VELMORA_WITH_UI
#include <cstdio>
#include <cstdlib>

namespace velmora::cli {
namespace {

std::string lastToolkitMessage;

void keepToolkitMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "velmora-cli: %s\n", qPrintable(text));
        std::abort();
    }
    lastToolkitMessage = text.toStdString();
}

} // namespace

ToolkitSession::ToolkitSession() {
    qInstallMessageHandler(keepToolkitMessage);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

ToolkitSession::~ToolkitSession() = default;

std::string ToolkitSession::failure(const std::string& what) {
    std::string reason = what;
    if (!lastToolkitMessage.empty()) {
        reason += " (" + lastToolkitMessage + ")";
    }
    return reason;
}

} // namespace velmora::cli
#endif
