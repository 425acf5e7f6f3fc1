#pragma once

#include "mainwindow/notes_box.h"
#include "model/suspension_state.h"

#include <QWidget>

class QLabel;

namespace velmora {

class ProportionalLayout;

// The modeless "Notes" window. It edits a copy of the project's notes (Note_text) and
// keeps the two in step: activation fills an empty box from Note_text, and every way of
// losing the user's attention (deactivation, focus leaving the box, close, hide, resize,
// destruction) copies the box back, so Note_text always holds what the user typed once the
// window is left. A box that New emptied, or a new window's box, is not copied back until it
// has been filled or typed in: Open loads Note_text while the box is empty, and a close or
// resize before the next activation must not wipe the loaded notes.
class NotesWindow : public QWidget {
    Q_OBJECT

public:
    explicit NotesWindow(SuspensionState& state, QWidget* parent = nullptr);
    ~NotesWindow() override;

    // An empty box takes Note_text; a box with any text keeps it.
    void fillFromNotes();
    // Note_text takes the box's text, as it stands.
    void takeNotesBack();
    // New: the box is emptied (Note_text is the caller's).
    void clearBox();

    NotesBox* notesBox() const { return txtNotes_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    SuspensionState& state_;
    QLabel* label_;
    NotesBox* txtNotes_;
    ProportionalLayout* layout_;
    bool boxHoldsNotes_ = false;
};

} // namespace velmora
