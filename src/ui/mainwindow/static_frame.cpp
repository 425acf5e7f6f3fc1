#include "mainwindow/static_frame.h"

#include "geometry/static_geometry.h"
#include "widgets/proportional_layout.h"

#include <QLabel>
#include <QPushButton>

#include <array>

namespace velmora {

namespace {

// Row captions, in the order of the value rows the static geometry fills.
struct RowCaption {
    const char* caption;
    const char* captionName;
};

constexpr std::array<RowCaption, kStaticValueRows.size()> kRowCaptions = {{
    {"Steering Axis Inclination", "lblStatSteer"},
    {"Scrub Radius", "lblStaticScrub"},
    {"Caster Angle", "lblStaticCaster"},
    {"Caster Trail Length", "lblStaticCastTrail"},
    {"Roll Center Height", "lblStaticRCH"},
    {"Roll Center Offset", "lblStaticRCO"},
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
    for (std::size_t i = 0; i < kRowCaptions.size(); ++i) {
        const RowCaption& rowCaption = kRowCaptions[i];
        const StaticValueRow& row = kStaticValueRows[i];
        QLabel* caption = addLabel(rowCaption.captionName, QString::fromLatin1(rowCaption.caption));
        design_.emplace_back(caption, QRect(kCaptionLeft, top, kCaptionWidth, kRowHeight));
        QLabel* rightValue = addLabel(row.right, QString());
        values_.insert(QString::fromLatin1(row.right), rightValue);
        if (row.left != nullptr) {
            QLabel* leftValue = addLabel(row.left, QString());
            values_.insert(QString::fromLatin1(row.left), leftValue);
            design_.emplace_back(rightValue, QRect(kRightLeft, top, kValueWidth, kRowHeight));
            design_.emplace_back(leftValue, QRect(kLeftLeft, top, kValueWidth, kRowHeight));
        } else {
            // A value of the car spans both columns; the offset carries a side in words.
            design_.emplace_back(
                rightValue,
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

void StaticFrame::setCaptions(const std::map<std::string, std::string>& captions) {
    for (const auto& [name, text] : captions) {
        if (QLabel* label = values_.value(QString::fromStdString(name))) {
            label->setText(QString::fromStdString(text));
        }
    }
}

QString StaticFrame::caption(const QString& labelName) const {
    const QLabel* label = values_.value(labelName);
    return label != nullptr ? label->text() : QString();
}

void StaticFrame::Clear_RStat() {
    for (const char* name : sideStaticLabels(true)) {
        values_.value(QString::fromLatin1(name))->clear();
    }
}

void StaticFrame::Clear_LStat() {
    for (const char* name : sideStaticLabels(false)) {
        values_.value(QString::fromLatin1(name))->clear();
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
