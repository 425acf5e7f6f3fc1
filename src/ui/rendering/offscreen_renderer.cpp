#include "ui/rendering/offscreen_renderer.h"

#include "ui/widgets/qpainter_canvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>

namespace velmora {

namespace {

bool canRender() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

// Replays one recording into the rectangle of `painter` that starts at `origin`.
void paintRecording(QPainter& painter, const Recording& recording, QPoint origin, QSize size,
                    const RenderOptions& options) {
    painter.save();
    painter.translate(origin);
    QPainterCanvas::Options canvasOptions;
    canvasOptions.background = options.background;
    if (options.recordedSize.width() > 0) {
        canvasOptions.penScale = static_cast<double>(size.width()) / options.recordedSize.width();
    }
    QPainterCanvas canvas(painter, size, canvasOptions);
    canvas.clear();
    replay(recording, canvas);
    painter.restore();
}

} // namespace

QImage renderRecording(const Recording& recording, QSize size, const RenderOptions& options) {
    return renderSideBySide(std::span<const Recording>(&recording, 1), size, options);
}

QImage renderSideBySide(std::span<const Recording> recordings, QSize eachSize,
                        const RenderOptions& options, int gap, Rgb gapColor) {
    if (recordings.empty() || eachSize.isEmpty() || !canRender()) {
        return {};
    }
    gap = std::max(0, gap);
    const qint64 count = static_cast<qint64>(recordings.size());
    const qint64 totalWidth = count * eachSize.width() + (count - 1) * gap;
    // QImage sizes are ints; refuse what cannot be allocated rather than overflow.
    if (totalWidth > 32767 || eachSize.height() > 32767) {
        return {};
    }
    QImage image(static_cast<int>(totalWidth), eachSize.height(), QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    image.fill(toQColor(gapColor));
    QPainter painter(&image);
    int x = 0;
    for (const Recording& recording : recordings) {
        paintRecording(painter, recording, QPoint(x, 0), eachSize, options);
        x += eachSize.width() + gap;
    }
    return image;
}

bool savePng(const QImage& image, const QString& path, QString* error) {
    auto fail = [error](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return false;
    };
    if (image.isNull()) {
        return fail(QStringLiteral("there is no picture to write (empty size, or no "
                                   "QGuiApplication to render with)"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    }
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        return fail(QStringLiteral("cannot encode %1 as PNG").arg(path));
    }
    if (!file.commit()) {
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    }
    return true;
}

bool renderToPng(const Recording& recording, QSize size, const QString& path, QString* error,
                 const RenderOptions& options) {
    return savePng(renderRecording(recording, size, options), path, error);
}

} // namespace velmora
