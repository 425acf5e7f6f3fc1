#include "main_window_fixture.h"

#include "model/project_file_io.h"
#include "ui/mainwindow/notes_window.h"

#include <QFile>
#include <QPlainTextEdit>

#include <fstream>

#include <sys/stat.h>

namespace velmora::testing {
namespace {

class FileCommandsTest : public MainWindowTest {
protected:
    QString tempPath(const char* name) const { return files.filePath(QString::fromLatin1(name)); }

    void writeFile(const QString& path, const std::string& contents) const {
        std::ofstream out(path.toStdString(), std::ios::binary);
        out << contents;
    }

    QPlainTextEdit* notesBox() const { return window->windows().notes->notesBox(); }

    QTemporaryDir files;
};

TEST_F(FileCommandsTest, OpenLoadsTheProjectAndAnalysesIt) {
    open(examplePath("gm-dirt-oval.kqw"));
    ASSERT_TRUE(messages.messages.empty());
    ASSERT_EQ(dialogs.openFilters.size(), 1u);
    EXPECT_EQ(dialogs.openFilters[0], "Tarsyn (*.kqw)|*.kqw|Orrin dos(*.kqp)|*.kqp");
    const SuspensionState& s = window->state();
    EXPECT_EQ(s.Lfile, examplePath("gm-dirt-oval.kqw"));
    EXPECT_EQ(text("lblfile").toStdString(), s.Lfile);
    EXPECT_TRUE(isComplete(s.LeftCoords));
    EXPECT_TRUE(isComplete(s.RightCoords));
    EXPECT_EQ(s.CarStyle, "GM");
    EXPECT_EQ(s.TrackType, "Dirt");
    EXPECT_TRUE(control("frmGeo")->isEnabled());
    EXPECT_TRUE(control("btnNotes")->isEnabled());

    open(examplePath("ford-asphalt-oval.kqw"));
    EXPECT_EQ(window->state().CarStyle, "Ford");
    EXPECT_TRUE(menu("mnuCarFord")->isChecked());
    EXPECT_EQ(window->state().TrackType, "Asphalt");
    EXPECT_TRUE(menu("mnuTrackAsphaltO")->isChecked());
    EXPECT_FALSE(menu("mnuTrackDirtO")->isChecked());
}

TEST_F(FileCommandsTest, CancelledOrFailedOpenLeavesTheProjectAsItWas) {
    open(examplePath("gm-dirt-oval.kqw"));
    const SuspensionState before = window->state();

    dialogs.openAnswers.push_back(std::nullopt);
    menu("mnuOpen")->trigger();
    EXPECT_TRUE(messages.messages.empty());

    const QString broken = tempPath("broken.kqw");
    writeFile(broken, "12.5,12.25,,\r\nnot a number,1,,\r\n");
    open(broken.toStdString());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], openErrorMessage());

    open(tempPath("missing.kqw").toStdString());
    EXPECT_EQ(messages.messages.size(), 2u);

    const SuspensionState& after = window->state();
    EXPECT_EQ(after.LeftCoords, before.LeftCoords);
    EXPECT_EQ(after.RightCoords, before.RightCoords);
    EXPECT_EQ(after.Lfile, before.Lfile);
    EXPECT_EQ(after.Note_text, before.Note_text);
    EXPECT_EQ(text("lblfile").toStdString(), before.Lfile);
    EXPECT_TRUE(control("frmGeo")->isEnabled());
    EXPECT_GT(linesOf("picCamber", colors::ThumbGreen), 0);
}

TEST_F(FileCommandsTest, SaveRoundTripKeepsNotesTypedJustBefore) {
    open(examplePath("formula-road-course.kqw"));
    menu("mnuTrackAsphaltO")->trigger();
    notesBox()->setPlainText("Shim the left top arm 1/8 out\nCheck toe");

    const QString path = tempPath("saved"); // no extension: ".kqw" is added
    dialogs.saveAnswers.push_back(path);
    menu("mnuSave")->trigger();
    ASSERT_TRUE(messages.messages.empty());
    ASSERT_EQ(dialogs.saveFilters.size(), 1u);
    EXPECT_EQ(dialogs.saveFilters[0], "Tarsyn (*.kqw)|*.kqw");
    const std::string saved = path.toStdString() + ".kqw";
    EXPECT_EQ(window->state().Lfile, saved);
    EXPECT_EQ(text("lblfile").toStdString(), saved);
    const SuspensionState written = window->state();

    menu("mnuNew")->trigger();
    EXPECT_TRUE(window->state().Note_text.empty());
    EXPECT_TRUE(notesBox()->toPlainText().isEmpty());
    EXPECT_FALSE(isComplete(window->state().LeftCoords));
    EXPECT_TRUE(text("lblfile").isEmpty());
    EXPECT_FALSE(control("frmGeo")->isEnabled());

    open(saved);
    ASSERT_TRUE(messages.messages.empty());
    const SuspensionState& read = window->state();
    EXPECT_EQ(read.LeftCoords, written.LeftCoords);
    EXPECT_EQ(read.RightCoords, written.RightCoords);
    EXPECT_EQ(read.CarStyle, "formula");
    EXPECT_TRUE(read.FormulaCar);
    EXPECT_EQ(read.TrackType, "Asphalt");
    // The notes' line breaks are written as the records' CR LF.
    EXPECT_EQ(read.Note_text, "Shim the left top arm 1/8 out\r\nCheck toe");
    EXPECT_EQ(notesBox()->toPlainText(), "Shim the left top arm 1/8 out\nCheck toe");
}

TEST_F(FileCommandsTest, FailedSaveKeepsThePreviousFileAndSaysSo) {
    open(examplePath("gm-dirt-oval.kqw"));
    const std::string lfile = window->state().Lfile;
    const QString target = tempPath("keep.kqw");
    writeFile(target, "previous contents");
    // A folder cannot be replaced by a file: the write fails at its last step.
    ASSERT_TRUE(QDir(files.path()).mkdir("folder.kqw"));
    dialogs.saveAnswers.push_back(tempPath("folder.kqw"));
    menu("mnuSave")->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, "Error");
    // The file and the reason follow on a line of their own.
    EXPECT_EQ(messages.messages[0].text, "An error has occured while saving this file.\n" +
                                             tempPath("folder.kqw").toStdString() +
                                             ": is a folder");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(window->state().Lfile, lfile);

    dialogs.saveAnswers.push_back(tempPath("no/such/folder/x.kqw"));
    menu("mnuSave")->trigger();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, "An error has occured while saving this file.\n" +
                                             tempPath("no/such/folder/x.kqw").toStdString() +
                                             ": No such file or directory");
    QFile previous(target);
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(previous.readAll(), "previous contents");
    EXPECT_TRUE(control("frmGeo")->isEnabled());
}

TEST_F(FileCommandsTest, OpenWithAnUnknownCarStyleStillAnalysesTheProject) {
    std::string contents = writeProjectText([] {
        SuspensionState s;
        const ProjectReadResult example = readProjectFile(examplePath("gm-dirt-oval.kqw"));
        applyProjectData(s, *example.project);
        s.CarStyle = "Sprint";
        s.TrackType = "Road";
        return s;
    }());
    const QString path = tempPath("sprint.kqw");
    writeFile(path, contents);
    open(path.toStdString());
    ASSERT_TRUE(messages.messages.empty());
    EXPECT_EQ(window->state().CarStyle, "Sprint");
    EXPECT_TRUE(menu("mnuTrackRoad")->isChecked());
    EXPECT_TRUE(control("frmGeo")->isEnabled());
    EXPECT_GT(linesOf("picBumpSteer", colors::ThumbGreen), 0);
}

TEST_F(FileCommandsTest, ExitAsksAndStaysUnlessTheProjectIsSafe) {
    const Message question{"Warning", "Would you like to save the current data before exiting?",
                           MessageIcon::Warning, MessageButtons::YesNoCancel};
    messages.answers = {MessageAnswer::Cancel};
    menu("mnuExit")->trigger();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], question);

    // Yes, then the save dialog is cancelled: nothing was saved, so the program stays.
    messages.answers = {MessageAnswer::Yes};
    menu("mnuExit")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs.saveFilters.size(), 1u);

    // Yes, then the save fails.
    messages.answers = {MessageAnswer::Yes};
    dialogs.saveAnswers.push_back(tempPath("no/such/folder/x.kqw"));
    menu("mnuExit")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(control("btnLeft")->isEnabled());

    // Yes and saved: the program ends.
    messages.answers = {MessageAnswer::Yes};
    dialogs.saveAnswers.push_back(tempPath("exit.kqw"));
    menu("mnuExit")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFile::exists(tempPath("exit.kqw")));
    EXPECT_TRUE(window->windows().notes == nullptr || !window->windows().notes->isVisible());
}

TEST_F(FileCommandsTest, CloseBoxAsksTheExitQuestion) {
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].buttons, MessageButtons::YesNoCancel);

    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.saveFilters.empty());
}

} // namespace
} // namespace velmora::testing

namespace velmora::testing {
namespace {

// File, Export then Import Coordinates: the same values, one undoable step, a question before
// replacing entered values, and a bad file named by its line.
TEST_F(FileCommandsTest, CoordinatesGoOutAndComeBackAsCsv) {
    open(examplePath("gm-dirt-oval.kqw"));
    const SuspensionState before = window->state();
    dialogs.saveAnswers.push_back(tempPath("corners"));
    menu("mnuExportCoords")->trigger();
    ASSERT_TRUE(QFile::exists(tempPath("corners.csv"))) << "the extension is added";

    menu("mnuNew")->trigger();
    dialogs.openAnswers.push_back(tempPath("corners.csv"));
    menu("mnuImportCoords")->trigger();
    EXPECT_EQ(window->state().RightCoords, before.RightCoords);
    EXPECT_EQ(window->state().LeftCoords, before.LeftCoords);
    EXPECT_EQ(menu("mnuUndo")->text(), QStringLiteral("&Undo Import Coordinates"));
    EXPECT_TRUE(messages.messages.empty()) << "nothing was entered to replace";

    // Over entered values it asks; No keeps them.
    writeFile(tempPath("one.csv"), "box,point,axis,right,left,unit\n1,p,X,254,254,mm\n");
    dialogs.openAnswers.push_back(tempPath("one.csv"));
    messages.answers = {MessageAnswer::No};
    menu("mnuImportCoords")->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(window->state().LeftCoords, before.LeftCoords);
    dialogs.openAnswers.push_back(tempPath("one.csv"));
    messages.answers = {MessageAnswer::Yes};
    menu("mnuImportCoords")->trigger();
    EXPECT_EQ(window->state().LeftCoords[1], 10.0f);
    EXPECT_EQ(window->state().LeftCoords[2], 0.0f);

    writeFile(tempPath("bad.csv"), "box,point,axis,right,left,unit\n1,p,X,12,5,11,in\n");
    dialogs.openAnswers.push_back(tempPath("bad.csv"));
    messages.messages.clear();
    menu("mnuImportCoords")->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].text.find("line 2: 7 fields"), std::string::npos)
        << messages.messages[0].text;
    EXPECT_EQ(window->state().LeftCoords[1], 10.0f) << "a refused file changes nothing";

    // A named pipe is refused unopened: opening it would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(tempPath("pipe.csv").toStdString().c_str(), 0600), 0);
    dialogs.openAnswers.push_back(tempPath("pipe.csv"));
    menu("mnuImportCoords")->trigger();
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_NE(messages.messages[1].text.find("is not a file that can be read"), std::string::npos);
}

} // namespace
} // namespace velmora::testing
