#include "ui/chassis/dive_roll_window.h"

#include "model/shown_length.h"

#include "chassis/front_rates.h"
#include "chassis_pages/roll_figures.h"
#include "model/number_text.h"
#include "ui/chassis/step_box.h"
#include "ui/widgets/drawing_surface.h"
#include "ui/widgets/fitted_table.h"
#include "ui/widgets/print_shortcut.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmora {
namespace {

constexpr double kDiveStep = 0.1; // inches a step of the box
constexpr double kRollStep = 0.1; // degrees
constexpr double kGStep = 0.1;

QLabel* captionFor(QWidget* buddy, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

DiveRollWindow::DiveRollWindow(const SuspensionState& state, QWidget* parent)
    : QWidget(parent), project_(state) {
    setObjectName(QStringLiteral("frmDiveRoll"));
    setWindowTitle(QStringLiteral("Dive and Roll"));

    txtDive_ = new StepBox(kDiveStep, kMostDive, &diveProblem, QStringLiteral("Dive"), this);
    txtDive_->setObjectName(QStringLiteral("txtDive"));
    txtDive_->setLength(2.5); // a tenth of an inch is about 2.5 mm
    txtRoll_ = new StepBox(kRollStep, kMostRoll, &rollProblem, QStringLiteral("Roll"), this);
    txtRoll_->setObjectName(QStringLiteral("txtRoll"));
    txtLateralG_ = new StepBox(kGStep, kMostG, &lateralGProblem, QStringLiteral("Lateral g"), this);
    txtLateralG_->setObjectName(QStringLiteral("txtLateralG"));
    txtBrakingG_ = new StepBox(kGStep, kMostG, &brakingGProblem, QStringLiteral("Braking g"), this);
    txtBrakingG_->setObjectName(QStringLiteral("txtBrakingG"));
    for (StepBox* box : {txtDive_, txtRoll_, txtLateralG_, txtBrakingG_}) {
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-10.0000")) + 40);
    }
    lblRollMessage_ = new QLabel(this);
    lblRollMessage_->setObjectName(QStringLiteral("lblRollMessage"));
    lblRollMessage_->setWordWrap(true);
    lblRollMessage_->setStyleSheet(QStringLiteral("color: #a00000"));
    picDiveRoll_ = new DrawingSurface(this);
    picDiveRoll_->setObjectName(QStringLiteral("picDiveRoll"));
    picDiveRoll_->setTextsFollowFont(false);
    picDiveRoll_->setMinimumSize(320, 200);
    tblDiveRoll_ = new QTableWidget(0, 2, this);
    tblDiveRoll_->setObjectName(QStringLiteral("tblDiveRoll"));
    tblDiveRoll_->setHorizontalHeaderLabels({QStringLiteral("Right"), QStringLiteral("Left")});
    tblDiveRoll_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Values such as "-216.700" stay on one line; the table is sized to what its texts need.
    tblDiveRoll_->setWordWrap(false);
    btnRollPrint_ = new QPushButton(QStringLiteral("&Print"), this);
    btnRollPrint_->setObjectName(QStringLiteral("btnRollPrint"));
    addPrintShortcut(*this, *btnRollPrint_);
    auto* btnClose = new QPushButton(QStringLiteral("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnRollClose"));

    auto* inputs = new QHBoxLayout;
    lblDive_ = captionFor(txtDive_, QString(), this);
    inputs->addWidget(lblDive_);
    inputs->addWidget(txtDive_);
    inputs->addSpacing(12);
    inputs->addWidget(captionFor(txtRoll_, QStringLiteral("&Roll (deg)"), this));
    inputs->addWidget(txtRoll_);
    inputs->addSpacing(24);
    inputs->addWidget(captionFor(txtLateralG_, QStringLiteral("&Lateral g"), this));
    inputs->addWidget(txtLateralG_);
    inputs->addSpacing(12);
    inputs->addWidget(captionFor(txtBrakingG_, QStringLiteral("&Braking g"), this));
    inputs->addWidget(txtBrakingG_);
    inputs->addStretch(1);
    inputs->addWidget(btnRollPrint_);
    inputs->addWidget(btnClose);

    // The messages take the window's whole width under the table, and as many lines as they
    // need: beside the table a long one was cut off at the table's height.
    lblRollMessage_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(picDiveRoll_, 1);
    auto* lower = new QHBoxLayout;
    lower->addWidget(tblDiveRoll_);
    lower->addStretch(1);
    layout->addLayout(lower);
    lblFromG_ = new QLabel(this);
    lblFromG_->setObjectName(QStringLiteral("lblFromG"));
    lblFromG_->setWordWrap(true);
    lblFromG_->hide();
    layout->addWidget(lblFromG_);
    layout->addWidget(lblRollMessage_);

    picDiveRoll_->installEventFilter(this);
    for (StepBox* box : {txtDive_, txtRoll_}) {
        connect(box, &StepBox::edited, this, [this] {
            fromG_.clear();
            fromGMissing_.clear();
            recompute();
        });
    }
    for (StepBox* box : {txtLateralG_, txtBrakingG_}) {
        connect(box, &StepBox::edited, this, &DiveRollWindow::setFromG);
    }
    connect(btnRollPrint_, &QPushButton::clicked, this, &DiveRollWindow::printRequested);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    resize(900, 640);
    refresh();
}

double DiveRollWindow::dive() const {
    return txtDive_->value();
}

double DiveRollWindow::roll() const {
    return txtRoll_->value();
}

DiveRollWindow::~DiveRollWindow() {
    for (StepBox* box : {txtDive_, txtRoll_, txtLateralG_, txtBrakingG_}) {
        box->disconnect(this);
    }
}

void DiveRollWindow::refresh() {
    lblDive_->setText(QStringLiteral("&Dive (%1)").arg(QString::fromStdString(lengthUnitText())));
    txtDive_->showUnit();
    const bool right = isComplete(project_.RightCoords);
    const bool left = isComplete(project_.LeftCoords);
    missing_.clear();
    if (!right || !left) {
        missing_ = QStringLiteral("The %1 not complete: Dive and Roll needs all 26 values of "
                                  "both sides.")
                       .arg(!right && !left ? QStringLiteral("right and left sides are")
                            : !right        ? QStringLiteral("right side is")
                                            : QStringLiteral("left side is"));
        front_.reset();
    } else {
        front_ = FrontEnd::build(project_.RightCoords, project_.LeftCoords);
    }
    baseFront_.reset();
    if (baseline_ && isComplete(baseline_->RightCoords) && isComplete(baseline_->LeftCoords)) {
        baseFront_ = FrontEnd::build(baseline_->RightCoords, baseline_->LeftCoords);
    }
    // A state set from g follows the springs and the vehicle data as they are now.
    if (!fromG_.isEmpty()) {
        setFromG();
    } else {
        recompute();
    }
}

void DiveRollWindow::setBaseline(const Baseline* baseline) {
    baseline_.reset();
    if (baseline) {
        baseline_ = *baseline;
    }
}

void DiveRollWindow::recompute() {
    if (front_) {
        state_ = front_->solve(dive(), roll());
        path_ = front_->path({dive(), roll(), kPathSteps});
        basePath_.reset();
        if (baseFront_) {
            basePath_ = baseFront_->path({dive(), roll(), kPathSteps});
        }
    } else {
        state_.reset();
        path_ = {};
        basePath_.reset();
    }
    btnRollPrint_->setEnabled(state_.has_value());
    showProblem();
    fillTable();
    redraw();
}

void DiveRollWindow::setFromG() {
    fromG_.clear();
    fromGMissing_.clear();
    if (!front_ || !txtLateralG_->problem().isEmpty() || !txtBrakingG_->problem().isEmpty()) {
        recompute();
        return;
    }
    const double lateral = txtLateralG_->value();
    const double braking = txtBrakingG_->value();
    const StateFromG g = stateFromG(project_, *front_, lateral, braking);
    const auto part = [](const std::optional<double>& v, const QString& unit) {
        return v ? QString::fromStdString(fixedText(*v, 3)) + unit : QStringLiteral("-");
    };
    const QString unit = QLatin1Char(' ') + QString::fromStdString(lengthUnitText());
    const auto length = [](const std::optional<double>& v) {
        return v ? std::optional<double>(shownLength(*v)) : std::nullopt;
    };
    fromG_ = QStringLiteral("From %1 g lateral and %2 g braking: roll gradient %3, dive right %4, "
                            "left %5.")
                 .arg(QString::fromStdString(fixedText(lateral, 2)),
                      QString::fromStdString(fixedText(braking, 2)),
                      part(g.rollGradient, QStringLiteral(" deg/g")),
                      part(length(g.diveRight), unit), part(length(g.diveLeft), unit));
    if (!g.solved && g.state.messages.empty()) {
        // The dive or the roll could not be found: the messages name what is missing.
        QStringList why;
        for (const Message& m : g.messages) {
            why << QString::fromStdString(m.text);
        }
        why.removeDuplicates();
        fromGMissing_ = why.join(QLatin1Char('\n'));
        recompute();
        return;
    }
    txtDive_->setComputedValue(g.state.dive, 4);
    txtRoll_->setComputedValue(g.state.roll, 4);
    recompute();
}

void DiveRollWindow::showProblem() {
    QStringList lines;
    if (!missing_.isEmpty()) {
        lines << missing_;
    }
    for (const StepBox* box : {txtDive_, txtRoll_, txtLateralG_, txtBrakingG_}) {
        if (!box->problem().isEmpty()) {
            lines << box->problem();
        }
    }
    if (!fromGMissing_.isEmpty()) {
        lines << fromGMissing_;
    }
    lblFromG_->setText(fromG_);
    lblFromG_->setVisible(!fromG_.isEmpty());
    if (state_) {
        for (const Message& m : state_->messages) {
            lines << QString::fromStdString(m.text);
        }
    }
    lblRollMessage_->setText(lines.join(QStringLiteral("\n")));
}

void DiveRollWindow::fillTable() {
    const std::vector<RollTableRow> rows =
        state_ ? rollTableRows(
                     *state_, antiDive(project_.RightCoords, project_.LeftCoords, project_.Vehicle))
               : std::vector<RollTableRow>{};
    tblDiveRoll_->clearSpans();
    tblDiveRoll_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const RollTableRow& row = rows[static_cast<std::size_t>(r)];
        auto* caption = new QTableWidgetItem(QString::fromStdString(row.caption));
        if (row.kind == RollRowKind::Heading) {
            QFont bold = caption->font();
            bold.setBold(true);
            caption->setFont(bold);
        }
        caption->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        tblDiveRoll_->setVerticalHeaderItem(r, caption);
        // A value of the whole car spans both columns, so it is not read as the right side's.
        const bool spans = row.kind != RollRowKind::Wheels;
        if (spans) {
            tblDiveRoll_->setSpan(r, 0, 1, 2);
        }
        for (int c = 0; c < (spans ? 1 : 2); ++c) {
            auto* item =
                new QTableWidgetItem(QString::fromStdString(c == 0 ? row.right : row.left));
            item->setTextAlignment((spans ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
            tblDiveRoll_->setItem(r, c, item);
        }
        if (spans) {
            delete tblDiveRoll_->takeItem(r, 1);
        }
    }
    fitTableToContents(*tblDiveRoll_);
}

void DiveRollWindow::redraw() {
    Canvas& canvas = picDiveRoll_->canvas();
    const int w = picDiveRoll_->width();
    const int h = picDiveRoll_->height();
    if (!front_ || !state_) {
        canvas.setScale(0, 0, std::max(w, 1), std::max(h, 1));
        canvas.setBackground(colors::White);
        canvas.setCurrentPosition(8, 8);
        canvas.print(missing_.toStdString());
        return;
    }
    drawDiveRoll(canvas, w, h, frontViewFigure(*state_, *front_),
                 rollPathFigure(path_, baselinePath()));
}

bool DiveRollWindow::eventFilter(QObject* watched, QEvent* event) {
    // The picture is drawn to the surface's own size, so it is redrawn when that changes.
    if (watched == picDiveRoll_ && event->type() == QEvent::Resize) {
        redraw();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora
