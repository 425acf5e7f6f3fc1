#include "ui/widgets/after_first_expose.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace velmora {
namespace {

// Watches the widget until it is shown (its native window exists from then on), then that
// window until its first expose; it goes once `then` is queued.
class FirstExposeWatcher : public QObject {
public:
    FirstExposeWatcher(QWidget& window, std::function<void()> then)
        : QObject(&window), window_(window), then_(std::move(then)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show && window_.windowHandle()) {
            window_.removeEventFilter(this);
            window_.windowHandle()->installEventFilter(this);
        } else if (watched == window_.windowHandle() && event->type() == QEvent::Expose) {
            window_.windowHandle()->removeEventFilter(this);
            QTimer::singleShot(0, &window_, std::move(then_));
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> then_;
};

} // namespace

void afterFirstExpose(QWidget& window, std::function<void()> then) {
    new FirstExposeWatcher(window, std::move(then));
}

} // namespace velmora
