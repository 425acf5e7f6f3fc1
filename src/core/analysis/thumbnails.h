#pragma once

#include "analysis/baseline.h"
#include "drawing/canvas.h"
#include "drawing/design_size.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"

#include <functional>

namespace velmora {

// The five small graphs of the main window's "Geometry" frame. A null surface is skipped.
struct ThumbnailSurfaces {
    Canvas* camber = nullptr;
    Canvas* sideScrub = nullptr;
    Canvas* bumpSteer = nullptr;
    Canvas* caster = nullptr;
    Canvas* foreAft = nullptr;
};

// Design size of each thumbnail surface.
inline constexpr TwipSize kThumbnailDesignTwips{1575, 1335};

// Thumbnail scale: x 0..100 with zero change at 50, y = position - 1 over 0..24.
inline constexpr double kThumbnailWidth = 100;
inline constexpr double kThumbnailHeight = 24;
inline constexpr float kThumbnailUnitsPerDegree = 10.0f;
inline constexpr float kThumbnailUnitsPerInch = 45.0f;

// Horizontal position of a curve value: value x factor + 50 in single precision, snapped to
// the nearest whole unit with ties to even (0.25 deg -> 52, 0.75 deg -> 58). The factor is
// 10 per degree or 45 per inch.
double thumbnailX(float value, float unitsPerValue);

// `Update_Graphs`: with gonly false the surfaces are first prepared (black background,
// scale, axes, ticks); then the active side's curves are added, red for the right side and
// green for the left. With gonly true only the curves are added to what is already drawn.
void drawThumbnails(const SuspensionState& state, const ThumbnailSurfaces& surfaces, bool gonly);
// The same with the colour of the side `right` names rather than of the active side. With a
// baseline's result, its curves are drawn dashed in grey just before the side's own, so they
// lie beneath them, and a legend names the two.
void drawThumbnails(const SuspensionState& state, const ThumbnailSurfaces& surfaces, bool gonly,
                    bool right, const SweepResult* baseline = nullptr);

// The drawing part of `Disable_Graphs`: the five surfaces are cleared, then given the
// platform's button-face colour as background.
void drawDisabledThumbnails(const ThumbnailSurfaces& surfaces, Rgb buttonFace);

// Selecting a side: the other side's pass runs first with gonly false (preparing the
// surfaces), then `betweenPasses` (where the main window swaps its side panels), then the
// chosen side's pass with gonly true, so the chosen side's curves lie on top of the other's.
// Each pass is told its side; Right_Active names the chosen side from the second pass on.
void selectSideInTwoPasses(SuspensionState& state, bool right,
                           const std::function<void(bool right, bool gonly)>& pass,
                           const std::function<void()>& betweenPasses = {});

// One pass of selecting a side, as the main window and the command line both run it: a
// complete side (`right` names it) is swept, the result applied to the state (the curves
// then belong to this side) and its messages shown on `sink`, and its curves drawn as
// drawThumbnails does with `gonly`; an incomplete one is not swept and the thumbnails are
// blanked instead. Returns whether the side was complete, i.e. whether its graphs may be
// analysed. Selecting a side runs it for the other side with gonly false, then for the
// chosen side with gonly true, so the chosen side's curves lie on top. With a baseline, its
// corner for the same side is swept over the same travel and drawn beneath the side's curves.
bool sweepAndDrawThumbnails(SuspensionState& state, bool right, const ThumbnailSurfaces& surfaces,
                            bool gonly, Rgb buttonFace, MessageSink& sink,
                            const Baseline* baseline = nullptr);

} // namespace velmora
