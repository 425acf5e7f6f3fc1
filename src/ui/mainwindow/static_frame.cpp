#include "mainwindow/static_frame.h"

#include "widgets/proportional_layout.h"

#include <QLabel>
#include <QPushButton>

namespace velmora {

namespace {

struct Row {
    const char* caption;
    const char* captionName;
    const char* rightName;
    const char* leftName; // null: one value for the whole car
};

constexpr Row kRows[] = {
    {"Steering Axis Inclination", "lblStatSteer", "lblStatRAxis", "lblStaticLAxis"},
    {"Scrub Radius", "lblStaticScrub", "lblStatRRadius", "lblStatLRadius"},
    {"Caster Angle", "lblStaticCaster", "lblStatRCA", "lblStatLCasA"},
    {"Caster Trail Length", "lblStaticCastTrail", "lblStatRCTR", "lblStatLCasTR"},
    {"Roll Center Height", "lblStaticRCH", "lblStatRCH", nullptr},
    {"Roll Center Offset", "lblStaticRCO", "lblStatRCO", nullptr},
};

const char* const kRightValues[] = {"lblStatRAxis", "lblStatRRadius", "lblStatRCA",
                                    "lblStatRCTR",  "lblStatRCH",     "lblStatRCO"};
const char* const kLeftValues[] = {"lblStaticLAxis", "lblStatLRadius", "lblStatLCasA",
                                   "lblStatLCasTR",  "lblStatRCH",     "lblStatRCO"};

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
    for (const Row& row : kRows) {
        QLabel* caption = addLabel(row.captionName, QString::fromLatin1(row.caption));
        design_.emplace_back(caption, QRect(kCaptionLeft, top, kCaptionWidth, kRowHeight));
        QLabel* rightValue = addLabel(row.rightName, QString());
        values_.insert(QString::fromLatin1(row.rightName), rightValue);
        if (row.leftName != nullptr) {
            QLabel* leftValue = addLabel(row.leftName, QString());
            values_.insert(QString::fromLatin1(row.leftName), leftValue);
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
        if (QLabel* label = values_.value(QString::fromStdString(name)))
            label->setText(QString::fromStdString(text));
    }
}

QString StaticFrame::caption(const QString& labelName) const {
    const QLabel* label = values_.value(labelName);
    return label != nullptr ? label->text() : QString();
}

void StaticFrame::Clear_RStat() {
    for (const char* name : kRightValues)
        values_.value(QString::fromLatin1(name))->clear();
}

void StaticFrame::Clear_LStat() {
    for (const char* name : kLeftValues)
        values_.value(QString::fromLatin1(name))->clear();
}

void StaticFrame::setPrintAvailable(bool available) {
    print_->setEnabled(available);
}

void StaticFrame::addToLayout(ProportionalLayout& layout, const QRect& frameTwips) {
    layout.add(this, frameTwips);
    for (const auto& [widget, rect] : design_)
        layout.add(widget, rect);
}

} // namespace velmora
