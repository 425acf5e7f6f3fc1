#pragma once

#include "drawing/recording.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <span>

// Pictures drawn by the core, rendered without a window: for the command-line program and
// for tests. Rendering needs a QGuiApplication (fonts); without one every function fails
// cleanly (null image, false with an error text) instead of aborting. The command-line
// program can run one on the "offscreen" platform.
namespace velmora {

struct RenderOptions {
    // What the picture shows before its first operation and what clear() paints until the
    // drawing sets its own background (the thumbnails do; the suspension picture does not
    // and expects light grey).
    Rgb background = colors::White;
    // The pixel size the recording was made for. When given, pen widths are scaled by the
    // ratio of the target width to it, so a wide pen keeps its share of the picture.
    QSize recordedSize;
};

// Replays `recording` on a new RGB image of `size` pixels. Null image when the size is
// empty or no QGuiApplication exists.
QImage renderRecording(const Recording& recording, QSize size, const RenderOptions& options = {});

// Several pictures of the same size laid side by side from left to right, `gap` pixels
// apart (the gap painted in `gapColor`). Null image when there are none, the size is empty
// or no QGuiApplication exists.
QImage renderSideBySide(std::span<const Recording> recordings, QSize eachSize,
                        const RenderOptions& options = {}, int gap = 0,
                        Rgb gapColor = colors::White);

// Writes `image` as a PNG file, atomically: a failed write leaves any previous file as it
// was. On failure returns false and, when `error` is given, a readable reason.
bool savePng(const QImage& image, const QString& path, QString* error = nullptr);

// renderRecording followed by savePng.
bool renderToPng(const Recording& recording, QSize size, const QString& path,
                 QString* error = nullptr, const RenderOptions& options = {});

} // namespace velmora
