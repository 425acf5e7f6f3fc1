#include "data_entry_fixture.h"

#include "chassis/front_rates.h"
#include "chassis_pages/rates_drawing.h"
#include "ui/chassis/dive_roll_window.h"
#include "ui/chassis/rates_window.h"
#include "ui/chassis/springs_frame.h"
#include "ui/chassis/step_box.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

namespace velmora::testing {
namespace {

class SpringsRates : public DataEntryTest {
protected:
    void SetUp() override {
        DataEntryTest::SetUp();
        open(examplePath("with-vehicle-data/gm-dirt-oval-springs.kqw"));
    }
    const SpringData& springs() const { return window->document().project().vehicle.springs; }
};

// OK on what was shown changes nothing; a bad box is refused by name with the frame kept
// open; emptying a piece removes it as one undoable step.
TEST_F(SpringsRates, TheFrameEditsTheMountsThroughTheEditPath) {
    const SpringData before = springs();
    menu("mnuSprings")->trigger();
    click("btnSpringsOK");
    EXPECT_EQ(springs(), before);

    const struct {
        const char* box;
        const char* text;
        const char* says;
    } refused[] = {
        {"txtSpringR1", "abc", "Right spring arm mount Y \"abc\" is not a number"},
        {"txtSpringR6", "-5", "Right: the spring's rate -5 must be from 0"},
        {"txtSpringL4", "", "Left spring chassis mount Y is empty"},
        {"txtBarWall", "0.9", "The bar's wall 0.9 is thicker than its radius 0.5"},
    };
    for (const auto& r : refused) {
        menu("mnuSprings")->trigger();
        control<QLineEdit>(r.box)->setText(QString::fromLatin1(r.text));
        messages.messages.clear();
        click("btnSpringsOK");
        ASSERT_EQ(messages.messages.size(), 1u) << r.box;
        EXPECT_NE(messages.messages[0].text.find(r.says), std::string::npos)
            << messages.messages[0].text;
        EXPECT_TRUE(control<SpringsFrame>("frmSprings")->isVisible());
        click("btnSpringsCancel");
        EXPECT_EQ(springs(), before);
    }

    menu("mnuSprings")->trigger();
    for (int b = 7; b <= 12; ++b) {
        control<QLineEdit>(QStringLiteral("txtSpringL%1").arg(b).toLatin1().constData())->clear();
    }
    control<QComboBox>("cboSpringArmR2")->setCurrentIndex(1);
    click("btnSpringsOK");
    EXPECT_FALSE(springs().left.damper);
    EXPECT_EQ(springs().right.barLink->arm, ArmMember::Top);
    menu("mnuUndo")->trigger();
    EXPECT_EQ(springs(), before);
}

// The window's table is the rates of the project; with a baseline its curves are drawn too.
TEST_F(SpringsRates, RatesWindowShowsTheProjectsRatesAndTheBaseline) {
    menu("mnuRates")->trigger();
    RatesWindow* rates = window->windows().rates;
    ASSERT_NE(rates, nullptr);
    auto* table = rates->findChild<QTableWidget*>(QStringLiteral("tblRates"));
    const auto rows = ratesTableRows(frontRates(window->state()));
    ASSERT_EQ(table->rowCount(), static_cast<int>(rows.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        EXPECT_EQ(table->item(r, 0)->text().toStdString(),
                  rows[static_cast<std::size_t>(r)].second);
    }
    EXPECT_EQ(table->item(9, 0)->text(), QStringLiteral("2.550 deg/g"));
    EXPECT_FALSE(rates->figures().baselineRight);
    menu("mnuSetBaseline")->trigger();
    EXPECT_TRUE(rates->figures().baselineRight);
}

// The g boxes set the dive and roll to the state from g to the last digit; without the
// inputs they say what is missing and leave the state alone.
TEST_F(SpringsRates, DiveAndRollTakesItsStateFromLateralAndBrakingG) {
    menu("mnuDiveRoll")->trigger();
    DiveRollWindow* dr = window->windows().diveRoll;
    auto* lateral = dr->findChild<StepBox*>(QStringLiteral("txtLateralG"));
    auto* braking = dr->findChild<StepBox*>(QStringLiteral("txtBrakingG"));
    lateral->findChild<QLineEdit*>()->setText(QStringLiteral("1.2"));
    lateral->stepBy(0);
    braking->findChild<QLineEdit*>()->setText(QStringLiteral("0.3"));
    braking->stepBy(0);
    const StateFromG g = stateFromG(window->state(), *dr->frontEnd(), 1.2, 0.3);
    ASSERT_TRUE(g.solved);
    EXPECT_EQ(dr->dive(), g.state.dive);
    EXPECT_EQ(dr->roll(), g.state.roll);
    ASSERT_TRUE(dr->current()->kinematicRollCentre);

    open(examplePath("gm-dirt-oval.kqw"));
    lateral->stepBy(1);
    EXPECT_EQ(dr->roll(), g.state.roll); // nothing to find it from
    EXPECT_TRUE(dr->findChild<QLabel*>(QStringLiteral("lblRollMessage"))
                    ->text()
                    .contains(QStringLiteral("Vehicle weight is not set.")));
}

} // namespace
} // namespace velmora::testing
