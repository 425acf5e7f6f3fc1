#include "ui/mainwindow/dimension_frame.h"

#include "model/entry_text.h"
#include "model/shown_length.h"
#include "pictures/wizard_screens.h"
#include "ui/widgets/armed_line_edit.h"
#include "ui/widgets/frame_keys.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/proportional_layout.h"

#include <QLabel>
#include <QPushButton>

namespace velmora {

namespace {

// The fixed fraction chart in two columns.
QString fractionColumns() {
    static const char* left[] = {"1/16 = 0.063", "1/8 = 0.125", "3/16 = 0.188", "1/4 = 0.25",
                                 "5/16 = 0.313", "3/8 = 0.375", "7/16 = 0.438", "1/2 = 0.500"};
    static const char* right[] = {"9/16 = 0.563",  "5/8 = 0.625", "11/16 = 0.688", "3/4 = 0.75",
                                  "13/16 = 0.813", "7/8 = 0.875", "15/16 = 0.938", ""};
    QString html = QStringLiteral("<table cellspacing=0 cellpadding=0>");
    for (int row = 0; row < 8; ++row) {
        html += QStringLiteral("<tr><td>%1</td><td width=24></td><td>%2</td></tr>")
                    .arg(QString::fromLatin1(left[row]), QString::fromLatin1(right[row]));
    }
    return html + QStringLiteral("</table>");
}

} // namespace

DimensionFrame::DimensionFrame(const SuspensionState& state, QWidget* parent)
    : QGroupBox(QStringLiteral("Dimensions"), parent), state_(state) {
    setObjectName(QStringLiteral("frmDimentions"));
    setAutoFillBackground(true);

    picDim_ = new PictureBox(this);
    picDim_->setObjectName(QStringLiteral("picDim"));
    label1_ = new QLabel(fractionColumns(), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setTextFormat(Qt::RichText);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Several lines: the layout must scale its font, not shrink it to fit all on one line.
    label1_->setWordWrap(true);

    const char* letterTexts[] = {"A:", "B:", "C:"};
    const char* suffix[] = {"A", "B", "C"};
    for (std::size_t i = 0; i < 3; ++i) {
        letters_[i] = new QLabel(QString::fromLatin1(letterTexts[i]), this);
        letters_[i]->setObjectName(QStringLiteral("lblDim%1lab").arg(QLatin1String(suffix[i])));
        boxes_[i] = new ArmedLineEdit(this);
        boxes_[i]->setObjectName(QStringLiteral("txtDim%1").arg(QLatin1String(suffix[i])));
        prompts_[i] = new QLabel(this);
        prompts_[i]->setObjectName(QStringLiteral("lblDim%1").arg(QLatin1String(suffix[i])));
        prompts_[i]->setWordWrap(true);
        prompts_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    btnDimBack_ = new QPushButton(QStringLiteral("Back"), this);
    btnDimBack_->setObjectName(QStringLiteral("btnDimBack"));
    btnDimNext_ = new QPushButton(QStringLiteral("Next"), this);
    btnDimNext_->setObjectName(QStringLiteral("btnDimNext"));
    btnDimHelp_ = new QPushButton(QStringLiteral("Help"), this);
    btnDimHelp_->setObjectName(QStringLiteral("btnDimHelp"));
    btnDimApply_ = new QPushButton(QStringLiteral("Apply"), this);
    btnDimApply_->setObjectName(QStringLiteral("btnDimApply"));
    btnDimCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnDimCancel_->setObjectName(QStringLiteral("btnDimCancel"));
    lblDimScreenNum_ = new QLabel(this);
    lblDimScreenNum_->setObjectName(QStringLiteral("lblDimScreenNum"));

    setTabOrder(boxes_[0], boxes_[1]);
    setTabOrder(boxes_[1], boxes_[2]);
    setTabOrder(boxes_[2], btnDimNext_);
    setTabOrder(btnDimNext_, btnDimCancel_);
    setTabOrder(btnDimCancel_, btnDimHelp_);
    setTabOrder(btnDimHelp_, btnDimBack_);
    setTabOrder(btnDimBack_, btnDimApply_);

    connect(btnDimNext_, &QPushButton::clicked, this, &DimensionFrame::next);
    connect(btnDimBack_, &QPushButton::clicked, this, &DimensionFrame::back);
    connect(btnDimApply_, &QPushButton::clicked, this, &DimensionFrame::apply);
    connect(btnDimCancel_, &QPushButton::clicked, this, &DimensionFrame::cancel);
    connect(btnDimHelp_, &QPushButton::clicked, this, &DimensionFrame::helpRequested);
    new FrameKeys(*this, *btnDimCancel_);
}

void DimensionFrame::setScreenNumber(int screen) {
    lblDimScreenNum_->setText(QStringLiteral("Screen %1 of 3").arg(screen));
}

void DimensionFrame::setThirdBoxVisible(bool visible) {
    letters_[2]->setVisible(visible);
    boxes_[2]->setVisible(visible);
    prompts_[2]->setVisible(visible);
}

bool DimensionFrame::storeScreen() {
    const WizardScreen screen = wizardScreen(group_, axis_);
    CoordinateSet set = state_.activeCoords();
    for (std::size_t i = 0; i < 3; ++i) {
        if (screen.boxes[i]) {
            set[screen.boxes[i]->index] = readLengthBox(boxes_[i]->text().toStdString());
        }
    }
    if (set == state_.activeCoords()) {
        return false;
    }
    emit valuesStored(set);
    return true;
}

void DimensionFrame::loadScreen(PictureAxis axis) {
    const WizardScreen screen = wizardScreen(group_, axis);
    const CoordinateSet& set = state_.activeCoords();
    for (std::size_t i = 0; i < 3; ++i) {
        if (!screen.boxes[i]) {
            continue;
        }
        boxes_[i]->setText(QString::fromStdString(lengthBoxText(set[screen.boxes[i]->index])));
        prompts_[i]->setText(QString::fromLatin1(screen.boxes[i]->prompt));
    }
    // An unknown car style keeps the picture shown.
    if (const auto name = wizardPictureName(state_.CarStyle, state_.Right_Active, axis, group_)) {
        picDim_->showNamed(*name, folders_, set);
    }
}

void DimensionFrame::openGroup(PictureGroup group) {
    axis_ = PictureAxis::X;
    group_ = group;
    setScreenNumber(1);
    btnDimBack_->setEnabled(false);
    setThirdBoxVisible(true);
    loadScreen(PictureAxis::X);
    show();
    raise();
    boxes_[0]->setFocus(Qt::OtherFocusReason);
}

void DimensionFrame::next() {
    bool stored = false;
    switch (axis_) {
    case PictureAxis::X:
        stored = storeScreen();
        btnDimBack_->setEnabled(true);
        setScreenNumber(2);
        loadScreen(PictureAxis::Y);
        axis_ = PictureAxis::Y;
        break;
    case PictureAxis::Y:
        setScreenNumber(3);
        stored = storeScreen();
        loadScreen(PictureAxis::Z);
        if (group_ == PictureGroup::Misc) {
            setThirdBoxVisible(false);
        }
        axis_ = PictureAxis::Z;
        break;
    case PictureAxis::Z:
        stored = storeScreen();
        if (group_ == PictureGroup::Misc) {
            setThirdBoxVisible(true);
        }
        hide();
        emit enableRequested();
        break;
    }
    // The sweep and the small graphs follow every step; values stored have been swept already.
    if (!stored) {
        emit reselectRequested();
    }
    if (isVisible()) {
        boxes_[0]->setFocus(Qt::OtherFocusReason);
    }
}

void DimensionFrame::back() {
    switch (axis_) {
    case PictureAxis::Z:
        setScreenNumber(2);
        storeScreen();
        loadScreen(PictureAxis::Y);
        if (group_ == PictureGroup::Misc) {
            setThirdBoxVisible(true);
        }
        axis_ = PictureAxis::Y;
        break;
    case PictureAxis::Y:
        btnDimBack_->setEnabled(false);
        setScreenNumber(1);
        storeScreen();
        loadScreen(PictureAxis::X);
        axis_ = PictureAxis::X;
        break;
    case PictureAxis::X:
        break;
    }
    boxes_[0]->setFocus(Qt::OtherFocusReason);
}

void DimensionFrame::apply() {
    const bool stored = storeScreen();
    hide();
    emit enableRequested();
    if (!stored) {
        emit reselectRequested();
    }
}

void DimensionFrame::cancel() {
    emit enableRequested();
    emit reselectRequested();
    hide();
}

void DimensionFrame::addToLayout(ProportionalLayout& layout, const QRect& frameTwips) {
    layout.add(this, frameTwips);
    layout.add(picDim_, QRect(240, 240, 5535, 5655));
    layout.add(label1_, QRect(6240, 240, 2775, 1815));
    const int tops[] = {2160, 3120, 4080};
    for (std::size_t i = 0; i < 3; ++i) {
        layout.add(letters_[i], QRect(5760, tops[i], 240, 285));
        layout.add(boxes_[i], QRect(6000, tops[i], 855, 285));
        layout.add(prompts_[i], QRect(6960, tops[i], 2055, i == 2 ? 735 : 855));
    }
    layout.add(btnDimBack_, QRect(5760, 4920, 975, 375));
    layout.add(btnDimNext_, QRect(8160, 4920, 975, 375));
    layout.add(btnDimHelp_, QRect(5760, 5520, 975, 375));
    layout.add(btnDimApply_, QRect(6960, 5520, 975, 375));
    layout.add(btnDimCancel_, QRect(8160, 5520, 975, 375));
    layout.add(lblDimScreenNum_, QRect(6840, 5040, 1215, 255));
}

} // namespace velmora
