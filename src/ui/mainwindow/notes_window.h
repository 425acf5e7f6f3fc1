#pragma once

#include "ui/mainwindow/notes_box.h"

#include <QWidget>

class QLabel;

namespace velmora {

class ProjectDocument;
class ProportionalLayout;

// The modeless "Notes" window. It edits a copy of the project's notes and keeps the two in
// step: activation fills an empty box from the notes, and every way of losing the user's
// attention (deactivation, focus leaving the box, close, hide, resize, destruction) copies
// the box back, so the project always holds what the user typed once the window is left. A
// box that New emptied, or a new window's box, is not copied back until it has been filled or
// typed in: Open loads the notes while the box is empty, and a close or resize before the
// next activation must not wipe the loaded notes. The box keeps its own undo, so the notes
// are no step of the Edit menu's.
class NotesWindow : public QWidget {
    Q_OBJECT

public:
    explicit NotesWindow(ProjectDocument& document, QWidget* parent = nullptr);
    ~NotesWindow() override;

    // An empty box takes the project's notes; a box with any text keeps it.
    void fillFromNotes();
    // The project's notes become the box's text, as it stands.
    void takeNotesBack();
    // Another project: the box is emptied (the notes are the project's).
    void clearBox();

    NotesBox* notesBox() const { return txtNotes_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ProjectDocument& document_;
    QLabel* label_;
    NotesBox* txtNotes_;
    ProportionalLayout* layout_;
    bool boxHoldsNotes_ = false;
};

} // namespace velmora
