#pragma once

#include "ui/widgets/guarded_plain_text_edit.h"

#include <QStringList>

namespace velmora {

// A line of the notes as the box holds it: a long line is held as several blocks, each
// after the first marked as continuing the line before it.
struct NotesDisplayLine {
    QString text;
    bool continuesLine = false;
};

// Splits the notes into the blocks the box holds. The text box lays out a whole block at
// once, so a line of a megabyte would stop the program for seconds; held in pieces of at
// most `pieceLength` characters (broken after a blank where one is near), only the pieces on
// screen are laid out. Joining the pieces gives the notes back exactly.
QList<NotesDisplayLine> notesDisplayLines(const QString& notes, qsizetype pieceLength);
QString joinNotesDisplayLines(const QList<NotesDisplayLine>& lines);

// The Notes window's text box: notes of any size show at once and come back exactly as
// they went in, with the user's edits.
class NotesBox : public GuardedPlainTextEdit {
    Q_OBJECT

public:
    static constexpr qsizetype kPieceLength = 1000;

    explicit NotesBox(QWidget* parent = nullptr);

    void setNotes(const QString& notes);
    QString notes() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertPastedText(const QString& text) override;

private:
    // A line break the user makes starts a block that continues nothing, whatever the block
    // it splits was marked.
    void insertLineBreak();
};

} // namespace velmora
