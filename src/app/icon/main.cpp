// velmora-icon OUTDIR: writes the program's icon, drawn by the core, as velmora.svg and as
// PNG files velmora-N.png for the usual icon sizes. Run by the build.
#include "drawing/app_icon.h"
#include "drawing/recording_canvas.h"
#include "drawing/svg_canvas.h"
#include "model/atomic_file.h"
#include "ui/rendering/offscreen_renderer.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-icon OUTDIR\n");
        return 2;
    }
    const std::string folder = argv[1];
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    velmora::SvgCanvas svg(velmora::kAppIconDesignPixels, velmora::kAppIconDesignPixels);
    velmora::drawAppIcon(svg);
    std::string error;
    if (!velmora::writeFileAtomically(folder + "/velmora.svg", svg.document(), &error)) {
        std::fprintf(stderr, "velmora-icon: %s\n", error.c_str());
        return 1;
    }
    // Drawn once large and scaled down smoothly: the small sizes stay clean instead of
    // rounding every pen to whole pixels.
    constexpr int kLargest = 512;
    velmora::RecordingCanvas canvas;
    canvas.setPixelSize(kLargest, kLargest);
    velmora::drawAppIcon(canvas);
    QImage large = velmora::renderRecording(canvas.operations(), QSize(kLargest, kLargest))
                       .convertToFormat(QImage::Format_ARGB32);
    // The badge is round: the corners outside it are transparent.
    const double centre = kLargest / 2.0;
    const double radius = kLargest * 0.485;
    for (int y = 0; y < kLargest; ++y) {
        for (int x = 0; x < kLargest; ++x) {
            const double dx = x + 0.5 - centre;
            const double dy = y + 0.5 - centre;
            if (dx * dx + dy * dy > radius * radius) {
                large.setPixelColor(x, y, Qt::transparent);
            }
        }
    }
    for (const int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        const QImage image = size == kLargest ? large
                                              : large.scaled(size, size, Qt::IgnoreAspectRatio,
                                                             Qt::SmoothTransformation);
        QString saveError;
        const QString path =
            QString::fromStdString(folder) + QStringLiteral("/velmora-%1.png").arg(size);
        if (!velmora::savePng(image, path, &saveError)) {
            std::fprintf(stderr, "velmora-icon: %s\n", qPrintable(saveError));
            return 1;
        }
    }
    return 0;
}
