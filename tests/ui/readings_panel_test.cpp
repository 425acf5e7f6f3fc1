#include "analysis/readings_overlay.h"
#include "big_graph_fixture.h"
#include "core/drawing/recorded_ops.h"
#include "model/shown_length.h"
#include "ui/analysis/graph_sensitivity.h"
#include "ui/analysis/readings_panel.h"
#include "ui/analysis/sensitivity_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>

namespace velmora::testing {
namespace {

using ReadingsPanelTest = BigGraphTest;

void fill(QTableWidget& table, const std::vector<std::pair<const char*, const char*>>& rows) {
    table.setRowCount(0);
    for (const auto& [travel, reading] : rows) {
        const int row = table.rowCount();
        table.insertRow(row);
        table.setItem(row, 0, new QTableWidgetItem(QString::fromLatin1(travel)));
        table.setItem(row, 1, new QTableWidgetItem(QString::fromLatin1(reading)));
    }
}

std::size_t gaugeLines(const DrawingSurface& surface) {
    return linesIn(surface.recorder().operations(), kReadingColor).size();
}

TEST_F(ReadingsPanelTest, TypedRowsAreRefusedByRowKeptOnOkAndDrawnOverTheCurve) {
    window->showGraph(GraphKind::Camber);
    EXPECT_FALSE(control("btnReadings")->isVisible()) << "bump steer only";
    window->showGraph(GraphKind::BumpSteer);
    ASSERT_TRUE(control("btnReadings")->isVisible());
    const std::string before = dumpOf("picGraph");

    click("btnReadings");
    auto* frame = control<QGroupBox>("frmReadings");
    auto* table = control<QTableWidget>("tblReadings");
    ASSERT_TRUE(frame->isVisible());
    EXPECT_EQ(table->rowCount(), 1) << "one empty row to type into";
    click("btnReadingAdd");
    EXPECT_EQ(table->rowCount(), 2);

    // Bad text: refused by row and text, the frame stays open, nothing is stored.
    fill(*table, {{"3", "0.02"}, {"1", "0.01in"}});
    click("btnReadingsOK");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Row 2: \"0.01in\" is not a gauge reading in inches.");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(state.Vehicle.readings.empty());

    // Cancel and Escape keep nothing.
    click("btnReadingsCan");
    EXPECT_FALSE(frame->isVisible());
    click("btnReadings");
    fill(*table, {{"3", "0.02"}});
    pressKey(table, Qt::Key_Escape);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(state.Vehicle.readings.empty());
    EXPECT_EQ(dumpOf("picGraph"), before) << "no readings, no change to the picture";

    // OK stores the side's readings (the left side's stay), redraws and says so.
    state.Vehicle.readings = {{false, 1, 0.5f}};
    QSignalSpy changed(window.get(), &BigGraph::readingsAccepted);
    click("btnReadings");
    fill(*table, {{"-1.5", "-0.03"}, {"", ""}, {"4.5", "0.05"}, {"30", "0"}});
    click("btnReadingsOK");
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_NE(sink.messages[1].text.find("Row 4: \"30\""), std::string::npos);
    fill(*table, {{"-1.5", "-0.03"}, {"", ""}, {"4.5", "0.5"}});
    // A cell still being edited counts as typed.
    table->setCurrentCell(2, 1);
    table->editItem(table->item(2, 1));
    QLineEdit* editor = nullptr; // closed editors wait hidden for their deletion
    for (QLineEdit* e : table->viewport()->findChildren<QLineEdit*>()) {
        editor = e->isHidden() ? editor : e;
    }
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("0.05"));
    click("btnReadingsOK");
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(state.Vehicle.readings,
              (std::vector<BumpSteerReading>{
                  {false, 1, 0.5f}, {true, 4.5f, 0.05f}, {true, -1.5f, -0.03f}}));
    EXPECT_EQ(gaugeLines(*control<DrawingSurface>("picGraph")), 6u) << "two crosses, legend";

    // The data table's gauge column: the reading at 4.5 in lies on position 7.
    click("btnShwData");
    ASSERT_TRUE(control("lblDataGauge")->isVisible());
    const std::string column = text("lblDataGauge");
    EXPECT_EQ(column.rfind("Gauge\nout +\n\n\n\n\n\n\n", 0), 0u) << column;
    EXPECT_NE(column.find("\n .239\n"), std::string::npos) << column;

    // Reopened, the frame lists the side's readings from full bump down.
    click("btnReadings");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("4.5"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("-0.03"));
}

// In millimetres the readings and the Sensitivity list are typed and shown in millimetres; the
// readings are kept in inches.
TEST_F(ReadingsPanelTest, MillimetresAreTypedAndShownByTheReadingsAndTheSensitivityList) {
    window->showGraph(GraphKind::SideScrub);
    click("btnSensitivity");
    SensitivityWindow* list = window->sensitivity().list();
    ASSERT_NE(list, nullptr);
    const double inchChange = list->table()->item(0, 2)->text().toDouble();

    ScopedDisplayUnit mm(LengthUnit::Millimetres);
    click("btnSensitivity");
    const QString heading =
        list->findChild<QLabel*>(QStringLiteral("lblSensitivityHeading"))->text();
    EXPECT_TRUE(heading.contains(QStringLiteral("side scrub (mm)"))) << heading.toStdString();
    EXPECT_TRUE(heading.contains(QStringLiteral("grows by 3.175 mm,"))) << heading.toStdString();
    EXPECT_NEAR(list->table()->item(0, 2)->text().toDouble(), inchChange * 25.4, 25.4 * 5e-5);

    window->showGraph(GraphKind::BumpSteer);
    click("btnReadings");
    auto* table = control<QTableWidget>("tblReadings");
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("Travel (mm)"));
    EXPECT_EQ(text("lblReadingsInfo"),
              "Right side. Travel: mm, bump +.\nGauge: mm over 304.8 mm, toe out +.");
    fill(*table, {{"25.4", "0.8"}});
    click("btnReadingsOK");
    EXPECT_EQ(state.Vehicle.readings, (std::vector<BumpSteerReading>{
                                          {true, 1, storedInches(0.8, LengthUnit::Millimetres)}}));
    click("btnReadings");
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("25.4"));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("0.8"));
}

} // namespace
} // namespace velmora::testing
