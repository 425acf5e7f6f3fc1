// The reference for the start-up benchmark: a bare Qt window of the main window's size and
// place, timed to its first expose as the desktop program is (VELMORA_QUIT_WHEN_SHOWN).
#include "quit_when_shown.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect whole = screen->geometry();
        window.resize(whole.width() * 3 / 4, whole.height() * 3 / 4);
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    if (velmora::QuitWhenShown::requested()) {
        (new velmora::QuitWhenShown(sinceStart, &app))->watch(window);
    }
    window.show();
    return QApplication::exec();
}
