#include "analysis/graph_view.h"

#include "model/number_text.h"
#include "model/shown_length.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velmora {
namespace {

// The static position VU / VY + 1 (single precision), rounded to the nearest point with ties
// to even, kept on the curve.
int staticPosition(float vu, float vy, int n) {
    const double position = static_cast<double>(staticIndex(vu, vy));
    if (!std::isfinite(position)) {
        return 1;
    }
    return static_cast<int>(std::clamp(roundHalfEven(position), 1.0, static_cast<double>(n)));
}

// A travel as the labels and the position column give it: general format, in millimetres to
// the hundredth.
std::string travelText(float inches) {
    return showsMillimetres() ? captionLength(inches) : generalText(inches);
}

// A reading of a length curve in the display unit, signed: thousandths of an inch or
// hundredths of a millimetre.
double roundedLength(double inches) {
    if (!showsMillimetres()) {
        return roundThousandths(inches);
    }
    const double mm = std::nearbyint(shownLength(inches) * 100.0) / 100.0;
    return mm == 0.0 ? 0.0 : mm;
}

// An axis label of a length curve: the tick's position in inches named in millimetres.
std::string axisLengthLabel(const std::string& inchLabel) {
    if (inchLabel.empty()) {
        return inchLabel;
    }
    return captionLength(std::strtod(inchLabel.c_str(), nullptr));
}

} // namespace

bool showsLength(const GraphSelection& shown) {
    return shown.SideScrubGraph || shown.ForeAftGraph;
}

std::string joinedCaption(const std::string& heading, const std::vector<std::string>& lines) {
    std::string caption = heading + "\n\n";
    for (const std::string& line : lines) {
        caption += line;
        caption += '\n';
    }
    return caption;
}

std::string signedColumnHint(const GraphSelection& shown) {
    if (shown.ForeAftGraph) {
        return "rear +";
    }
    return shown.BumpSteerGraph ? "out +" : "";
}

std::string signedColumnValue(double value) {
    return SignedText(roundThousandths(value)); // rounding turns -0 into 0
}

std::string signedColumnValue(const GraphSelection& shown, double value) {
    return showsLength(shown) ? SignedText(roundedLength(value)) : signedColumnValue(value);
}

std::string signedColumnCaption(const GraphSelection& shown, const std::string& heading,
                                const std::vector<std::string>& lines) {
    std::string caption = joinedCaption(heading, lines);
    caption.insert(heading.size() + 1, signedColumnHint(shown));
    return caption;
}

AxisChoice lengthAxis(AxisChoice inchAxis) {
    if (!showsMillimetres()) {
        return inchAxis;
    }
    AxisLabels& l = inchAxis.labels;
    for (std::string* label :
         {&l.negative3, &l.negative2, &l.negative1, &l.positive1, &l.positive2, &l.positive3}) {
        *label = axisLengthLabel(*label);
    }
    return inchAxis;
}

AxisChoice chooseAxis(float first, float last) {
    const float a = std::fabs(first);
    const float b = std::fabs(last);
    if (a > 8.0f || b > 8.0f) {
        return {16.0f, {"-12", "-8", "-4", "4", "8", "12"}};
    }
    if (a > 4.0f || b > 4.0f) {
        return {8.0f, {"-6", "-4", "-2", "2", "4", "6"}};
    }
    if (a > 2.0f || b > 2.0f) {
        return {4.0f, {"-3", "-2", "-1", "1", "2", "3"}};
    }
    if (a > 0.2f || b > 0.2f) {
        return {2.0f, {"", "-1", "", "", "1", ""}};
    }
    return {0.2f, {"", "-0.1", "", "", "0.1", ""}};
}

TravelLabels travelLabels(float VU, float VD) {
    const float d = (VU + VD) / 8.0f;
    const auto at = [VU, d](float steps) {
        const float offset = steps * d;
        return travelText(VU - offset);
    };
    return {at(0), at(1), at(2), at(3), at(5), at(6), at(7), at(8)};
}

std::string graphWindowCaption(bool rightActive, GraphKind kind) {
    std::string caption = rightActive ? "Right" : "Left";
    switch (kind) {
    case GraphKind::Camber:
        return caption + " Camber Analysis";
    case GraphKind::SideScrub:
        return caption + " Side Scrub Analysis";
    case GraphKind::BumpSteer:
        return caption + " Bump Steer Analysis";
    case GraphKind::Caster:
        return caption + " Caster Analysis";
    case GraphKind::ForeAft:
        return caption + " Fore/Aft Analysis";
    }
    return caption;
}

std::string DataTable::positionCaption() const {
    return joinedCaption(positionHeading, positions);
}

std::string DataTable::valueCaption() const {
    return joinedCaption(valueHeading, values);
}

const Curve& selectedCurve(const SuspensionState& state) {
    if (state.CamberGraph) {
        return state.CamberChange;
    }
    if (state.SideScrubGraph) {
        return state.SideScrub;
    }
    if (state.CasterGraph) {
        return state.CasterChange;
    }
    if (state.ForeAftGraph) {
        return state.ForeAft;
    }
    return state.BumpSteer;
}

void GraphView::initialise(const SuspensionState& state) {
    vu_ = state.VU;
    vd_ = state.VD;
    vy_ = state.VY;
    flags_ = state.graphSelection();
    rightActive_ = state.Right_Active;
    // Without a usable step there is one point: the static one.
    const bool steps = vy_ > 0.0f && std::isfinite(vy_);
    numPoints_ = steps ? std::clamp(positionCount(vu_, vd_, vy_), 1, kMaxPositions) : 1;

    graphData_ = Curve{};
    const Curve& curve = selectedCurve(state);
    std::copy(curve.begin() + 1, curve.end(), graphData_.begin() + 1);

    axis_ = chooseAxis(graphData_[1], graphData_[static_cast<std::size_t>(numPoints_)]);
    if (showsLength(flags_)) {
        axis_ = lengthAxis(axis_);
    }
    travelLabels_ = velmora::travelLabels(vu_, vd_);

    // Point 1 (full bump) on the top edge, point n (full rebound) on the bottom edge of a
    // 100 x 100 surface; a single point stays on the top edge.
    plotX_ = Curve{};
    plotY_ = Curve{};
    const float xScale = 50.0f / axis_.XRange;
    const float yStep = numPoints_ > 1 ? 100.0f / static_cast<float>(numPoints_ - 1) : 0.0f;
    for (int i = 1; i <= numPoints_; ++i) {
        const auto index = static_cast<std::size_t>(i);
        plotX_[index] = 50.0f + xScale * graphData_[index];
        plotY_[index] = yStep * static_cast<float>(i - 1);
    }

    curPos_ = steps ? staticPosition(vu_, vy_, numPoints_) : 1;
    wheelPos_ = 0.0f;
}

bool GraphView::stepDown() {
    if (curPos_ >= numPoints_) {
        return false;
    }
    ++curPos_;
    wheelPos_ = wheelPos_ - vy_;
    return true;
}

bool GraphView::stepUp() {
    if (curPos_ <= 1) {
        return false;
    }
    --curPos_;
    wheelPos_ = wheelPos_ + vy_;
    return true;
}

std::string GraphView::UpdateMessage() const {
    const float value = graphData_[static_cast<std::size_t>(curPos_)];
    const double rounded = showsLength(flags_) ? roundedLength(value) : roundThousandths(value);
    const std::string wheelPosition =
        showsMillimetres() ? SignedText(roundedLength(wheelPos_)) : SignedText(wheelPos_);
    std::string message = "At wheel position " + wheelPosition + " ";
    if (flags_.CamberGraph) {
        message += "add " + SignedText(rounded) + " deg to static camber";
    } else if (flags_.CasterGraph) {
        message += "add " + SignedText(rounded) + " deg to static caster";
    } else if (flags_.ForeAftGraph) {
        message += "wheel moves " + SignedText(std::fabs(rounded)) + " " + lengthWord();
        if (value > 0.0f) {
            message += " to the rear";
        } else if (value < 0.0f) {
            message += " to the front";
        }
    } else if (flags_.SideScrubGraph) {
        message += "tire patch moves " + SignedText(rounded) + " " + lengthWord() + " sideways";
    } else if (flags_.BumpSteerGraph) {
        message += "this setup has " + SignedText(std::fabs(rounded)) + " deg";
        message += value > 0.0f ? " toe out" : " toe in";
    }
    return message;
}

DataTable GraphView::PutDataInDataTable() const {
    DataTable table;
    const bool degrees = flags_.CasterGraph || flags_.CamberGraph || flags_.BumpSteerGraph;
    table.valueHeading = degrees ? "Deg" : lengthHeading();
    const bool magnitude = flags_.ForeAftGraph || flags_.BumpSteerGraph;

    float position = vu_;
    for (int i = 1; i <= numPoints_; ++i) {
        table.positions.push_back(travelText(position));
        position = position - vy_;

        const float value = graphData_[static_cast<std::size_t>(i)];
        const double rounded = degrees ? roundThousandths(value) : roundedLength(value);
        table.values.push_back(SignedText(magnitude ? std::fabs(rounded) : rounded));
    }
    return table;
}

} // namespace velmora
