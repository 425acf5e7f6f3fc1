#pragma once

#include "drawing/recording_canvas.h"

#include <QWidget>

namespace velmora {

// A picture box: a widget with a drawing surface that core code draws on through the Canvas
// interface. The operations are kept as a recording (trimmed at every clear, so it holds
// only what is visible) whose pixel size follows the widget; painting replays the recording
// with QPainter at the widget's current size, so a resize never loses the picture. Drawing
// only schedules a repaint (update()), which Qt coalesces. Texts are drawn at their point
// size times the growth of the widget's font since construction, so a layout that scales
// fonts with the window scales the picture's captions too.
class DrawingSurface : public QWidget {
    Q_OBJECT

public:
    explicit DrawingSurface(QWidget* parent = nullptr);
    ~DrawingSurface() override;

    Canvas& canvas();
    const Recording& recording() const;
    // The recorder itself, e.g. for its text dump in tests.
    const RecordingCanvas& recorder() const;

    // The surface's background colour: what shows before anything is drawn and what
    // clear() paints. Canvas::setBackground changes it too, as on any picture box.
    void setBackgroundColor(Rgb color);
    Rgb backgroundColor() const { return background_; }

    // Whether texts grow with the widget's font (the default). A drawing that sizes its own
    // texts to the surface turns this off.
    void setTextsFollowFont(bool follow) { textsFollowFont_ = follow; }

    QSize sizeHint() const override { return {100, 100}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class SurfaceCanvas;

    std::unique_ptr<SurfaceCanvas> canvas_;
    Rgb background_ = colors::White;
    double basePointSize_ = 0;
    bool textsFollowFont_ = true;
};

} // namespace velmora
