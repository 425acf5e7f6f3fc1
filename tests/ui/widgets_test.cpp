#include "ui/mainwindow/travel_frame.h"
#include "ui/platform/file_dialogs.h"
#include "ui/widgets/armed_line_edit.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/proportional_layout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace velmora::testing {
namespace {

void focusIn(QWidget* widget, Qt::FocusReason reason = Qt::MouseFocusReason) {
    QFocusEvent event(QEvent::FocusIn, reason);
    QApplication::sendEvent(widget, &event);
}

void focusOut(QWidget* widget) {
    QFocusEvent event(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(widget, &event);
}

QColor baseOf(const QLineEdit& box) {
    return box.palette().color(QPalette::Active, QPalette::Base);
}
QColor textOf(const QLineEdit& box) {
    return box.palette().color(QPalette::Active, QPalette::Text);
}

TEST(ArmedLineEdit, FirstKeyReplacesTheValue) {
    ArmedLineEdit box;
    box.setText("3");
    focusIn(&box);
    EXPECT_TRUE(box.isArmed());
    EXPECT_EQ(baseOf(box), QColor(0, 0, 255));
    EXPECT_EQ(textOf(box), QColor(255, 255, 255));
    EXPECT_FALSE(box.hasSelectedText());
    QTest::keyClicks(&box, "4");
    EXPECT_EQ(box.text(), "4");
    EXPECT_FALSE(box.isArmed());
    EXPECT_EQ(baseOf(box), QColor(255, 255, 255));
    EXPECT_EQ(textOf(box), QColor(0, 0, 0));
    QTest::keyClicks(&box, "5"); // later keys edit normally
    EXPECT_EQ(box.text(), "45");
}

TEST(ArmedLineEdit, ArrowKeysDisarmWithoutClearing) {
    ArmedLineEdit box;
    box.setText("3");
    focusIn(&box);
    QTest::keyClick(&box, Qt::Key_Right);
    EXPECT_FALSE(box.isArmed());
    QTest::keyClicks(&box, "4");
    EXPECT_EQ(box.text(), "34");

    focusOut(&box);
    focusIn(&box);
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClicks(&box, "1");
    EXPECT_EQ(box.text(), "314");
}

TEST(ArmedLineEdit, TabbingInSelectsNothingAndEnterClears) {
    ArmedLineEdit box;
    box.setText("12.5");
    focusIn(&box, Qt::TabFocusReason);
    EXPECT_FALSE(box.hasSelectedText());
    EXPECT_EQ(box.text(), "12.5");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_TRUE(box.text().isEmpty());
}

// Every class of key on an armed box holding "12.5": keys that edit the text replace the
// value, cursor keys keep it for editing, and keys that type nothing leave the box armed and
// its value whole (a Shift pressed before Tab used to wipe it).
TEST(ArmedLineEdit, OnlyKeysThatEditTheTextClearAnArmedBox) {
    struct Case {
        const char* what;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        QString after;
        bool armed;
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const std::vector<Case> cases = {
        {"character", Qt::Key_4, none, "4", "4", false},
        {"Backspace", Qt::Key_Backspace, none, "", "", false},
        {"Delete", Qt::Key_Delete, none, "", "", false},
        {"Enter", Qt::Key_Return, none, "\r", "", false},
        {"cut", Qt::Key_X, Qt::ControlModifier, "\x18", "", false},
        {"Left", Qt::Key_Left, none, "", "12.5", false},
        {"Home", Qt::Key_Home, none, "", "12.5", false},
        {"Shift alone", Qt::Key_Shift, Qt::ShiftModifier, "", "12.5", true},
        {"Ctrl alone", Qt::Key_Control, Qt::ControlModifier, "", "12.5", true},
        {"Alt alone", Qt::Key_Alt, Qt::AltModifier, "", "12.5", true},
        {"Meta alone", Qt::Key_Meta, Qt::MetaModifier, "", "12.5", true},
        {"Caps Lock", Qt::Key_CapsLock, none, "", "12.5", true},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, "", "12.5", true},
        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, "\x03", "12.5", true},
        {"Ctrl+Insert", Qt::Key_Insert, Qt::ControlModifier, "", "12.5", true},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, "\x01", "12.5", true},
        {"Escape", Qt::Key_Escape, none, "\x1b", "12.5", true},
        {"F1", Qt::Key_F1, none, "", "12.5", true},
    };
    for (const Case& c : cases) {
        ArmedLineEdit box;
        box.setText("12.5");
        focusIn(&box);
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, c.text);
        QApplication::sendEvent(&box, &press);
        EXPECT_EQ(box.text(), c.after) << c.what;
        EXPECT_EQ(box.isArmed(), c.armed) << c.what;
    }

    // Pasting an empty clipboard types nothing; pasting text replaces the value.
    for (const QString& clipboard : {QString(), QStringLiteral("7.25")}) {
        QApplication::clipboard()->setText(clipboard);
        ArmedLineEdit box;
        box.setText("12.5");
        focusIn(&box);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box.text(), clipboard.isEmpty() ? QStringLiteral("12.5") : clipboard);
    }
}

TEST(ArmedLineEdit, LosingFocusDisarms) {
    ArmedLineEdit box;
    box.setText("7");
    focusIn(&box);
    focusOut(&box);
    EXPECT_FALSE(box.isArmed());
    EXPECT_EQ(baseOf(box), QColor(255, 255, 255));
    EXPECT_EQ(box.text(), "7");
}

TEST(PictureButton, MissingPictureShowsTheCaptionAndStillReportsPresses) {
    PictureButton button("Static");
    EXPECT_FALSE(button.loadPicture("/nonexistent/folder/static.bmp"));
    EXPECT_FALSE(button.hasPicture());
    button.setText(QString());
    EXPECT_EQ(button.fallbackLabel(), "Static");
    button.resize(80, 40);
    QSignalSpy clicked(&button, &PictureButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    // Painting without a picture must work too.
    EXPECT_FALSE(button.grab().isNull());
}

TEST(PictureButton, LoadsPicturesAndPaintsOnItsColour) {
    QTemporaryDir dir;
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir.filePath("pic.bmp"), "BMP"));
    PictureButton button("Top");
    EXPECT_TRUE(button.loadPicture(picturePath(dir.path(), "\\pic.bmp")));
    EXPECT_TRUE(button.hasPicture());
    button.setBackgroundColor(QColor(0, 255, 255));
    button.setText(QString());
    button.resize(100, 60);
    const QImage shot = button.grab().toImage();
    EXPECT_EQ(shot.pixelColor(50, 30), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(10, 30), QColor(0, 255, 255));
}

TEST(PictureButton, DrawsAPictureGivenAsADrawingOnceWhenFirstNeeded) {
    int drawings = 0;
    const auto redSquare = [&drawings] {
        ++drawings;
        QPixmap picture(10, 10);
        picture.fill(Qt::red);
        return picture;
    };
    PictureButton button("Top");
    button.setDrawnPicture(redSquare, "/pictures/gmltop.bmp");
    EXPECT_EQ(drawings, 0);
    EXPECT_EQ(button.pictureFile(), "/pictures/gmltop.bmp");
    button.setText(QString());
    button.resize(100, 60);
    EXPECT_EQ(button.grab().toImage().pixelColor(50, 30), QColor(Qt::red));
    EXPECT_TRUE(button.hasPicture());
    button.grab();
    EXPECT_EQ(drawings, 1);

    // A drawing that was never needed is dropped with the picture it stood for.
    button.setDrawnPicture(redSquare, "/pictures/gmlbot.bmp");
    button.clearPicture();
    EXPECT_FALSE(button.hasPicture());
    EXPECT_EQ(drawings, 1);
    // A drawing that makes nothing shows the fallback label, as a null picture does.
    button.setDrawnPicture([] { return QPixmap(); }, "/pictures/none.bmp");
    EXPECT_FALSE(button.hasPicture());
}

TEST(PicturePath, DropsTheLeadingBackslash) {
    EXPECT_EQ(picturePath("/opt/velmora", "\\gmltop.bmp"), "/opt/velmora/gmltop.bmp");
    EXPECT_EQ(picturePath("/opt/velmora/", "hlp1.bmp"), "/opt/velmora/hlp1.bmp");
}

TEST(ProportionalLayout, ScalesDesignRectanglesWithTheHost) {
    QWidget host;
    ProportionalLayout layout(&host, QSize(9000, 6000));
    auto* frame = new QWidget(&host);
    auto* inner = new QLabel("x", frame);
    layout.add(frame, QRect(1500, 3000, 4500, 1500));
    layout.add(inner, QRect(150, 150, 1500, 300));
    host.resize(600, 400); // 15 twips a pixel both ways
    layout.apply();
    EXPECT_EQ(frame->geometry(), QRect(100, 200, 300, 100));
    EXPECT_EQ(inner->geometry(), QRect(10, 10, 100, 20));
    host.resize(1200, 400); // twice as wide, as high
    layout.apply();
    EXPECT_EQ(frame->geometry(), QRect(200, 200, 600, 100));
    EXPECT_EQ(layout.designRect(inner), QRect(150, 150, 1500, 300));
}

TEST(ProportionalLayout, FontsGrowWithTheWindowAndLabelsKeepFitting) {
    QWidget host;
    ProportionalLayout layout(&host, QSize(1500, 1500));
    auto* label = new QLabel("Caption", &host);
    QFont font = label->font();
    font.setPointSizeF(9);
    label->setFont(font);
    layout.add(label, QRect(0, 0, 1500, 300));
    host.resize(200, 200);
    layout.apply();
    EXPECT_GT(label->font().pointSizeF(), 9.0);

    label->setText("A caption far too long for a place this narrow to hold at all");
    layout.apply();
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
}

TEST(ToolkitFilter, TurnsPipeSeparatedFiltersIntoDialogFilters) {
    EXPECT_EQ(toolkitFilter("Tarsyn (*.kqw)|*.kqw"), "Tarsyn (*.kqw)");
    EXPECT_EQ(toolkitFilter("Tarsyn (*.kqw)|*.kqw|Orrin dos(*.kqp)|*.kqp"),
              "Tarsyn (*.kqw);;Orrin dos(*.kqp)");
    EXPECT_EQ(toolkitFilter("Text|*.txt"), "Text (*.txt)");
}

TEST(AcceptedTravel, BothBecomeTheLargerAndBadEntriesAreRefused) {
    const auto travel = acceptedTravel("2", "5");
    ASSERT_TRUE(travel);
    EXPECT_EQ(travel->bump, 5.0f);
    EXPECT_EQ(travel->rebound, 5.0f);
    EXPECT_EQ(acceptedTravel("4", "4")->bump, 4.0f);
    EXPECT_EQ(acceptedTravel(" 6.5 ", "1")->rebound, 6.5f);
    for (const char* bad : {"", "abc", "0", "-1", "3in", "1e99"}) {
        EXPECT_FALSE(acceptedTravel(bad, "3")) << bad;
    }
    EXPECT_FALSE(acceptedTravel("3", "0"));
}

} // namespace
} // namespace velmora::testing
