#include "ui/mainwindow/notes_box.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace velmora {

namespace {

// Marks a block that continues the line of the block before it. A property of the block's
// format survives joining two blocks (the first block's format stays), which is what keeps
// a deleted break deleted.
constexpr int kContinuesLine = QTextFormat::UserProperty + 1;

qsizetype pieceEnd(const QString& line, qsizetype start, qsizetype pieceLength) {
    qsizetype end = start + pieceLength;
    if (end >= line.size()) {
        return line.size();
    }
    // Break after a blank in the last fifth of the piece, so words stay whole on screen.
    const qsizetype lookBack = pieceLength / 5;
    for (qsizetype i = end; i > end - lookBack && i > start + 1; --i) {
        if (line[i - 1] == QLatin1Char(' ')) {
            return i;
        }
    }
    // Never between the two halves of a character outside the basic plane.
    if (line[end].isLowSurrogate() && line[end - 1].isHighSurrogate()) {
        --end;
    }
    return end;
}

} // namespace

QList<NotesDisplayLine> notesDisplayLines(const QString& notes, qsizetype pieceLength) {
    QList<NotesDisplayLine> lines;
    for (const QString& line : notes.split(QLatin1Char('\n'))) {
        if (line.size() <= pieceLength) {
            lines.append({line, false});
            continue;
        }
        for (qsizetype start = 0; start < line.size();) {
            const qsizetype end = pieceEnd(line, start, pieceLength);
            lines.append({line.mid(start, end - start), start > 0});
            start = end;
        }
    }
    return lines;
}

QString joinNotesDisplayLines(const QList<NotesDisplayLine>& lines) {
    QString notes;
    bool first = true;
    for (const NotesDisplayLine& line : lines) {
        if (!first && !line.continuesLine) {
            notes += QLatin1Char('\n');
        }
        notes += line.text;
        first = false;
    }
    return notes;
}

NotesBox::NotesBox(QWidget* parent) : GuardedPlainTextEdit(parent) {
    // A word longer than the box wraps anywhere rather than running off its edge.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void NotesBox::setNotes(const QString& fileNotes) {
    // Notes read from a file break their lines with CR LF; the box holds lines, and the file
    // writer puts the CR back.
    QString notes = fileNotes;
    notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QList<NotesDisplayLine> lines = notesDisplayLines(notes, kPieceLength);
    QString display;
    display.reserve(notes.size() + lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            display += QLatin1Char('\n');
        }
        display += lines[i].text;
    }
    setPlainText(display);
    QTextBlockFormat continuing;
    continuing.setProperty(kContinuesLine, true);
    QTextBlock block = document()->firstBlock();
    for (const NotesDisplayLine& line : lines) {
        if (line.continuesLine) {
            QTextCursor(block).mergeBlockFormat(continuing);
        }
        block = block.next();
    }
    document()->clearUndoRedoStacks();
    document()->setModified(false);
}

QString NotesBox::notes() const {
    QList<NotesDisplayLine> lines;
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        QString text = block.text();
        // A soft line break (Shift+Enter) is a line break of the notes.
        text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        lines.append({text, block.blockFormat().boolProperty(kContinuesLine)});
    }
    return joinNotesDisplayLines(lines);
}

void NotesBox::insertLineBreak() {
    QTextCursor cursor = textCursor();
    QTextBlockFormat format = cursor.blockFormat();
    format.clearProperty(kContinuesLine);
    cursor.insertBlock(format);
    setTextCursor(cursor);
}

void NotesBox::keyPressEvent(QKeyEvent* event) {
    const bool lineBreak = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                           !(event->modifiers() & Qt::ShiftModifier) && !isReadOnly();
    if (!lineBreak) {
        GuardedPlainTextEdit::keyPressEvent(event);
        return;
    }
    insertLineBreak();
    ensureCursorVisible();
    event->accept();
}

void NotesBox::insertPastedText(const QString& text) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const QStringList pieces = normalised.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            QTextBlockFormat format = cursor.blockFormat();
            format.clearProperty(kContinuesLine);
            cursor.insertBlock(format);
        }
        cursor.insertText(pieces[i]);
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
}

} // namespace velmora
