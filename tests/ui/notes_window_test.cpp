#include "main_window_fixture.h"

#include "model/project_file.h"
#include "ui/mainwindow/notes_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>

namespace velmora::testing {
namespace {

void send(QWidget* target, QEvent::Type type) {
    QEvent event(type);
    QApplication::sendEvent(target, &event);
}

const std::string& notesOf(const ProjectDocument& document) {
    return document.project().notes;
}

TEST(NotesWindow, KeepsTheNotesInStepWithTheBox) {
    ProjectDocument document;
    document.applyUnrecorded(setNotesEdit("from the file"));
    NotesWindow notes(document);
    EXPECT_EQ(notes.objectName(), "Notes");
    EXPECT_EQ(notes.windowTitle(), "Notes");
    EXPECT_EQ(notes.findChild<QLabel*>("Label1")->text(),
              "Use this space to keep notes about your suspension");
    notes.show();
    send(&notes, QEvent::WindowActivate);
    EXPECT_EQ(notes.notesBox()->toPlainText(), "from the file");

    notes.notesBox()->setPlainText("typed \"quoted\"\nsecond line");
    send(&notes, QEvent::WindowDeactivate);
    EXPECT_EQ(notesOf(document), "typed \"quoted\"\nsecond line");
    EXPECT_FALSE(document.canUndo()); // the box keeps its own undo

    // A box with text keeps it on the next activation.
    document.applyUnrecorded(setNotesEdit("elsewhere"));
    send(&notes, QEvent::WindowActivate);
    EXPECT_EQ(notes.notesBox()->toPlainText(), "typed \"quoted\"\nsecond line");

    notes.notesBox()->setPlainText("closing");
    notes.close();
    EXPECT_EQ(notesOf(document), "closing");
}

TEST(NotesWindow, AnEmptiedBoxDoesNotWipeNotesLoadedSince) {
    ProjectDocument document;
    NotesWindow notes(document);
    notes.show();
    notes.clearBox(); // New
    Project opened;
    opened.notes = "loaded";
    document.apply(openProjectEdit(opened));
    notes.resize(400, 300);
    notes.hide();
    EXPECT_EQ(notesOf(document), "loaded");
    notes.show();
    send(&notes, QEvent::WindowActivate);
    EXPECT_EQ(notes.notesBox()->toPlainText(), "loaded");
}

TEST_F(MainWindowTest, NotesButtonReopensTheSameText) {
    open(examplePath("gm-dirt-oval.kqw"));
    NotesWindow* notes = window->windows().notes;
    ASSERT_NE(notes, nullptr);
    notes->notesBox()->setPlainText("Camber gain is fine");
    notes->close();
    EXPECT_EQ(window->state().Note_text, "Camber gain is fine");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->windows().notes, nullptr);

    click("btnNotes");
    ASSERT_NE(window->windows().notes, nullptr);
    EXPECT_TRUE(window->windows().notes->isVisible());
    EXPECT_EQ(window->windows().notes->notesBox()->toPlainText(), "Camber gain is fine");
}

TEST_F(MainWindowTest, OpenReplacesTheNotesShownBefore) {
    NotesWindow* notes = window->windows().notes;
    notes->notesBox()->setPlainText("old project's notes");
    const QString path = QDir(pictures.path()).filePath("with-notes.kqw");
    {
        SuspensionState project;
        project.Note_text = "notes of the file";
        project.CarStyle = "GM";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(writeProjectText(project)));
    }
    open(path.toStdString());
    ASSERT_TRUE(messages.messages.empty());
    send(notes, QEvent::WindowActivate);
    EXPECT_EQ(notes->notesBox()->toPlainText(), "notes of the file");
    EXPECT_EQ(window->state().Note_text, "notes of the file");
}

} // namespace
} // namespace velmora::testing
