#include "pictures/named_picture.h"

#include "pictures/corner_geometry.h"
#include "pictures/guide_picture.h"
#include "pictures/panel_picture.h"
#include "pictures/wizard_picture.h"

namespace velmora {

double naturalAspect(const PictureKey& key) {
    switch (key.kind) {
    case PictureKind::Wizard:
        return 5535.0 / 5655.0;
    case PictureKind::SidePanel:
        return 1875.0 / 1275.0;
    case PictureKind::Guide:
        return 5775.0 / 3855.0;
    }
    return 1;
}

void drawPicture(Canvas& canvas, const PictureKey& key, const CoordinateSet* own, double aspect) {
    if (!(aspect > 0)) {
        aspect = canvas.pixelWidth() > 0 && canvas.pixelHeight() > 0
                     ? static_cast<double>(canvas.pixelWidth()) / canvas.pixelHeight()
                     : naturalAspect(key);
    }
    switch (key.kind) {
    case PictureKind::Wizard:
        drawWizardPicture(canvas, key, pictureCorner(key.look, own), aspect);
        break;
    case PictureKind::SidePanel:
        drawPanelPicture(canvas, key, aspect);
        break;
    case PictureKind::Guide:
        drawGuidePicture(canvas, key.guideScreen, key.look, aspect);
        break;
    }
}

bool drawNamedPicture(Canvas& canvas, std::string_view name, const CoordinateSet* own,
                      double aspect) {
    const auto key = parsePictureName(name);
    if (!key) {
        return false;
    }
    drawPicture(canvas, *key, own, aspect);
    return true;
}

} // namespace velmora
