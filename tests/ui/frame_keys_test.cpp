// The keyboard in the data-entry frames: Escape cancels, Enter presses the focused button,
// and moving about with Shift+Tab never wipes a value.
#include "data_entry_fixture.h"
#include "model/entry_text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <functional>
#include <vector>

namespace velmora::testing {
namespace {

using FrameKeysTest = DataEntryTest;

void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &event);
}

void focusIn(QWidget* widget) {
    QFocusEvent event(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(widget, &event);
}

TEST_F(FrameKeysTest, EscapeInEveryFrameDoesWhatItsCancelDoes) {
    storeCoordinates(false, plausible());
    struct Case {
        const char* frame;
        std::function<void()> open;
        const char* focused; // the box or button Escape is pressed on
        const char* shownAfter;
    };
    const std::vector<Case> cases = {
        {"frmTravel", [&] { menu("mnuOptTravel")->trigger(); }, "txtTravelBump", nullptr},
        {"frmVehicle", [&] { menu("mnuVehicleData")->trigger(); }, "btnVehicleOK", nullptr},
        {"frmXYZ", [&] { click("btnDimLXYZ"); }, "txtXYZ_12", nullptr},
        {"frmDimentions", [&] { click("btnDimLTop"); }, "txtDimA", nullptr},
        {"frmHelp",
         [&] {
             click("btnDimLTop");
             click("btnDimHelp");
         },
         "btnHelpNext", "frmDimentions"},
    };
    for (const Case& c : cases) {
        c.open();
        ASSERT_TRUE(control(c.frame)->isVisible()) << c.frame;
        press(control(c.focused), Qt::Key_Escape);
        EXPECT_FALSE(control(c.frame)->isVisible()) << c.frame;
        if (c.shownAfter != nullptr) {
            EXPECT_TRUE(control(c.shownAfter)->isVisible()) << c.frame;
            press(control("txtDimA"), Qt::Key_Escape);
        }
        EXPECT_TRUE(control("btnLeft")->isEnabled()) << c.frame << ": the window is live again";
        EXPECT_EQ(window->state().LeftCoords, plausible()) << c.frame;
        EXPECT_FLOAT_EQ(window->state().VU, 3.0f);
    }
}

TEST_F(FrameKeysTest, EnterPressesTheFocusedButtonAndShiftTabWipesNothing) {
    storeCoordinates(false, plausible());
    click("btnDimLXYZ");
    // Shift goes down before each Tab, on the armed box Shift+Tab then leaves.
    for (const int index : {21, 12, 3}) {
        focusIn(tableBox(index));
        press(tableBox(index), Qt::Key_Shift, Qt::ShiftModifier);
        press(tableBox(index), Qt::Key_Backtab, Qt::ShiftModifier);
    }
    for (const int index : {21, 12, 3}) {
        EXPECT_EQ(tableBox(index)->text(),
                  QString::fromStdString(coordinateCellText(plausible()[index])))
            << index;
    }
    press(control("btnXYZOK"), Qt::Key_Return);
    EXPECT_FALSE(control("frmXYZ")->isVisible());
    EXPECT_EQ(window->state().LeftCoords, plausible());

    menu("mnuOptTravel")->trigger();
    box("txtTravelBump")->setText("4");
    press(control("btnTravelOK"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(control("frmTravel")->isVisible());
    EXPECT_FLOAT_EQ(window->state().VU, 4.0f);
}

} // namespace
} // namespace velmora::testing
