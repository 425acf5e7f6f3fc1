#include "png_output.h"

#include "cli_common.h"
#include "cli_output.h"

#ifdef VELMORA_WITH_UI
#include "toolkit_session.h"
#include "ui/rendering/offscreen_renderer.h"

#include <QBuffer>
#include <QByteArray>
#endif

#include <string_view>

namespace velmora::cli {

#ifdef VELMORA_WITH_UI
void writePng(const std::vector<Recording>& recordings, PixelSize size, Rgb background,
              const std::string& path) {
    const ToolkitSession toolkit;
    RenderOptions options;
    options.background = background;
    options.recordedSize = QSize(size.width, size.height);
    const QImage image = renderSideBySide(recordings, QSize(size.width, size.height), options,
                                          recordings.size() > 1 ? kPictureGap : 0);
    if (image.isNull()) {
        throw UsageError("PNG not written: " +
                         ToolkitSession::failure("the picture could not be drawn"));
    }
    // The whole file is made in memory first, so that it reaches the disk in one atomic
    // write or not at all.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        throw UsageError("PNG not written: " +
                         ToolkitSession::failure("the picture could not be encoded as PNG"));
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
