#include "model/project_history.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// Each row changes the state as one command does; undoing every row in turn brings back
// exactly what each row found, and redoing them brings back what each row left.
TEST(ProjectHistory, EveryChangeIsOneStepBackAndForth) {
    SuspensionState state;
    state.RightCoords[1] = 12.5f;
    ProjectHistory history(state);

    using Change = void (*)(SuspensionState&);
    const Change changes[] = {
        [](SuspensionState& s) { s.RightCoords[1] = 20.0f; },     // the table's OK
        [](SuspensionState& s) { s.LeftCoords = s.RightCoords; }, // Make Symmetrical
        [](SuspensionState& s) { s.LeftCoords[26] = 4.0f; },      // a wizard screen
        [](SuspensionState& s) {
            clearProject(s);
            s.Lfile.clear();
        }, // New
    };
    std::vector<SuspensionState> seen{state};
    for (const Change change : changes) {
        const ProjectSnapshot before = snapshotOf(state, StepKind::Project);
        change(state);
        const bool whole = change == changes[3];
        ASSERT_TRUE(whole ? history.commitProject(before, state)
                          : history.commitCoordinates(state));
        seen.push_back(state);
    }
    // A command that changed nothing is no step.
    EXPECT_FALSE(history.commitCoordinates(state));

    for (std::size_t i = seen.size() - 1; i > 0; --i) {
        ASSERT_TRUE(history.undo(state));
        EXPECT_EQ(snapshotOf(state, StepKind::Project), snapshotOf(seen[i - 1], StepKind::Project))
            << "undo of step " << i;
    }
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo(state));
    for (std::size_t i = 1; i < seen.size(); ++i) {
        ASSERT_TRUE(history.redo(state));
        EXPECT_EQ(snapshotOf(state, StepKind::Project), snapshotOf(seen[i], StepKind::Project));
    }
    EXPECT_FALSE(history.redo(state));
}

TEST(ProjectHistory, UndoingOpenBringsBackTheWholeProjectAndANewStepEndsRedo) {
    SuspensionState state;
    state.CarStyle = "formula";
    state.FormulaCar = true;
    state.TrackType = "Road";
    state.Note_text = "old notes";
    state.Lfile = "/cars/old.kqw";
    state.Vehicle.wheelbase = 108.0f;
    state.LeftCoords[3] = 1.0f;
    ProjectHistory history(state);
    const ProjectSnapshot old = snapshotOf(state, StepKind::Project);

    SuspensionState opened;
    opened.Note_text = "new notes";
    opened.Lfile = "/cars/new.kqw";
    opened.LeftCoords[3] = 2.0f;
    state = opened;
    ASSERT_TRUE(history.commitProject(old, state));

    state.Note_text = "typed since the open"; // the notes are no step of their own
    EXPECT_EQ(history.undo(state), StepKind::Project);
    EXPECT_EQ(snapshotOf(state, StepKind::Project), old);
    EXPECT_EQ(history.redo(state), StepKind::Project);
    EXPECT_EQ(state.Note_text, "typed since the open");
    EXPECT_EQ(state.Lfile, "/cars/new.kqw");

    // A coordinate step leaves the rest of the project alone when undone.
    state.LeftCoords[3] = 5.0f;
    ASSERT_TRUE(history.commitCoordinates(state));
    state.TrackType = "Dirt";
    EXPECT_EQ(history.undo(state), StepKind::Coordinates);
    EXPECT_EQ(state.LeftCoords[3], 2.0f);
    EXPECT_EQ(state.TrackType, "Dirt");
    state.RightCoords[9] = 7.0f;
    ASSERT_TRUE(history.commitCoordinates(state));
    EXPECT_FALSE(history.canRedo());
}

TEST(ProjectHistory, KeepsOnlyTheLatestStepsUpToItsLimit) {
    SuspensionState state;
    ProjectHistory history(state, 2);
    for (const float value : {1.0f, 2.0f, 3.0f}) {
        state.RightCoords[1] = value;
        ASSERT_TRUE(history.commitCoordinates(state));
    }
    ASSERT_TRUE(history.undo(state));
    ASSERT_TRUE(history.undo(state));
    EXPECT_FALSE(history.undo(state));
    EXPECT_EQ(state.RightCoords[1], 1.0f);
}

} // namespace
} // namespace velmora
