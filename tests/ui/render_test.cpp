#include "ui/rendering/offscreen_renderer.h"

#include "drawing/recording_canvas.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <vector>

namespace velmora {
namespace {

Recording crossOn(Rgb background) {
    RecordingCanvas canvas(100, 80);
    canvas.setBackground(background);
    canvas.setScale(0, 0, 100, 100);
    canvas.line(0, 0, 100, 100, colors::Red);
    canvas.line(0, 100, 100, 0, colors::Red);
    canvas.setCurrentPosition(5, 5);
    canvas.setTextColor(colors::White);
    canvas.print("Camber");
    return canvas.operations();
}

int countColor(const QImage& image, QColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

TEST(OffscreenRenderer, WritesAPngOfTheAskedSizeThatShowsTheDrawing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("cross.png"));
    QString error;
    ASSERT_TRUE(renderToPng(crossOn(colors::Black), QSize(320, 240), path, &error))
        << error.toStdString();

    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(320, 240));
    EXPECT_GT(countColor(image, Qt::red), 400);     // two diagonals
    EXPECT_GT(countColor(image, Qt::black), 30000); // the background
    EXPECT_GT(countColor(image, Qt::white), 0);     // the text
}

TEST(OffscreenRenderer, LaysPicturesSideBySide) {
    const std::vector<Recording> pictures = {crossOn(colors::Black), crossOn(colors::Black),
                                             crossOn(colors::Black)};
    const QImage row = renderSideBySide(pictures, QSize(100, 80), {}, 10, colors::White);
    ASSERT_EQ(row.size(), QSize(3 * 100 + 2 * 10, 80));
    EXPECT_EQ(row.pixelColor(105, 40), QColor(Qt::white)); // the gap
    EXPECT_EQ(row.pixelColor(150, 3), QColor(Qt::black));  // the second picture
    EXPECT_EQ(row.pixelColor(100 + 10 + 50, 40), QColor(Qt::red));

    EXPECT_TRUE(renderSideBySide({}, QSize(100, 80)).isNull());
    EXPECT_TRUE(renderRecording(pictures[0], QSize(0, 80)).isNull());
}

TEST(OffscreenRenderer, AFailedWriteSaysWhyAndKeepsTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString error;
    EXPECT_FALSE(renderToPng(crossOn(colors::Black), QSize(50, 50),
                             dir.filePath(QStringLiteral("missing/folder/x.png")), &error));
    EXPECT_FALSE(error.isEmpty());

    const QString path = dir.filePath(QStringLiteral("kept.png"));
    ASSERT_TRUE(renderToPng(crossOn(colors::Black), QSize(50, 50), path));
    error.clear();
    EXPECT_FALSE(renderToPng(crossOn(colors::Black), QSize(0, 0), path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QImage(path).size(), QSize(50, 50));
}

} // namespace
} // namespace velmora
