#include "ui/widgets/window_placement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace velmora {
namespace {

// A 600 x 400 window on a 1600 x 1000 screen: beside the main window where there is room,
// beside another window where the main window has none, never off the screen.
TEST(WindowPlacement, BesideTheMainWindowOnTheScreenAndOverNoOtherWindow) {
    const QRect screen(0, 0, 1600, 1000);
    const QSize frame(600, 400);
    struct Case {
        const char* what;
        QRect main;
        std::vector<QRect> open;
        QPoint expected;
    };
    const Case cases[] = {
        {"room on the right", {0, 0, 800, 600}, {}, {808, 0}},
        {"room on the left only", {900, 0, 700, 600}, {}, {292, 0}},
        {"room below only", {0, 0, 1600, 500}, {}, {0, 508}},
        {"the right taken by another window", {0, 0, 800, 600}, {{808, 0, 600, 400}}, {808, 408}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(placeBeside(frame, c.main, c.open, screen), c.expected) << c.what;
    }
    // No free place: on the screen, over as little as can be.
    const QPoint crowded = placeBeside(frame, {0, 0, 1600, 1000}, {}, screen);
    EXPECT_TRUE(screen.contains(QRect(crowded, frame)));
    const QPoint huge = placeBeside({2000, 1200}, {0, 0, 800, 600}, {}, screen);
    EXPECT_EQ(huge, screen.topLeft());
}

// A window never resized is placed at the size its layout gives it when shown, so it lands
// wholly on the screen, clear of the main window.
TEST(WindowPlacement, AWindowIsPlacedAtTheSizeItIsShownAt) {
    QWidget main;
    main.setGeometry(0, 0, 300, 200);
    main.show();
    QWidget window(&main, Qt::Window);
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(new QLabel(QString(60, QLatin1Char('W'))));
    showBeside(window, main);
    const QRect screen = main.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window.geometry())) << window.geometry().x();
    EXPECT_FALSE(window.geometry().intersects(main.geometry()));
}

} // namespace
} // namespace velmora
