#include "ui/chassis/adjust_point_window.h"

#include "model/shown_length.h"
#include "ui/widgets/window_placement.h"

#include "geometry/sensitivity.h"
#include "model/entry_text.h"
#include "model/number_text.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <cmath>

namespace velmora {
namespace {

// A shop's steps in either unit: sixteenths of an inch, or half millimetres.
struct Nudge {
    const char* name;
    const char* caption;
    double inches;
    const char* mmCaption;
    double millimetres;
};

constexpr Nudge kNudges[] = {
    {"btnNudgeMinus4", "-1/4", -0.25, "-2", -2.0},
    {"btnNudgeMinus8", "-1/8", -0.125, "-1", -1.0},
    {"btnNudgeMinus16", "-1/16", -0.0625, "-0.5", -0.5},
    {"btnNudgePlus16", "+1/16", 0.0625, "+0.5", 0.5},
    {"btnNudgePlus8", "+1/8", 0.125, "+1", 1.0},
    {"btnNudgePlus4", "+1/4", 0.25, "+2", 2.0},
};

double nudgeInches(const Nudge& n) {
    return showsMillimetres() ? n.millimetres / kMillimetresPerInch : n.inches;
}

Message adjustMessage(const std::string& text) {
    return Message{"Adjust a Point", text, MessageIcon::Exclamation, MessageButtons::Ok};
}

// An offset as typed in the display unit: the shortest text of the millimetres a double holds.
QString offsetText(double inches) {
    if (!showsMillimetres()) {
        return QString::fromStdString(boxText(static_cast<float>(inches)));
    }
    return QString::fromStdString(generalText(std::round(shownLength(inches) * 1e6) / 1e6));
}

} // namespace

AdjustPointWindow::AdjustPointWindow(AdjustPointHost& host, MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), messages_(messages) {
    setObjectName(QStringLiteral("frmAdjustPoint"));
    setWindowTitle(QStringLiteral("Adjust a Point"));

    lblSide_ = new QLabel(this);
    lblSide_->setObjectName(QStringLiteral("lblAdjustSide"));
    cboPoint_ = new QComboBox(this);
    cboPoint_->setObjectName(QStringLiteral("cboAdjustPoint"));
    for (int row = 1; row <= kCoordinateRows; ++row) {
        cboPoint_->addItem(QString::fromStdString(coordinateRowName(row)));
    }
    cboAxis_ = new QComboBox(this);
    cboAxis_->setObjectName(QStringLiteral("cboAdjustAxis"));
    cboAxis_->addItems({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")});
    auto* lblPoint = new QLabel(QStringLiteral("&Point"), this);
    lblPoint->setBuddy(cboPoint_);
    auto* lblAxis = new QLabel(QStringLiteral("&Axis"), this);
    lblAxis->setBuddy(cboAxis_);

    auto* nudges = new QHBoxLayout;
    for (const Nudge& n : kNudges) {
        auto* button = new QPushButton(QString::fromLatin1(n.caption), this);
        button->setObjectName(QString::fromLatin1(n.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, &n] { nudge(nudgeInches(n)); });
        nudges->addWidget(button);
        nudgeButtons_.push_back(button);
    }

    txtOffset_ = new QLineEdit(this);
    txtOffset_->setObjectName(QStringLiteral("txtAdjustOffset"));
    txtOffset_->setMaximumWidth(
        txtOffset_->fontMetrics().horizontalAdvance(QStringLiteral("-00.0000")) + 24);
    lblOffset_ = new QLabel(this);
    lblOffset_->setBuddy(txtOffset_);
    lblValue_ = new QLabel(this);
    lblValue_->setObjectName(QStringLiteral("lblAdjustValue"));

    btnKeep_ = new QPushButton(QStringLiteral("&Keep"), this);
    btnKeep_->setObjectName(QStringLiteral("btnAdjustKeep"));
    btnRevert_ = new QPushButton(QStringLiteral("&Revert"), this);
    btnRevert_->setObjectName(QStringLiteral("btnAdjustRevert"));
    auto* btnClose = new QPushButton(QStringLiteral("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnAdjustClose"));
    for (QPushButton* button : {btnKeep_, btnRevert_, btnClose}) {
        button->setAutoDefault(false);
    }

    auto* choice = new QHBoxLayout;
    choice->addWidget(lblSide_);
    choice->addSpacing(12);
    choice->addWidget(lblPoint);
    choice->addWidget(cboPoint_, 1);
    choice->addWidget(lblAxis);
    choice->addWidget(cboAxis_);
    auto* offset = new QHBoxLayout;
    offset->addWidget(lblOffset_);
    offset->addWidget(txtOffset_);
    offset->addSpacing(12);
    offset->addWidget(lblValue_, 1);
    auto* actions = new QHBoxLayout;
    actions->addStretch(1);
    actions->addWidget(btnKeep_);
    actions->addWidget(btnRevert_);
    actions->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(nudges);
    layout->addLayout(offset);
    layout->addStretch(1);
    layout->addLayout(actions);

    connect(cboPoint_, &QComboBox::currentIndexChanged, this, [this] {
        fillAxes();
        showSelection();
    });
    connect(cboAxis_, &QComboBox::currentIndexChanged, this, [this] { showSelection(); });
    connect(txtOffset_, &QLineEdit::returnPressed, this, &AdjustPointWindow::applyTypedOffset);
    connect(btnKeep_, &QPushButton::clicked, this, &AdjustPointWindow::keep);
    connect(btnRevert_, &QPushButton::clicked, this, &AdjustPointWindow::revert);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);

    // Up and Down nudge from anywhere but the two lists, which keep them for choosing.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child != cboPoint_ && child != cboAxis_ && !cboPoint_->isAncestorOf(child) &&
            !cboAxis_->isAncestorOf(child)) {
            child->installEventFilter(this);
        }
    }
    fillAxes();
    showSelection();
}

AdjustPointWindow::~AdjustPointWindow() {
    // The lists announce their last change while the children are destroyed.
    cboPoint_->disconnect(this);
    cboAxis_->disconnect(this);
}

int AdjustPointWindow::selectedIndex() const {
    return coordinateIndexOf(cboPoint_->currentIndex() + 1, cboAxis_->currentIndex());
}

void AdjustPointWindow::showSide(bool right) {
    dropStaleTrial();
    if (original_ && right != right_) {
        revert();
    }
    right_ = right;
    lblSide_->setText(right ? QStringLiteral("Right side") : QStringLiteral("Left side"));
    showSelection();
}

void AdjustPointWindow::followProject() {
    dropStaleTrial();
    showSelection();
}

void AdjustPointWindow::openFor(bool right) {
    showSide(right);
    if (parentWidget()) {
        showBeside(*this, *parentWidget()->window());
    } else {
        show();
        raise();
        activateWindow();
    }
}

void AdjustPointWindow::selectIndex(int index) {
    const int row = coordinateRowOf(index);
    if (row == 0) {
        return;
    }
    cboPoint_->setCurrentIndex(row - 1);
    cboAxis_->setCurrentIndex(coordinateAxisOf(index));
}

// Only the axes the table has a box for can be chosen: the tire centre has X, the spindle
// height Y.
void AdjustPointWindow::fillAxes() {
    auto* model = qobject_cast<QStandardItemModel*>(cboAxis_->model());
    const int row = cboPoint_->currentIndex() + 1;
    int first = -1;
    for (int axis = 0; axis < 3; ++axis) {
        const bool exists = coordinateIndexOf(row, axis) != 0;
        model->item(axis)->setEnabled(exists);
        if (exists && first < 0) {
            first = axis;
        }
    }
    if (coordinateIndexOf(row, cboAxis_->currentIndex()) == 0) {
        cboAxis_->setCurrentIndex(first);
    }
}

void AdjustPointWindow::dropStaleTrial() {
    if (original_ && host_.coordinatesOf(right_) != trial_) {
        // The project changed under the trial (opened, new, the table): what it holds now is
        // the user's, and neither the trial nor its original may be written over it.
        original_.reset();
        offsets_.fill(0);
    }
}

std::optional<CoordinateSet> AdjustPointWindow::storedCoordinates() const {
    if (original_ && host_.coordinatesOf(right_) == trial_) {
        return original_;
    }
    return std::nullopt;
}

void AdjustPointWindow::nudge(double inches) {
    dropStaleTrial();
    const int index = selectedIndex();
    if (index != 0) {
        setOffset(offsets_[static_cast<std::size_t>(index)] + inches);
    }
}

void AdjustPointWindow::applyTypedOffset() {
    dropStaleTrial();
    const std::string text = txtOffset_->text().toStdString();
    const std::optional<double> number = wholeTextNumber(text);
    const std::optional<float> typed =
        number ? std::optional<float>(static_cast<float>(typedLength(*number))) : std::nullopt;
    if (!typed) {
        messages_.show(adjustMessage("Please enter the offset in " + lengthWord() + ": \"" + text +
                                     "\" is not a number."));
        showSelection(); // the last good offset again
        return;
    }
    if (!setOffset(*typed)) {
        showSelection();
    }
}

bool AdjustPointWindow::setOffset(double offset) {
    const int index = selectedIndex();
    if (index == 0) {
        return false;
    }
    const CoordinateSet before = original_ ? *original_ : host_.coordinatesOf(right_);
    const float value = static_cast<float>(static_cast<double>(before[index]) + offset);
    const std::string what = coordinateAxisName(index) + " of the " + coordinatePointName(index);
    if (!std::isfinite(value)) {
        messages_.show(adjustMessage("An offset of " + offsetText(offset).toStdString() + " " +
                                     lengthUnitText() + " moves the " + what +
                                     " beyond any number the table holds."));
        return false;
    }
    if (value == 0.0f) {
        messages_.show(adjustMessage("An offset of " + offsetText(offset).toStdString() + " " +
                                     lengthUnitText() + " makes the " + what +
                                     " 0, which the table takes as not entered."));
        return false;
    }
    if (!original_) {
        original_ = before;
        trial_ = before;
        host_.previewStarted(right_, before);
    }
    offsets_[static_cast<std::size_t>(index)] = offset;
    trial_[index] = offset == 0 ? before[index] : value;
    host_.preview(right_, trial_);
    showSelection();
    return true;
}

std::optional<CoordinateSet> AdjustPointWindow::endTrial() {
    dropStaleTrial();
    std::optional<CoordinateSet> original = original_;
    original_.reset();
    offsets_.fill(0);
    return original;
}

void AdjustPointWindow::keep() {
    if (const std::optional<CoordinateSet> original = endTrial()) {
        host_.keep(right_, *original, trial_);
        showSelection();
    }
}

void AdjustPointWindow::revert() {
    if (const std::optional<CoordinateSet> original = endTrial()) {
        host_.revert(right_, *original);
        showSelection();
    }
}

void AdjustPointWindow::showSelection() {
    // The steps and the offset follow the units the program shows.
    for (std::size_t i = 0; i < nudgeButtons_.size(); ++i) {
        const Nudge& n = kNudges[i];
        nudgeButtons_[i]->setText(
            QString::fromLatin1(showsMillimetres() ? n.mmCaption : n.caption));
    }
    lblOffset_->setText(
        QStringLiteral("&Offset (%1)").arg(QString::fromStdString(lengthUnitText())));
    const int index = selectedIndex();
    btnKeep_->setEnabled(original_.has_value());
    btnRevert_->setEnabled(original_.has_value());
    if (index == 0) {
        txtOffset_->clear();
        lblValue_->clear();
        return;
    }
    const double offset = offsets_[static_cast<std::size_t>(index)];
    txtOffset_->setText(offsetText(offset));
    const CoordinateSet now = original_ ? trial_ : host_.coordinatesOf(right_);
    // Thousandths, as every analysis window shows a length.
    const auto shown = [](float value) {
        return QString::fromStdString(fixedLength(static_cast<double>(value), 3));
    };
    const QString unit = QString::fromStdString(lengthUnitText());
    QString text =
        QStringLiteral("%1 = %2 %3")
            .arg(QString::fromStdString(coordinateAxisName(index)), shown(now[index]), unit);
    if (original_ && now[index] != (*original_)[index]) {
        text += QStringLiteral(" (was %1 %2)").arg(shown((*original_)[index]), unit);
    }
    lblValue_->setText(text);
}

void AdjustPointWindow::closeEvent(QCloseEvent* event) {
    revert();
    QWidget::closeEvent(event);
}

bool AdjustPointWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            const double step = key->modifiers() & Qt::ControlModifier ? 0.25
                                : key->modifiers() & Qt::ShiftModifier ? 0.125
                                                                       : 0.0625;
            nudge(key->key() == Qt::Key_Up ? step : -step);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora
