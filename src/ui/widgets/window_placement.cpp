#include "ui/widgets/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace velmora {
namespace {

constexpr int kGap = 8;
constexpr const char* kPlacedProperty = "velmoraPlaced";

long long overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

// Places next to `r`: right, left, below, above, each aligned with its top or left edge.
void besides(const QRect& r, QSize frame, std::vector<QPoint>& out) {
    out.emplace_back(r.right() + 1 + kGap, r.top());
    out.emplace_back(r.left() - kGap - frame.width(), r.top());
    out.emplace_back(r.left(), r.bottom() + 1 + kGap);
    out.emplace_back(r.left(), r.top() - kGap - frame.height());
}

QPoint clampedTo(const QRect& screen, QSize frame, QPoint at) {
    const int x = std::clamp(at.x(), screen.left(),
                             std::max(screen.left(), screen.right() + 1 - frame.width()));
    const int y = std::clamp(at.y(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - frame.height()));
    return {x, y};
}

} // namespace

QPoint placeBeside(QSize frame, const QRect& main, const std::vector<QRect>& open,
                   const QRect& screen) {
    std::vector<QRect> windows{main};
    windows.insert(windows.end(), open.begin(), open.end());
    std::vector<QPoint> candidates;
    for (const QRect& r : windows) {
        besides(r, frame, candidates);
    }
    candidates.push_back(screen.topLeft());
    QPoint best = clampedTo(screen, frame, candidates.front());
    long long bestCovered = std::numeric_limits<long long>::max();
    for (const QPoint& at : candidates) {
        // A place off the screen is moved onto it, then judged like the rest.
        const QPoint placed = clampedTo(screen, frame, at);
        const QRect rect(placed, frame);
        long long covered = 0;
        for (const QRect& r : windows) {
            covered += overlap(rect, r);
        }
        const bool onScreen = screen.contains(rect);
        if (covered == 0 && onScreen && placed == at) {
            return placed;
        }
        if (covered < bestCovered) {
            bestCovered = covered;
            best = placed;
        }
    }
    return best;
}

void showBeside(QWidget& window, const QWidget& main) {
    if (!window.property(kPlacedProperty).toBool()) {
        window.setProperty(kPlacedProperty, true);
        const QScreen* screen = main.screen() ? main.screen() : QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        // A window never resized takes its layout's size only when shown: it is placed at
        // that size, not at the small one it has until then.
        if (!window.testAttribute(Qt::WA_Resized)) {
            window.adjustSize();
        }
        // Before its first show a window has no frame yet: the main window's stands in.
        const QSize decoration = main.frameGeometry().size() - main.geometry().size();
        QSize frame = window.size() + decoration;
        if (frame.width() > available.width() || frame.height() > available.height()) {
            frame = frame.boundedTo(available.size());
            window.resize(frame - decoration);
        }
        std::vector<QRect> open;
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            if (w != &window && w != &main && w->isVisible()) {
                open.push_back(w->frameGeometry());
            }
        }
        window.move(placeBeside(frame, main.frameGeometry(), open, available));
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace velmora
