#include "ui/widgets/qpainter_canvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

namespace {

constexpr double kFullTurn = 2.0 * std::numbers::pi;

// Qt measures arc angles in sixteenths of a degree.
int toSixteenthsOfDegree(double radians) {
    return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
}

bool isFinite(double a, double b = 0, double c = 0, double d = 0) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

} // namespace

QColor toQColor(Rgb color) {
    return QColor(color.r, color.g, color.b);
}

QFont toQFont(const Font& font, double scale) {
    QFont result = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QStringList families;
    if (font.face.empty() || font.face == "MS Sans Serif") {
        // The pictures' captions were laid out for a narrow face; the common wide defaults
        // (DejaVu Sans) run them off the surface. Faces of the usual narrow width first,
        // then the platform's default sans.
        families = {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                    QStringLiteral("Helvetica")};
    } else if (font.face == "Courier New") {
        // The printer's fixed-pitch face: its clones of the same width first, then any
        // fixed-pitch face, so the printed columns still line up.
        families = {QStringLiteral("Courier New"),
                    QStringLiteral("Liberation Mono"),
                    QStringLiteral("Nimbus Mono PS"),
                    QStringLiteral("Courier"),
                    QStringLiteral("DejaVu Sans Mono"),
                    QFontDatabase::systemFont(QFontDatabase::FixedFont).family()};
    } else {
        families = {QString::fromStdString(font.face)};
    }
    families.append(result.family());
    result.setFamilies(families);
    result.setStyleHint(font.face == "Courier New" ? QFont::TypeWriter : QFont::SansSerif);
    const double points = font.size * scale;
    result.setPointSizeF(points > 0 && std::isfinite(points) ? points : 1.0);
    result.setBold(font.bold);
    if (font.face == "Courier New") {
        // Semi-condensed, so that the widest printed line (82 characters at 12 points) fits
        // between the margins of a letter page.
        result.setStretch(QFont::SemiCondensed);
    }
    return result;
}

QPainterCanvas::QPainterCanvas(QPainter& painter, QSize pixelSize)
    : QPainterCanvas(painter, pixelSize, Options{}) {}

QPainterCanvas::QPainterCanvas(QPainter& painter, QSize pixelSize, Options options)
    : painter_(painter), size_(pixelSize), options_(options), right_(pixelSize.width()),
      bottom_(pixelSize.height()), background_(options.background),
      font_(toQFont(Font{}, options.fontScale)) {
    if (right_ <= 0) {
        right_ = 1;
    }
    if (bottom_ <= 0) {
        bottom_ = 1;
    }
    painter_.setClipRect(QRect(QPoint(0, 0), size_));
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

QPointF QPainterCanvas::toDevice(double x, double y) const {
    return {(x - left_) * size_.width() / (right_ - left_),
            (y - top_) * size_.height() / (bottom_ - top_)};
}

void QPainterCanvas::setScale(double left, double top, double right, double bottom) {
    // A scale without extent cannot map anything; keep the previous one.
    if (!isFinite(left, top, right, bottom) || right == left || bottom == top) {
        return;
    }
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void QPainterCanvas::clear() {
    painter_.fillRect(QRect(QPoint(0, 0), size_), toQColor(background_));
    currentX_ = left_;
    currentY_ = top_;
}

void QPainterCanvas::setBackground(Rgb color) {
    background_ = color;
    clear();
}

void QPainterCanvas::applyPen(Rgb color) {
    const double scaled = std::max(1.0, std::round(penWidth_ * options_.penScale));
    QPen pen(toQColor(color));
    pen.setWidthF(scaled);
    pen.setStyle(penStyle_ == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    // Wide pens end round, as the tyre tread of the suspension picture expects.
    pen.setCapStyle(scaled > 1 ? Qt::RoundCap : Qt::SquareCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
}

void QPainterCanvas::line(double x1, double y1, double x2, double y2, Rgb color) {
    if (!isFinite(x1, y1, x2, y2)) {
        return;
    }
    applyPen(color);
    painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void QPainterCanvas::box(double x1, double y1, double x2, double y2, Rgb color) {
    if (!isFinite(x1, y1, x2, y2)) {
        return;
    }
    applyPen(color);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
}

void QPainterCanvas::circle(double cx, double cy, double r, Rgb color, double aspect,
                            std::optional<ArcSpec> arc) {
    if (!isFinite(cx, cy, r, aspect) || aspect <= 0) {
        return;
    }
    const double radius = std::abs(r);
    const double horizontal = aspect >= 1.0 ? radius / aspect : radius;
    const double vertical = aspect >= 1.0 ? radius : radius * aspect;
    // Both semi-axes are in units of the x axis.
    const double unitPixels = std::abs(size_.width() / (right_ - left_));
    const QPointF centre = toDevice(cx, cy);
    const QRectF bounds(centre.x() - horizontal * unitPixels, centre.y() - vertical * unitPixels,
                        2 * horizontal * unitPixels, 2 * vertical * unitPixels);

    applyPen(color);
    if (fillStyle_ == FillStyle::Solid) {
        painter_.setBrush(toQColor(fillColor_));
    } else {
        painter_.setBrush(Qt::NoBrush);
    }

    if (!arc) {
        painter_.drawEllipse(bounds);
        return;
    }
    if (!isFinite(arc->start, arc->end)) {
        return;
    }
    double span = std::fmod(arc->end - arc->start, kFullTurn);
    if (span < 0) {
        span += kFullTurn;
    }
    const int start16 = toSixteenthsOfDegree(arc->start);
    const int span16 = toSixteenthsOfDegree(span);
    if (arc->pie) {
        painter_.drawPie(bounds, start16, span16);
    } else {
        painter_.drawArc(bounds, start16, span16);
    }
}

void QPainterCanvas::setCurrentPosition(double x, double y) {
    if (!isFinite(x, y)) {
        return;
    }
    currentX_ = x;
    currentY_ = y;
}

double QPainterCanvas::lineSpacingInUserUnits() const {
    const QFontMetricsF metrics(font_, painter_.device());
    return metrics.lineSpacing() * (bottom_ - top_) / std::max(1, size_.height());
}

void QPainterCanvas::print(const std::string& text) {
    painter_.setFont(font_);
    painter_.setPen(toQColor(textColor_));
    const QFontMetricsF metrics(font_, painter_.device());
    const double tabPixels = std::max(1.0, kTabColumns * metrics.averageCharWidth());
    const double leftPixel = toDevice(left_, top_).x();

    QPointF at = toDevice(currentX_, currentY_);
    const QStringList pieces = QString::fromStdString(text).split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            const double fromLeft = at.x() - leftPixel;
            at.setX(leftPixel + (std::floor(fromLeft / tabPixels) + 1.0) * tabPixels);
        }
        if (!pieces[i].isEmpty()) {
            painter_.drawText(QPointF(at.x(), at.y() + metrics.ascent()), pieces[i]);
            at.setX(at.x() + metrics.horizontalAdvance(pieces[i]));
        }
    }
    currentX_ = left_;
    currentY_ += lineSpacingInUserUnits();
}

void QPainterCanvas::setTextColor(Rgb color) {
    textColor_ = color;
}

void QPainterCanvas::setFont(const Font& font) {
    font_ = toQFont(font, options_.fontScale);
}

void QPainterCanvas::setPenWidth(int pixels) {
    penWidth_ = std::max(0, pixels);
}

void QPainterCanvas::setPenStyle(PenStyle style) {
    penStyle_ = style;
}

void QPainterCanvas::setFillStyle(FillStyle style) {
    fillStyle_ = style;
}

void QPainterCanvas::setFillColor(Rgb color) {
    fillColor_ = color;
}

} // namespace velmora
