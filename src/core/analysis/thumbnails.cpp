#include "analysis/thumbnails.h"

#include "geometry/sweep.h"
#include "model/number_text.h"

#include <array>
#include <cmath>

namespace velmora {
namespace {

// A thumbnail: its surface, its curve and how many units one degree or inch spans.
struct Thumbnail {
    Canvas* canvas;
    const Curve* curve;
    float unitsPerValue;
    bool degreeTicks; // one tick per degree, or only the two at +-1 inch
};

std::array<Thumbnail, 5> thumbnailsOf(const SuspensionState& state,
                                      const ThumbnailSurfaces& surfaces) {
    // The drawing order within every step: camber, side scrub, bump steer, caster, fore/aft.
    return {{
        {surfaces.camber, &state.CamberChange, 10.0f, true},
        {surfaces.sideScrub, &state.SideScrub, 45.0f, false},
        {surfaces.bumpSteer, &state.BumpSteer, 10.0f, true},
        {surfaces.caster, &state.CasterChange, 10.0f, true},
        {surfaces.foreAft, &state.ForeAft, 45.0f, false},
    }};
}

// Ticks closer than this would only paint the axis solid; the cap keeps an absurd travel
// range from turning the loop into a hang.
constexpr int kMaxTravelTicks = 1000;

void drawAxesAndTicks(Canvas& canvas, bool degreeTicks, float travel) {
    const Rgb grey = colors::LightGrey;
    canvas.line(50, 0, 50, kThumbnailHeight, grey);
    canvas.line(0, 12, kThumbnailWidth, 12, grey);
    if (degreeTicks) {
        for (int x = 0; x <= 100; x += 10) {
            canvas.line(x, 11, x, 13, grey);
        }
    } else {
        canvas.line(4.5, 11, 4.5, 13, grey);
        canvas.line(95.5, 11, 95.5, 13, grey);
    }
    // One tick per inch of travel, the first at the top edge.
    if (!(travel > 0.0f) || !std::isfinite(travel)) {
        return;
    }
    for (int j = 0; j <= kMaxTravelTicks && static_cast<float>(j) <= travel; ++j) {
        const double y = j * kThumbnailHeight / static_cast<double>(travel);
        canvas.line(47, y, 53, y, grey);
    }
}

} // namespace

double thumbnailX(float value, float unitsPerValue) {
    const float x = value * unitsPerValue + 50.0f;
    return roundHalfEven(static_cast<double>(x));
}

void drawThumbnails(const SuspensionState& state, const ThumbnailSurfaces& surfaces, bool gonly) {
    const auto thumbnails = thumbnailsOf(state, surfaces);
    if (!gonly) {
        for (const Thumbnail& t : thumbnails) {
            if (t.canvas) {
                t.canvas->setBackground(colors::Black);
            }
        }
        for (const Thumbnail& t : thumbnails) {
            if (t.canvas) {
                t.canvas->setScale(0, 0, kThumbnailWidth, kThumbnailHeight);
            }
        }
        const float travel = state.VU + state.VD;
        for (const Thumbnail& t : thumbnails) {
            if (t.canvas) {
                drawAxesAndTicks(*t.canvas, t.degreeTicks, travel);
            }
        }
    }

    // Without a step from a finished sweep there is no curve to draw.
    if (!(state.VY > 0.0f)) {
        return;
    }
    const Rgb color = state.Right_Active ? colors::Red : colors::ThumbGreen;
    const int n = positionCount(state.VU, state.VD, state.VY);
    for (int i = 1; i <= n - 1; ++i) {
        for (const Thumbnail& t : thumbnails) {
            if (!t.canvas) {
                continue;
            }
            const auto& c = *t.curve;
            t.canvas->line(thumbnailX(c[static_cast<std::size_t>(i)], t.unitsPerValue), i - 1,
                           thumbnailX(c[static_cast<std::size_t>(i + 1)], t.unitsPerValue), i,
                           color);
        }
    }
}

void drawDisabledThumbnails(const ThumbnailSurfaces& surfaces, Rgb buttonFace) {
    const std::array<Canvas*, 5> canvases{surfaces.camber, surfaces.sideScrub, surfaces.bumpSteer,
                                          surfaces.caster, surfaces.foreAft};
    for (Canvas* canvas : canvases) {
        if (canvas) {
            canvas->clear();
        }
    }
    for (Canvas* canvas : canvases) {
        if (canvas) {
            canvas->setBackground(buttonFace);
        }
    }
}

bool sweepAndDrawThumbnails(SuspensionState& state, const ThumbnailSurfaces& surfaces, bool gonly,
                            Rgb buttonFace, MessageSink& sink) {
    if (!isComplete(state.activeCoords())) {
        drawDisabledThumbnails(surfaces, buttonFace);
        return false;
    }
    CALC(state, sink);
    drawThumbnails(state, surfaces, gonly);
    return true;
}

} // namespace velmora
