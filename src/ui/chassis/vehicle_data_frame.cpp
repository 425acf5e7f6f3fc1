#include "ui/chassis/vehicle_data_frame.h"

#include "model/shown_length.h"

#include "model/entry_text.h"
#include "model/typed_number.h"
#include "ui/widgets/armed_line_edit.h"
#include "ui/widgets/frame_keys.h"
#include "ui/widgets/proportional_layout.h"

#include <QLabel>
#include <QPushButton>

#include <cctype>
#include <cmath>

namespace velmora {
namespace {

struct BoxDesign {
    const char* box;
    const char* label;
    const char* caption;
};

constexpr BoxDesign kBoxes[kVehicleBoxes] = {
    {"txtWheelbase", "lblWheelbase", "Wheelbase (in)"},
    {"txtCGHeight", "lblCGHeight", "CG Height above the Floor (in)"},
    {"txtFrontBrake", "lblFrontBrake", "Front Brake Share (%)"},
    {"txtSteerRatio", "lblSteerRatio", "Steering Ratio (in of rack per turn)"},
    {"txtGaugeLength", "lblGaugeLength", "Bump Steer Gauge (in, 12 if empty)"},
};

// Every value but the brake share is a length, typed and shown in the display unit.
bool isLength(VehicleValue which) {
    return which != VehicleValue::FrontBrakePercent;
}

QString shownCaption(const char* caption) {
    QString text = QString::fromLatin1(caption);
    if (showsMillimetres()) {
        text.replace(QStringLiteral("(in"), QStringLiteral("(mm"));
        text.replace(QStringLiteral(", 12 if"), QStringLiteral(", 304.8 if"));
    }
    return text;
}

bool blankText(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

std::variant<VehicleData, std::string> acceptedVehicleData(const VehicleTexts& texts,
                                                           const VehicleData& before) {
    VehicleData data = before;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const VehicleValue which = kVehicleValues[i];
        std::optional<float>& slot = vehicleValue(data, which);
        if (blankText(texts[i])) {
            slot.reset();
            continue;
        }
        const TypedNumber typed = readTypedNumber(texts[i], {.blanksAround = true, .single = true});
        std::string name(vehicleLabel(which));
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        const bool length = isLength(which);
        const double inches = length ? typedLength(typed.value) : typed.value;
        const std::string problem =
            typed.ok() ? vehicleValueProblem(which, inches, texts[i]) : name + " " + typed.problem;
        if (!problem.empty()) {
            return problem + ", or empty when it is not known.";
        }
        slot = length ? typedStoredLength(typed.value) : static_cast<float>(typed.value);
    }
    return data;
}

VehicleDataFrame::VehicleDataFrame(QWidget* parent)
    : QGroupBox(QStringLiteral("Vehicle Data"), parent) {
    setObjectName(QStringLiteral("frmVehicle"));
    setAutoFillBackground(true); // it lies over the side panel
    for (std::size_t i = 0; i < kVehicleBoxes; ++i) {
        boxes_[i] = new ArmedLineEdit(this);
        boxes_[i]->setObjectName(QString::fromLatin1(kBoxes[i].box));
        labels_[i] = new QLabel(QString::fromLatin1(kBoxes[i].caption), this);
        labels_[i]->setObjectName(QString::fromLatin1(kBoxes[i].label));
        labels_[i]->setBuddy(boxes_[i]);
    }
    btnOk_ = new QPushButton(QStringLiteral("OK"), this);
    btnOk_->setObjectName(QStringLiteral("btnVehicleOK"));
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnVehicleCan"));
    for (std::size_t i = 0; i + 1 < kVehicleBoxes; ++i) {
        setTabOrder(boxes_[i], boxes_[i + 1]);
    }
    setTabOrder(boxes_[kVehicleBoxes - 1], btnOk_);
    setTabOrder(btnOk_, btnCancel_);
    connect(btnOk_, &QPushButton::clicked, this, &VehicleDataFrame::okPressed);
    connect(btnCancel_, &QPushButton::clicked, this, &VehicleDataFrame::cancelPressed);
    new FrameKeys(*this, *btnCancel_);
}

void VehicleDataFrame::setValues(const VehicleData& data) {
    for (std::size_t i = 0; i < kVehicleBoxes; ++i) {
        const std::optional<float>& value = vehicleValue(data, kVehicleValues[i]);
        const bool length = isLength(kVehicleValues[i]);
        boxes_[i]->setText(
            value ? QString::fromStdString(length ? lengthBoxText(*value) : boxText(*value))
                  : QString());
        labels_[i]->setText(shownCaption(kBoxes[i].caption));
    }
}

VehicleTexts VehicleDataFrame::texts() const {
    VehicleTexts out;
    for (std::size_t i = 0; i < kVehicleBoxes; ++i) {
        out[i] = boxes_[i]->text().toStdString();
    }
    return out;
}

void VehicleDataFrame::focusFirst() {
    boxes_[0]->setFocus(Qt::OtherFocusReason);
}

void VehicleDataFrame::addToLayout(ProportionalLayout& layout, const QRect& frameTwips) {
    layout.add(this, frameTwips);
    for (int i = 0; i < static_cast<int>(kVehicleBoxes); ++i) {
        const auto k = static_cast<std::size_t>(i);
        layout.add(boxes_[k], QRect(120, 360 + 360 * i, 735, 285));
        layout.add(labels_[k], QRect(960, 360 + 360 * i, 2655, 285));
    }
    layout.add(btnOk_, QRect(120, 2280, 1035, 375));
    layout.add(btnCancel_, QRect(1260, 2280, 1035, 375));
}

} // namespace velmora
