#include "ui/widgets/picture_button.h"

#include <QDir>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace velmora {

namespace {
constexpr int kBevel = 2;  // pixels of the raised edge
constexpr int kMargin = 3; // between the edge and the picture
} // namespace

PictureButton::PictureButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent), fallbackLabel_(caption),
      background_(palette().color(QPalette::Button)) {
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
}

bool PictureButton::loadPicture(const QString& path) {
    draw_ = nullptr;
    pictureFile_ = path;
    QPixmap loaded;
    const bool ok = !path.isEmpty() && loaded.load(path);
    picture_ = ok ? loaded : QPixmap();
    update();
    return ok;
}

void PictureButton::setPicture(const QPixmap& picture) {
    draw_ = nullptr;
    picture_ = picture;
    update();
}

void PictureButton::setDrawnPicture(const QPixmap& picture, const QString& path) {
    draw_ = nullptr;
    pictureFile_ = path;
    picture_ = picture;
    update();
}

void PictureButton::setDrawnPicture(std::function<QPixmap()> draw, const QString& path) {
    pictureFile_ = path;
    picture_ = QPixmap();
    draw_ = std::move(draw);
    update();
}

const QPixmap& PictureButton::picture() const {
    if (draw_) {
        // Cleared first, so that a drawing that asks about the button does not draw again.
        const std::function<QPixmap()> draw = std::move(draw_);
        draw_ = nullptr;
        picture_ = draw();
    }
    return picture_;
}

void PictureButton::clearPicture() {
    draw_ = nullptr;
    picture_ = QPixmap();
    pictureFile_.clear();
    update();
}

void PictureButton::setBackgroundColor(const QColor& color) {
    if (background_ == color) {
        return;
    }
    background_ = color;
    update();
}

QSize PictureButton::sizeHint() const {
    const QString label = text().isEmpty() ? fallbackLabel_ : text();
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, label);
    QSize hint = textSize + QSize(4 * kMargin + 2 * kBevel, 4 * kMargin + 2 * kBevel);
    if (const QPixmap& shown = picture(); !shown.isNull()) {
        hint = hint.expandedTo(shown.size() + QSize(2 * (kMargin + kBevel), 0));
    }
    return hint.expandedTo(QSize(32, 24));
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    const bool sunken = isDown() || isChecked();
    painter.fillRect(outer, background_);

    QRect inner =
        outer.adjusted(kBevel + kMargin, kBevel + kMargin, -kBevel - kMargin, -kBevel - kMargin);
    if (sunken) {
        inner.translate(1, 1);
    }

    // With both a picture and a text the text takes a strip at the bottom.
    const QString caption = text();
    const QPixmap& shown = picture();
    const bool showPicture = !shown.isNull();
    const QString label = showPicture ? caption : (caption.isEmpty() ? fallbackLabel_ : caption);
    QRect pictureArea = inner;
    if (showPicture && !label.isEmpty()) {
        pictureArea.setBottom(inner.bottom() - fontMetrics().height());
    }

    if (showPicture && pictureArea.width() > 0 && pictureArea.height() > 0) {
        const QSize scaled = shown.size().scaled(pictureArea.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), scaled);
        target.moveCenter(pictureArea.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, shown);
    }

    if (!label.isEmpty()) {
        const QColor textColor = isEnabled()
                                     ? palette().color(QPalette::Active, QPalette::ButtonText)
                                     : palette().color(QPalette::Disabled, QPalette::ButtonText);
        painter.setPen(textColor);
        const int flags = Qt::TextShowMnemonic | Qt::TextWordWrap |
                          (showPicture ? (Qt::AlignHCenter | Qt::AlignBottom) : Qt::AlignCenter);
        painter.drawText(inner, flags, label);
    }

    QPalette bevelPalette = palette();
    bevelPalette.setColor(QPalette::Button, background_);
    qDrawWinButton(&painter, outer, bevelPalette, sunken, nullptr);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = outer.adjusted(kBevel + 1, kBevel + 1, -kBevel - 1, -kBevel - 1);
        focus.backgroundColor = background_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

QString picturePath(const QString& folder, const QString& name) {
    QString file = name;
    while (file.startsWith(QLatin1Char('\\')) || file.startsWith(QLatin1Char('/'))) {
        file.remove(0, 1);
    }
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(folder).filePath(file);
}

} // namespace velmora
