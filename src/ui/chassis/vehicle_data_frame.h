#pragma once

#include "model/vehicle_data.h"

#include <QGroupBox>

#include <array>
#include <iterator>
#include <string>
#include <variant>

class QLabel;
class QPushButton;

namespace velmora {

class ArmedLineEdit;
class ProportionalLayout;

// The texts of the boxes, in the order of kVehicleValues.
inline constexpr std::size_t kVehicleBoxes = std::size(kVehicleValues);
using VehicleTexts = std::array<std::string, kVehicleBoxes>;

// What OK makes of the boxes: an empty box leaves its value unset; any other text must be a
// number the value can take. The first value that cannot be taken is refused with the reason
// naming it; the keys this version does not know stay as they were.
std::variant<VehicleData, std::string> acceptedVehicleData(const VehicleTexts& texts,
                                                           const VehicleData& before);

// "Vehicle Data": wheelbase, CG height, front brake share, steering ratio, the bump steer
// gauge length, the weight and its front share, and the rear axle's roll stiffness and roll
// centre height in armed boxes, OK and Cancel. Like the travel frame it only edits texts; the main
// window decides.
class VehicleDataFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit VehicleDataFrame(QWidget* parent = nullptr);

    void setValues(const VehicleData& data);
    VehicleTexts texts() const;
    void focusFirst();

    void addToLayout(ProportionalLayout& layout, const QRect& frameTwips);

signals:
    void okPressed();
    void cancelPressed();

private:
    std::array<QLabel*, kVehicleBoxes> labels_{};
    std::array<ArmedLineEdit*, kVehicleBoxes> boxes_{};
    QPushButton* btnOk_;
    QPushButton* btnCancel_;
};

} // namespace velmora
