#include "data_entry_fixture.h"

#include <QLineEdit>

#include <QApplication>
#include <QTest>

#include <functional>

namespace velmora::testing {
namespace {

using UndoTest = DataEntryTest;

// What the user sees of a project: its data, the curves of the active side, a small graph,
// the file label and the car-type marks.
struct Shown {
    Project project;
    Curve camber;
    Recording thumbnail;
    QString file;
    bool formulaChecked;

    bool operator==(const Shown&) const = default;
};

TEST_F(UndoTest, EveryCommandThatChangesTheProjectIsOneNamedStepBackAndForth) {
    const auto shown = [&] {
        return Shown{window->document().project(), window->state().CamberChange,
                     control<DrawingSurface>("picCamber")->recording(), text("lblfile"),
                     menu("mnuCarFormula")->isChecked()};
    };
    const auto type = [](QLineEdit* box, const char* text) {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(box, &focus);
        QTest::keyClicks(box, text);
    };
    const auto keys = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window.get(), key, modifiers);
    };
    struct Row {
        const char* command; // the step's name in the Edit menu
        std::function<void()> run;
        bool curvesAfter; // redo shows the curves the command left
    };
    const Row rows[] = {
        {"Coordinate Table",
         [&] {
             click("btnDimLXYZ");
             type(tableBox(1), "20");
             click("btnXYZOK");
             EXPECT_EQ(window->state().LeftCoords[1], 20.0f);
         },
         true},
        {"Make Symmetrical",
         [&] {
             click("btnDimLXYZ");
             type(tableBox(1), "20");
             click("btnDimSym");
             click("btnXYZCancel");
         },
         true},
        {"Dimensions",
         [&] {
             click("btnDimLTop");
             type(box("txtDimA"), "20");
             click("btnDimApply");
         },
         true},
        {"Open", [&] { open(examplePath("formula-road-course.kqw")); }, true},
        {"New", [&] { menu("mnuNew")->trigger(); }, false},
        {"Vehicle Data",
         [&] {
             menu("mnuVehicleData")->trigger();
             control<QLineEdit>("txtWheelbase")->setText(QStringLiteral("101"));
             click("btnVehicleOK");
         },
         true},
        {"Travel Range",
         [&] {
             menu("mnuOptTravel")->trigger();
             control<QLineEdit>("txtTravelBump")->setText(QStringLiteral("4"));
             click("btnTravelOK");
         },
         true},
        {"Car Type", [&] { menu("mnuCarFord")->trigger(); }, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        open(examplePath("gm-dirt-oval.kqw"));
        const Shown before = shown();
        row.run();
        const Shown after = shown();
        ASSERT_NE(after.project, before.project);
        ASSERT_TRUE(menu("mnuUndo")->isEnabled());
        EXPECT_EQ(menu("mnuUndo")->text(), QStringLiteral("&Undo ") + row.command);
        EXPECT_FALSE(menu("mnuRedo")->isEnabled());
        const std::size_t boxes = messages.messages.size();

        keys(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(shown(), before);
        EXPECT_TRUE(menu("mnuRedo")->isEnabled());
        EXPECT_EQ(menu("mnuRedo")->text(), QStringLiteral("&Redo ") + row.command);
        keys(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(shown().project, after.project);
        if (row.curvesAfter) {
            EXPECT_EQ(shown(), after);
        }
        keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // nothing more to redo
        EXPECT_EQ(shown().project, after.project);
        EXPECT_EQ(messages.messages.size(), boxes); // undo and redo say nothing
    }
}

TEST_F(UndoTest, GreyedWithNothingToUndoAndWhileATextBoxKeepsCtrlZForItsTyping) {
    EXPECT_FALSE(menu("mnuUndo")->isEnabled());
    EXPECT_FALSE(menu("mnuRedo")->isEnabled());
    open(examplePath("gm-dirt-oval.kqw"));
    EXPECT_TRUE(menu("mnuUndo")->isEnabled());

    const SuspensionState opened = window->state();
    click("btnDimLXYZ");
    EXPECT_FALSE(menu("mnuUndo")->isEnabled());
    QLineEdit* first = tableBox(1);
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(first, &focus);
    QTest::keyClicks(first, "20");
    QTest::keyClick(first, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(first->text(), "20");
    EXPECT_EQ(window->document().project().left, opened.LeftCoords);
    click("btnXYZCancel");
    EXPECT_TRUE(menu("mnuUndo")->isEnabled());
}

TEST_F(UndoTest, AnEditIsOneStepAndAStyleNoCommandNamesChecksNone) {
    open(examplePath("formula-road-course.kqw"));
    ASSERT_TRUE(window->state().FormulaCar);
    CoordinateSet changed = window->state().RightCoords;
    changed[3] += 0.25f;
    const CoordinateSet old = window->state().RightCoords;
    storeCoordinates(true, changed);
    EXPECT_EQ(window->state().RightCoords, changed);
    menu("mnuUndo")->trigger();
    EXPECT_EQ(window->state().RightCoords, old);

    // A project whose car style no command names keeps the text, and neither the Formula
    // car's rules nor a check mark of another style stay behind.
    QFile sample(QString::fromStdString(examplePath("formula-road-course.kqw")));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray other = sample.readAll().replace("\"formula\"", "\"Chevy\"");
    const QString path = printouts.filePath("chevy.kqw");
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write(other);
    written.close();
    open(path.toStdString());
    EXPECT_EQ(window->state().CarStyle, "Chevy");
    EXPECT_FALSE(window->state().FormulaCar);
    for (const char* style : {"mnuCarGM", "mnuCarFord", "mnuCarFormula"}) {
        EXPECT_FALSE(menu(style)->isChecked()) << style;
    }
    // Undoing that Open brings the Formula car back, marks and all.
    menu("mnuUndo")->trigger();
    EXPECT_TRUE(window->state().FormulaCar);
    EXPECT_TRUE(menu("mnuCarFormula")->isChecked());
}

} // namespace
} // namespace velmora::testing
