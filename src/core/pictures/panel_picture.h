#pragma once

#include "drawing/canvas.h"
#include "pictures/picture_key.h"

// The side panel's button pictures: the corner from the front with the button's member
// strong (top arm, bottom arm, or tie rod with the tire), or a small table for the XYZ
// button; greyed for the inactive side.
namespace velmora {

void drawPanelPicture(Canvas& canvas, const PictureKey& key, double aspect);

} // namespace velmora
