#include "analysis/thumbnails.h"

#include "analysis/baseline_overlay.h"
#include "geometry/sweep.h"
#include "model/number_text.h"

#include <array>
#include <cmath>

namespace velmora {
namespace {

// Zero change sits at x = 50; the value axis crosses at y = 12, the travel axis at x = 50.
constexpr float kZeroChangeX = 50.0f;
constexpr double kValueAxisY = 12;
constexpr float kUnitsPerDegree = kThumbnailUnitsPerDegree;
constexpr float kUnitsPerInch = kThumbnailUnitsPerInch;
// Ticks across the value axis reach 1 unit either side of it, ticks across the travel axis 3.
constexpr double kValueTickHalf = 1;
constexpr double kTravelTickHalf = 3;
// The two inch ticks, drawn half a unit outside +-1 inch.
constexpr double kInchTickLeft = 4.5;
constexpr double kInchTickRight = 95.5;

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
        {surfaces.camber, &state.CamberChange, kUnitsPerDegree, true},
        {surfaces.sideScrub, &state.SideScrub, kUnitsPerInch, false},
        {surfaces.bumpSteer, &state.BumpSteer, kUnitsPerDegree, true},
        {surfaces.caster, &state.CasterChange, kUnitsPerDegree, true},
        {surfaces.foreAft, &state.ForeAft, kUnitsPerInch, false},
    }};
}

// Ticks closer than this would only paint the axis solid; the cap keeps an absurd travel
// range from turning the loop into a hang.
constexpr int kMaxTravelTicks = 1000;

void drawAxesAndTicks(Canvas& canvas, bool degreeTicks, float travel) {
    const Rgb grey = colors::LightGrey;
    const double tickTop = kValueAxisY - kValueTickHalf;
    const double tickBottom = kValueAxisY + kValueTickHalf;
    canvas.line(kZeroChangeX, 0, kZeroChangeX, kThumbnailHeight, grey);
    canvas.line(0, kValueAxisY, kThumbnailWidth, kValueAxisY, grey);
    if (degreeTicks) {
        constexpr int kDegreeStep = static_cast<int>(kUnitsPerDegree);
        for (int x = 0; x <= static_cast<int>(kThumbnailWidth); x += kDegreeStep) {
            canvas.line(x, tickTop, x, tickBottom, grey);
        }
    } else {
        canvas.line(kInchTickLeft, tickTop, kInchTickLeft, tickBottom, grey);
        canvas.line(kInchTickRight, tickTop, kInchTickRight, tickBottom, grey);
    }
    // One tick per inch of travel, the first at the top edge.
    if (!(travel > 0.0f) || !std::isfinite(travel)) {
        return;
    }
    for (int j = 0; j <= kMaxTravelTicks && static_cast<float>(j) <= travel; ++j) {
        const double y = j * kThumbnailHeight / static_cast<double>(travel);
        canvas.line(kZeroChangeX - kTravelTickHalf, y, kZeroChangeX + kTravelTickHalf, y, grey);
    }
}

} // namespace

double thumbnailX(float value, float unitsPerValue) {
    const float x = value * unitsPerValue + kZeroChangeX;
    return roundHalfEven(static_cast<double>(x));
}

void drawThumbnails(const SuspensionState& state, const ThumbnailSurfaces& surfaces, bool gonly) {
    drawThumbnails(state, surfaces, gonly, state.Right_Active);
}

void drawThumbnails(const SuspensionState& state, const ThumbnailSurfaces& surfaces, bool gonly,
                    bool right, const SweepResult* baseline) {
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
    const Rgb color = right ? colors::Red : colors::ThumbGreen;
    if (baseline) {
        drawBaselineThumbnails(*baseline, surfaces, color);
    }
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

bool sweepAndDrawThumbnails(SuspensionState& state, bool right, const ThumbnailSurfaces& surfaces,
                            bool gonly, Rgb buttonFace, MessageSink& sink,
                            const Baseline* baseline) {
    const CoordinateSet& corner = state.coords(right);
    if (!isComplete(corner)) {
        drawDisabledThumbnails(surfaces, buttonFace);
        return false;
    }
    applySweep(state, classicSweep(corner, right, Travel{state.VU, state.VD}), sink);
    if (baseline) {
        const SweepResult base = sweepBaseline(*baseline, right, Travel{state.VU, state.VD});
        drawThumbnails(state, surfaces, gonly, right, &base);
    } else {
        drawThumbnails(state, surfaces, gonly, right);
    }
    return true;
}

void selectSideInTwoPasses(SuspensionState& state, bool right,
                           const std::function<void(bool right, bool gonly)>& pass,
                           const std::function<void()>& betweenPasses) {
    pass(!right, false);
    if (betweenPasses) {
        betweenPasses();
    }
    state.Right_Active = right;
    pass(right, true);
}

} // namespace velmora
