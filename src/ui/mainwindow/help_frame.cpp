#include "ui/mainwindow/help_frame.h"

#include "pictures/guide_texts.h"
#include "pictures/picture_key.h"
#include "ui/widgets/frame_keys.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/proportional_layout.h"

#include <QLabel>
#include <QPushButton>

namespace velmora {

namespace {

QString screenCaption(int screen) {
    return QStringLiteral("Screen %1 of 3").arg(screen);
}

// The paragraphs one to a line with a blank line between them, rather than relying on runs
// of blanks to wrap at the right place.
QString displayedText(int screen) {
    QStringList lines;
    for (const std::string& paragraph : guideParagraphs(shownGuideText(screen))) {
        lines << QString::fromStdString(paragraph);
    }
    return lines.join(QStringLiteral("\n\n"));
}

} // namespace

HelpFrame::HelpFrame(QWidget* parent) : QGroupBox(QStringLiteral("Help"), parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setAutoFillBackground(true);

    picHelp_ = new PictureBox(this);
    picHelp_->setObjectName(QStringLiteral("picHelp"));
    lblHelpText_ = new QLabel(this);
    lblHelpText_->setObjectName(QStringLiteral("lblHelpText"));
    lblHelpText_->setWordWrap(true);
    lblHelpText_->setTextFormat(Qt::PlainText);
    lblHelpText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    btnHelpBack_ = new QPushButton(QStringLiteral("Back"), this);
    btnHelpBack_->setObjectName(QStringLiteral("btnHelpBack"));
    btnHelpNext_ = new QPushButton(QStringLiteral("Next"), this);
    btnHelpNext_->setObjectName(QStringLiteral("btnHelpNext"));
    lblHelpScnNum_ = new QLabel(this);
    lblHelpScnNum_->setObjectName(QStringLiteral("lblHelpScnNum"));
    QFont bold = lblHelpScnNum_->font();
    bold.setBold(true);
    lblHelpScnNum_->setFont(bold);
    btnHelpCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnHelpCancel_->setObjectName(QStringLiteral("btnHelpCancel"));

    connect(btnHelpNext_, &QPushButton::clicked, this, &HelpFrame::next);
    connect(btnHelpBack_, &QPushButton::clicked, this, &HelpFrame::back);
    connect(btnHelpCancel_, &QPushButton::clicked, this, &HelpFrame::cancel);
    new FrameKeys(*this, *btnHelpCancel_);
}

void HelpFrame::showScreen(int screen) {
    lblHelpScnNum_->setText(screenCaption(screen));
    lblHelpText_->setText(displayedText(screen));
    picHelp_->showNamed(guidePictureName(screen), folders_);
}

int HelpFrame::screenShown() const {
    for (int screen = 1; screen <= 3; ++screen) {
        if (lblHelpScnNum_->text() == screenCaption(screen)) {
            return screen;
        }
    }
    return 0;
}

void HelpFrame::setCarStyle(const std::string& carStyle) {
    picHelp_->setGuideLook(carLookOf(carStyle).value_or(CarLook::GM));
}

void HelpFrame::open() {
    btnHelpNext_->setEnabled(true);
    btnHelpBack_->setEnabled(false);
    showScreen(1);
    show();
    raise();
}

void HelpFrame::next() {
    switch (screenShown()) {
    case 1:
        showScreen(2);
        btnHelpBack_->setEnabled(true);
        break;
    case 2:
        showScreen(3);
        btnHelpNext_->setEnabled(false);
        break;
    default:
        break;
    }
}

void HelpFrame::back() {
    switch (screenShown()) {
    case 3:
        showScreen(2);
        btnHelpNext_->setEnabled(true);
        break;
    case 2:
        showScreen(1);
        btnHelpBack_->setEnabled(false);
        break;
    default:
        break;
    }
}

void HelpFrame::cancel() {
    hide();
}

void HelpFrame::addToLayout(ProportionalLayout& layout, const QRect& frameTwips) {
    layout.add(this, frameTwips);
    layout.add(picHelp_, QRect(120, 360, 5775, 3855));
    layout.add(lblHelpText_, QRect(6000, 360, 3375, 4335));
    layout.add(btnHelpBack_, QRect(6120, 4800, 735, 375));
    layout.add(btnHelpNext_, QRect(8400, 4800, 735, 375));
    layout.add(lblHelpScnNum_, QRect(7080, 4920, 1335, 255));
    layout.add(btnHelpCancel_, QRect(7320, 5400, 855, 375));
}

} // namespace velmora
