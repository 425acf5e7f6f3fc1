#include "model/shown_length.h"
#include "model/shown_quantity.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// Hand-worked figures: a 500 lb/in spring is 87.563 N/mm, 1000 lb-in/deg is 112.985 Nm/deg,
// 3100 lb is 1406.136 kg, steel's 11.5e6 psi is 79.29 GPa. In inches nothing changes.
TEST(ShownQuantity, MetricFiguresAndUnitsAndTheWayBack) {
    const struct {
        Quantity quantity;
        double kept, metric;
        const char *inchUnit, *metricUnit;
    } cases[] = {
        {Quantity::Rate, 500, 87.5634, "lb/in", "N/mm"},
        {Quantity::RollStiffness, 1000, 112.9848, "lb-in/deg", "Nm/deg"},
        {Quantity::TorsionalStiffness, 1000, 112.9848, "lb-in/rad", "Nm/rad"},
        {Quantity::Weight, 3100, 1406.1363, "lb", "kg"},
        {Quantity::Modulus, 11.5e6, 79.2897, "psi", "GPa"},
    };
    for (const auto& c : cases) {
        {
            const ScopedDisplayUnit inches(LengthUnit::Inches);
            EXPECT_EQ(shownQuantity(c.quantity, c.kept), c.kept);
            EXPECT_EQ(quantityUnitText(c.quantity), c.inchUnit);
        }
        const ScopedDisplayUnit millimetres(LengthUnit::Millimetres);
        EXPECT_NEAR(shownQuantity(c.quantity, c.kept), c.metric, 1e-4) << c.metricUnit;
        EXPECT_NEAR(typedQuantity(c.quantity, c.metric), c.kept, c.kept * 1e-6) << c.metricUnit;
        EXPECT_EQ(quantityUnitText(c.quantity), c.metricUnit);
    }
}

} // namespace
} // namespace velmora
