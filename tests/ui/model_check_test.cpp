#include "big_graph_fixture.h"

#include <QCheckBox>
#include <QLabel>

#include <sstream>

namespace velmora::testing {
namespace {

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

const std::string kCyanLine = "color=0,255,255 pen=1 solid";

class ModelCheckTest : public BigGraphTest {
protected:
    QCheckBox* check() const { return control<QCheckBox>("chk3D"); }
};

TEST_F(ModelCheckTest, OffAtStartAndLeavesTheWindowAsItWas) {
    window->showGraph(GraphKind::BumpSteer);
    ASSERT_NE(check(), nullptr);
    EXPECT_EQ(check()->text(), "3-D check");
    EXPECT_FALSE(check()->isChecked());
    const std::string before = dumpOf("picGraph");
    EXPECT_EQ(count(before, kCyanLine), 0);

    check()->setChecked(true);
    check()->setChecked(false);
    EXPECT_EQ(dumpOf("picGraph"), before);
    click("btnShwData");
    EXPECT_FALSE(control("lblDataMeas3D")->isVisible());
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ModelCheckTest, OnDrawsTheThreeDCurveWithALegendAndKeepsItWhileStepping) {
    window->showGraph(GraphKind::Camber);
    check()->setChecked(true);
    const std::string on = dumpOf("picGraph");
    EXPECT_EQ(count(on, kCyanLine), 24 + 1); // 24 segments and the legend's line
    EXPECT_NE(on.find("classic"), std::string::npos);
    EXPECT_NE(on.find("3-D"), std::string::npos);
    // The marker is drawn last, on top of both curves.
    EXPECT_NE(on.rfind("circle"), std::string::npos);
    EXPECT_GT(on.rfind("circle"), on.rfind(kCyanLine));
    EXPECT_TRUE(sink.messages.empty());

    click("btnMovUP");
    const std::string stepped = dumpOf("picGraph");
    EXPECT_GT(count(stepped, kCyanLine), count(on, kCyanLine)); // redrawn over the erased marker
    EXPECT_GT(stepped.rfind("circle"), stepped.rfind(kCyanLine));
    // Activation keeps the check: it is a setting of the window, not of the graph.
    window->initialise();
    EXPECT_TRUE(check()->isChecked());
    EXPECT_EQ(dumpOf("picGraph"), on);
}

TEST_F(ModelCheckTest, DataTableGainsAThreeDColumn) {
    window->showGraph(GraphKind::BumpSteer);
    click("btnShwData");
    const QRect classic = control("lblDataMeas")->geometry();
    check()->setChecked(true);
    click("btnShwData");
    QLabel* column = control<QLabel>("lblDataMeas3D");
    ASSERT_TRUE(column->isVisible());
    const std::string values = column->text().toStdString();
    EXPECT_EQ(values.rfind("3-D\nout +\n", 0), 0u) << values;
    EXPECT_EQ(count(values, "\n"), 2 + 25);
    // Bump steer keeps its sign here, toe out positive; static is " 0".
    EXPECT_NE(values.find("\n-", 3), std::string::npos) << values;
    EXPECT_EQ(count(values, "\n 0\n"), 1);
    // Right of the classic values, in the same type.
    EXPECT_GT(column->x(), control("lblDataMeas")->x());
    EXPECT_EQ(column->font(), control("lblDataMeas")->font());

    // Turning it off while the table is open leaves the two designed columns.
    check()->setChecked(false);
    EXPECT_FALSE(column->isVisible());
    EXPECT_EQ(control("lblDataMeas")->geometry(), classic);
}

TEST_F(ModelCheckTest, AFailedThreeDSolutionShowsItsMessagesOnceAndDrawsWhatItHas) {
    // Arms of 5 in cannot carry the wheel 9 in either way: the 3-D solution stops at
    // 5.25 in of bump and of rebound, the classic sweep has its own messages.
    CoordinateSet corner;
    const float rows[9][3] = {{17, 15, 20}, {17, 15, 30}, {22, 15, 25}, {17, 7, 20}, {17, 7, 30},
                              {22, 7, 25},  {17, 9, 31},  {22, 9, 31},  {26, 11, 0}};
    for (int row = 1; row <= 9; ++row) {
        corner[row] = rows[row - 1][0];
        corner[9 + row] = rows[row - 1][1];
        if (row < 9) {
            corner[18 + row] = rows[row - 1][2];
        }
    }
    state.RightCoords = corner;
    CALC(state, sink);
    sink.messages.clear();

    window->showGraph(GraphKind::Camber);
    check()->setChecked(true);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].title, "3-D Check");
    EXPECT_NE(sink.messages[0].text.find("5.25"), std::string::npos);
    // Positions 0 to +-4.5 in: 13 points, 12 segments, plus the legend.
    EXPECT_EQ(count(dumpOf("picGraph"), kCyanLine), 12 + 1);
    EXPECT_EQ(dumpOf("picGraph").find("nan"), std::string::npos);

    window->initialise();
    check()->setChecked(false);
    check()->setChecked(true);
    click("btnShwData");
    EXPECT_EQ(sink.messages.size(), 2u);
    const std::string values = control<QLabel>("lblDataMeas3D")->text().toStdString();
    std::vector<std::string> lines;
    std::istringstream in(values);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 2u + 25u);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const bool reached = i - 2 >= 6 && i - 2 < 19; // positions 7..19
        EXPECT_EQ(lines[i].empty(), !reached) << i;
    }
}

// Ticking the check only adds a curve: the chosen wheel position and its reading stay. And
// the reading under the graph grows with the window like every other control.
TEST_F(ModelCheckTest, TogglingKeepsThePositionAndTheMessageScalesWithTheWindow) {
    window->showGraph(GraphKind::Camber);
    click("btnMovDown");
    click("btnMovDown");
    const int position = window->view().CurPos();
    const std::string reading = control<QLabel>("lblGeoMess")->text().toStdString();
    for (const bool on : {true, false}) {
        check()->setChecked(on);
        EXPECT_EQ(window->view().CurPos(), position) << on;
        EXPECT_EQ(control<QLabel>("lblGeoMess")->text().toStdString(), reading) << on;
    }

    auto* message = control<QLabel>("lblGeoMess");
    const double natural = message->font().pointSizeF();
    window->resize(1000, 700);
    EXPECT_GE(message->font().pointSizeF(), natural);
    EXPECT_GT(message->font().pointSizeF(), 7.0);
}

} // namespace
} // namespace velmora::testing
