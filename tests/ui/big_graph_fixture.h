#pragma once

#include "geometry/sweep.h"
#include "model/project_file.h"
#include "model/project_file_io.h"
#include "ui/analysis/big_graph.h"
#include "ui/widgets/drawing_surface.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include <memory>
#include <string>

namespace velmora::testing {

// A graph window over the sample GM project, its right side swept with 9 inches of travel
// each way (step 0.75, 25 points, static point 13).
class BigGraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        const ProjectReadResult read =
            readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/gm-dirt-oval.kqw");
        ASSERT_TRUE(read.ok());
        applyProjectData(state, *read.project);
        state.TrackType = "Dirt";
        state.Right_Active = true;
        state.VU = 9;
        state.VD = 9;
        CALC(state, sink);
        ASSERT_TRUE(sink.messages.empty()) << sink.messages.front().text;
        window = std::make_unique<BigGraph>(state, sink);
        // The window's readings come back to it through the project, as the main window's
        // document hands them on; here the state stands in for the project.
        QObject::connect(window.get(), &BigGraph::readingsAccepted, window.get(),
                         [this](const std::vector<BumpSteerReading>& readings) {
                             state.Vehicle.readings = readings;
                             window->followProject(ProjectPart::Readings);
                         });
    }

    template <typename T = QWidget> T* control(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    std::string text(const char* label) const {
        return control<QLabel>(label)->text().toStdString();
    }

    void click(const char* button) const { control<QAbstractButton>(button)->click(); }

    void pressKey(QWidget* target, int key) const {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    std::string dumpOf(const char* surface) const {
        return control<DrawingSurface>(surface)->recorder().dump();
    }

    SuspensionState state;
    RecordingMessageSink sink;
    std::unique_ptr<BigGraph> window;
};

} // namespace velmora::testing
