#include "ui/widgets/picture_box.h"

#include "pictures/named_picture.h"
#include "pictures/picture_key.h"
#include "ui/widgets/named_pictures.h"

#include <QPainter>
#include <QResizeEvent>

namespace velmora {

PictureBox::PictureBox(QWidget* parent) : DrawingSurface(parent) {
    // The pictures size their texts to the box themselves.
    setTextsFollowFont(false);
}

void PictureBox::showNamed(const std::string& name, const QStringList& folders,
                           const std::optional<CoordinateSet>& own) {
    if (!parsePictureName(name)) {
        return;
    }
    name_ = QString::fromStdString(name);
    own_ = own;
    photo_ = pictureFromFolders(folders, name);
    redraw();
}

void PictureBox::redraw() {
    if (name_.isEmpty()) {
        return;
    }
    Canvas& target = canvas();
    if (!photo_.isNull()) {
        target.clear();
        update();
        return;
    }
    std::optional<PictureKey> key = parsePictureName(name_.toStdString());
    if (!key) {
        return;
    }
    if (key->kind == PictureKind::Guide) {
        key->look = guideLook_;
    }
    drawPicture(target, *key, own_ ? &*own_ : nullptr);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    if (photo_.isNull()) {
        DrawingSurface::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QSize scaled = photo_.size().scaled(size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), scaled);
    target.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, photo_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    DrawingSurface::resizeEvent(event);
    // Pen widths and proportions follow the size the picture is drawn for.
    redraw();
}

} // namespace velmora
