#pragma once

#include "drawing/canvas.h"
#include "drawing/design_size.h"
#include "model/suspension_state.h"

namespace velmora {

// What the graph window tells the picture: the selected point, the shown curve's value
// there, the half-width of the value axis and the wheel travel of the point (inches, bump
// positive, 0 at the static position).
struct PictureView {
    int CurPos = 1;
    float g = 0; // GraphData(CurPos)
    float XRange = 2;
    float WheelPos = 0;
};

// The picture spans (0,0)-(125,125) at 2 units per inch; the ground lies at y = 80.
inline constexpr double kPictureSize = 125;

// Design size of the graph window's suspension picture surface.
inline constexpr TwipSize kPictureSurfaceDesignTwips{4215, 4335};

// Pen width of the tread seen from the front: 35 pixels on the design surface of 281
// pixels' width, scaled to keep the tread about 15.5 picture units wide on other sizes.
int treadPenWidth(const Canvas& picSus);

// The whole picture of the active side at the selected point: value indicator and caption,
// then the front view (camber, side scrub, bump steer graphs) or the side view (caster,
// fore/aft). Pen width, pen style, fill and text colour are left on the surface as the
// drawing leaves them; the fill style ends solid.
void DrawPic(Canvas& picSus, const SuspensionState& state, const PictureView& view);

// An arm or the tie rod, inner (chassis) end first: fifteen coloured lines above the
// member's line and fifteen black ones below as its shadow, then a white pivot disc on the
// inner end. Leaves the fill solid black.
void DrawHorzMember(Canvas& picSus, double InnerX, double InnerY, double OuterX, double OuterY,
                    Rgb Color);

// The spindle from its upper to its lower end, lengthened 1.5 units at each end, with the
// shadow to the right.
void DrawVertMember(Canvas& picSus, double X1, double Y1, double X2, double Y2, Rgb Color);

// The tire in the front view from its top centre (X1, Y1) to its contact point (X2, Y2):
// a thick tread line, or for a steered tire in the bump steer picture an upright tread with
// two sidewall ellipses. Draws nothing for the side-view graphs.
void DrawTire(Canvas& picSus, const SuspensionState& state, const PictureView& view, double X1,
              double Y1, double X2, double Y2);

} // namespace velmora
