#include "chassis/anti_dive.h"
#include "chassis_pages/roll_figures.h"
#include "main_window_fixture.h"
#include "ui/chassis/dive_roll_window.h"
#include "ui/chassis/step_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace velmora::testing {
namespace {

class DiveRollWindowTest : public MainWindowTest {
protected:
    DiveRollWindow* openWindow() {
        open(examplePath("gm-dirt-oval.kqw"));
        menu("mnuDiveRoll")->trigger();
        DiveRollWindow* w = window->windows().diveRoll;
        EXPECT_NE(w, nullptr);
        return w;
    }
    template <typename T = QWidget> T* part(DiveRollWindow* w, const char* name) {
        T* found = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString message(DiveRollWindow* w) { return part<QLabel>(w, "lblRollMessage")->text(); }
};

TEST_F(DiveRollWindowTest, StepsRefusesAndFollowsTheProject) {
    DiveRollWindow* w = openWindow();
    ASSERT_TRUE(w->isVisible());
    ASSERT_NE(w->current(), nullptr);
    // The wheels' four rows and three anti-dive rows, then the whole car's heading and six
    // rows (both roll centres, track change, ground angle), each of those one cell over both
    // columns. All of it shows: no scroll bar, no cell cut off, and the missing vehicle data is
    // named.
    const auto* table = part<QTableWidget>(w, "tblDiveRoll");
    ASSERT_EQ(table->rowCount(), 4 + 3 + 1 + 6);
    EXPECT_EQ(table->verticalHeaderItem(7)->text().toStdString(), kWholeCarHeading);
    EXPECT_EQ(table->columnSpan(9, 0), 2);
    EXPECT_EQ(table->columnSpan(3, 0), 1);
    EXPECT_EQ(table->item(6, 0)->text().toStdString(), kAntiDiveNeedsData);
    EXPECT_LE(table->rowViewportPosition(13) + table->rowHeight(13), table->viewport()->height());
    for (int r = 0; r < table->rowCount(); ++r) {
        const bool spans = table->columnSpan(r, 0) == 2;
        for (int c = 0; c < (spans ? 1 : 2); ++c) {
            const int room =
                spans ? table->columnWidth(0) + table->columnWidth(1) : table->columnWidth(c);
            EXPECT_LT(table->fontMetrics().horizontalAdvance(table->item(r, c)->text()), room)
                << r << " " << c;
        }
    }
    EXPECT_FALSE(part<DrawingSurface>(w, "picDiveRoll")->recording().empty());

    auto* roll = part<StepBox>(w, "txtRoll");
    auto* rollText = roll->findChild<QLineEdit*>();
    ASSERT_NE(rollText, nullptr);
    roll->setFocus();
    QTest::keyClick(roll, Qt::Key_Up);
    QTest::keyClick(roll, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(w->roll(), 0.2);
    EXPECT_EQ(w->path().states.size(), std::size_t(DiveRollWindow::kPathSteps + 1));
    EXPECT_DOUBLE_EQ(w->current()->roll, 0.2);

    // A refused text says why and keeps both the text and the last good value.
    rollText->setText(QStringLiteral("12"));
    QTest::keyClick(roll, Qt::Key_Return);
    EXPECT_TRUE(
        message(w).contains(QStringLiteral("Roll 12 is outside -10 to 10 deg; it stays at")))
        << message(w).toStdString();
    EXPECT_EQ(rollText->text(), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(w->current()->roll, 0.2);
    rollText->setText(QStringLiteral("1e-400")); // not 0, but it would be taken as 0
    QTest::keyClick(roll, Qt::Key_Return);
    EXPECT_TRUE(message(w).contains(QStringLiteral("Roll \"1e-400\" is not 0 but too small")))
        << message(w).toStdString();
    rollText->setText(QStringLiteral("12"));
    QTest::keyClick(roll, Qt::Key_Up); // a step from a refused text would lose it
    EXPECT_EQ(rollText->text(), QStringLiteral("12"));
    rollText->setText(QStringLiteral("2"));
    QTest::keyClick(roll, Qt::Key_Return);
    EXPECT_TRUE(message(w).isEmpty());
    EXPECT_DOUBLE_EQ(w->current()->roll, 2);

    // Printing sends one page.
    part<QPushButton>(w, "btnRollPrint")->click();
    EXPECT_EQ(printer.jobs.size(), 1u);

    storeCoordinate(true, 1, 0);
    window->reselectActiveSide();
    EXPECT_EQ(w->current(), nullptr);
    EXPECT_TRUE(message(w).contains(QStringLiteral("The right side is not complete")));
    EXPECT_FALSE(part<QPushButton>(w, "btnRollPrint")->isEnabled());

    open(examplePath("ford-asphalt-oval.kqw")); // opening a project brings the window along
    ASSERT_NE(w->current(), nullptr);
    EXPECT_DOUBLE_EQ(w->current()->roll, 2);
}

} // namespace
} // namespace velmora::testing
