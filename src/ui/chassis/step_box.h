#pragma once

#include <QAbstractSpinBox>

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// A number box with spin buttons and arrow keys that step it in small steps. Typing is free:
// the text is read when the user presses Enter, leaves the box or steps it, and a text that is
// not a number within the limits is refused with a reason (problem()), keeping both the typed
// text and the last value that was accepted.
class StepBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    // `describe` gives the reason a value is refused, empty when it is fine.
    StepBox(double step, double limit, std::string (*describe)(double, std::string_view),
            QString what, QWidget* parent = nullptr);

    double value() const { return value_; }
    // Steps stop here instead of at -limit (a travel each way is never below its first step).
    void setLowest(double lowest) { lowest_ = lowest; }
    // A length: the value stays in inches, the text is typed and shown in the display unit,
    // stepping by `millimetreStep` while that is millimetres.
    void setLength(double millimetreStep);
    // Shows the value again when the display unit changed since it was last shown.
    void showUnit();
    void setValue(double value);
    // A value found by a computation, shown to `decimals` but kept whole until the text is
    // edited.
    void setComputedValue(double value, int decimals);
    // Why the text was last refused; empty while the box holds an accepted value.
    const QString& problem() const { return problem_; }

    void stepBy(int steps) override;

signals:
    // The value changed, or a typed text was refused (problem() says why).
    void edited();

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    // Reads the text; false (with problem_ set) when it is refused.
    bool take();

    double step_;
    double limit_;
    std::optional<double> lowest_;
    std::string (*describe_)(double, std::string_view);
    QString what_;
    double value_ = 0;
    QString problem_;
    std::optional<double> millimetreStep_; // set for a length
    bool shownInMillimetres_ = false;
    QString roundedText_; // the text setComputedValue showed, empty otherwise

    QString shownText(double value) const;
};

} // namespace velmora
