#include "model/shown_length.h"
#include "model/vehicle_data.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The roll centre height is a length, given in the display unit; the weight, its share and the
// roll stiffness are not.
TEST(VehicleValues, OnlyTheRollCentreHeightOfTheNewValuesIsALength) {
    const struct {
        VehicleValue which;
        double value;
        const char* millimetres;
    } cases[] = {
        {VehicleValue::VehicleWeight, 0, "Vehicle weight 0 must be from 1 to 100000 lb"},
        {VehicleValue::FrontWeightPercent, -1, "Front weight share -1 must be from 0 to 100 %"},
        {VehicleValue::RearRollStiffness, 2e8,
         "Rear roll stiffness 200000000 must be from 0 to 100000000 lb in/deg"},
        {VehicleValue::RearRollCenterHeight, 1001,
         "Rear roll centre height 25425.4 must be from -2540 to 25400 mm"},
    };
    const ScopedDisplayUnit millimetres(LengthUnit::Millimetres);
    for (const auto& c : cases) {
        EXPECT_EQ(vehicleValueProblem(c.which, c.value), c.millimetres);
        EXPECT_EQ(isLengthValue(c.which), c.which == VehicleValue::RearRollCenterHeight);
    }
}

} // namespace
} // namespace velmora
