#include "ui/mainwindow/travel_frame.h"

#include "model/entry_text.h"
#include "model/shown_length.h"
#include "model/travel.h"
#include "ui/widgets/armed_line_edit.h"
#include "ui/widgets/frame_keys.h"
#include "ui/widgets/proportional_layout.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace velmora {

std::optional<TravelRange> acceptedTravel(std::string_view bumpText, std::string_view reboundText) {
    const std::optional<float> bump = storedLength(bumpText);
    const std::optional<float> rebound = storedLength(reboundText);
    if (!bump || !rebound || !(*bump > 0) || !(*rebound > 0)) {
        return std::nullopt;
    }
    const float larger = std::max(*bump, *rebound);
    // A travel the sweep cannot step through (1e38 each way) is refused like any other.
    if (!Travel{larger, larger}.IsValid()) {
        return std::nullopt;
    }
    return TravelRange{larger, larger};
}

TravelFrame::TravelFrame(QWidget* parent) : QGroupBox(QStringLiteral("Range to Analyze"), parent) {
    setObjectName(QStringLiteral("frmTravel"));
    // The frame lies over the side panel, so it must hide what is beneath it.
    setAutoFillBackground(true);

    txtBump_ = new ArmedLineEdit(this);
    txtBump_->setObjectName(QStringLiteral("txtTravelBump"));
    lblBump_ = new QLabel(QStringLiteral("Bump Travel"), this);
    lblBump_->setObjectName(QStringLiteral("lblTraveBump"));
    lblBump_->setBuddy(txtBump_);

    txtRebound_ = new ArmedLineEdit(this);
    txtRebound_->setObjectName(QStringLiteral("txtTravelReb"));
    lblRebound_ = new QLabel(QStringLiteral("Rebound Travel"), this);
    lblRebound_->setObjectName(QStringLiteral("lblTravelReb"));
    lblRebound_->setBuddy(txtRebound_);

    btnOk_ = new QPushButton(QStringLiteral("OK"), this);
    btnOk_->setObjectName(QStringLiteral("btnTravelOK"));
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnTravelCan"));

    setTabOrder(txtBump_, txtRebound_);
    setTabOrder(txtRebound_, btnOk_);
    setTabOrder(btnOk_, btnCancel_);

    connect(btnOk_, &QPushButton::clicked, this, &TravelFrame::okPressed);
    connect(btnCancel_, &QPushButton::clicked, this, &TravelFrame::cancelPressed);
    new FrameKeys(*this, *btnCancel_);
}

void TravelFrame::setTravel(float bump, float rebound) {
    txtBump_->setText(QString::fromStdString(lengthBoxText(bump)));
    txtRebound_->setText(QString::fromStdString(lengthBoxText(rebound)));
}

std::string TravelFrame::bumpText() const {
    return txtBump_->text().toStdString();
}

std::string TravelFrame::reboundText() const {
    return txtRebound_->text().toStdString();
}

void TravelFrame::focusBump() {
    txtBump_->setFocus(Qt::OtherFocusReason);
}

void TravelFrame::addToLayout(ProportionalLayout& layout, const QRect& frameTwips) {
    layout.add(this, frameTwips);
    layout.add(txtBump_, QRect(120, 360, 615, 285));
    layout.add(lblBump_, QRect(840, 360, 1455, 285));
    layout.add(txtRebound_, QRect(120, 720, 615, 285));
    layout.add(lblRebound_, QRect(840, 720, 1455, 285));
    layout.add(btnOk_, QRect(120, 1200, 1035, 375));
    layout.add(btnCancel_, QRect(1260, 1200, 1035, 375));
}

} // namespace velmora
