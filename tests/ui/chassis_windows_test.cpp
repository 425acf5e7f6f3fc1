#include "main_window_fixture.h"
#include "model/number_text.h"
#include "printing/recording_printer.h"
#include "ui/chassis/steering_window.h"
#include "ui/chassis/vehicle_data_frame.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace velmora::testing {
namespace {

using ChassisWindows = MainWindowTest;

TEST_F(ChassisWindows, VehicleDataFrameTakesGoodValuesAndRefusesBadOnesByName) {
    menu("mnuVehicleData")->trigger();
    auto* frame = control<VehicleDataFrame>("frmVehicle");
    ASSERT_TRUE(frame->isVisible());
    const struct {
        const char* box;
        const char* text;
        const char* says; // empty: accepted
    } entries[] = {
        {"txtWheelbase", "-108", "Wheelbase -108 must be from 1 to 1000 in"},
        {"txtWheelbase", "108.5", ""},
        {"txtCGHeight", "0", "Centre of gravity height 0 must be"},
        {"txtCGHeight", "16.25", ""},
        {"txtFrontBrake", "101", "Front brake share 101 must be from 0 to 100 %"},
        {"txtFrontBrake", "abc", "Front brake share \"abc\" is not a number"},
        {"txtFrontBrake", "1e-400", "Front brake share \"1e-400\" is not 0 but"},
        {"txtFrontBrake", "62", ""},
        {"txtGaugeLength", "-12", "Gauge length -12 must be"},
        {"txtGaugeLength", "24", ""},
    };
    for (const auto& e : entries) {
        if (!frame->isVisible()) {
            menu("mnuVehicleData")->trigger();
        }
        control<QLineEdit>(e.box)->setText(QString::fromLatin1(e.text));
        messages.messages.clear();
        click("btnVehicleOK");
        if (*e.says) {
            ASSERT_EQ(messages.messages.size(), 1u) << e.text;
            EXPECT_EQ(messages.messages[0].title, "Vehicle Data");
            EXPECT_NE(messages.messages[0].text.find(e.says), std::string::npos)
                << messages.messages[0].text;
            EXPECT_TRUE(frame->isVisible()) << "stays open to be corrected";
        } else {
            EXPECT_TRUE(messages.messages.empty()) << e.text;
            EXPECT_FALSE(frame->isVisible());
        }
    }
    const VehicleData& v = window->state().Vehicle;
    EXPECT_EQ(v.wheelbase, 108.5f);
    EXPECT_EQ(v.cgHeight, 16.25f);
    EXPECT_EQ(v.frontBrakePercent, 62.0f);
    EXPECT_FALSE(v.steeringRatio) << "an empty box is not set";
    EXPECT_EQ(v.gaugeLength, 24.0f);

    // Cancel keeps the values, New clears them, Open replaces them.
    menu("mnuVehicleData")->trigger();
    control<QLineEdit>("txtWheelbase")->setText(QStringLiteral("90"));
    click("btnVehicleCan");
    EXPECT_EQ(window->state().Vehicle.wheelbase, 108.5f);
    menu("mnuNew")->trigger();
    EXPECT_FALSE(window->state().Vehicle.hasBlock());
    VehicleData typed;
    typed.cgHeight = 3;
    window->document().apply(setVehicleDataEdit(typed));
    open(examplePath("with-vehicle-data/gm-dirt-oval.kqw"));
    EXPECT_EQ(window->state().Vehicle.wheelbase, 108.0f);
    EXPECT_EQ(window->state().Vehicle.cgHeight, 17.5f);
}

TEST_F(ChassisWindows, SteeringWindowDrawsPlotsAndPrintsItsPage) {
    open(examplePath("with-vehicle-data/gm-dirt-oval.kqw"));
    menu("mnuSteering")->trigger();
    auto* steering = window->windows().steering;
    ASSERT_NE(steering, nullptr);
    EXPECT_TRUE(steering->isVisible());
    EXPECT_EQ(steering->sweep().states.size(), 25u);
    EXPECT_TRUE(steering->sweep().messages.empty());
    EXPECT_GT(linesOf("picSteerPlot", colors::Red), 24);
    EXPECT_GT(linesOf("picSteerPlan", colors::Green), 3);
    EXPECT_NE(text("lblSteerValues").indexOf(QStringLiteral("Ackermann")), -1);

    // New empties the project: the open window says why it has nothing to show.
    menu("mnuNew")->trigger();
    EXPECT_NE(text("lblSteerValues").indexOf(QStringLiteral("not complete")), -1);

    // The page shows what the window shows: its wheelbase, the file label and, on the table's
    // last row, the steer of both wheels at the window's full rack travel.
    open(examplePath("with-vehicle-data/gm-dirt-oval.kqw"));
    click("btnSteerPrint");
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].name, "Steering");
    // Ctrl+P in the window is its Print button, and the File menu has the desktop's keys.
    steering->activateWindow();
    QApplication::setActiveWindow(steering);
    QTest::keyClick(steering, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printer.jobs.size(), 2u);
    for (const auto& [entry, keys] : {std::pair{"mnuNew", QKeySequence::New},
                                      {"mnuOpen", QKeySequence::Open},
                                      {"mnuSave", QKeySequence::Save}}) {
        EXPECT_EQ(menu(entry)->shortcut(), QKeySequence(keys)) << entry;
    }
    const std::string page = dumpPrintRecording(printer.jobs[0].operations);
    const SteerState& last = steering->sweep().states.back();
    ASSERT_TRUE(last.right.solved && last.left.solved);
    for (const std::string& shown : {std::string("wheelbase 108 in"), text("lblfile").toStdString(),
                                     fixedText(last.right.steer, 3) + "\"\nposition (29,",
                                     fixedText(last.left.steer, 3) + "\"\nposition (40,"}) {
        EXPECT_NE(page.find(shown), std::string::npos) << shown;
    }
    // A project the window cannot analyse has no page to print.
    menu("mnuNew")->trigger();
    EXPECT_FALSE(control<QAbstractButton>("btnSteerPrint")->isEnabled());
}

// The rack travel is judged like Dive and Roll's boxes: a refusal is said under the box, with
// no message box, and keeps the travel the curves were drawn for.
TEST_F(ChassisWindows, SteeringRackTravelIsRefusedUnderItsBox) {
    open(examplePath("with-vehicle-data/gm-dirt-oval.kqw"));
    menu("mnuSteering")->trigger();
    auto* steering = window->windows().steering;
    auto* box = control<QAbstractSpinBox>("txtSteerMaxRack");
    auto* edit = box->findChild<QLineEdit*>();
    const struct {
        const char* typed;
        const char* says; // empty: taken
        double rack;
    } entries[] = {
        {"abc", "Rack travel \"abc\" is not a number; it stays at 2.", 2},
        {"15", "Rack travel must be a number from 0 to 12 in; it stays at 2.", 2},
        {"0", "Rack travel must be a number from 0 to 12 in; it stays at 2.", 2},
        {"3", "", 3},
    };
    for (const auto& e : entries) {
        edit->setText(QString::fromLatin1(e.typed));
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(text("lblRackMessage").toStdString(), e.says) << e.typed;
        EXPECT_EQ(control("lblRackMessage")->isVisible(), *e.says != 0) << e.typed;
        EXPECT_EQ(steering->maxRack(), e.rack) << e.typed;
    }
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_NEAR(steering->sweep().states.back().rack, 3, 1e-12);
}

// A window destroyed while its rack box has the focus: the box's last "editing finished" must
// not reach the window half gone (Qt aborts on such a call).
TEST_F(ChassisWindows, TheSteeringWindowGoesWhileItsRackBoxHasTheFocus) {
    auto* steering = new SteeringWindow(window->state());
    steering->show();
    QApplication::setActiveWindow(steering);
    auto* box = steering->findChild<QAbstractSpinBox*>(QStringLiteral("txtSteerMaxRack"));
    box->setFocus();
    box->findChild<QLineEdit*>()->setText(QStringLiteral("3"));
    delete steering;
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace velmora::testing
