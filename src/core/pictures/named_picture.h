#pragma once

#include "drawing/canvas.h"
#include "model/suspension_state.h"
#include "pictures/picture_key.h"

#include <string_view>

// Every picture the program asks for by name, drawn on a canvas.
namespace velmora {

// Width to height ratio of the place each kind of picture is shown in: the wizard's picture
// box, a side-panel button, the guide's picture box.
double naturalAspect(const PictureKey& key);

// Draws the picture of `key`. `own` is the side's coordinate set: a wizard screen draws it to
// scale when it is complete, otherwise a typical corner of the style. `aspect` 0 takes the
// canvas's pixel size, or the natural ratio when the canvas does not know its size.
void drawPicture(Canvas& canvas, const PictureKey& key, const CoordinateSet* own = nullptr,
                 double aspect = 0);

// The same by name; false (and nothing drawn) for a name that is not a picture's.
bool drawNamedPicture(Canvas& canvas, std::string_view name, const CoordinateSet* own = nullptr,
                      double aspect = 0);

} // namespace velmora
