#include "chassis_pages/rates_drawing.h"

#include "analysis/baseline.h"
#include "analysis/baseline_overlay.h"
#include "analysis/dashed_path.h"

#include "model/number_text.h"
#include "model/shown_length.h"
#include "model/shown_quantity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace velmora {
namespace {

constexpr Rgb kGrid{96, 96, 96};
constexpr double kLeftEdge = 12;
constexpr double kRightEdge = 96;

using ValueOf = std::function<std::optional<double>(const SpringPosition&)>;

// A panel from `low` at its bottom to `high` at its top.
struct Panel {
    double top = 0, bottom = 0;
    double low = 0, high = 1;
    double y(double value) const {
        const double v = std::clamp(value, low, high);
        return bottom - (v - low) / (high - low) * (bottom - top);
    }
};

// 1, 2 or 5 times a power of ten, about a quarter of `span`.
double niceStep(double span) {
    const double rough = span / 4;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double step : {1.0, 2.0, 5.0}) {
        if (step * power >= rough * (1 - 1e-12)) {
            return step * power;
        }
    }
    return 10 * power;
}

// The panel's range: the values' least and most, widened to whole steps, never flat.
void fitRange(Panel& panel, double least, double most) {
    if (!(least <= most)) {
        least = 0;
        most = 1;
    }
    if (most - least < 1e-9 * std::max(1.0, std::fabs(most))) {
        const double pad = std::max(0.05 * std::fabs(most), 0.01);
        least -= pad;
        most += pad;
    }
    const double step = niceStep(most - least);
    panel.low = std::floor(least / step + 1e-9) * step;
    panel.high = std::ceil(most / step - 1e-9) * step;
}

struct Curve {
    const SpringCurves* curves;
    ValueOf value;
};

void extent(const Curve& curve, double& least, double& most) {
    for (const SpringPosition& at : curve.curves->positions) {
        if (const std::optional<double> v = curve.value(at); v && std::isfinite(*v)) {
            least = std::min(least, *v);
            most = std::max(most, *v);
        }
    }
}

class Plot {
public:
    Plot(Canvas& canvas, double travelLow, double travelHigh)
        : canvas_(canvas), low_(travelLow), high_(travelHigh) {}

    double x(double travel) const {
        return kLeftEdge + (travel - low_) / (high_ - low_) * (kRightEdge - kLeftEdge);
    }

    // Solid, dotted (`dots`) or the baseline's grey dashes.
    enum class Look { Solid, Dotted, Baseline };

    void draw(const Curve& curve, const Panel& panel, Rgb color, Look look) {
        std::optional<DashedPath> path;
        if (look == Look::Baseline) {
            path.emplace(100, 100, 0.012, 0.009);
            color = kBaselineColor;
        } else if (look == Look::Dotted) {
            path.emplace(100, 100, 0.003, 0.006);
        }
        std::optional<std::array<double, 2>> last;
        for (const SpringPosition& at : curve.curves->positions) {
            const std::optional<double> v = curve.value(at);
            if (!v || !std::isfinite(*v)) {
                last.reset();
                if (path) {
                    path->restart();
                }
                continue;
            }
            const std::array<double, 2> point{x(at.travel), panel.y(*v)};
            if (last && path) {
                for (const Segment& d : path->dashes((*last)[0], (*last)[1], point[0], point[1])) {
                    canvas_.line(d.x1, d.y1, d.x2, d.y2, color);
                }
            } else if (last) {
                canvas_.line((*last)[0], (*last)[1], point[0], point[1], color);
            }
            last = point;
        }
    }

    // "R" or "L" past the bump end of the curve, so the sides read without colour; kept
    // clear of the name `other` put at that height.
    std::optional<double> nameEnd(const Curve& curve, const Panel& panel, const char* name,
                                  Rgb color, std::optional<double> other = std::nullopt) {
        for (const SpringPosition& at : curve.curves->positions) {
            if (const std::optional<double> v = curve.value(at); v && std::isfinite(*v)) {
                double y = panel.y(*v) - 1.5;
                if (other && std::fabs(y - *other) < 3) {
                    y = *other + (y < *other ? -3 : 3);
                }
                canvas_.setTextColor(color);
                canvas_.setCurrentPosition(kRightEdge + 0.5, y);
                canvas_.print(name);
                return y;
            }
        }
        return other;
    }

    void frame(const Panel& panel, const std::string& title, int decimals) {
        canvas_.box(kLeftEdge, panel.top, kRightEdge, panel.bottom, colors::LightGrey);
        canvas_.line(x(0), panel.top, x(0), panel.bottom, kGrid);
        canvas_.setTextColor(colors::White);
        canvas_.setCurrentPosition(1, panel.top);
        canvas_.print(fixedText(panel.high, decimals));
        canvas_.setCurrentPosition(1, panel.bottom - 3);
        canvas_.print(fixedText(panel.low, decimals));
        // Above the panel, where no curve runs.
        canvas_.setCurrentPosition(kLeftEdge, panel.top - 3.2);
        canvas_.print(title);
    }

    void say(const Panel& panel, const std::string& text) {
        canvas_.setTextColor(colors::White);
        canvas_.setCurrentPosition(kLeftEdge + 4, (panel.top + panel.bottom) / 2 - 1.5);
        canvas_.print(text);
    }

    void travelAxis(double y) {
        canvas_.setTextColor(colors::White);
        for (double t : {low_, 0.0, high_}) {
            canvas_.setCurrentPosition(x(t) - (t == low_ ? 0 : t == high_ ? 5 : 2), y);
            canvas_.print(fixedLength(t, 1));
        }
        canvas_.setCurrentPosition(30, y + 3.5);
        canvas_.print("wheel travel (" + lengthUnitText() + ", rebound left, bump right)");
    }

private:
    Canvas& canvas_;
    double low_, high_;
};

ValueOf springRatio() {
    return [](const SpringPosition& at) {
        return at.spring ? std::optional<double>(at.spring->motionRatio) : std::nullopt;
    };
}

ValueOf damperRatio() {
    return [](const SpringPosition& at) {
        return at.damper ? std::optional<double>(at.damper->motionRatio) : std::nullopt;
    };
}

ValueOf barRatio() {
    return [](const SpringPosition& at) { return at.barLinkRatio; };
}

ValueOf wheelRate() {
    return [](const SpringPosition& at) -> std::optional<double> {
        if (!at.wheelRate) {
            return std::nullopt;
        }
        return shownQuantity(Quantity::Rate, *at.wheelRate);
    };
}

struct PanelCurves {
    std::vector<ValueOf> values; // the first solid, the second dotted
    Panel panel;
    bool any = false;
};

// Fits the panel to the current and the baseline's curves of its values.
PanelCurves panelOf(const RatesFigures& f, std::vector<ValueOf> values, double top, double bottom) {
    PanelCurves out{std::move(values), Panel{top, bottom}, false};
    double least = INFINITY, most = -INFINITY;
    for (const ValueOf& value : out.values) {
        for (const SpringCurves* c : {&f.right, &f.left}) {
            extent({c, value}, least, most);
        }
    }
    out.any = least <= most;
    for (const ValueOf& value : out.values) {
        for (const auto* c : {&f.baselineRight, &f.baselineLeft}) {
            if (*c) {
                extent({&**c, value}, least, most);
            }
        }
    }
    fitRange(out.panel, least, most);
    return out;
}

void drawPanel(Plot& plot, const RatesFigures& f, const PanelCurves& p, const std::string& title,
               int decimals, const std::string& missing) {
    plot.frame(p.panel, title, decimals);
    if (!p.any) {
        plot.say(p.panel, missing);
        return;
    }
    for (std::size_t k = 0; k < p.values.size(); ++k) {
        for (const auto* c : {&f.baselineRight, &f.baselineLeft}) {
            if (*c) {
                plot.draw({&**c, p.values[k]}, p.panel, kBaselineColor, Plot::Look::Baseline);
            }
        }
    }
    for (std::size_t k = 0; k < p.values.size(); ++k) {
        const Plot::Look look = k == 0 ? Plot::Look::Solid : Plot::Look::Dotted;
        plot.draw({&f.right, p.values[k]}, p.panel, colors::Red, look);
        plot.draw({&f.left, p.values[k]}, p.panel, colors::Green, look);
    }
    const std::optional<double> right =
        plot.nameEnd({&f.right, p.values[0]}, p.panel, "R", colors::Red);
    plot.nameEnd({&f.left, p.values[0]}, p.panel, "L", colors::Green, right);
}

std::string optionalText(const std::optional<double>& value, int decimals,
                         const std::string& unit) {
    return value ? fixedText(*value, decimals) + " " + unit : std::string("-");
}

std::string quantityText(Quantity quantity, const std::optional<double>& value, int decimals) {
    return optionalText(value ? std::optional<double>(shownQuantity(quantity, *value)) : value,
                        decimals, quantityUnitText(quantity));
}

} // namespace

RatesFigures ratesFigures(const SuspensionState& state, const Baseline* baseline) {
    RatesFigures f;
    const Travel travel{state.VU, state.VD};
    const SpringData& springs = state.Vehicle.springs;
    f.right = springCurves(state.RightCoords, springs.right, travel);
    f.left = springCurves(state.LeftCoords, springs.left, travel);
    f.rates = frontRates(state);
    if (baseline) {
        f.baselineRight = springCurves(baseline->RightCoords, springs.right, travel);
        f.baselineLeft = springCurves(baseline->LeftCoords, springs.left, travel);
    }
    return f;
}

std::vector<std::pair<std::string, std::string>> ratesTableRows(const FrontRates& r) {
    const RollStiffness& k = r.rollStiffness;
    const std::string lengthUnit = lengthUnitText();
    return {
        {"Wheel rate, right", quantityText(Quantity::Rate, r.wheelRateRight, 1)},
        {"Wheel rate, left", quantityText(Quantity::Rate, r.wheelRateLeft, 1)},
        {"Bar torsional stiffness",
         quantityText(Quantity::TorsionalStiffness, r.barTorsionalStiffness, 0)},
        {"Roll stiffness, springs", quantityText(Quantity::RollStiffness, k.springs, 0)},
        {"Roll stiffness, bar", quantityText(Quantity::RollStiffness, k.bar, 0)},
        {"Roll stiffness, front", quantityText(Quantity::RollStiffness, k.front, 0)},
        {"Roll stiffness, rear", quantityText(Quantity::RollStiffness, k.rear, 0)},
        {"Front share of roll stiffness", optionalText(k.frontSharePercent, 1, "%")},
        {"Roll axis height at the CG",
         r.rollAxisHeightAtCg ? fixedLength(*r.rollAxisHeightAtCg, 3) + " " + lengthUnit : "-"},
        {"Roll gradient", optionalText(r.rollGradient, 3, "deg/g")},
    };
}

void drawRatesPlot(Canvas& canvas, const RatesFigures& f) {
    canvas.setBackground(colors::Black);
    canvas.setScale(0, 0, 100, 100);
    canvas.setFont(Font{"MS Sans Serif", 8.25, false});
    canvas.setFillStyle(FillStyle::Transparent);
    canvas.setPenStyle(PenStyle::Solid);
    double low = 0, high = 0;
    for (const SpringCurves* c : {&f.right, &f.left}) {
        for (const SpringPosition& at : c->positions) {
            low = std::min(low, static_cast<double>(at.travel));
            high = std::max(high, static_cast<double>(at.travel));
        }
    }
    if (!(high > low)) {
        low = -1;
        high = 1;
    }
    Plot plot(canvas, low, high);
    drawPanel(plot, f, panelOf(f, {springRatio(), damperRatio()}, 4, 30),
              "spring motion ratio (damper dotted)", 2, "no spring or damper is set");
    drawPanel(plot, f, panelOf(f, {barRatio()}, 35, 61), "anti-roll bar link ratio", 2,
              "no anti-roll bar link is set");
    drawPanel(plot, f, panelOf(f, {wheelRate()}, 66, 92),
              "wheel rate (" + quantityUnitText(Quantity::Rate) + ")", 0, "no spring rate is set");
    plot.travelAxis(93);
}

} // namespace velmora
