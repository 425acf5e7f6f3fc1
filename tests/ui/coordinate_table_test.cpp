#include "data_entry_fixture.h"

#include "model/entry_text.h"

#include <QLabel>
#include <QTest>

namespace velmora::testing {
namespace {

using CoordinateTableTest = DataEntryTest;

TEST_F(CoordinateTableTest, OpensWithTheStoredValuesAsSixCharacterTexts) {
    CoordinateSet set = plausible();
    set[9] = 0;
    set[1] = 100.25f;
    set[2] = 0.5f;
    set[19] = -3.25f;
    storeCoordinates(false, set);
    click("btnDimLXYZ");
    EXPECT_TRUE(control("frmXYZ")->isVisible());
    EXPECT_EQ(text("lblXYZSide"), "Left side");
    EXPECT_EQ(tableBox(9)->text(), "");
    EXPECT_EQ(tableBox(1)->text(), " 100.2");
    EXPECT_EQ(tableBox(2)->text(), " .5000");
    EXPECT_EQ(tableBox(19)->text(), "-3.249");
    EXPECT_EQ(tableBox(3)->text(), " 22.80");
    // The rest of the window is inert while the table is open.
    EXPECT_FALSE(control("frmLeft")->isEnabled());
    EXPECT_FALSE(control("btnLeft")->isEnabled());
    EXPECT_TRUE(control("btncoordprint")->isEnabled()); // the table prints what it shows
    EXPECT_EQ(text("lblXYZFractoDec").split('\n').size(), 15);
    EXPECT_TRUE(text("lblXYZFractoDec").startsWith("1/16 = 0.063\n1/8  = 0.125\n"));
}

TEST_F(CoordinateTableTest, ImpossibleCombinationsAreRefusedInOrderAndTheTableStaysOpen) {
    struct Case {
        int index;
        float value; // makes the comparison equal, which fails
        const char* text;
    };
    const CoordinateSet good = plausible();
    const Case cases[] = {
        {12, good[15],
         "Your lower ball joint must be lower than your upper ball joint.  Please enter correct "
         "information"},
        {10, 2 * (good[13] + good[14]) / 2 - good[11],
         "Your lower control arm pivot must be lower than your upper control arm pivot.  Please "
         "enter correct information"},
        {3, (good[1] + good[2]) / 2,
         "Your upper ball joint must be outboard of your upper control arm pivot.  Please enter "
         "correct information"},
        {6, (good[4] + good[5]) / 2,
         "Your lower ball joint must be outboard of your lower control arm pivot.  Please enter "
         "correct information"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        click("btnDimLXYZ");
        CoordinateSet set = good;
        set[c.index] = c.value;
        set[20] = 0; // an empty box later on does not matter: the check comes first
        fillTable(set);
        tableBox(20)->clear();
        messages.messages.clear();
        click("btnXYZOK");
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(lastMessage().title, "Impossible Combination");
        EXPECT_EQ(lastMessage().text, c.text);
        EXPECT_EQ(lastMessage().icon, MessageIcon::None);
        EXPECT_TRUE(control("frmXYZ")->isVisible());
        EXPECT_EQ(window->state().LeftCoords, CoordinateSet{});
        click("btnXYZCancel");
    }
}

TEST_F(CoordinateTableTest, EmptyOrUnfinishedBoxStoresTheBoxesBeforeItAndSaysDataIsMissing) {
    for (const char* bad : {"", "12.5abc"}) {
        SCOPED_TRACE(bad);
        CoordinateSet previous;
        previous[20] = 7;
        previous[26] = 9;
        storeCoordinates(false, previous);
        click("btnDimLXYZ");
        fillTable(plausible());
        tableBox(20)->setText(QString::fromLatin1(bad));
        messages.messages.clear();
        click("btnXYZOK");
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(lastMessage().title, "Missing data");
        EXPECT_EQ(lastMessage().text, "You are missing some coordinates.  Go back and look for an "
                                      "empty box in the XYZ coordinate table.");
        EXPECT_EQ(lastMessage().icon, MessageIcon::Warning);
        const CoordinateSet& stored = window->state().LeftCoords;
        for (int i = 1; i <= 19; ++i) {
            EXPECT_EQ(stored[i], plausible()[i]) << i;
        }
        EXPECT_EQ(stored[20], 7.0f);
        EXPECT_EQ(stored[21], 0.0f);
        EXPECT_EQ(stored[26], 9.0f);
        EXPECT_FALSE(control("frmXYZ")->isVisible());
        EXPECT_TRUE(control("frmLeft")->isEnabled());
        EXPECT_TRUE(control("btnLeft")->isEnabled());
        EXPECT_FALSE(control("frmGeo")->isEnabled());
    }
}

TEST_F(CoordinateTableTest, CompleteTableIsStoredAndTheCurvesFollow) {
    click("btnDimLXYZ");
    fillTable(plausible());
    click("btnXYZOK");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(window->state().LeftCoords, plausible());
    EXPECT_FALSE(control("frmXYZ")->isVisible());
    EXPECT_TRUE(control("frmGeo")->isEnabled());
    EXPECT_FLOAT_EQ(window->state().VY, 0.25f); // the side was swept
}

TEST_F(CoordinateTableTest, CancelDropsWhatWasTypedAndNeverTheStoredValues) {
    storeCoordinates(false, plausible());
    click("btnDimLXYZ");
    for (int i = 1; i <= 26; ++i) {
        tableBox(i)->setText(QStringLiteral("rubbish %1 \xe2\x80\x94 1e999").arg(i));
    }
    click("btnXYZCancel");
    EXPECT_EQ(window->state().LeftCoords, plausible());
    EXPECT_FALSE(control("frmXYZ")->isVisible());
    EXPECT_TRUE(control("frmGeo")->isEnabled());
    click("btnDimLXYZ");
    EXPECT_EQ(tableBox(1)->text(), QString::fromStdString(coordinateCellText(plausible()[1])));
}

TEST_F(CoordinateTableTest, TabRunsAcrossEachRowThenDownThenOkAndCancel) {
    click("btnDimLXYZ");
    const int order[] = {1,  10, 19, 2,  11, 20, 3,  12, 21, 4,  13, 22, 5,
                         14, 23, 6,  15, 24, 7,  16, 25, 8,  17, 26, 9,  18};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        EXPECT_EQ(tabFrom(tableBox(order[i])), tableBox(order[i + 1])) << order[i];
    }
    EXPECT_EQ(tabFrom(tableBox(18)), control("btnXYZOK"));
    EXPECT_EQ(tabFrom(control("btnXYZOK")), control("btnXYZCancel"));

    // An armed box takes only what is typed after it got the focus.
    QLineEdit* first = tableBox(1);
    first->setText("11.5");
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(first, &focus);
    QTest::keyClicks(first, "9.25");
    EXPECT_EQ(first->text(), "9.25");
}

TEST_F(CoordinateTableTest, MakeSymmetricalCopiesTheAcceptedSideToTheOther) {
    storeCoordinate(true, 5, 42);
    click("btnDimLXYZ");
    fillTable(plausible());
    click("btnDimSym");
    EXPECT_EQ(window->state().LeftCoords, plausible());
    EXPECT_EQ(window->state().RightCoords, window->state().LeftCoords);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(lastMessage().title, "Done");
    EXPECT_EQ(lastMessage().text, "Both sides now have the same dimensions.");
    // The table is open again over an inert window, and closes as usual.
    EXPECT_TRUE(control("frmXYZ")->isVisible());
    EXPECT_FALSE(control("btnRight")->isEnabled());
    click("btnXYZCancel");
    EXPECT_TRUE(control("btnRight")->isEnabled());

    // From the right side, the right set goes to the left.
    click("btnRight");
    storeCoordinates(false, CoordinateSet{});
    click("btnDimRXYZ");
    click("btnDimSym");
    EXPECT_EQ(window->state().LeftCoords, plausible());
}

TEST_F(CoordinateTableTest, MakeSymmetricalOnARefusedTableCopiesNothing) {
    storeCoordinates(true, plausible());
    click("btnDimLXYZ");
    fillTable(plausible());
    tableBox(12)->setText("1"); // top ball joint below the bottom one
    click("btnDimSym");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(lastMessage().title, "Impossible Combination");
    EXPECT_EQ(window->state().RightCoords, plausible());
    EXPECT_EQ(window->state().LeftCoords, CoordinateSet{});
    EXPECT_TRUE(control("frmXYZ")->isVisible());
}

} // namespace
} // namespace velmora::testing
