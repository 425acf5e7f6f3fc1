#pragma once

#include "pictures/side_panel_pictures.h"

#include <QGroupBox>
#include <QString>
#include <QStringList>

namespace velmora {

class PictureButton;
class ProportionalLayout;

enum class Side { Left, Right };

// "Left Dimensions" or "Right Dimensions": the four picture buttons of one side (Top arm,
// Bottom arm, Misc and the coordinate table), live and cyan while the side is active,
// greyed on light grey otherwise.
class SideFrame : public QGroupBox {
    Q_OBJECT

public:
    SideFrame(Side side, QWidget* parent = nullptr);

    // Colours the buttons for an active or inactive side and shows the pictures named in
    // `pictures`: a photograph of that name from the picture folders, else the drawn
    // picture. An empty name leaves that button's picture as it is.
    void showSide(bool active, const SidePictures& pictures, const QStringList& pictureFolders);

    // The buttons show their pictures only (the text stays as the fallback label).
    void clearButtonTexts();

    PictureButton* topButton() const { return top_; }
    PictureButton* bottomButton() const { return bottom_; }
    PictureButton* miscButton() const { return misc_; }
    PictureButton* xyzButton() const { return xyz_; }

    void addToLayout(ProportionalLayout& layout, const QRect& frameTwips);

private:
    PictureButton* top_;
    PictureButton* bottom_;
    PictureButton* misc_;
    PictureButton* xyz_;
};

} // namespace velmora
