#include "ui/mainwindow/notes_window.h"

#include "ui/mainwindow/notes_box.h"
#include "ui/project/project_document.h"
#include "ui/widgets/proportional_layout.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>

namespace velmora {

namespace {
constexpr int kClientWidth = 4215;
constexpr int kClientHeight = 2940;
} // namespace

NotesWindow::NotesWindow(ProjectDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document) {
    setObjectName(QStringLiteral("Notes"));
    setWindowTitle(QStringLiteral("Notes"));

    label_ = new QLabel(QStringLiteral("Use this space to keep notes about your suspension"), this);
    label_->setObjectName(QStringLiteral("Label1"));

    txtNotes_ = new NotesBox(this);
    txtNotes_->setObjectName(QStringLiteral("txtNotes"));
    txtNotes_->installEventFilter(this);
    connect(txtNotes_, &QPlainTextEdit::textChanged, this, [this] { boxHoldsNotes_ = true; });
    setFocusProxy(txtNotes_);

    layout_ = new ProportionalLayout(this, QSize(kClientWidth, kClientHeight));
    layout_->add(label_, QRect(120, 240, 3855, 255));
    layout_->add(txtNotes_, QRect(120, 600, 3855, 2175));

    const double natural = ProportionalLayout::kNaturalPixelsPerTwip;
    resize(static_cast<int>(kClientWidth * natural * 1.25),
           static_cast<int>(kClientHeight * natural * 1.25));
}

NotesWindow::~NotesWindow() {
    takeNotesBack();
}

void NotesWindow::fillFromNotes() {
    if (txtNotes_->document()->isEmpty()) {
        txtNotes_->setNotes(QString::fromStdString(document_.project().notes));
    }
    boxHoldsNotes_ = true;
}

void NotesWindow::takeNotesBack() {
    if (boxHoldsNotes_) {
        document_.applyUnrecorded(setNotesEdit(txtNotes_->notes().toStdString()));
    }
}

void NotesWindow::clearBox() {
    txtNotes_->clear();
    boxHoldsNotes_ = false;
}

bool NotesWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        fillFromNotes();
    } else if (event->type() == QEvent::WindowDeactivate) {
        takeNotesBack();
    }
    return QWidget::event(event);
}

bool NotesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtNotes_ && event->type() == QEvent::FocusOut) {
        takeNotesBack();
    }
    return QWidget::eventFilter(watched, event);
}

void NotesWindow::closeEvent(QCloseEvent* event) {
    takeNotesBack();
    QWidget::closeEvent(event);
}

void NotesWindow::hideEvent(QHideEvent* event) {
    takeNotesBack();
    QWidget::hideEvent(event);
}

void NotesWindow::resizeEvent(QResizeEvent* event) {
    takeNotesBack();
    QWidget::resizeEvent(event);
}

} // namespace velmora
