#include "ui/chassis/step_box.h"

#include "model/shown_length.h"
#include "model/typed_number.h"

#include <QLineEdit>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmora {
namespace {

QString boxText(double value) {
    return QString::number(value == 0 ? 0.0 : value, 'g', 12);
}

} // namespace

StepBox::StepBox(double step, double limit, std::string (*describe)(double, std::string_view),
                 QString what, QWidget* parent)
    : QAbstractSpinBox(parent), step_(step), limit_(limit), describe_(describe),
      what_(std::move(what)) {
    setAccelerated(false);
    setKeyboardTracking(false);
    lineEdit()->setText(boxText(0));
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        const double before = value_;
        const QString problemBefore = problem_;
        if (!take() || value_ != before || problem_ != problemBefore) {
            emit edited();
        }
    });
}

void StepBox::setLength(double millimetreStep) {
    millimetreStep_ = millimetreStep;
    setValue(value_);
}

void StepBox::showUnit() {
    if (millimetreStep_ && shownInMillimetres_ != showsMillimetres()) {
        setValue(value_);
    }
}

QString StepBox::shownText(double value) const {
    if (!millimetreStep_ || !showsMillimetres()) {
        return boxText(value);
    }
    return boxText(std::round(shownLength(value) * 1e6) / 1e6);
}

void StepBox::setValue(double value) {
    value_ = value;
    problem_.clear();
    shownInMillimetres_ = showsMillimetres();
    roundedText_.clear();
    lineEdit()->setText(shownText(value));
}

void StepBox::setComputedValue(double value, int decimals) {
    setValue(value);
    const double shown = millimetreStep_ && showsMillimetres() ? shownLength(value) : value;
    roundedText_ = QString::number(shown, 'f', decimals);
    lineEdit()->setText(roundedText_);
}

bool StepBox::take() {
    // A computed value shown rounded keeps its every digit while its text is left alone.
    if (!roundedText_.isEmpty() && lineEdit()->text() == roundedText_) {
        problem_.clear();
        return true;
    }
    roundedText_.clear();
    const std::string text = lineEdit()->text().toStdString();
    const TypedNumber number = readTypedNumber(text, {.blanksAround = true});
    const std::size_t first = text.find_first_not_of(" \t");
    const std::string typed = first == std::string::npos
                                  ? std::string()
                                  : text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const double value = millimetreStep_ ? typedLength(number.value) : number.value;
    const std::string why =
        number.ok() ? describe_(value, typed) : what_.toStdString() + " " + number.problem;
    if (!why.empty()) {
        problem_ = QString::fromStdString(why + "; it stays at ") + shownText(value_) +
                   QStringLiteral(".");
        return false;
    }
    problem_.clear();
    value_ = value;
    return true;
}

void StepBox::stepBy(int steps) {
    if (!take()) {
        emit edited(); // a step from a refused text would lose it: say why instead
        return;
    }
    // Held to millionths, so that the value is the one the box shows (0.3, not
    // 0.30000000000000004 after three steps of 0.1).
    if (millimetreStep_ && showsMillimetres()) {
        const double shown = std::round(shownLength(value_) * 1e6) / 1e6;
        const double next = typedLength(std::round((shown + steps * *millimetreStep_) * 1e6) / 1e6);
        setValue(std::clamp(next, lowest_.value_or(-limit_), limit_));
        emit edited();
        return;
    }
    const double next = std::clamp(value_ + steps * step_, lowest_.value_or(-limit_), limit_);
    setValue(std::round(next * 1e6) / 1e6);
    emit edited();
}

QAbstractSpinBox::StepEnabled StepBox::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State StepBox::validate(QString&, int&) const {
    return QValidator::Acceptable; // any text may be typed; it is judged when it is taken
}

} // namespace velmora
