// Faults found by trying the program as a hostile user would: pastes with an empty
// clipboard, saves onto odd names, wide travel ranges, stale windows, messages that wrap
// inside a number.
#include "main_window_fixture.h"

#include "model/project_file_io.h"
#include "ui/analysis/big_graph.h"
#include "ui/mainwindow/notes_box.h"
#include "ui/mainwindow/notes_window.h"
#include "ui/widgets/armed_line_edit.h"
#include "ui/widgets/blank_wrap_label.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

namespace velmora::testing {
namespace {

// The clipboard contents a user can leave behind: nothing at all, data with no text (an
// image copied from another program), and text.
enum class Clipboard { Empty, NotText, Text };

void fillClipboard(Clipboard contents) {
    auto* data = new QMimeData;
    if (contents == Clipboard::NotText) {
        data->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
    }
    if (contents == Clipboard::Text) {
        data->setText(QStringLiteral("12.5"));
    }
    QApplication::clipboard()->setMimeData(data);
}

// Every way of pasting a user has: the two shortcuts, the middle button and the slot the
// context menu's Paste calls.
void pasteEveryWay(QWidget* box) {
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        QTest::mouseClick(plain->viewport(), Qt::MiddleButton);
        plain->paste();
    } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->paste();
    }
}

TEST(PasteGuard, EveryTextBoxSurvivesEveryClipboard) {
    NotesBox notes;
    ArmedLineEdit number;
    notes.show();
    number.show();
    for (const Clipboard contents : {Clipboard::Empty, Clipboard::NotText, Clipboard::Text}) {
        fillClipboard(contents);
        notes.setNotes(QStringLiteral("kept"));
        notes.moveCursor(QTextCursor::End);
        pasteEveryWay(&notes); // Qt 6.4 crashed here on an empty clipboard
        if (contents == Clipboard::Text) {
            EXPECT_TRUE(notes.notes().startsWith(QStringLiteral("kept12.5")));
        } else {
            EXPECT_EQ(notes.notes(), QStringLiteral("kept"));
        }

        number.setText(QStringLiteral("3"));
        pasteEveryWay(&number);
        if (contents != Clipboard::Text) {
            EXPECT_EQ(number.text(), QStringLiteral("3"));
        }
    }
}

// Every box of every frame, with every clipboard: the table's 78 boxes, the wizard's three,
// the travel boxes and the notes.
TEST_F(MainWindowTest, EveryBoxOfEveryFrameTakesEveryClipboard) {
    open(examplePath("gm-dirt-oval.kqw"));
    const SuspensionState before = window->state();
    const auto pasteIntoVisibleBoxes = [this] {
        int boxes = 0;
        for (const Clipboard contents : {Clipboard::Empty, Clipboard::NotText, Clipboard::Text}) {
            fillClipboard(contents);
            for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
                if (!box->isVisible()) {
                    continue;
                }
                box->setFocus();
                pasteEveryWay(box);
                ++boxes;
            }
        }
        return boxes;
    };
    click("btnDimLXYZ");
    EXPECT_EQ(pasteIntoVisibleBoxes(), 3 * 26);
    click("btnXYZCancel");
    click("btnDimLTop");
    EXPECT_EQ(pasteIntoVisibleBoxes(), 3 * 3);
    click("btnDimCancel");
    menu("mnuOptTravel")->trigger();
    EXPECT_EQ(pasteIntoVisibleBoxes(), 3 * 2);
    click("btnTravelCan");
    click("btnNotes");
    for (const Clipboard contents : {Clipboard::Empty, Clipboard::NotText, Clipboard::Text}) {
        fillClipboard(contents);
        pasteEveryWay(window->windows().notes->notesBox());
    }
    // Cancel everywhere: nothing the user stored was touched.
    EXPECT_EQ(window->state().LeftCoords, before.LeftCoords);
    EXPECT_EQ(window->state().VU, before.VU);
}

TEST_F(MainWindowTest, PastingIntoTheNotesWindowWithAnEmptyClipboard) {
    open(examplePath("gm-dirt-oval.kqw"));
    click("btnNotes");
    NotesWindow* notes = window->windows().notes;
    ASSERT_NE(notes, nullptr);
    QApplication::clipboard()->setMimeData(new QMimeData);
    QTest::keyClick(notes->notesBox(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(notes->notesBox(), QStringLiteral("still here"));
    notes->takeNotesBack();
    EXPECT_NE(window->state().Note_text.find("still here"), std::string::npos);
}

TEST(NotesBox, LongLinesAreHeldInPiecesAndComeBackExactly) {
    const QString word = QString(2500, QLatin1Char('x'));
    const QString words = QStringLiteral("camber ").repeated(400);
    const QString emoji = QString(999, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x8F\x81") +
                          QString(10, QLatin1Char('b'));
    for (const QString& notes : {word, words, emoji, QStringLiteral("a\n\nb\n"), QString(),
                                 word + QLatin1Char('\n') + words}) {
        const QList<NotesDisplayLine> lines = notesDisplayLines(notes, 1000);
        for (const NotesDisplayLine& line : lines) {
            EXPECT_LE(line.text.size(), 1000);
            EXPECT_FALSE(!line.text.isEmpty() && line.text.front().isLowSurrogate());
        }
        EXPECT_EQ(joinNotesDisplayLines(lines), notes);

        NotesBox box;
        box.setNotes(notes);
        EXPECT_EQ(box.notes(), notes);
    }
    // Words stay whole: a piece of a line of words ends after a blank.
    const QList<NotesDisplayLine> pieces = notesDisplayLines(words, 1000);
    ASSERT_GT(pieces.size(), 1);
    EXPECT_TRUE(pieces[0].text.endsWith(QLatin1Char(' ')));
    EXPECT_TRUE(pieces[1].continuesLine);
}

TEST(NotesBox, EditsAcrossPiecesKeepTheUsersLineBreaksOnly) {
    NotesBox box;
    box.show();
    const QString line = QString(1500, QLatin1Char('x'));
    box.setNotes(line);
    // Enter inside the second piece is a line break of the notes.
    QTextCursor cursor(box.document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 10);
    box.setTextCursor(cursor);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.notes(), line.left(1010) + QLatin1Char('\n') + line.mid(1010));
    // Backspace takes the break away again.
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.notes(), line);
    // Pasted lines are lines.
    QApplication::clipboard()->setText(QStringLiteral("p\r\nq"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.notes(), line.left(1010) + QStringLiteral("p\nq") + line.mid(1010));
}

class HardeningTest : public MainWindowTest {
protected:
    std::string tempFile(const char* name) const {
        return files.filePath(QString::fromLatin1(name)).toStdString();
    }
    void saveAs(const std::string& typed) {
        dialogs.saveAnswers.push_back(QString::fromStdString(typed));
        menu("mnuSave")->trigger();
    }
    static std::string contentsOf(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    QTemporaryDir files;
};

TEST_F(HardeningTest, SaveAsksBeforeReplacingAFileOnlyTheAddedExtensionNames) {
    open(examplePath("gm-dirt-oval.kqw"));
    const std::string existing = tempFile("car.kqw");
    std::ofstream(existing, std::ios::binary) << "precious";

    messages.answers.push_back(MessageAnswer::No);
    saveAs(tempFile("car"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_NE(messages.messages[0].text.find(existing), std::string::npos);
    EXPECT_EQ(contentsOf(existing), "precious");
    EXPECT_NE(window->state().Lfile, existing);

    messages.answers.push_back(MessageAnswer::Yes);
    saveAs(tempFile("car"));
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(window->state().Lfile, existing);
    EXPECT_TRUE(readProjectFile(existing).ok());

    // A name the dialog saw itself is not asked about twice.
    saveAs(existing);
    EXPECT_EQ(messages.messages.size(), 2u);
}

TEST_F(HardeningTest, SaveRefusesDevicesAndProjectsTooLargeToOpen) {
    open(examplePath("gm-dirt-oval.kqw"));
    const std::string pipe = tempFile("pipe.kqw");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    saveAs(pipe);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], saveErrorMessage(pipe + ": not a regular file"));
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_NE(window->state().Lfile, pipe);

    click("btnNotes");
    window->windows().notes->notesBox()->setNotes(QString(int(kMaxProjectFileBytes), 'n'));
    saveAs(tempFile("big.kqw"));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1], projectTooLargeMessage());
    EXPECT_FALSE(std::filesystem::exists(tempFile("big.kqw")));
    EXPECT_EQ(window->state().Note_text.size(), kMaxProjectFileBytes); // nothing lost
}

TEST_F(HardeningTest, NewAndOpenHideTheGraphWindowOfTheOldProject) {
    open(examplePath("gm-dirt-oval.kqw"));
    click("btnCamber");
    ASSERT_NE(window->windows().graph, nullptr);
    EXPECT_TRUE(window->windows().graph->isVisible());
    menu("mnuNew")->trigger();
    EXPECT_FALSE(window->windows().graph->isVisible());

    open(examplePath("gm-dirt-oval.kqw"));
    click("btnCamber");
    open(examplePath("ford-asphalt-oval.kqw"));
    EXPECT_FALSE(window->windows().graph->isVisible());

    // A failed Open keeps the project, and with it the graph window.
    click("btnCamber");
    open(tempFile("missing.kqw"));
    EXPECT_TRUE(window->windows().graph->isVisible());
}

TEST_F(HardeningTest, AWideTravelRangeStopsTheUserAtAFewBoxesAndLosesNothing) {
    open(examplePath("gm-dirt-oval.kqw"));
    messages.messages.clear();
    menu("mnuOptTravel")->trigger();
    auto* bump = control<QLineEdit>("txtTravelBump");
    auto* rebound = control<QLineEdit>("txtTravelReb");
    bump->setText(QStringLiteral("100"));
    rebound->setText(QStringLiteral("100"));
    click("btnTravelOK");
    // Re-selecting sweeps both sides: each sweep shows three boxes and one that gathers.
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_LE(messages.messages.size(), 8u);
    std::size_t listed = 0;
    for (const Message& message : messages.messages) {
        listed += message.details.empty()
                      ? 1
                      : 1 + std::count(message.details.begin(), message.details.end(), '\n');
    }
    EXPECT_GT(listed, 8u);
}

TEST_F(HardeningTest, AProjectNamedAtStartOpensAsOpenWould) {
    EXPECT_TRUE(window->openProject(examplePath("ford-asphalt-oval.kqw")));
    EXPECT_EQ(window->state().CarStyle, "Ford");
    EXPECT_EQ(text("lblfile").toStdString(), examplePath("ford-asphalt-oval.kqw"));
    EXPECT_TRUE(control("frmGeo")->isEnabled());

    EXPECT_FALSE(window->openProject(tempFile("missing.kqw")));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], openErrorMessage());
    EXPECT_EQ(window->state().CarStyle, "Ford"); // the project stays
}

TEST(BlankWrapLabel, NumbersAreNeverSplit) {
    const QString message = QStringLiteral("At wheel position -.5 add  .407 deg to static camber");
    const auto advance = [](const QString& s) { return int(s.size()) * 7; };
    for (int width = 7; width < 7 * int(message.size()) + 14; width += 7) {
        const QStringList lines = wrapAtBlanks(message, width, advance);
        for (const QString& line : lines) {
            EXPECT_FALSE(line.startsWith(QLatin1Char(' '))) << width;
            EXPECT_FALSE(line.startsWith(QStringLiteral("407")));
            EXPECT_FALSE(line.endsWith(QLatin1Char('.'))) << line.toStdString();
        }
        EXPECT_EQ(lines.join(QLatin1Char(' ')).simplified(), message.simplified());
    }
    // Blanks inside a line, and leading blanks of the text, are kept.
    EXPECT_EQ(wrapAtBlanks(QStringLiteral(" a  b"), 1000, advance), QStringList{" a  b"});
}

TEST_F(MainWindowTest, OnlyBalloonTextsGiveTooltips) {
    open(examplePath("gm-dirt-oval.kqw"));
    click("btnCamber");
    EXPECT_TRUE(control("lblfile")->toolTip().isEmpty());
    for (const char* name : {"btnMovUP", "btnMovDown"}) {
        auto* button = window->windows().graph->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->toolTip().isEmpty()) << name;
    }
    EXPECT_EQ(control("btnDimLTop")->toolTip(), QStringLiteral("Top Arm's Dimensions"));
}

} // namespace
} // namespace velmora::testing
