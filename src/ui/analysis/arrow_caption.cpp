#include "ui/analysis/arrow_caption.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace velmora {

namespace {

void drawArrowHead(QPainter& painter, QPointF tip, QPointF direction, double size) {
    const QPointF back = tip - direction * size;
    const QPointF side(-direction.y() * size * 0.5, direction.x() * size * 0.5);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(back + side);
    head.lineTo(back - side);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

} // namespace

ArrowCaption::ArrowCaption(const QString& text, Qt::Orientation arrow, QWidget* parent)
    : QWidget(parent), text_(text), arrow_(arrow) {}

void ArrowCaption::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(ink);
    const QFontMetricsF metrics(font());
    const double textWidth = metrics.horizontalAdvance(text_);
    painter.drawText(QRectF(0, 0, textWidth + 1, height()), Qt::AlignLeft | Qt::AlignVCenter,
                     text_);

    const double gap = metrics.averageCharWidth();
    const double head = std::max(4.0, metrics.height() / 3.0);
    const double mid = height() / 2.0;
    if (arrow_ == Qt::Horizontal) {
        const double from = textWidth + gap;
        const double to = std::min<double>(width() - 1, from + 6 * metrics.averageCharWidth());
        if (to - from < 3 * head) {
            return;
        }
        painter.drawLine(QPointF(from + head, mid), QPointF(to - head, mid));
        drawArrowHead(painter, QPointF(from, mid), QPointF(-1, 0), head);
        drawArrowHead(painter, QPointF(to, mid), QPointF(1, 0), head);
    } else {
        const double x = textWidth + gap + head;
        if (x + head > width()) {
            return;
        }
        const double top = 1;
        const double bottom = height() - 1;
        if (bottom - top < 3 * head) {
            return;
        }
        painter.drawLine(QPointF(x, top + head), QPointF(x, bottom - head));
        drawArrowHead(painter, QPointF(x, top), QPointF(0, -1), head);
        drawArrowHead(painter, QPointF(x, bottom), QPointF(0, 1), head);
    }
}

} // namespace velmora
