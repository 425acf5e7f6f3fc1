#include "ui/chassis/steering_window.h"

#include "model/shown_length.h"

#include "model/number_text.h"
#include "ui/chassis/step_box.h"
#include "ui/widgets/drawing_surface.h"
#include "ui/widgets/print_shortcut.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>

namespace velmora {
namespace {

constexpr double kRackStep = 0.25; // inches a step of the box

QString fixed(double value, int decimals) {
    return QString::fromStdString(fixedText(value, decimals));
}

QString length(double inches) {
    return QString::fromStdString(fixedLength(inches, 3));
}

QString unit() {
    return QString::fromStdString(lengthUnitText());
}

QString wheelLine(const char* name, const SteerWheel& w) {
    if (!w.solved) {
        return QStringLiteral("%1: stopped before this rack travel").arg(QString::fromLatin1(name));
    }
    return QStringLiteral("%1: steer %2 deg, camber %3 deg, caster %4 deg, patch height %5 %6")
        .arg(QString::fromLatin1(name), fixed(w.steer, 3), fixed(w.camberChange, 3),
             fixed(w.casterChange, 3), length(w.contactPatchHeightChange), unit());
}

} // namespace

SteeringWindow::SteeringWindow(const SuspensionState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    setObjectName(QStringLiteral("frmSteering"));
    setWindowTitle(QStringLiteral("Steering"));

    picSteerPlot_ = new DrawingSurface(this);
    picSteerPlot_->setObjectName(QStringLiteral("picSteerPlot"));
    picSteerPlot_->setBackgroundColor(colors::Black);
    picSteerPlot_->setMinimumSize(kSteeringPlotDesignTwips.width / kTwipsPerNaturalPixel / 2,
                                  kSteeringPlotDesignTwips.height / kTwipsPerNaturalPixel / 2);
    picSteerPlan_ = new DrawingSurface(this);
    picSteerPlan_->setObjectName(QStringLiteral("picSteerPlan"));
    picSteerPlan_->setBackgroundColor(colors::Black);
    picSteerPlan_->setMinimumSize(kSteeringPlanDesignTwips.width / kTwipsPerNaturalPixel / 2,
                                  kSteeringPlanDesignTwips.height / kTwipsPerNaturalPixel / 2);

    sldRack_ = new QSlider(Qt::Horizontal, this);
    sldRack_->setObjectName(QStringLiteral("sldSteerRack"));
    // Straight ahead to start with: the middle of the sweep.
    sldRack_->setRange(0, kDefaultSteerSteps);
    sldRack_->setValue(kDefaultSteerSteps / 2);
    lblSteerValues_ = new QLabel(this);
    lblSteerValues_->setObjectName(QStringLiteral("lblSteerValues"));
    lblSteerValues_->setTextFormat(Qt::PlainText);
    lblSteerValues_->setWordWrap(true);
    txtMaxRack_ =
        new StepBox(kRackStep, kMostRack, &rackEachWayProblem, QStringLiteral("Rack travel"), this);
    txtMaxRack_->setObjectName(QStringLiteral("txtSteerMaxRack"));
    txtMaxRack_->setLowest(kRackStep);
    txtMaxRack_->setLength(5.0); // a quarter inch is about 5 mm
    txtMaxRack_->setValue(maxRack_);
    txtMaxRack_->setMinimumWidth(
        txtMaxRack_->fontMetrics().horizontalAdvance(QStringLiteral("10.0000")) + 40);
    lblRackMessage_ = new QLabel(this);
    lblRackMessage_->setObjectName(QStringLiteral("lblRackMessage"));
    lblRackMessage_->setWordWrap(true);
    lblRackMessage_->setStyleSheet(QStringLiteral("color: #a00000"));
    lblRackMessage_->hide();
    lblMaxRack_ = new QLabel(this);
    lblMaxRack_->setBuddy(txtMaxRack_);
    btnPrint_ = new QPushButton(QStringLiteral("Print"), this);
    btnPrint_->setObjectName(QStringLiteral("btnSteerPrint"));
    addPrintShortcut(*this, *btnPrint_);
    btnClose_ = new QPushButton(QStringLiteral("Close"), this);
    btnClose_->setObjectName(QStringLiteral("btnSteerClose"));

    auto* pictures = new QHBoxLayout;
    pictures->addWidget(picSteerPlot_, 3);
    pictures->addWidget(picSteerPlan_, 2);
    auto* controls = new QHBoxLayout;
    controls->addWidget(lblMaxRack_);
    controls->addWidget(txtMaxRack_);
    controls->addWidget(sldRack_, 1);
    controls->addWidget(btnPrint_);
    controls->addWidget(btnClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures, 1);
    layout->addWidget(lblSteerValues_);
    layout->addLayout(controls);
    layout->addWidget(lblRackMessage_);

    connect(sldRack_, &QSlider::valueChanged, this, [this] { drawSelected(); });
    connect(txtMaxRack_, &StepBox::edited, this, &SteeringWindow::acceptMaxRack);
    connect(btnPrint_, &QPushButton::clicked, this, &SteeringWindow::printRequested);
    connect(btnClose_, &QPushButton::clicked, this, &QWidget::close);
    resize(960, 640);
}

// The rack box, destroyed with the window's children, ends its editing as it goes; by then
// this window is no longer one, so it must not hear of it.
SteeringWindow::~SteeringWindow() {
    txtMaxRack_->disconnect(this);
}

int SteeringWindow::selected() const {
    return sldRack_->value();
}

void SteeringWindow::acceptMaxRack() {
    // A refusal is said under the box; no message box takes the focus or raises another
    // window over this one, and the typed text stays to be corrected.
    lblRackMessage_->setText(txtMaxRack_->problem());
    lblRackMessage_->setVisible(!txtMaxRack_->problem().isEmpty());
    if (!txtMaxRack_->problem().isEmpty() || txtMaxRack_->value() == maxRack_) {
        return;
    }
    maxRack_ = txtMaxRack_->value();
    refresh();
}

void SteeringWindow::setBaseline(const Baseline* baseline) {
    baseline_.reset();
    if (baseline) {
        baseline_ = *baseline;
    }
}

void SteeringWindow::refresh() {
    lblMaxRack_->setText(
        QStringLiteral("&Rack travel each way (%1)").arg(QString::fromStdString(lengthUnitText())));
    txtMaxRack_->showUnit();
    pair_ = SteeringPair::build(state_.RightCoords, state_.LeftCoords);
    std::optional<double> wheelbase;
    if (state_.Vehicle.wheelbase) {
        wheelbase = *state_.Vehicle.wheelbase;
    }
    axis_.steeringRatio.reset();
    if (state_.Vehicle.steeringRatio) {
        axis_.steeringRatio = *state_.Vehicle.steeringRatio;
    }
    sweep_ = pair_.sweep({maxRack_, kDefaultSteerSteps, wheelbase});
    baselineSweep_.reset();
    if (baseline_) {
        baselineSweep_ = SteeringPair::build(baseline_->RightCoords, baseline_->LeftCoords)
                             .sweep({maxRack_, kDefaultSteerSteps, wheelbase});
    }
    sldRack_->setEnabled(pair_.ready());
    btnPrint_->setEnabled(pair_.ready());
    drawSelected();
}

void SteeringWindow::drawSelected() {
    const int k = selected();
    drawSteeringPlot(picSteerPlot_->canvas(), sweep_, axis_, k, baselineSweep());
    if (!pair_.ready() || k < 0 || k >= static_cast<int>(sweep_.states.size())) {
        drawSteeringPlan(picSteerPlan_->canvas(), pair_, SteerState{});
        QString text;
        for (const Message& m : pair_.setupMessages()) {
            text += QString::fromStdString(m.text) + QLatin1Char(' ');
        }
        lblSteerValues_->setText(text.trimmed());
        return;
    }
    const SteerState& s = sweep_.states[static_cast<std::size_t>(k)];
    drawSteeringPlan(picSteerPlan_->canvas(), pair_, s);
    QString heading = QStringLiteral("Rack %1 %2").arg(length(s.rack), unit());
    if (axis_.steeringRatio) {
        heading += QStringLiteral(" (steering wheel %1 deg)").arg(fixed(axis_.valueOf(s.rack), 3));
    }
    heading += QStringLiteral(", Ackermann ") +
               (s.ackermannPercent ? fixed(*s.ackermannPercent, 1) + QStringLiteral(" %")
                                   : QStringLiteral("- (needs the wheelbase and a turn)"));
    QString text = heading + QLatin1Char('\n') + wheelLine("Right", s.right) + QLatin1Char('\n') +
                   wheelLine("Left", s.left);
    // A wheel that cannot reach the ends is said here, not in a box at every activation.
    for (const Message& m : sweep_.messages) {
        text += QLatin1Char('\n') + QString::fromStdString(m.text);
    }
    lblSteerValues_->setText(text);
}

bool SteeringWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        refresh();
    }
    return QWidget::event(event);
}

} // namespace velmora
