#include "data_entry_fixture.h"

#include "model/shown_length.h"
#include "ui/chassis/dive_roll_window.h"
#include "ui/chassis/steering_window.h"
#include "ui/chassis/step_box.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

namespace velmora::testing {
namespace {

// Every test leaves the program in inches, as the next one expects.
class UnitsTest : public DataEntryTest {
protected:
    void TearDown() override {
        setDisplayUnit(LengthUnit::Inches);
        DataEntryTest::TearDown();
    }

    QByteArray savedBytes(const char* name) {
        const QString path = files.filePath(QString::fromLatin1(name));
        dialogs.saveAnswers.push_back(path);
        menu("mnuSave")->trigger();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll();
    }

    QTemporaryDir files;
};

TEST_F(UnitsTest, MillimetresAreTypedAndShownAndNothingStoredChanges) {
    open(examplePath("gm-dirt-oval.kqw"));
    const QByteArray before = savedBytes("before.kqw");
    for (int i = 0; i < 5; ++i) {
        menu("mnuUnitsMillimetres")->trigger();
        menu("mnuUnitsInches")->trigger();
    }
    EXPECT_EQ(savedBytes("switched.kqw"), before);

    menu("mnuUnitsMillimetres")->trigger();
    EXPECT_TRUE(menu("mnuUnitsMillimetres")->isChecked());
    EXPECT_FALSE(menu("mnuUnitsInches")->isChecked());

    // The table shows millimetres at one decimal and reads them back as typed.
    click("btnDimLXYZ");
    const float stored = window->document().project().left[3];
    EXPECT_EQ(tableBox(3)->text().toStdString(), lengthCellText(stored));
    tableBox(3)->setText(QStringLiteral("612.4"));
    click("btnXYZOK");
    EXPECT_EQ(window->document().project().left[3], storedInches(612.4, LengthUnit::Millimetres));
    click("btnDimLXYZ");
    EXPECT_EQ(tableBox(3)->text(), QStringLiteral(" 612.4"));
    click("btnXYZCancel");

    // The travel frame too: 50.8 mm of bump and rebound is 2 inches.
    menu("mnuOptTravel")->trigger();
    control<QLineEdit>("txtTravelBump")->setText(QStringLiteral("50.8"));
    control<QLineEdit>("txtTravelReb")->setText(QStringLiteral("50.8"));
    click("btnTravelOK");
    EXPECT_EQ(window->document().project().bump, 2.0f);
}

// Weights and stiffnesses read in kg and Nm/deg; OK on boxes left as shown keeps the pounds bit
// for bit, and a typed value is kept in pounds.
TEST_F(UnitsTest, VehicleDataReadsItsWeightAndStiffnessInNewtonsAndKilograms) {
    open(examplePath("with-vehicle-data/gm-dirt-oval-springs.kqw"));
    menu("mnuUnitsMillimetres")->trigger();
    const VehicleData before = window->state().Vehicle;
    menu("mnuVehicleData")->trigger();
    EXPECT_EQ(control<QLineEdit>("txtVehicleWeight")->text(), QStringLiteral("1406.136"));
    EXPECT_EQ(control<QLabel>("lblRearRollStiffness")->text(),
              QStringLiteral("Rear Roll Stiffness (Nm/deg)"));
    click("btnVehicleOK");
    EXPECT_EQ(window->state().Vehicle, before);
    menu("mnuVehicleData")->trigger();
    control<QLineEdit>("txtVehicleWeight")->setText(QStringLiteral("1500"));
    click("btnVehicleOK");
    EXPECT_EQ(*window->state().Vehicle.vehicleWeight, static_cast<float>(1500 / 0.45359237));

    // The Springs and Bar frame's reasons give their values in millimetres too.
    menu("mnuSprings")->trigger();
    control<QLineEdit>("txtBarWall")->setText(QStringLiteral("25"));
    click("btnSpringsOK");
    EXPECT_EQ(messages.messages.back().text, "The bar's wall 25 is thicker than its radius 12.7.");
}

// The dive box reads millimetres and steps by 2.5 mm; its value stays in inches.
TEST_F(UnitsTest, DiveIsTypedAndSteppedInMillimetres) {
    open(examplePath("gm-dirt-oval.kqw"));
    menu("mnuUnitsMillimetres")->trigger();
    menu("mnuDiveRoll")->trigger();
    auto* dive = window->windows().diveRoll->findChild<StepBox*>(QStringLiteral("txtDive"));
    ASSERT_NE(dive, nullptr);
    auto* text = dive->findChild<QLineEdit*>();
    text->setText(QStringLiteral("12.7"));
    dive->stepBy(1);
    EXPECT_DOUBLE_EQ(dive->value(), 15.2 / 25.4);
    EXPECT_EQ(text->text(), QStringLiteral("15.2"));
    menu("mnuUnitsInches")->trigger();
    EXPECT_EQ(text->text(), QString::number(15.2 / 25.4, 'g', 12));

    // The steering window's values line names the unit of its lengths.
    menu("mnuUnitsMillimetres")->trigger();
    menu("mnuSteering")->trigger();
    const QString values =
        window->windows().steering->findChild<QLabel*>(QStringLiteral("lblSteerValues"))->text();
    EXPECT_TRUE(values.startsWith(QStringLiteral("Rack 0.00 mm"))) << values.toStdString();
    EXPECT_TRUE(values.contains(QStringLiteral("patch height 0.00 mm"))) << values.toStdString();
}

} // namespace
} // namespace velmora::testing
