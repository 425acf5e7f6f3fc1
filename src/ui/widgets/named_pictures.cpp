#include "ui/widgets/named_pictures.h"

#include "drawing/recording_canvas.h"
#include "pictures/named_picture.h"
#include "pictures/picture_folder.h"
#include "ui/rendering/offscreen_renderer.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>

namespace velmora {

QStringList pictureFolders(const QString& chosen) {
    if (!chosen.isEmpty()) {
        return {chosen};
    }
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("pictures")),
            QDir::cleanPath(program.filePath(QStringLiteral("../share/velmora/pictures")))};
}

QString replacingFile(const QStringList& folders, const std::string& name) {
    std::vector<std::filesystem::path> paths;
    for (const QString& folder : folders) {
        paths.emplace_back(folder.toStdString());
    }
    const auto found = findPictureFile(paths, name);
    return found ? QString::fromStdString(found->string()) : QString();
}

QPixmap pictureFromFolders(const QStringList& folders, const std::string& name) {
    const QString file = replacingFile(folders, name);
    QPixmap picture;
    // A file that is not a picture Qt can read counts as no file: the drawn picture shows.
    if (!file.isEmpty() && !picture.load(file)) {
        return {};
    }
    return picture;
}

QPixmap drawnPixmap(const std::string& name, QSize size) {
    static QHash<QString, QPixmap> cache;
    const QString key = QString::fromStdString(name).toLower() + QLatin1Char('@') +
                        QString::number(size.width()) + QLatin1Char('x') +
                        QString::number(size.height());
    if (const auto it = cache.constFind(key); it != cache.constEnd()) {
        return *it;
    }
    RecordingCanvas canvas(size.width(), size.height());
    if (!drawNamedPicture(canvas, name)) {
        return {};
    }
    RenderOptions options;
    options.recordedSize = size;
    const QImage image = renderRecording(canvas.operations(), size, options);
    if (image.isNull()) {
        return {};
    }
    const QPixmap pixmap = QPixmap::fromImage(image);
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace velmora
