#pragma once

#include "model/suspension_state.h"
#include "pictures/picture_key.h"
#include "ui/widgets/drawing_surface.h"

#include <QPixmap>
#include <QStringList>

#include <optional>
#include <string>

namespace velmora {

// A picture box that shows one of the program's named pictures: the photograph of that name
// from the picture folders when there is one, otherwise the picture the program draws
// (recorded on the surface, redrawn at every size). Showing a name that is not a picture's
// leaves what is shown.
class PictureBox : public DrawingSurface {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // `own` is the side's coordinate set that a wizard screen draws to scale.
    void showNamed(const std::string& name, const QStringList& folders,
                   const std::optional<CoordinateSet>& own = std::nullopt);

    // The car a drawn measuring-guide picture shows (a photograph of the name is the user's).
    void setGuideLook(CarLook look) {
        guideLook_ = look;
        redraw();
    }

    // The name shown, as the program spells it ("\gmlxup.bmp"); empty before the first.
    QString pictureName() const { return name_; }
    bool showsPhotograph() const { return !photo_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void redraw();

    QString name_;
    std::optional<CoordinateSet> own_;
    CarLook guideLook_ = CarLook::GM;
    QPixmap photo_;
};

} // namespace velmora
