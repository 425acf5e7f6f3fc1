#include "chassis/step_box.h"

#include "model/decimal_scan.h"

#include <QLineEdit>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmora {
namespace {

std::optional<double> parseNumber(const std::string& text) {
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<DecimalNumber> number = scanDecimal(text, start, "eE");
    if (!number || text.find_first_not_of(' ', number->end) != std::string::npos) {
        return std::nullopt;
    }
    const std::string normal = normalDecimalText(*number);
    double value = 0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return number->order > 0 ? HUGE_VAL : 0.0; // the limits refuse the first
    }
    if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

QString boxText(double value) {
    return QString::number(value == 0 ? 0.0 : value, 'g', 12);
}

} // namespace

StepBox::StepBox(double step, double limit, std::string (*describe)(double, const std::string&),
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

void StepBox::setValue(double value) {
    value_ = value;
    problem_.clear();
    lineEdit()->setText(boxText(value));
}

bool StepBox::take() {
    const std::string text = lineEdit()->text().toStdString();
    const std::optional<double> value = parseNumber(text);
    std::string why =
        value ? describe_(*value, what_.toStdString()) : what_.toStdString() + " must be a number";
    if (!why.empty()) {
        problem_ = QString::fromStdString(why + ", not \"" + text + "\"; it stays at ") +
                   boxText(value_) + QStringLiteral(".");
        return false;
    }
    problem_.clear();
    value_ = *value;
    return true;
}

void StepBox::stepBy(int steps) {
    if (!take()) {
        emit edited(); // a step from a refused text would lose it: say why instead
        return;
    }
    // Held to millionths, so that the value is the one the box shows (0.3, not
    // 0.30000000000000004 after three steps of 0.1).
    const double next = std::clamp(value_ + steps * step_, -limit_, limit_);
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
