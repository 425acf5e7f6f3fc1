#include "png_output.h"

#include "cli_common.h"
#include "cli_output.h"

#ifdef VELMORA_WITH_UI
#include "rendering/offscreen_renderer.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#endif

#include <string_view>

namespace velmora::cli {

#ifdef VELMORA_WITH_UI
namespace {

// What the toolkit said while rendering. Its warnings (a missing runtime folder on a
// server, fonts it substituted) mean nothing to someone asking for a PNG, so they stay off
// stderr; the last one explains a rendering that failed.
std::string lastToolkitMessage;

void keepToolkitMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "velmora-cli: %s\n", qPrintable(text));
        std::abort();
    }
    lastToolkitMessage = text.toStdString();
}

std::string renderingFailure(const char* what) {
    std::string reason = what;
    if (!lastToolkitMessage.empty()) {
        reason += " (" + lastToolkitMessage + ")";
    }
    return reason;
}

} // namespace

void writePng(const std::vector<Recording>& recordings, PixelSize size, Rgb background,
              const std::string& path) {
    qInstallMessageHandler(keepToolkitMessage);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int argc = 1;
    char name[] = "velmora-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    RenderOptions options;
    options.background = background;
    options.recordedSize = QSize(size.width, size.height);
    const QImage image = renderSideBySide(recordings, QSize(size.width, size.height), options,
                                          recordings.size() > 1 ? kPictureGap : 0);
    if (image.isNull()) {
        throw UsageError("PNG not written: " + renderingFailure("the picture could not be drawn"));
    }
    // The whole file is made in memory first, so that it reaches the disk in one atomic
    // write or not at all.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        throw UsageError("PNG not written: " +
                         renderingFailure("the picture could not be encoded as PNG"));
    }
    writeOutputFile(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), "PNG");
}
#else
void writePng(const std::vector<Recording>&, PixelSize, Rgb, const std::string&) {
    throw UsageError("this velmora-cli was built without the desktop libraries, which "
                     "rendering needs");
}
#endif

} // namespace velmora::cli
