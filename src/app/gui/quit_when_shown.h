#pragma once

// With VELMORA_QUIT_WHEN_SHOWN set in the environment, a program ends as soon as the window
// system first exposes its window, after printing "shown N ms" (N counted from main()) on
// stdout. The start-up benchmark times the desktop program and a bare Qt window this way, so
// both are measured to the same event. Header only: the bare window must not link the
// desktop libraries, whose loading is part of what is measured.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace velmora {

class QuitWhenShown : public QObject {
public:
    // `sinceStart` was started at the top of main().
    QuitWhenShown(QElapsedTimer sinceStart, QObject* parent)
        : QObject(parent), clock_(sinceStart) {}

    static bool requested() { return !qEnvironmentVariableIsEmpty("VELMORA_QUIT_WHEN_SHOWN"); }

    // Watches `window` (before it is shown: the first expose may come during show()).
    void watch(QWidget& window) {
        window_ = &window;
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The widget's native window exists only once it is shown, so it is compared here
        // rather than watched directly.
        if (event->type() == QEvent::Expose && !done_ && window_ != nullptr &&
            watched == window_->windowHandle() && window_->windowHandle()->isExposed()) {
            done_ = true;
            std::printf("shown %lld ms\n", static_cast<long long>(clock_.elapsed()));
            std::fflush(stdout);
            // Queued, so that it also ends a program whose expose came before its event loop;
            // exit, not quit, which would close the windows and could ask to save.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QCoreApplication::exit(0); },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer clock_;
    QPointer<QWidget> window_;
    bool done_ = false;
};

} // namespace velmora
