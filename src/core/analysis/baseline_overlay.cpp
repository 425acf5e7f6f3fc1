#include "analysis/baseline_overlay.h"

#include "analysis/dashed_path.h"
#include "analysis/model_overlay.h"
#include "model/number_text.h"
#include "model/shown_length.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

// Dash and gap as fractions of the surface: the thumbnails are small, so their dashes are
// relatively longer to stay visible.
constexpr double kThumbDash = 0.035;
constexpr double kThumbGap = 0.025;
constexpr double kGraphDash = 0.02;
constexpr double kGraphGap = 0.014;

const Font kThumbLegendFont{"MS Sans Serif", 5.25, false};

void drawDashes(Canvas& canvas, const std::vector<Segment>& dashes) {
    for (const Segment& d : dashes) {
        canvas.line(d.x1, d.y1, d.x2, d.y2, kBaselineColor);
    }
}

// A legend entry: a short line (dashed for the baseline) and the name beside it.
void legendEntry(Canvas& canvas, double x, double y, double length, double spanX, double spanY,
                 bool dashed, Rgb color, const char* text, double textRise) {
    if (dashed) {
        DashedPath path(spanX, spanY, kGraphDash * 0.6, kGraphGap * 0.6);
        drawDashes(canvas, path.dashes(x, y, x + length, y));
    } else {
        canvas.line(x, y, x + length, y, color);
    }
    canvas.setCurrentPosition(x + length * 1.25, y - textRise);
    canvas.setTextColor(dashed ? kBaselineColor : color);
    canvas.print(text);
}

struct ThumbCurve {
    Canvas* canvas;
    const Curve* curve;
    float unitsPerValue;
};

bool isPoint(const GraphPlot& plot, int i) {
    return plot.plotX && plot.plotY && i >= 1 && i <= std::clamp(plot.n, 0, kMaxPositions);
}

void graphLegend(Canvas& canvas, const GraphPlot& plot) {
    // Lower left: the bump end of most curves is at the top, where the 3-D check's legend is.
    legendEntry(canvas, 4, 88, 8, 100, 100, true, kBaselineColor, kBaselineLegend, 2.5);
    legendEntry(canvas, 4, 94, 8, 100, 100, false, plot.rightActive ? colors::Red : colors::Green,
                kCurrentLegend, 2.5);
}

void drawBaselineCurve(Canvas& canvas, const BaselinePlot& base) {
    drawDashes(canvas, baselineDashes(base));
}

} // namespace

void drawBaselineThumbnails(const SweepResult& base, const ThumbnailSurfaces& surfaces,
                            Rgb currentColor) {
    const int n = positionsOf(base);
    const std::array<ThumbCurve, 5> thumbs{{
        {surfaces.camber, &base.CamberChange, kThumbnailUnitsPerDegree},
        {surfaces.sideScrub, &base.SideScrub, kThumbnailUnitsPerInch},
        {surfaces.bumpSteer, &base.BumpSteer, kThumbnailUnitsPerDegree},
        {surfaces.caster, &base.CasterChange, kThumbnailUnitsPerDegree},
        {surfaces.foreAft, &base.ForeAft, kThumbnailUnitsPerInch},
    }};
    for (const ThumbCurve& t : thumbs) {
        if (!t.canvas) {
            continue;
        }
        DashedPath path(kThumbnailWidth, kThumbnailHeight, kThumbDash, kThumbGap);
        for (int i = 1; i < n; ++i) {
            const float a = (*t.curve)[static_cast<std::size_t>(i)];
            const float b = (*t.curve)[static_cast<std::size_t>(i + 1)];
            if (!SweepResult::reached(a) || !SweepResult::reached(b)) {
                path.restart();
                continue;
            }
            drawDashes(*t.canvas, path.dashes(thumbnailX(a, t.unitsPerValue), i - 1,
                                              thumbnailX(b, t.unitsPerValue), i));
        }
        // A small legend in the lower left corner; the surface prints nothing else, so its
        // font and text colour go back to the ones it started with, and the next drawing
        // with no baseline is the same as if there had never been one.
        t.canvas->setFont(kThumbLegendFont);
        legendEntry(*t.canvas, 2, 20.4, 5, kThumbnailWidth, kThumbnailHeight, true, kBaselineColor,
                    kBaselineLegend, 0.6);
        legendEntry(*t.canvas, 2, 22.3, 5, kThumbnailWidth, kThumbnailHeight, false, currentColor,
                    kCurrentLegend, 0.6);
        t.canvas->setFont(Font{});
        t.canvas->setTextColor(colors::Black);
    }
}

BaselinePlot baselinePlot(const GraphView& view, const SweepResult& base) {
    BaselinePlot plot;
    plot.plotY = &view.PlotY();
    plot.n = std::min(view.NumPoints(), positionsOf(base));
    const Curve& curve = curveOf(base, shownGraph(view.flags()));
    const float xScale = 50.0f / view.XRange();
    for (int i = 1; i <= plot.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const float x = 50.0f + xScale * curve[k];
        plot.present[k] = std::isfinite(x);
        plot.plotX[k] = plot.present[k] ? x : 0.0f;
    }
    return plot;
}

std::vector<Segment> baselineDashes(const BaselinePlot& plot) {
    std::vector<Segment> out;
    if (!plot.plotY) {
        return out;
    }
    DashedPath path(100, 100, kGraphDash, kGraphGap);
    const int n = std::clamp(plot.n, 0, kMaxPositions);
    for (int i = 1; i < n; ++i) {
        const auto a = static_cast<std::size_t>(i);
        const auto b = a + 1;
        if (!plot.present[a] || !plot.present[b]) {
            path.restart();
            continue;
        }
        const auto dashes =
            path.dashes(plot.plotX[a], (*plot.plotY)[a], plot.plotX[b], (*plot.plotY)[b]);
        out.insert(out.end(), dashes.begin(), dashes.end());
    }
    return out;
}

void drawGraphPictureOverBaseline(Canvas& picGraph, const GraphPlot& plot, const BaselinePlot& base,
                                  int curPos) {
    drawGraphGrid(picGraph);
    drawBaselineCurve(picGraph, base);
    DrawGraph(picGraph, plot);
    graphLegend(picGraph, plot);
    if (isPoint(plot, curPos)) {
        const auto k = static_cast<std::size_t>(curPos);
        picGraph.circle((*plot.plotX)[k], (*plot.plotY)[k], kMarkerRadius, colors::Yellow);
    }
}

bool moveGraphMarkerOverBaseline(Canvas& picGraph, const GraphPlot& plot, const BaselinePlot& base,
                                 int from, int to) {
    if (!isPoint(plot, from) || !isPoint(plot, to)) {
        return false;
    }
    const auto f = static_cast<std::size_t>(from);
    const auto t = static_cast<std::size_t>(to);
    picGraph.circle((*plot.plotX)[f], (*plot.plotY)[f], kMarkerRadius, colors::Black);
    drawBaselineCurve(picGraph, base);
    DrawGraph(picGraph, plot);
    picGraph.circle((*plot.plotX)[t], (*plot.plotY)[t], kMarkerRadius, colors::Yellow);
    return true;
}

std::vector<std::string> baselineTableValues(const GraphView& view, const SweepResult& base) {
    const Curve& curve = curveOf(base, shownGraph(view.flags()));
    const int n = positionsOf(base);
    std::vector<std::string> values;
    for (int i = 1; i <= view.NumPoints(); ++i) {
        const float value = curve[static_cast<std::size_t>(i)];
        if (i > n || !SweepResult::reached(value)) {
            values.emplace_back();
            continue;
        }
        values.push_back(signedColumnValue(view.flags(), value));
    }
    return values;
}

std::string baselineMessage(const GraphView& view, const SweepResult& base) {
    const GraphKind kind = shownGraph(view.flags());
    const int p = view.CurPos();
    const float value = curveOf(base, kind)[static_cast<std::size_t>(p)];
    std::string message = view.UpdateMessage();
    if (p > positionsOf(base) || !SweepResult::reached(value)) {
        return message + " (no baseline value here)";
    }
    const float current = view.GraphData()[static_cast<std::size_t>(p)];
    const double exact = static_cast<double>(current) - value;
    const bool length = kind == GraphKind::SideScrub || kind == GraphKind::ForeAft;
    // A length's difference in the display unit, rounded as its table shows it.
    const double difference = length && showsMillimetres()
                                  ? std::nearbyint(shownLength(exact) * 100.0) / 100.0 + 0.0
                                  : roundThousandths(exact);
    // The label has room for about one line more than the message alone.
    if (kind != GraphKind::ForeAft && kind != GraphKind::BumpSteer) {
        const std::string unit = kind == GraphKind::SideScrub ? " " + lengthUnitText() : " deg";
        return message + " (baseline difference " + SignedText(difference) + unit + ")";
    }
    // The message gives a magnitude and a direction, so the difference says which way it
    // moves: toe out and to the rear are the curves' positive side.
    if (difference == 0.0) {
        return message + " (the same as the baseline)";
    }
    const bool positive = difference > 0.0;
    const std::string amount = fixedText(std::fabs(difference), length ? shownDecimals(3) : 3);
    const std::string way =
        kind == GraphKind::BumpSteer
            ? (positive ? " deg more toe out" : " deg more toe in")
            : " " + lengthWord() + (positive ? " further to the rear" : " further to the front");
    return message + " (" + amount + way + " than the baseline)";
}

} // namespace velmora
