#include "model/project_history.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

Project sample() {
    Project project;
    project.right[1] = 12.5f;
    project.left[3] = 1.0f;
    project.carStyle = "formula";
    project.formulaCar = true;
    project.trackType = "Road";
    project.notes = "old notes";
    project.file = "/cars/old.kqw";
    project.vehicle.wheelbase = 108.0f;
    project.vehicle.readings = {BumpSteerReading{true, 1.0f, 0.01f}};
    return project;
}

CoordinateSet withValue(CoordinateSet set, int index, float value) {
    set[index] = value;
    return set;
}

// Each row is one command's edit: its name, what it reports changed; undoing every row in
// turn brings back exactly what each row found, and redoing them what each row left.
TEST(ProjectHistory, EveryEditIsOneNamedStepBackAndForth) {
    ProjectHistory history(sample());
    VehicleData vehicle = history.project().vehicle;
    vehicle.cgHeight = 16.0f;
    Project opened;
    opened.left[3] = 2.0f;
    opened.file = "/cars/new.kqw";
    const struct {
        ProjectEdit edit;
        const char* name;
        ProjectParts parts;
    } rows[] = {
        {setCoordinatesEdit("Coordinate Table", true, withValue({}, 1, 20.0f)), "Coordinate Table",
         ProjectPart::RightCoordinates},
        {makeSymmetricalEdit(withValue({}, 2, 4.0f)), "Make Symmetrical",
         ProjectParts::coordinates()},
        {keepAdjustedPointEdit(false, withValue({}, 26, 4.0f)), "Keep Adjusted Point",
         ProjectPart::LeftCoordinates},
        {setTravelEdit(2.0f, 4.0f), "Travel Range", ProjectPart::Travel},
        {setCarStyleEdit(CarStyleChoice::Ford), "Car Type", ProjectPart::CarStyle},
        {setTrackEdit(TrackChoice::Asphalt), "Track Type", ProjectPart::Track},
        {setVehicleDataEdit(vehicle), "Vehicle Data", ProjectPart::Vehicle},
        {setReadingsEdit({}), "Bump Steer Readings", ProjectPart::Readings},
        {openProjectEdit(opened), "Open", ProjectParts::all()},
        {newProjectEdit(), "New", ProjectPart::LeftCoordinates | ProjectPart::File},
    };
    std::vector<Project> seen{history.project()};
    for (const auto& row : rows) {
        const ProjectChange change = history.apply(row.edit);
        EXPECT_EQ(change.name, row.name);
        if (row.parts == ProjectParts::all()) {
            EXPECT_TRUE(change.replaced);
        } else {
            EXPECT_EQ(change.parts, row.parts) << row.name;
        }
        EXPECT_EQ(history.undoName(), row.name);
        seen.push_back(history.project());
    }
    // An edit that changes nothing is no step.
    EXPECT_TRUE(history.apply(setCarStyleEdit(CarStyleChoice::GM)).parts.empty());
    EXPECT_EQ(history.undoName(), "New");
    // New keeps the options of the session.
    EXPECT_EQ(history.project().bump, 3.0f);
    EXPECT_EQ(history.project().carStyle, "GM");

    for (std::size_t i = seen.size() - 1; i > 0; --i) {
        const std::optional<ProjectChange> undone = history.undo();
        ASSERT_TRUE(undone);
        EXPECT_EQ(undone->name, rows[i - 1].name);
        EXPECT_EQ(history.project(), seen[i - 1]) << "undo of " << rows[i - 1].name;
        EXPECT_EQ(history.redoName(), rows[i - 1].name);
    }
    EXPECT_FALSE(history.undo());
    EXPECT_EQ(history.undoName(), "");
    for (std::size_t i = 1; i < seen.size(); ++i) {
        ASSERT_TRUE(history.redo());
        EXPECT_EQ(history.project(), seen[i]);
    }
    EXPECT_FALSE(history.redo());
}

TEST(ProjectHistory, NotesTypedSinceAStepStayWithItsPartsAndANewStepEndsRedo) {
    ProjectHistory history(sample());
    Project opened;
    opened.notes = "new notes";
    opened.left[3] = 2.0f;
    history.apply(openProjectEdit(opened));
    EXPECT_FALSE(history.applyUnrecorded(setNotesEdit("typed since the open")).parts.empty());
    EXPECT_EQ(history.undoName(), "Open"); // the notes are no step of their own

    // Undoing Open brings back the whole project; redo the notes typed after it.
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(history.project(), sample());
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(history.project().notes, "typed since the open");

    // A coordinate step leaves the rest of the project alone when undone.
    history.apply(setCoordinatesEdit("Dimensions", false, withValue({}, 3, 5.0f)));
    history.applyUnrecorded(setNotesEdit("later"));
    const std::optional<ProjectChange> undone = history.undo();
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->parts, ProjectParts(ProjectPart::LeftCoordinates));
    EXPECT_EQ(history.project().left[3], 2.0f);
    EXPECT_EQ(history.project().notes, "later");
    history.apply(setTravelEdit(1.0f, 1.0f));
    EXPECT_FALSE(history.canRedo());
}

TEST(ProjectHistory, KeepsOnlyTheLatestStepsUpToItsLimit) {
    ProjectHistory history({}, 2);
    for (const float value : {1.0f, 2.0f, 3.0f}) {
        history.apply(setCoordinatesEdit("Coordinate Table", true, withValue({}, 1, value)));
    }
    ASSERT_TRUE(history.undo());
    ASSERT_TRUE(history.undo());
    EXPECT_FALSE(history.undo());
    EXPECT_EQ(history.project().right[1], 1.0f);
}

// Open takes the style and track the file's texts choose, and keeps the session's travel.
TEST(ProjectHistory, OpenedProjectTakesTheFilesChoices) {
    ProjectFile file;
    file.CarStyle = "formula";
    file.TrackType = "Road";
    file.notes = "n";
    Project current;
    current.bump = 5.0f;
    const Project opened = projectFromFile(file, "/cars/a.kqw", current);
    EXPECT_EQ(opened.carStyle, "formula");
    EXPECT_TRUE(opened.formulaCar);
    EXPECT_EQ(opened.bump, 5.0f);
    EXPECT_EQ(opened.notes, "n");
    EXPECT_EQ(opened.file, "/cars/a.kqw");
    // A project written from the working state is the project it came from.
    SuspensionState state;
    loadInputs(state, opened);
    EXPECT_EQ(projectOf(state), opened);
    EXPECT_EQ(writeProjectText(state), writeProjectText(opened));
}

} // namespace
} // namespace velmora
