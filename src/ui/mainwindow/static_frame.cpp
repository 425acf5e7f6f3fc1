#include "ui/mainwindow/static_frame.h"

#include "ui/widgets/proportional_layout.h"

#include <QLabel>
#include <QPushButton>

namespace velmora {

namespace {

// The frame's rows top to bottom: the caption, the value labels' names and the caption each
// shows. A side's row names the field of each side's captions; a row of the car has one label
// spanning both columns and names the car's field.
struct ValueRow {
    const char* caption;
    const char* captionName;
    const char* rightName;
    const char* leftName;
    std::string SideStaticCaptions::*side;
    std::string StaticCaptions::*car;
};

constexpr std::array<ValueRow, 6> kValueRows = {{
    {"Steering Axis Inclination", "lblStatSteer", "lblStatRAxis", "lblStaticLAxis",
     &SideStaticCaptions::sai, nullptr},
    {"Scrub Radius", "lblStaticScrub", "lblStatRRadius", "lblStatLRadius",
     &SideStaticCaptions::scrubRadius, nullptr},
    {"Caster Angle", "lblStaticCaster", "lblStatRCA", "lblStatLCasA", &SideStaticCaptions::caster,
     nullptr},
    {"Caster Trail Length", "lblStaticCastTrail", "lblStatRCTR", "lblStatLCasTR",
     &SideStaticCaptions::casterTrail, nullptr},
    {"Roll Center Height", "lblStaticRCH", "lblStatRCH", nullptr, nullptr,
     &StaticCaptions::rollCenterHeight},
    {"Roll Center Offset", "lblStaticRCO", "lblStatRCO", nullptr, nullptr,
     &StaticCaptions::rollCenterOffset},
}};

// Design of the frame's contents, twips from the frame's corner.
constexpr int kCaptionLeft = 120;
constexpr int kCaptionWidth = 2400;
constexpr int kRightLeft = 2640;
constexpr int kLeftLeft = 3720;
constexpr int kValueWidth = 1020;
constexpr int kFirstRowTop = 600;
constexpr int kRowStep = 330;
constexpr int kRowHeight = 285;

} // namespace

StaticFrame::StaticFrame(QWidget* parent) : QGroupBox(QStringLiteral("Static Geometry"), parent) {
    setObjectName(QStringLiteral("frmStatic"));
    setAutoFillBackground(true);

    QLabel* right = addLabel("lblStaticRight", QStringLiteral("Right"));
    QLabel* left = addLabel("lblStaticLeft", QStringLiteral("Left"));
    for (QLabel* heading : {right, left}) {
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    design_.emplace_back(right, QRect(kRightLeft, 270, kValueWidth, kRowHeight));
    design_.emplace_back(left, QRect(kLeftLeft, 270, kValueWidth, kRowHeight));

    int top = kFirstRowTop;
    for (std::size_t i = 0; i < kValueRows.size(); ++i) {
        const ValueRow& row = kValueRows[i];
        QLabel* caption = addLabel(row.captionName, QString::fromLatin1(row.caption));
        design_.emplace_back(caption, QRect(kCaptionLeft, top, kCaptionWidth, kRowHeight));
        rightValues_[i] = addLabel(row.rightName, QString());
        if (row.leftName != nullptr) {
            leftValues_[i] = addLabel(row.leftName, QString());
            design_.emplace_back(rightValues_[i], QRect(kRightLeft, top, kValueWidth, kRowHeight));
            design_.emplace_back(leftValues_[i], QRect(kLeftLeft, top, kValueWidth, kRowHeight));
        } else {
            // A value of the car spans both columns; the offset carries a side in words.
            design_.emplace_back(
                rightValues_[i],
                QRect(kRightLeft, top, kLeftLeft + kValueWidth - kRightLeft, kRowHeight));
        }
        top += kRowStep;
    }

    print_ = new QPushButton(QStringLiteral("Print"), this);
    print_->setObjectName(QStringLiteral("btnStatPrint"));
    connect(print_, &QPushButton::clicked, this, &StaticFrame::printPressed);
    design_.emplace_back(print_, QRect(kRightLeft, 2640, 975, 375));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnStaticOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    design_.emplace_back(ok, QRect(kLeftLeft, 2640, 975, 375));
}

QLabel* StaticFrame::addLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void StaticFrame::setCaptions(const StaticCaptions& captions) {
    captions_ = captions;
    showCaptions();
}

void StaticFrame::Clear_RStat() {
    velmora::Clear_RStat(captions_);
    showCaptions();
}

void StaticFrame::Clear_LStat() {
    velmora::Clear_LStat(captions_);
    showCaptions();
}

void StaticFrame::showCaptions() {
    const auto qText = [](const std::string& text) { return QString::fromStdString(text); };
    for (std::size_t i = 0; i < kValueRows.size(); ++i) {
        const ValueRow& row = kValueRows[i];
        if (row.side != nullptr) {
            rightValues_[i]->setText(qText(captions_.right.*row.side));
            leftValues_[i]->setText(qText(captions_.left.*row.side));
        } else {
            rightValues_[i]->setText(qText(captions_.*row.car));
        }
    }
}

void StaticFrame::setPrintAvailable(bool available) {
    print_->setEnabled(available);
}

void StaticFrame::addToLayout(ProportionalLayout& layout, const QRect& frameTwips) {
    layout.add(this, frameTwips);
    for (const auto& [widget, rect] : design_) {
        layout.add(widget, rect);
    }
}

} // namespace velmora
