#include "ui/widgets/proportional_layout.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {
// Fonts follow the window, but more gently than the controls and within reason: a tiny
// window keeps legible texts and a huge one does not turn labels into headlines.
constexpr double kFontDamping = 0.75;
constexpr double kMinFontFactor = 0.75;
constexpr double kMaxFontFactor = 1.8;

double fontFactor(double pixelsPerTwip) {
    const double relative = pixelsPerTwip / ProportionalLayout::kNaturalPixelsPerTwip;
    if (relative <= 0) {
        return 1.0;
    }
    return std::clamp(std::pow(relative, kFontDamping), kMinFontFactor, kMaxFontFactor);
}

// The width a label's text takes: that of its widest line, since a column of values breaks
// its text into lines.
int widestLineAdvance(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line.toString()));
    }
    return widest;
}

// A label whose lines are wider than its place gets a smaller font, so the design's captions
// stay whole whatever face the platform substitutes.
void shrinkToFit(QLabel& label, QFont& font) {
    if (label.wordWrap() || label.text().isEmpty() || label.width() <= 0) {
        return;
    }
    const int available = label.width() - 2;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int advance = widestLineAdvance(QFontMetrics(font), label.text());
        if (advance <= available || advance <= 0) {
            return;
        }
        // Text width is close to proportional to the font size; a little extra margin
        // covers hinting, and a few rounds settle the rest.
        const double ratio = 0.97 * available / advance;
        if (font.pointSizeF() > 0) {
            if (font.pointSizeF() <= 4.0) {
                return;
            }
            font.setPointSizeF(std::max(4.0, font.pointSizeF() * ratio));
        } else {
            if (font.pixelSize() <= 5) {
                return;
            }
            font.setPixelSize(std::max(5, static_cast<int>(font.pixelSize() * ratio)));
        }
    }
}
} // namespace

ProportionalLayout::ProportionalLayout(QWidget* host, QSize designClientTwips)
    : QObject(host), host_(host), design_(designClientTwips) {
    host_->installEventFilter(this);
}

void ProportionalLayout::add(QWidget* control, const QRect& designTwips) {
    if (control == nullptr) {
        return;
    }
    Entry entry{control, designTwips, control->font().pointSizeF(), control->font().pixelSize()};
    if (auto found = index_.find(control); found != index_.end()) {
        entries_[*found] = entry;
    } else {
        index_.insert(control, static_cast<int>(entries_.size()));
        entries_.push_back(entry);
    }
    control->setGeometry(toPixels(designTwips));
}

void ProportionalLayout::move(QWidget* control, const QRect& designTwips) {
    const auto found = index_.find(control);
    if (found == index_.end()) {
        add(control, designTwips);
        return;
    }
    entries_[*found].design = designTwips;
    control->setGeometry(toPixels(designTwips));
}

bool ProportionalLayout::contains(const QWidget* control) const {
    return index_.contains(control);
}

QRect ProportionalLayout::designRect(const QWidget* control) const {
    const auto found = index_.find(control);
    return found == index_.end() ? QRect() : entries_[*found].design;
}

double ProportionalLayout::scaleX() const {
    return design_.width() > 0 ? static_cast<double>(host_->width()) / design_.width() : 0.0;
}

double ProportionalLayout::scaleY() const {
    return design_.height() > 0 ? static_cast<double>(host_->height()) / design_.height() : 0.0;
}

QRect ProportionalLayout::toPixels(const QRect& designTwips) const {
    const double sx = scaleX();
    const double sy = scaleY();
    // Edges are rounded, not sizes, so neighbours that touch in the design still touch.
    const int left = static_cast<int>(std::lround(designTwips.x() * sx));
    const int top = static_cast<int>(std::lround(designTwips.y() * sy));
    const int right = static_cast<int>(std::lround((designTwips.x() + designTwips.width()) * sx));
    const int bottom = static_cast<int>(std::lround((designTwips.y() + designTwips.height()) * sy));
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

void ProportionalLayout::apply() {
    const double factor = fontFactor(std::min(scaleX(), scaleY()));
    for (const Entry& entry : entries_) {
        if (entry.control.isNull()) {
            continue;
        }
        entry.control->setGeometry(toPixels(entry.design));
        if (!scaleFonts_) {
            continue;
        }
        QFont font = entry.control->font();
        if (entry.basePointSize > 0) {
            font.setPointSizeF(entry.basePointSize * factor);
        } else if (entry.basePixelSize > 0) {
            font.setPixelSize(
                std::max(1, static_cast<int>(std::lround(entry.basePixelSize * factor))));
        }
        if (auto* label = qobject_cast<QLabel*>(entry.control.data())) {
            shrinkToFit(*label, font);
        }
        if (font != entry.control->font()) {
            entry.control->setFont(font);
        }
    }
}

bool ProportionalLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == host_ && event->type() == QEvent::Resize) {
        apply();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmora
