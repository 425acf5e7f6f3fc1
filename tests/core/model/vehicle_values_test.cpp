#include "model/shown_length.h"
#include "model/vehicle_data.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// In millimetres the roll centre height reads in mm, the weight in kg and the roll stiffness in
// Nm/deg; the share stays a share. Only the roll centre height is a length.
TEST(VehicleValues, MessagesGiveTheLimitsInTheDisplayUnit) {
    const struct {
        VehicleValue which;
        double value;
        const char* millimetres;
    } cases[] = {
        {VehicleValue::VehicleWeight, 0,
         "Vehicle weight 0 must be from 0.45359237 to 45359.237 kg"},
        {VehicleValue::FrontWeightPercent, -1, "Front weight share -1 must be from 0 to 100 %"},
        {VehicleValue::RearRollStiffness, 2e8,
         "Rear roll stiffness 22596965.8055233 must be from 0 to 11298482.9027617 Nm/deg"},
        {VehicleValue::RearRollCenterHeight, 1001,
         "Rear roll centre height 25425.4 must be from -2540 to 25400 mm"},
    };
    const ScopedDisplayUnit millimetres(LengthUnit::Millimetres);
    for (const auto& c : cases) {
        EXPECT_EQ(vehicleValueProblem(c.which, c.value), c.millimetres);
        EXPECT_EQ(isLengthValue(c.which), c.which == VehicleValue::RearRollCenterHeight);
        EXPECT_NEAR(typedVehicleValue(c.which, shownVehicleValue(c.which, 3.5)), 3.5, 1e-12);
    }
}

} // namespace
} // namespace velmora
