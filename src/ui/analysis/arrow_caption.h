#pragma once

#include <QWidget>

namespace velmora {

// A static caption followed by a double-headed arrow that shows which way of the graph it
// names: horizontal for the amount of change, vertical for the wheel movement.
class ArrowCaption : public QWidget {
    Q_OBJECT

public:
    ArrowCaption(const QString& text, Qt::Orientation arrow, QWidget* parent = nullptr);

    QString text() const { return text_; }
    Qt::Orientation arrow() const { return arrow_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    Qt::Orientation arrow_;
};

} // namespace velmora
