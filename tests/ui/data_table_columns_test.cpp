#include "big_graph_fixture.h"

#include "analysis/baseline.h"
#include "ui/analysis/baseline_view.h"
#include "ui/widgets/proportional_layout.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>

#include <algorithm>
#include <utility>
#include <vector>

namespace velmora::testing {
namespace {

class DataTableColumnsTest : public BigGraphTest {
protected:
    QSize natural() const {
        return kBigGraphDesignTwips * ProportionalLayout::kNaturalPixelsPerTwip;
    }
    double tableFontSize() const { return control<QLabel>("lblDataPos")->font().pointSizeF(); }
};

// The table's type follows the window like the other texts, however often it is resized.
TEST_F(DataTableColumnsTest, TheTableTypeScalesWithTheWindowAfterShowData) {
    window->showGraph(GraphKind::Camber);
    click("btnShwData");
    const double atNatural = tableFontSize();
    window->resize(natural() * 2);
    const double grown = tableFontSize();
    window->resize(natural());
    EXPECT_EQ(tableFontSize(), atNatural);
    window->resize(natural() * 2);
    EXPECT_EQ(tableFontSize(), grown);
    EXPECT_GT(grown, atNatural);
}

// Every mix of the optional columns at two window sizes: the texts of the columns shown
// stand side by side without touching, in one type so the rows line up, and in one order:
// Position, the values, Base, 3-D, Gauge.
TEST_F(DataTableColumnsTest, NoColumnOverlapsAnotherInAnyMix) {
    state.Vehicle.readings = {{true, 4.5f, 0.05f}, {true, -1.5f, -0.03f}};
    window->showGraph(GraphKind::BumpSteer);
    const auto* frame = control<QGroupBox>("frmDataTable");
    const auto readings = state.Vehicle.readings;
    for (const QSize size : {natural(), natural() * 2}) {
        window->resize(size);
        QPoint valuesAt;
        for (int mix = 0; mix < 8; ++mix) {
            const bool gauge = mix & 1, rigid = mix & 2, base = mix & 4;
            SCOPED_TRACE(::testing::Message() << "gauge " << gauge << " 3-D " << rigid << " base "
                                              << base << " at " << size.width());
            state.Vehicle.readings = gauge ? readings : std::vector<BumpSteerReading>{};
            window->baselineView().setBaseline(base ? std::optional(baselineOf(state))
                                                    : std::nullopt);
            control<QCheckBox>("chk3D")->setChecked(rigid);
            click("btnShwData");

            std::vector<std::pair<int, int>> inks; // left and right of each column's text
            std::vector<std::pair<int, QString>> order;
            for (const QLabel* column : frame->findChildren<QLabel*>()) {
                if (column->isHidden()) {
                    continue;
                }
                EXPECT_EQ(column->font(), control("lblDataMeas")->font())
                    << column->objectName().toStdString();
                int widest = 0;
                for (const QString& line : column->text().split('\n')) {
                    widest = std::max(widest, column->fontMetrics().horizontalAdvance(line));
                }
                EXPECT_LE(column->x() + widest, frame->width());
                inks.emplace_back(column->x(), column->x() + widest);
                order.emplace_back(column->x(), column->objectName());
            }
            EXPECT_EQ(inks.size(), 2u + gauge + rigid + base);
            std::sort(inks.begin(), inks.end());
            for (std::size_t i = 1; i < inks.size(); ++i) {
                EXPECT_LT(inks[i - 1].second, inks[i].first) << "column " << i;
            }
            std::sort(order.begin(), order.end());
            QStringList names;
            for (const auto& [x, name] : order) {
                names << name;
            }
            QStringList expected{"lblDataPos", "lblDataMeas"};
            for (auto [on, name] :
                 {std::pair{base, "lblDataBase"}, std::pair{rigid, "lblDataMeas3D"},
                  std::pair{gauge, "lblDataGauge"}}) {
                if (on) {
                    expected << QString::fromLatin1(name);
                }
            }
            EXPECT_EQ(names, expected);
            // Without an added column the designed columns stand where they always have.
            const QPoint at = control("lblDataMeas")->mapTo(window.get(), QPoint());
            valuesAt = mix == 0 ? at : valuesAt;
            EXPECT_EQ(at == valuesAt, mix == 0);
        }
    }
}

} // namespace
} // namespace velmora::testing
