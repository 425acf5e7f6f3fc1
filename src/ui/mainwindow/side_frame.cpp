#include "ui/mainwindow/side_frame.h"

#include "ui/widgets/named_pictures.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/proportional_layout.h"

namespace velmora {

namespace {

const QColor kActiveColour(0, 255, 255);
const QColor kInactiveColour(192, 192, 192);

PictureButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new PictureButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// Drawn pictures are rendered at twice the button's natural size, so they stay sharp on a
// main window grown to most of the screen.
const QSize kDrawnSize(2 * 1875 / 15, 2 * 1275 / 15);

void loadIfNamed(PictureButton* button, const std::string& name, const QStringList& folders) {
    if (name.empty()) {
        return;
    }
    const QString file = replacingFile(folders, name);
    if (!file.isEmpty() && button->loadPicture(file)) {
        return;
    }
    button->setDrawnPicture([name] { return drawnPixmap(name, kDrawnSize); },
                            picturePath(folders.value(0), QString::fromStdString(name)));
}

} // namespace

SideFrame::SideFrame(Side side, QWidget* parent) : QGroupBox(parent) {
    const bool left = side == Side::Left;
    const QString letter = left ? QStringLiteral("L") : QStringLiteral("R");
    setObjectName(left ? QStringLiteral("frmLeft") : QStringLiteral("frmRight"));
    setTitle(left ? QStringLiteral("Left Dimensions") : QStringLiteral("Right Dimensions"));

    top_ = makeButton(this, QStringLiteral("btnDim%1Top").arg(letter), QStringLiteral("Top Arm"));
    bottom_ = makeButton(this, QStringLiteral("btnDim%1Bottom").arg(letter),
                         QStringLiteral("Bottom Arm"));
    misc_ = makeButton(this, QStringLiteral("btnDim%1Misc").arg(letter), QStringLiteral("Misc"));
    xyz_ = makeButton(this, QStringLiteral("btnDim%1XYZ").arg(letter), QStringLiteral("XYZ"));
}

void SideFrame::showSide(bool active, const SidePictures& pictures,
                         const QStringList& pictureFolders) {
    const QColor colour = active ? kActiveColour : kInactiveColour;
    for (PictureButton* button : {top_, bottom_, misc_, xyz_}) {
        button->setBackgroundColor(colour);
    }
    loadIfNamed(top_, pictures.top, pictureFolders);
    loadIfNamed(bottom_, pictures.bottom, pictureFolders);
    loadIfNamed(misc_, pictures.misc, pictureFolders);
    loadIfNamed(xyz_, pictures.xyz, pictureFolders);
}

void SideFrame::clearButtonTexts() {
    for (PictureButton* button : {top_, bottom_, misc_, xyz_}) {
        button->setText(QString());
    }
}

void SideFrame::addToLayout(ProportionalLayout& layout, const QRect& frameTwips) {
    layout.add(this, frameTwips);
    layout.add(top_, QRect(120, 240, 1935, 1335));
    layout.add(bottom_, QRect(2160, 240, 1935, 1335));
    layout.add(misc_, QRect(4200, 240, 1935, 1335));
    layout.add(xyz_, QRect(6240, 240, 1815, 1335));
}

} // namespace velmora
