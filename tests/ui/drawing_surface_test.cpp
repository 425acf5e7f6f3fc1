#include "ui/widgets/drawing_surface.h"

#include "core/drawing/recorded_ops.h"
#include "ui/widgets/qpainter_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace velmora {
namespace {

// Paints on a white image through a QPainterCanvas and hands the image back.
template <typename Draw> QImage paint(QSize size, Draw draw, QPainterCanvas::Options options = {}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterCanvas canvas(painter, size, options);
    draw(canvas);
    painter.end();
    return image;
}

// Bounding box of the pixels of one colour.
QRect extentOf(const QImage& image, QColor color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

TEST(QPainterCanvas, MapsFlippedAndOffsetScalesOntoTheDevice) {
    QImage image(143, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    QPainterCanvas canvas(painter, image.size());

    // A printed page: 143 units wide starting at -20, 200 high.
    canvas.setScale(-20, 0, 123, 200);
    EXPECT_EQ(canvas.toDevice(-20, 0), QPointF(0, 0));
    EXPECT_EQ(canvas.toDevice(123, 200), QPointF(143, 200));
    EXPECT_EQ(canvas.toDevice(0, 100), QPointF(20, 100));

    // y growing upwards.
    canvas.setScale(0, 10, 10, 0);
    EXPECT_EQ(canvas.toDevice(0, 0), QPointF(0, 200));
    EXPECT_EQ(canvas.toDevice(10, 10), QPointF(143, 0));

    // A scale without extent is refused rather than dividing by zero.
    canvas.setScale(5, 5, 5, 5);
    EXPECT_EQ(canvas.toDevice(10, 10), QPointF(143, 0));
}

TEST(QPainterCanvas, EllipseAxesFollowTheAspectRuleInUnitsOfTheXAxis) {
    // x: 2 pixels per unit, y: 4 pixels per unit; radii are in x units either way.
    const QSize size(200, 400);
    auto drawEllipse = [](double aspect) {
        return [aspect](Canvas& c) {
            c.setScale(0, 0, 100, 100);
            c.setFillStyle(FillStyle::Solid);
            c.setFillColor(colors::Red);
            c.circle(50, 50, 20, colors::Red, aspect);
        };
    };
    // Aspect 2: vertical semi-axis 20 units (40 px), horizontal 10 units (20 px).
    const QRect tall = extentOf(paint(size, drawEllipse(2.0)), Qt::red);
    EXPECT_NEAR(tall.width(), 40, 2);
    EXPECT_NEAR(tall.height(), 80, 2);
    // Aspect 0.5: horizontal 20 units (40 px), vertical 10 units (20 px).
    const QRect wide = extentOf(paint(size, drawEllipse(0.5)), Qt::red);
    EXPECT_NEAR(wide.width(), 80, 2);
    EXPECT_NEAR(wide.height(), 40, 2);
    // Aspect 1 is round on the device although the axis scales differ.
    const QRect round = extentOf(paint(size, drawEllipse(1.0)), Qt::red);
    EXPECT_NEAR(round.width(), round.height(), 2);
}

TEST(QPainterCanvas, PieRunsCounterClockwiseAsSeenOnTheSurface) {
    const QImage image = paint(QSize(100, 100), [](Canvas& c) {
        c.setScale(0, 0, 100, 100);
        c.setFillStyle(FillStyle::Solid);
        c.setFillColor(colors::Red);
        c.circle(50, 50, 40, colors::Red, 1.0, ArcSpec{0.0, std::numbers::pi / 2, /*pie=*/true});
    });
    EXPECT_EQ(image.pixelColor(70, 30), QColor(Qt::red));   // upper right: inside
    EXPECT_EQ(image.pixelColor(70, 70), QColor(Qt::white)); // lower right: outside
    EXPECT_EQ(image.pixelColor(30, 30), QColor(Qt::white)); // upper left: outside
}

TEST(QPainterCanvas, PrintGoesToTheNextLineAndTabsToStops) {
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterCanvas canvas(painter, image.size());
    canvas.setScale(0, 0, 400, 100);
    canvas.setTextColor(colors::Black);
    canvas.setCurrentPosition(30, 10);
    canvas.print("\tX");
    EXPECT_EQ(canvas.currentX(), 0);
    EXPECT_GT(canvas.currentY(), 10);
    const double firstLine = canvas.currentY() - 10;
    canvas.print("");
    EXPECT_NEAR(canvas.currentY() - 10, 2 * firstLine, 1e-9);
    painter.end();

    // The X stands at the first tab stop after x = 30, not at 30.
    const QFontMetricsF metrics(toQFont(Font{}), &image);
    const double stop = QPainterCanvas::kTabColumns * metrics.averageCharWidth();
    const QRect ink = extentOf(image, Qt::black);
    ASSERT_TRUE(ink.isValid());
    EXPECT_GE(ink.left(), std::floor(std::max(stop, 30.0)) - 1);
}

TEST(QPainterCanvas, BackgroundFillsAndWidePensScale) {
    const QImage image = paint(QSize(100, 100),
                               [](Canvas& c) {
                                   c.setBackground(colors::Black);
                                   c.setScale(0, 0, 100, 100);
                                   c.setPenWidth(5);
                                   c.line(10, 50, 90, 50, colors::Yellow);
                               },
                               {.penScale = 2.0});
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::black));
    const QRect pen = extentOf(image, Qt::yellow);
    EXPECT_NEAR(pen.height(), 10, 1);
}

TEST(DrawingSurface, KeepsItsPictureWhenResized) {
    DrawingSurface surface;
    surface.setBackgroundColor(colors::LightGrey);
    surface.resize(200, 100);
    Canvas& canvas = surface.canvas();
    EXPECT_EQ(canvas.pixelWidth(), 200);
    canvas.setScale(0, 0, 100, 100);
    canvas.setPenWidth(3);
    canvas.line(0, 50, 100, 50, colors::Red);

    const QImage small = surface.grab().toImage();
    EXPECT_EQ(small.pixelColor(100, 50), QColor(Qt::red));
    EXPECT_EQ(small.pixelColor(100, 10), QColor(192, 192, 192));

    surface.resize(400, 300);
    EXPECT_EQ(surface.canvas().pixelWidth(), 400);
    const QImage large = surface.grab().toImage();
    EXPECT_EQ(large.size(), QSize(400, 300));
    EXPECT_EQ(large.pixelColor(390, 150), QColor(Qt::red));
    EXPECT_EQ(large.pixelColor(200, 40), QColor(192, 192, 192));
}

TEST(DrawingSurface, ClearKeepsTheBackgroundTheDrawingSet) {
    DrawingSurface surface;
    surface.resize(50, 50);
    surface.canvas().setBackground(colors::Black);
    surface.canvas().line(0, 0, 49, 49, colors::Red);
    surface.canvas().clear();
    // Only the clear is left to replay, and it paints the surface's black, not white.
    EXPECT_TRUE(testing::is<drawop::Clear>(surface.recording().back()));
    EXPECT_EQ(surface.grab().toImage().pixelColor(10, 10), QColor(Qt::black));
}

} // namespace
} // namespace velmora
