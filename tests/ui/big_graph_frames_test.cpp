#include "big_graph_fixture.h"

#include <QListWidget>

namespace velmora::testing {
namespace {

TEST_F(BigGraphTest, ShowDataFillsTheTableAndOkHidesIt) {
    window->showGraph(GraphKind::ForeAft);
    click("btnShwData");
    EXPECT_TRUE(control("frmDataTable")->isVisible());
    const std::string positions = text("lblDataPos");
    EXPECT_EQ(positions.rfind("Position\n\n9\n8.25\n7.5\n", 0), 0u) << positions;
    EXPECT_NE(positions.find("\n0\n-0.75\n"), std::string::npos);
    EXPECT_TRUE(positions.ends_with("\n-9\n"));
    const std::string values = text("lblDataMeas");
    EXPECT_EQ(values.rfind("Inches\n\n", 0), 0u);
    // Fore/aft shows magnitudes only.
    EXPECT_EQ(values.find('-'), std::string::npos);

    // Stepping does not rebuild the table.
    click("btnMovDown");
    EXPECT_EQ(text("lblDataPos"), positions);

    click("btnDataTableOK");
    EXPECT_FALSE(control("frmDataTable")->isVisible());
}

TEST_F(BigGraphTest, SuggestionsFillTheListAndOkHidesIt) {
    window->showGraph(GraphKind::Camber);
    click("btnSuggest");
    EXPECT_TRUE(control("frmSuggest")->isVisible());
    auto* list = control<QListWidget>("lstSuggest");
    ASSERT_GT(list->count(), 10);
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
    }
    EXPECT_TRUE(items.contains(QStringLiteral("Background:")));
    EXPECT_TRUE(items.contains(QStringLiteral("Camber gain is critical in")));
    EXPECT_TRUE(items.contains(QStringLiteral("Suggestions:")));

    // Pressing again rebuilds rather than appends.
    click("btnSuggest");
    EXPECT_EQ(list->count(), items.size());

    click("btnSuggestOK");
    EXPECT_FALSE(control("frmSuggest")->isVisible());
}

TEST_F(BigGraphTest, ReturnHidesTheWindowAndTheFramesKeepTheirVisibility) {
    window->showGraph(GraphKind::Caster);
    click("btnShwData");
    click("btnReturn");
    EXPECT_FALSE(window->isVisible());

    window->showGraph(GraphKind::SideScrub);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(control("frmDataTable")->isVisible());
    EXPECT_FALSE(control("frmSuggest")->isVisible());
    // The table still shows what it showed: it is rebuilt only by its button.
    EXPECT_EQ(text("lblDataMeas").rfind("Deg\n\n", 0), 0u);
}

} // namespace
} // namespace velmora::testing
