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
    {"txtVehicleWeight", "lblVehicleWeight", "Vehicle Weight (lb)"},
    {"txtFrontWeight", "lblFrontWeight", "Front Weight Share (%)"},
    {"txtRearRollStiffness", "lblRearRollStiffness", "Rear Roll Stiffness (lb-in/deg)"},
    {"txtRearRollCentre", "lblRearRollCentre", "Rear Roll Centre Height (in)"},
};

QString shownCaption(const char* caption) {
    QString text = QString::fromLatin1(caption);
    if (showsMillimetres()) {
        text.replace(QStringLiteral("(in"), QStringLiteral("(mm"));
        text.replace(QStringLiteral(", 12 if"), QStringLiteral(", 304.8 if"));
        text.replace(QStringLiteral("(lb)"), QStringLiteral("(kg)"));
        text.replace(QStringLiteral("(lb-in/deg)"), QStringLiteral("(Nm/deg)"));
    }
    return text;
}

// The box's text for a kept value, in the display unit.
std::string valueBoxText(VehicleValue which, float value) {
    if (isLengthValue(which)) {
        return lengthBoxText(value);
    }
    const double shown = shownVehicleValue(which, value);
    return shown == value ? boxText(value) : boxText(static_cast<float>(shown));
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
        // A value shown in kilograms or newtons reads back a hair off its pounds: a box left as
        // it was shown keeps its value bit for bit.
        if (slot && texts[i] == valueBoxText(which, *slot)) {
            continue;
        }
        const TypedNumber typed = readTypedNumber(texts[i], {.blanksAround = true, .single = true});
        std::string name(vehicleLabel(which));
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        const double kept = typedVehicleValue(which, typed.value);
        const std::string problem =
            typed.ok() ? vehicleValueProblem(which, kept, texts[i]) : name + " " + typed.problem;
        if (!problem.empty()) {
            return problem + ", or empty when it is not known.";
        }
        // A length typed in mm is kept as the single nearest its inches, so it reads as typed.
        slot = isLengthValue(which) ? typedStoredLength(typed.value) : static_cast<float>(kept);
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
        boxes_[i]->setText(value ? QString::fromStdString(valueBoxText(kVehicleValues[i], *value))
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
        layout.add(labels_[k], QRect(960, 360 + 360 * i, 3495, 285));
    }
    const int buttons = 360 + 360 * static_cast<int>(kVehicleBoxes) + 120;
    layout.add(btnOk_, QRect(120, buttons, 1035, 375));
    layout.add(btnCancel_, QRect(1260, buttons, 1035, 375));
}

} // namespace velmora
