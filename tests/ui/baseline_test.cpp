#include "main_window_fixture.h"

#include "analysis/baseline.h"
#include "analysis/baseline_overlay.h"
#include "ui/analysis/big_graph.h"
#include "ui/widgets/blank_wrap_label.h"

namespace velmora::testing {
namespace {

class BaselineTest : public MainWindowTest {
protected:
    static std::string dumpOf(QWidget* owner, const char* surface) {
        return velmora::dump(
            owner->findChild<DrawingSurface*>(QString::fromLatin1(surface))->recording());
    }
    QLabel* graphLabel(const char* name) const {
        return window->windows().graph->findChild<QLabel*>(QString::fromLatin1(name));
    }
};

// The thumbnails and the graph window draw a baseline beneath the curves while it is set and
// exactly as before once it is cleared; a baseline read from another file leaves the project.
TEST_F(BaselineTest, SetOpenAndClearTheBaseline) {
    open(examplePath("gm-dirt-oval.kqw"));
    window->analyze(GraphKind::Camber);
    BigGraph* graph = window->windows().graph;
    const std::string thumbBefore = dumpOf(window.get(), "picCamber");
    const std::string graphBefore = dumpOf(graph, "picGraph");
    const std::string messageBefore = graphLabel("lblGeoMess")->text().toStdString();
    const SuspensionState project = window->state();
    EXPECT_FALSE(window->analysisWindows().hasBaseline());
    EXPECT_EQ(linesOf("picCamber", kBaselineColor), 0);

    menu("mnuSetBaseline")->trigger();
    ASSERT_TRUE(window->analysisWindows().hasBaseline());
    EXPECT_EQ(*window->analysisWindows().baseline(), baselineOf(project));
    EXPECT_GT(linesOf("picCamber", kBaselineColor), 24);
    EXPECT_GT(linesOf("picForeAft", kBaselineColor), 24);
    EXPECT_EQ(graphLabel("lblGeoMess")->text().toStdString(),
              messageBefore + " (baseline difference  0 deg)");
    const Recording& picGraph =
        graph->findChild<DrawingSurface*>(QStringLiteral("picGraph"))->recording();
    EXPECT_GT(linesIn(picGraph, kBaselineColor).size(), 24u);
    graph->findChild<QAbstractButton*>(QStringLiteral("btnShwData"))->click();
    EXPECT_TRUE(graphLabel("lblDataBase")->isVisible());
    // One order whichever columns are shown: the values, the baseline, the 3-D check.
    EXPECT_GT(graphLabel("lblDataBase")->x(), graphLabel("lblDataMeas")->x());
    graph->findChild<QAbstractButton*>(QStringLiteral("chk3D"))->click();
    graph->findChild<QAbstractButton*>(QStringLiteral("btnShwData"))->click();
    EXPECT_GT(graphLabel("lblDataBase")->x(), graphLabel("lblDataMeas")->x());
    EXPECT_GT(graphLabel("lblDataMeas3D")->x(), graphLabel("lblDataBase")->x());
    graph->findChild<QAbstractButton*>(QStringLiteral("chk3D"))->click();
    EXPECT_EQ(graphLabel("lblDataBase")->text().section('\n', 2),
              graphLabel("lblDataMeas")->text().section('\n', 2));

    // Another project as the baseline: a file that cannot be read keeps the one set.
    dialogs.openAnswers.push_back(QStringLiteral("/nonexistent/base.kqw"));
    menu("mnuOpenBaseline")->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, openErrorMessage().text);
    EXPECT_EQ(*window->analysisWindows().baseline(), baselineOf(project));
    dialogs.openAnswers.push_back(QString::fromStdString(examplePath("ford-asphalt-oval.kqw")));
    menu("mnuOpenBaseline")->trigger();
    EXPECT_NE(*window->analysisWindows().baseline(), baselineOf(project));
    EXPECT_EQ(window->state().LeftCoords, project.LeftCoords);
    EXPECT_EQ(window->state().Lfile, project.Lfile);
    EXPECT_NE(graphLabel("lblDataBase")->text(), graphLabel("lblDataMeas")->text());
    graph->stepUp(); // the curves part from the static position on
    EXPECT_EQ(graphLabel("lblGeoMess")->text().toStdString().find(" difference  0 deg"),
              std::string::npos);
    graph->stepDown();

    EXPECT_TRUE(menu("mnuClearBaseline")->isEnabled());
    menu("mnuClearBaseline")->trigger();
    EXPECT_FALSE(window->analysisWindows().hasBaseline());
    EXPECT_FALSE(menu("mnuClearBaseline")->isEnabled()) << "nothing left to clear";
    EXPECT_EQ(dumpOf(window.get(), "picCamber"), thumbBefore);
    EXPECT_EQ(dumpOf(graph, "picGraph"), graphBefore);
    EXPECT_EQ(graphLabel("lblGeoMess")->text().toStdString(), messageBefore);
    graph->findChild<QAbstractButton*>(QStringLiteral("btnShwData"))->click();
    EXPECT_FALSE(graphLabel("lblDataBase")->isVisible());
}

// The longest messages, a toe difference at the ends of the travel, fit the graph window's
// message label at its default size.
TEST_F(BaselineTest, TheLongestMessageFitsTheGraphWindow) {
    open(examplePath("gm-dirt-oval.kqw"));
    Baseline other = baselineOf(window->state());
    other.LeftCoords[13] += 1.5f;
    window->analysisWindows().setBaseline(other);
    for (const GraphKind kind : {GraphKind::BumpSteer, GraphKind::ForeAft}) {
        window->analyze(kind);
        BigGraph* graph = window->windows().graph;
        for (int step = 0; step < 30; ++step) {
            graph->stepDown();
        }
        auto* message = static_cast<BlankWrapLabel*>(graphLabel("lblGeoMess"));
        EXPECT_NE(message->text().indexOf(QStringLiteral("than the baseline")), -1)
            << message->text().toStdString();
        const QFontMetrics metrics(message->shownFont());
        EXPECT_LE((message->shownLines().size() - 1) * metrics.lineSpacing() + metrics.height(),
                  message->height())
            << message->text().toStdString();
    }
}

} // namespace
} // namespace velmora::testing
